#include "tessel_client.h"

#include "automation/activation.h"
#include "interfaces/tessel.h"

namespace kestrel {

using automation::Variant;
using automation::WString;

TesselClient::TesselClient() : tessel_(automation::createObject(tessel::PROGID_CTesselDLL)) {}

std::u16string TesselClient::joinPath(const std::u16string& path, const std::u16string& file,
                                      const std::u16string& sep) const {
  WString full(u""), f(file), p(path);
  tessel_.call(tessel::DISPID_FilePath,
               {Variant::refString(&full), Variant::refString(&f), Variant::refString(&p), Variant::string(WString(sep))});
  return full.str();
}

std::optional<std::pair<std::u16string, std::u16string>> TesselClient::splitPath(const std::u16string& fullPath,
                                                                                 const std::u16string& sep) const {
  WString full(fullPath), file(u""), path(u"");
  const Variant ok = tessel_.call(tessel::DISPID_FilePath, {Variant::refString(&full), Variant::refString(&file),
                                                            Variant::refString(&path), Variant::string(WString(sep))});
  if (!ok.toBool().value_or(false)) return std::nullopt;
  return std::pair{path.str(), file.str()};
}

std::optional<std::pair<std::u16string, std::u16string>> TesselClient::splitExtension(const std::u16string& fileName) const {
  WString whole(fileName), name(u""), ext(u"");
  const Variant ok = tessel_.call(tessel::DISPID_FileExt,
                                  {Variant::refString(&whole), Variant::refString(&name), Variant::refString(&ext)});
  if (!ok.toBool().value_or(false)) return std::nullopt;
  return std::pair{name.str(), ext.str()};
}

std::optional<std::int32_t> TesselClient::findPattern(const std::u16string& text, const std::u16string& pattern,
                                                      std::int32_t start) const {
  std::int32_t length = 0;
  const Variant at = tessel_.call(tessel::DISPID_RegInStr, {Variant::i4(start), Variant::string(WString(text)),
                                                            Variant::string(WString(pattern)), Variant::refI4(&length)});
  const std::int32_t position = at.toI4().value_or(-1);
  if (position < 0) return std::nullopt;
  return position;
}

}  // namespace kestrel
