#pragma once
// The string library as a late-bound client sees it: registered into the test's own class
// registry, created by class id, called by dispatch id with variants.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/activation.h"
#include "automation/client.h"
#include "interfaces/tessel.h"
#include "sandbox.h"

namespace tessel::testing {

using namespace automation;

class TesselTest : public ::testing::Test {
 protected:
  // Registered before each test's object is made (a test may unregister the library).
  static bool registered() {
    albryn::testing::registerComponentLibrary(TESSEL_LIBRARY);
    return true;
  }

  // Calls a method and returns the error it raised; fails the test when it raised none.
  AutomationError errorOf(DispId id, std::vector<Variant> args) const {
    try {
      tessel.call(id, std::move(args));
    } catch (const AutomationError& e) {
      return e;
    }
    ADD_FAILURE() << "no error from dispatch id " << id;
    return AutomationError(S_OK);
  }

  std::u16string callString(DispId id, std::vector<Variant> args) const {
    const Variant r = tessel.call(id, std::move(args));
    EXPECT_TRUE(r.getString()) << "dispatch id " << id << " returned no string";
    return r.getString() ? std::u16string(r.getString()->view()) : u"";
  }
  std::int32_t callLong(DispId id, std::vector<Variant> args) const {
    const Variant r = tessel.call(id, std::move(args));
    EXPECT_EQ(r.type(), VT_I4) << "dispatch id " << id;
    return r.getI4().value_or(-99);
  }
  bool callBool(DispId id, std::vector<Variant> args) const {
    const Variant r = tessel.call(id, std::move(args));
    EXPECT_EQ(r.type(), VT_BOOL) << "dispatch id " << id;
    return r.getBool().value_or(false);
  }

  bool registered_ = registered();
  LateBound tessel{createObject(CLSID_CTesselDLL.toString())};
};

inline Variant str(const char16_t* s) { return Variant::string(WString(s)); }
inline Variant nullString() { return Variant::string(WString::null()); }

// The code and text of a library error, as a client reads them.
inline void expectError(const AutomationError& e, std::int32_t number, std::u16string_view text) {
  EXPECT_EQ(e.status(), DISP_E_EXCEPTION);
  EXPECT_EQ(e.number(), number);
  EXPECT_EQ(e.source(), WString(u"CTesselDLL"));
  EXPECT_EQ(e.description().view(), text);
}

// The strings of a one-dimensional string array, from its lower bound up.
inline std::vector<std::u16string> elementsOf(const SafeArray& a) {
  std::vector<std::u16string> out;
  for (std::int32_t i = a.lowerBound(); i <= a.upperBound(); ++i) {
    Variant v;
    a.get(i, v);
    out.emplace_back(v.getString() ? v.getString()->view() : u"<not a string>");
  }
  return out;
}

inline std::string utf8(std::u16string_view s) { return utf8FromUtf16(s); }

}  // namespace tessel::testing
