// Image database files: a zlib stream of a version word and 392-byte records.
#include "core/database/database_file.h"

#include <algorithm>
#include <cstring>

#include "core/components/user_text.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"

namespace vl {

namespace {

// Offsets within a record.
constexpr size_t FlagAt = 0;
constexpr size_t PathAt = 1;
constexpr size_t PathArea = 1 + MaxPathLength;
constexpr size_t VolumeAt = 257;
constexpr size_t VolumeArea = 1 + MaxVolumeLength;
constexpr size_t AlignmentAt = 271;
constexpr size_t SizeAt = 272;
constexpr size_t DateAt = 276;
constexpr size_t WidthAt = 284;
constexpr size_t HeightAt = 288;
constexpr size_t FingerprintAt = 292;
static_assert(PathAt + PathArea == VolumeAt && VolumeAt + VolumeArea == AlignmentAt);
static_assert(FingerprintAt + FingerprintSize == DatabaseRecordSize);

// A length byte and up to `capacity` characters in an area of 1 + capacity bytes,
// filled with spaces first.
void putText(uint8_t* area, const std::string& text, size_t capacity) {
  std::memset(area, ' ', 1 + capacity);
  const size_t length = std::min(text.size(), capacity);
  area[0] = static_cast<uint8_t>(length);
  std::memcpy(area + 1, text.data(), length);
}

// The text of such an area; a length byte beyond the capacity is clamped to it.
std::string getText(const uint8_t* area, size_t capacity) {
  const size_t length = std::min<size_t>(area[0], capacity);
  return std::string(reinterpret_cast<const char*>(area + 1), length);
}

bool readVersion(ZlibReader& reader, int32_t& version) {
  uint8_t bytes[4];
  try {
    if (reader.read(bytes, sizeof bytes) != sizeof bytes) return false;
  } catch (const std::exception&) {
    return false;
  }
  version = static_cast<int32_t>(GetLE32(bytes));
  return true;
}

// Reads one whole record; false at the stream's end. A partial record is damage.
bool readRecord(ZlibReader& reader, uint8_t* record) {
  try {
    return reader.readRecord(record, DatabaseRecordSize);
  } catch (const ZlibDataError& e) {
    throw DatabaseDataError(e.reason());
  }
}
}  // namespace

void EncodeDatabaseRecord(const TScanEntry& entry, uint8_t* record) {
  record[FlagAt] = entry.Excluded;
  putText(record + PathAt, entry.Path, MaxPathLength);
  putText(record + VolumeAt, entry.Volume, MaxVolumeLength);
  record[AlignmentAt] = 0;
  PutLE32(record + SizeAt, static_cast<uint32_t>(entry.Size));
  PutLEDouble(record + DateAt, entry.FileDate);
  PutLE32(record + WidthAt, static_cast<uint32_t>(entry.Width));
  PutLE32(record + HeightAt, static_cast<uint32_t>(entry.Height));
  if (entry.Fingerprint) {
    std::memcpy(record + FingerprintAt, entry.Fingerprint->data(), FingerprintSize);
  } else {
    std::memset(record + FingerprintAt, 0, FingerprintSize);
  }
}

std::unique_ptr<TScanEntry> DecodeDatabaseRecord(const uint8_t* record) {
  auto entry = std::make_unique<TScanEntry>();
  entry->Excluded = record[FlagAt];
  entry->Path = getText(record + PathAt, MaxPathLength);
  entry->Volume = getText(record + VolumeAt, MaxVolumeLength);
  entry->Size = static_cast<int32_t>(GetLE32(record + SizeAt));
  entry->FileDate = GetLEDouble(record + DateAt);
  entry->Width = static_cast<int32_t>(GetLE32(record + WidthAt));
  entry->Height = static_cast<int32_t>(GetLE32(record + HeightAt));
  entry->Fingerprint = std::make_unique<TFingerprint>();
  std::memcpy(entry->Fingerprint->data(), record + FingerprintAt, FingerprintSize);
  return entry;
}

size_t WriteDatabase(const std::string& fileName, const ScanList& entries) {
  ZlibFileWriter writer(fileName);
  uint8_t version[4];
  PutLE32(version, static_cast<uint32_t>(DatabaseVersion));
  writer.write(version, sizeof version);
  uint8_t record[DatabaseRecordSize];
  size_t leftOut = 0;
  for (const auto& entry : entries) {
    if (!entry->Fingerprint || entry->Excluded != 0) continue;
    if (entry->Path.size() > MaxPathLength) {
      ++leftOut;
      continue;
    }
    EncodeDatabaseRecord(*entry, record);
    writer.write(record, sizeof record);
  }
  writer.commit();
  return leftOut;
}

DatabaseOutcome ReadDatabaseRecords(ZlibReader& reader, const DatabaseRecordHandler& onRecord) {
  int32_t version = 0;
  if (!readVersion(reader, version)) return DatabaseOutcome::Invalid;
  if (version != DatabaseVersion) return DatabaseOutcome::WrongVersion;
  uint8_t record[DatabaseRecordSize];
  while (readRecord(reader, record)) onRecord(DecodeDatabaseRecord(record));
  return DatabaseOutcome::Readable;
}

DatabaseOutcome ReadDatabaseRecords(const std::string& fileName, const DatabaseRecordHandler& onRecord) {
  std::unique_ptr<ZlibFileReader> reader;
  try {
    reader = std::make_unique<ZlibFileReader>(fileName);
  } catch (const std::runtime_error&) {
    return DatabaseOutcome::Invalid;
  }
  return ReadDatabaseRecords(*reader, onRecord);
}

DatabaseOutcome CheckDatabase(const std::string& fileName, std::string& damage) {
  damage.clear();
  try {
    return ReadDatabaseRecords(fileName, [](std::unique_ptr<TScanEntry>) {});
  } catch (const std::exception& e) {
    damage = e.what();
    return DatabaseOutcome::Invalid;
  }
}

std::string DatabaseProblemMessage(const std::string& fileName, DatabaseOutcome outcome, const std::string& damage) {
  if (outcome == DatabaseOutcome::WrongVersion) return DatabaseVersionMessage(fileName);
  if (!FileExists(fileName)) return MissingDatabaseMessage(fileName);
  return DamagedDatabaseMessage(fileName, damage);
}

std::string MissingDatabaseMessage(const std::string& fileName) {
  return FormatText(UserText("vl::core", "Unable to locate database file \n\n%1"), {fileName});
}

std::string InvalidDatabaseMessage(const std::string& fileName) {
  return FormatText(UserText("vl::core", "%1\n\ndoes not appear to be a valid database."), {fileName});
}

std::string DamagedDatabaseMessage(const std::string& fileName, const std::string& damage) {
  return damage.empty() ? InvalidDatabaseMessage(fileName) : InvalidDatabaseMessage(fileName) + "\n\n" + damage;
}

std::string DatabaseVersionMessage(const std::string& fileName) {
  return FormatText(UserText("vl::core", "Database: \n\n%1\n\nis a different version, can not open."), {fileName});
}

}  // namespace vl
