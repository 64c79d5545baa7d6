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
// by field, little-endian: texts length-prefixed and space-filled, the path cut to 255
// bytes and the label to 13, the alignment byte 0.
void EncodeDatabaseRecord(const TScanEntry& entry, uint8_t* record);
// The entry of a 392-byte record; the flag byte goes to Excluded. Length bytes
// beyond a field's capacity are clamped, so reading never leaves the record.
std::unique_ptr<TScanEntry> DecodeDatabaseRecord(const uint8_t* record);

// Writes every entry that has a fingerprint and Excluded 0, in list order, at zlib
// level 1. The file is replaced only once the whole database is written: on any
// failure it throws std::runtime_error and leaves an old file as it was. O(entries).
void WriteDatabase(const std::string& fileName, const ScanList& entries);

enum class DatabaseOutcome { Invalid, WrongVersion, Readable };

using DatabaseRecordHandler = std::function<void(std::unique_ptr<TScanEntry>)>;

// Reads the file and hands its records over in file order (a partial last record
// is dropped). Invalid when the version cannot be read (missing, unreadable, empty,
// not zlib, damaged); WrongVersion when it is not 1000. Throws DatabaseDataError when
// the data is damaged after the version, after handing over the records read before
// it; a read error of the file throws std::runtime_error. O(file size), one record
// in memory.
DatabaseOutcome ReadDatabaseRecords(const std::string& fileName, const DatabaseRecordHandler& onRecord);
// The same over any zlib source (e.g. file bytes in memory).
DatabaseOutcome ReadDatabaseRecords(ZlibReader& reader, const DatabaseRecordHandler& onRecord);

// The error messages of LoadDatabaseIntoList, for a database file name.
std::string MissingDatabaseMessage(const std::string& fileName);
std::string InvalidDatabaseMessage(const std::string& fileName);
std::string DatabaseVersionMessage(const std::string& fileName);

}  // namespace vl
