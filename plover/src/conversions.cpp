#include "conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "error_module.h"
#include "interfaces/kestrel.h"
#include "tessel_client.h"

namespace plover {

std::u16string lowerCase(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return out;
}

std::u16string decimal(std::int64_t n) {
  const std::string text = std::to_string(n);
  return std::u16string(text.begin(), text.end());
}

std::u16string_view monthNumber(std::u16string_view name) {
  struct Month {
    std::u16string_view shortName, longName, number;
  };
  // "febuary" is how the table has always spelled it; "february" is not recognised.
  static constexpr std::array<Month, 12> months{{
      {u"jan", u"january", u"01"}, {u"feb", u"febuary", u"02"}, {u"mar", u"march", u"03"},
      {u"apr", u"april", u"04"},   {u"may", u"may", u"05"},     {u"jun", u"june", u"06"},
      {u"jul", u"july", u"07"},    {u"aug", u"august", u"08"},  {u"sep", u"september", u"09"},
      {u"oct", u"october", u"10"}, {u"nov", u"november", u"11"}, {u"dec", u"december", u"12"},
  }};
  const std::u16string lower = lowerCase(name);
  for (const auto& m : months) {
    if (lower == m.shortName || lower == m.longName) return m.number;
  }
  kestrel::raiseLibraryError(kestrel::ecBadDateFormat, u"CPlover.MonSToI");
}

std::u16string_view unixPermissions(std::u16string_view modes, std::array<char16_t, 16>& buffer) {
  std::size_t size = 0;
  for (char16_t c : std::u16string_view(u"rwxd")) buffer[size++] = c;
  modes = modes.substr(0, 9);
  for (std::size_t group = 0; group < modes.size(); group += 3) {
    const std::u16string_view flags = modes.substr(group, 3);
    for (char16_t c : flags) buffer[size++] = c;
    buffer[size++] = flags.front();  // delete goes with read
  }
  return std::u16string_view(buffer.data(), size);
}

std::u16string vmsPermissions(const kestrel::TesselClient& tessel, const std::u16string& protection) {
  const std::u16string groups = tessel.delimitedField(protection, u"(", u")", 0);
  std::u16string out;
  for (std::int32_t i = 0; i < 4; ++i) {
    const std::u16string group = lowerCase(tessel.field(groups, i, u","));
    auto has = [&](char16_t c) { return group.find(c) != std::u16string::npos; };
    out += has(u'r') ? u'r' : u'-';
    out += has(u'w') ? u'w' : u'-';
    out += has(u'e') ? u'x' : u'-';
    out += has(u'd') ? u'd' : u'-';
  }
  return out;
}

std::optional<double> numberValue(std::u16string_view text) {
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == u'-';
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
  double value = 0;
  bool digits = false;
  for (; i < text.size() && ((text[i] >= u'0' && text[i] <= u'9') || (text[i] == u',' && digits)); ++i) {
    if (text[i] == u',') continue;
    value = value * 10 + (text[i] - u'0');
    digits = true;
  }
  if (i < text.size() && text[i] == u'.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10) {
      value += (text[i] - u'0') * scale;
      digits = true;
    }
  }
  if (!digits || i != text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::int32_t clampedInt32(double value) {
  constexpr double largest = std::numeric_limits<std::int32_t>::max();
  constexpr double smallest = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(std::clamp(std::round(value), smallest, largest));
}

void columnsOf(std::u16string_view line, const SeparatorSet& separators, std::vector<std::u16string_view>& columns) {
  columns.clear();
  for (std::size_t i = 0; i < line.size();) {
    while (i < line.size() && separators.contains(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !separators.contains(line[i])) ++i;
    if (i > start) columns.push_back(line.substr(start, i - start));
  }
  if (columns.empty()) columns.push_back(line);
}

std::vector<std::u16string_view> columnsOf(std::u16string_view line, const SeparatorSet& separators) {
  std::vector<std::u16string_view> columns;
  columnsOf(line, separators, columns);
  return columns;
}

std::u16string_view extensionOf(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot + 1);
}

void joinKey(std::u16string_view folderKey, std::u16string_view name, std::u16string_view sep, std::u16string& key) {
  constexpr std::u16string_view kBlank = u" \t\r\n\v\f";  // trimmed as FilePath trims
  const std::size_t keyEnd = folderKey.find_last_not_of(kBlank);
  folderKey = folderKey.substr(0, keyEnd == std::u16string_view::npos ? 0 : keyEnd + 1);
  name.remove_prefix(std::min(name.find_first_not_of(kBlank), name.size()));
  const bool joined = (!folderKey.empty() && sep.size() == 1 && folderKey.back() == sep.front()) ||
                      (!name.empty() && sep.size() == 1 && name.front() == sep.front());
  key.assign(folderKey);
  if (!joined) key += sep;
  key += name;
}

std::u16string_view afterFirstLine(std::u16string_view text) {
  const std::size_t end = text.find_first_of(u"\r\n");
  if (end == std::u16string_view::npos) return {};
  const std::size_t next = text.compare(end, 2, u"\r\n") == 0 ? end + 2 : end + 1;
  return text.substr(next);
}

}  // namespace plover
