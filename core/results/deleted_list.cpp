// The deleted-file list: what every file the user deleted looked like, kept in "dellist.ddb".
#include "core/results/deleted_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <thread>

#include "core/components/user_text.h"
#include "core/files/content_sums.h"
#include "core/files/file_lock.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/recycle.h"
#include "core/files/zlib_stream.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

constexpr size_t ClassicEntryBytes = 8;
constexpr size_t StrongFieldBytes = 24;  // whole size and digest, after the classic fields
constexpr uint8_t ClassicKind = 0;
constexpr uint8_t StrongKind = 1;
constexpr uint8_t OriginKind = 2;  // a strong entry followed by its origin
// 2^26 entries (several GiB in memory) is far beyond any real list; a larger one is hostile.
constexpr size_t MaxEntries = size_t{1} << 26;
// Real lists hold CRCs, which do not compress: even long runs of one repeated entry
// stay far below this ratio, while a crafted list expands about 1000 times.
constexpr size_t MaxExpansion = 64;

void appendEntry(std::vector<TDeletedEntry>& entries, const TDeletedEntry& entry) {
  if (entries.size() == MaxEntries) throw std::runtime_error("the deleted-file list holds too many entries");
  entries.push_back(entry);
}

// Entries of 8 bytes up to the end of the data; a partial last entry is dropped.
void readClassicEntries(ZlibReader& reader, std::vector<TDeletedEntry>& entries) {
  uint8_t bytes[ClassicEntryBytes];
  while (reader.readRecord(bytes, ClassicEntryBytes))
    appendEntry(entries, TDeletedEntry(GetLE32(bytes), GetLE32(bytes + 4)));
}

void readExactly(ZlibReader& reader, uint8_t* bytes, size_t count) {
  if (reader.read(bytes, count) != count) throw ZlibDataError("the deleted-file list ends before its last entry");
}

// A 16-bit length of 1 to MaxOriginLength, then the path's bytes.
std::string readOrigin(ZlibReader& reader) {
  uint8_t lengthBytes[2];
  readExactly(reader, lengthBytes, sizeof lengthBytes);
  const size_t length = GetLE16(lengthBytes);
  if (length == 0 || length > MaxOriginLength) throw ZlibDataError("the deleted-file list holds a path of a wrong length");
  std::string origin(length, '\0');
  readExactly(reader, reinterpret_cast<uint8_t*>(origin.data()), length);
  return origin;
}

TDeletedEntry readCountedEntry(ZlibReader& reader, bool withOrigins) {
  uint8_t bytes[1 + ClassicEntryBytes + StrongFieldBytes];
  readExactly(reader, bytes, 1 + ClassicEntryBytes);
  TDeletedEntry entry(GetLE32(bytes + 1), GetLE32(bytes + 5));
  const uint8_t kind = bytes[0];
  if (kind == ClassicKind) return entry;
  if (kind != StrongKind && !(withOrigins && kind == OriginKind))
    throw ZlibDataError("the deleted-file list holds an entry of unknown kind");
  uint8_t* strong = bytes + 1 + ClassicEntryBytes;
  readExactly(reader, strong, StrongFieldBytes);
  entry.Strong = true;  // the stored low size stays as read, so a write gives back the same bytes
  entry.FullSize = GetLE64(strong);
  entry.Digest = {GetLE64(strong + 8), GetLE64(strong + 16)};
  if (kind == OriginKind) entry.Origin = readOrigin(reader);
  return entry;
}

// A count, then that many entries, each a kind byte and its fields; the count only
// bounds the loop, the list grows as entries arrive.
void readCountedEntries(ZlibReader& reader, std::vector<TDeletedEntry>& entries, bool withOrigins) {
  uint8_t countBytes[4];
  readExactly(reader, countBytes, sizeof countBytes);
  const uint32_t count = GetLE32(countBytes);
  for (uint32_t i = 0; i < count; ++i) appendEntry(entries, readCountedEntry(reader, withOrigins));
  uint8_t extra;
  if (reader.readRecord(&extra, 1)) throw ZlibDataError("the deleted-file list holds more than its count");
}

