// Pathological patterns and large texts: no native recursion, bounded work, defined results.
#include <gtest/gtest.h>

#include <random>

#include "delete_reference.h"
#include "pattern_matcher.h"
#include "pattern_methods.h"

namespace tessel {
namespace {

using automation::WString;

std::u16string repeat(std::u16string_view piece, std::size_t times) {
  std::u16string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s.append(piece);
  return s;
}

constexpr std::size_t kTenMegabytes = 10u << 20;

TEST(TesselPatternRobustness, DeepOrLongPatternsCompileWithoutRecursion) {
  PatternMatcher matcher;
  EXPECT_FALSE(matcher.compile(repeat(u"(", 100000)));
  EXPECT_FALSE(matcher.compile(repeat(u")", 100000)));
  EXPECT_FALSE(matcher.compile(repeat(u"[", 100000)));
  EXPECT_TRUE(matcher.compile(repeat(u"a|", 100000)));
  EXPECT_EQ(matcher.find(u"xyz"), 0);  // the last alternative is empty
  EXPECT_TRUE(matcher.compile(repeat(u"(a)?", 9) + repeat(u"b*", 100000) + u"c"));
  EXPECT_EQ(matcher.find(u"abbbc"), 0);
  EXPECT_EQ(matcher.matchLength(), 5);
}

TEST(TesselPatternRobustness, RepeatedGroupsOverTenMegabytesNeedNoNativeStack) {
  const std::u16string text = repeat(u"ab ", kTenMegabytes / 3);
  const auto size = static_cast<std::int32_t>(text.size());
  std::int32_t length = 0;
  EXPECT_EQ(regInStr(0, WString(text), WString(u"(ab )+$"), length, false), 0);
  EXPECT_EQ(length, size);
  const std::u16string megabyte = text.substr(0, (1u << 20) / 3 * 3);
  EXPECT_EQ(regInStr(0, WString(megabyte), WString(u"((a|b)+ )*$"), length, false), 0);
  EXPECT_EQ(length, static_cast<std::int32_t>(megabyte.size()));
  // Over the whole text this one would keep more choices open than the backtracking stack
  // may hold: it reports no match.
  length = 7;
  EXPECT_EQ(regInStr(0, WString(text), WString(u"((a|b)+ )*$"), length, false), -1);
  EXPECT_EQ(length, 7);
  EXPECT_EQ(regNumMatches(WString(text), WString(u"b "), false), size / 3);

  WString replaced(text);
  EXPECT_EQ(regReplaceStr(replaced, WString(u"(a)(b)"), WString(u"\\2\\1"), false, true), size / 3);
  EXPECT_EQ(replaced.view().substr(0, 6), u"ba ba ");
  EXPECT_EQ(replaced.size(), text.size());
}

TEST(TesselPatternRobustness, GlobalDeletesOnTenMegabytesStayLinear) {
  WString as(std::u16string(kTenMegabytes, u'a'));
  EXPECT_EQ(regDeleteStr(as, WString(u"a"), false, true), static_cast<std::int32_t>(kTenMegabytes));
  EXPECT_EQ(as, WString(u""));

  // Each deletion joins an a and a b into a new match just before it.
  const std::size_t half = kTenMegabytes / 2;
  WString nested(std::u16string(half, u'a') + std::u16string(half, u'b') + u"!");
  EXPECT_EQ(regDeleteStr(nested, WString(u"AB"), true, true), static_cast<std::int32_t>(half));
  EXPECT_EQ(nested, WString(u"!"));
}

TEST(TesselPatternRobustness, ALongRequiredLiteralIsLookedForInOnePass) {
  const std::u16string text(kTenMegabytes, u'a');
  PatternMatcher matcher;
  matcher.setStepBudget(stepBudgetFor(text.size()));
  ASSERT_TRUE(matcher.compile(u"x*" + std::u16string(5000, u'a') + u"b"));
  EXPECT_EQ(matcher.find(text), -1);
  EXPECT_FALSE(matcher.exhausted());
}

TEST(TesselPatternRobustness, ExponentialPatternsStopAtTheBudgetAndReportNoMatch) {
  // Each of these backtracks through 2^n ways before it could answer.
  const std::u16string n = repeat(u"a", 40);
  const std::pair<std::u16string, std::u16string> cases[] = {
      {repeat(u"a?", 40) + n, n},                    // would match
      {u"(a|a)*c|b", n},                             // no hints to cut it short
      {u"((((((((a+)+)+)+)+)+)+)+)+c|b", n},
      {u"(a|aa)+$|x", n + u"b"},
  };
  for (const auto& [pattern, text] : cases) {
    std::int32_t length = 7;
    EXPECT_EQ(regInStr(0, WString(text), WString(pattern), length, false), -1);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(regNumMatches(WString(text), WString(pattern), false), 0);
    WString target(text);
    EXPECT_EQ(regReplaceStr(target, WString(pattern), WString(u"x"), false, true), 0);
    EXPECT_EQ(regDeleteStr(target, WString(pattern), false, true), 0);
    EXPECT_EQ(target, WString(text));

    PatternMatcher matcher;
    matcher.setStepBudget(stepBudgetFor(text.size()));
    ASSERT_TRUE(matcher.compile(pattern));
    EXPECT_EQ(matcher.find(text), -1);
    EXPECT_TRUE(matcher.exhausted());
  }
}

TEST(TesselPatternRobustness, IncrementalDeleteAgreesWithRescanningFromTheStart) {
  // Random small patterns over a two-letter alphabet, where deletions often create matches.
  const std::u16string atoms[] = {u"a", u"b", u".", u"[ab]", u"(ab|b)", u"(a|ba)", u"^", u"$", u"(b)"};
  const std::u16string quantifiers[] = {u"", u"", u"*", u"+", u"?"};
  std::mt19937 random(20261211);
  int compared = 0;
  for (int round = 0; round < 3000; ++round) {
    std::u16string pattern;
    const int pieces = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < pieces; ++i) {
      pattern += atoms[random() % std::size(atoms)];
      pattern += quantifiers[random() % std::size(quantifiers)];
      if (random() % 6 == 0) pattern += u"|";
    }
    std::u16string text;
    const int length = static_cast<int>(random() % 16);
    for (int i = 0; i < length; ++i) text += random() % 2 ? u'a' : u'b';
    const bool global = random() % 4 != 0;

    const auto expected = testing::deleteByRescanning(text, pattern, global);
    if (!expected) continue;  // does not compile
    WString actual(text);
    const std::int32_t count = regDeleteStr(actual, WString(pattern), false, global);
    EXPECT_EQ(count, expected->count) << actual.toUtf8() << " / " << WString(pattern).toUtf8();
    EXPECT_EQ(actual, WString(expected->text)) << WString(text).toUtf8() << " / " << WString(pattern).toUtf8();
    ++compared;
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace tessel
