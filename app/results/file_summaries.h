// How the window counts files and their sizes in its questions and status line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vl::gui {

// "1 file, 2.1 MB" or "12 files, 48.3 MB" in the user's language (sizes in the locale's traditional units).
std::string FilesAndSize(size_t files, uint64_t bytes);

// The size of each regular file among paths, named directly (one lstat each); other
// paths are left out.
std::unordered_map<std::string, uint64_t> SizesOnDisk(const std::vector<std::string>& paths);

// The sum of the sizes of those paths found in sizes.
uint64_t TotalSize(const std::unordered_map<std::string, uint64_t>& sizes, const std::vector<std::string>& paths);

}  // namespace vl::gui
