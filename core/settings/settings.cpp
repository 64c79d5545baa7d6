// The program's own folder, its settings file and reading the settings from it.
#include "core/settings/settings.h"

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

#include "core/files/paths.h"
#include "core/settings/ini_file.h"

namespace vl {

namespace {

struct AppPaths {
  std::string dir;
  std::string baseName = "velloran";
  std::string iniFileName;
};

std::string environmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The folder of the running program file, or empty when it cannot be found.
std::string programFolder() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return AddSlash(exe.parent_path().string());
}

// $XDG_CONFIG_HOME/velloran/ (default ~/.config/velloran/), created here so that
// every writer of the program's own files finds it.
std::string userConfigFolder() {
  std::string base = environmentText("XDG_CONFIG_HOME");
  if (base.empty() || base[0] != '/') base = AddSlash(environmentText("HOME")) + ".config";
  std::string folder = AddSlash(base) + "velloran/";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return folder;
}

}  // namespace

std::string ChooseAppDir(const std::string& overridden, const std::string& programFolder,
                         const std::function<std::string()>& userFolder) {
  if (!overridden.empty()) return AddSlash(overridden);
  if (!programFolder.empty()) {
    const std::string own = AddSlash(programFolder);
    std::error_code error;
    if (std::filesystem::is_regular_file(own + "velloran.ini", error)) return own;
  }
  return userFolder();
}

namespace {

std::string computeAppDir() {
  return ChooseAppDir(environmentText("VELLORAN_APPDIR"), programFolder(), userConfigFolder);
}

AppPaths& appPaths() {
  static AppPaths paths;
  if (paths.dir.empty()) {
    paths.dir = computeAppDir();
    paths.iniFileName = paths.dir + paths.baseName + ".ini";
  }
  return paths;
}

bool readBoolean(const IniFile& ini, const char* key, bool defaultValue) {
  return UpperAscii(ini.readString(SettingsSection, key, defaultValue ? "True" : "False")) == "TRUE";
}

int readInteger(const IniFile& ini, const char* key, int defaultValue) {
  return ini.readInteger(SettingsSection, key, defaultValue);
}

}  // namespace

const std::string& AppDir() { return appPaths().dir; }
const std::string& AppBaseName() { return appPaths().baseName; }
const std::string& AppIniFileName() { return appPaths().iniFileName; }

void ResetAppPaths() { appPaths().dir.clear(); }

Settings NewFileSettings() {
  Settings settings;
  settings.verifyMatches = true;
  return settings;
}

Settings LoadSettings(const std::string& iniFileName) {
  if (!FileExists(iniFileName)) return NewFileSettings();
  const IniFile ini(iniFileName);
  const Settings defaults;
  Settings settings;
  settings.beepOnDelete = readBoolean(ini, "cbBeep_Checked", defaults.beepOnDelete);
  settings.deleteToRecycleBin = readBoolean(ini, "cbRecycle_Checked", defaults.deleteToRecycleBin);
  settings.confirmDeletes = readBoolean(ini, "cbConfirmDelete_Checked", defaults.confirmDeletes);
  settings.fuzzFactor = readInteger(ini, "rxerrors_Value", defaults.fuzzFactor);
  settings.navigateWithArrows = readBoolean(ini, "cbNavArrows_Checked", defaults.navigateWithArrows);
  settings.autoMarkDelete = readBoolean(ini, "cbAutoMarkDelete_Checked", defaults.autoMarkDelete);
  settings.checkABDrives = readBoolean(ini, "cbCheckabDrives_Checked", defaults.checkABDrives);
  settings.useDeletedList = readBoolean(ini, "cbUseDeletedList_Checked", defaults.useDeletedList);
  settings.markErrors = readInteger(ini, "eMarkErrors_text", defaults.markErrors);
  settings.markWidth = readInteger(ini, "eMarkWidth_text", defaults.markWidth);
  settings.markHeight = readInteger(ini, "eMarkHeight_text", defaults.markHeight);
  settings.markSize = readInteger(ini, "eMarkSize_text", defaults.markSize);
  settings.fingerprintJobs = readInteger(ini, "FingerprintJobs", defaults.fingerprintJobs);
  settings.useFingerprintCache = readInteger(ini, "UseFingerprintCache", defaults.useFingerprintCache ? 1 : 0) != 0;
  settings.verifyMatches = readBoolean(ini, VerifyMatchesKey, defaults.verifyMatches);
  settings.matchRotations = readBoolean(ini, "cbMatchRotations_Checked", defaults.matchRotations);
  settings.modernImageFormats = readBoolean(ini, "cbModernImageFormats_Checked", defaults.modernImageFormats);
  return settings;
}

bool CreateSettingsFile(const std::string& iniFileName) {
  if (FileExists(iniFileName)) return false;
  const bool verify = NewFileSettings().verifyMatches;
  IniFile(iniFileName).writeString(SettingsSection, VerifyMatchesKey, verify ? "True" : "False");
  return true;
}

}  // namespace vl
