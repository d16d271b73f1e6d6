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

  const automation::LateBound& object() const { return tessel_; }

 private:
  automation::LateBound tessel_;
};

}  // namespace kestrel
