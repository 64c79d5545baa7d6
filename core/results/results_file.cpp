// Saving the result groups to a results file and loading them back.
#include "core/results/results_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/components/user_text.h"
#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/zlib_stream.h"
#include "core/results/saved_file_kind.h"

namespace vl {

namespace {

using Block = std::array<uint8_t, ResultBlockSize>;

// Field offsets inside a block.
constexpr size_t NextAt = 0, BaseAt = 4, ErrorsAt = 8, GoneAt = 9, MarkedAt = 10;
constexpr size_t PathAt = 11, VolumeAt = 267, SizeAt = 284, DateAt = 288, WidthAt = 296, HeightAt = 300;
constexpr size_t PathCapacity = 255, VolumeCapacity = 13;

// Real blocks differ from one another in path, size or date: even thousands of copies
// of one file in one folder stay below 90 times, while crafted data expands about
// 1000 times and would take a hundred times its size in memory.
constexpr size_t kMaxExpansion = 128;

// The message of a results list of another version.
std::string versionMismatchText() { return UserText("vl::core", "Results list version mismatch.  Unable to load."); }

// A length-prefixed text with a fixed capacity; the unused tail is spaces.
void putText(uint8_t* at, const std::string& text, size_t capacity) {
  const size_t length = std::min(text.size(), capacity);
  at[0] = static_cast<uint8_t>(length);
  std::memset(at + 1, ' ', capacity);
  std::memcpy(at + 1, text.data(), length);
}

std::string getText(const uint8_t* at, size_t capacity) {
  const size_t length = std::min<size_t>(at[0], capacity);
  return std::string(reinterpret_cast<const char*>(at + 1), length);
}

// The block of one entry. Next carries no meaning; Base is 0 exactly for a base.
Block encodeEntry(const TResultEntry& entry) {
  Block block{};
  PutLE32(&block[NextAt], 0);
  PutLE32(&block[BaseAt], entry.Base == nullptr ? 0 : 1);
  block[ErrorsAt] = entry.Errors;
  block[GoneAt] = entry.Base == nullptr && entry.Gone != 0 ? 1 : 0;
  block[MarkedAt] = entry.Marked != 0 ? 1 : 0;
  putText(&block[PathAt], entry.Path, PathCapacity);
  putText(&block[VolumeAt], entry.Volume, VolumeCapacity);
  PutLE32(&block[SizeAt], static_cast<uint32_t>(entry.Size));
  PutLEDouble(&block[DateAt], entry.FileDate);
  PutLE32(&block[WidthAt], static_cast<uint32_t>(entry.Width));
  PutLE32(&block[HeightAt], static_cast<uint32_t>(entry.Height));
  return block;
}

// Hands out one shared text for equal texts met lately, so that the paths, labels and
// captions a results list repeats are held once. Deflate repeats only what lies in
// its last 32 KiB (about a hundred blocks), so a file that is small for its entries
// repeats its texts within that reach; older texts are forgotten, keeping the table
// small. O(1) hashing per text.
class RecentTexts {
 public:
  SharedText share(std::string text) {
    if (const auto found = index_.find(text); found != index_.end()) return found->second;
    SharedText shared(std::move(text));
    if (ring_.size() < Capacity) {
      ring_.push_back(shared);
    } else {
      index_.erase(ring_[next_].view());
      ring_[next_] = shared;
      next_ = (next_ + 1) % Capacity;
    }
    index_.emplace(shared.view(), shared);
    return shared;
  }

