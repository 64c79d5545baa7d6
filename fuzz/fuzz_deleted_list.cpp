// Fuzz target: reading the deleted-file list from file bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/files/zlib_stream.h"
#include "core/results/deleted_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<vl::TDeletedEntry> entries;
  try {
    if (vl::DeletedList::Parse(std::vector<uint8_t>(data, data + size), entries) != vl::DeletedListParse::Ok) return 0;
  } catch (const vl::ZlibDataError&) {
    return 0;  // damaged compressed data after the version: reported to the user, not a fault
  }
  // What was read must survive a write and a read unchanged.
  const std::vector<uint8_t> plain = vl::DeletedList::Encode(entries);
  std::vector<vl::TDeletedEntry> again;
  if (vl::DeletedList::Parse(vl::ZlibCompress(plain.data(), plain.size()), again) != vl::DeletedListParse::Ok ||
      again != entries)
    __builtin_trap();
  return 0;
}
