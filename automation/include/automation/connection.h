#pragma once
// Connection points: a source keeps its sinks in connection order and calls them in turn.
#include <map>

#include "automation/dispatch.h"

namespace automation {

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
  static constexpr Guid IID = Guid::fromString("{B196B286-BAB4-101A-B69C-00AA00341D07}");
  virtual HRESULT GetConnectionInterface(Guid* iid) = 0;
  virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
  virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
  virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
  virtual HRESULT EnumConnections(void** connections) = 0;

 protected:
  ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
  static constexpr Guid IID = Guid::fromString("{B196B284-BAB4-101A-B69C-00AA00341D07}");
  virtual HRESULT EnumConnectionPoints(void** points) = 0;
  virtual HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};

// One source interface of an object. It lives inside its owner and shares the owner's
// reference count, so a client's reference to the point keeps the owner alive.
class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& owner, const Guid& sourceIid) : owner_(owner), iid_(sourceIid) {}

  HRESULT QueryInterface(const Guid& iid, void** object) override;
  std::uint32_t AddRef() override { return owner_.AddRef(); }
  std::uint32_t Release() override { return owner_.Release(); }
  HRESULT GetConnectionInterface(Guid* iid) override;
  HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
  // The sink must offer the source interface or IDispatch.
  HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override;
  HRESULT Unadvise(std::uint32_t cookie) override;
  HRESULT EnumConnections(void** connections) override;

  const Guid& sourceIid() const { return iid_; }
  std::size_t sinkCount() const { return sinks_.size(); }
  // Calls member id on every sink in connection order with the same arguments. A sink that
  // fails or throws is skipped; by-reference arguments carry what each sink wrote to the next.
  void fire(DispId id, DispParams& params);
  void clear() { sinks_.clear(); }

 private:
  IConnectionPointContainer& owner_;
  Guid iid_;
  std::map<std::uint32_t, ComPtr<IDispatch>> sinks_;
  std::uint32_t nextCookie_ = 1;
};

}  // namespace automation
