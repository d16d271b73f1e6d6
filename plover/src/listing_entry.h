#pragma once
// One entry of a directory listing as a format parser reads it, in the shape Files.Add takes.
// Its texts are views into the listing line or into the parser's buffers for computed texts:
// they stay valid only while the entry is being handed over, so a listing of a hundred
// thousand lines is read without storing its entries a second time.
#include <cstdint>
#include <string_view>

namespace plover {

struct ListingEntry {
  std::u16string_view perms;  // 16 positions: system, owner, group, world; each r, w, x, d
  std::int32_t nLinks = 0;
  std::u16string_view owner;
  std::u16string_view group;
  std::int32_t size = 0;  // bytes; sizes beyond 2 147 483 647 are stored as that largest value
  std::u16string_view sDate;
  std::u16string_view sTime;
  std::u16string_view name;
  std::u16string_view ext;
  std::int32_t attrib = 0;  // KestrelFileType flags
  std::u16string_view shortName;
};

}  // namespace plover
