// Seeds for fuzz_database and fuzz_deleted_list: well-formed, other-version and oversized-field files (the
// fuzzer cuts and flips bytes itself).
#include <string>

#include "core/database/database_file.h"
#include "core/files/little_endian.h"
#include "core/files/zlib_stream.h"
#include "core/results/deleted_list.h"
#include "fuzz/seeds.h"

namespace {

std::vector<uint8_t> compressed(const std::vector<uint8_t>& data) { return vl::ZlibCompress(data.data(), data.size()); }

// Version 1000 and `count` records with varied texts and numbers, uncompressed.
std::vector<uint8_t> databaseData(int count) {
  std::vector<uint8_t> data(4);
  vl::PutLE32(data.data(), static_cast<uint32_t>(vl::DatabaseVersion));
  for (int i = 0; i < count; ++i) {
    vl::TScanEntry entry;
    entry.Path = "/media/archive/pictures/" + std::string(i * 20, 'a' + i) + ".jpg";
    entry.Volume = i % 2 == 0 ? "ARCHIVE-2019" : "1234567890";
    entry.Height = i == 2 ? -1 : 480;
    entry.Fingerprint = std::make_unique<vl::TFingerprint>();
    for (size_t b = 0; b < vl::FingerprintSize; ++b) (*entry.Fingerprint)[b] = static_cast<uint8_t>((b * (i + 3)) % 4);
    uint8_t record[vl::DatabaseRecordSize];
    vl::EncodeDatabaseRecord(entry, record);
    data.insert(data.end(), record, record + vl::DatabaseRecordSize);
  }
  return data;
}

void databaseSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("version-only.vdb", compressed(databaseData(0)));
  folder.add("three.vdb", compressed(databaseData(3)));
  std::vector<uint8_t> old = databaseData(1);
  vl::PutLE32(old.data(), 999);
  folder.add("version-999.vdb", compressed(old));
  std::vector<uint8_t> longLabel = databaseData(1);
  longLabel[4 + 257] = 0xFF;
  folder.add("oversized-label-length.vdb", compressed(longLabel));
}

void deletedListSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("version-only.ddb", compressed(vl::DeletedList::Encode({})));
  const std::vector<vl::TDeletedEntry> entries = {
      {0, 0}, {123456, 0xCAFEBABEu}, vl::TDeletedEntry(uint64_t{0x1FFFFFFFF}, 0xFFFFFFFFu, {0x0123456789ABCDEF, 42})};
  folder.add("three.ddb", compressed(vl::DeletedList::Encode(entries)));
  std::vector<vl::TDeletedEntry> withOrigin = entries;
  withOrigin.emplace_back(uint64_t{77}, 7u, vl::ContentDigest{1, 2}, "/home/user/Pictures/sunset (copy).jpg");
  folder.add("origin.ddb", compressed(vl::DeletedList::Encode(withOrigin)));
  std::vector<uint8_t> old = vl::DeletedList::Encode(entries);
  vl::PutLE32(old.data(), 1001);
  folder.add("version-1001.ddb", compressed(old));
  std::vector<uint8_t> classic(4 + 8 * entries.size());
  vl::PutLE32(classic.data(), static_cast<uint32_t>(vl::DeletedListVersion));
  for (size_t i = 0; i < entries.size(); ++i) {
    vl::PutLE32(classic.data() + 4 + 8 * i, entries[i].Size);
    vl::PutLE32(classic.data() + 8 + 8 * i, entries[i].CRC);
  }
  folder.add("classic-three.ddb", compressed(classic));
}

}  // namespace

VELLORAN_SEEDS(fuzz_database, databaseSeeds);
VELLORAN_SEEDS(fuzz_deleted_list, deletedListSeeds);
