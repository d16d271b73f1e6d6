#pragma once
// The values of files added to a collection, kept compactly until a client asks for the File
// object: a listing of a hundred thousand files then costs a record and its texts per file,
// all carved from a few large blocks, instead of an object and its allocations.
#include <array>
#include <cstdint>

#include "block_arena.h"
#include "compact_text.h"
#include "model.h"

namespace kestrel {

struct StoredFile {
  CompactTextView texts;                       // the texts of fileTexts(), end to end
  std::array<std::uint32_t, kFileTexts> ends;  // where each text ends
  std::int32_t attrib, nLinks, size;
  std::int16_t perms;
  bool worldDelete;

  // The key: the first of fileTexts().
  CompactTextView key() const { return texts.prefix(ends[0]); }
};

class FileTable {
 public:
  // Keeps the record's values; valid until clear().
  const StoredFile* store(const FileRecord& record);
  void clear() { arena_.clear(); }

 private:
  BlockArena arena_;
};

// A new File with the stored values.
automation::ComPtr<IFile> makeFile(const StoredFile& stored);

}  // namespace kestrel
