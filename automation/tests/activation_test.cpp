// The component runtime through the door a client uses: registry, loading, class factory,
// dispatch, errors, events and module lifetime.
#include <gtest/gtest.h>

#include <fstream>

#include "automation/activation.h"
#include "automation/client.h"
#include "automation/event_sink.h"
#include "automation/registry.h"
#include "calc.h"
#include "sandbox.h"

using namespace automation;

namespace {

class ActivationTest : public ::testing::Test {
 protected:
  void SetUp() override { albryn::testing::registerComponentLibrary(CALC_LIBRARY); }
  ServerLibrary library() {
    ServerLibrary lib;
    std::string problem;
    EXPECT_EQ(loadServerLibrary(CALC_LIBRARY, lib, problem), S_OK) << problem;
    return lib;
  }
};

// An event sink that records what it is told, or fails, or asks to cancel.
class Sink final : public EventSink<Sink, IDispatch> {
 public:
  enum class Mode { Record, Fail, Throw, Cancel };
  Sink(std::vector<std::string>& log, std::string name, Mode mode) : log_(log), name_(std::move(name)), mode_(mode) {}
  void* castTo(const Guid& iid) {
    return iid == IUnknown::IID || iid == IDispatch::IID || iid == calc::IID_CalcEvents ? static_cast<IDispatch*>(this) : nullptr;
  }
  HRESULT Invoke(DispId id, const Guid&, std::uint32_t, std::uint16_t, DispParams* params, Variant*, ExcepInfo*,
                 std::uint32_t*) override {
    if (mode_ == Mode::Throw) throw std::runtime_error("sink failure");
    if (mode_ == Mode::Fail) return E_FAIL;
    log_.push_back(name_ + ":" + std::to_string(id) + ":" + std::to_string(*params->args[0].getI4()));
    if (mode_ == Mode::Cancel) params->args[1].assignThrough(Variant::boolean(true));
    return S_OK;
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
  Mode mode_;
};

ComPtr<IConnectionPoint> eventsOf(const ComPtr<IDispatch>& object) {
  auto container = object.query<IConnectionPointContainer>();
  EXPECT_TRUE(container);
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(calc::IID_CalcEvents, point.put()), S_OK);
  return point;
}

}  // namespace

TEST_F(ActivationTest, CreatesByClassIdAndByProgrammaticId) {
  auto byId = createObject(calc::CLSID_Calc.toString());
  auto byProgId = createObject("automationtest.calc");  // programmatic ids ignore case
  ASSERT_TRUE(byId);
  ASSERT_TRUE(byProgId);
  EXPECT_NE(byId.get(), byProgId.get());
  EXPECT_TRUE(byId.query<calc::ICalc>());
  EXPECT_FALSE(byId.query<IClassFactory>());
}

TEST_F(ActivationTest, DispatchByIdAndThroughTheDualInterface) {
  LateBound calc(createObject(calc::PROGID_Calc));
  EXPECT_EQ(calc.idOf(u"ADD"), calc::DISPID_Add);
  EXPECT_THROW(calc.idOf(u"Subtract"), AutomationError);

  calc.put(calc::DISPID_Total, Variant::i4(10));
  EXPECT_EQ(calc.get(calc::DISPID_Total).getI4(), 10);
  EXPECT_EQ(calc.call(calc::DISPID_Add, {Variant::i4(5)}).getI4(), 15);                     // optional left out
  EXPECT_EQ(calc.call(calc::DISPID_Add, {Variant::i4(5), Variant::missing()}).getI4(), 20);  // marked missing
  EXPECT_EQ(calc.call(calc::DISPID_Add, {Variant::string(u"2"), Variant::i2(3)}).getI4(), 26);

  // The same object through its dual interface's own slots.
  auto dual = ComPtr<IDispatch>(calc.object()).query<calc::ICalc>();
  std::int32_t total = 0;
  ASSERT_EQ(dual->get_Total(&total), S_OK);
  EXPECT_EQ(total, 26);

  WString text(u"ab");
  calc.call(calc::DISPID_Twice, {Variant::refString(&text)});
  EXPECT_EQ(text, WString(u"abab"));
  Variant holder = Variant::string(u"xy");
  calc.call(calc::DISPID_Twice, {Variant::refVariant(&holder)});
  EXPECT_EQ(*holder.getString(), WString(u"xyxy"));
}

