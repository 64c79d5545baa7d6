// Loading a picture and computing its 100-byte fingerprint, width and height.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/fingerprint/decode_control.h"
#include "core/fingerprint/pixel_sink.h"
#include "core/fingerprint/scan_entry.h"
#include "core/fingerprint/signature.h"
#include "core/fingerprint/work_bitmap.h"

namespace vl {

// Files larger than this are not read as pictures.
constexpr uint64_t MaxPictureFileBytes = uint64_t(1) << 31;

// The picture type, chosen by the file extension alone (without regard to case):
// Heif stands for ".heic", ".heif" and ".avif", Tiff for ".tif" and ".tiff", Raw for
// the camera raw files (".dng", ".cr2", ".cr3", ".nef", ".arw", ".orf", ".rw2", ".raf", ".pef").
enum class PictureType { None, Bmp, Jpeg, Gif, Icon, Metafile, Png, Tiff, Webp, Heif, Jxl, Raw };
PictureType PictureTypeOf(const std::string& fileName);

// True for the types MakeFingerprint decodes (all but None, Icon and Metafile).
bool IsDecodedType(PictureType type);

// Decodes a PNG, TIFF, WebP, HEIF/AVIF or JPEG XL picture at full size into `bitmap`
// (0x00RRGGBB, alpha over white); false for other types and on failure. O(file size + pixels).
bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, WorkBitmap& bitmap);
// The same into a sink, stopping when the control says so.
bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, PixelSink& sink,
                      const DecodeControl& control);

// What a verifying read measures besides the fingerprint, on the picture as stored:
// the verified grid, the signature, and the turn its orientation tag asks for.
struct VerifiedPrint {
  TFingerprint grid{};
  PictureSignature signature;
  int orientation = 0;  // 0 to 7 (OrientGrid): turns the stored picture into the one shown

  // The grid and signature of the picture as shown. O(100).
  TFingerprint uprightGrid() const { return OrientGrid(grid, orientation); }
  PictureSignature uprightSignature() const { return OrientSignature(signature, orientation); }
  bool operator==(const VerifiedPrint&) const = default;
};

// What MakeFingerprint gave for one picture.
struct FingerprintOutcome {
  bool ok = false;
  TFingerprint fingerprint{};
  int32_t width = -1;
  int32_t height = -1;
  bool unreadable = false;  // the file could not be opened or read (not: no picture)
  bool cancelled = false;   // the cancel flag stopped the decode: nothing is known of the picture
  std::optional<VerifiedPrint> verified;  // when asked for, from the same decode
};

// Loads the picture at fileName (one read of the whole file) and computes its
// fingerprint and full-size width and height. False when it cannot be read, decoded
// or converted, and for icons and metafiles (the outputs are then not valid);
// `unreadable`, when given, tells whether the file could not be opened or read.
// Deterministic bit for bit on every machine; thread-safe (each thread reuses its
// own file and bitmap buffers). O(file size + decoded pixels). `verified`, when
// given, receives the verified grid and signature of the same decode (a colour JPEG
// is then decoded with its chroma, the fingerprint staying the same) and the turn
// the orientation tag of a JPEG or TIFF, or libraw for a raw file, asks for. A raw
// file is fingerprinted on its embedded preview when that is large enough (a JPEG
// one as a JPEG file is), else on a half-size decode; its width and height are those
// of the camera's developed picture.
// The file and the decoding hold their memory from the control's budget, waiting
// for it when other decodes hold too much. A picture larger than the control's
// wholePixels is decoded twice, keeping only the rows and columns the border cut
// reads and then the rows the fingerprint and print sample: the same fingerprint and
// print in far less memory. A set cancel flag makes the call fail soon (at the next
// row or block).
bool MakeFingerprint(const std::string& fileName, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                     bool* unreadable = nullptr, VerifiedPrint* verified = nullptr,
                     const DecodeControl& control = {});

// The same on picture data already in memory, of the given type. Never throws.
bool MakeFingerprintFromMemory(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint,
                               int32_t& width, int32_t& height, VerifiedPrint* verified = nullptr,
                               const DecodeControl& control = {});

// The fingerprint of a decoded working bitmap: the corner test, the border cut with
// its confirmation, the 10 x 10 point sample and the four tone codes. O(W + H).
TFingerprint FingerprintOfBitmap(const WorkBitmap& bitmap);

// The verified grid and signature of the part of a decoded bitmap that its
// fingerprint samples (what the border cut leaves, unless that is less than a
// quarter of a side); orientation 0. The shares tell how much of a pixel's width
// the last column and row stand for (SignatureOfBitmap). O(min(pixels, 512 x 512) + W + H).
VerifiedPrint VerifiedPrintOfBitmap(const WorkBitmap& bitmap, double lastColumnShare = 1.0, double lastRowShare = 1.0);

// Replaces 100 inverted grey values (0 to 255) by tone codes 0 (lightest quarter of
// their range) to 3 (darkest), around their mean. O(100).
void ToneCodes(TFingerprint& greys);

}  // namespace vl
