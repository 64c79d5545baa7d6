// The deleted-file list: size and CRC-32 of every file the user deleted, kept in "dellist.ddb".
#include "core/results/deleted_list.h"

#include <memory>
#include <stdexcept>
#include <unordered_set>
#include <unistd.h>

#include "core/files/dir_listing.h"
#include "core/files/file_checks.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/zlib_stream.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

constexpr size_t EntryBytes = 8;
// 2^26 entries (512 MiB in memory) is far beyond any real list; a larger one is hostile.
constexpr size_t MaxEntries = size_t{1} << 26;
// Real lists hold CRCs, which do not compress: even long runs of one repeated entry
// stay far below this ratio, while a crafted list expands about 1000 times.
constexpr size_t MaxExpansion = 64;

DeletedListParse parseStream(ZlibReader& reader, std::vector<TDeletedEntry>& out) {
  reader.limitExpansion(MaxExpansion);
  uint8_t version[4];
  try {
    if (reader.read(version, sizeof version) != sizeof version) return DeletedListParse::Invalid;
  } catch (const std::exception&) {
    return DeletedListParse::Invalid;
  }
  if (static_cast<int32_t>(GetLE32(version)) != DeletedListVersion) return DeletedListParse::WrongVersion;

  std::vector<TDeletedEntry> entries;
  uint8_t bytes[EntryBytes];
  while (reader.readRecord(bytes, EntryBytes)) {
    if (entries.size() == MaxEntries) throw std::runtime_error("the deleted-file list holds too many entries");
    entries.push_back({GetLE32(bytes), GetLE32(bytes + 4)});
  }
  out = std::move(entries);
  return DeletedListParse::Ok;
}

TDeletedEntry entryOfFile(const std::string& path) {
  const auto item = FindFile(path);
  const uint32_t size = item ? static_cast<uint32_t>(item->FullSize) : 0xFFFFFFFFu;
  return {size, FileCRC32(path)};
}

// Keeps the first entry of every (Size, CRC) pair, in order. O(n) expected.
void removeRepeats(std::vector<TDeletedEntry>& entries) {
  std::unordered_set<uint64_t> seen;
  seen.reserve(entries.size());
  size_t kept = 0;
  for (const TDeletedEntry& entry : entries) {
    if (seen.insert(uint64_t{entry.Size} << 32 | entry.CRC).second) entries[kept++] = entry;
  }
  entries.resize(kept);
}

bool unlinkFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace

DeletedList::DeletedList() : remover_(unlinkFile) {}

std::string DeletedList::fileName() { return AppDir() + "dellist.ddb"; }

std::vector<uint8_t> DeletedList::Encode(const std::vector<TDeletedEntry>& entries) {
  std::vector<uint8_t> bytes(4 + EntryBytes * entries.size());
  PutLE32(bytes.data(), static_cast<uint32_t>(DeletedListVersion));
  uint8_t* at = bytes.data() + 4;
  for (const TDeletedEntry& entry : entries) {
    PutLE32(at, entry.Size);
    PutLE32(at + 4, entry.CRC);
    at += EntryBytes;
  }
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
  entries_.push_back(entryOfFile(path));
}

void DeletedList::AddFilesToDeletedList(const std::vector<std::string>& paths, Host& host) {
  {
    CursorGuard cursor(host, BusyCursor::Hourglass);
    LoadDeletedList(host);
    for (const std::string& path : paths) entries_.push_back(entryOfFile(path));
    removeRepeats(entries_);
  }
  host.beep();
}

bool DeletedList::IsDeletedFile(const std::string& path, int32_t size) {
  bool crcKnown = false;
  uint32_t crc = 0;
  for (const TDeletedEntry& entry : entries_) {
    if (entry.Size != static_cast<uint32_t>(size)) continue;
    if (!crcKnown) {
      crc = FileCRC32(path);
      crcKnown = true;
      if (crc == MissingFileCRC) return false;
    }
    if (entry.CRC == crc) return remover_(path);
  }
  return false;
}

}  // namespace vl
