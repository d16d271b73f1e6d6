// Variants, strings and arrays of the object model.
#include <gtest/gtest.h>

#include "automation/dispatch.h"
#include "automation/safearray.h"

using namespace automation;

TEST(WString, NullIsDistinctFromEmpty) {
  EXPECT_TRUE(WString().isNull());
  EXPECT_FALSE(WString(u"").isNull());
  EXPECT_NE(WString(), WString(u""));
  EXPECT_EQ(WString(u""), WString(u""));
  WString s;
  s.str() += u"a";  // writing makes a null string a real one
  EXPECT_FALSE(s.isNull());
  EXPECT_EQ(WString::fromUtf8("h\xC3\xA9\xF0\x9F\x98\x80").toUtf8(), "h\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(WString::fromUtf8("\xC3\xA9").size(), 1u);
  EXPECT_EQ(WString::fromUtf8("a\xFF" "b").str(), std::u16string(u"a\uFFFDb"));
  EXPECT_EQ(WString::fromUtf8("\xE2\x82").str(), std::u16string(u"\uFFFD\uFFFD"));
}

TEST(Guid, ParsesAndPrints) {
  constexpr Guid g = Guid::fromString("{494d1179-9ae9-11d1-adb8-00a024122f93}");
  EXPECT_EQ(g.toString(), "{494D1179-9AE9-11D1-ADB8-00A024122F93}");
  EXPECT_EQ(Guid::parse("494D1179-9AE9-11D1-ADB8-00A024122F93"), g);
  for (const char* bad : {"", "{494D1179-9AE9-11D1-ADB8-00A024122F9}", "494D1179x9AE9-11D1-ADB8-00A024122F93",
                          "{494D1179-9AE9-11D1-ADB8-00A024122F9G}"}) {
    EXPECT_FALSE(Guid::parse(bad)) << bad;
  }
}

TEST(Variant, TypeNumbersAndReferences) {
  std::int32_t n = 5;
  WString s(u"x");
  Variant inner = Variant::i2(3);
  struct Case {
    Variant v;
    std::uint16_t type;
  } cases[] = {
      {Variant(), 0},
      {Variant::null(), 1},
      {Variant::i2(1), 2},
      {Variant::i4(1), 3},
      {Variant::r8(1), 5},
      {Variant::currency(1), 6},
      {Variant::string(u"a"), 8},
      {Variant::object(nullptr), 9},
      {Variant::missing(), 10},
      {Variant::boolean(true), 11},
      {Variant::array(SafeArray::vector(VT_BSTR, 0, 1)), 0x2008},
      {Variant::refI4(&n), 0x4003},
      {Variant::refString(&s), 0x4008},
      {Variant::refVariant(&inner), 0x400C},
  };
  for (const auto& c : cases) EXPECT_EQ(c.v.type(), c.type);
  EXPECT_TRUE(Variant::missing().isMissing());
  EXPECT_EQ(Variant::missing().getError(), DISP_E_PARAMNOTFOUND);
  EXPECT_FALSE(Variant::error(E_FAIL).isMissing());

  // Reading follows references; writing through them reaches the caller's storage.
  EXPECT_EQ(Variant::refI4(&n).getI4(), 5);
  EXPECT_EQ(Variant::refVariant(&inner).getI2(), 3);
  ASSERT_EQ(Variant::refI4(&n).assignThrough(Variant::string(u"42")), S_OK);
  EXPECT_EQ(n, 42);
  ASSERT_EQ(Variant::refString(&s).assignThrough(Variant::i4(7)), S_OK);
  EXPECT_EQ(s, WString(u"7"));
  ASSERT_EQ(Variant::refVariant(&inner).assignThrough(Variant::string(u"now a string")), S_OK);
  EXPECT_EQ(*inner.getString(), WString(u"now a string"));
  EXPECT_EQ(Variant::refI4(&n).assignThrough(Variant::string(u"abc")), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(n, 42);
  EXPECT_EQ(Variant::i4(1).assignThrough(Variant::i4(2)), E_INVALIDARG);
}

TEST(Variant, Conversions) {
  struct Case {
    Variant v;
    std::optional<std::int32_t> i4;
    std::optional<std::u16string> text;
  } cases[] = {
      {Variant(), 0, u""},
      {Variant::null(), std::nullopt, std::nullopt},
      {Variant::i2(-7), -7, u"-7"},
      {Variant::boolean(true), -1, u"True"},
      {Variant::boolean(false), 0, u"False"},
      {Variant::r8(2.5), 2, u"2.5"},  // halves round to even
      {Variant::r8(3.5), 4, u"3.5"},
      {Variant::r8(1e12), std::nullopt, u"1000000000000"},  // overflows a long
      {Variant::currency(12345), 1, u"1.2345"},
      {Variant::currency(-5000), 0, u"-0.5"},
      {Variant::string(u" 12 "), 12, u" 12 "},
      {Variant::string(u"1x"), std::nullopt, u"1x"},
      {Variant::missing(), std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.v.toI4(), c.i4) << c.v.type();
    const auto text = c.v.toString();
    EXPECT_EQ(text ? std::optional(text->str()) : std::nullopt, c.text) << c.v.type();
  }
  Variant out;
  EXPECT_EQ(Variant::r8(1e12).changeType(VT_I4, out), DISP_E_OVERFLOW);
  EXPECT_EQ(Variant::string(u"x").changeType(VT_I4, out), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(Variant::string(u"TRUE").toBool(), true);
}

TEST(Variant, StoredLow16ReadsWithoutConversion) {
  std::int32_t big = 65536;
  struct Case {
    Variant v;
    std::int16_t stored;
  } cases[] = {
      {Variant::missing(), 4},  // DISP_E_PARAMNOTFOUND = 0x80020004
      {Variant::boolean(true), -1},
      {Variant::boolean(false), 0},
      {Variant::i4(65536), 0},
      {Variant::i4(65537), 1},
      {Variant::refI4(&big), 0},
      {Variant(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.v.storedLow16(), c.stored) << c.v.type();
}

TEST(SafeArray, BoundsElementsAndRedim) {
  SafeArray a = SafeArray::vector(VT_BSTR, 5, 3);
  EXPECT_EQ(a.features() & FADF_BSTR, FADF_BSTR);
  EXPECT_EQ(a.lowerBound(), 5);
  EXPECT_EQ(a.upperBound(), 7);
  Variant v;
  ASSERT_EQ(a.get(5, v), S_OK);
  EXPECT_TRUE(v.getString()->isNull());  // new string elements are null
  EXPECT_EQ(a.put(7, Variant::i4(9)), S_OK);  // converted to the element type
  ASSERT_EQ(a.get(7, v), S_OK);
  EXPECT_EQ(*v.getString(), WString(u"9"));
  EXPECT_EQ(a.get(4, v), DISP_E_BADINDEX);
  EXPECT_EQ(a.get(8, v), DISP_E_BADINDEX);
  Variant moved = Variant::string(u"moved");
  EXPECT_EQ(a.put(6, std::move(moved)), S_OK);  // a value of the element type is moved in
  ASSERT_EQ(a.get(6, v), S_OK);
  EXPECT_EQ(*v.getString(), WString(u"moved"));
  EXPECT_EQ(a.put(8, Variant::string(u"x")), DISP_E_BADINDEX);
  EXPECT_EQ(a.put(6, Variant::null()), DISP_E_TYPEMISMATCH);  // other values are converted

  ASSERT_EQ(a.redim(5), S_OK);  // keeps the lower bound and the elements that fit
  EXPECT_EQ(a.lowerBound(), 5);
  EXPECT_EQ(a.upperBound(), 9);
  ASSERT_EQ(a.get(7, v), S_OK);
  EXPECT_EQ(*v.getString(), WString(u"9"));
  ASSERT_EQ(a.redim(0), S_OK);
  EXPECT_EQ(a.upperBound(), 4);

  {
    ArrayLock lock(a);
    EXPECT_EQ(a.lockCount(), 1u);
    EXPECT_EQ(a.redim(2), DISP_E_ARRAYISLOCKED);
  }
  EXPECT_EQ(a.unlock(), E_UNEXPECTED);
  EXPECT_EQ(a.redim(2), S_OK);

  SafeArray fixed(VT_I4, {{0, 2}}, FADF_FIXEDSIZE);
  EXPECT_EQ(fixed.redim(3), E_INVALIDARG);
  SafeArray fixedStatic(VT_I4, {{0, 2}}, FADF_STATIC);
  EXPECT_EQ(fixedStatic.redim(3), E_INVALIDARG);
}

TEST(SafeArray, TwoDimensionsAndCopies) {
  SafeArray a(VT_I4, {{1, 2}, {-1, 3}});  // (1 To 2, -1 To 1)
  const std::int32_t at[] = {2, 1};
  ASSERT_EQ(a.put(at, Variant::i4(42)), S_OK);
  const std::int32_t wrongCount[] = {1};
  Variant v;
  EXPECT_EQ(a.get(wrongCount, v), DISP_E_BADINDEX);
  ASSERT_EQ(a.redim(4), S_OK);  // the last dimension grows; element (2, 1) stays
  ASSERT_EQ(a.get(at, v), S_OK);
  EXPECT_EQ(v.getI4(), 42);

  a.lock();
  Variant holder = Variant::array(a);  // a copy of the elements, unlocked
  EXPECT_EQ(holder.getArray()->lockCount(), 0u);
  EXPECT_EQ(*holder.getArray(), a);
  Variant copy = holder;
  EXPECT_NE(copy.getArray(), holder.getArray());
  EXPECT_EQ(copy, holder);

  ArrayHandle none;
  Variant ref = Variant::refArray(&none, VT_BSTR);
  EXPECT_EQ(ref.getArray(), nullptr);
  ASSERT_EQ(ref.assignThrough(holder), S_OK);
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->upperBound(1), 2);
}
