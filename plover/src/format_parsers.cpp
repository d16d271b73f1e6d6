#include "format_parsers.h"

#include <array>
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

constexpr char16_t kWhiteSpaceCharacters[] = u" \t\f\v";
constexpr SeparatorSet kWhiteSpace{kWhiteSpaceCharacters};
constexpr SeparatorSet kUnixSeparators{u" \t\f\v,"};

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

// The buffers of computed texts, reused from line to line so that a parse does not allocate
// for every line; an entry's views into them last until the next line is read.
struct EntryTexts {
  Columns columns;
  std::array<char16_t, 16> perms;
  std::u16string date, shortName, name, ext, owner, permsText;
};

ListingEntry unixEntry(std::u16string_view line, std::u16string_view thisYear, EntryTexts& texts) {
  Columns& columns = texts.columns;
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
  e.perms = unixPermissions(columns[0].substr(1), texts.perms);
  e.nLinks = requiredNumber(columns[1]);
  e.owner = columns[2];
  e.group = columns[3];
  std::size_t k = 4;
  std::optional<double> size;
  for (; !(size = numberValue(column(columns, k))); ++k) e.group = columns[k];
  e.size = clampedInt32(*size);
  for (++k; isNumeric(column(columns, k)); ++k) {
  }  // device numbers
  const std::u16string_view month = monthNumber(columns[k]);
  const std::u16string_view day = column(columns, k + 1);
  const std::u16string_view yearOrTime = column(columns, k + 2);
  k += 3;
  std::u16string_view year = thisYear;
  if (yearOrTime.find(u':') == std::u16string_view::npos) {
    year = yearOrTime;
    // A time after the year; never the last column, which is the name.
    if (k + 1 < columns.size() && columns[k].find(u':') != std::u16string_view::npos) e.sTime = columns[k++];
  } else {
    e.sTime = yearOrTime;
  }
  texts.date.assign(month).append(u"/").append(dayPadding(day)).append(day).append(u"/").append(year);
  e.sDate = texts.date;
  e.name = nameFrom(line, columns, k);
  std::u16string_view plainName = e.name;
  if (plainName.front() == u'.') {
    e.attrib |= acIsSystem;  // hidden
    plainName.remove_prefix(1);
  }
  if (e.attrib & acIsFile) e.ext = extensionOf(plainName);
  return e;
}

bool isDosTotalsLine(const kestrel::TesselClient& tessel, std::u16string_view line) {
  return isNumeric(tessel.frontToken(std::u16string(line), kWhiteSpaceCharacters).first);
}

ListingEntry dosEntry(const kestrel::TesselClient& tessel, std::u16string_view line, EntryTexts& texts) {
  columnsOf(line, kWhiteSpace, texts.columns);
  const Columns& columns = texts.columns;
  if (columns.size() < 5) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseDos");
  ListingEntry e;
  e.shortName = columns[0];
  std::size_t d = 2;
  if (lowerCase(columns[1]) == u"<dir>") {
    e.attrib = acIsFolder;
  } else {
    e.attrib = acIsFile;
    if (isNumeric(columns[1]) && tessel.occurrences(std::u16string(columns[2]), u"-") == 2) {
      e.size = requiredNumber(columns[1]);  // a name without an extension
    } else if (isNumeric(columns[2])) {
      e.ext = columns[1];
      texts.shortName.assign(columns[0]).append(u".").append(columns[1]);
      e.shortName = texts.shortName;
      e.size = requiredNumber(columns[2]);
      d = 3;
    }
  }
  texts.date.assign(column(columns, d));
  if (tessel.replaceAll(texts.date, u"-", u"/") == 2) e.sDate = texts.date;
  std::size_t nameColumn = d + 1;
  if (column(columns, d + 1).find(u':') != std::u16string_view::npos) {
    e.sTime = columns[d + 1];
    nameColumn = d + 2;
  }
  e.name = nameFrom(line, columns, nameColumn);
  return e;
}

ListingEntry vmsEntry(const kestrel::TesselClient& tessel, std::u16string_view line, EntryTexts& texts) {
  columnsOf(line, kWhiteSpace, texts.columns);
  const Columns& columns = texts.columns;
  if (columns.size() != 6) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseVMS");
  ListingEntry e;
  const auto parts = tessel.splitExtension(std::u16string(columns[0]));
  texts.ext = parts ? parts->second : std::u16string();
  e.ext = texts.ext;
  if (texts.ext.find(u"DIR;") != std::u16string::npos) {
    e.attrib = acIsFolder;
    texts.name = parts->first;
    e.name = texts.name;
  } else {
    e.attrib = acIsFile;
    e.name = columns[0];
  }
  // Blocks of 512 bytes, written "used" or "used/allocated".
  const std::u16string blocks = tessel.frontToken(std::u16string(columns[1]), u"/").first;
  if (auto used = numberValue(blocks)) e.size = clampedInt32(*used * 512);
  const std::vector<std::u16string> date = tessel.tokens(std::u16string(columns[2]), u"-");
  if (date.size() < 3) columnMissing();
  const std::u16string_view year = date[2];
  texts.date.assign(monthNumber(date[1])).append(u"/").append(dayPadding(date[0])).append(date[0]).append(u"/");
  texts.date.append(year.substr(year.size() < 2 ? 0 : year.size() - 2));
  e.sDate = texts.date;
  e.sTime = columns[3];
  texts.owner = tessel.delimitedField(std::u16string(columns[4]), u"[", u"]", 0);
  const std::size_t comma = texts.owner.find(u',');
  e.owner = comma == std::u16string::npos ? std::u16string_view(texts.owner) : std::u16string_view(texts.owner).substr(comma + 1);
  texts.permsText = vmsPermissions(tessel, std::u16string(columns[5]));
  e.perms = texts.permsText;
  return e;
}

}  // namespace

bool parseUnix(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseUnix", [&] {
    const std::u16string thisYear = currentYear();
    EntryTexts texts;
    for (std::u16string_view line : lines) {
      if (context.beforeLine() || !context.onEntry(unixEntry(line, thisYear, texts))) return false;
    }
    return true;
  });
}

bool parseDos(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseDos", [&] {
    // Four header lines and two totals lines surround the entries.
    constexpr std::size_t kHeader = 4, kTotals = 2;
    // A reply too short to hold them is not a DOS listing.
    if (lines.size() < kHeader + kTotals) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseDos");
    EntryTexts texts;
    for (std::size_t i = kHeader; i + kTotals < lines.size(); ++i) {
      if (context.beforeLine()) return false;
      if (isDosTotalsLine(context.tessel, lines[i])) break;
      if (!context.onEntry(dosEntry(context.tessel, lines[i], texts))) return false;
    }
    return true;
  });
}

bool parseVms(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
  return reraisingAs(u"CPlover.ParseVMS", [&] {
    // A "Directory ..." header and a "Total of ..." trailer surround the entries.
    if (lines.size() < 2) kestrel::raiseLibraryError(kestrel::ecParseError, u"CPlover.ParseVMS");
    EntryTexts texts;
    std::u16string line;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
      if (context.beforeLine()) return false;
      line.assign(lines[i]);
      // An entry whose name is too long goes on with its details on the next line.
      while ((line.empty() || line.back() != u')') && i + 2 < lines.size()) line += lines[++i];
      if (!context.onEntry(vmsEntry(context.tessel, line, texts))) return false;
    }
    return true;
  });
}

}  // namespace plover
