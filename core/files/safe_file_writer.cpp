// Writing a file through a temporary file beside it, renamed over the target on success.
#include "core/files/safe_file_writer.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace vl {

SafeFileWriter::SafeFileWriter(std::string target) : target_(std::move(target)) {
  temporary_ = target_ + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temporary_.data());
  if (fd < 0) {
    temporary_.clear();
    fail("cannot create a temporary file for");
  }
  struct stat st {};
  // Keep the permissions of a file being replaced; a new file gets the usual 0666 & ~umask.
  if (::stat(target_.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  file_ = ::fdopen(fd, "wb");
  if (file_ == nullptr) {
    ::close(fd);
    fail("cannot open a temporary file for");
  }
}

SafeFileWriter::~SafeFileWriter() {
  if (file_ != nullptr) std::fclose(file_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void SafeFileWriter::fail(const char* what) {
  const std::string reason = std::strerror(errno);
  throw std::runtime_error(std::string(what) + " " + target_ + ": " + reason);
}

void SafeFileWriter::write(const void* data, size_t size) {
  if (size != 0 && std::fwrite(data, 1, size, file_) != size) fail("cannot write");
}

void SafeFileWriter::commit() {
  if (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0) fail("cannot write");
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (closed != 0) fail("cannot write");
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) fail("cannot replace");
  temporary_.clear();
}

void WriteFileSafely(const std::string& target, const std::string& bytes) {
  SafeFileWriter writer(target);
  writer.write(bytes.data(), bytes.size());
  writer.commit();
}

}  // namespace vl