DeletedListParse parseStream(ZlibReader& reader, std::vector<TDeletedEntry>& out) {
  reader.limitExpansion(MaxExpansion);
  uint8_t version[4];
  try {
    if (reader.read(version, sizeof version) != sizeof version) return DeletedListParse::Invalid;
  } catch (const std::exception&) {
    return DeletedListParse::Invalid;
  }
  const auto value = static_cast<int32_t>(GetLE32(version));
  if (value != DeletedListVersion && value != StrongDeletedListVersion && value != OriginDeletedListVersion)
    return DeletedListParse::WrongVersion;
  std::vector<TDeletedEntry> entries;
  if (value == DeletedListVersion)
    readClassicEntries(reader, entries);
  else
    readCountedEntries(reader, entries, value == OriginDeletedListVersion);
  out = std::move(entries);
  return DeletedListParse::Ok;
}

bool hasOrigin(const TDeletedEntry& entry) { return entry.Strong && !entry.Origin.empty(); }

size_t encodedSize(const TDeletedEntry& entry) {
  return 1 + ClassicEntryBytes + (entry.Strong ? StrongFieldBytes : 0) + (hasOrigin(entry) ? 2 + entry.Origin.size() : 0);
}

uint8_t* encodeEntry(const TDeletedEntry& entry, uint8_t* at) {
  at[0] = hasOrigin(entry) ? OriginKind : entry.Strong ? StrongKind : ClassicKind;
  PutLE32(at + 1, entry.Size);
  PutLE32(at + 5, entry.CRC);
  if (!entry.Strong) return at + 1 + ClassicEntryBytes;
  PutLE64(at + 9, entry.FullSize);
  PutLE64(at + 17, entry.Digest.low);
  PutLE64(at + 25, entry.Digest.high);
  at += 1 + ClassicEntryBytes + StrongFieldBytes;
  if (!hasOrigin(entry)) return at;
  PutLE16(at, static_cast<uint16_t>(entry.Origin.size()));
  std::copy(entry.Origin.begin(), entry.Origin.end(), at + 2);
  return at + 2 + entry.Origin.size();
}

// The entry's bytes in the file: equal keys are equal entries.
std::string keyOf(const TDeletedEntry& entry) {
  std::string key(encodedSize(entry), '\0');
  encodeEntry(entry, reinterpret_cast<uint8_t*>(key.data()));
  return key;
}

// A strong entry for the file; nothing for a missing, empty or non-regular file.
std::optional<TDeletedEntry> entryOfFile(const std::string& path) {
  const std::optional<ContentSums> sums = ReadContentSums(path);
  return sums ? DeletedList::EntryOf(*sums) : std::nullopt;
}

void addEntryOfFile(std::vector<TDeletedEntry>& entries, const std::string& path) {
  if (const auto entry = entryOfFile(path)) appendEntry(entries, *entry);
}

// Keeps the first of every set of equal entries, in order. O(n log n).
void removeRepeats(std::vector<TDeletedEntry>& entries) {
  std::set<std::string> seen;
  size_t kept = 0;
  for (const TDeletedEntry& entry : entries) {
    if (seen.insert(keyOf(entry)).second) entries[kept++] = entry;
  }
  entries.resize(kept);
}

using EntryCounts = std::map<std::string, long>;

// How often each entry occurs in `entries`, plus `sign` times.
void countEntries(const std::vector<TDeletedEntry>& entries, long sign, EntryCounts& counts) {
  for (const TDeletedEntry& entry : entries) counts[keyOf(entry)] += sign;
}

// `current` with the changes from `before` to `after` applied: an entry added in
// memory is appended, one dropped in memory loses one occurrence. O(n log n).
std::vector<TDeletedEntry> mergeChanges(const std::vector<TDeletedEntry>& current, const std::vector<TDeletedEntry>& before,
                                        const std::vector<TDeletedEntry>& after) {
  EntryCounts change;
  countEntries(after, 1, change);
  countEntries(before, -1, change);
  std::vector<TDeletedEntry> merged;
  for (const TDeletedEntry& entry : current) {
    long& delta = change[keyOf(entry)];
    if (delta < 0) {
      ++delta;  // dropped in memory
      continue;
    }
    merged.push_back(entry);
  }
  for (const TDeletedEntry& entry : after) {
    long& delta = change[keyOf(entry)];
    if (delta <= 0) continue;
    --delta;
    appendEntry(merged, entry);
  }
  return merged;
}

