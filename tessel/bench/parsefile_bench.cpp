// tessel_parsefile_bench FILE: ParseFile over FILE through the library as a client calls it
// (created by class id from the class registry, one connected event sink that adds up the
// fields of every record). Prints the number of fields, as awk '{n+=NF} END {print n}' does.
#include <cstdio>

#include "automation/activation.h"
#include "automation/client.h"
#include "automation/connection.h"
#include "automation/event_sink.h"
#include "interfaces/tessel.h"

using namespace automation;

namespace {

class FieldCounter final : public EventSink<FieldCounter, IDispatch> {
 public:
  void* castTo(const Guid& iid) {
    const bool offered = iid == IUnknown::IID || iid == IDispatch::IID || iid == tessel::IEventNotifySink::IID;
    return offered ? static_cast<IDispatch*>(this) : nullptr;
  }
  HRESULT Invoke(DispId, const Guid&, std::uint32_t, std::uint16_t, DispParams* params, Variant*, ExcepInfo*,
                 std::uint32_t*) override {
    if (const SafeArray* fields = params->args[1].getArray()) fields_ += fields->elementCount();
    return S_OK;
  }
  unsigned long long fields() const { return fields_; }

 private:
  unsigned long long fields_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tessel_parsefile_bench FILE\n");
    return 2;
  }
  try {
    auto object = createObject(tessel::CLSID_CTesselDLL.toString());
    ComPtr<IConnectionPoint> point;
    if (failed(object.query<IConnectionPointContainer>()->FindConnectionPoint(tessel::IEventNotifySink::IID, point.put()))) {
      std::fprintf(stderr, "no event connection point\n");
      return 1;
    }
    auto counter = makeObject<FieldCounter>();
    std::uint32_t cookie = 0;
    point->Advise(counter.get(), &cookie);
    LateBound(object).call(tessel::DISPID_ParseFile, {Variant::string(WString::fromUtf8(argv[1]))});
    point->Unadvise(cookie);
    std::printf("%llu\n", counter->fields());
  } catch (const AutomationError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
