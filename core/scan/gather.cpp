// Gathering: turning a folder list (folders and database files) into a scan list.
#include "core/scan/gather.h"

#include <algorithm>
#include <unordered_set>

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
  entry->Path = CutText(path, MaxPathLength);
  entry->Volume = CutText(VolumeLabelOfPath(entry->Path), MaxVolumeLength);
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
    if (checkDeleted && deletedList.IsDeletedFile(path, static_cast<uint64_t>(item.FullSize))) {
      ++autoDeletedCount;
      continue;
    }
    target.push_back(entryOf(path, item));
  }
}

bool keepRecord(const TScanEntry& entry) {
  return !IsVolumeMounted(entry.Path, entry.Volume) || FileExists(entry.Path);
}

// Leaves out the entries from index `from` on that name a file removed by the
// deletions from index `firstDeletion` on: database records of such files, whichever
// came first in the folder list. O(entries) expected.
void dropDeletedPaths(ScanList& target, size_t from, const DeletedList& deletedList, size_t firstDeletion) {
  const auto& deletions = deletedList.autoDeletions();
  if (deletions.size() == firstDeletion) return;
  std::unordered_set<std::string> gone;
  for (size_t i = firstDeletion; i < deletions.size(); ++i) gone.insert(deletions[i].Path);
  const auto named = [&gone](const std::unique_ptr<TScanEntry>& entry) { return gone.count(entry->Path) != 0; };
  target.erase(std::remove_if(target.begin() + static_cast<std::ptrdiff_t>(from), target.end(), named), target.end());
}

}  // namespace

bool IsDatabaseEntry(const std::string& entry) { return UpperAscii(ExtensionOf(entry)) == ".VDB"; }

LoadAnswer LoadDatabaseIntoList(const std::string& fileName, ScanList& list, Host& host) {
  if (!FileExists(fileName)) {
    host.showMessage(MessageKind::Error, MissingDatabaseMessage(fileName));
    ScanCancelled = true;
    return LoadAnswer::Stop;
  }
  const DatabaseOutcome outcome = ReadDatabaseRecords(fileName, [&](std::unique_ptr<TScanEntry> entry) {
    if (!keepRecord(*entry)) return;
    entry->Excluded = 0;
    list.push_back(std::move(entry));
  });
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
  const size_t firstEntry = target.size();
  const size_t firstDeletion = deletedList.autoDeletions().size();
  for (const std::string& entry : folderList) {
    host.processEvents();
    if (ScanCancelled) return;
    if (IsDatabaseEntry(entry)) {
      if (LoadDatabaseIntoList(entry, target, host) == LoadAnswer::Stop) return;
      continue;
    }
    gatherFolder(entry, upperMask, autoDeletedCount, checkDeleted, target, deletedList);
  }
  dropDeletedPaths(target, firstEntry, deletedList, firstDeletion);
}

}  // namespace vl
