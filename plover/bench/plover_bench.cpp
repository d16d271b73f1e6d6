// Parses a Unix listing file into a CKestrel through the registered libraries, as the program
// does, and prints the entries parsed and the time ParseDirList took.
//
// usage: plover_bench <listing file>   (ALBRYN_CLASS_REGISTRY names a registry to write to)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "automation/activation.h"
#include "interfaces/plover.h"

using namespace automation;

namespace {

void registerLibrary(const char* path) {
  ServerLibrary lib;
  std::string problem;
  if (failed(loadServerLibrary(path, lib, problem)) || failed(lib.registerServer()))
    throw std::runtime_error("cannot register " + std::string(path) + ": " + problem);
}

// Pages the process touched for the first time: fresh memory is costly on a virtual machine.
long minorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: plover_bench <listing file>\n";
    return 2;
  }
  try {
    for (const char* library : {TESSEL_LIBRARY, KESTREL_LIBRARY, PLOVER_LIBRARY}) registerLibrary(library);
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    WString reply = WString::fromUtf8(bytes.str());

    auto model = createObject<kestrel::IKestrel>(kestrel::CLSID_CKestrel.toString());
    auto parser = createObject<plover::IPlover>(plover::CLSID_CPlover.toString());
    model->put_RemoteHost(u"bench");
    model->put_HostType(3);
    model->put_CurrentPath(u"/pub");
    parser->putref_Kestrel(model.get());

    const long faultsBefore = minorFaults();
    const auto start = std::chrono::steady_clock::now();
    const HRESULT status = parser->ParseDirList(&reply);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long faults = minorFaults() - faultsBefore;
    if (failed(status)) throw std::runtime_error("ParseDirList failed with status " + std::to_string(status));

    ComPtr<kestrel::IFolder> folder;
    ComPtr<kestrel::IFiles> files;
    std::int32_t entries = 0;
    if (failed(model->get_CurFtpFolder(folder.put())) || failed(folder->get_colFiles(files.put())) ||
        failed(files->get_Count(&entries)))
      throw std::runtime_error("the parsed folder is missing");
    std::printf("entries %d\nseconds %.3f\npage-faults %ld\n", entries, seconds, faults);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "plover_bench: " << e.what() << "\n";
    return 1;
  }
}
