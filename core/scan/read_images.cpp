// The fingerprinting pass of an image scan.
#include "core/scan/read_images.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "core/database/volume_table.h"
#include "core/files/paths.h"

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

bool canReuse(const TScanEntry& entry, const PathIndex& index) {
  const auto it = index.find(entry.Path);
  return it != index.end() && it->second->Fingerprint;
}

bool reuseFingerprint(TScanEntry& entry, const PathIndex& index) {
  const auto it = index.find(entry.Path);
  if (it == index.end() || !it->second->Fingerprint) return false;
  entry.Fingerprint = std::make_unique<TFingerprint>(*it->second->Fingerprint);
  if (it->second->ClassicFingerprint)
    entry.ClassicFingerprint = std::make_unique<TFingerprint>(*it->second->ClassicFingerprint);
  entry.Width = it->second->Width;
  entry.Height = it->second->Height;
  entry.Signature = it->second->Signature;
  return true;
}

bool isGone(const TScanEntry& entry) {
  return IsVolumeMounted(entry.Path, entry.Volume) && !FileExists(entry.Path);
}

// Why a picture could not be opened or read, asked again of the file system after the fact.
std::string readProblem(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  ::close(fd);
  return "it could not be read";
}

}  // namespace

size_t ReadImages(ScanList& list, const ScanList* second, ProgressSink& sink, const FingerprintOptions& options,
                  std::vector<UnreadableFile>* unreadable, const PicturePass& pass) {
  const PathIndex index = indexByPath(second);
  const bool modern = pass.modernTypes;
  ListWalk walk;
  walk.checkpoint = [&sink, &options, &pass](size_t kept, size_t count) {
    if (kept % 10 != 0) return true;
    sink.report({pass.phase, kept + 1, count});
    return !options.decoding.cancelled();
  };
  walk.mayDecode = [&index, modern](const TScanEntry& entry) {
    return !entry.Fingerprint && !canReuse(entry, index) && IsPictureName(entry.Path, modern);
  };
  size_t gone = 0;
  walk.classify = [&index, &gone, unreadable, modern](TScanEntry& entry) {
    if (entry.Fingerprint || reuseFingerprint(entry, index)) return EntryAction::Keep;
    if (!IsPictureName(entry.Path, modern)) return EntryAction::Drop;
    if (!isGone(entry)) return EntryAction::Decode;
    ++gone;
    if (unreadable != nullptr) unreadable->push_back({entry.Path, "it is gone"});
    return EntryAction::Drop;
  };
  if (unreadable != nullptr)
    walk.unreadable = [unreadable](const TScanEntry& entry) { unreadable->push_back({entry.Path, readProblem(entry.Path)}); };
  return FingerprintList(list, walk, options, sink) + gone;
}

}  // namespace vl
