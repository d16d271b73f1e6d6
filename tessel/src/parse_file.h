#pragma once
// ParseFile: reads a text file in chunks, cuts it into records and the records into fields,
// and hands each record to the caller; memory stays bounded whatever the file's size.
#include <cstdint>
#include <functional>
#include <string_view>

#include "automation/variant.h"

namespace tessel {

// The largest chunk read at once, in bytes; also the longest record delivered whole.
inline constexpr std::uint32_t kMaxChunkSize = 524280;

struct ParseFileRequest {
  automation::WString fileName;
  std::uint32_t chunkSize = 0;  // 0: the file's length; above kMaxChunkSize: kMaxChunkSize
  std::u16string_view recordSeparators;
  std::u16string_view fieldSeparators;
};

// Called for every record (recNo from 1, the field array, false) and once at the end
// (0, an empty array, true). It may move the array out and back; it must leave an array there.
using ParseEventFn = std::function<void(std::int32_t recNo, automation::Variant& fields, bool completed)>;

// Parses the file; numRecs counts the records delivered and cancel (set by the caller's event
// handler) stops after the current record. File errors raise the file error's cause number with
// its text.
void parseFile(const ParseFileRequest& request, std::int32_t& numRecs, const automation::VariantBool& cancel,
               const ParseEventFn& fire);

}  // namespace tessel
