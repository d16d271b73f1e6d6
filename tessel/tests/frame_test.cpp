// The frame of the library: identities, creation and module lifetime, properties, the
// argument rules shared by all methods, and the errors a client sees.
#include "tessel_client.h"

#include "automation/connection.h"

namespace tessel::testing {
namespace {

using TesselFrame = TesselTest;

TEST_F(TesselFrame, CreatedByClassIdAndProgrammaticIdWithItsInterfaces) {
  auto byProgId = createObject(PROGID_CTesselDLL);
  ASSERT_TRUE(byProgId);
  EXPECT_TRUE(byProgId.query<ITesselDLL>());
  auto container = byProgId.query<IConnectionPointContainer>();
  ASSERT_TRUE(container);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IEventNotifySink::IID, point.put()), S_OK);
  EXPECT_EQ(container->FindConnectionPoint(ITesselDLL::IID, point.put()), CONNECT_E_NOCONNECTION);
}

TEST_F(TesselFrame, ModuleCanUnloadOnlyWithoutObjects) {
  ServerLibrary lib;
  std::string problem;
  ASSERT_EQ(loadServerLibrary(TESSEL_LIBRARY, lib, problem), S_OK) << problem;
  EXPECT_EQ(lib.canUnloadNow(), S_FALSE);  // the fixture's object is alive
  tessel = LateBound(nullptr);
  EXPECT_EQ(lib.canUnloadNow(), S_OK);
  EXPECT_EQ(lib.unregisterServer(), S_OK);
  EXPECT_THROW(createObject(CLSID_CTesselDLL.toString()), AutomationError);
}

TEST_F(TesselFrame, PropertiesByNameAndIdStartEmptyOrZero) {
  struct Case {
    const char16_t* name;
    DispId id;
    Variant initial;
  };
  const Case cases[] = {
      {u"Separators", DISPID_Separators, str(u"")}, {u"NumRecs", DISPID_NumRecs, Variant::i4(0)},
      {u"NumFlds", DISPID_NumFlds, Variant::i4(0)},   {u"RecordSeps", DISPID_RecordSeps, str(u"")},
      {u"TrimRest", DISPID_TrimRest, Variant::boolean(false)},
      {u"Cancel", DISPID_Cancel, Variant::boolean(false)},
      {u"FileName", DISPID_FileName, str(u"")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.name));
    EXPECT_EQ(tessel.idOf(c.name), c.id);
    EXPECT_EQ(tessel.get(c.id), c.initial);
  }
  EXPECT_EQ(tessel.idOf(u"parsefile"), DISPID_ParseFile);
}

TEST_F(TesselFrame, WritablePropertiesKeepWhatIsWritten) {
  tessel.put(DISPID_Separators, str(u",;"));
  tessel.put(DISPID_RecordSeps, str(u"|"));
  tessel.put(DISPID_FileName, str(u"/tmp/x.txt"));
  tessel.put(DISPID_TrimRest, Variant::boolean(true));
  tessel.put(DISPID_Cancel, Variant::i4(1));
  EXPECT_EQ(tessel.get(DISPID_Separators), str(u",;"));
  EXPECT_EQ(tessel.get(DISPID_RecordSeps), str(u"|"));
  EXPECT_EQ(tessel.get(DISPID_FileName), str(u"/tmp/x.txt"));
  EXPECT_EQ(tessel.get(DISPID_TrimRest), Variant::boolean(true));
  EXPECT_EQ(tessel.get(DISPID_Cancel), Variant::boolean(true));
}

TEST_F(TesselFrame, CountsAreReadOnly) {
  SafeArray tokens = SafeArray::vector(VT_BSTR, 0, 0);
  Variant holder = Variant::array(tokens);
  tessel.call(DISPID_StrTokl, {str(u"a b c"), Variant::refVariant(&holder)});
  for (DispId id : {DISPID_NumFlds, DISPID_NumRecs}) {
    try {
      tessel.put(id, Variant::i4(9));
      ADD_FAILURE() << "write to " << id << " accepted";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.status(), basicError(382));
    }
  }
  EXPECT_EQ(tessel.get(DISPID_NumFlds), Variant::i4(3));
  EXPECT_EQ(tessel.get(DISPID_NumRecs), Variant::i4(0));
}

