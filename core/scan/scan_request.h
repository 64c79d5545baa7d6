// What a scan is asked to do, as one value built by the window or the command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/results/mark_rules.h"
#include "core/scan/marking.h"
#include "core/scan/scan_mode.h"
#include "core/settings/settings.h"

namespace vl {

// What becomes of the compare files the deleted-file list matches. The scan itself
// never removes them: it leaves them out and hands them back, and the caller acts
// on them by this choice (ActOnDeletedMatches).
enum class DeletedListConsent {
  Ask,         // the user is asked, listing them (the window)
  Given,       // the user agreed beforehand (velloran-cli scan --use-deleted-list)
  ReportOnly,  // each is named and none removed (the setting alone on the command line)
};

// Everything a scan needs. The entries are folders (each taken without its subfolders
// unless `subfolders` is set) and image database files.
struct ScanRequest {
  ScanMode mode = ScanMode::Images;
  std::string mask = "*.*";  // "*.jpg;*.gif": the extensions that are gathered; "*.*" every file
  std::vector<std::string> baseEntries;
  std::vector<std::string> compareEntries;
  bool subfolders = false;  // every folder below a folder entry joins the list
  int fuzzFactor = 30;
  bool verifyMatches = false;
  bool matchRotations = false;
  bool modernImageFormats = true;  // PNG, TIFF, WebP, HEIF, AVIF, JPEG XL and raw files are pictures too
  bool checkABDrives = false;      // floppy drives take part in the volume table
  bool useDeletedList = false;     // compare files the deleted-file list matches are left out and handed back
  DeletedListConsent deletedListConsent = DeletedListConsent::Ask;
  bool recycle = true;  // matched files the user agrees to remove go to the trash (else are deleted for good)
  AutoMarkRule autoMark;
  std::optional<MarkRule> keepRule;  // applied to a completed scan's groups after the auto-mark
  std::string notDuplicatesFile;     // the not-duplicate list whose pairs an image scan leaves out; "" none
  int jobs = 0;                      // fingerprinting and pairing threads; 0 = hardware threads
  bool useCache = true;              // the persistent fingerprint cache
  bool reference = false;            // the plain pairing loops (for checking and benchmarks)
};

// A request carrying the settings' choices: fuzz factor, verification, rotations,
// picture types, floppies, the deleted-file list and where its matches go, the
// auto-mark thresholds, threads and the cache. The rest keeps its defaults.
ScanRequest ScanRequestFromSettings(const Settings& settings);

// The one place a request is checked and bounded: a negative fuzz factor or job
// count gives the reason it cannot run; a fuzz factor above MaxFuzzFactor is cut to
// it (threads are bounded by ResolveJobs). "" when the request can run.
std::string ValidateScanRequest(ScanRequest& request);

}  // namespace vl
