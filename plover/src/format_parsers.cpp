#include "format_parsers.h"

#include <ctime>

#include "conversions.h"
#include "error_module.h"
#include "interfaces/kestrel.h"
#include "tessel_client.h"

namespace plover {

using automation::AutomationError;
using kestrel::acIsFile;
using kestrel::acIsFolder;
using kestrel::acIsLink;
using kestrel::acIsSystem;

namespace {

constexpr char16_t kWhiteSpace[] = u" \t\f\v";
constexpr char16_t kUnixSeparators[] = u" \t\f\v,";

// Runs a parser body: the parse errors of the formats pass unchanged, anything else is raised
// again with the parser's name.
template <class Body>
auto reraisingAs(std::u16string_view source, Body&& body) {
  try {
    return body();
  } catch (const AutomationError& e) {
    const std::int32_t n = e.number();
    if (n == kestrel::ecParseError || n == kestrel::ecBadDateFormat) throw;
    kestrel::raiseAgain(e, source, kLibrary);
  }
}

[[noreturn]] void columnMissing() { throw AutomationError(automation::basicError(9)); }

using Columns = std::vector<std::u16string_view>;

std::u16string_view column(const Columns& columns, std::size_t k) {
  if (k >= columns.size()) columnMissing();
  return columns[k];
}

// The name: the line from its first name column to its end, so that spaces inside the name,
// pattern characters and "name -> target" of links are kept as listed.
std::u16string_view nameFrom(std::u16string_view line, const Columns& columns, std::size_t k) {
  return line.substr(static_cast<std::size_t>(column(columns, k).data() - line.data()));
}

// What goes before a day to make it two digits.
std::u16string_view dayPadding(std::u16string_view day) { return day.size() == 1 ? u"0" : u""; }

std::u16string currentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return decimal(local.tm_year + 1900);
}

std::int32_t requiredNumber(std::u16string_view text) {
  auto value = numberValue(text);
  if (!value) throw AutomationError(automation::basicError(13));  // type mismatch
  return clampedInt32(*value);
}

// What a Unix line parse needs beyond the line: the year of this year's dates and a columns
// vector reused from line to line.
struct UnixLineContext {
  std::u16string thisYear;
  Columns columns;
};

void addUnixEntry(std::u16string_view line, UnixLineContext& context, ListingEntries& out) {
  Columns& columns = context.columns;
  columnsOf(line, kUnixSeparators, columns);
  if (columns.size() < 9) {
    // The line goes into the source; a very long one (garbage without line ends) is cut short.
    constexpr std::size_t kShownLength = 256;
    std::u16string source = u"CPlover.ParseUnix";
    if (!line.empty()) {
      source += u"\r\n1st Line: \"" + std::u16string(line.substr(0, kShownLength)) + (line.size() > kShownLength ? u"...\"" : u"\"");
    }
    kestrel::raiseLibraryError(kestrel::ecParseError, source);
  }
  ListingEntry e;
  switch (columns[0].front()) {
    case u'd': e.attrib = acIsFolder; break;
    case u'l': e.attrib = acIsLink; break;
    case u'c': e.attrib = acIsSystem; break;
    default: e.attrib = acIsFile; break;
  }
  std::array<char16_t, 16> perms;
  e.perms = out.keep(unixPermissions(columns[0].substr(1), perms));
  e.nLinks = requiredNumber(columns[1]);
  e.owner = out.keep(columns[2]);
  std::u16string_view group = columns[3];
  std::size_t k = 4;
  for (; !isNumeric(column(columns, k)); ++k) group = columns[k];
  e.group = out.keep(group);
  e.size = requiredNumber(columns[k]);
  for (++k; isNumeric(column(columns, k)); ++k) {
  }  // device numbers
  const std::u16string_view month = monthNumber(columns[k]);
  const std::u16string_view day = column(columns, k + 1);
  const std::u16string_view yearOrTime = column(columns, k + 2);
  k += 3;
  std::u16string_view year = context.thisYear;
  if (yearOrTime.find(u':') == std::u16string_view::npos) {
    year = yearOrTime;
    // A time after the year; never the last column, which is the name.
    if (k + 1 < columns.size() && columns[k].find(u':') != std::u16string_view::npos) e.sTime = out.keep(columns[k++]);
  } else {
    e.sTime = out.keep(yearOrTime);
  }
  e.sDate = out.keep({month, u"/", dayPadding(day), day, u"/", year});
  e.name = out.keep(nameFrom(line, columns, k));
  std::u16string_view plainName = out.text(e.name);
  if (plainName.front() == u'.') {
    e.attrib |= acIsSystem;  // hidden
    plainName.remove_prefix(1);
  }
  if (e.attrib & acIsFile) e.ext = out.keep(extensionOf(plainName));
  out.add(e);
}

bool isDosTotalsLine(const kestrel::TesselClient& tessel, std::u16string_view line) {
  return isNumeric(tessel.frontToken(std::u16string(line), kWhiteSpace).first);
}

void addDosEntry(const kestrel::TesselClient& tessel, std::u16string_view line, ListingEntries& out) {
  const Columns columns = columnsOf(line, kWhiteSpace);
  if (columns.size() < 5) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseDos");
  ListingEntry e;
  e.shortName = out.keep(columns[0]);
  std::size_t d = 2;
  if (lowerCase(columns[1]) == u"<dir>") {
    e.attrib = acIsFolder;
  } else {
    e.attrib = acIsFile;
    if (isNumeric(columns[1]) && tessel.occurrences(std::u16string(columns[2]), u"-") == 2) {
      e.size = requiredNumber(columns[1]);  // a name without an extension
    } else if (isNumeric(columns[2])) {
      e.ext = out.keep(columns[1]);
      e.shortName = out.keep({columns[0], u".", columns[1]});
      e.size = requiredNumber(columns[2]);
      d = 3;
    }
  }
  std::u16string date(column(columns, d));
  if (tessel.replaceAll(date, u"-", u"/") == 2) e.sDate = out.keep(date);
  std::size_t nameColumn = d + 1;
  if (column(columns, d + 1).find(u':') != std::u16string_view::npos) {
    e.sTime = out.keep(columns[d + 1]);
    nameColumn = d + 2;
  }
  e.name = out.keep(nameFrom(line, columns, nameColumn));
  out.add(e);
}

void addVmsEntry(const kestrel::TesselClient& tessel, const std::u16string& line, ListingEntries& out) {
  const Columns columns = columnsOf(line, kWhiteSpace);
  if (columns.size() != 6) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseVMS");
  ListingEntry e;
  const auto parts = tessel.splitExtension(std::u16string(columns[0]));
  const std::u16string ext = parts ? parts->second : std::u16string();
  e.ext = out.keep(ext);
  if (ext.find(u"DIR;") != std::u16string::npos) {
    e.attrib = acIsFolder;
    e.name = out.keep(parts->first);
  } else {
    e.attrib = acIsFile;
    e.name = out.keep(columns[0]);
  }
  // Blocks of 512 bytes, written "used" or "used/allocated".
  const std::u16string blocks = tessel.frontToken(std::u16string(columns[1]), u"/").first;
  if (auto used = numberValue(blocks)) e.size = clampedInt32(*used * 512);
  const std::vector<std::u16string> date = tessel.tokens(std::u16string(columns[2]), u"-");
  if (date.size() < 3) columnMissing();
  const std::u16string_view year = date[2];
  e.sDate = out.keep({monthNumber(date[1]), u"/", dayPadding(date[0]), date[0], u"/", year.substr(year.size() < 2 ? 0 : year.size() - 2)});
  e.sTime = out.keep(columns[3]);
  const std::u16string owner = tessel.delimitedField(std::u16string(columns[4]), u"[", u"]", 0);
  const std::size_t comma = owner.find(u',');
  e.owner = out.keep(comma == std::u16string::npos ? std::u16string_view(owner) : std::u16string_view(owner).substr(comma + 1));
  e.perms = out.keep(vmsPermissions(tessel, std::u16string(columns[5])));
  out.add(e);
}

}  // namespace

