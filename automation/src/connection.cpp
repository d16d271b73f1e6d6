#include "automation/connection.h"

#include <vector>

namespace automation {

HRESULT ConnectionPoint::QueryInterface(const Guid& iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (iid != IUnknown::IID && iid != IConnectionPoint::IID) return E_NOINTERFACE;
  *object = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(Guid* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  owner_.AddRef();
  *container = &owner_;
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, std::uint32_t* cookie) {
  if (!sink || !cookie) return E_POINTER;
  ComPtr<IDispatch> events;
  if (failed(sink->QueryInterface(iid_, events.putVoid())) || !events) {
    if (failed(sink->QueryInterface(IDispatch::IID, events.putVoid())) || !events) return CONNECT_E_CANNOTCONNECT;
  }
  *cookie = nextCookie_++;
  sinks_.emplace(*cookie, std::move(events));
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(std::uint32_t cookie) {
  return sinks_.erase(cookie) ? S_OK : CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoint::EnumConnections(void** connections) {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

void ConnectionPoint::fire(DispId id, DispParams& params) {
  // A sink may disconnect itself (or others) while it runs: call the ones connected now.
  std::vector<ComPtr<IDispatch>> now;
  now.reserve(sinks_.size());
  for (const auto& [cookie, sink] : sinks_) now.push_back(sink);
  for (const auto& sink : now) {
    try {
      ExcepInfo ignored;
      sink->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &ignored, nullptr);
    } catch (...) {
      // A failing sink is skipped; the next one is still called.
    }
  }
}

}  // namespace automation
