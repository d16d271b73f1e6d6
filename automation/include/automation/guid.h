#pragma once
// Class, interface and library identities.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace automation {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  // Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (braces optional, any letter case).
  static constexpr std::optional<Guid> parse(std::string_view text);
  // Like parse, for identities written in the source; a malformed text does not compile
  // when used in a constant expression.
  static constexpr Guid fromString(std::string_view text) {
    auto g = parse(text);
    if (!g) throw std::invalid_argument("malformed identity");
    return *g;
  }
  // Upper case with braces: "{494D1179-9AE9-11D1-ADB8-00A024122F93}".
  std::string toString() const;

  friend constexpr bool operator==(const Guid&, const Guid&) = default;
};

namespace detail {
constexpr int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace detail

constexpr std::optional<Guid> Guid::parse(std::string_view text) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
  if (text.size() != 36) return std::nullopt;
  std::array<std::uint8_t, 16> bytes{};
  std::size_t pos = 0;
  for (std::size_t i = 0; i < 16; ++i) {
    if (pos == 8 || pos == 13 || pos == 18 || pos == 23) {
      if (text[pos] != '-') return std::nullopt;
      ++pos;
    }
    const int hi = detail::hexValue(text[pos]), lo = detail::hexValue(text[pos + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    pos += 2;
  }
  Guid g;
  g.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
  g.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  g.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  for (std::size_t i = 0; i < 8; ++i) g.data4[i] = bytes[8 + i];
  return g;
}

}  // namespace automation

template <>
struct std::hash<automation::Guid> {
  std::size_t operator()(const automation::Guid& g) const noexcept;
};
