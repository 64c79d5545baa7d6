// The "notdupes" file: header, counted pairs and a checksum, read and written field by field.
#include "core/scan/not_duplicates.h"

#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>

#include "core/components/user_text.h"
#include "core/files/file_checks.h"
#include "core/files/file_lock.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/safe_file_writer.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/settings/settings.h"

namespace vl {

namespace {

constexpr char Magic[4] = {'V', 'L', 'N', 'D'};
constexpr uint32_t Version = 1;
constexpr size_t HeaderSize = 12;  // magic, version, pair count
constexpr size_t SideSize = 8 + FingerprintSize;
constexpr size_t PairSize = 2 * SideSize;
constexpr size_t ChecksumSize = 4;
constexpr size_t MaxFileSize = HeaderSize + MaxNotDuplicatePairs * PairSize + ChecksumSize;

uint32_t checksumOf(const uint8_t* data, size_t size) {
  return static_cast<uint32_t>(crc32(crc32(0, nullptr, 0), data, static_cast<uInt>(size)));
}

void putSide(uint8_t* at, const NotDuplicateSide& side) {
  PutLE64(at, side.size);
  std::memcpy(at + 8, side.fingerprint.data(), FingerprintSize);
}

// A side from its stored bytes; false when a tone code is above 3.
bool getSide(const uint8_t* at, NotDuplicateSide& side) {
  side.size = GetLE64(at);
  std::memcpy(side.fingerprint.data(), at + 8, FingerprintSize);
  return std::all_of(side.fingerprint.begin(), side.fingerprint.end(), [](uint8_t code) { return code <= 3; });
}

// Takes the file's lock, trying ten times a second for five seconds.
void lockList(FileLock& lock, const std::string& fileName) {
  for (int tries = 0; !lock.tryLock(); ++tries) {
    if (tries == 50) throw std::runtime_error(FormatText(UserText("vl::core", "Another program keeps %1 locked."), {fileName}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

}  // namespace

bool ParseNotDuplicates(const std::string& bytes, std::vector<NotDuplicatePair>& pairs, std::string& reason) {
  pairs.clear();
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  if (bytes.size() < HeaderSize + ChecksumSize || std::memcmp(data, Magic, 4) != 0) {
    reason = "not a list of pairs";
    return false;
  }
  if (GetLE32(data + 4) != Version) {
    reason = "version " + std::to_string(GetLE32(data + 4)) + " is not known";
    return false;
  }
  const uint32_t count = GetLE32(data + 8);
  if (count > MaxNotDuplicatePairs) {
    reason = std::to_string(count) + " pairs, more than " + std::to_string(MaxNotDuplicatePairs);
    return false;
  }
  const size_t body = HeaderSize + size_t{count} * PairSize;
  if (bytes.size() != body + ChecksumSize || GetLE32(data + body) != checksumOf(data, body)) {
    reason = bytes.size() != body + ChecksumSize ? "wrong length" : "checksum mismatch";
    return false;
  }
  pairs.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* at = data + HeaderSize + i * PairSize;
    if (!getSide(at, pairs[i].first) || !getSide(at + SideSize, pairs[i].second)) {
      reason = "a fingerprint holds a code above 3";
      pairs.clear();
      return false;
    }
  }
  return true;
}

NotDuplicatePair MakeNotDuplicatePair(const NotDuplicateSide& a, const NotDuplicateSide& b) {
  return b < a ? NotDuplicatePair{b, a} : NotDuplicatePair{a, b};
}

NotDuplicateSide SideOf(const TScanEntry& entry) {
  const TFingerprint& stored = entry.ClassicFingerprint ? *entry.ClassicFingerprint : *entry.Fingerprint;
  return {static_cast<uint64_t>(entry.ComparedSize()), stored};
}

bool SideOfFile(const std::string& path, NotDuplicateSide& side, std::string& reason) {
  const std::optional<FileKey> key = StatFileKey(path);
  int32_t width = 0, height = 0;
  if (!key) {
    reason = path + " is not a file.";
    return false;
  }
  if (!MakeFingerprint(path, side.fingerprint, width, height)) {
    reason = path + " is not a picture that can be read.";
    return false;
  }
  side.size = static_cast<uint64_t>(key->size);
  return true;
}

std::string NotDuplicatesFileName() { return AppDir() + "notdupes"; }

namespace {

// The pairs of the file (none when it is missing); false with the reason it is damaged.
bool readPairs(const std::string& fileName, std::vector<NotDuplicatePair>& pairs, std::string& reason) {
  if (!FileExists(fileName)) return true;
  std::string bytes;
  return ReadRegularFile(fileName, MaxFileSize, bytes, reason) && ParseNotDuplicates(bytes, pairs, reason);
}

}  // namespace

std::vector<NotDuplicatePair> ReadNotDuplicates(const std::string& fileName, std::string& problem) {
  std::vector<NotDuplicatePair> pairs;
  if (std::string reason; !readPairs(fileName, pairs, reason))
    problem = FormatText(UserText("vl::core", "The not-duplicate list %1 is damaged (%2); it is taken as empty."),
                         {fileName, reason});
  return pairs;
}

std::string EncodeNotDuplicates(const std::vector<NotDuplicatePair>& pairs) {
  std::string bytes(HeaderSize + pairs.size() * PairSize + ChecksumSize, '\0');
  auto* data = reinterpret_cast<uint8_t*>(bytes.data());
  std::memcpy(data, Magic, 4);
  PutLE32(data + 4, Version);
  PutLE32(data + 8, static_cast<uint32_t>(pairs.size()));
  for (size_t i = 0; i < pairs.size(); ++i) {
    putSide(data + HeaderSize + i * PairSize, pairs[i].first);
    putSide(data + HeaderSize + i * PairSize + SideSize, pairs[i].second);
  }
  const size_t body = bytes.size() - ChecksumSize;
  PutLE32(data + body, checksumOf(data, body));
  return bytes;
}

void WriteNotDuplicates(const std::string& fileName, const std::vector<NotDuplicatePair>& pairs) {
  if (pairs.size() > MaxNotDuplicatePairs)
    throw std::runtime_error(FormatText(UserText("vl::core", "The not-duplicate list %1 is full (%2 pairs)."),
                                        {fileName, std::to_string(MaxNotDuplicatePairs)}));
  WriteFileSafely(fileName, EncodeNotDuplicates(pairs));
}

bool RememberNotDuplicate(const std::string& fileName, const NotDuplicatePair& pair) {
  const std::string target = LinkTargetOf(fileName);
  FileLock lock(target);
  lockList(lock, fileName);
  std::vector<NotDuplicatePair> pairs;
  if (std::string reason; !readPairs(target, pairs, reason))
    throw std::runtime_error(FormatText(UserText("vl::core",
                                                 "The not-duplicate list %1 is damaged (%2); the pair was not added and "
                                                 "the list was left as it is."),
                                        {fileName, reason}));
  if (std::find(pairs.begin(), pairs.end(), pair) != pairs.end()) return false;
  pairs.push_back(pair);
  WriteNotDuplicates(target, pairs);
  return true;
}

void ForgetNotDuplicates(const std::string& fileName) {
  const std::string target = LinkTargetOf(fileName);
  FileLock lock(target);
  lockList(lock, fileName);
  WriteNotDuplicates(target, {});
}

size_t NotDuplicateFilter::SideHash::operator()(const NotDuplicateSide& side) const {
  const std::string_view codes(reinterpret_cast<const char*>(side.fingerprint.data()), FingerprintSize);
  return std::hash<std::string_view>{}(codes) ^ (side.size * 0x9E3779B97F4A7C15ull);
}

NotDuplicateFilter::NotDuplicateFilter(const std::vector<NotDuplicatePair>& pairs) : pairs_(pairs.begin(), pairs.end()) {
  for (const NotDuplicatePair& pair : pairs) {
    sides_.insert(pair.first);
    sides_.insert(pair.second);
  }
}

bool NotDuplicateFilter::involves(const TScanEntry& entry) const { return sides_.contains(SideOf(entry)); }

bool NotDuplicateFilter::rejects(const TScanEntry& a, const TScanEntry& b) const {
  if (pairs_.empty()) return false;
  return pairs_.contains(MakeNotDuplicatePair(SideOf(a), SideOf(b)));
}

void AddNotDuplicateCheck(ImageMatchRules& rules, const NotDuplicateFilter& filter, const ScanList& heads,
                          const ScanList& candidates) {
  if (rules.checks.empty())
    rules.checkedEntry = [&filter, &candidates](size_t entry) {
      return candidates[entry]->Fingerprint && filter.involves(*candidates[entry]);
    };
  rules.checks.push_back([&filter, &heads, &candidates](size_t head, size_t candidate, Orientations) {
    return !filter.rejects(*heads[head], *candidates[candidate]);
  });
}

}  // namespace vl
