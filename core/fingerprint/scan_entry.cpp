// Scan-list helpers shared by the scan and the database operations.
#include "core/fingerprint/scan_entry.h"

#include "core/files/paths.h"

namespace vl {

void FreeScanList(ScanList& list) { list.clear(); }

bool SameFile(const TScanEntry& a, const TScanEntry& b) {
  return a.Path == b.Path || (a.Identity.known() && a.Identity == b.Identity);
}

bool IsPictureName(std::string_view path) {
  const std::string ext = UpperAscii(ExtensionOf(path));
  return !ext.empty() && ImageMasks.find(ext) != std::string_view::npos;
}

std::string CutText(std::string_view text, size_t limit) {
  return std::string(text.substr(0, limit));
}

}  // namespace vl
