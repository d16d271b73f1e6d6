#include "file_table.h"

#include <new>
#include <string>

#include "packed_strings.h"

namespace kestrel {

const StoredFile* FileTable::store(const FileRecord& record) {
  const auto texts = fileTexts(record);
  const auto ends = textEnds(texts);
  auto allocate = [this](std::size_t bytes, std::size_t alignment) { return arena_.allocate(bytes, alignment); };
  void* spot = arena_.allocate(sizeof(StoredFile), alignof(StoredFile));
  return new (spot) StoredFile{CompactTextView::encode(texts, allocate), ends, record.attrib, record.nLinks,
                               record.size, record.perms, record.worldDelete};
}

automation::ComPtr<IFile> makeFile(const StoredFile& stored) {
  std::array<std::u16string, kFileTexts> texts;
  std::array<std::u16string_view, kFileTexts> views;
  for (std::size_t i = 0, start = 0; i < kFileTexts; start = stored.ends[i++]) {
    texts[i] = stored.texts.substr(start, stored.ends[i] - start);
    views[i] = texts[i];
  }
  FileRecord record;
  setFileTexts(record, views);
  record.attrib = stored.attrib;
  record.nLinks = stored.nLinks;
  record.size = stored.size;
  record.perms = stored.perms;
  record.worldDelete = stored.worldDelete;
  return makeFile(record);
}

}  // namespace kestrel
