// The deleted-file list: what every file the user deleted looked like, kept in "dellist.ddb".
#include "core/results/deleted_list.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

#include "core/files/content_sums.h"
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

TDeletedEntry readCountedEntry(ZlibReader& reader) {
  uint8_t bytes[1 + ClassicEntryBytes + StrongFieldBytes];
  readExactly(reader, bytes, 1 + ClassicEntryBytes);
  TDeletedEntry entry(GetLE32(bytes + 1), GetLE32(bytes + 5));
  if (bytes[0] == ClassicKind) return entry;
  if (bytes[0] != StrongKind) throw ZlibDataError("the deleted-file list holds an entry of unknown kind");
  uint8_t* strong = bytes + 1 + ClassicEntryBytes;
  readExactly(reader, strong, StrongFieldBytes);
  entry.Strong = true;  // the stored low size stays as read, so a write gives back the same bytes
  entry.FullSize = GetLE64(strong);
  entry.Digest = {GetLE64(strong + 8), GetLE64(strong + 16)};
  return entry;
}

// A count, then that many entries, each a kind byte and its fields; the count only
// bounds the loop, the list grows as entries arrive.
void readCountedEntries(ZlibReader& reader, std::vector<TDeletedEntry>& entries) {
  uint8_t countBytes[4];
  readExactly(reader, countBytes, sizeof countBytes);
  const uint32_t count = GetLE32(countBytes);
  for (uint32_t i = 0; i < count; ++i) appendEntry(entries, readCountedEntry(reader));
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
  if (value != DeletedListVersion && value != StrongDeletedListVersion) return DeletedListParse::WrongVersion;
  std::vector<TDeletedEntry> entries;
  if (value == DeletedListVersion)
    readClassicEntries(reader, entries);
  else
    readCountedEntries(reader, entries);
  out = std::move(entries);
  return DeletedListParse::Ok;
}

size_t encodedSize(const TDeletedEntry& entry) { return 1 + ClassicEntryBytes + (entry.Strong ? StrongFieldBytes : 0); }

uint8_t* encodeEntry(const TDeletedEntry& entry, uint8_t* at) {
  at[0] = entry.Strong ? StrongKind : ClassicKind;
  PutLE32(at + 1, entry.Size);
  PutLE32(at + 5, entry.CRC);
  if (!entry.Strong) return at + 1 + ClassicEntryBytes;
  PutLE64(at + 9, entry.FullSize);
  PutLE64(at + 17, entry.Digest.low);
  PutLE64(at + 25, entry.Digest.high);
  return at + 1 + ClassicEntryBytes + StrongFieldBytes;
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
  std::set<std::vector<uint8_t>> seen;
  size_t kept = 0;
  for (const TDeletedEntry& entry : entries) {
    std::vector<uint8_t> key(encodedSize(entry));
    encodeEntry(entry, key.data());
    if (seen.insert(std::move(key)).second) entries[kept++] = entry;
  }
  entries.resize(kept);
}

bool removeAsConfigured(const std::string& path) { return RecycleOrDeleteFile(path, DeleteToRecycleBin); }

}  // namespace

DeletedList::DeletedList() : remover_(removeAsConfigured) {}

std::string DeletedList::fileName() { return AppDir() + "dellist.ddb"; }

std::vector<uint8_t> DeletedList::Encode(const std::vector<TDeletedEntry>& entries) {
  size_t total = 8;
  for (const TDeletedEntry& entry : entries) total += encodedSize(entry);
  std::vector<uint8_t> bytes(total);
  PutLE32(bytes.data(), static_cast<uint32_t>(StrongDeletedListVersion));
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
  if (outcome == DeletedListParse::Invalid) {
    host.showMessage(MessageKind::Error, name + "\n\n" + "does not appear to be a valid Deleted File list.");
  } else if (outcome == DeletedListParse::WrongVersion) {
    host.showMessage(MessageKind::Error, "Database: \n\n" + name + "\n\n" + "is a different version, can not open.");
  }
}

void DeletedList::SaveDeletedList() const {
  const std::vector<uint8_t> bytes = Encode(entries_);
  ZlibFileWriter writer(fileName());
  writer.write(bytes.data(), bytes.size());
  writer.commit();
}

void DeletedList::AddToDeletedList(const std::string& path, Host& host) {
  LoadDeletedList(host);
  addEntryOfFile(entries_, path);
}

std::optional<TDeletedEntry> DeletedList::EntryOf(const ContentSums& sums) {
  if (sums.size == 0) return std::nullopt;
  return TDeletedEntry(sums.size, sums.crc, sums.digest);
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

bool DeletedList::IsDeletedFile(const std::string& path, uint64_t size) {
  const auto sizeMatches = [size](const TDeletedEntry& entry) {
    return entry.Strong ? entry.FullSize == size : entry.Size == static_cast<uint32_t>(size);
  };
  if (size == 0 || std::none_of(entries_.begin(), entries_.end(), sizeMatches)) return false;
  std::optional<ContentSums> sums;
  try {
    sums = ReadContentSums(path);
  } catch (const FileAccessError&) {
    return false;  // an unreadable file stays in the scan, whose reading reports it
  }
  if (!sums || sums->size != size) return false;
  const TDeletedEntry* match = matchOf(sums->size, sums->crc, sums->digest);
  if (match == nullptr || !IsSameFile(path, *sums) || !remover_(path)) return false;
  autoDeletions_.push_back({path, !match->Strong});
  return true;
}

}  // namespace vl
