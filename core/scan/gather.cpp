// Gathering: turning a folder list (folders and database files) into a scan list.
#include "core/scan/gather.h"

#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/files/paths.h"

namespace vl {

namespace {

bool passesMask(const std::string& name, const std::string& upperMask) {
  if (upperMask == "*.*") return true;
  const std::string ext = UpperAscii(ExtensionOf(name));
  return !ext.empty() && upperMask.find(ext) != std::string::npos;
}

std::unique_ptr<TScanEntry> entryOf(const std::string& path, const DirItem& item) {
  auto entry = std::make_unique<TScanEntry>();
  entry->Path = path;
  entry->Volume = CutText(VolumeLabelOfPath(path), MaxVolumeLength);
  entry->Size = item.Size;
  entry->FileDate = item.FileDate;
  return entry;
}

void gatherFolder(const std::string& folder, const std::string& upperMask, int& autoDeletedCount, bool checkDeleted,
                  ScanList& target, DeletedList& deletedList) {
  const std::string prefix = AddSlash(folder);
  for (const DirItem& item : ListDirectory(prefix)) {
    if (item.IsHidden || item.IsDirectory || !passesMask(item.Name, upperMask)) continue;
    const std::string path = prefix + item.Name;
    if (checkDeleted && deletedList.IsDeletedFile(path, item.Size)) {
      ++autoDeletedCount;
      continue;
    }
    target.push_back(entryOf(path, item));
  }
}

bool keepRecord(const TScanEntry& entry, bool checkDeleted, int& autoDeletedCount, DeletedList& deletedList) {
  if (IsVolumeMounted(entry.Path, entry.Volume) && !FileExists(entry.Path)) return false;
  if (checkDeleted && deletedList.IsDeletedFile(entry.Path, entry.Size)) {
    ++autoDeletedCount;
    return false;
  }
  return true;
}

}  // namespace

bool IsDatabaseEntry(const std::string& entry) { return UpperAscii(ExtensionOf(entry)) == ".VDB"; }

LoadAnswer LoadDatabaseIntoList(const std::string& fileName, bool checkDeleted, int& autoDeletedCount, ScanList& list,
                                DeletedList& deletedList, Host& host) {
  if (!FileExists(fileName)) {
    host.showMessage(MessageKind::Error, MissingDatabaseMessage(fileName));
    ScanCancelled = true;
    return LoadAnswer::Stop;
  }
  const size_t before = list.size();
  DatabaseOutcome outcome = DatabaseOutcome::Invalid;
  try {
    outcome = ReadDatabaseRecords(fileName, [&](std::unique_ptr<TScanEntry> entry) {
      if (!keepRecord(*entry, checkDeleted, autoDeletedCount, deletedList)) return;
      entry->Excluded = 0;
      list.push_back(std::move(entry));
    });
  } catch (const DatabaseDataError& e) {
    list.resize(before);  // a damaged database is left out whole
    host.showMessage(MessageKind::Error, DamagedDatabaseMessage(fileName, e.what()));
    return LoadAnswer::Continue;
  }
  if (outcome == DatabaseOutcome::Invalid) {
    host.showMessage(MessageKind::Error, InvalidDatabaseMessage(fileName));
  } else if (outcome == DatabaseOutcome::WrongVersion) {
    host.showMessage(MessageKind::Error, DatabaseVersionMessage(fileName));
  }
  return LoadAnswer::Continue;
}

void LoadFileList(const std::vector<std::string>& folderList, const std::string& mask, int& autoDeletedCount,
                  bool checkDeleted, ScanList& target, DeletedList& deletedList, Host& host) {
  autoDeletedCount = 0;
  const std::string upperMask = UpperAscii(mask);
  for (const std::string& entry : folderList) {
    host.processEvents();
    if (ScanCancelled) return;
    if (IsDatabaseEntry(entry)) {
      if (LoadDatabaseIntoList(entry, checkDeleted, autoDeletedCount, target, deletedList, host) == LoadAnswer::Stop) {
        return;
      }
      continue;
    }
    gatherFolder(entry, upperMask, autoDeletedCount, checkDeleted, target, deletedList);
  }
}

}  // namespace vl
