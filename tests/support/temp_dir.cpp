// A temporary folder for test fixtures, the environment guard, and reading and packing file bytes.
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/files/zlib_stream.h"
#include "core/settings/settings.h"

namespace vl::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velloran-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& relative) const { return path_ + "/" + relative; }

std::string TempDir::makeDir(const std::string& relative) const {
  const std::string full = file(relative);
  std::filesystem::create_directories(full);
  return full;
}

std::string TempDir::write(const std::string& relative, const std::string& bytes) const {
  const std::string full = file(relative);
  std::filesystem::create_directories(std::filesystem::path(full).parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + full);
  return full;
}

std::string TempDir::write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
  return write(relative, std::string(bytes.begin(), bytes.end()));
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  ::setenv(name, value.c_str(), 1);
  ResetAppPaths();
}

ScopedEnv::~ScopedEnv() {
  old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_);
  ResetAppPaths();
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

std::string Compressed(const std::string& data) {
  const std::vector<uint8_t> packed = ZlibCompress(data.data(), data.size());
  return std::string(packed.begin(), packed.end());
}

std::string InflatedFile(const std::string& path) {
  ZlibFileReader reader(path);
  std::string data;
  char buffer[4096];
  while (size_t got = reader.read(buffer, sizeof buffer)) data.append(buffer, got);
  return data;
}

}  // namespace vl::test