// The entries of the file as it is now (none when it is missing); throws when it
// cannot be read as a list, so that it is never overwritten unseen.
std::vector<TDeletedEntry> entriesOnDisk(const std::string& name) {
  std::vector<TDeletedEntry> entries;
  if (!FileExists(name)) return entries;
  ZlibFileReader reader(name);
  const DeletedListParse outcome = parseStream(reader, entries);
  if (outcome != DeletedListParse::Ok)
    throw std::runtime_error(FormatText(
        outcome == DeletedListParse::Invalid
            ? UserText("vl::core", "%1 does not appear to be a valid Deleted File list; it was left unchanged.")
            : UserText("vl::core", "%1 is a different version; it was left unchanged."),
        {name}));
  return entries;
}

// Takes the lock, trying ten times a second for half a minute.
void takeLock(FileLock& lock, const std::string& name) {
  for (int tries = 0; !lock.tryLock(); ++tries) {
    if (tries == 300)
      throw std::runtime_error(
          FormatText(UserText("vl::core", "%1 is in use by another program; the changes were not saved."), {name}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

// Why the file at path is not the one that matched; "" when it still is.
std::string changeSince(const std::string& path, const ContentSums& matched) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return UserText("vl::core", "it is gone");
  if (!S_ISREG(st.st_mode)) return UserText("vl::core", "it is no longer a regular file");
  std::optional<ContentSums> now;
  try {
    now = ReadContentSums(path);
  } catch (const FileAccessError& e) {
    return e.what();
  }
  if (!now || now->device != matched.device || now->inode != matched.inode) return UserText("vl::core", "another file is there now");
  if (now->size != matched.size || now->digest != matched.digest) return UserText("vl::core", "it changed since it was read");
  return "";
}

}  // namespace

DeletedList::DeletedList() : remover_(RemoveFile) {}

std::string DeletedList::fileName() { return AppDir() + "dellist.ddb"; }

std::vector<uint8_t> DeletedList::Encode(const std::vector<TDeletedEntry>& entries) {
  size_t total = 8;
  for (const TDeletedEntry& entry : entries) total += encodedSize(entry);
  std::vector<uint8_t> bytes(total);
  const bool origins = std::any_of(entries.begin(), entries.end(), hasOrigin);
  PutLE32(bytes.data(), static_cast<uint32_t>(origins ? OriginDeletedListVersion : StrongDeletedListVersion));
  PutLE32(bytes.data() + 4, static_cast<uint32_t>(entries.size()));
  uint8_t* at = bytes.data() + 8;
  for (const TDeletedEntry& entry : entries) at = encodeEntry(entry, at);
  return bytes;
}

DeletedListParse DeletedList::Parse(const std::vector<uint8_t>& fileBytes, std::vector<TDeletedEntry>& out) {
  ZlibMemoryReader reader(fileBytes.data(), fileBytes.size());
  return parseStream(reader, out);
}

void DeletedList::LoadDeletedList(Host& host) {
  const std::string name = fileName();
  if (!entries_.empty() || !FileExists(name)) return;
  std::unique_ptr<ZlibFileReader> reader;
  try {
    reader = std::make_unique<ZlibFileReader>(name);
  } catch (const std::runtime_error&) {
    reader.reset();  // exists but cannot be opened: reported like an invalid file
  }
  const DeletedListParse outcome = reader ? parseStream(*reader, entries_) : DeletedListParse::Invalid;
  loaded_ = entries_;
  if (outcome == DeletedListParse::Invalid) {
    host.showMessage(MessageKind::Error,
                     FormatText(UserText("vl::core", "%1\n\ndoes not appear to be a valid Deleted File list."), {name}));
  } else if (outcome == DeletedListParse::WrongVersion) {
    host.showMessage(MessageKind::Error,
                     FormatText(UserText("vl::core", "Database: \n\n%1\n\nis a different version, can not open."), {name}));
  }
}

void DeletedList::SaveDeletedList() const {
  const std::vector<uint8_t> bytes = Encode(entries_);
  ZlibFileWriter writer(fileName());
  writer.write(bytes.data(), bytes.size());
  writer.commit();
}

void DeletedList::SaveChanges() {
  if (entries_ == loaded_) return;
  const std::string name = fileName();
  FileLock lock(name);  // the lock velloran-cli results delete-marked takes too
  takeLock(lock, name);
  std::vector<TDeletedEntry> merged = mergeChanges(entriesOnDisk(name), loaded_, entries_);
  const std::vector<uint8_t> bytes = Encode(merged);
  ZlibFileWriter writer(name);
  writer.write(bytes.data(), bytes.size());
  writer.commit();
  entries_ = std::move(merged);
  loaded_ = entries_;
}

void DeletedList::AddToDeletedList(const std::string& path, Host& host) {
  LoadDeletedList(host);
  addEntryOfFile(entries_, path);
}

std::optional<TDeletedEntry> DeletedList::EntryOf(const ContentSums& sums, const std::string& origin) {
  if (sums.size == 0) return std::nullopt;
  const std::string normal = NormalPath(origin);
  return TDeletedEntry(sums.size, sums.crc, sums.digest, normal.size() <= MaxOriginLength ? normal : std::string());
}

void DeletedList::AddDeletedEntry(const TDeletedEntry& entry, Host& host) {
  LoadDeletedList(host);
  appendEntry(entries_, entry);
}

void DeletedList::AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host) {
  {
    CursorGuard cursor(host, BusyCursor::Hourglass);
    LoadDeletedList(host);
    for (const std::string& path : paths) addEntryOfFile(entries_, path);
    removeRepeats(entries_);
  }
  host.beep();
}

// A strong entry is preferred, so that a deletion rests on a classic entry only when no strong one matches.
const TDeletedEntry* DeletedList::matchOf(uint64_t size, uint32_t crc, const ContentDigest& digest) const {
  const TDeletedEntry* classic = nullptr;
  for (const TDeletedEntry& entry : entries_) {
    if (entry.Strong && entry.FullSize == size && entry.Digest == digest) return &entry;
    if (!entry.Strong && classic == nullptr && entry.Size == static_cast<uint32_t>(size) && entry.CRC == crc)
      classic = &entry;
  }
  return classic;
}

// Drops every entry that the contents match, strong or classic.
void DeletedList::dropContents(const ContentSums& sums) {
  std::erase_if(entries_, [&sums](const TDeletedEntry& entry) {
    return entry.Strong ? entry.FullSize == sums.size && entry.Digest == sums.digest
                        : entry.Size == static_cast<uint32_t>(sums.size) && entry.CRC == sums.crc;
  });
}

std::optional<DeletedMatch> DeletedList::MatchFile(const std::string& path, uint64_t size, bool* restored) {
  const auto sizeMatches = [size](const TDeletedEntry& entry) {
    return entry.Strong ? entry.FullSize == size : entry.Size == static_cast<uint32_t>(size);
  };
  if (size == 0 || std::none_of(entries_.begin(), entries_.end(), sizeMatches)) return std::nullopt;
  std::optional<ContentSums> sums;
  try {
    sums = ReadContentSums(path);
  } catch (const FileAccessError&) {
    return std::nullopt;  // an unreadable file stays in the scan, whose reading reports it
  }
  if (!sums || sums->size != size) return std::nullopt;
  const TDeletedEntry* match = matchOf(sums->size, sums->crc, sums->digest);
  if (match == nullptr) return std::nullopt;
  const std::string normal = NormalPath(path);
  const bool back = std::any_of(entries_.begin(), entries_.end(), [&](const TDeletedEntry& entry) {
    return entry.Strong && entry.Origin == normal && entry.FullSize == sums->size && entry.Digest == sums->digest;
  });
  if (back) {
    dropContents(*sums);
    if (restored != nullptr) *restored = true;
    return std::nullopt;
  }
  return DeletedMatch{path, *sums, !match->Strong};
}

bool DeletedList::holds(const DeletedMatch& match) const {
  return matchOf(match.sums.size, match.sums.crc, match.sums.digest) != nullptr;
}

bool DeletedList::RemoveMatchedFile(const DeletedMatch& match, bool recycle, std::string& reason) {
  reason = changeSince(match.path, match.sums);
  if (!reason.empty()) return false;
  const FileRemoval removal = remover_(match.path, recycle);
  reason = removal.reason;
  return removal.removed;
}

}  // namespace vl
