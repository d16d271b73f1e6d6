#pragma once
// The per-user class registry: class id, programmatic id and library path per line.
//
// Location: $ALBRYN_CLASS_REGISTRY when set, else $XDG_DATA_HOME/albryn/classes.reg
// (by default ~/.local/share/albryn/classes.reg). Lines read
//   {CLSID}<TAB>ProgId<TAB>/path/to/library.so
// and lines starting with '#' are comments. Writes go through a temporary file renamed over the
// registry, under an advisory lock, so readers never see half a file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "automation/guid.h"
#include "automation/hresult.h"

namespace automation {

struct ClassRegistration {
  Guid clsid;
  std::string progId;
  std::string libraryPath;
};

class ClassRegistry {
 public:
  // The registry this process uses.
  static std::filesystem::path defaultLocation();
  explicit ClassRegistry(std::filesystem::path file = defaultLocation()) : file_(std::move(file)) {}

  const std::filesystem::path& file() const { return file_; }

  // Reads every registration. A missing file is an empty registry; a damaged one fails with
  // REGDB_E_INVALIDVALUE and `problem` says where.
  HRESULT readAll(std::vector<ClassRegistration>& out, std::string& problem) const;
  // Finds by class id ("{...}") or programmatic id; REGDB_E_CLASSNOTREG when absent.
  HRESULT find(const std::string& classIdOrProgId, ClassRegistration& out, std::string& problem) const;
  // Adds or replaces the registration of r.clsid (and of any class with the same ProgId).
  HRESULT add(const ClassRegistration& r, std::string& problem);
  // Removes the registration of clsid; S_FALSE when there was none.
  HRESULT remove(const Guid& clsid, std::string& problem);

 private:
  std::filesystem::path file_;
};

}  // namespace automation
