// Size, CRC-32 and XXH3-128 of a regular file's whole contents, read once through one descriptor.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/files/file_checks.h"

namespace vl {

// What one read of a file gives: its size, CRC-32 (as FileCRC32), XXH3-128 digest,
// and the device and inode it was read from.
struct ContentSums {
  uint64_t size = 0;
  uint32_t crc = 0;
  ContentDigest digest;
  dev_t device = 0;
  ino_t inode = 0;
};

// Opens the path without blocking (a FIFO or device never holds the caller up) and
// reads it once, in 1 MiB blocks. nullopt when it does not exist or is no regular
// file (checked on the open descriptor). Throws FileAccessError, naming the file and
// the reason, when it exists but cannot be opened or read. O(size).
std::optional<ContentSums> ReadContentSums(const std::string& path);

// Reads the open file from its offset to its end into the size, CRC-32 and digest
// of sums (device and inode are the caller's), appending its bytes to `keep` when
// given. 0, or the errno of the read that failed. O(size), 1 MiB reads.
int ReadOpenFileSums(int fd, ContentSums& sums, std::vector<uint8_t>* keep = nullptr);

// True when the path still names the file the sums were read from: the same device,
// inode and size. One stat.
bool IsSameFile(const std::string& path, const ContentSums& sums);

}  // namespace vl
