#include "tessel_object.h"

#include <array>

#include "automation/factory.h"

namespace tessel {

using namespace automation;

void* CTesselDLL::castTo(const Guid& iid) {
  if (iid == IUnknown::IID || iid == IDispatch::IID || iid == ITesselDLL::IID) return static_cast<ITesselDLL*>(this);
  if (iid == IConnectionPointContainer::IID) return static_cast<IConnectionPointContainer*>(this);
  return nullptr;
}

HRESULT CTesselDLL::EnumConnectionPoints(void** points) {
  if (points) *points = nullptr;
  return E_NOTIMPL;
}

HRESULT CTesselDLL::FindConnectionPoint(const Guid& iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (iid != IEventNotifySink::IID) return CONNECT_E_NOCONNECTION;
  events.AddRef();
  *point = &events;
  return S_OK;
}

namespace {
const std::array<ClassEntry, 1> kClasses{{{CLSID_CTesselDLL, PROGID_CTesselDLL, &createObjectOf<CTesselDLL>}}};
}  // namespace

}  // namespace tessel

AUTOMATION_SERVER_ENTRY_POINTS(tessel::kClasses)
