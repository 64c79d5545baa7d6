// Whole-file checksums and byte-for-byte comparison.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vl {

// Raised when a file exists but cannot be opened or read; what() names the file and the reason.
class FileAccessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr uint32_t MissingFileCRC = 0xFFFFFFFFu;

// The standard CRC-32 (zlib's) of the whole file; MissingFileCRC when it does not
// exist. Throws FileAccessError when it exists but cannot be read. O(size), 1 MiB reads.
uint32_t FileCRC32(const std::string& fileName);

// True when both files exist, have the same size and the same bytes. Files of
// different sizes are never read; reading stops at the first differing block. A file
// that is missing or cannot be opened or read is equal to nothing (false).
bool CompareFileContents(const std::string& fileA, const std::string& fileB);

}  // namespace vl
