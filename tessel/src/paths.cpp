#include "paths.h"

#include "errors.h"

namespace tessel {

using automation::WString;

namespace {

constexpr std::u16string_view kWhiteSpace = u" \t\r\n\v\f";

std::size_t lastSeparator(std::u16string_view path, std::u16string_view separator) {
  return separator.empty() ? std::u16string_view::npos : path.rfind(separator.front());
}

std::u16string_view fileOf(std::u16string_view path, std::u16string_view separator) {
  const std::size_t at = lastSeparator(path, separator);
  return at == std::u16string_view::npos ? path : path.substr(at + 1);
}

std::u16string_view folderOf(std::u16string_view path, std::u16string_view separator) {
  const std::size_t at = lastSeparator(path, separator);
  return at == std::u16string_view::npos ? std::u16string_view() : path.substr(0, at + 1);
}

std::u16string trimEnd(std::u16string_view s) {
  const std::size_t last = s.find_last_not_of(kWhiteSpace);
  return std::u16string(last == std::u16string_view::npos ? std::u16string_view() : s.substr(0, last + 1));
}

std::u16string trimStart(std::u16string_view s) {
  const std::size_t first = s.find_first_not_of(kWhiteSpace);
  return std::u16string(first == std::u16string_view::npos ? std::u16string_view() : s.substr(first));
}

// P + F when P ends or F starts with the separator (a one-character separator only), else
// P + S + F.
std::u16string joinPath(std::u16string_view path, std::u16string_view file, std::u16string_view separator) {
  const bool present = separator.size() == 1 &&
                       ((!path.empty() && path.back() == separator[0]) || (!file.empty() && file.front() == separator[0]));
  std::u16string out(path);
  if (!present) out.append(separator);
  return out.append(file);
}

// File + "." + Ext, without the "." when Ext starts or File ends with one.
std::u16string joinExtension(std::u16string_view file, std::u16string_view ext) {
  std::u16string out(file);
  if (!(ext.starts_with(u'.') || file.ends_with(u'.'))) out.push_back(u'.');
  return out.append(ext);
}

}  // namespace

std::u16string fileFromPath(const WString& fullPath, std::u16string_view separator) {
  requireNotNull(fullPath);
  return std::u16string(fileOf(fullPath.view(), separator));
}

std::u16string pathFromFPath(const WString& fullPath, std::u16string_view separator) {
  requireNotNull(fullPath);
  return std::u16string(folderOf(fullPath.view(), separator));
}

bool filePath(WString& fullPath, WString& file, WString& path, std::u16string_view separator) {
  if (fullPath.isNull() && (file.isNull() || path.isNull())) raise(IDS_ERR_ARGUMENT_EMPTY);
  const std::u16string full = trimEnd(fullPath.view()), name = trimStart(file.view()), folder = trimEnd(path.view());
  if (full.empty()) {
    if (name.empty() || folder.empty()) return false;
    fullPath = WString(joinPath(folder, name, separator));
    return true;
  }
  if (name.empty() && folder.empty()) {
    path = WString(folderOf(full, separator));
    file = WString(fileOf(full, separator));
    return true;
  }
  if (folder.empty()) {
    if (fileOf(full, separator) != name) return false;
    path = WString(folderOf(full, separator));
    return true;
  }
  if (name.empty()) return false;
  return full == joinPath(folder, name, separator);
}

bool fileExt(WString& fileExt, WString& file, WString& ext) {
  if (fileExt.isNull() && file.isNull()) raise(IDS_ERR_ARGUMENT_EMPTY);
  const std::u16string full(fileExt.view()), name(file.view()), extension(ext.view());
  if (full.empty()) {
    if (name.empty() || extension.empty()) return false;
    fileExt = WString(joinExtension(name, extension));
    return true;
  }
  if (!name.empty() && !extension.empty()) return full == joinExtension(name, extension);
  const std::size_t dot = full.rfind(u'.');
  const bool hasDot = dot != std::u16string::npos;
  const std::u16string_view before = hasDot ? std::u16string_view(full).substr(0, dot) : std::u16string_view(full);
  const std::u16string_view after = hasDot ? std::u16string_view(full).substr(dot + 1) : std::u16string_view();
  if (name.empty() && extension.empty()) {
    file = WString(before);
    if (hasDot) ext = WString(after);
    return true;
  }
  if (extension.empty()) {
    if (!hasDot) return full == name;
    if (before != name) return false;
    ext = WString(after);
    return true;
  }
  if (!hasDot || after != extension) return false;
  file = WString(before);
  return true;
}

}  // namespace tessel