TEST_F(ActivationTest, BadCallsFailWithStatuses) {
  LateBound calc(createObject(calc::PROGID_Calc));
  std::vector<Variant> none, tooMany{Variant::i4(1), Variant::i4(1), Variant::i4(1)}, wrongType{Variant::string(u"x")};
  std::vector<Variant> missingRequired{Variant::missing()};
  Variant result;
  ExcepInfo excep;
  EXPECT_EQ(calc.invoke(calc::DISPID_Add, DISPATCH_METHOD, none, &result, &excep), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(calc.invoke(calc::DISPID_Add, DISPATCH_METHOD, tooMany, &result, &excep), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(calc.invoke(calc::DISPID_Add, DISPATCH_METHOD, wrongType, &result, &excep), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(calc.invoke(calc::DISPID_Add, DISPATCH_METHOD, missingRequired, &result, &excep), DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(calc.invoke(99, DISPATCH_METHOD, none, &result, &excep), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(calc.invoke(calc::DISPID_Fail, DISPATCH_PROPERTYPUT, none, &result, &excep), DISP_E_MEMBERNOTFOUND);

  try {
    calc.put(calc::DISPID_Counter, Variant::i4(1));
    FAIL() << "writing a read-only property succeeded";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.status(), basicError(382));
    EXPECT_EQ(basicErrorNumber(e.status()), 382);
  }
}

TEST_F(ActivationTest, ErrorsArriveWithNumberSourceAndDescription) {
  LateBound calc(createObject(calc::PROGID_Calc));
  try {
    calc.call(calc::DISPID_Fail);
    FAIL() << "no error raised";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.status(), DISP_E_EXCEPTION);
    EXPECT_EQ(e.number(), calc::kFailNumber);
    EXPECT_EQ(e.source(), WString(calc::kFailSource));
    EXPECT_EQ(e.description(), WString(calc::kFailText));
  }
}

TEST_F(ActivationTest, EventsReachSinksInConnectionOrderAndFailingSinksAreSkipped) {
  auto object = createObject(calc::PROGID_Calc);
  auto point = eventsOf(object);
  std::vector<std::string> log;
  auto first = makeObject<Sink>(log, "first", Sink::Mode::Record);
  auto failing = makeObject<Sink>(log, "failing", Sink::Mode::Fail);
  auto throwing = makeObject<Sink>(log, "throwing", Sink::Mode::Throw);
  auto second = makeObject<Sink>(log, "second", Sink::Mode::Record);
  std::uint32_t c1 = 0, c2 = 0, c3 = 0, c4 = 0;
  ASSERT_EQ(point->Advise(first.get(), &c1), S_OK);
  ASSERT_EQ(point->Advise(failing.get(), &c2), S_OK);
  ASSERT_EQ(point->Advise(throwing.get(), &c3), S_OK);
  ASSERT_EQ(point->Advise(second.get(), &c4), S_OK);

  LateBound calc(object);
  calc.call(calc::DISPID_Add, {Variant::i4(4)});
  EXPECT_EQ(log, (std::vector<std::string>{"first:1:4", "second:1:4"}));

  ASSERT_EQ(point->Unadvise(c1), S_OK);
  EXPECT_EQ(point->Unadvise(c1), CONNECT_E_NOCONNECTION);
  log.clear();
  calc.call(calc::DISPID_Add, {Variant::i4(1)});
  EXPECT_EQ(log, (std::vector<std::string>{"second:1:5"}));

  // A by-reference event argument carries the sink's answer back to the source.
  std::uint32_t c5 = 0;
  auto canceller = makeObject<Sink>(log, "cancel", Sink::Mode::Cancel);
  ASSERT_EQ(point->Advise(canceller.get(), &c5), S_OK);
  EXPECT_EQ(calc.call(calc::DISPID_Add, {Variant::i4(1)}).getI4(), 0);
}

TEST_F(ActivationTest, ModuleUnloadsOnlyWithoutObjectsAndLocks) {
  ServerLibrary lib = library();
  EXPECT_EQ(lib.canUnloadNow(), S_OK);
  {
    auto object = createObject(calc::PROGID_Calc);
    EXPECT_EQ(lib.canUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(lib.canUnloadNow(), S_OK);

  ComPtr<IClassFactory> factory;
  ASSERT_EQ(lib.getClassObject(&calc::CLSID_Calc, &IClassFactory::IID, factory.putVoid()), S_OK);
  ASSERT_EQ(factory->LockServer(true), S_OK);
  EXPECT_EQ(lib.canUnloadNow(), S_FALSE);
  ASSERT_EQ(factory->LockServer(false), S_OK);
  EXPECT_EQ(lib.canUnloadNow(), S_OK);

  ComPtr<IUnknown> outer(factory.get());
  void* object = nullptr;
  EXPECT_EQ(factory->CreateInstance(outer.get(), IDispatch::IID, &object), CLASS_E_NOAGGREGATION);
  const Guid unknownClass = Guid::fromString("{00000000-1111-2222-3333-444444444444}");
  EXPECT_EQ(lib.getClassObject(&unknownClass, &IClassFactory::IID, factory.putVoid()), CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(ActivationTest, UnregisteringRemovesTheClass) {
  ServerLibrary lib = library();
  ASSERT_EQ(lib.unregisterServer(), S_OK);
  void* object = nullptr;
  std::string problem;
  EXPECT_EQ(createInstance(calc::PROGID_Calc, IDispatch::IID, &object, problem), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
  EXPECT_NE(problem.find("not registered"), std::string::npos) << problem;
  EXPECT_EQ(lib.unregisterServer(), S_OK);  // unregistering twice is harmless
}

TEST_F(ActivationTest, BadRegistrationsGiveClearErrors) {
  const auto folder = albryn::testing::sandbox().newFolder();
  ClassRegistry registry;
  std::string problem;
  const Guid gone = Guid::fromString("{11111111-0000-0000-0000-000000000001}");
  const Guid notComponent = Guid::fromString("{11111111-0000-0000-0000-000000000002}");
  ASSERT_EQ(registry.add({gone, "Test.Gone", (folder / "libGone.so").string()}, problem), S_OK);
  ASSERT_EQ(registry.add({notComponent, "Test.NotComponent", NOT_A_COMPONENT_LIBRARY}, problem), S_OK);

  struct Case {
    std::string name;
    HRESULT status;
    std::string says;
  } cases[] = {
      {"Test.Nobody", REGDB_E_CLASSNOTREG, "not registered"},
      {"Test.Gone", CO_E_DLLNOTFOUND, "libGone.so"},
      {"Test.NotComponent", CO_E_ERRORINDLL, "entry point"},
  };
  for (const auto& c : cases) {
    void* object = reinterpret_cast<void*>(1);
    problem.clear();
    EXPECT_EQ(createInstance(c.name, IDispatch::IID, &object, problem), c.status) << c.name;
    EXPECT_EQ(object, nullptr);
    EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
  }
  try {
    createObject("Test.Gone");
    FAIL();
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.status(), CO_E_DLLNOTFOUND);
  }
}

TEST_F(ActivationTest, DamagedRegistryIsReportedAndRepairedByRegistration) {
  const auto file = ClassRegistry::defaultLocation();
  { std::ofstream(file, std::ios::app) << "this line is not a registration\n"; }
  void* object = nullptr;
  std::string problem;
  EXPECT_EQ(createInstance(calc::PROGID_Calc, IDispatch::IID, &object, problem), REGDB_E_INVALIDVALUE);
  EXPECT_NE(problem.find("damaged at line"), std::string::npos) << problem;

  ASSERT_EQ(library().registerServer(), S_OK);
  EXPECT_TRUE(createObject(calc::PROGID_Calc));
}

TEST_F(ActivationTest, RegistrationFailureIsReported) {
  ::setenv("ALBRYN_CLASS_REGISTRY", "/proc/albryn-cannot-write-here/classes.reg", 1);
  EXPECT_EQ(library().registerServer(), SELFREG_E_CLASS);
  ::setenv("ALBRYN_CLASS_REGISTRY", (albryn::testing::sandbox().root() / "classes.reg").c_str(), 1);
}
