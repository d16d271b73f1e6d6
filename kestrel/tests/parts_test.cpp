// The model's building blocks on their own: the keyed list, permission bits and the error module.
#include <gtest/gtest.h>

#include "error_module.h"
#include "host_rules.h"
#include "keyed_list.h"
#include "packed_strings.h"

using namespace kestrel;

namespace {

std::vector<int> itemsOf(const KeyedList<int>& list) {
  std::vector<int> out;
  list.forEach([&](int v) { out.push_back(v); });
  return out;
}

}  // namespace

TEST(KestrelKeyedList, InsertsAnywhereAndFindsByKeyAndPosition) {
  KeyedList<int> list;
  EXPECT_TRUE(list.append(1, u"a"));
  EXPECT_TRUE(list.append(3, u"c"));
  EXPECT_TRUE(list.insert(1, 2, u"b"));  // before position 1
  EXPECT_TRUE(list.insert(0, 0));        // no key
  EXPECT_FALSE(list.append(9, u"b"));    // key taken: nothing changes
  EXPECT_EQ(itemsOf(list), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list.positionOf(u"c"), 3u);
  EXPECT_EQ(*list.find(u"b"), 2);
  EXPECT_EQ(list.find(u"B"), nullptr);  // keys are case-sensitive
  list.erase(*list.positionOf(u"b"));
  EXPECT_EQ(itemsOf(list), (std::vector<int>{0, 1, 3}));
  EXPECT_FALSE(list.contains(u"b"));
  EXPECT_EQ(list.positionOf(u"c"), 2u);
}

TEST(KestrelKeyedList, HundredThousandItemsAtBothEndsAndRemovedByKey) {
  KeyedList<int> list;
  constexpr int n = 100000;
  for (int i = 0; i < n; ++i) {
    const std::string key = std::to_string(i);
    // Odd items go to the front, even ones to the back.
    ASSERT_TRUE(list.insert(i % 2 ? 0 : list.size(), i, std::u16string(key.begin(), key.end())));
  }
  ASSERT_EQ(list.size(), static_cast<std::size_t>(n));
  EXPECT_EQ(list.at(0), n - 1);
  EXPECT_EQ(list.at(n / 2), 0);
  EXPECT_EQ(list.positionOf(u"0"), static_cast<std::size_t>(n / 2));
  for (int i = 0; i < n; i += 2) {
    const std::string key = std::to_string(i);
    list.erase(*list.positionOf(std::u16string(key.begin(), key.end())));
  }
  ASSERT_EQ(list.size(), static_cast<std::size_t>(n / 2));
  EXPECT_EQ(list.at(list.size() - 1), 1);
  EXPECT_EQ(list.positionOf(u"1"), static_cast<std::size_t>(n / 2 - 1));
}

TEST(KestrelPackedStrings, FieldsKeepTheirTextsWhateverTheirWidth) {
  // Narrow (Latin-1) and wide texts, empty fields, and changes that switch the storage.
  PackedStrings<3> texts(std::array<std::u16string_view, 3>{u"café", u"", u"z"});
  EXPECT_EQ(texts.get(0), u"café");
  EXPECT_EQ(texts.get(1), u"");
  EXPECT_EQ(texts.get(2), u"z");
  texts.set(1, u"写真 \U0001F600");
  EXPECT_EQ(texts.get(0), u"café");
  EXPECT_EQ(texts.get(1), u"写真 \U0001F600");
  EXPECT_EQ(texts.get(2), u"z");
  texts.set(1, u"");
  texts.set(0, u"longer than before");
  EXPECT_EQ(texts.get(0), u"longer than before");
  EXPECT_EQ(texts.get(1), u"");
  EXPECT_EQ(texts.get(2), u"z");
  EXPECT_EQ(PackedStrings<2>().get(1), u"");
}

TEST(KestrelKeyedList, WideAndNarrowKeysAreDistinct) {
  KeyedList<int> list;
  EXPECT_TRUE(list.append(1, u"fête"));
  EXPECT_TRUE(list.append(2, u"f\u0100te"));  // same length, one character beyond Latin-1
  EXPECT_TRUE(list.append(3, u""));
  EXPECT_EQ(*list.find(u"fête"), 1);
  EXPECT_EQ(*list.find(u"f\u0100te"), 2);
  EXPECT_EQ(*list.find(u""), 3);
  EXPECT_EQ(list.find(u"fete"), nullptr);
}

