// The settings-file side of a form's property store: value forms and window placement keys.
#include "core/settings/property_store.h"

#include <charconv>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "core/files/paths.h"

namespace vl {

namespace {

constexpr const char* FlagsKey = "Flags";
constexpr const char* ShowCmdKey = "ShowCmd";
constexpr const char* PixelsPerInchKey = "PixelsPerInch";
constexpr const char* MinMaxPosKey = "MinMaxPos";
constexpr const char* NormPosKey = "NormPos";
constexpr const char* VisibleKey = "Visible";

bool quotedBy(const std::string& text, char quote) {
  return text.size() >= 2 && text.front() == quote && text.back() == quote;
}

std::string_view trimmedBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

PropertyStore::PropertyStore(std::string iniFileName, std::string section)
    : ini_(std::move(iniFileName)), section_(std::move(section)) {}

std::string PropertyStore::IntegerText(int value) { return std::to_string(value); }

std::string PropertyStore::BooleanText(bool value) { return value ? "True" : "False"; }

std::string PropertyStore::FloatText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string PropertyStore::StringText(const std::string& value) {
  if (quotedBy(value, '"') || quotedBy(value, '\'')) return '"' + value + '"';
  return value;
}

std::optional<int> PropertyStore::IntegerFromText(const std::string& text) { return ParseWholeNumber(text); }

std::optional<bool> PropertyStore::BooleanFromText(const std::string& text) {
  const std::string upper = UpperAscii(text);
  if (upper == "TRUE") return true;
  if (upper == "FALSE") return false;
  return std::nullopt;
}

std::optional<double> PropertyStore::FloatFromText(const std::string& text) {
  const std::string_view number = trimmedBlanks(text);
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::general);
  if (number.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string PropertyStore::PositionText(const std::array<int, 4>& position) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d,%d,%d,%d", position[0], position[1], position[2], position[3]);
  return buffer;
}

std::array<int, 4> PropertyStore::PositionFromText(const std::string& text, const std::array<int, 4>& fallback) {
  std::array<int, 4> position = fallback;
  std::string_view rest = text;
  for (size_t i = 0; i < position.size() && !rest.empty(); ++i) {
    const size_t comma = rest.find(',');
    const std::string_view part = trimmedBlanks(rest.substr(0, comma));
    if (const auto number = ParseWholeNumber(part)) position[i] = *number;
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return position;
}

ShowState PropertyStore::DecodeShowCmd(int showCmd) {
  switch (showCmd) {
    case 1:
    case 5:
    case 9:
      return ShowState::Normal;
    case 2:
    case 6:
    case 7:
      return ShowState::Minimised;
    case 3:
      return ShowState::Maximised;
    default:
      return ShowState::Unchanged;
  }
}

std::string PropertyStore::sizedKey(const std::string& key, int screenWidth, int screenHeight) const {
  return key + "(" + std::to_string(screenWidth) + "x" + std::to_string(screenHeight) + ")";
}

void PropertyStore::savePlacement(const WindowPlacement& placement, int screenWidth, int screenHeight, bool visible) {
  writeInteger(FlagsKey, placement.flags);
  writeInteger(ShowCmdKey, placement.showCmd);
  writeInteger(PixelsPerInchKey, placement.pixelsPerInch);
  for (const auto& [key, position] : {std::pair{MinMaxPosKey, placement.minMaxPos}, std::pair{NormPosKey, placement.normPos}}) {
    const std::string text = PositionText(position);
    writeValue(key, text);
    writeValue(sizedKey(key, screenWidth, screenHeight), text);
  }
  writeValue(VisibleKey, visible ? "1" : "0");
}

std::string PropertyStore::readPosition(const std::string& key, int screenWidth, int screenHeight) const {
  const std::string sized = ini_.readString(section_, sizedKey(key, screenWidth, screenHeight), std::string());
  return sized.empty() ? ini_.readString(section_, key, std::string()) : sized;
}

WindowPlacementRead PropertyStore::restorePlacement(const WindowPlacement& current, int screenWidth, int screenHeight,
                                                    bool restoreState) const {
  WindowPlacementRead read;
  read.flags = readInteger(FlagsKey, current.flags);
  read.minMaxPos = PositionFromText(readPosition(MinMaxPosKey, screenWidth, screenHeight), {0, 0, 0, 0});
  read.normPos = PositionFromText(readPosition(NormPosKey, screenWidth, screenHeight), current.normPos);
  const std::optional<int> storedPixels = IntegerFromText(ini_.readString(section_, PixelsPerInchKey, std::string()));
  read.positionsApply = storedPixels == current.pixelsPerInch;
  if (restoreState) read.showState = DecodeShowCmd(ini_.readInteger(section_, ShowCmdKey, 0));
  return read;
}

std::string PropertyStore::readValue(const std::string& key, const std::string& currentText) const {
  return ini_.readString(section_, key, currentText);
}

void PropertyStore::writeValue(const std::string& key, const std::string& text) {
  ini_.writeString(section_, key, text);
}

int PropertyStore::readInteger(const std::string& key, int current) const {
  return IntegerFromText(readValue(key, IntegerText(current))).value_or(current);
}

bool PropertyStore::readBoolean(const std::string& key, bool current) const {
  return BooleanFromText(readValue(key, BooleanText(current))).value_or(current);
}

double PropertyStore::readFloat(const std::string& key, double current) const {
  return FloatFromText(readValue(key, FloatText(current))).value_or(current);
}

std::string PropertyStore::readString(const std::string& key, const std::string& current) const {
  return readValue(key, current);
}

void PropertyStore::writeInteger(const std::string& key, int value) { writeValue(key, IntegerText(value)); }

void PropertyStore::writeBoolean(const std::string& key, bool value) { writeValue(key, BooleanText(value)); }

void PropertyStore::writeFloat(const std::string& key, double value) { writeValue(key, FloatText(value)); }

void PropertyStore::writeString(const std::string& key, const std::string& value) {
  writeValue(key, StringText(value));
}

std::string PropertyStore::listSection(const std::string& key) const { return section_ + "." + key; }

void PropertyStore::writeStringList(const std::string& key, const std::vector<std::string>& lines) {
  if (lines.empty()) {
    ini_.eraseSection(listSection(key));
    return;
  }
  std::vector<IniFile::KeyValue> pairs;
  pairs.reserve(lines.size() + 1);
  pairs.push_back({"Count", IntegerText(static_cast<int>(lines.size()))});
  for (size_t i = 0; i < lines.size(); ++i) pairs.push_back({"Item" + std::to_string(i), StringText(lines[i])});
  ini_.writeSection(listSection(key), pairs);
}

std::vector<std::string> PropertyStore::readStringList(const std::string& key,
                                                       const std::vector<std::string>& current) const {
  const std::string section = listSection(key);
  if (!ini_.sectionExists(section)) return current;
  std::unordered_map<std::string, std::string> values;
  for (IniFile::KeyValue& pair : ini_.readSection(section)) values.emplace(UpperAscii(pair.key), std::move(pair.value));
  auto valueOf = [&values](const std::string& name) {
    const auto found = values.find(UpperAscii(name));
    return found == values.end() ? std::string() : found->second;
  };
  const int count = IntegerFromText(valueOf("Count")).value_or(0);
  std::vector<std::string> lines;
  for (int i = 0; i < count && i < MaxListItems; ++i) lines.push_back(valueOf("Item" + std::to_string(i)));
  return lines;
}

}  // namespace vl
