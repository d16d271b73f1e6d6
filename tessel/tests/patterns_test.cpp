// The pattern methods through dispatch: argument conversion, Length and InString written back
// by reference, Compare and bGlobal by their rules.
#include "tessel_client.h"

namespace tessel::testing {
namespace {

using TesselPatterns = TesselTest;

TEST_F(TesselPatterns, RegInStrWritesLengthOnlyOnAMatch) {
  struct Case {
    std::int32_t start;
    const char16_t* text;
    const char16_t* pattern;
    Variant compare;
    std::int32_t at;
    std::int32_t length;  // 77 when left alone
  };
  const Case cases[] = {
      {0, u"the file.txt", u"[.][a-z]+$", Variant::missing(), 8, 4},
      {0, u"the file.txt", u"x+", Variant::missing(), 10, 1},
      {0, u"the file.txt", u"q+", Variant::missing(), -1, 77},
      {2, u"abcabc", u"abc", Variant::missing(), 3, 3},
      {1, u"abcabc", u"abc", Variant::missing(), 0, 3},
      {2, u"aab", u"^b", Variant::missing(), 2, 1},
      {0, u"ABC", u"b", str(u"1"), 1, 1},
      {0, u"ABC", u"b", Variant::i4(0), -1, 77},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.text) + " / " + utf8(c.pattern));
    std::int32_t length = 77;
    EXPECT_EQ(callLong(DISPID_RegInStr, {Variant::i4(c.start), str(c.text), str(c.pattern), Variant::refI4(&length), c.compare}),
              c.at);
    EXPECT_EQ(length, c.length);
  }
  Variant lengthHolder = Variant::i4(0);
  EXPECT_EQ(callLong(DISPID_RegInStr, {Variant::i4(0), str(u"xaay"), str(u"a+"), Variant::refVariant(&lengthHolder)}), 1);
  EXPECT_EQ(lengthHolder, Variant::i4(2));
}

TEST_F(TesselPatterns, RegReplaceStrAndRegDeleteStrWriteBackTheirString) {
  WString name(u"John Smith");
  EXPECT_EQ(callLong(DISPID_RegReplaceStr, {Variant::refString(&name), str(u"([A-Za-z]+) ([A-Za-z]+)"), str(u"\\2, \\1")}), 1);
  EXPECT_EQ(name.view(), u"Smith, John");
  WString dots(u"a.b.c");
  EXPECT_EQ(callLong(DISPID_RegReplaceStr,
                     {Variant::refString(&dots), str(u"[.]"), str(u"\\&-"), Variant::missing(), Variant::boolean(false)}),
            1);
  EXPECT_EQ(dots.view(), u"a&-b.c");
  WString foo(u"Foo fOO");
  EXPECT_EQ(callLong(DISPID_RegDeleteStr, {Variant::refString(&foo), str(u"foo"), Variant::i4(1)}), 2);
  EXPECT_EQ(foo.view(), u" ");
  WString once(u"aabb");
  EXPECT_EQ(callLong(DISPID_RegDeleteStr, {Variant::refString(&once), str(u"ab"), Variant::i4(0), Variant::i4(65536)}), 1);
  EXPECT_EQ(once.view(), u"ab");
}

TEST_F(TesselPatterns, RegNumMatchesAndNullArguments) {
  EXPECT_EQ(callLong(DISPID_RegNumMatches, {str(u"aaa"), str(u"aa")}), 2);
  EXPECT_EQ(callLong(DISPID_RegNumMatches, {str(u"aAa"), str(u"A"), Variant::boolean(true)}), 3);
  EXPECT_EQ(callLong(DISPID_RegNumMatches, {str(u"aaa"), str(u"a**")}), 0);
  expectError(errorOf(DISPID_RegNumMatches, {nullString(), str(u"a")}), 2009,
              u"The input argument must not be an empty string.");
  std::int32_t length = 0;
  expectError(errorOf(DISPID_RegInStr, {Variant::i4(0), str(u"a"), nullString(), Variant::refI4(&length)}), 2009,
              u"The input argument must not be an empty string.");
}

}  // namespace
}  // namespace tessel::testing
