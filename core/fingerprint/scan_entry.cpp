// Scan-list helpers shared by the scan and the database operations.
#include "core/fingerprint/scan_entry.h"

#include <algorithm>

#include "core/files/paths.h"

namespace vl {

void FreeScanList(ScanList& list) { list.clear(); }

bool SameFile(const TScanEntry& a, const TScanEntry& b) {
  return a.Path == b.Path || (a.Identity.known() && a.Identity == b.Identity);
}

std::string_view ImageMasks(bool modernTypes) { return modernTypes ? ModernImageMasks : ClassicImageMasks; }

std::string ImageFilesMask(bool modernTypes) {
  std::string mask(ImageMasks(modernTypes));
  std::transform(mask.begin(), mask.end(), mask.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
  return mask;
}

bool IsPictureName(std::string_view path, bool modernTypes) {
  // Whole mask items only: ".J" is a prefix of "*.JPG" but no picture extension.
  const std::string ext = UpperAscii(ExtensionOf(path));
  return !ext.empty() && (std::string(ImageMasks(modernTypes)) + ";").find("*" + ext + ";") != std::string::npos;
}

std::string CutText(std::string_view text, size_t limit) {
  return std::string(text.substr(0, limit));
}

}  // namespace vl
