// Path helpers: POSIX paths with "/" as the only separator.
#pragma once

#include <string>
#include <string_view>

namespace vl {

// Path with "/" appended, unless it is empty or already ends with "/".
std::string AddSlash(std::string_view path);
// The part after the last "/" (the whole path when there is none).
std::string FileNameOf(std::string_view path);
// The part up to and including the last "/" (empty when there is none).
std::string FolderOf(std::string_view path);
// From the last "." after the last "/" to the end; empty when there is none.
std::string ExtensionOf(std::string_view path);
// The file name without its extension.
std::string FileNameNoExt(std::string_view path);
// The folder, the file name without extension, then Ext (a "." is put in front
// of Ext unless it already begins with one).
std::string ForceExtension(std::string_view path, std::string_view ext);
// The letters a to z turned into A to Z; every other byte unchanged.
std::string UpperAscii(std::string_view text);
// A relative path joined to the current folder and cleaned of "." and ".." parts
// (symbolic links are not resolved); an absolute or empty path is returned as it is.
std::string AbsolutePath(const std::string& path);
// The path cleaned of "." parts, ".." parts (lexically, as AbsolutePath does),
// repeated slashes and a trailing slash, so that one folder named two ways reads
// the same; an empty path stays empty. O(length).
std::string NormalPath(const std::string& path);
// True when a file (not a folder) exists at path, following symbolic links.
bool FileExists(const std::string& path);

}  // namespace vl
