// Search, replace, insert and delete: InStrR, NumMatches, ReplaceStr, DeleteStr, InsertStr,
// ReplaceAt and DeleteAt, called by dispatch id.
#include "tessel_client.h"

namespace tessel::testing {
namespace {

using TesselSearch = TesselTest;

TEST_F(TesselSearch, InStrR) {
  struct Case {
    std::int32_t start;
    const char16_t* target;
    const char16_t* find;
    Variant compare;
    std::int32_t at;
  };
  const Case cases[] = {
      {0, u"abcabc", u"abc", Variant::missing(), 3},  {2, u"abcabc", u"abc", Variant::missing(), 0},
      {3, u"abcabc", u"abc", Variant::missing(), 3},  {99, u"abcabc", u"abc", Variant::missing(), 3},
      {-5, u"abcabc", u"abc", Variant::missing(), 3}, {0, u"abcabc", u"x", Variant::missing(), -1},
      {0, u"a", u"a", Variant::missing(), 0},         {0, u"ABC", u"b", Variant::i4(0), -1},
      {0, u"ABC", u"b", Variant::i4(1), 1},           {0, u"", u"a", Variant::missing(), -1},
      {0, u"abc", u"", Variant::missing(), -1},       {0, u"ab", u"abc", Variant::missing(), -1},
      {1, u"abab", u"ab", Variant::missing(), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.target) + " / " + utf8(c.find) + " from " + std::to_string(c.start));
    EXPECT_EQ(callLong(DISPID_InStrR, {Variant::i4(c.start), str(c.target), str(c.find), c.compare}), c.at);
  }
  expectError(errorOf(DISPID_InStrR, {Variant::i4(0), str(u"a"), nullString()}), 2009,
              u"The input argument must not be an empty string.");
}

TEST_F(TesselSearch, NumMatches) {
  struct Case {
    const char16_t* text;
    const char16_t* match;
    Variant compare;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"aaaa", u"aa", Variant::missing(), 2}, {u"aXa", u"x", Variant::i4(0), 0},
      {u"aXa", u"x", Variant::i4(1), 1},       {u"", u"a", Variant::missing(), 0},
      {u"abc", u"", Variant::missing(), 0},    {u"\u00c9t\u00e9", u"\u00e9", Variant::i4(1), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " / " + utf8(c.match));
    EXPECT_EQ(callLong(DISPID_NumMatches, {str(c.text), str(c.match), c.compare}), c.count);
  }
  for (auto args : {std::vector<Variant>{nullString(), str(u"a")}, std::vector<Variant>{str(u"a"), nullString()}}) {
    try {
      tessel.call(DISPID_NumMatches, args);
      ADD_FAILURE() << "a null string accepted";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.status(), basicError(94));
    }
  }
}

TEST_F(TesselSearch, ReplaceStr) {
  struct Case {
    const char16_t* text;
    const char16_t* sub;
    const char16_t* replacement;
    Variant compare;
    Variant global;
    const char16_t* result;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"aaa", u"a", u"aa", Variant::missing(), Variant::missing(), u"aaaaaa", 3},
      {u"aaa", u"a", u"aa", Variant::missing(), Variant::boolean(false), u"aaaa", 1},
      {u"Hello HELLO", u"hello", u"x", Variant::i4(1), Variant::missing(), u"x x", 2},
      {u"Hello HELLO", u"hello", u"x", Variant::i4(0), Variant::missing(), u"Hello HELLO", 0},
      {u"Big bag BIG", u"big", u"small", Variant::i4(1), Variant::missing(), u"small bag small", 2},
      {u"abab", u"ab", u"", Variant::missing(), Variant::missing(), u"", 2},
      {u"abc", u"", u"x", Variant::missing(), Variant::missing(), u"abc", 0},
      {u"", u"a", u"x", Variant::missing(), Variant::missing(), u"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " / " + utf8(c.sub));
    WString text(c.text);
    EXPECT_EQ(callLong(DISPID_ReplaceStr, {Variant::refString(&text), str(c.sub), str(c.replacement), c.compare, c.global}),
              c.count);
    EXPECT_EQ(text.view(), c.result);
  }
  WString text(u"keep");
  expectError(errorOf(DISPID_ReplaceStr, {Variant::refString(&text), str(u"e"), nullString()}), 2009,
              u"The input argument must not be an empty string.");
  EXPECT_EQ(text.view(), u"keep");
}

