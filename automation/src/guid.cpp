#include "automation/guid.h"

#include <cstdio>

namespace automation {

std::string Guid::toString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2, data3,
                data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
  return buf;
}

}  // namespace automation

std::size_t std::hash<automation::Guid>::operator()(const automation::Guid& g) const noexcept {
  std::size_t h = g.data1;
  h = h * 1000003u ^ g.data2;
  h = h * 1000003u ^ g.data3;
  for (auto b : g.data4) h = h * 131u ^ b;
  return h;
}
