// Tokens and fields: StrTokl, StrChrl, FrontTokenEx, FrontToken, GetFieldCount, GetField and
// GetDelimField, called by dispatch id.
#include "tessel_client.h"

namespace tessel::testing {
namespace {

class TesselTokens : public TesselTest {
 protected:
  // StrTokl into a string array with the given bounds, passed by reference to a variant.
  std::vector<std::u16string> strTokl(Variant inString, Variant sep = Variant::missing(), std::int32_t lower = 0,
                                      std::uint32_t count = 0, bool* result = nullptr) {
    Variant holder = Variant::array(SafeArray::vector(VT_BSTR, lower, count));
    const bool r = callBool(DISPID_StrTokl, {std::move(inString), Variant::refVariant(&holder), std::move(sep)});
    if (result) *result = r;
    EXPECT_EQ(holder.getArray()->lowerBound(), lower);
    return elementsOf(*holder.getArray());
  }
  std::int32_t numFlds() const { return tessel.get(DISPID_NumFlds).getI4().value_or(-1); }
};

using Strings = std::vector<std::u16string>;

TEST_F(TesselTokens, StrToklCases) {
  struct Case {
    const char16_t* text;
    Variant sep;
    Strings tokens;
  };
  const Case cases[] = {
      {u"a  b", Variant::missing(), {u"a", u"b"}},
      {u"\t ls -l\r\n x \v", Variant::missing(), {u"ls", u"-l", u"x"}},
      {u"", Variant::missing(), {u""}},
      {u" \r\n", Variant::missing(), {u" \r\n"}},
      {u" , ", str(u","), {u" ", u" "}},
      {u", ,", str(u", "), {u", ,"}},
      {u"a,b;c", str(u";,"), {u"a", u"b", u"c"}},
      {u"a b", str(u""), {u"a b"}},
      {u"\u0391\u03A9x\u03A9", str(u"\u03A9"), {u"\u0391", u"x"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text));
    bool result = false;
    EXPECT_EQ(strTokl(str(c.text), c.sep, 0, 0, &result), c.tokens);
    EXPECT_TRUE(result);
    EXPECT_EQ(numFlds(), static_cast<std::int32_t>(c.tokens.size()));
  }
}

TEST_F(TesselTokens, StrToklKeepsTheLowerBoundAndTrimsTheArray) {
  EXPECT_EQ(strTokl(str(u"a b"), Variant::missing(), 0, 6), (Strings{u"a", u"b"}));
  EXPECT_EQ(strTokl(str(u"a b c"), Variant::missing(), -3, 1), (Strings{u"a", u"b", u"c"}));
  std::u16string many;
  for (int i = 0; i < 25; ++i) many += u"t" + std::u16string(1, static_cast<char16_t>(u'a' + i)) + u" ";
  EXPECT_EQ(strTokl(str(many.c_str()), Variant::missing(), 7, 2).size(), 25u);
  EXPECT_EQ(numFlds(), 25);
}

TEST_F(TesselTokens, StrToklOfNullGivesNoElement) {
  bool result = true;
  EXPECT_TRUE(strTokl(nullString(), Variant::missing(), 1, 3, &result).empty());
  EXPECT_FALSE(result);
  EXPECT_EQ(numFlds(), 0);
}

TEST_F(TesselTokens, SeparatorsPropertyIsTheFallbackSet) {
  tessel.put(DISPID_Separators, str(u","));
  EXPECT_EQ(strTokl(str(u"a b,c")), (Strings{u"a b", u"c"}));
  EXPECT_EQ(strTokl(str(u"a b,c"), str(u" ")), (Strings{u"a", u"b,c"}));
}

TEST_F(TesselTokens, ArrayArgumentsInOtherForms) {
  // A typed reference to a string array, an undimensioned one, and an array passed by value
  // (filled in a copy the caller does not see, but counted).
  ArrayHandle handle = std::make_unique<SafeArray>(SafeArray::vector(VT_BSTR, 5, 0));
  EXPECT_TRUE(callBool(DISPID_StrTokl, {str(u"x y"), Variant::refArray(&handle, VT_BSTR)}));
  EXPECT_EQ(handle->lowerBound(), 5);
  EXPECT_EQ(elementsOf(*handle), (Strings{u"x", u"y"}));
  ArrayHandle undimensioned;
  EXPECT_TRUE(callBool(DISPID_StrTokl, {str(u"x y z"), Variant::refArray(&undimensioned, VT_BSTR)}));
  ASSERT_TRUE(undimensioned);
  EXPECT_EQ(elementsOf(*undimensioned), (Strings{u"x", u"y", u"z"}));
  Variant byValue = Variant::array(SafeArray::vector(VT_BSTR, 0, 0));
  EXPECT_TRUE(callBool(DISPID_StrTokl, {str(u"p q"), byValue}));
  EXPECT_EQ(numFlds(), 2);
  EXPECT_EQ(byValue.getArray()->elementCount(), 0u);
}

TEST_F(TesselTokens, ArrayArgumentErrors) {
  const std::u16string byRef = u"Type Mismatch in Tokl Parameter.\nPass a string array by reference.";
  const std::u16string wrongDim = u"Type Mismatch in Tokl Parameter. \nPass a one-dimensional array.";
  const std::u16string dynamic = u"Type Mismatch in Tokl Parameter. \nPass a DYNAMIC string array.";
  Variant text = str(u"a b");
  Variant empty;
  Variant longs = Variant::array(SafeArray::vector(VT_I4, 0, 1));
  Variant shorts = Variant::array(SafeArray::vector(VT_I2, 0, 1));
  Variant twoDims = Variant::array(SafeArray(VT_BSTR, {{0, 2}, {0, 2}}));
  Variant fixed = Variant::array(SafeArray(VT_BSTR, {{0, 2}}, FADF_STATIC | FADF_FIXEDSIZE));
  struct Case {
    const char* what;
    DispId id;
    Variant* array;
    std::int32_t code;
    const std::u16string& text;
  };
  const Case cases[] = {
      {"StrTokl, a string", DISPID_StrTokl, &text, 2001, byRef},
      {"StrTokl, an empty variant", DISPID_StrTokl, &empty, 2001, byRef},
      {"StrTokl, longs", DISPID_StrTokl, &longs, 2001, byRef},
      {"StrTokl, 16-bit integers", DISPID_StrTokl, &shorts, 2001, byRef},
      {"StrTokl, two dimensions", DISPID_StrTokl, &twoDims, 2002, wrongDim},
      {"StrTokl, fixed size", DISPID_StrTokl, &fixed, 2003, dynamic},
      {"StrChrl, longs", DISPID_StrChrl, &longs, 2001, byRef},
      {"StrChrl, two dimensions", DISPID_StrChrl, &twoDims, 2002, wrongDim},
      {"StrChrl, fixed size", DISPID_StrChrl, &fixed, 2003, dynamic},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    expectError(errorOf(c.id, {str(u"ab"), Variant::refVariant(c.array)}), c.code, c.text);
  }
}

TEST_F(TesselTokens, ArraysThatCannotBeResized) {
  ArrayHandle locked = std::make_unique<SafeArray>(SafeArray::vector(VT_BSTR, 0, 1));
  locked->lock();
  expectError(errorOf(DISPID_StrTokl, {str(u"a b"), Variant::refArray(&locked, VT_BSTR)}), 2006,
              u"Unexpected Failure in StrTokl Method.");
  expectError(errorOf(DISPID_StrChrl, {str(u"ab"), Variant::refArray(&locked, VT_BSTR)}), 2010,
              u"Unexpected Failure in StrChrl Method.");
  locked->unlock();
  Variant staticOnly = Variant::array(SafeArray(VT_BSTR, {{0, 1}}, FADF_STATIC));
  expectError(errorOf(DISPID_StrTokl, {str(u"a b"), Variant::refVariant(&staticOnly)}), 2006,
              u"Unexpected Failure in StrTokl Method.");
}

TEST_F(TesselTokens, StrChrlIntoStringsAndSignedBytes) {
  Variant strings = Variant::array(SafeArray::vector(VT_BSTR, 1, 1));
  EXPECT_TRUE(callBool(DISPID_StrChrl, {str(u"ab"), Variant::refVariant(&strings)}));
  EXPECT_EQ(strings.getArray()->lowerBound(), 1);
  EXPECT_EQ(elementsOf(*strings.getArray()), (Strings{u"a", u"b"}));
  EXPECT_EQ(numFlds(), 2);

  Variant codes = Variant::array(SafeArray::vector(VT_I2, 0, 0));
  EXPECT_TRUE(callBool(DISPID_StrChrl, {str(u"A\u00e9\u00ff\u20ac"), Variant::refVariant(&codes)}));
  std::vector<std::int16_t> got;
  for (std::int32_t i = 0; i <= codes.getArray()->upperBound(); ++i) {
    Variant v;
    codes.getArray()->get(i, v);
    got.push_back(*v.getI2());
  }
  EXPECT_EQ(got, (std::vector<std::int16_t>{65, -23, -1, 63}));  // U+20AC is not in the code page: '?'

  EXPECT_FALSE(callBool(DISPID_StrChrl, {str(u""), Variant::refVariant(&strings)}));
  EXPECT_EQ(strings.getArray()->elementCount(), 0u);
  EXPECT_EQ(numFlds(), 0);
  expectError(errorOf(DISPID_StrChrl, {nullString(), Variant::refVariant(&strings)}), 2009,
              u"The input argument must not be an empty string.");
}

TEST_F(TesselTokens, FrontTokenEx) {
  struct Case {
    const char16_t* text;
    bool trimRest;
    const char16_t* token;
    const char16_t* rest;
  };
  const Case cases[] = {
      {u"  ls -l  x", false, u"ls", u" -l  x"}, {u"  ls -l  x", true, u"ls", u"-l  x"},
      {u"abc", false, u"abc", u""},             {u"   ", false, u"", u"   "},
      {u"   ", true, u"", u""},                 {u"", false, u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + (c.trimRest ? " trimmed" : ""));
    tessel.put(DISPID_TrimRest, Variant::boolean(c.trimRest));
    WString rest(u"old");
    EXPECT_EQ(callString(DISPID_FrontTokenEx, {str(c.text), Variant::refString(&rest)}), c.token);
    EXPECT_EQ(rest.view(), c.rest);
  }
  WString rest;
  EXPECT_EQ(callString(DISPID_FrontTokenEx, {str(u"a;b"), Variant::refString(&rest), str(u";")}), u"a");
  EXPECT_EQ(rest.view(), u";b");
  expectError(errorOf(DISPID_FrontTokenEx, {nullString(), Variant::refString(&rest)}), 2009,
              u"The input argument must not be an empty string.");
}

TEST_F(TesselTokens, FrontTokenByWhichStringsAreEmpty) {
  struct Case {
    const char* what;
    WString front, token, rest;
    bool result;
    WString frontAfter, tokenAfter, restAfter;
  };
  const WString null = WString::null();
  const Case cases[] = {
      {"split", u"ab cd", u"", null, true, u"ab cd", u"ab", u" cd"},
      {"token only, rest matches", u"ab cd", u"", u" cd", true, u"ab cd", u"ab", u" cd"},
      {"token only, rest differs", u"ab cd", null, u"cd", false, u"ab cd", u"ab", u"cd"},
      {"rest only, token matches", u"ab cd", u"ab", u"", true, u"ab cd", u"ab", u" cd"},
      {"rest only, token differs", u"ab cd", u"AB", u"", false, u"ab cd", u"AB", u" cd"},
      {"all set and consistent", u"ab cd", u"ab", u" cd", true, u"ab cd", u"ab", u" cd"},
      {"all set, not the split", u"ab cd", u"ab", u"cd", false, u"ab cd", u"ab", u"cd"},
      {"join", u"", u"ab", u" cd", true, u"ab cd", u"ab", u" cd"},
      {"join needs both", null, u"ab", u"", false, null, u"ab", u""},
      {"all empty", u"", u"", u"", false, u"", u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WString front = c.front, token = c.token, rest = c.rest;
    EXPECT_EQ(callBool(DISPID_FrontToken, {Variant::refString(&front), Variant::refString(&token),
                                           Variant::refString(&rest)}),
              c.result);
    EXPECT_EQ(front, c.frontAfter);
    EXPECT_EQ(token, c.tokenAfter);
    EXPECT_EQ(rest, c.restAfter);
  }
  WString a, b, c;
  try {
    tessel.call(DISPID_FrontToken, {Variant::refString(&a), Variant::refString(&b), Variant::refString(&c)});
    ADD_FAILURE() << "three null strings accepted";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.status(), basicError(94));
  }
}

TEST_F(TesselTokens, FrontTokenUsesTrimRestAndTheSameStringForSeveralArguments) {
  tessel.put(DISPID_TrimRest, Variant::boolean(true));
  WString front(u"ab  cd"), token, rest;
  EXPECT_TRUE(callBool(DISPID_FrontToken, {Variant::refString(&front), Variant::refString(&token), Variant::refString(&rest)}));
  EXPECT_EQ(rest.view(), u"cd");
  WString same(u"x y");
  WString none(u"");
  // Front and rest are one string: the token is stored, the computed rest " y" is not "x y".
  EXPECT_FALSE(callBool(DISPID_FrontToken, {Variant::refString(&same), Variant::refString(&none), Variant::refString(&same)}));
  EXPECT_EQ(none.view(), u"x");
  EXPECT_EQ(same.view(), u"x y");
}

TEST_F(TesselTokens, GetFieldCount) {
  struct Case {
    const char16_t* text;
    Variant sep;
    Variant compare;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"", Variant::missing(), Variant::missing(), 1},
      {u"a b  c", Variant::missing(), Variant::missing(), 4},
      {u"a,,b", str(u","), Variant::missing(), 3},
      {u"a, b", str(u", "), Variant::missing(), 2},
      {u"A,b", str(u","), Variant::missing(), 2},
      {u"aXbxc", str(u"x"), Variant::i4(1), 3},
      {u"aXbxc", str(u"x"), Variant::i4(0), 2},
      {u"aaaa", str(u"aa"), Variant::missing(), 3},
      {u"\u00c4b\u00e4", str(u"\u00e4"), Variant::i4(1), 3},
      {u"abc", str(u""), Variant::missing(), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text));
    EXPECT_EQ(callLong(DISPID_GetFieldCount, {str(c.text), c.sep, c.compare}), c.count);
  }
}