TEST_F(TesselSearch, DeleteStr) {
  struct Case {
    const char16_t* text;
    const char16_t* del;
    Variant compare;
    Variant global;
    const char16_t* result;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"aabb", u"ab", Variant::missing(), Variant::missing(), u"", 2},
      {u"aabb", u"ab", Variant::missing(), Variant::boolean(false), u"ab", 1},
      {u"xAabBx", u"ab", Variant::i4(1), Variant::missing(), u"xx", 2},
      {u"Foo fOO", u"foo", Variant::i4(1), Variant::missing(), u" ", 2},
      {u"a-b-c", u"-", Variant::missing(), Variant::missing(), u"abc", 2},
      {u"abc", u"", Variant::missing(), Variant::missing(), u"abc", 0},
      {u"abc", u"x", Variant::missing(), Variant::missing(), u"abc", 0},
      {u"cabababd", u"aba", Variant::missing(), Variant::missing(), u"cbabd", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " / " + utf8(c.del));
    WString text(c.text);
    EXPECT_EQ(callLong(DISPID_DeleteStr, {Variant::refString(&text), str(c.del), c.compare, c.global}), c.count);
    EXPECT_EQ(text.view(), c.result);
  }
}

TEST_F(TesselSearch, DeleteStrOnALargeCascadingText) {
  // Every deletion joins two halves into a new occurrence: 200000 deletions in one call.
  WString text(std::u16string(200000, u'a') + std::u16string(200000, u'b'));
  EXPECT_EQ(callLong(DISPID_DeleteStr, {Variant::refString(&text), str(u"ab")}), 200000);
  EXPECT_EQ(text.view(), u"");
}

TEST_F(TesselSearch, PositionMethods) {
  struct Case {
    const char* what;
    DispId id;
    std::vector<Variant> rest;  // the arguments after InString
    const char16_t* result;     // null: raises 2008
  };
  const Case cases[] = {
      {"insert at the end", DISPID_InsertStr, {str(u"X"), Variant::i4(3)}, u"abcX"},
      {"insert at 0", DISPID_InsertStr, {str(u"X"), Variant::i4(0)}, u"Xabc"},
      {"insert past the end", DISPID_InsertStr, {str(u"X"), Variant::i4(4)}, nullptr},
      {"insert before the start", DISPID_InsertStr, {str(u"X"), Variant::i4(-1)}, nullptr},
      {"replace 2 at 1", DISPID_ReplaceAt, {str(u"XY"), Variant::i4(1), Variant::i4(2)}, u"aXY"},
      {"replace at 0", DISPID_ReplaceAt, {str(u"XY"), Variant::i4(0), Variant::i4(2)}, nullptr},
      {"replace past the end", DISPID_ReplaceAt, {str(u"XY"), Variant::i4(2), Variant::i4(99)}, u"abXY"},
      {"replace at the end", DISPID_ReplaceAt, {str(u"XY"), Variant::i4(3), Variant::i4(1)}, u"abcXY"},
      {"replace length 0", DISPID_ReplaceAt, {str(u"XY"), Variant::i4(1), Variant::i4(0)}, nullptr},
      {"delete to the end", DISPID_DeleteAt, {Variant::i4(1), Variant::i4(10)}, u"a"},
      {"delete at the end", DISPID_DeleteAt, {Variant::i4(3), Variant::i4(1)}, u"abc"},
      {"delete at 0", DISPID_DeleteAt, {Variant::i4(0), Variant::i4(1)}, u"bc"},
      {"delete length 0", DISPID_DeleteAt, {Variant::i4(0), Variant::i4(0)}, nullptr},
      {"delete past the end", DISPID_DeleteAt, {Variant::i4(4), Variant::i4(1)}, nullptr},
      {"delete at a huge position", DISPID_DeleteAt, {Variant::i4(INT32_MAX), Variant::i4(INT32_MAX)}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WString text(u"abc");
    std::vector<Variant> args{Variant::refString(&text)};
    args.insert(args.end(), c.rest.begin(), c.rest.end());
    if (c.result) {
      EXPECT_TRUE(callBool(c.id, args));
      EXPECT_EQ(text.view(), c.result);
    } else {
      expectError(errorOf(c.id, args), 2008, u"Parameter is out of range.");
      EXPECT_EQ(text.view(), u"abc");
    }
  }
}

TEST_F(TesselSearch, PositionMethodsWithNullStrings) {
  WString null;
  expectError(errorOf(DISPID_InsertStr, {Variant::refString(&null), str(u"x"), Variant::i4(0)}), 2009,
              u"The input argument must not be an empty string.");
  WString text(u"abc");
  expectError(errorOf(DISPID_ReplaceAt, {Variant::refString(&text), nullString(), Variant::i4(1), Variant::i4(1)}), 2009,
              u"The input argument must not be an empty string.");
  // DeleteAt takes a null string as an empty one.
  EXPECT_TRUE(callBool(DISPID_DeleteAt, {Variant::refString(&null), Variant::i4(0), Variant::i4(1)}));
  EXPECT_TRUE(null.isEmpty());
}

TEST_F(TesselSearch, ByValueStringsAreReadButNotWrittenBack) {
  Variant text = str(u"abc");
  EXPECT_EQ(callLong(DISPID_ReplaceStr, {text, str(u"b"), str(u"X")}), 1);
  EXPECT_EQ(text, str(u"abc"));
}

}  // namespace
}  // namespace tessel::testing