TEST(KestrelPermissions, StringsBecomeBitsWithWorldDeleteApart) {
  struct Case {
    std::u16string text;
    std::int32_t who, what;
    bool expected;
  } cases[] = {
      {u"rwxdrwxdr-x-----", wcOwner, wcWrite, true},
      {u"rwxdrwxdr-x-----", wcGroup, wcWrite, false},
      {u"rwxdrwxdr-x-----", wcGroup, wcExecute, true},
      {u"rwxdrwxdr-x-----", wcWorld, wcRead, false},
      {u"rwxdrwxdr-x-r---", wcWorld, wcRead, true},
      {u"rwxdrwxdr-x-rwx-", wcWorld, wcExecute, true},
      {u"-", wcSystem, wcRead, false},  // position 1 holds "-"
      {u"-", wcSystem, wcWrite, true},  // positions past the end count as set
      {u"-", wcWorld, wcExecute, true},
      {u"", wcOwner, wcRead, false},
      {u"rwxdrwxdrwxdrwxd", wcWorld, wcDelete, false},  // bit 16 is not in the 16-bit value
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hasPrivilege(permissionBits(c.text).perms, c.who, c.what), c.expected)
        << std::string(c.text.begin(), c.text.end()) << " who " << c.who << " what " << c.what;
  }
  EXPECT_EQ(static_cast<std::uint16_t>(permissionBits(u"-").perms), 0xFFFCu);  // bits 2 to 15, bit 15 the sign
  EXPECT_TRUE(permissionBits(u"-").worldDelete);
  EXPECT_TRUE(permissionBits(u"rwxdrwxdrwxdrwxd").worldDelete);
  EXPECT_FALSE(permissionBits(u"rwxdrwxdrwxdrwx-").worldDelete);
  EXPECT_FALSE(permissionBits(u"").worldDelete);
}

TEST(KestrelHostRules, CodesMapToThreeHostTypes) {
  for (int code : {3, 6, 8, 9, 13, 14, 15}) EXPECT_EQ(hostRulesFor(code)->type, UnixHType) << code;
  for (int code : {10, 11, 12}) EXPECT_EQ(hostRulesFor(code)->fileSep, u"]") << code;
  EXPECT_EQ(hostRulesFor(17)->dirSep, u"\\");
  for (int code : {0, 1, 2, 4, 5, 7, 16, 18, -1}) EXPECT_FALSE(hostRulesFor(code)) << code;
}

TEST(KestrelErrorModule, WordWrapAtFortyFive) {
  EXPECT_EQ(wordWrap(u"short text stays as it is"), u"short text stays as it is");
  const std::u16string exactly45(45, u'x');
  EXPECT_EQ(wordWrap(exactly45), exactly45);
  // A line ends after the word that brings it to 45 characters or more.
  EXPECT_EQ(wordWrap(u"The Parser was unable to correctly parse the date Field."),
            u"The Parser was unable to correctly parse the date\r\nField.\r\n");
  EXPECT_EQ(wordWrap(u"a\t\tb\r\n" + std::u16string(50, u'c')), u"a b " + std::u16string(50, u'c') + u"\r\n");
}

TEST(KestrelErrorModule, LibraryErrorsCarryDecoratedDescriptions) {
  try {
    raiseLibraryError(ecParseError, u"S");
    FAIL();
  } catch (const automation::AutomationError& e) {
    EXPECT_EQ(e.number(), -2147220504);
    EXPECT_EQ(e.source().str(), u"S");
    EXPECT_EQ(e.description().str(),
              u"In Module.Proc: S\r\n\r\n"
              u"general Parsing Failure. Check that the directory\r\nstring is the correct format and that HostType\r\n"
              u"is correctly set.\r\n");
  }
  try {
    raiseAgain(automation::AutomationError(automation::basicError(457)), u"CKestrel.ParseFilter", kLibrary);
    FAIL();
  } catch (const automation::AutomationError& e) {
    EXPECT_EQ(e.number(), 457);
    EXPECT_EQ(e.description().str(),
              u"Error: 457\r\nIn Module.Proc: CKestrel.ParseFilter\r\n\r\nError Message: "
              u"This key is already associated with an element\r\nof this collection\r\n");
  }
}
