#include <gtest/gtest.h>

#include <functional>

#include "../../src/errors.h"
#include "automation/dispatch.h"
#include "pattern_methods.h"

namespace tessel {
namespace {

using automation::WString;

std::string show(const WString& s) { return s.toUtf8(); }

TEST(TesselPatternMethods, NullArgumentsRaise2009AndZeroLengthOnesPass) {
  const WString null;
  const WString text(u"abc");
  std::int32_t length = 0;
  WString target(u"abc");
  const std::function<void()> calls[] = {
      [&] { regInStr(0, null, text, length, false); },
      [&] { regInStr(0, text, null, length, false); },
      [&] { regNumMatches(null, text, false); },
      [&] { regNumMatches(text, null, false); },
      [&] { WString s; regReplaceStr(s, text, text, false, true); },
      [&] { regReplaceStr(target, null, text, false, true); },
      [&] { regReplaceStr(target, text, null, false, true); },
      [&] { WString s; regDeleteStr(s, text, false, true); },
      [&] { regDeleteStr(target, null, false, true); },
  };
  for (const auto& call : calls) {
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const automation::AutomationError& e) {
      EXPECT_EQ(e.number(), IDS_ERR_ARGUMENT_EMPTY);
    }
  }
  EXPECT_EQ(target, WString(u"abc"));
  EXPECT_EQ(regInStr(0, WString(u""), WString(u""), length, false), 0);
  EXPECT_EQ(regNumMatches(WString(u""), WString(u""), false), 1);
}

TEST(TesselPatternMethods, RegInStrHonoursStartAndCompare) {
  struct Case {
    std::int32_t start;
    std::u16string text, pattern;
    bool ignoreCase;
    std::int32_t at, length;  // length -1: left unchanged
  };
  const Case cases[] = {
      {0, u"the file.txt", u"[.][a-z]+$", false, 8, 4},
      {0, u"the file.txt", u"x+", false, 10, 1},
      {0, u"the file.txt", u"y+", false, -1, -1},
      {2, u"abcabc", u"abc", false, 3, 3},     // the search begins at offset 2
      {1, u"abcabc", u"abc", false, 0, 3},
      {2, u"xabc", u"abc", false, -1, -1},     // offset 1 is never a start
      {0, u"ab", u"^b", false, -1, -1},
      {2, u"aab", u"^b", false, 2, 1},         // ^ matches where the search begins
      {99, u"abc", u"c", false, 2, 1},         // past the end counts as 1
      {-5, u"abc", u"a", false, 0, 1},
      {3, u"abc", u"$", false, 3, 0},
      {0, u"ABC", u"b", true, 1, 1},
      {0, u"ABC", u"b", false, -1, -1},
      {0, u"abc", u"[A-C]+", true, 0, 3},
      {0, u"abc", u"(ab", false, -1, -1},
  };
  for (const auto& c : cases) {
    std::int32_t length = -1;
    EXPECT_EQ(regInStr(c.start, WString(c.text), WString(c.pattern), length, c.ignoreCase), c.at)
        << show(WString(c.pattern)) << " in " << show(WString(c.text)) << " from " << c.start;
    EXPECT_EQ(length, c.length) << show(WString(c.pattern));
  }
}

TEST(TesselPatternMethods, RegNumMatchesCountsOverlappingMatchesAndEnds) {
  struct Case {
    std::u16string text, pattern;
    bool ignoreCase;
    std::int32_t count;
  };
  const Case cases[] = {
      {u"aaa", u"aa", false, 2},   {u"aaa", u"^a", false, 3},  {u"abc", u"b*", false, 4},
      {u"abc", u"$", false, 1},    {u"abc", u"", false, 4},    {u"", u"x", false, 0},
      {u"aBc ABC", u"b", true, 2}, {u"abc", u"[A-Z]", true, 3}, {u"abc", u"[A-Z]", false, 0},
      {u"a(ab)z", u"a**", false, 0}, {u"a(ab)z", u"*a", false, 0}, {u"a(ab)z", u"(ab", false, 0},
      {u"a(ab)z", u"a)", false, 0}, {u"a(ab)z", u"[z-a]", false, 0}, {u"a(ab)z", u"\\", false, 0},
      {u"a(ab)z", u"(a*)*", false, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(regNumMatches(WString(c.text), WString(c.pattern), c.ignoreCase), c.count)
        << show(WString(c.pattern)) << " in " << show(WString(c.text));
}

struct EditCase {
  std::u16string text, pattern, replacement;
  bool ignoreCase, global;
  std::u16string result;
  std::int32_t count;
};

// Runs edit on a copy of the case's text and checks the count and the resulting string.
template <class Edit>
void expectEdit(const EditCase& c, Edit edit) {
  WString text(c.text);
  EXPECT_EQ(edit(text), c.count) << show(WString(c.pattern)) << " in " << show(WString(c.text));
  EXPECT_EQ(text, WString(c.result)) << show(WString(c.pattern)) << " in " << show(WString(c.text));
}

TEST(TesselPatternMethods, RegReplaceStrReplacesAndGoesOnBehindTheInsertion) {
  const EditCase cases[] = {
      {u"John Smith", u"([a-z]+) ([a-z]+)", u"\\2, \\1", false, true, u"John Smith", 0},
      {u"John Smith", u"([A-Za-z]+) ([A-Za-z]+)", u"\\2, \\1", false, true, u"Smith, John", 1},
      // With Compare the untouched text and the inserted groups keep their case.
      {u"John Smith", u"([a-z]+) ([a-z]+)", u"\\2, \\1", true, true, u"Smith, John", 1},
      {u"Foo fOO bar", u"o", u"&&", true, true, u"Foooo fOOOO bar", 4},
      {u"Foo fOO", u"FOO", u"X", true, true, u"X X", 2},
      {u"a.b.c", u"[.]", u"\\&-", false, true, u"a&-b&-c", 2},
      {u"a.b.c", u"[.]", u"\\&-", false, false, u"a&-b.c", 1},
      {u"aa", u"a", u"aa", false, true, u"aaaa", 2},       // the insertion is not searched
      {u"aaa", u"^a", u"b", false, true, u"bbb", 3},       // ^ matches where the search goes on
      // Empty matches: replaced, then the character after them is kept.
      {u"abc", u"b*", u"-", false, true, u"-a--c-", 4},
      {u"abc", u"", u"-", false, true, u"-a-b-c-", 4},
      {u"abc", u"$", u"!", false, true, u"abc!", 1},
      {u"abc", u"x*", u"-", false, false, u"-abc", 1},
      {u"abc", u"x", u"y", false, true, u"abc", 0},
      {u"abc", u"(", u"y", false, true, u"abc", 0},
  };
  for (const auto& c : cases) {
    expectEdit(c, [&](WString& text) {
      return regReplaceStr(text, WString(c.pattern), WString(c.replacement), c.ignoreCase, c.global);
    });
  }
}

TEST(TesselPatternMethods, RegDeleteStrSearchesTheWholeStringAgainAfterEachDeletion) {
  const EditCase cases[] = {
      {u"aabb", u"ab", u"", false, true, u"", 2},       // the deletion makes a new match
      {u"aabb", u"ab", u"", false, false, u"ab", 1},
      {u"Foo fOO", u"foo", u"", true, true, u" ", 2},    // what stays keeps its case
      {u"xaXbx", u"x", u"", true, true, u"ab", 3},
      {u"axb", u"ab|x", u"", false, true, u"", 2},      // a match before the deletion point
      {u"zzzaxb", u"ab|x", u"", false, true, u"zzz", 2},
      {u"aaab", u"^a", u"", false, true, u"b", 3},      // ^ is always the start of the string
      {u"a(b)c", u"[()]", u"", false, true, u"abc", 2},
      // Empty matches delete nothing and are passed over.
      {u"abba", u"b*", u"", false, true, u"aa", 1},
      {u"abc", u"$", u"", false, true, u"abc", 0},
      {u"abc", u"x*", u"", false, true, u"abc", 0},
      {u"abc", u"a**", u"", false, true, u"abc", 0},
  };
  for (const auto& c : cases)
    expectEdit(c, [&](WString& text) { return regDeleteStr(text, WString(c.pattern), c.ignoreCase, c.global); });
}

}  // namespace
}  // namespace tessel
