// Whole-file checksums and byte-for-byte comparison.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace vl {

// Raised when a file exists but cannot be opened or read; what() names the file and the reason.
class FileAccessError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr uint32_t MissingFileCRC = 0xFFFFFFFFu;

// Opens path for reading when it is a regular file, without ever waiting (a FIFO or a
// device is opened non-blocking and refused by its type on the open descriptor). The
// descriptor, or -1 with the reason set. One open and one fstat.
int OpenRegularFile(const std::string& path, std::string& reason);

// Reads a regular file (opened as OpenRegularFile does) into `bytes`, at most
// maxBytes + 1 of them, so that a caller tells a file over its bound by the size;
// false with the reason when it cannot be opened or read. O(min(size, maxBytes)).
bool ReadRegularFile(const std::string& path, size_t maxBytes, std::string& bytes, std::string& reason);

// Every open here is of a regular file only, and never waits: a FIFO, a device or a
// socket counts as a file that cannot be read.

// The standard CRC-32 (zlib's) of the whole file; MissingFileCRC when it does not
// exist. Throws FileAccessError when it exists but cannot be read. O(size), 1 MiB reads.
uint32_t FileCRC32(const std::string& fileName);

// Asked between blocks by the long reads below; true ends the read as a failure.
using StopRequest = std::function<bool()>;

// True when both files exist, have the same size and the same bytes. Files of
// different sizes are never read; reading stops at the first differing block. A file
// that is missing or cannot be opened or read is equal to nothing (false), and so is
// a comparison that `stop` ended.
bool CompareFileContents(const std::string& fileA, const std::string& fileB, const StopRequest& stop = {});

// A 128-bit XXH3 digest of file contents.
struct ContentDigest {
  uint64_t low = 0;
  uint64_t high = 0;
  bool operator==(const ContentDigest&) const = default;
};

// The bytes PrefixDigest covers: enough to tell most different files of one size apart.
constexpr size_t DigestPrefixLength = 4096;

// The digest of the file's first DigestPrefixLength bytes (all of a shorter file);
// false when it cannot be opened or read. O(1) reads.
bool PrefixDigest(const std::string& fileName, ContentDigest& digest);
// The digest of everything after the first DigestPrefixLength bytes, in 1 MiB
// sequential reads; false when it cannot be opened or read, or `stop` ended it. O(size).
bool RestDigest(const std::string& fileName, ContentDigest& digest, const StopRequest& stop = {});

}  // namespace vl
