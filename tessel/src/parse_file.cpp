#include "parse_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>
#include <vector>

#include "char_set.h"
#include "errors.h"
#include "file_errors.h"

namespace tessel {

using automation::SafeArray;
using automation::Variant;
using automation::WString;

namespace {

class InputFile {
 public:
  explicit InputFile(const WString& name) : name_(name), fd_(::open(name.toUtf8().c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) raiseFileError(errno, name_);
  }
  ~InputFile() { close(); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  std::uint64_t length() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) raiseFileError(errno, name_);
    return static_cast<std::uint64_t>(st.st_size);
  }

  // Reads up to n bytes; fewer only at the end of the file.
  std::size_t read(char* into, std::size_t n) const {
    std::size_t got = 0;
    while (got < n) {
      const ssize_t r = ::read(fd_, into + got, n - got);
      if (r == 0) break;
      if (r < 0) {
        if (errno == EINTR) continue;
        raiseFileError(errno, name_);
      }
      got += static_cast<std::size_t>(r);
    }
    return got;
  }

 private:
  WString name_;
  int fd_;
};

// The array a variant holds by value, for filling it in place.
SafeArray& arrayIn(Variant& v) { return **Variant::refVariant(&v).arrayTarget(); }

// A fresh field array when an event handler left something else in its place.
void keepFieldArray(Variant& fields) {
  const SafeArray* a = fields.getArray();
  if (!a || fields.isByRef() || a->elementType() != automation::VT_BSTR || a->dimensions() != 1) {
    fields = Variant::array(SafeArray::vector(automation::VT_BSTR, 0, 0));
  }
}

// Each byte of the file is one character of the same code.
std::u16string widen(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  std::transform(bytes.begin(), bytes.end(), out.begin(), [](char b) { return static_cast<unsigned char>(b); });
  return out;
}

// Cuts text into records at record separators and records into fields at field separators,
// in one pass over the bytes. A byte in both sets separates records.
class RecordParser {
 public:
  RecordParser(const ParseFileRequest& request, std::int32_t& numRecs, const automation::VariantBool& cancel,
               const ParseEventFn& fire)
      : numRecs_(numRecs), cancel_(cancel), fire_(fire) {
    const CharSet records(request.recordSeparators), fields(request.fieldSeparators);
    for (unsigned b = 0; b < kind_.size(); ++b) {
      kind_[b] = records.containsByte(static_cast<unsigned char>(b))  ? kRecordSeparator
                 : fields.containsByte(static_cast<unsigned char>(b)) ? kFieldSeparator
                                                                      : kText;
    }
  }

  // Delivers the records of text and returns where the unfinished record at its end begins
  // (text.size() when there is none). At the end of the file every record is finished; an
  // unfinished record as long as the largest chunk is delivered as it is, the rest of it then
  // follows as the next record.
  std::size_t deliverRecords(std::string_view text, bool atEnd) {
    const std::size_t n = text.size();
    std::size_t pos = 0;
    while (!cancel_) {
      while (pos < n && kindOf(text[pos]) == kRecordSeparator) ++pos;
      if (pos == n) return n;
      const std::size_t begin = pos;
      fields_.clear();
      while (pos < n && kindOf(text[pos]) != kRecordSeparator) {
        if (kindOf(text[pos]) == kFieldSeparator) {
          ++pos;
          continue;
        }
        const std::size_t field = pos;
        while (pos < n && kindOf(text[pos]) == kText) ++pos;
        fields_.push_back(text.substr(field, pos - field));
      }
      if (pos == n && !atEnd && pos - begin < kMaxChunkSize) return begin;
      // A record without fields is its own one field.
      if (fields_.empty()) fields_.push_back(text.substr(begin, pos - begin));
      deliver();
    }
    return pos;
  }

  void finish() {
    SafeArray& array = arrayIn(fieldArray_);
    if (automation::failed(array.redim(0))) fieldArray_ = Variant::array(SafeArray::vector(automation::VT_BSTR, 0, 0));
    fire_(0, fieldArray_, true);
  }

 private:
  enum Kind : unsigned char { kText, kFieldSeparator, kRecordSeparator };
  Kind kindOf(char c) const { return kind_[static_cast<unsigned char>(c)]; }

  void deliver() {
    SafeArray& array = arrayIn(fieldArray_);
    if (automation::failed(array.redim(static_cast<std::uint32_t>(fields_.size())))) raise(IDS_ERR_PARSEFILE);
    std::int32_t index = array.lowerBound();
    for (std::string_view field : fields_) array.put(index++, Variant::string(WString(widen(field))));
    numRecs_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(numRecs_) + 1);
    fire_(numRecs_, fieldArray_, false);
    keepFieldArray(fieldArray_);
  }

  std::array<Kind, 256> kind_{};
  std::int32_t& numRecs_;
  const automation::VariantBool& cancel_;
  const ParseEventFn& fire_;
  Variant fieldArray_ = Variant::array(SafeArray::vector(automation::VT_BSTR, 0, 0));
  std::vector<std::string_view> fields_;
};

}  // namespace

void parseFile(const ParseFileRequest& request, std::int32_t& numRecs, const automation::VariantBool& cancel,
               const ParseEventFn& fire) {
  InputFile file(request.fileName);
  const std::uint64_t wanted = request.chunkSize == 0 ? file.length() : request.chunkSize;
  const std::size_t chunk = static_cast<std::size_t>(std::clamp<std::uint64_t>(wanted, 1, kMaxChunkSize));
  RecordParser parser(request, numRecs, cancel, fire);
  // The unfinished record carried over from the last chunk (shorter than the largest chunk),
  // then the bytes read after it. A read is at least as long as what is carried, so a record
  // longer than a small chunk is rescanned only a few times.
  std::string buffer;
  while (!cancel) {
    const std::size_t carried = buffer.size();
    const std::size_t want = std::max(chunk, carried);
    buffer.resize(carried + want);
    const std::size_t got = file.read(buffer.data() + carried, want);
    buffer.resize(carried + got);
    const bool atEnd = got < want;
    if (buffer.empty()) break;
    buffer.erase(0, parser.deliverRecords(buffer, atEnd));
    if (atEnd) break;
  }
  file.close();
  parser.finish();
}

}  // namespace tessel
