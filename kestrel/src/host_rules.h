#pragma once
// Host-type rules and permission bits of the directory model.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interfaces/kestrel.h"

namespace kestrel {

struct HostRules {
  KestrelGenHostType type;
  std::u16string dirSep;   // separates directory levels
  std::u16string fileSep;  // joins a folder path and a file name
};

// The generic host type of the FTP client's host-type code; none for codes it does not know.
std::optional<HostRules> hostRulesFor(std::int32_t hostTypeCode);

// A 16-position permission string (system, owner, group, world; each read, write, execute,
// delete) as bits: position n (1 to 15) is bit n of `perms`; position 16 (world delete) does not
// fit and is returned on its own. A position is set unless it holds "-"; positions past the
// end of a non-empty string count as set.
struct PermissionBits {
  std::int16_t perms = 0;
  bool worldDelete = false;
};
PermissionBits permissionBits(std::u16string_view text);

// Whether bit who + what of a 16-bit permission value is set (false outside bits 1 to 15).
bool hasPrivilege(std::int16_t perms, std::int32_t who, std::int32_t what);

}  // namespace kestrel
