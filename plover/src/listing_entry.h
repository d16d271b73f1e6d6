#pragma once
// One entry of a directory listing as a format parser reads it, in the shape Files.Add takes.
#include <cstdint>
#include <string>

namespace plover {

struct ListingEntry {
  std::u16string perms;  // 16 positions: system, owner, group, world; each r, w, x, d
  std::int32_t nLinks = 0;
  std::u16string owner;
  std::u16string group;
  std::int32_t size = 0;  // bytes; sizes beyond 2 147 483 647 are stored as that largest value
  std::u16string sDate;
  std::u16string sTime;
  std::u16string name;
  std::u16string ext;
  std::int32_t attrib = 0;  // KestrelFileType flags
  std::u16string shortName;
};

}  // namespace plover
