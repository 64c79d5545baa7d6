// The fingerprinting pass of an image scan.
#include "core/scan/read_images.h"

#include <string_view>
#include <unordered_map>

#include "core/database/volume_table.h"
#include "core/files/paths.h"
#include "core/scan/fingerprint.h"

namespace vl {

namespace {

// The first entry of each path in the second list (byte-for-byte paths).
using PathIndex = std::unordered_map<std::string_view, const TScanEntry*>;

PathIndex indexByPath(const ScanList* second) {
  PathIndex index;
  if (second == nullptr) return index;
  for (const auto& entry : *second) index.emplace(entry->Path, entry.get());
  return index;
}

bool reuseFingerprint(TScanEntry& entry, const PathIndex& index) {
  const auto it = index.find(entry.Path);
  if (it == index.end() || !it->second->Fingerprint) return false;
  entry.Fingerprint = std::make_unique<TFingerprint>(*it->second->Fingerprint);
  entry.Width = it->second->Width;
  entry.Height = it->second->Height;
  return true;
}

bool isReadablePicture(const TScanEntry& entry) {
  if (!IsPictureName(entry.Path)) return false;
  return !IsVolumeMounted(entry.Path, entry.Volume) || FileExists(entry.Path);
}

void fingerprint(TScanEntry& entry) {
  auto block = std::make_unique<TFingerprint>();
  int32_t width = -1;
  int32_t height = -1;
  if (!MakeFingerprint(entry.Path, *block, width, height)) return;
  entry.Fingerprint = std::move(block);
  entry.Width = width;
  entry.Height = height;
}

}  // namespace

void ReadImages(ScanList& list, const ScanList* second, Host& host) {
  const PathIndex index = indexByPath(second);
  // Entries are removed by compaction: kept entries move down to `kept`, so the
  // position the loop reports is `kept` and the list's current count is the kept
  // entries plus those not yet visited, exactly as if each were erased in place.
  const size_t total = list.size();
  size_t kept = 0;
  size_t next = 0;
  for (; next < total; ++next) {
    if (kept % 10 == 0) {
      host.setStatus(2, std::to_string(kept + 1) + " / " + std::to_string(kept + total - next));
      host.processEvents();
      if (ScanCancelled) break;
    }
    TScanEntry& entry = *list[next];
    const bool keep = entry.Fingerprint || reuseFingerprint(entry, index) || isReadablePicture(entry);
    if (!keep) continue;
    if (!entry.Fingerprint) fingerprint(entry);
    if (kept != next) list[kept] = std::move(list[next]);
    ++kept;
  }
  for (; next < total; ++next, ++kept) {
    if (kept != next) list[kept] = std::move(list[next]);
  }
  list.resize(kept);
}

}  // namespace vl
