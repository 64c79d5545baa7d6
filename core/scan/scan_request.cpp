// Building a scan request from the settings, and bounding it.
#include "core/scan/scan_request.h"

#include <algorithm>

#include "core/scan/pairing.h"

namespace vl {

ScanRequest ScanRequestFromSettings(const Settings& settings) {
  ScanRequest request;
  request.fuzzFactor = settings.fuzzFactor;
  request.verifyMatches = settings.verifyMatches;
  request.matchRotations = settings.matchRotations;
  request.modernImageFormats = settings.modernImageFormats;
  request.checkABDrives = settings.checkABDrives;
  request.useDeletedList = settings.useDeletedList;
  request.recycle = settings.deleteToRecycleBin;
  request.autoMark = {settings.autoMarkDelete, settings.markErrors, settings.markWidth, settings.markHeight,
                      settings.markSize};
  request.jobs = settings.fingerprintJobs;
  request.useCache = settings.useFingerprintCache;
  return request;
}

std::string ValidateScanRequest(ScanRequest& request) {
  if (request.fuzzFactor < 0) return "the fuzz factor must not be negative";
  if (request.jobs < 0) return "the number of threads (jobs) must not be negative";
  request.fuzzFactor = std::min(request.fuzzFactor, MaxFuzzFactor);
  return "";
}

}  // namespace vl
