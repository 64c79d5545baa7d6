// Counting files and their sizes for the window's questions and status line.
#include "app/results/file_summaries.h"

#include <QCoreApplication>
#include <QLocale>

#include "core/files/file_transfer.h"

namespace vl::gui {

std::string FilesAndSize(size_t files, uint64_t bytes) {
  const QString size = QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
  const int count = static_cast<int>(files);
  const QString text = files == 1 ? QCoreApplication::translate("FileSummaries", "%n file, %1", nullptr, count)
                                  : QCoreApplication::translate("FileSummaries", "%n files, %1", nullptr, count);
  return text.arg(size).toStdString();
}

std::unordered_map<std::string, uint64_t> SizesOnDisk(const std::vector<std::string>& paths) {
  std::unordered_map<std::string, uint64_t> sizes;
  for (const std::string& path : paths) {
    RegularFileState state;
    if (ExaminePath(path, state) == PathKind::RegularFile) sizes.emplace(path, state.fullSize);
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
