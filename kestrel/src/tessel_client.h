#pragma once
// The string library as the directory model and the listing parser use it: a CTesselDLL made by
// class identity and called late-bound by dispatch id (the library is never linked).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "automation/client.h"

namespace kestrel {

class TesselClient {
 public:
  // Creates the CTesselDLL; throws the activation error when it is not registered.
  TesselClient();

  // FilePath, build mode: path and file joined by sep (no doubled separator).
  std::u16string joinPath(const std::u16string& path, const std::u16string& file, const std::u16string& sep) const;
  // FilePath, split mode: {path, file}; none when the split fails.
  std::optional<std::pair<std::u16string, std::u16string>> splitPath(const std::u16string& fullPath,
                                                                     const std::u16string& sep) const;
  // FileExt, split mode: {name, extension} at the last "."; none when the split fails.
  std::optional<std::pair<std::u16string, std::u16string>> splitExtension(const std::u16string& fileName) const;
  // RegInStr from offset start - 1: the 0-based position of the first match, or none.
  std::optional<std::int32_t> findPattern(const std::u16string& text, const std::u16string& pattern,
                                          std::int32_t start = 1) const;

  // StrTokl: the tokens of text between runs of separators (the whole text as the one token
  // when it has none). `capacity` presizes the array for long texts.
  std::vector<std::u16string> tokens(const std::u16string& text, const std::u16string& separators,
                                     std::uint32_t capacity = 0) const;
  // FrontTokenEx: {first token, rest}.
  std::pair<std::u16string, std::u16string> frontToken(const std::u16string& text, const std::u16string& separators) const;
  // ReplaceStr, every occurrence: the number of replacements; text is changed in place.
  std::int32_t replaceAll(std::u16string& text, const std::u16string& find, const std::u16string& replacement) const;
  // NumMatches: the occurrences of find in text.
  std::int32_t occurrences(const std::u16string& text, const std::u16string& find) const;
  // GetDelimField: the n-th piece (0-based) enclosed by lead and trail.
  std::u16string delimitedField(const std::u16string& text, const std::u16string& lead, const std::u16string& trail,
                                std::int32_t n) const;
  // GetField: field `index` (0-based) between separators.
  std::u16string field(const std::u16string& text, std::int32_t index, const std::u16string& separator) const;

  const automation::LateBound& object() const { return tessel_; }

 private:
  automation::LateBound tessel_;
};

}  // namespace kestrel
