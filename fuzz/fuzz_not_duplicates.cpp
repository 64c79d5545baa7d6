// Fuzz target: reading the list of pairs remembered as not duplicates from file bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/scan/not_duplicates.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<vl::NotDuplicatePair> pairs;
  std::string reason;
  if (!vl::ParseNotDuplicates(std::string(reinterpret_cast<const char*>(data), size), pairs, reason)) {
    if (!pairs.empty() || reason.empty()) __builtin_trap();  // damage gives a reason and no pairs
    return 0;
  }
  // What was read must be exactly what writing it gives.
  if (vl::EncodeNotDuplicates(pairs) != std::string(reinterpret_cast<const char*>(data), size)) __builtin_trap();
  return 0;
}