// GetFieldCount shows which delimiter a Sep argument became.
TEST_F(TesselFrame, SeparatorArgumentRule) {
  const std::u16string text = u"a b,c d,e";
  auto count = [&](Variant sep) { return callLong(DISPID_GetFieldCount, {str(text.c_str()), sep}); };
  EXPECT_EQ(count(Variant::missing()), 3);  // built-in default: one space
  WString comma(u",");
  Variant inner = str(u",");
  Variant number = Variant::i4(5);
  tessel.put(DISPID_Separators, str(u","));
  EXPECT_EQ(count(Variant::missing()), 3);           // Separators: ","
  EXPECT_EQ(count(Variant::i4(0)), 3);               // not a string: Separators
  EXPECT_EQ(count(Variant::refVariant(&number)), 3); // a variant holding no string: Separators
  EXPECT_EQ(count(str(u" ")), 3);                    // an explicit separator wins
  EXPECT_EQ(count(str(u"d,")), 2);
  EXPECT_EQ(count(Variant::refString(&comma)), 3);
  EXPECT_EQ(count(Variant::refVariant(&inner)), 3);
  EXPECT_EQ(count(str(u"")), 1);                     // explicit and empty: no delimiter occurs
}

TEST_F(TesselFrame, CompareIntegerRule) {
  std::int32_t one = 1;
  std::int16_t shortOne = 1;
  VariantBool trueRef = VARIANT_TRUE;
  WString oneText(u"1");
  Variant inner = Variant::i4(1);
  struct Case {
    const char* what;
    Variant compare;
    bool ignoresCase;
  };
  const Case cases[] = {
      {"missing", Variant::missing(), false},
      {"long 1", Variant::i4(1), true},
      {"long 0", Variant::i4(0), false},
      {"integer -3", Variant::i2(-3), true},
      {"reference to long 1", Variant::refI4(&one), true},
      {"reference to integer 1", Variant::refI2(&shortOne), true},
      {"reference to variant holding 1", Variant::refVariant(&inner), true},
      {"string \"1\"", str(u"1"), true},
      {"string \" 12abc\"", str(u" 12abc"), true},
      {"string \"-0\"", str(u"-0"), false},
      {"string \"x1\"", str(u"x1"), false},
      {"reference to string \"1\"", Variant::refString(&oneText), true},
      {"boolean True", Variant::boolean(true), true},
      {"boolean False", Variant::boolean(false), false},
      {"reference to boolean True", Variant::refBool(&trueRef), true},
      {"double 1.0", Variant::r8(1.0), false},
      {"null", Variant::null(), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(callLong(DISPID_NumMatches, {str(u"aXa"), str(u"x"), c.compare}), c.ignoresCase ? 1 : 0);
  }
}

TEST_F(TesselFrame, GlobalFlagRule) {
  std::int32_t big = 65536;
  VariantBool falseRef = VARIANT_FALSE;
  struct Case {
    const char* what;
    Variant global;
    const char16_t* result;
  };
  const Case cases[] = {
      {"missing", Variant::missing(), u"-b-"},     {"True", Variant::boolean(true), u"-b-"},
      {"False", Variant::boolean(false), u"-ba"},  {"long 1", Variant::i4(1), u"-b-"},
      {"long 65536", Variant::i4(65536), u"-ba"},  {"reference to 65536", Variant::refI4(&big), u"-ba"},
      {"reference to False", Variant::refBool(&falseRef), u"-ba"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WString text(u"aba");
    tessel.call(DISPID_ReplaceStr, {Variant::refString(&text), str(u"a"), str(u"-"), Variant::missing(), c.global});
    EXPECT_EQ(text.view(), c.result);
  }
}

TEST_F(TesselFrame, NullStringsRaise2009WhileEmptyOnesPass) {
  expectError(errorOf(DISPID_GetField, {nullString(), Variant::i4(0)}), IDS_ERR_ARGUMENT_EMPTY,
              u"The input argument must not be an empty string.");
  EXPECT_EQ(callString(DISPID_GetField, {str(u""), Variant::i4(0)}), u"");
  expectError(errorOf(DISPID_FileFromPath, {nullString()}), 2009, u"The input argument must not be an empty string.");
  EXPECT_EQ(callString(DISPID_FileFromPath, {str(u"")}), u"");
}

TEST_F(TesselFrame, MissingRequiredArgumentAndUnknownMember) {
  std::vector<Variant> none;
  EXPECT_EQ(tessel.invoke(DISPID_GetField, DISPATCH_METHOD, none, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
  std::vector<Variant> missingIndex{str(u"a"), Variant::missing()};
  EXPECT_EQ(tessel.invoke(DISPID_GetField, DISPATCH_METHOD, missingIndex, nullptr, nullptr), DISP_E_PARAMNOTOPTIONAL);
  std::vector<Variant> args;
  EXPECT_EQ(tessel.invoke(31, DISPATCH_METHOD, args, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
}

}  // namespace
}  // namespace tessel::testing
