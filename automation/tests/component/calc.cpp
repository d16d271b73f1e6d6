// A small component built in the tree to exercise the runtime through the real door.
#include "calc.h"

#include <array>

#include "automation/dispatch_object.h"
#include "automation/factory.h"

using namespace automation;

namespace {

class CCalc final : public DispatchObject<CCalc, calc::ICalc, IConnectionPointContainer> {
 public:
  void* castTo(const Guid& iid) {
    if (iid == IUnknown::IID || iid == IDispatch::IID || iid == calc::ICalc::IID) return static_cast<calc::ICalc*>(this);
    if (iid == IConnectionPointContainer::IID) return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
  }

  HRESULT get_Total(std::int32_t* total) override {
    if (!total) return E_POINTER;
    *total = total_;
    return S_OK;
  }
  HRESULT put_Total(std::int32_t total) override {
    total_ = total;
    return S_OK;
  }

  HRESULT EnumConnectionPoints(void** points) override {
    if (points) *points = nullptr;
    return E_NOTIMPL;
  }
  HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != calc::IID_CalcEvents) return CONNECT_E_NOCONNECTION;
    events_.AddRef();
    *point = &events_;
    return S_OK;
  }

  static const DispatchTable<CCalc>& dispatchTable() {
    static const DispatchTable<CCalc> table{
        {calc::DISPID_Total, u"Total", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0, 0,
         [](CCalc& self, CallArgs& args) {
           if (args.isPut()) {
             self.total_ = args.putValue().toI4().value_or(0);
             return Variant();
           }
           return Variant::i4(self.total_);
         }},
        {calc::DISPID_Add, u"Add", DISPATCH_METHOD, 1, 2,
         [](CCalc& self, CallArgs& args) {
           const std::int32_t times = args.isMissing(1) ? 1 : args.i4(1);
           self.total_ += args.i4(0) * times;
           VariantBool cancel = VARIANT_FALSE;
           DispParams event{{Variant::i4(self.total_), Variant::refBool(&cancel)}};
           self.events_.fire(calc::DISPID_Changed, event);
           if (cancel) self.total_ = 0;
           return Variant::i4(self.total_);
         }},
        {calc::DISPID_Twice, u"Twice", DISPATCH_METHOD, 1, 1,
         [](CCalc&, CallArgs& args) {
           WString* text = args.stringTarget(0);
           text->str() += std::u16string(text->view());
           return Variant();
         }},
        {calc::DISPID_Fail, u"Fail", DISPATCH_METHOD, 0, 0,
         [](CCalc&, CallArgs&) -> Variant {
           throw AutomationError(calc::kFailNumber, WString(calc::kFailSource), WString(calc::kFailText));
         }},
        {calc::DISPID_Counter, u"Counter", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0, 0,
         [](CCalc&, CallArgs& args) {
           if (args.isPut()) throw AutomationError(basicError(382));
           return Variant::i4(7);
         }},
    };
    return table;
  }

 private:
  std::int32_t total_ = 0;
  ConnectionPoint events_{*this, calc::IID_CalcEvents};
};

const std::array<ClassEntry, 1> kClasses{{{calc::CLSID_Calc, calc::PROGID_Calc, &createObjectOf<CCalc>}}};

}  // namespace

AUTOMATION_SERVER_ENTRY_POINTS(kClasses)
