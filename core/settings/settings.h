// The program's own folder, its settings file, and the settings read from it.
#pragma once

#include <functional>
#include <string>

namespace vl {

// The folder for the program's own files, ending in "/": VELLORAN_APPDIR when set,
// else the program file's folder when a settings file already lies there (a portable
// copy), else $XDG_CONFIG_HOME/velloran/ (default ~/.config/velloran/, created when
// missing). Computed once.
const std::string& AppDir();
// The choice AppDir makes: `overridden` when not empty, else `programFolder` when it
// holds velloran.ini, else what `userFolder` returns (called only then). One stat.
std::string ChooseAppDir(const std::string& overridden, const std::string& programFolder,
                         const std::function<std::string()>& userFolder);
// "velloran" for both programs.
const std::string& AppBaseName();
// AppDir() + "velloran.ini".
const std::string& AppIniFileName();
// Recomputes the three names (tests change VELLORAN_APPDIR between cases).
void ResetAppPaths();

// The section of the configure dialog's settings, and the key of VerifyMatches.
inline constexpr const char* SettingsSection = "Tfconfigure";
inline constexpr const char* VerifyMatchesKey = "cbVerifyMatches_Checked";

// The settings of section "Tfconfigure" as one value; the defaults are those a
// missing key gives (a missing settings file gives NewFileSettings). Values are kept
// as read: a request built from them bounds what it uses (ScanRequest::validated,
// ResolveJobs).
struct Settings {
  bool beepOnDelete = true;
  bool deleteToRecycleBin = true;
  bool confirmDeletes = true;
  int fuzzFactor = 30;
  bool navigateWithArrows = true;
  bool autoMarkDelete = true;
  bool checkABDrives = false;
  bool useDeletedList = true;
  int markErrors = 0;
  int markWidth = 0;
  int markHeight = 0;
  int markSize = 5;
  int fingerprintJobs = 0;          // fingerprinting threads; 0 = hardware threads
  bool useFingerprintCache = true;  // keep fingerprints between scans
  // Picture pairs within the fuzz factor are confirmed by their signatures. Off in a
  // file without the key: files written before verified matching came first keep
  // the classic matcher they had.
  bool verifyMatches = false;
  bool matchRotations = false;      // pictures are also compared turned and mirrored
  // PNG, TIFF, WebP, HEIF, AVIF, JPEG XL and camera raw files count as pictures besides the classic types
  // (key cbModernImageFormats_Checked).
  bool modernImageFormats = true;

  bool operator==(const Settings&) const = default;
};

// The settings a new user starts with: the defaults above with verified matching on
// (at the default fuzz factor, 30).
Settings NewFileSettings();

// Reads the settings from a settings file: a Boolean key is true exactly when its
// text is "true" in any letter case, an integer key that is not a whole number
// gives its default, and so does a missing key; a missing file gives
// NewFileSettings. One stat and one read of the file.
Settings LoadSettings(const std::string& iniFileName = AppIniFileName());

// Creates a settings file that does not exist yet holding the keys whose new-user
// values differ from a missing key's (cbVerifyMatches_Checked), so that they stay
// once other settings are written. False, writing nothing, when the file exists.
// One stat and at most one write; throws IniWriteError when it cannot be written.
bool CreateSettingsFile(const std::string& iniFileName = AppIniFileName());

}  // namespace vl
