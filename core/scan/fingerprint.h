// Loading a picture and computing its 100-byte fingerprint, width and height.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/scan/scan_entry.h"

namespace vl {

// The picture type, chosen by the file extension alone (without regard to case).
enum class PictureType { None, Bmp, Jpeg, Gif, Icon, Metafile };
PictureType PictureTypeOf(const std::string& fileName);

// Loads the picture at fileName and computes its fingerprint and full-size width and
// height. False when it cannot be loaded or converted (the outputs are then not
// valid). Deterministic bit for bit on every machine; thread-safe (each thread
// reuses its own decoding buffers).
bool MakeFingerprint(const std::string& fileName, TFingerprint& fingerprint, int32_t& width, int32_t& height);

// The same on picture data already in memory, of the given type.
bool MakeFingerprintFromMemory(const uint8_t* data, size_t size, PictureType type, TFingerprint& fingerprint,
                               int32_t& width, int32_t& height);

}  // namespace vl
