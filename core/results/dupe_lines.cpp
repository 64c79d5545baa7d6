// The lines of the duplicate list: their text, their fields and their order.
#include <charconv>
#include <cmath>
#include <ctime>
#include <locale.h>

#include "core/components/comma_parse.h"
#include "core/components/sorter.h"
#include "core/results/results_model.h"

namespace vl {

namespace {

constexpr char FieldEnd = '\xBB';
// 0001-01-01 and 9999-12-31 as days since 1899-12-30.
constexpr double FirstDay = -693593;
constexpr double LastDay = 2958465;

// The locale of the environment (LANG, LC_*), made once; the "C" locale when it is unusable.
locale_t environmentLocale() {
  static const locale_t locale = [] {
    locale_t made = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
    return made != static_cast<locale_t>(0) ? made : newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  }();
  return locale;
}

// A field as written into a line: quoted, with inner quotes doubled, when it holds
// the separator or a quote, so that splitting the line gives it back unchanged.
void appendField(std::string& line, const std::string& field) {
  if (field.find_first_of("\"\xBB") == std::string::npos) {
    line += field;
  } else {
    line += '"';
    for (char c : field) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  line += FieldEnd;
}

// The sort column handed over in the sorter's hint; 1 when the hint is not a whole number.
int sortColumn(const std::string& hint) {
  int column = 1;
  const auto [end, error] = std::from_chars(hint.data(), hint.data() + hint.size(), column);
  return error == std::errc() && end == hint.data() + hint.size() ? column : 1;
}

std::string fieldOf(const std::vector<std::string>& fields, int column) {
  return column >= 0 && column < static_cast<int>(fields.size()) ? fields[static_cast<size_t>(column)] : "";
}

// The duplicate list's order: the base line (Ers field "*") first, then the column's
// field, numerically for the number columns and by locale collation otherwise.
void compareDupeLines(TSorter& sorter, const std::string& s1, const std::string& s2, const std::string& hint,
                      int& compare) {
  const int column = sortColumn(hint);
  const std::vector<std::string> first = SplitDupeLine(s1);
  if (fieldOf(first, 1) == "*") {
    compare = -1;
    return;
  }
  const std::vector<std::string> second = SplitDupeLine(s2);
  if (fieldOf(second, 1) == "*") {
    compare = 1;
    return;
  }
  const bool numeric = column == 1 || (column >= 3 && column <= 6);
  compare = sorter.CompareStrings(fieldOf(first, column), fieldOf(second, column), numeric ? stNumeric : stWinCase);
}

}  // namespace

std::string DefaultDateText(double dateTime) {
  if (!(dateTime >= FirstDay && dateTime < LastDay + 1)) return "";
  // The whole part counts days; the fraction is the time of day even before 1899-12-30.
  const double days = std::trunc(dateTime);
  const long seconds = std::lround(std::fabs(dateTime - days) * 86400.0);
  std::tm moment{};
  moment.tm_year = 1899 - 1900;
  moment.tm_mon = 11;
  moment.tm_mday = 30 + static_cast<int>(days);
  moment.tm_sec = static_cast<int>(seconds);
  moment.tm_isdst = -1;
  std::mktime(&moment);  // normalises day and second counts into a calendar date
  char text[128];
  const size_t length = strftime_l(text, sizeof text, "%x %X", &moment, environmentLocale());
  return std::string(text, length);
}

std::string DupeLineText(const TResultEntry& entry, const DateFormatter& formatDate) {
  std::string line;
  appendField(line, entry.Marked != 0 ? "*" : "");
  appendField(line, entry.Base == nullptr ? "*" : std::to_string(entry.Errors));
  if (entry.Base == nullptr && entry.Gone != 0) {
    for (const char* field : {"Deleted or Moved", "0", "", ""}) appendField(line, field);
    return line;
  }
  appendField(line, entry.Path);
  appendField(line, std::to_string(entry.Size));
  appendField(line, std::to_string(entry.Width));
  appendField(line, std::to_string(entry.Height));
  appendField(line, formatDate(entry.FileDate));
  appendField(line, entry.Volume);
  return line;
}

std::vector<std::string> SplitDupeLine(const std::string& line) { return TCommaParse::SplitText(line, FieldEnd); }

void SortDupeLines(std::vector<DupeLine>& lines, int column) {
  TSorter sorter;
  sorter.setHint(std::to_string(column));
  sorter.setStringSortType(stCustom);
  sorter.OnCompareStrings = compareDupeLines;
  VectorStrings<DupeLine> items(lines, [](const DupeLine& line) { return line.text; });
  sorter.setStrings(&items);
  sorter.SortStrings();
}

}  // namespace vl
