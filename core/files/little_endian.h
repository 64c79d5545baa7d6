// Little-endian field access for on-disk records, independent of the host's byte order.
#pragma once

#include <bit>
#include <cstdint>

namespace vl {

inline void PutLE16(uint8_t* at, uint16_t value) {
  at[0] = static_cast<uint8_t>(value);
  at[1] = static_cast<uint8_t>(value >> 8);
}

inline uint16_t GetLE16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

inline void PutLE32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint32_t GetLE32(const uint8_t* at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= uint32_t{at[i]} << (8 * i);
  return value;
}

inline void PutLE64(uint8_t* at, uint64_t value) {
  for (int i = 0; i < 8; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint64_t GetLE64(const uint8_t* at) {
  uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= uint64_t{at[i]} << (8 * i);
  return value;
}

// An IEEE-754 double stored as its 8 bytes, least significant first.
inline void PutLEDouble(uint8_t* at, double value) { PutLE64(at, std::bit_cast<uint64_t>(value)); }
inline double GetLEDouble(const uint8_t* at) { return std::bit_cast<double>(GetLE64(at)); }

}  // namespace vl
