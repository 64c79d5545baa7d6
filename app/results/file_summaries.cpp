// Counting files and their sizes for the window's questions and status line.
#include "app/results/file_summaries.h"

#include <QLocale>

#include "core/files/file_transfer.h"

namespace vl::gui {

std::string FilesAndSize(size_t files, uint64_t bytes) {
  const QString size = QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
  return std::to_string(files) + (files == 1 ? " file, " : " files, ") + size.toStdString();
}

std::unordered_map<std::string, uint64_t> SizesOnDisk(const std::vector<std::string>& paths) {
  std::unordered_map<std::string, uint64_t> sizes;
  for (const std::string& path : paths) {
    RegularFileState state;
    if (ExaminePath(path, state) == PathKind::RegularFile) sizes.emplace(path, state.FullSize);
  }
  return sizes;
}

uint64_t TotalSize(const std::unordered_map<std::string, uint64_t>& sizes, const std::vector<std::string>& paths) {
  uint64_t total = 0;
  for (const std::string& path : paths)
    if (const auto found = sizes.find(path); found != sizes.end()) total += found->second;
  return total;
}

}  // namespace vl::gui
