#pragma once
// Makers of the model's library-made classes.
#include <cstdint>
#include <memory>

#include "interfaces/kestrel.h"

namespace kestrel {

// The running counts of one CKestrel, shared with its collections (so a collection that
// outlives its CKestrel still counts safely). Counts are wider than the 16-bit properties.
struct Counters {
  std::int64_t files = 0;
  std::int64_t folders = 0;
  std::int64_t bytesTenThousandths = 0;  // currency
};

automation::ComPtr<IFile> makeFile();
automation::ComPtr<IFolder> makeFolder();
automation::ComPtr<IFilter> makeFilter();
automation::ComPtr<IExt> makeExt();
automation::ComPtr<ICMD> makeCmd();

automation::ComPtr<IFiles> makeFiles(std::shared_ptr<Counters> counters);
automation::ComPtr<IFolders> makeFolders(std::shared_ptr<Counters> counters);
automation::ComPtr<IFilters> makeFilters();
automation::ComPtr<IExts> makeExts();
automation::ComPtr<ICMDS> makeCmds();

}  // namespace kestrel