 private:
  static constexpr size_t Capacity = 1024;
  std::unordered_map<std::string_view, SharedText> index_;
  std::vector<SharedText> ring_;
  size_t next_ = 0;
};

// The entry of one block, unlinked; `isBase` tells whether it begins a group. Only a
// base may come back Gone (a gone base saved with its remaining duplicates).
std::unique_ptr<TResultEntry> decodeEntry(const Block& block, bool& isBase, RecentTexts& texts) {
  auto entry = std::make_unique<TResultEntry>();
  isBase = GetLE32(&block[BaseAt]) == 0;
  entry->Errors = block[ErrorsAt];
  entry->Gone = isBase && block[GoneAt] == 1 ? 1 : 0;
  entry->Marked = block[MarkedAt] != 0 ? 1 : 0;
  entry->Path = texts.share(getText(&block[PathAt], PathCapacity));
  entry->Volume = texts.share(getText(&block[VolumeAt], VolumeCapacity));
  entry->Size = static_cast<int32_t>(GetLE32(&block[SizeAt]));
  entry->FileDate = GetLEDouble(&block[DateAt]);
  entry->Width = static_cast<int32_t>(GetLE32(&block[WidthAt]));
  entry->Height = static_cast<int32_t>(GetLE32(&block[HeightAt]));
  return entry;
}

bool hasPresentDuplicate(const TResultEntry& base) {
  for (const TResultEntry* entry = base.Next; entry != nullptr; entry = entry->Next)
    if (entry->Gone == 0) return true;
  return false;
}

// Every group in FResultEntries order: its base (when present, or gone with
// duplicates left), then its duplicates that are not Gone. An entry whose path does
// not fit a block is left out, and with a base its whole group; returns how many
// entries were left out.
size_t writeGroups(ZlibFileWriter& writer, const ResultsModel& model) {
  const auto put = [&writer](const TResultEntry& entry) {
    const Block block = encodeEntry(entry);
    writer.write(block.data(), block.size());
  };
  const auto fits = [](const TResultEntry& entry) { return entry.Path.size() <= PathCapacity; };
  size_t leftOut = 0;
  for (const auto& base : model.FResultEntries()) {
    if (base->Base != nullptr) continue;
    if (base->Gone != 0 && !hasPresentDuplicate(*base)) continue;
    const bool baseFits = fits(*base);
    const auto keep = [&](const TResultEntry& entry) {
      if (baseFits && fits(entry))
        put(entry);
      else
        ++leftOut;
    };
    keep(*base);
    for (const TResultEntry* entry = base->Next; entry != nullptr; entry = entry->Next)
      if (entry->Gone == 0) keep(*entry);
  }
  return leftOut;
}

ResultsFileOutcome outcome(ResultsFileStatus status, std::string message) {
  const bool fine = status == ResultsFileStatus::Saved || status == ResultsFileStatus::Loaded;
  return {status, fine ? MessageKind::Information : MessageKind::Error, std::move(message), 0};
}

// True when the data begins with the version word; false when it is too short, not
// zlib data or of another version. A read error of the file throws.
bool readVersion(ZlibReader& reader) {
  uint8_t version[4];
  try {
    return reader.read(version, sizeof version) == sizeof version && GetLE32(version) == ResultsFileVersion;
  } catch (const ZlibDataError&) {
    return false;
  }
}

// Reads blocks until the data ends, building chains and the list of groups. Throws
// ZlibDataError or std::runtime_error for damaged data or too many entries.
std::vector<BaseGroupItem> readGroups(ZlibReader& reader, ResultsModel& model) {
  std::vector<BaseGroupItem> groups;
  TResultEntry* previous = nullptr;
  size_t count = 0;
  Block block;
  RecentTexts texts;
  while (reader.readRecord(block.data(), block.size())) {
    if (++count > MaxResultEntries)
      throw std::runtime_error("The results list holds more than " + std::to_string(MaxResultEntries) +
                               " entries.");
    bool isBase = false;
    std::unique_ptr<TResultEntry> decoded = decodeEntry(block, isBase, texts);
    if (!isBase && groups.empty()) continue;  // a duplicate without a base before it
    TResultEntry* entry = model.appendEntry(std::move(decoded));
    if (isBase) {
      groups.push_back({texts.share(FileNameOf(entry->Path)), entry});
    } else {
      entry->Base = groups.back().base;
      previous->Next = entry;
    }
    previous = entry;
  }
  return groups;
}

ResultsFileOutcome loadInto(const std::string& fileName, ResultsModel& model) {
  if (KindOfSavedFile(fileName) == SavedFileKind::Database)
    return outcome(ResultsFileStatus::VersionMismatch,
                   versionMismatchText() + "\n\n" +
                       FormatText(UserText("vl::core", "%1 is an image database (*.vdb)."), {fileName}));
  std::unique_ptr<ZlibFileReader> reader;
  try {
    reader = std::make_unique<ZlibFileReader>(fileName);
    reader->limitExpansion(kMaxExpansion);
    if (!readVersion(*reader)) return outcome(ResultsFileStatus::VersionMismatch, versionMismatchText());
  } catch (const std::exception& e) {
    return outcome(ResultsFileStatus::CannotOpen, e.what());
  }
  try {
    model.setGroups(readGroups(*reader, model));
  } catch (const std::exception& e) {
    model.ClearResults();
    return outcome(ResultsFileStatus::DamagedData, e.what());
  }
  return outcome(ResultsFileStatus::Loaded, "");
}

}  // namespace

ResultsFileOutcome SaveResults(const std::string& fileName, const ResultsModel& model) {
  if (const std::string refusal = RefusalToWrite(fileName, SavedFileKind::Results); !refusal.empty())
    return outcome(ResultsFileStatus::CannotCreate, refusal);
  std::unique_ptr<ZlibFileWriter> writer;
  try {
    writer = std::make_unique<ZlibFileWriter>(fileName, 1);
  } catch (const std::exception& e) {
    return outcome(ResultsFileStatus::CannotCreate, e.what());
  }
  size_t leftOut = 0;
  try {
    uint8_t version[4];
    PutLE32(version, ResultsFileVersion);
    writer->write(version, sizeof version);
    leftOut = writeGroups(*writer, model);
    writer->commit();
  } catch (const std::exception& e) {
    return outcome(ResultsFileStatus::WriteFailed,
                   UserText("vl::core", "There was an error in saving your results list.") + "\n\n" + e.what());
  }
  ResultsFileOutcome saved = outcome(ResultsFileStatus::Saved, UserText("vl::core", "Results List saved."));
  saved.leftOut = leftOut;
  return saved;
}

ResultsFileOutcome SaveResults(const std::string& fileName, const ResultsModel& model, Host& host) {
  ResultsFileOutcome result = [&] {
    CursorGuard cursor(host, BusyCursor::Hourglass);
    return SaveResults(fileName, model);
  }();
  if (result.leftOut > 0)
    host.warning(FormatText(UserText("vl::core", "%n entries were left out of %1: their paths are longer than %2 bytes.",
                                     nullptr, TextCount(result.leftOut)),
                            {fileName, std::to_string(PathCapacity)}));
  host.showMessage(result.kind, result.message);
  return result;
}

ResultsFileOutcome LoadResults(const std::string& fileName, ResultsModel& model, Host& host) {
  ResultsFileOutcome result = [&] {
    CursorGuard cursor(host, BusyCursor::Hourglass);
    model.ClearResults();
    return loadInto(fileName, model);
  }();
  if (result.succeeded())
    host.beep();
  else
    host.showMessage(result.kind, result.message);
  return result;
}

}  // namespace vl
