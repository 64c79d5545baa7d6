// Scan-list helpers shared by the scan and the database operations.
#include "core/fingerprint/scan_entry.h"

#include <algorithm>

#include "core/files/paths.h"
#include "core/settings/settings.h"

namespace vl {

void FreeScanList(ScanList& list) { list.clear(); }

bool SameFile(const TScanEntry& a, const TScanEntry& b) {
  return a.Path == b.Path || (a.Identity.known() && a.Identity == b.Identity);
}

std::string_view ImageMasks() { return ModernImageFormats ? ModernImageMasks : ClassicImageMasks; }

std::string ImageFilesMask() {
  std::string mask(ImageMasks());
  std::transform(mask.begin(), mask.end(), mask.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
  return mask;
}

bool IsPictureName(std::string_view path) {
  const std::string ext = UpperAscii(ExtensionOf(path));
  return !ext.empty() && ImageMasks().find(ext) != std::string_view::npos;
}

std::string CutText(std::string_view text, size_t limit) {
  return std::string(text.substr(0, limit));
}

}  // namespace vl