TEST_F(TesselTokens, GetField) {
  struct Case {
    const char16_t* text;
    std::int32_t index;
    Variant sep;
    Variant compare;
    const char16_t* field;
  };
  const Case cases[] = {
      {u"a,,b", 0, str(u","), Variant::missing(), u"a"},
      {u"a,,b", 1, str(u","), Variant::missing(), u""},
      {u"a,,b", 2, str(u","), Variant::missing(), u"b"},
      {u"a,,b", 5, str(u","), Variant::missing(), u""},
      {u"a,,b", -1, str(u","), Variant::missing(), u""},
      {u"a,,b", INT32_MAX, str(u","), Variant::missing(), u""},
      {u"one two", 1, Variant::missing(), Variant::missing(), u"two"},
      {u"OneSEPTwosepThree", 2, str(u"sep"), Variant::i4(1), u"Three"},
      {u"OneSEPTwosepThree", 1, str(u"sep"), Variant::i4(0), u"Three"},
      {u"OneSEPTwo", 1, str(u"Sep"), Variant::i4(1), u"Two"},
      {u"abc", 0, str(u""), Variant::missing(), u"abc"},
      {u"abc", 1, str(u""), Variant::missing(), u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " " + std::to_string(c.index));
    EXPECT_EQ(callString(DISPID_GetField, {str(c.text), Variant::i4(c.index), c.sep, c.compare}), c.field);
  }
}

