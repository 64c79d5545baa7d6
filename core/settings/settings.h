// The program's own folder, its settings file, and the setting globals.
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

// The setting globals, all from section "Tfconfigure".
extern bool BeepOnDelete;
extern bool DeleteToRecycleBin;
extern bool ConfirmDeletes;
extern int FuzzFactor;
// The largest fuzz factor that means anything: an error count never exceeds 400
// (100 cells, a difference of 3 counting 4); larger values are cut to it.
constexpr int MaxFuzzFactor = 400;
extern bool NavigateWithArrows;
extern bool AutoMarkDelete;
extern bool CheckABDrives;
extern bool UseDeletedList;
extern int MarkErrors;
extern int MarkWidth;
extern int MarkHeight;
extern int MarkSize;
extern int FingerprintJobs;       // fingerprinting threads; 0 = hardware threads
extern bool UseFingerprintCache;  // keep fingerprints between scans
extern bool VerifyMatches;        // picture pairs within the fuzz factor are confirmed by their signatures
extern bool MatchRotations;       // pictures are also compared turned and mirrored
// PNG, TIFF, WebP, HEIF and AVIF files count as pictures besides the classic
// types (key cbModernImageFormats_Checked); on when the settings file lacks the key.
extern bool ModernImageFormats;

// Fills the setting globals from the settings file (defaults for missing keys).
void LoadSettings();

}  // namespace vl
