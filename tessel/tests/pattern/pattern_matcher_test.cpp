#include <gtest/gtest.h>

#include "automation/wstring.h"
#include "pattern_matcher.h"

namespace tessel {
namespace {

std::string show(std::u16string_view s) { return automation::utf8FromUtf16(s); }

TEST(TesselPatternCompile, RejectsEachKindOfSyntaxError) {
  const std::u16string tenGroups = u"(((((((((()))))))))))";
  for (std::u16string_view pattern :
       {std::u16string_view(u"a**"), std::u16string_view(u"*a"), std::u16string_view(u"(ab"),
        std::u16string_view(u"a)"), std::u16string_view(u"[z-a]"), std::u16string_view(u"\\"),
        std::u16string_view(u"(a*)*"), std::u16string_view(u"()+"), std::u16string_view(u"a+?"),
        std::u16string_view(u"a??"), std::u16string_view(u"a|*b"), std::u16string_view(u"(?)"),
        std::u16string_view(u"[abc"), std::u16string_view(u"[]"), std::u16string_view(u"[^]"),
        std::u16string_view(u"(^)*"), std::u16string_view(u"(a|)+"), std::u16string_view(u"$+"),
        std::u16string_view(u"[a-z-0]"), std::u16string_view(tenGroups)}) {
    PatternMatcher matcher;
    EXPECT_FALSE(matcher.compile(pattern)) << show(pattern);
    EXPECT_EQ(matcher.find(u"a"), -1) << show(pattern);
  }
}

TEST(TesselPatternCompile, AcceptsTheBorderCases) {
  for (std::u16string_view pattern :
       {std::u16string_view(u""), std::u16string_view(u"a?"), std::u16string_view(u"(a|)?"),
        std::u16string_view(u"^?"), std::u16string_view(u"()"), std::u16string_view(u"|"),
        std::u16string_view(u"(((((((((a)))))))))"), std::u16string_view(u"[]a]"),
        std::u16string_view(u"[a-]"), std::u16string_view(u"[-a]"), std::u16string_view(u"\\*+"),
        std::u16string_view(u"(a$)+"), std::u16string_view(u"[a-a]")}) {
    PatternMatcher matcher;
    EXPECT_TRUE(matcher.compile(pattern)) << show(pattern);
  }
}

TEST(TesselPatternCompile, DerivesTheSearchHintsFromTheOnlyAlternative) {
  struct HintCase {
    std::u16string pattern;
    std::optional<char16_t> firstChar;
    bool anchored;
    std::u16string requiredLiteral;
  };
  const HintCase cases[] = {
      {u"abc", u'a', false, u""},
      {u"ab?", u'a', false, u""},          // the run stops before the quantified b
      {u".ab", std::nullopt, false, u""},
      {u"^ab", std::nullopt, true, u""},
      {u"a|b", std::nullopt, false, u""},
      {u"a*bcd", std::nullopt, false, u"bcd"},
      {u"a*b(cdef|x)", std::nullopt, false, u"b"},  // nothing inside a group is required
      {u"(ab)*cd\\ef", std::nullopt, false, u"cd"},
      {u"a*xy|z", std::nullopt, false, u""},
      {u"x+ab+", std::nullopt, false, u"a"},
  };
  for (const auto& c : cases) {
    const auto program = pattern::compilePattern(c.pattern);
    ASSERT_TRUE(program) << show(c.pattern);
    EXPECT_EQ(program->firstChar, c.firstChar) << show(c.pattern);
    EXPECT_EQ(program->anchored, c.anchored) << show(c.pattern);
    EXPECT_EQ(program->requiredLiteral, c.requiredLiteral) << show(c.pattern);
  }
}

struct FindCase {
  std::u16string pattern;
  std::u16string text;
  std::int32_t at;
  std::int32_t length;
};

TEST(TesselPatternFind, FindsTheLeftmostMatchInPreferenceOrder) {
  const FindCase cases[] = {
      {u"[.][a-z]+$", u"the file.txt", 8, 4},
      {u"x+", u"the file.txt", 10, 1},
      {u"a|ab", u"ab", 0, 1},             // earlier alternatives first, not the longest
      {u"(a|ab)c?", u"abc", 0, 1},
      {u"[]a]+", u"x]a", 1, 2},
      {u"[a-]", u"x-", 1, 1},
      {u"[^0-9]+", u"12ab3", 2, 2},
      {u"[a-c-e]", u"d", 0, 1},           // a range starts at the character before the -
      {u"[\\]", u"a\\", 1, 1},            // no escapes inside a list
      {u"abc*", u"xabccc", 1, 5},         // the quantifier takes the last character only
      {u"abc*", u"xab", 1, 2},
      {u"\\.\\n", u"a.n", 1, 2},          // \c is c itself
      {u"^b", u"ab", -1, 0},
      {u"a^b", u"a^b", -1, 0},
      {u"b*", u"abc", 0, 0},              // an empty match at the first position wins
      {u"$", u"abc", 3, 0},
      {u"", u"", 0, 0},
      {u".*x", u"axbxc", 0, 4},           // greedy, backing off
      {u"a*ab", u"aaab", 0, 4},
      {u"a?a?aa", u"aa", 0, 2},
      {u"(ab)+", u"xababab", 1, 6},
      {u"(a|b)*c", u"abbac", 0, 5},
      {u"(a*b)*c", u"abbc", 0, 4},
      {u"a*bc", u"aaaabc", 0, 6},         // with a required literal
      {u"a*bc", u"aaaab", -1, 0},
      {u"x*aab", u"aaab", 1, 3},          // the literal found across a partial match
      {u"x*abab", u"abaabab", 3, 4},
      {u"x*abcabd", u"abcabcabd", 3, 6},
      {u"ab", u"xxaxab", 4, 2},           // with a first-character hint
      {u"\u00e9+", u"a\u00e9\u00e9", 1, 2},
      {u"[\u03b1-\u03c9]+", u"x\u03b1\u03b2\u03b3", 1, 3},
      {u"[^\u03b1]", u"\u03b1b", 1, 1},
      {std::u16string(u"a\0b", 3), std::u16string(u"xa\0b", 4), 1, 3},  // NUL is a character
      {u"[^a]", std::u16string(u"\0", 1), 0, 1},
  };
  for (const auto& c : cases) {
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.compile(c.pattern)) << show(c.pattern);
    EXPECT_EQ(matcher.find(c.text), c.at) << show(c.pattern) << " in " << show(c.text);
    EXPECT_EQ(matcher.matchLength(), c.length) << show(c.pattern) << " in " << show(c.text);
  }
}

TEST(TesselPatternFind, GroupsReportTheirLastRepetition) {
  struct GroupCase {
    std::u16string pattern, text;
    int group;
    std::u16string expected;
  };
  const GroupCase cases[] = {
      {u"(a|b)+", u"abab", 1, u"b"},
      {u"((a)|b)+", u"ab", 1, u"b"},
      {u"((a)|b)+", u"ab", 2, u"a"},    // from the last repetition that took part
      {u"(a)|b", u"b", 1, u""},         // did not take part
      {u"(x)?y", u"y", 1, u""},
      {u"(a*)(b)", u"aab", 1, u"aa"},
      {u"(a|ab)(c|bcd)", u"abcd", 2, u"bcd"},  // the second group after backtracking
  };
  for (const auto& c : cases) {
    PatternMatcher matcher;
    ASSERT_TRUE(matcher.compile(c.pattern));
    ASSERT_GE(matcher.find(c.text), 0) << show(c.pattern);
    EXPECT_EQ(matcher.group(c.group, c.text), c.expected) << show(c.pattern) << " group " << c.group;
  }
}

TEST(TesselPatternExpand, BuildsTheReplacementFromTheLastMatch) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"&", u"aabbb"},        {u"[&]", u"[aabbb]"}, {u"\\2\\1", u"bbbaa"}, {u"\\0", u"aabbb"},
      {u"\\\\", u"\\"},        {u"\\&", u"&"},       {u"\\x", u"\\x"},      {u"x\\", u"x\\"},
      {u"\\9", u""},           {u"\\\\1", u"\\1"},
  };
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.compile(u"(a+)(b+)"));
  const std::u16string text = u"xaabbbx";
  ASSERT_EQ(matcher.find(text), 1);
  for (const auto& [replacement, expected] : cases) {
    std::u16string out;
    matcher.expand(replacement, text, out);
    EXPECT_EQ(out, expected) << show(replacement);
  }
}

}  // namespace
}  // namespace tessel
