// One file taking part in a scan or a database build, its fingerprint, and scan lists.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/dir_listing.h"
#include "core/fingerprint/picture_signature.h"

namespace vl {

constexpr int GridWidth = 10;
constexpr int GridHeight = 10;
constexpr size_t FingerprintSize = GridWidth * GridHeight;
constexpr size_t MaxPathLength = 255;   // the path bytes a database or results record holds
constexpr size_t MaxVolumeLength = 13;

// A 10 x 10 grid of tone codes 0 (lightest quarter) to 3 (darkest), column-major:
// byte x * 10 + y holds column x, row y.
using TFingerprint = std::array<uint8_t, FingerprintSize>;

// One file: as gathered from a folder (Width/Height -1, no fingerprint) or as
// read from a database (with dimensions and a fingerprint copy).
struct TScanEntry {
  uint8_t Excluded = 0;
  std::string Path;    // the full path (a database record holds at most MaxPathLength bytes)
  std::string Volume;  // at most MaxVolumeLength bytes
  int32_t Size = 0;    // low 32 bits of the file size
  double FileDate = 0; // local date-time: days since 30 December 1899
  int32_t Width = -1;
  int32_t Height = -1;
  std::unique_ptr<TFingerprint> Fingerprint;
  // The classic fingerprint of the picture as stored, when a verifying scan paired it
  // by another grid: what remembered not-duplicate pairs are known by.
  std::unique_ptr<TFingerprint> ClassicFingerprint;
  // The picture signature of the picture as shown, when a verifying scan read it (never from a record).
  std::optional<PictureSignature> Signature;
  int64_t FullSize = -1;  // the whole size of a file read from disk; -1 for a record
  FileIdentity Identity;  // the file reached, when known (not for records of absent volumes)

  // The size pairings compare: the whole size of a file read from disk, the stored
  // 32-bit value (taken as unsigned) of a record.
  int64_t ComparedSize() const { return FullSize >= 0 ? FullSize : int64_t(uint32_t(Size)); }
};

// True when two entries reach the same file: the same path, or the same known
// identity (hard links, a folder reached twice). Such entries are never duplicates.
bool SameFile(const TScanEntry& a, const TScanEntry& b);

// An ordered list that owns its entries (and so their fingerprints).
using ScanList = std::vector<std::unique_ptr<TScanEntry>>;

// Frees every entry of the list and empties it.
void FreeScanList(ScanList& list);

// The classic picture extensions, and the same followed by the newer picture types.
inline constexpr std::string_view ClassicImageMasks = "*.JPG;*.JPEG;*.GIF;*.BMP;*.ICO;*.EMF;*.WMF";
inline constexpr std::string_view ModernImageMasks =
    "*.JPG;*.JPEG;*.GIF;*.BMP;*.ICO;*.EMF;*.WMF;*.PNG;*.TIF;*.TIFF;*.WEBP;*.HEIC;*.HEIF;*.AVIF;*.JXL;"
    "*.DNG;*.CR2;*.CR3;*.NEF;*.ARW;*.ORF;*.RW2;*.RAF;*.PEF";

// The picture extensions the image passes treat as pictures: ModernImageMasks with
// `modernTypes` (the setting "Also compare newer picture types": PNG, TIFF, WebP,
// HEIF, AVIF, JPEG XL and camera raw), else ClassicImageMasks.
std::string_view ImageMasks(bool modernTypes);

// The mask of the "Image Files" filter: ImageMasks(modernTypes) in lower case.
std::string ImageFilesMask(bool modernTypes);

// True when the upper-cased extension of Path (dot included) occurs in ImageMasks(modernTypes).
bool IsPictureName(std::string_view path, bool modernTypes);

// Cuts a text to at most `limit` bytes.
std::string CutText(std::string_view text, size_t limit);

}  // namespace vl
