// Result groups as JSON or CSV text, with a lossless form for paths that are not UTF-8.
#include "core/results/results_export.h"

#include <cmath>
#include <cstdio>

#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"

namespace vl {

namespace {

constexpr double FirstDay = -693593;  // 0001-01-01 in days since 1899-12-30
constexpr double LastDay = 2958465;   // 9999-12-31
constexpr long SecondsPerDay = 86400;
const char* const HexDigits = "0123456789ABCDEF";

bool isContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
  return byte >= low && byte <= high;
}

// The length of the valid UTF-8 sequence at text[at], 0 when the byte there begins none.
size_t utf8Length(std::string_view text, size_t at) {
  const auto byteAt = [&](size_t i) { return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0; };
  const unsigned char lead = byteAt(0);
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return isContinuation(byteAt(1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    return isContinuation(byteAt(1), low, high) && isContinuation(byteAt(2)) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    return isContinuation(byteAt(1), low, high) && isContinuation(byteAt(2)) && isContinuation(byteAt(3)) ? 4 : 0;
  }
  return 0;
}

bool isValidUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const size_t length = utf8Length(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

std::string hexByte(unsigned char byte) { return {HexDigits[byte >> 4], HexDigits[byte & 15]}; }

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (size_t at = 0; at < text.size();) {
    const size_t length = utf8Length(text, at);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (length == 0) {
      out += "\\udc" + hexByte(byte);
      ++at;
      continue;
    }
    if (byte == '"' || byte == '\\') {
      out += {'\\', static_cast<char>(byte)};
    } else if (byte < 0x20) {
      out += "\\u00" + hexByte(byte);
    } else {
      out.append(text.substr(at, length));
    }
    at += length;
  }
  out += '"';
}

// Days since 1970-01-01 as a civil year, month and day (proleptic Gregorian).
void civilFromDays(long days, long& year, int& month, int& day) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long dayOfEra = days - era * 146097;
  const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long shifted = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

// The date-time double as "YYYY-MM-DDTHH:MM:SS"; empty outside the years 1 to 9999.
// As in the file list, the fraction is the time of day even before 1899-12-30.
std::string isoDateText(double dateTime) {
  if (!(dateTime >= FirstDay && dateTime < LastDay + 1)) return "";
  long days = static_cast<long>(std::trunc(dateTime));
  long seconds = std::lround(std::fabs(dateTime - static_cast<double>(days)) * SecondsPerDay);
  if (seconds >= SecondsPerDay) seconds = SecondsPerDay - 1;
  long year = 0;
  int month = 0, day = 0;
  civilFromDays(days - 25569, year, month, day);
  char text[64];
  std::snprintf(text, sizeof text, "%04ld-%02d-%02dT%02ld:%02ld:%02ld", year, month, day, seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

std::string jsonNumberOrNull(int32_t value) { return value < 0 ? "null" : std::to_string(value); }

std::string jsonFile(const TResultEntry& entry) {
  std::string out = "{\"path\":";
  appendJsonString(out, entry.Path);
  const std::string date = isoDateText(entry.FileDate);
  out += ",\"size\":" + std::to_string(entry.Size) + ",\"date\":" + (date.empty() ? "null" : '"' + date + '"') +
         ",\"width\":" + jsonNumberOrNull(entry.Width) + ",\"height\":" + jsonNumberOrNull(entry.Height) +
         ",\"errors\":" + std::to_string(entry.Errors) + ",\"marked\":" + (entry.Marked ? "true" : "false") +
         ",\"gone\":" + (entry.Gone ? "true" : "false") + '}';
  return out;
}

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

// Every byte outside valid UTF-8 and every '%' as %XX.
std::string percentEscaped(std::string_view text) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    const size_t length = utf8Length(text, at);
    if (length == 0 || text[at] == '%') {
      out += '%' + hexByte(static_cast<unsigned char>(text[at]));
      ++at;
    } else {
      out.append(text.substr(at, length));
      at += length;
    }
  }
  return out;
}

std::string csvLine(int group, const TResultEntry& entry) {
  const bool valid = isValidUtf8(entry.Path);
  const auto number = [](int32_t value) { return value < 0 ? std::string() : std::to_string(value); };
  return std::to_string(group) + ',' + (entry.Base == nullptr ? "base" : "duplicate") + ',' +
         csvField(valid ? entry.Path : percentEscaped(entry.Path)) + ',' + (valid ? '0' : '1') + ',' +
         std::to_string(entry.Size) + ',' + isoDateText(entry.FileDate) + ',' + number(entry.Width) + ',' +
         number(entry.Height) + ',' + std::to_string(entry.Errors) + ',' + (entry.Marked ? '1' : '0') + ',' +
         (entry.Gone ? '1' : '0') + "\r\n";
}

// Calls visit(groupNumber, entry) for each group's base and its present duplicates.
template <typename Visit>
void forEachExported(const ResultsModel& model, Visit visit) {
  int number = 0;
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    ++number;
    for (const TResultEntry* entry = group.Base; entry != nullptr; entry = entry->Next)
      if (entry == group.Base || entry->Gone == 0) visit(number, *entry);
  }
}

}  // namespace

void WriteResults(const ResultsModel& model, ExportFormat format, const TextSink& sink) {
  if (format == ExportFormat::Csv) {
    sink("group,role,path,path_escaped,size,date,width,height,errors,marked,gone\r\n");
    forEachExported(model, [&](int group, const TResultEntry& entry) { sink(csvLine(group, entry)); });
    return;
  }
  sink("{\"version\":1,\"groups\":[");
  bool anyGroup = false, anyDuplicate = false;
  forEachExported(model, [&](int group, const TResultEntry& entry) {
    if (entry.Base == nullptr) {
      sink(std::string(anyGroup ? "]},\n" : "\n") + "{\"group\":" + std::to_string(group) +
           ",\"base\":" + jsonFile(entry) + ",\"duplicates\":[");
      anyGroup = true;
      anyDuplicate = false;
    } else {
      sink((anyDuplicate ? "," : "") + jsonFile(entry));
      anyDuplicate = true;
    }
  });
  sink(anyGroup ? "]}\n]}\n" : "]}\n");
}

std::string ResultsText(const ResultsModel& model, ExportFormat format) {
  std::string text;
  WriteResults(model, format, [&text](std::string_view piece) { text += piece; });
  return text;
}

ExportFormat ExportFormatFor(const std::string& fileName) {
  return UpperAscii(ExtensionOf(fileName)) == ".JSON" ? ExportFormat::Json : ExportFormat::Csv;
}

void ExportResults(const std::string& fileName, const ResultsModel& model, ExportFormat format) {
  SafeFileWriter writer(fileName);
  WriteResults(model, format, [&writer](std::string_view piece) { writer.write(piece.data(), piece.size()); });
  writer.commit();
}

}  // namespace vl
