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
// Heif stands for ".heic", ".heif" and ".avif", Tiff for ".tif" and ".tiff".
enum class PictureType { None, Bmp, Jpeg, Gif, Icon, Metafile, Png, Tiff, Webp, Heif };
PictureType PictureTypeOf(const std::string& fileName);

// True for the types MakeFingerprint decodes (all but None, Icon and Metafile).
bool IsDecodedType(PictureType type);

// Decodes a PNG, TIFF, WebP or HEIF/AVIF picture at full size into `bitmap`
// (0x00RRGGBB, alpha over white); false for other types and on failure. O(file size + pixels).
bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, WorkBitmap& bitmap);
// The same into a sink, stopping when the control says so.
bool DecodeFullColour(const uint8_t* data, size_t size, PictureType type, PixelSink& sink,
                      const DecodeControl& control);

// What MakeFingerprint gave for one picture.
struct FingerprintOutcome {
  bool ok = false;
  TFingerprint fingerprint{};
  int32_t width = -1;
  int32_t height = -1;
  bool unreadable = false;  // the file could not be opened or read (not: no picture)
  bool cancelled = false;   // the cancel flag stopped the decode: nothing is known of the picture
  std::optional<PictureSignature> signature;  // when asked for, from the same decode
};

// Loads the picture at fileName (one read of the whole file) and computes its
// fingerprint and full-size width and height. False when it cannot be read, decoded
// or converted, and for icons and metafiles (the outputs are then not valid);
// `unreadable`, when given, tells whether the file could not be opened or read.
// Deterministic bit for bit on every machine; thread-safe (each thread reuses its
// own file and bitmap buffers). O(file size + decoded pixels). `signature`, when
// given, receives the picture signature of the same decode.
// The file and the decoding hold their memory from the control's budget, waiting
// for it when other decodes hold too much. A picture larger than the control's
// wholePixels is decoded twice, keeping only the rows and columns the border cut
// reads and then the rows the fingerprint samples: the same fingerprint in far less
// memory. A set cancel flag makes the call fail soon (at the next row or block).
bool MakeFingerprint(const std::string& fileName, TFingerprint& fingerprint, int32_t& width, int32_t& height,
                     bool* unreadable = nullptr, PictureSignature* signature = nullptr,
                     const DecodeControl& control = {});

// The same on picture data already in memory, of the given type. Never throws.
bool MakeFingerprintFromMemory(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint,
                               int32_t& width, int32_t& height, PictureSignature* signature = nullptr,
                               const DecodeControl& control = {});

// The fingerprint of a decoded working bitmap: the corner test, the border cut with
// its confirmation, the 10 x 10 point sample and the four tone codes. O(W + H).
TFingerprint FingerprintOfBitmap(const WorkBitmap& bitmap);

// The signature of the part of a decoded bitmap that its fingerprint samples (what
// the border cut leaves). O(W + H).
PictureSignature SignatureOfSampledPart(const WorkBitmap& bitmap);

}  // namespace vl
