// Gathering: turning a folder list (folders and database files) into a scan list.
#include "core/scan/gather.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <unordered_set>
#include <utility>

#include "core/components/user_text.h"
#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/dir_listing.h"
#include "core/files/file_checks.h"
#include "core/files/paths.h"
#include "core/settings/folder_lists.h"

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
  entry->Size = item.size;
  entry->FullSize = item.fullSize;
  entry->Identity = item.identity;
  entry->FileDate = item.fileDate;
  return entry;
}

// The gathering of one folder list into a scan list: regular files only, and no
// symbolic link to a file that the list also holds under another name.
class Gatherer {
 public:
  Gatherer(const std::string& mask, ScanList& target, GatherReport& report, DeletedList* deletedList,
           const CancelToken& cancel)
      : upperMask_(UpperAscii(mask)), target_(target), report_(report), deletedList_(deletedList), cancel_(cancel) {}

  void addFolder(const std::string& folder, EntryYield& yield);
  // Drops the links whose target the list holds as a file of its own. O(n).
  void dropLinkedTwins();

 private:
  bool wanted(const std::string& name) const { return name.front() != '.' && passesMask(name, upperMask_); }
  void checkDeleted(const std::string& path, const DirItem& item);
  void noteProblems(const std::string& prefix, const ListingProblems& problems, EntryYield& yield);

  std::string upperMask_;
  ScanList& target_;
  GatherReport& report_;
  DeletedList* deletedList_;
  const CancelToken& cancel_;
  std::vector<size_t> links_;  // positions in target_ reached through a symbolic link
};

void Gatherer::addFolder(const std::string& folder, EntryYield& yield) {
  const std::string prefix = AddSlash(folder);
  ListingProblems problems;
  for (const DirItem& item : ListDirectory(prefix, [this] { return cancel_.cancelled(); }, &problems)) {
    if (!item.isRegular || item.name.front() == '.') continue;
    if (!wanted(item.name)) {
      ++yield.leftOut;
      continue;
    }
    const std::string path = prefix + item.name;
    if (!item.isLink) checkDeleted(path, item);
    if (item.isLink) links_.push_back(target_.size());
    target_.push_back(entryOf(path, item));
    ++yield.files;
  }
  noteProblems(prefix, problems, yield);
}

// Items of the mask and the folder itself, when they could not be examined; a
// folder that is not there is only "not found".
void Gatherer::noteProblems(const std::string& prefix, const ListingProblems& problems, EntryYield& yield) {
  for (const UnreadableFile& item : problems.items)
    if (wanted(item.path)) report_.unreadable.push_back({prefix + item.path, item.reason});
  if (problems.folder.empty()) return;
  std::error_code error;
  if (!std::filesystem::is_directory(prefix, error)) {
    yield.problem = UserText("vl::core", "not found");
    return;
  }
  yield.problem = FormatText(UserText("vl::core", "could not be read: %1"), {problems.folder});
  report_.unreadable.push_back({yield.entry, problems.folder});
}

// With a deleted-file list, a listed file that matches it is noted, to be left out later.
void Gatherer::checkDeleted(const std::string& path, const DirItem& item) {
  if (deletedList_ == nullptr) return;
  bool restored = false;
  if (auto match = deletedList_->MatchFile(path, static_cast<uint64_t>(item.fullSize), &restored))
    report_.deletedMatches.push_back(std::move(*match));
  if (restored) ++report_.restored;
}

