// The settings-file side of a form's property store: value forms and window placement keys.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/settings/ini_file.h"

namespace vl {

// A window's placement as plain numbers, the way it is stored.
struct WindowPlacement {
  int flags = 0;
  int showCmd = 0;
  int pixelsPerInch = 96;
  std::array<int, 4> minMaxPos{};  // minimised x, minimised y, maximised x, maximised y
  std::array<int, 4> normPos{};    // left, top, right, bottom of the normal rectangle
};

// The show state a stored "ShowCmd" asks for.
enum class ShowState { Unchanged, Normal, Minimised, Maximised };

// What restorePlacement found. The positions are to be applied only when
// positionsApply is set; showState is Unchanged when the state is not restored.
struct WindowPlacementRead {
  int flags = 0;
  bool positionsApply = false;
  std::array<int, 4> minMaxPos{};
  std::array<int, 4> normPos{};
  ShowState showState = ShowState::Unchanged;
};

// Reads and writes the keys of one form's section of a settings file; each key is one
// profile read or write (O(file size)). Writes throw IniWriteError; a caller that
// saves several keys thereby skips the rest of its save at the first failure.
class PropertyStore {
 public:
  PropertyStore(std::string iniFileName, std::string section);

  const std::string& section() const { return section_; }
  const IniFile& iniFile() const { return ini_; }
  // The writes between these go to the file in one rewrite (see IniFile::beginBatch).
  void beginBatch() { ini_.beginBatch(); }
  void commitBatch() { ini_.commitBatch(); }

  // Writes "Flags", "ShowCmd", "PixelsPerInch", then "MinMaxPos" and "NormPos" as
  // "%d,%d,%d,%d", each under the plain key and under the key followed by
  // "(<screenWidth>x<screenHeight>)", and last "Visible" as "1" or "0".
  void savePlacement(const WindowPlacement& placement, int screenWidth, int screenHeight, bool visible);
  // Reads the placement against the form's current one. "Flags" defaults to the
  // current flags. "MinMaxPos" and "NormPos" are read under the screen-size key, then
  // under the plain key when that is absent or empty; a missing or invalid number gives
  // 0 in "MinMaxPos" and the current edge in "NormPos". The positions apply only when
  // a stored "PixelsPerInch" equals currentPixelsPerInch. With restoreState, "ShowCmd"
  // (default 0) is decoded by DecodeShowCmd.
  WindowPlacementRead restorePlacement(const WindowPlacement& current, int screenWidth, int screenHeight,
                                       bool restoreState) const;

  // The stored text of a property key, or currentText when the key is missing.
  std::string readValue(const std::string& key, const std::string& currentText) const;
  // Writes the text as it stands (use the value-form converters below first).
  void writeValue(const std::string& key, const std::string& text);

  // Typed reads: the stored value when it is valid in its form, else the current one.
  int readInteger(const std::string& key, int current) const;
  bool readBoolean(const std::string& key, bool current) const;
  double readFloat(const std::string& key, double current) const;
  std::string readString(const std::string& key, const std::string& current) const;
  // Typed writes in the value forms below.
  void writeInteger(const std::string& key, int value);
  void writeBoolean(const std::string& key, bool value);
  void writeFloat(const std::string& key, double value);
  void writeString(const std::string& key, const std::string& value);

  // A string list lives in section "<section>.<key>": it is erased on every save, then
  // an empty list writes nothing more, else "Count" and "Item0", "Item1", ... follow.
  // One rewrite of the file for the whole list.
  void writeStringList(const std::string& key, const std::vector<std::string>& lines);
  // The stored list ("Count" items, a missing item read as empty; at most
  // MaxListItems), or current when the list's section is missing. One read.
  std::vector<std::string> readStringList(const std::string& key, const std::vector<std::string>& current) const;

  static constexpr int MaxListItems = 100000;

  // Value forms: decimal text; "True"/"False"; general format with "." and no point
  // for whole numbers (at most 15 significant digits, exponents as "e+20"); a string that begins and ends
  // with a double quote, or with a single quote, wrapped in one more pair of double
  // quotes so that the profile reader's quote stripping gives it back unchanged.
  static std::string IntegerText(int value);
  static std::string BooleanText(bool value);
  static std::string FloatText(double value);
  static std::string StringText(const std::string& value);
  // Reverse forms; nothing when the text is not valid. Booleans ignore letter case.
  static std::optional<int> IntegerFromText(const std::string& text);
  static std::optional<bool> BooleanFromText(const std::string& text);
  static std::optional<double> FloatFromText(const std::string& text);

  // "%d,%d,%d,%d" of the four numbers.
  static std::string PositionText(const std::array<int, 4>& position);
  // The four comma-separated numbers of text; a missing or invalid one is taken from
  // fallback.
  static std::array<int, 4> PositionFromText(const std::string& text, const std::array<int, 4>& fallback);
  // 1, 5 and 9 normal; 2, 6 and 7 minimised; 3 maximised; anything else unchanged.
  static ShowState DecodeShowCmd(int showCmd);

 private:
  std::string sizedKey(const std::string& key, int screenWidth, int screenHeight) const;
  std::string readPosition(const std::string& key, int screenWidth, int screenHeight) const;
  std::string listSection(const std::string& key) const;

  IniFile ini_;
  std::string section_;
};

}  // namespace vl
