// Whole-file checksums, content digests and byte-for-byte comparison.
#include "core/files/file_checks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace vl {

namespace {

constexpr size_t CrcBlockSize = 1 << 20;
constexpr size_t CompareBlockSize = 64 << 10;

}  // namespace

int OpenRegularFile(const std::string& path, std::string& reason) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    reason = std::strerror(errno);
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  reason = "not a regular file";
  ::close(fd);
  return -1;
}

bool ReadRegularFile(const std::string& path, size_t maxBytes, std::string& bytes, std::string& reason) {
  const int fd = OpenRegularFile(path, reason);
  if (fd < 0) return false;
  struct stat st {};
  const size_t announced = ::fstat(fd, &st) == 0 ? static_cast<size_t>(st.st_size) : 0;
  const size_t limit = maxBytes + 1;
  bytes.assign(std::min(announced + 1, limit), '\0');
  size_t filled = 0;
  bool failed = false;
  while (filled < limit) {
    if (filled == bytes.size()) bytes.resize(std::min(std::max<size_t>(2 * filled, 4096), limit));
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      reason = std::strerror(errno);
      failed = true;
    }
    if (got <= 0) break;
    filled += static_cast<size_t>(got);
  }
  ::close(fd);
  bytes.resize(filled);
  return !failed;
}

namespace {

// A regular file opened for reading, closed when it goes out of scope. The open never
// blocks (a FIFO or a device is opened without waiting and then refused by its
// type, checked on the open descriptor); reason() tells why it is not open.
class FileDescriptor {
 public:
  explicit FileDescriptor(const std::string& path) { fd_ = OpenRegularFile(path, reason_); }
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }
  const std::string& reason() const { return reason_; }

 private:
  int fd_ = -1;
  std::string reason_;
};

// Reads up to size bytes, retrying short reads; the count read, or -1 on an error.
ssize_t readFully(int fd, unsigned char* buffer, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, buffer + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

bool isExistingFile(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

[[noreturn]] void raiseAccessError(const std::string& path, const std::string& reason) {
  throw FileAccessError("cannot read \"" + path + "\": " + reason);
}

bool sizeOf(int fd, off_t& size) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  size = st.st_size;
  return true;
}

}  // namespace

uint32_t FileCRC32(const std::string& fileName) {
  if (!isExistingFile(fileName)) return MissingFileCRC;
  const FileDescriptor file(fileName);
  if (!file.isOpen()) raiseAccessError(fileName, file.reason());
  std::vector<unsigned char> buffer(CrcBlockSize);
  uLong crc = crc32(0L, Z_NULL, 0);
  for (;;) {
    const ssize_t got = readFully(file.get(), buffer.data(), buffer.size());
    if (got < 0) raiseAccessError(fileName, std::strerror(errno));
    if (got == 0) break;
    crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
  }
  return static_cast<uint32_t>(crc);
}

bool CompareFileContents(const std::string& fileA, const std::string& fileB, const StopRequest& stop) {
  if (!isExistingFile(fileA) || !isExistingFile(fileB)) return false;
  const FileDescriptor a(fileA);
  const FileDescriptor b(fileB);
  off_t sizeA = 0;
  off_t sizeB = 0;
  if (!a.isOpen() || !b.isOpen() || !sizeOf(a.get(), sizeA) || !sizeOf(b.get(), sizeB) || sizeA != sizeB) return false;
  std::vector<unsigned char> bufferA(CompareBlockSize);
  std::vector<unsigned char> bufferB(CompareBlockSize);
  for (;;) {
    const ssize_t gotA = readFully(a.get(), bufferA.data(), bufferA.size());
    const ssize_t gotB = readFully(b.get(), bufferB.data(), bufferB.size());
    if (gotA < 0 || gotB < 0 || gotA != gotB) return false;
    if (gotA == 0) return true;
    if (std::memcmp(bufferA.data(), bufferB.data(), static_cast<size_t>(gotA)) != 0 || (stop && stop())) return false;
  }
}

namespace {

ContentDigest digestOf(XXH128_hash_t hash) { return {hash.low64, hash.high64}; }

}  // namespace

bool PrefixDigest(const std::string& fileName, ContentDigest& digest) {
  const FileDescriptor file(fileName);
  if (!file.isOpen()) return false;
  unsigned char buffer[DigestPrefixLength];
  const ssize_t got = readFully(file.get(), buffer, sizeof buffer);
  if (got < 0) return false;
  digest = digestOf(XXH3_128bits(buffer, size_t(got)));
  return true;
}

bool RestDigest(const std::string& fileName, ContentDigest& digest, const StopRequest& stop) {
  const FileDescriptor file(fileName);
  if (!file.isOpen() || ::lseek(file.get(), off_t(DigestPrefixLength), SEEK_SET) < 0) return false;
  ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
  XXH3_state_t* state = XXH3_createState();
  if (state == nullptr) return false;
  XXH3_128bits_reset(state);
  std::vector<unsigned char> buffer(CrcBlockSize);
  ssize_t got = 0;
  while ((got = readFully(file.get(), buffer.data(), buffer.size())) > 0) {
    XXH3_128bits_update(state, buffer.data(), size_t(got));
    if (stop && stop()) got = -1;
  }
  if (got == 0) digest = digestOf(XXH3_128bits_digest(state));
  XXH3_freeState(state);
  return got == 0;
}

}  // namespace vl
