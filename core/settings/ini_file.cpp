// Single keys of an INI settings file, read and written with profile-file semantics.
#include "core/settings/ini_file.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <optional>
#include <string_view>

#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"

namespace vl {

namespace {

constexpr std::string_view Blanks = " \t\r";

std::string_view trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(Blanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(Blanks);
  return text.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) { return UpperAscii(a) == UpperAscii(b); }

// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
  const std::string_view text = trimmed(line);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const size_t close = text.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trimmed(text.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> keyLineOf(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

// The range of lines of the first section named `section`: its header line and one
// past its last line. first == lines.size() when there is no such section.
struct SectionRange {
  size_t header;
  size_t end;
};

SectionRange findSection(const std::vector<std::string>& lines, const std::string& section, size_t from = 0) {
  size_t header = from;
  while (header < lines.size()) {
    const auto name = sectionNameOf(lines[header]);
    if (name && sameName(*name, section)) break;
    ++header;
  }
  size_t end = header < lines.size() ? header + 1 : header;
  while (end < lines.size() && !sectionNameOf(lines[end])) ++end;
  return {header, end};
}

// Index of the key's line inside the section, or range.end when absent.
size_t findKey(const std::vector<std::string>& lines, SectionRange range, const std::string& key) {
  for (size_t i = range.header + 1; i < range.end; ++i) {
    const auto keyLine = keyLineOf(lines[i]);
    if (keyLine && sameName(keyLine->key, key)) return i;
  }
  return range.end;
}

std::string unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, IniFile::MaxValueLength));
}

std::string singleLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

std::optional<int> ParseWholeNumber(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::optional<std::vector<std::string>> IniFile::loadLines() const {
  if (batch_) return batch_;
  std::vector<std::string> lines;
  errno = 0;
  std::ifstream in(fileName_, std::ios::binary);
  if (!in) {
    if (errno == ENOENT || errno == ENOTDIR) return lines;
    return std::nullopt;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<size_t>(size) > MaxFileSize) return std::nullopt;
  in.seekg(0);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  if (in.bad()) return std::nullopt;
  return lines;
}

std::vector<std::string> IniFile::readLines() const { return loadLines().value_or(std::vector<std::string>()); }

std::vector<std::string> IniFile::linesToRewrite() const {
  std::optional<std::vector<std::string>> lines = loadLines();
  if (!lines) failWrite();
  return std::move(*lines);
}

void IniFile::failWrite() const { throw IniWriteError("Unable to write to " + fileName_); }

void IniFile::writeLines(std::vector<std::string> lines) {
  if (batch_) {
    batch_ = std::move(lines);
    batchChanged_ = true;
    return;
  }
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\n";
  try {
    WriteFileSafely(fileName_, bytes);
  } catch (const std::runtime_error&) {
    failWrite();
  }
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
  const std::vector<std::string> lines = readLines();
  const SectionRange range = findSection(lines, section);
  if (range.header == lines.size()) return defaultValue;
  const size_t index = findKey(lines, range, key);
  if (index == range.end) return defaultValue;
  return unquoted(keyLineOf(lines[index])->value);
}

int IniFile::readInteger(const std::string& section, const std::string& key, int defaultValue) const {
  return ParseWholeNumber(readString(section, key, std::string())).value_or(defaultValue);
}

std::vector<IniFile::KeyValue> IniFile::readSection(const std::string& section) const {
  const std::vector<std::string> lines = readLines();
  const SectionRange range = findSection(lines, section);
  std::vector<KeyValue> pairs;
  for (size_t i = range.header + 1; i < range.end; ++i) {
    if (const auto keyLine = keyLineOf(lines[i])) pairs.push_back({std::string(keyLine->key), unquoted(keyLine->value)});
  }
  return pairs;
}

bool IniFile::keyExists(const std::string& section, const std::string& key) const {
  const std::vector<std::string> lines = readLines();
  const SectionRange range = findSection(lines, section);
  return range.header < lines.size() && findKey(lines, range, key) < range.end;
}

bool IniFile::sectionExists(const std::string& section) const {
  const std::vector<std::string> lines = readLines();
  return findSection(lines, section).header < lines.size();
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
  std::vector<std::string> lines = linesToRewrite();
  const std::string keyLine = key + "=" + singleLine(value);
  const SectionRange range = findSection(lines, section);
  if (range.header == lines.size()) {
    if (!lines.empty() && !trimmed(lines.back()).empty()) lines.emplace_back();
    lines.push_back("[" + section + "]");
    lines.push_back(keyLine);
  } else if (const size_t index = findKey(lines, range, key); index < range.end) {
    lines[index] = keyLine;
  } else {
    size_t after = range.end;
    while (after > range.header + 1 && trimmed(lines[after - 1]).empty()) --after;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after), keyLine);
  }
  writeLines(std::move(lines));
}

namespace {

// Removes every section named `section`; true when there was one.
bool eraseSectionLines(std::vector<std::string>& lines, const std::string& section) {
  bool erased = false;
  for (SectionRange range = findSection(lines, section); range.header < lines.size();
       range = findSection(lines, section, range.header)) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(range.header),
                lines.begin() + static_cast<std::ptrdiff_t>(range.end));
    erased = true;
  }
  return erased;
}

}  // namespace

void IniFile::eraseSection(const std::string& section) {
  std::vector<std::string> lines = linesToRewrite();
  if (eraseSectionLines(lines, section)) writeLines(std::move(lines));
}

void IniFile::writeSection(const std::string& section, const std::vector<KeyValue>& pairs) {
  std::vector<std::string> lines = linesToRewrite();
  eraseSectionLines(lines, section);
  if (!lines.empty() && !trimmed(lines.back()).empty()) lines.emplace_back();
  lines.push_back("[" + section + "]");
  for (const KeyValue& pair : pairs) lines.push_back(pair.key + "=" + singleLine(pair.value));
  writeLines(std::move(lines));
}

void IniFile::beginBatch() {
  batch_ = linesToRewrite();
  batchChanged_ = false;
}

void IniFile::commitBatch() {
  if (!batch_) return;
  std::vector<std::string> lines = std::move(*batch_);
  batch_.reset();
  if (batchChanged_) writeLines(std::move(lines));
}

}  // namespace vl
