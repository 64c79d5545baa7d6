// The program's own folder, its settings file, the setting globals and LoadSettings.
#include "core/settings/settings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <system_error>

#include "core/files/paths.h"
#include "core/settings/ini_file.h"

namespace vl {

bool BeepOnDelete = true;
bool DeleteToRecycleBin = true;
bool ConfirmDeletes = true;
int FuzzFactor = 30;
bool NavigateWithArrows = true;
bool AutoMarkDelete = true;
bool CheckABDrives = false;
bool UseDeletedList = true;
int MarkErrors = 0;
int MarkWidth = 0;
int MarkHeight = 0;
int MarkSize = 5;
int FingerprintJobs = 0;
bool UseFingerprintCache = true;
bool VerifyMatches = false;
bool MatchRotations = false;
bool ModernImageFormats = true;

namespace {

constexpr int MaxFingerprintJobs = 256;  // a damaged settings file must not start a million threads

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
  return UpperAscii(ini.readString("Tfconfigure", key, defaultValue ? "True" : "False")) == "TRUE";
}

int readInteger(const IniFile& ini, const char* key, int defaultValue) {
  return ini.readInteger("Tfconfigure", key, defaultValue);
}

}  // namespace

const std::string& AppDir() { return appPaths().dir; }
const std::string& AppBaseName() { return appPaths().baseName; }
const std::string& AppIniFileName() { return appPaths().iniFileName; }

void ResetAppPaths() { appPaths().dir.clear(); }

void LoadSettings() {
  const IniFile ini(AppIniFileName());
  BeepOnDelete = readBoolean(ini, "cbBeep_Checked", true);
  DeleteToRecycleBin = readBoolean(ini, "cbRecycle_Checked", true);
  ConfirmDeletes = readBoolean(ini, "cbConfirmDelete_Checked", true);
  FuzzFactor = std::min(readInteger(ini, "rxerrors_Value", 30), MaxFuzzFactor);
  NavigateWithArrows = readBoolean(ini, "cbNavArrows_Checked", true);
  AutoMarkDelete = readBoolean(ini, "cbAutoMarkDelete_Checked", true);
  CheckABDrives = readBoolean(ini, "cbCheckabDrives_Checked", false);
  UseDeletedList = readBoolean(ini, "cbUseDeletedList_Checked", true);
  MarkErrors = readInteger(ini, "eMarkErrors_text", 0);
  MarkWidth = readInteger(ini, "eMarkWidth_text", 0);
  MarkHeight = readInteger(ini, "eMarkHeight_text", 0);
  MarkSize = readInteger(ini, "eMarkSize_text", 5);
  FingerprintJobs = std::clamp(readInteger(ini, "FingerprintJobs", 0), 0, MaxFingerprintJobs);
  UseFingerprintCache = readInteger(ini, "UseFingerprintCache", 1) != 0;
  VerifyMatches = readBoolean(ini, "cbVerifyMatches_Checked", false);
  MatchRotations = readBoolean(ini, "cbMatchRotations_Checked", false);
  ModernImageFormats = readBoolean(ini, "cbModernImageFormats_Checked", true);
}

}  // namespace vl
