// Image database files: a zlib stream of a version word and 392-byte records.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/files/zlib_stream.h"
#include "core/host.h"
#include "core/fingerprint/scan_entry.h"

namespace vl {

constexpr int32_t DatabaseVersion = 1000;
constexpr size_t DatabaseRecordSize = 392;

// Raised when the compressed data is damaged after a valid version; what() carries zlib's message.
class DatabaseDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Serializes an entry (with its fingerprint; zeros without one) into 392 bytes, field
// by field, little-endian: texts length-prefixed and space-filled, the label cut to
// 13 bytes, the alignment byte 0. The path must fit its 255 bytes (WriteDatabase
// leaves out entries whose path does not); a longer one would be cut.
void EncodeDatabaseRecord(const TScanEntry& entry, uint8_t* record);
// The entry of a 392-byte record; the flag byte goes to Excluded. Length bytes
// beyond a field's capacity are clamped, so reading never leaves the record.
std::unique_ptr<TScanEntry> DecodeDatabaseRecord(const uint8_t* record);

// Writes every entry that has a fingerprint and Excluded 0, in list order, at zlib
// level 1, except entries whose path is longer than a record holds (MaxPathLength
// bytes): those are left out and counted, and the count is returned. The file is
// replaced only once the whole database is written: on any failure it throws
// std::runtime_error and leaves an old file as it was. O(entries).
size_t WriteDatabase(const std::string& fileName, const ScanList& entries);

enum class DatabaseOutcome { Invalid, WrongVersion, Readable };

using DatabaseRecordHandler = std::function<void(std::unique_ptr<TScanEntry>)>;

// Reads the file and hands its records over in file order. Invalid when the version
// cannot be read (missing, unreadable, empty, not zlib, damaged); WrongVersion when
// it is not 1000. Throws DatabaseDataError when the data is damaged after the version
// (zlib's message; data that ends before the stream's end or inside a record is
// damaged too), after handing over the records read before it; a read error of the
// file throws std::runtime_error. O(file size), one record in memory.
DatabaseOutcome ReadDatabaseRecords(const std::string& fileName, const DatabaseRecordHandler& onRecord);
// The same over any zlib source (e.g. file bytes in memory).
DatabaseOutcome ReadDatabaseRecords(ZlibReader& reader, const DatabaseRecordHandler& onRecord);

// Reads the whole file without keeping records: Readable only when it is a database
// of this version that reads to its end; otherwise the outcome, with `damage` set to
// the reason when the data or the file failed after the version. O(file size).
DatabaseOutcome CheckDatabase(const std::string& fileName, std::string& damage);

// The error messages of LoadDatabaseIntoList, for a database file name.
std::string MissingDatabaseMessage(const std::string& fileName);
std::string InvalidDatabaseMessage(const std::string& fileName);
// The invalid-database message, followed by the reason when there is one.
std::string DamagedDatabaseMessage(const std::string& fileName, const std::string& damage);
std::string DatabaseVersionMessage(const std::string& fileName);
// The message for a CheckDatabase outcome other than Readable: missing, other
// version, or not a valid database (with the damage).
std::string DatabaseProblemMessage(const std::string& fileName, DatabaseOutcome outcome, const std::string& damage);

}  // namespace vl
