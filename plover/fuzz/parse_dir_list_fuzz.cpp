// Feeds arbitrary replies to ParseDirList for each host type (Unix, VMS, DOS and an unknown
// one, chosen by the first byte), through the registered libraries.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "automation/activation.h"
#include "interfaces/plover.h"
#include "sandbox.h"

using namespace automation;

namespace {

struct Door {
  Door() {
    for (const char* library : {TESSEL_LIBRARY, KESTREL_LIBRARY, PLOVER_LIBRARY})
      albryn::testing::registerComponentLibrary(library);
    model = createObject<kestrel::IKestrel>(kestrel::CLSID_CKestrel.toString());
    parser = createObject<plover::IPlover>(plover::CLSID_CPlover.toString());
    parser->putref_Kestrel(model.get());
    model->put_RemoteHost(u"host");
    model->put_CurrentPath(u"/pub");
  }
  ComPtr<kestrel::IKestrel> model;
  ComPtr<plover::IPlover> parser;
};

constexpr std::int32_t kHostTypes[] = {3, 11, 17, 4};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Door door;
  if (size == 0) return 0;
  door.model->put_HostType(kHostTypes[data[0] % 4]);
  door.model->put_StoreDirs(data[0] & 4 ? VARIANT_TRUE : VARIANT_FALSE);
  WString reply = WString::fromUtf8(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
  // Failures are statuses here; what matters is that none crashes, leaks or hangs.
  door.parser->ParseDirList(&reply);
  door.model->Clear();
  return 0;
}
