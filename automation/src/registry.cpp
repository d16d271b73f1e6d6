#include "automation/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace automation {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "# Albryn class registry: class id, programmatic id, library path";

// Holds an exclusive advisory lock on "<registry>.lock" while registrations change.
class RegistryLock {
 public:
  explicit RegistryLock(const fs::path& registry) {
    const std::string lockFile = registry.string() + ".lock";
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~RegistryLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

bool sameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

HRESULT writeAll(const fs::path& file, const std::vector<ClassRegistration>& all, std::string& problem) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  const fs::path temp = file.string() + ".new";
  {
    std::ofstream out(temp, std::ios::trunc);
    out << kHeader << '\n';
    for (const auto& r : all) out << r.clsid.toString() << '\t' << r.progId << '\t' << r.libraryPath << '\n';
    out.flush();
    if (!out) {
      problem = "cannot write the class registry " + temp.string();
      fs::remove(temp, ec);
      return SELFREG_E_CLASS;
    }
  }
  fs::rename(temp, file, ec);
  if (ec) {
    problem = "cannot replace the class registry " + file.string() + ": " + ec.message();
    fs::remove(temp, ec);
    return SELFREG_E_CLASS;
  }
  return S_OK;
}

}  // namespace

fs::path ClassRegistry::defaultLocation() {
  if (const char* explicitFile = std::getenv("ALBRYN_CLASS_REGISTRY"); explicitFile && *explicitFile) {
    return explicitFile;
  }
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) data = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home) data = fs::path(home) / ".local/share";
  else data = "/tmp";
  return data / "albryn" / "classes.reg";
}

HRESULT ClassRegistry::readAll(std::vector<ClassRegistration>& out, std::string& problem) const {
  out.clear();
  std::ifstream in(file_);
  if (!in) return S_OK;  // no registry yet: nothing is registered
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto tab1 = line.find('\t');
    const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    const auto clsid = Guid::parse(line.substr(0, tab1));
    if (tab2 == std::string::npos || !clsid || tab2 + 1 >= line.size()) {
      problem = "the class registry " + file_.string() + " is damaged at line " + std::to_string(number);
      return REGDB_E_INVALIDVALUE;
    }
    out.push_back({*clsid, line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
  }
  return S_OK;
}

HRESULT ClassRegistry::find(const std::string& name, ClassRegistration& out, std::string& problem) const {
  std::vector<ClassRegistration> all;
  if (const HRESULT s = readAll(all, problem); failed(s)) return s;
  const auto clsid = Guid::parse(name);
  for (const auto& r : all) {
    if ((clsid && r.clsid == *clsid) || (!clsid && !r.progId.empty() && sameText(r.progId, name))) {
      out = r;
      return S_OK;
    }
  }
  problem = "the class " + name + " is not registered in " + file_.string();
  return REGDB_E_CLASSNOTREG;
}

HRESULT ClassRegistry::add(const ClassRegistration& r, std::string& problem) {
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  RegistryLock lock(file_);
  std::vector<ClassRegistration> all;
  // A damaged registry is rebuilt from its readable lines rather than blocking registration.
  if (failed(readAll(all, problem))) all.clear();
  std::erase_if(all, [&](const ClassRegistration& x) {
    return x.clsid == r.clsid || (!r.progId.empty() && sameText(x.progId, r.progId));
  });
  all.push_back(r);
  return writeAll(file_, all, problem);
}

HRESULT ClassRegistry::remove(const Guid& clsid, std::string& problem) {
  if (!fs::exists(file_)) return S_FALSE;
  RegistryLock lock(file_);
  std::vector<ClassRegistration> all;
  if (const HRESULT s = readAll(all, problem); failed(s)) return SELFREG_E_CLASS;
  const auto removed = std::erase_if(all, [&](const ClassRegistration& x) { return x.clsid == clsid; });
  if (removed == 0) return S_FALSE;
  return writeAll(file_, all, problem);
}

}  // namespace automation