void Gatherer::dropLinkedTwins() {
  if (links_.empty()) return;
  std::vector<uint8_t> isLink(target_.size(), 0);
  for (const size_t at : links_) isLink[at] = 1;
  std::set<std::pair<uint64_t, uint64_t>> files;
  for (size_t i = 0; i < target_.size(); ++i)
    if (!isLink[i] && target_[i]->Identity.known()) files.emplace(target_[i]->Identity.device, target_[i]->Identity.inode);
  size_t kept = 0;
  for (size_t i = 0; i < target_.size(); ++i) {
    const FileIdentity& id = target_[i]->Identity;
    if (isLink[i] && files.count({id.device, id.inode}) != 0) continue;
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
  if (!item || !item->isRegular) return false;
  entry.Identity = item->identity;
  return true;
}

// Keeps the matches whose contents the list still holds (a file restored later in
// the gathering drops them), then leaves out the entries from index `from` on that
// name a matched file: the files themselves and database records of them, whichever
// came first in the folder list. O(entries) expected.
void leaveOutMatches(ScanList& target, size_t from, const DeletedList& deletedList, std::vector<DeletedMatch>& matches,
                     size_t firstMatch) {
  const auto forgotten = [&deletedList](const DeletedMatch& match) { return !deletedList.holds(match); };
  matches.erase(std::remove_if(matches.begin() + static_cast<std::ptrdiff_t>(firstMatch), matches.end(), forgotten),
                matches.end());
  if (matches.size() == firstMatch) return;
  std::unordered_set<std::string> matched;
  for (size_t i = firstMatch; i < matches.size(); ++i) matched.insert(matches[i].path);
  const auto named = [&matched](const std::unique_ptr<TScanEntry>& entry) { return matched.count(entry->Path) != 0; };
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

std::vector<std::string> ExpandFolderEntries(const std::vector<std::string>& entries) {
  std::vector<std::string> folders;
  std::vector<std::string> databases;
  for (const std::string& entry : entries) {
    if (IsDatabaseEntry(entry))
      databases.push_back(entry);
    else
      AddFolderToList(folders, entry, true, {});
  }
  folders.insert(folders.end(), databases.begin(), databases.end());
  return folders;
}

std::string NoFilesReason(const EntryYield& yield) {
  if (!yield.problem.empty()) return yield.problem;
  const int count = TextCount(yield.leftOut);
  if (yield.database)
    return yield.leftOut == 0
               ? UserText("vl::core", "the database holds no records")
               : UserText("vl::core", "its %n records are of files that are gone from a present volume", nullptr, count);
  return yield.leftOut == 0 ? UserText("vl::core", "empty folder")
                            : UserText("vl::core", "none of its %n files is of the chosen types", nullptr, count);
}

LoadAnswer LoadDatabaseIntoList(const std::string& fileName, ScanList& list, std::vector<std::string>& errors,
                                EntryYield* yield) {
  EntryYield unused;
  EntryYield& counts = yield != nullptr ? *yield : unused;
  counts.database = true;
  if (!FileExists(fileName)) {
    errors.push_back(MissingDatabaseMessage(fileName));
    counts.problem = UserText("vl::core", "not found");
    return LoadAnswer::Stop;
  }
  const size_t before = list.size();
  DatabaseOutcome outcome = DatabaseOutcome::Invalid;
  try {
    outcome = ReadDatabaseRecords(fileName, [&](std::unique_ptr<TScanEntry> entry) {
      if (!keepRecord(*entry)) {
        ++counts.leftOut;
        return;
      }
      entry->Excluded = 0;
      list.push_back(std::move(entry));
    });
  } catch (const DatabaseDataError& e) {
    list.resize(before);  // a damaged database is left out whole
    errors.push_back(DamagedDatabaseMessage(fileName, e.what()));
    counts.problem = UserText("vl::core", "a damaged database");
    return LoadAnswer::Continue;
  }
  counts.files = list.size() - before;
  if (outcome == DatabaseOutcome::Invalid) {
    errors.push_back(InvalidDatabaseMessage(fileName));
    counts.problem = UserText("vl::core", "not a valid database");
  } else if (outcome == DatabaseOutcome::WrongVersion) {
    errors.push_back(DatabaseVersionMessage(fileName));
    counts.problem = UserText("vl::core", "a database of a different version");
  }
  return LoadAnswer::Continue;
}

void LoadFileList(const std::vector<std::string>& folderList, const std::string& mask, ScanList& target,
                  const CancelToken& cancel, GatherReport* report, DeletedList* deletedList) {
  GatherReport unused;
  GatherReport& found = report != nullptr ? *report : unused;
  const size_t firstEntry = target.size();
  const size_t firstMatch = found.deletedMatches.size();
  Gatherer gatherer(mask, target, found, deletedList, cancel);
  for (const std::string& entry : distinctEntries(folderList)) {
    if (cancel.cancelled()) break;
    EntryYield& yield = found.entries.emplace_back();
    yield.entry = entry;
    if (!IsDatabaseEntry(entry)) {
      gatherer.addFolder(entry, yield);
    } else if (LoadDatabaseIntoList(entry, target, found.errors, &yield) == LoadAnswer::Stop) {
      found.missingDatabase = true;
      break;
    }
  }
  gatherer.dropLinkedTwins();
  if (deletedList != nullptr) leaveOutMatches(target, firstEntry, *deletedList, found.deletedMatches, firstMatch);
}

}  // namespace vl
