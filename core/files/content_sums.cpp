// Size, CRC-32 and XXH3-128 of a regular file's whole contents, read once through one descriptor.
#include "core/files/content_sums.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>
#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace vl {

namespace {

constexpr size_t BlockSize = 1 << 20;

[[noreturn]] void raiseAccessError(const std::string& path, int error) {
  throw FileAccessError("cannot read \"" + path + "\": " + std::strerror(error));
}

struct StateFree {
  void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

}  // namespace

int ReadOpenFileSums(int fd, ContentSums& sums, std::vector<uint8_t>* keep) {
  std::unique_ptr<XXH3_state_t, StateFree> state(XXH3_createState());
  if (!state) return ENOMEM;
  XXH3_128bits_reset(state.get());
  std::vector<unsigned char> buffer(BlockSize);
  uLong crc = crc32(0L, Z_NULL, 0);
  uint64_t total = 0;
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    crc = crc32(crc, buffer.data(), static_cast<uInt>(got));
    XXH3_128bits_update(state.get(), buffer.data(), static_cast<size_t>(got));
    if (keep != nullptr) keep->insert(keep->end(), buffer.begin(), buffer.begin() + got);
    total += static_cast<uint64_t>(got);
  }
  const XXH128_hash_t hash = XXH3_128bits_digest(state.get());
  sums.size = total;
  sums.crc = static_cast<uint32_t>(crc);
  sums.digest = {hash.low64, hash.high64};
  return 0;
}

std::optional<ContentSums> ReadContentSums(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
    raiseAccessError(path, errno);
  }
  struct stat st {};
  ContentSums sums;
  int error = ::fstat(fd, &st) != 0 ? errno : 0;
  const bool regular = error == 0 && S_ISREG(st.st_mode);
  if (regular) error = ReadOpenFileSums(fd, sums);
  ::close(fd);
  if (error != 0) raiseAccessError(path, error);
  if (!regular) return std::nullopt;
  sums.device = st.st_dev;
  sums.inode = st.st_ino;
  return sums;
}

bool IsSameFile(const std::string& path, const ContentSums& sums) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == sums.device &&
         st.st_ino == sums.inode && static_cast<uint64_t>(st.st_size) == sums.size;
}

}  // namespace vl
