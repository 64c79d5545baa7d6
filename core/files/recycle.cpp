// Deleting files, to the desktop trash or for good.
#include "core/files/recycle.h"

#include <unistd.h>

#include <QFile>

namespace vl {

namespace {

bool recycleOrDelete(const std::string& fileName, bool recycle) {
  if (fileName.empty()) return false;
  if (!recycle) return ::unlink(fileName.c_str()) == 0;
  return QFile::moveToTrash(QFile::decodeName(fileName.c_str()));
}

}  // namespace

bool RecycleOrDeleteFiles(const std::vector<std::string>& files, bool recycle) {
  bool allGone = true;
  for (const std::string& file : files) allGone = recycleOrDelete(file, recycle) && allGone;
  return allGone;
}

bool RecycleOrDeleteFile(const std::string& fileName, bool recycle) { return RecycleOrDeleteFiles({fileName}, recycle); }

}  // namespace vl
