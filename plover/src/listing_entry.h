#pragma once
// The entries of one directory listing as a format parser reads them, in the shape Files.Add
// takes them. The texts of all entries share one buffer, so a listing of a hundred thousand
// lines costs a few allocations rather than several per line.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace plover {

// A text of an entry: a stretch of the shared buffer.
struct TextSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
};

struct ListingEntry {
  TextSpan perms;  // 16 positions: system, owner, group, world; each r, w, x, d
  std::int32_t nLinks = 0;
  TextSpan owner;
  TextSpan group;
  std::int32_t size = 0;  // bytes; sizes beyond 2 147 483 647 are stored as that largest value
  TextSpan sDate;
  TextSpan sTime;
  TextSpan name;
  TextSpan ext;
  std::int32_t attrib = 0;  // KestrelFileType flags
  TextSpan shortName;
};

class ListingEntries {
 public:
  // Keeps a text made of the pieces, one after the other.
  TextSpan keep(std::initializer_list<std::u16string_view> pieces) {
    TextSpan span{texts_.size(), 0};
    for (auto piece : pieces) texts_.append(piece);
    span.length = texts_.size() - span.offset;
    return span;
  }
  TextSpan keep(std::u16string_view text) { return keep({text}); }
  std::u16string_view text(TextSpan span) const { return std::u16string_view(texts_).substr(span.offset, span.length); }

  void reserve(std::size_t entries, std::size_t characters) {
    entries_.reserve(entries);
    texts_.reserve(characters);
  }
  void add(const ListingEntry& entry) { entries_.push_back(entry); }
  const std::vector<ListingEntry>& entries() const { return entries_; }

 private:
  std::vector<ListingEntry> entries_;
  std::u16string texts_;
};

}  // namespace plover
