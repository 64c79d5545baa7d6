// The lines of the duplicate list: their text, their fields and their order.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <locale.h>
#include <strings.h>

#include "core/results/results_model.h"

namespace vl {

namespace {

constexpr char kFieldEnd = '\xBB';
// 0001-01-01 and 9999-12-31 as days since 1899-12-30.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

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
  line += kFieldEnd;
}

}  // namespace

std::string DefaultDateText(double dateTime) {
  if (!(dateTime >= kFirstDay && dateTime < kLastDay + 1)) return "";
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

std::vector<std::string> SplitDupeLine(const std::string& line) {
  const auto unquote = [](std::string field) {
    if (!field.empty() && field.front() == '"' && field.back() == '"')
      field = field.size() >= 2 ? field.substr(1, field.size() - 2) : "";
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
      text += field[i];
      if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"') ++i;
    }
    return text;
  };
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (c == kFieldEnd && !quoted) {
      fields.push_back(unquote(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(unquote(field));
  return fields;
}

void SortDupeLines(std::vector<DupeLine>& lines, int column) {
  const bool numeric = column == 1 || (column >= 3 && column <= 6);
  std::stable_sort(lines.begin(), lines.end(), [column, numeric](const DupeLine& a, const DupeLine& b) {
    const std::vector<std::string> fa = SplitDupeLine(a.Text), fb = SplitDupeLine(b.Text);
    if (fa[1] == "*") return fb[1] != "*";
    if (fb[1] == "*") return false;
    const std::string ka = column < static_cast<int>(fa.size()) ? fa[column] : "";
    const std::string kb = column < static_cast<int>(fb.size()) ? fb[column] : "";
    if (numeric) return std::atof(ka.c_str()) < std::atof(kb.c_str());
    return std::strcoll(ka.c_str(), kb.c_str()) < 0;
  });
}

void ResultsModel::sortShownAlphabetically() {
  std::stable_sort(shown_.begin(), shown_.end(), [](const BaseGroupItem& a, const BaseGroupItem& b) {
    return strcasecmp(a.Caption.c_str(), b.Caption.c_str()) < 0;
  });
  notifyShownChanged();
}

}  // namespace vl
