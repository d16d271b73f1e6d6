#pragma once
// Makers of the model's library-made classes.
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "interfaces/kestrel.h"

namespace kestrel {

// The running counts of one CKestrel, shared with its collections (so a collection that
// outlives its CKestrel still counts safely). Counts are wider than the 16-bit properties.
struct Counters {
  std::int64_t files = 0;
  std::int64_t folders = 0;
  std::int64_t bytesTenThousandths = 0;  // currency
};

// The values of a new File, as Files.Add receives them (the permission string already in bits).
struct FileRecord {
  std::u16string_view key, targetPath, targetName, sTime, group, owner, ext, sDate, name, shortName;
  std::int32_t attrib = 0, nLinks = 0, size = 0;
  std::int16_t perms = 0;
  bool worldDelete = false;
};

// A FileRecord's texts in the order a File keeps them, the key first.
constexpr std::size_t kFileTexts = 10;
std::array<std::u16string_view, kFileTexts> fileTexts(const FileRecord& record);
void setFileTexts(FileRecord& record, const std::array<std::u16string_view, kFileTexts>& texts);

automation::ComPtr<IFile> makeFile();
automation::ComPtr<IFile> makeFile(const FileRecord& record);
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
