// ParseFile over a file made of the fuzzer's bytes, with a chunk size and separators taken from
// its first bytes: every record and field must be delivered, and the fields joined back must
// be exactly the file's non-separator bytes in order.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "errors.h"
#include "parse_file.h"

using automation::Variant;
using automation::WString;

namespace {

const std::string& scratchFile() {
  static const std::string path = [] {
    char name[] = "/tmp/tessel-parsefile-fuzz-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(name);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t chunkSize = data[0] % 16;  // 0: the whole file
  const bool spaceIsRecordSeparator = data[1] & 1;
  const std::string content(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::FILE* f = std::fopen(scratchFile().c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(content.data(), 1, content.size(), f);
  std::fclose(f);

  const std::u16string recordSeps = spaceIsRecordSeparator ? u"\n " : u"\n\r";
  const std::u16string fieldSeps = u" \t,";
  std::int32_t numRecs = 0;
  automation::VariantBool cancel = automation::VARIANT_FALSE;
  std::u16string joined;
  std::int32_t closingEvents = 0;
  const tessel::ParseFileRequest request{WString::fromUtf8(scratchFile()), chunkSize, recordSeps, fieldSeps};
  tessel::parseFile(request, numRecs, cancel, [&](std::int32_t recNo, Variant& fields, bool completed) {
    if (completed) {
      ++closingEvents;
      return;
    }
    if (recNo != numRecs) __builtin_trap();
    const automation::SafeArray* a = fields.getArray();
    for (std::int32_t i = a->lowerBound(); i <= a->upperBound(); ++i) {
      Variant v;
      a->get(i, v);
      joined += v.getString()->view();
    }
  });
  std::u16string expected;
  for (unsigned char c : content) {
    if (recordSeps.find(c) == std::u16string::npos && fieldSeps.find(c) == std::u16string::npos) expected.push_back(c);
  }
  // A record of separators only is delivered as itself; drop those before comparing.
  std::u16string joinedContent;
  for (char16_t c : joined) {
    if (fieldSeps.find(c) == std::u16string::npos) joinedContent.push_back(c);
  }
  if (closingEvents != 1 || joinedContent != expected) __builtin_trap();
  return 0;
}