TEST_F(TesselTokens, GetDelimField) {
  struct Case {
    const char16_t* text;
    const char16_t* lead;
    const char16_t* trail;
    std::int32_t number;
    Variant compare;
    const char16_t* piece;
  };
  const Case cases[] = {
      {u"a(b)c(d)", u"(", u")", 0, Variant::missing(), u"b"},
      {u"a(b)c(d)", u"(", u")", 1, Variant::missing(), u"d"},
      {u"a(b)c(d)", u"(", u")", 2, Variant::missing(), u""},
      {u"x[1]y[2]", u"[", u"]", 1, Variant::missing(), u"2"},
      {u"x[1]y[2]", u"[", u"]", 2, Variant::missing(), u""},
      {u"x[1]y[2]", u"[", u"]", -1, Variant::missing(), u""},
      {u"\"a\" \"b\"", u"\"", u"\"", 0, Variant::missing(), u"a"},
      {u"\"a\" \"b\"", u"\"", u"\"", 1, Variant::missing(), u" "},
      {u"x<B>Bold</b>", u"<b>", u"</B>", 0, Variant::i4(1), u"Bold"},
      {u"x<B>Bold</b>", u"<b>", u"</B>", 0, Variant::i4(0), u""},
      {u"a(b", u"(", u")", 0, Variant::missing(), u""},
      {u"abc", u"", u"", INT32_MAX, Variant::missing(), u""},
      {u"a(b)c(d)", u"(", u"", INT32_MAX, Variant::missing(), u""},
      {u"a(b)c(d)", u"", u")", 0, Variant::missing(), u"a(b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " " + std::to_string(c.number));
    EXPECT_EQ(callString(DISPID_GetDelimField, {str(c.text), str(c.lead), str(c.trail), Variant::i4(c.number), c.compare}),
              c.piece);
  }
  expectError(errorOf(DISPID_GetDelimField, {str(u"a(b)"), nullString(), str(u")"), Variant::i4(0)}), 2009,
              u"The input argument must not be an empty string.");
}

}  // namespace
}  // namespace tessel::testing
