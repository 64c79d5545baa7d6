// Writing a file through a temporary file beside it, renamed over the target on success.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace vl {

// Streams bytes into "<target>.tmp-XXXXXX" and, on commit(), flushes, syncs and
// renames it over the target, so that a crash, a full disk or a failed write never
// leaves a truncated or half-old file. Without commit() the temporary file is removed.
// Every failure throws std::runtime_error naming the target.
class SafeFileWriter {
 public:
  explicit SafeFileWriter(std::string target);
  ~SafeFileWriter();
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  void write(const void* data, size_t size);
  void commit();
  const std::string& target() const { return target_; }

 private:
  [[noreturn]] void fail(const char* what);

  std::string target_;
  std::string temporary_;
  std::FILE* file_ = nullptr;
};

// Writes the whole file at once through a SafeFileWriter.
void WriteFileSafely(const std::string& target, const std::string& bytes);

}  // namespace vl
