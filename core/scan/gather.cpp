// Gathering: turning a folder list (folders and database files) into a scan list.
#include "core/scan/gather.h"

#include <algorithm>
#include <set>
#include <unordered_set>
#include <utility>

#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/files/file_checks.h"
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
  entry->FullSize = item.FullSize;
  entry->Identity = item.Identity;
  entry->FileDate = item.FileDate;
  return entry;
}

// The gathering of one folder list into a scan list: regular files only, and no
// symbolic link to a file that the list also holds under another name.
class Gatherer {
 public:
  Gatherer(const std::string& mask, bool checkDeleted, ScanList& target, DeletedList& deletedList)
      : upperMask_(UpperAscii(mask)), checkDeleted_(checkDeleted), target_(target), deletedList_(deletedList) {}

  void addFolder(const std::string& folder);
  // Drops the links whose target the list holds as a file of its own. O(n).
  void dropLinkedTwins();

  int autoDeleted = 0;
  int unreadable = 0;

 private:
  bool wanted(const std::string& name) const { return name.front() != '.' && passesMask(name, upperMask_); }
  bool deletedFile(const std::string& path, const DirItem& item);

  std::string upperMask_;
  bool checkDeleted_;
  ScanList& target_;
  DeletedList& deletedList_;
  std::vector<size_t> links_;  // positions in target_ reached through a symbolic link
};

void Gatherer::addFolder(const std::string& folder) {
  const std::string prefix = AddSlash(folder);
  std::vector<std::string> unexamined;
  for (const DirItem& item : ListDirectory(prefix, [] { return ScanCancelled.load(); }, &unexamined)) {
    if (!item.IsRegular || !wanted(item.Name)) continue;
    const std::string path = prefix + item.Name;
    if (deletedFile(path, item)) continue;
    if (item.IsLink) links_.push_back(target_.size());
    target_.push_back(entryOf(path, item));
  }
  for (const std::string& name : unexamined) unreadable += wanted(name) ? 1 : 0;
}

// With the deleted-list check on, a listed file that matches an entry is removed
// (by the list) and left out.
bool Gatherer::deletedFile(const std::string& path, const DirItem& item) {
  if (!checkDeleted_ || !deletedList_.IsDeletedFile(path, static_cast<uint64_t>(item.FullSize))) return false;
  ++autoDeleted;
  return true;
}

void Gatherer::dropLinkedTwins() {
  if (links_.empty()) return;
  std::vector<uint8_t> isLink(target_.size(), 0);
  for (const size_t at : links_) isLink[at] = 1;
  std::set<std::pair<uint64_t, uint64_t>> files;
  for (size_t i = 0; i < target_.size(); ++i)
    if (!isLink[i] && target_[i]->Identity.known()) files.emplace(target_[i]->Identity.Device, target_[i]->Identity.Inode);
  size_t kept = 0;
  for (size_t i = 0; i < target_.size(); ++i) {
    const FileIdentity& id = target_[i]->Identity;
    if (isLink[i] && files.count({id.Device, id.Inode}) != 0) continue;
    target_[kept++] = std::move(target_[i]);
  }
  target_.resize(kept);
}

// Records of a present volume whose file is gone or no regular file are dropped; the
// others take the identity of the file at their path, so that a folder scanned
// beside its own database never pairs a file with its record. The file itself is
// never opened.
bool keepRecord(TScanEntry& entry) {
  if (!IsVolumeMounted(entry.Path, entry.Volume)) return true;
  const auto item = FindFile(entry.Path);
  if (!item || !item->IsRegular) return false;
  entry.Identity = item->Identity;
  return true;
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

// The entries cleaned (NormalPath), each named once, in their first order.
std::vector<std::string> distinctEntries(const std::vector<std::string>& folderList) {
  std::vector<std::string> entries;
  std::set<std::string> seen;
  for (const std::string& entry : folderList) {
    std::string cleaned = NormalPath(entry);
    if (seen.insert(cleaned).second) entries.push_back(std::move(cleaned));
  }
  return entries;
}

}  // namespace

bool IsDatabaseEntry(const std::string& entry) { return UpperAscii(ExtensionOf(entry)) == ".VDB"; }

LoadAnswer LoadDatabaseIntoList(const std::string& fileName, ScanList& list, Host& host) {
  if (!FileExists(fileName)) {
    host.showMessage(MessageKind::Error, MissingDatabaseMessage(fileName));
    ScanCancelled = true;
    return LoadAnswer::Stop;
  }
  const size_t before = list.size();
  DatabaseOutcome outcome = DatabaseOutcome::Invalid;
  try {
    outcome = ReadDatabaseRecords(fileName, [&](std::unique_ptr<TScanEntry> entry) {
      if (!keepRecord(*entry)) return;
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
                  bool checkDeleted, ScanList& target, DeletedList& deletedList, Host& host, int* unreadableCount) {
  autoDeletedCount = 0;
  const size_t firstEntry = target.size();
  const size_t firstDeletion = deletedList.autoDeletions().size();
  Gatherer gatherer(mask, checkDeleted, target, deletedList);
  for (const std::string& entry : distinctEntries(folderList)) {
    host.processEvents();
    if (ScanCancelled) break;
    if (!IsDatabaseEntry(entry)) {
      gatherer.addFolder(entry);
    } else if (LoadDatabaseIntoList(entry, target, host) == LoadAnswer::Stop) {
      break;
    }
  }
  gatherer.dropLinkedTwins();
  dropDeletedPaths(target, firstEntry, deletedList, firstDeletion);
  autoDeletedCount += gatherer.autoDeleted;
  if (unreadableCount != nullptr) *unreadableCount = gatherer.unreadable;
}

}  // namespace vl
