#include "host_rules.h"

namespace kestrel {

std::optional<HostRules> hostRulesFor(std::int32_t code) {
  switch (code) {
    case 3: case 6: case 8: case 9: case 13: case 14: case 15:
      return HostRules{UnixHType, u"/", u"/"};
    case 10: case 11: case 12:
      return HostRules{VMSHType, u".", u"]"};
    case 17:
      return HostRules{DosHType, u"\\", u"\\"};
    default:
      return std::nullopt;
  }
}

PermissionBits permissionBits(std::u16string_view text) {
  PermissionBits out;
  if (text.empty()) return out;
  auto isSet = [&](std::size_t position) { return position > text.size() || text[position - 1] != u'-'; };
  std::uint16_t bits = 0;
  for (std::size_t n = 1; n <= 15; ++n) {
    if (isSet(n)) bits |= static_cast<std::uint16_t>(1u << n);
  }
  out.perms = static_cast<std::int16_t>(bits);
  out.worldDelete = isSet(16);
  return out;
}

bool hasPrivilege(std::int16_t perms, std::int32_t who, std::int32_t what) {
  const std::int32_t bit = who + what;
  if (bit < 1 || bit > 15) return false;
  return (static_cast<std::uint16_t>(perms) >> bit) & 1u;
}

}  // namespace kestrel
