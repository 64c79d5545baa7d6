// Fuzz target: the image database reader over file bytes in memory.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/database/database_file.h"

namespace {

// Every decoded record stays within its capacities and encodes back to a record
// that decodes to the same entry.
void checkRecord(const vl::TScanEntry& entry) {
  if (entry.Path.size() > vl::MaxPathLength || entry.Volume.size() > vl::MaxVolumeLength || !entry.Fingerprint)
    __builtin_trap();
  uint8_t record[vl::DatabaseRecordSize];
  vl::EncodeDatabaseRecord(entry, record);
  const auto again = vl::DecodeDatabaseRecord(record);
  if (again->Path != entry.Path || again->Volume != entry.Volume || again->Size != entry.Size ||
      std::memcmp(&again->FileDate, &entry.FileDate, sizeof entry.FileDate) != 0 || again->Width != entry.Width ||
      again->Height != entry.Height || *again->Fingerprint != *entry.Fingerprint)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::ZlibMemoryReader reader(data, size);
  try {
    vl::ReadDatabaseRecords(reader, [](std::unique_ptr<vl::TScanEntry> entry) { checkRecord(*entry); });
  } catch (const vl::DatabaseDataError&) {
    // damaged compressed data after the version: reported to the user, not a fault
  }
  return 0;
}
