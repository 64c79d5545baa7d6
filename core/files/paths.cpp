// Path helpers: POSIX paths with "/" as the only separator.
#include "core/files/paths.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

namespace vl {

namespace {

size_t nameStart(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

size_t extensionStart(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart(path)) return path.size();
  return dot;
}

}  // namespace

std::string AddSlash(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != '/') result += '/';
  return result;
}

std::string FileNameOf(std::string_view path) { return std::string(path.substr(nameStart(path))); }

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, nameStart(path))); }

std::string ExtensionOf(std::string_view path) { return std::string(path.substr(extensionStart(path))); }

std::string FileNameNoExt(std::string_view path) {
  const size_t start = nameStart(path);
  return std::string(path.substr(start, extensionStart(path) - start));
}

std::string ForceExtension(std::string_view path, std::string_view ext) {
  std::string result = FolderOf(path) + FileNameNoExt(path);
  if (ext.empty() || ext.front() != '.') result += '.';
  result += ext;
  return result;
}

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::string NormalPath(const std::string& path) {
  if (path.empty()) return path;
  std::string cleaned = std::filesystem::path(path).lexically_normal().string();
  const size_t leading = cleaned.find_first_not_of('/');
  if (leading > 1) cleaned.erase(0, std::min(leading, cleaned.size()) - 1);
  if (cleaned.size() > 1 && cleaned.back() == '/') cleaned.pop_back();
  return cleaned;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::string cleaned = absolute.lexically_normal().string();
  if (cleaned.size() > 1 && cleaned.back() == '/') cleaned.pop_back();
  return cleaned;
}

}  // namespace vl
