#include "tessel_client.h"

#include "automation/activation.h"
#include "interfaces/tessel.h"

namespace kestrel {

using automation::Variant;
using automation::WString;

namespace {

// Builds the argument list by moving each argument in (a braced list would copy every string).
template <class... Args>
std::vector<Variant> arguments(Args&&... args) {
  std::vector<Variant> out;
  out.reserve(sizeof...(args));
  (out.push_back(std::forward<Args>(args)), ...);
  return out;
}

}  // namespace

TesselClient::TesselClient() : tessel_(automation::createObject(tessel::PROGID_CTesselDLL)) {}

std::u16string TesselClient::joinPath(const std::u16string& path, const std::u16string& file,
                                      const std::u16string& sep) const {
  WString full(u""), f(file), p(path);
  tessel_.call(tessel::DISPID_FilePath, arguments(Variant::refString(&full), Variant::refString(&f), Variant::refString(&p), Variant::string(WString(sep))));
  return full.str();
}

std::optional<std::pair<std::u16string, std::u16string>> TesselClient::splitPath(const std::u16string& fullPath,
                                                                                 const std::u16string& sep) const {
  WString full(fullPath), file(u""), path(u"");
  const Variant ok = tessel_.call(tessel::DISPID_FilePath, arguments(Variant::refString(&full), Variant::refString(&file),
                                                            Variant::refString(&path), Variant::string(WString(sep))));
  if (!ok.toBool().value_or(false)) return std::nullopt;
  return std::pair{path.str(), file.str()};
}

std::optional<std::pair<std::u16string, std::u16string>> TesselClient::splitExtension(const std::u16string& fileName) const {
  WString whole(fileName), name(u""), ext(u"");
  const Variant ok = tessel_.call(tessel::DISPID_FileExt, arguments(Variant::refString(&whole), Variant::refString(&name), Variant::refString(&ext)));
  if (!ok.toBool().value_or(false)) return std::nullopt;
  return std::pair{name.str(), ext.str()};
}

std::optional<std::int32_t> TesselClient::findPattern(const std::u16string& text, const std::u16string& pattern,
                                                      std::int32_t start) const {
  std::int32_t length = 0;
  const Variant at = tessel_.call(tessel::DISPID_RegInStr, arguments(Variant::i4(start), Variant::string(WString(text)),
                                                            Variant::string(WString(pattern)), Variant::refI4(&length)));
  const std::int32_t position = at.toI4().value_or(-1);
  if (position < 0) return std::nullopt;
  return position;
}

std::vector<std::u16string> TesselClient::tokens(const std::u16string& text, const std::u16string& separators,
                                                std::uint32_t capacity) const {
  Variant holder = Variant::array(automation::SafeArray::vector(automation::VT_BSTR, 0, capacity));
  tessel_.call(tessel::DISPID_StrTokl, arguments(Variant::string(WString(text)), Variant::refVariant(&holder), Variant::string(WString(separators))));
  std::vector<std::u16string> out;
  const automation::SafeArray* array = holder.getArray();
  if (!array) return out;
  out.reserve(array->elementCount());
  Variant element;
  for (std::int32_t i = array->lowerBound(); i <= array->upperBound(); ++i) {
    if (automation::failed(array->get(i, element))) break;
    const WString* s = element.getString();
    out.push_back(s ? s->str() : std::u16string());
  }
  return out;
}

std::pair<std::u16string, std::u16string> TesselClient::frontToken(const std::u16string& text,
                                                                   const std::u16string& separators) const {
  WString rest(u"");
  const Variant token = tessel_.call(tessel::DISPID_FrontTokenEx, arguments(Variant::string(WString(text)), Variant::refString(&rest),
                                                                   Variant::string(WString(separators))));
  const WString* t = token.getString();
  return {t ? t->str() : std::u16string(), rest.str()};
}

std::int32_t TesselClient::replaceAll(std::u16string& text, const std::u16string& find,
                                      const std::u16string& replacement) const {
  WString target(text);
  const Variant count = tessel_.call(tessel::DISPID_ReplaceStr, arguments(Variant::refString(&target), Variant::string(WString(find)),
                                                                 Variant::string(WString(replacement))));
  text = target.str();
  return count.toI4().value_or(0);
}

std::int32_t TesselClient::occurrences(const std::u16string& text, const std::u16string& find) const {
  return tessel_.call(tessel::DISPID_NumMatches, arguments(Variant::string(WString(text)), Variant::string(WString(find))))
      .toI4()
      .value_or(0);
}

std::u16string TesselClient::delimitedField(const std::u16string& text, const std::u16string& lead,
                                            const std::u16string& trail, std::int32_t n) const {
  const Variant piece = tessel_.call(tessel::DISPID_GetDelimField, arguments(Variant::string(WString(text)), Variant::string(WString(lead)),
                                                                    Variant::string(WString(trail)), Variant::i4(n)));
  const WString* s = piece.getString();
  return s ? s->str() : std::u16string();
}

std::u16string TesselClient::field(const std::u16string& text, std::int32_t index, const std::u16string& separator) const {
  const Variant piece = tessel_.call(tessel::DISPID_GetField, arguments(Variant::string(WString(text)), Variant::i4(index),
                                                               Variant::string(WString(separator))));
  const WString* s = piece.getString();
  return s ? s->str() : std::u16string();
}

}  // namespace kestrel