std::optional<ListingEntries> parseUnix(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseUnix", [&]() -> std::optional<ListingEntries> {
    ListingEntries entries;
    std::size_t characters = 0;
    for (std::u16string_view line : lines) characters += line.size();
    entries.reserve(lines.size(), characters + 16 * lines.size());  // the permission strings grow
    UnixLineContext lineContext{currentYear(), {}};
    for (std::u16string_view line : lines) {
      if (context.beforeLine()) return std::nullopt;
      addUnixEntry(line, lineContext, entries);
    }
    return entries;
  });
}

std::optional<ListingEntries> parseDos(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseDos", [&]() -> std::optional<ListingEntries> {
    // Four header lines and two totals lines surround the entries.
    constexpr std::size_t kHeader = 4, kTotals = 2;
    // A reply too short to hold them is not a DOS listing.
    if (lines.size() < kHeader + kTotals) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseDos");
    ListingEntries entries;
    for (std::size_t i = kHeader; i + kTotals < lines.size(); ++i) {
      if (context.beforeLine()) return std::nullopt;
      if (isDosTotalsLine(context.tessel, lines[i])) break;
      addDosEntry(context.tessel, lines[i], entries);
    }
    return entries;
  });
}

std::optional<ListingEntries> parseVms(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseVMS", [&]() -> std::optional<ListingEntries> {
    // A "Directory ..." header and a "Total of ..." trailer surround the entries.
    if (lines.size() < 2) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseVMS");
    ListingEntries entries;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      if (context.beforeLine()) return std::nullopt;
      std::u16string line(lines[i]);
      // An entry whose name is too long goes on with its details on the next line.
      while ((line.empty() || line.back() != u')') && i + 2 < lines.size()) line += lines[++i];
      addVmsEntry(context.tessel, line, entries);
    }
    return entries;
  });
}

}  // namespace plover
