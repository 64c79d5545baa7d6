// A temporary folder that tests fill with their own fixtures and that is removed afterwards, an
// environment guard that points the program's folders into it, and readers and packers of file bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vl::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, without a trailing "/".
  const std::string& path() const { return path_; }
  // path() + "/" + relative.
  std::string file(const std::string& relative) const;
  // Creates the folder (and its parents) below path(); returns its full path.
  std::string makeDir(const std::string& relative) const;
  // Writes bytes to a file below path(), creating its folders; returns its full path.
  std::string write(const std::string& relative, const std::string& bytes) const;
  std::string write(const std::string& relative, const std::vector<uint8_t>& bytes) const;

 private:
  std::string path_;
};

// Sets an environment variable while the guard lives and gives the old value (or none)
// back afterwards; both times the program looks its settings folder up again.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The whole contents of a file (empty when it cannot be read).
std::string ReadFileBytes(const std::string& path);
// The bytes of a zlib stream, as the program's own files are compressed, and those a zlib file holds.
std::string Compressed(const std::string& data);
inline std::string Compressed(const std::vector<uint8_t>& data) { return Compressed(std::string(data.begin(), data.end())); }
std::string InflatedFile(const std::string& path);

}  // namespace vl::test
