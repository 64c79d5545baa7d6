// Saving the result groups to a results file and loading them back.
#include "core/results/results_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "core/files/little_endian.h"
#include "core/files/paths.h"
#include "core/files/zlib_stream.h"

namespace vl {

namespace {

using Block = std::array<uint8_t, kResultBlockSize>;

// Field offsets inside a block.
constexpr size_t kNextAt = 0, kBaseAt = 4, kErrorsAt = 8, kGoneAt = 9, kMarkedAt = 10;
constexpr size_t kPathAt = 11, kVolumeAt = 267, kSizeAt = 284, kDateAt = 288, kWidthAt = 296, kHeightAt = 300;
constexpr size_t kPathCapacity = 255, kVolumeCapacity = 13;

const char* const kSaveError = "There was an error in saving your results list.";
const char* const kSaved = "Results List saved.";
const char* const kVersionMismatch = "Results list version mismatch.  Unable to load.";

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
  PutLE32(&block[kNextAt], 0);
  PutLE32(&block[kBaseAt], entry.Base == nullptr ? 0 : 1);
  block[kErrorsAt] = entry.Errors;
  block[kGoneAt] = entry.Base == nullptr && entry.Gone != 0 ? 1 : 0;
  block[kMarkedAt] = entry.Marked != 0 ? 1 : 0;
  putText(&block[kPathAt], entry.Path, kPathCapacity);
  putText(&block[kVolumeAt], entry.Volume, kVolumeCapacity);
  PutLE32(&block[kSizeAt], static_cast<uint32_t>(entry.Size));
  PutLEDouble(&block[kDateAt], entry.FileDate);
  PutLE32(&block[kWidthAt], static_cast<uint32_t>(entry.Width));
  PutLE32(&block[kHeightAt], static_cast<uint32_t>(entry.Height));
  return block;
}

// The entry of one block, unlinked; `isBase` tells whether it begins a group. Only a
// base may come back Gone (a gone base saved with its remaining duplicates).
std::unique_ptr<TResultEntry> decodeEntry(const Block& block, bool& isBase) {
  auto entry = std::make_unique<TResultEntry>();
  isBase = GetLE32(&block[kBaseAt]) == 0;
  entry->Errors = block[kErrorsAt];
  entry->Gone = isBase && block[kGoneAt] == 1 ? 1 : 0;
  entry->Marked = block[kMarkedAt] != 0 ? 1 : 0;
  entry->Path = getText(&block[kPathAt], kPathCapacity);
  entry->Volume = getText(&block[kVolumeAt], kVolumeCapacity);
  entry->Size = static_cast<int32_t>(GetLE32(&block[kSizeAt]));
  entry->FileDate = GetLEDouble(&block[kDateAt]);
  entry->Width = static_cast<int32_t>(GetLE32(&block[kWidthAt]));
  entry->Height = static_cast<int32_t>(GetLE32(&block[kHeightAt]));
  return entry;
}

bool hasPresentDuplicate(const TResultEntry& base) {
  for (const TResultEntry* entry = base.Next; entry != nullptr; entry = entry->Next)
    if (entry->Gone == 0) return true;
  return false;
}

// Every group in FResultEntries order: its base (when present, or gone with
// duplicates left), then its duplicates that are not Gone.
void writeGroups(ZlibFileWriter& writer, const ResultsModel& model) {
  const auto put = [&writer](const TResultEntry& entry) {
    const Block block = encodeEntry(entry);
    writer.write(block.data(), block.size());
  };
  for (const auto& base : model.FResultEntries()) {
    if (base->Base != nullptr) continue;
    if (base->Gone != 0 && !hasPresentDuplicate(*base)) continue;
    put(*base);
    for (const TResultEntry* entry = base->Next; entry != nullptr; entry = entry->Next)
      if (entry->Gone == 0) put(*entry);
  }
}

ResultsFileOutcome outcome(ResultsFileStatus status, std::string message) {
  const bool fine = status == ResultsFileStatus::Saved || status == ResultsFileStatus::Loaded;
  return {status, fine ? MessageKind::Information : MessageKind::Error, std::move(message)};
}

// True when the data begins with the version word; false when it is too short, not
// zlib data or of another version. A read error of the file throws.
bool readVersion(ZlibReader& reader) {
  uint8_t version[4];
  try {
    return reader.read(version, sizeof version) == sizeof version && GetLE32(version) == kResultsFileVersion;
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
  while (reader.read(block.data(), block.size()) == block.size()) {
    if (++count > kMaxResultEntries)
      throw std::runtime_error("The results list holds more than " + std::to_string(kMaxResultEntries) +
                               " entries.");
    bool isBase = false;
    std::unique_ptr<TResultEntry> decoded = decodeEntry(block, isBase);
    if (!isBase && groups.empty()) continue;  // a duplicate without a base before it
    TResultEntry* entry = model.appendEntry(std::move(decoded));
    if (isBase) {
      groups.push_back({FileNameOf(entry->Path), entry});
    } else {
      entry->Base = groups.back().Base;
      previous->Next = entry;
    }
    previous = entry;
  }
  return groups;
}

ResultsFileOutcome loadInto(const std::string& fileName, ResultsModel& model) {
  std::unique_ptr<ZlibFileReader> reader;
  try {
    reader = std::make_unique<ZlibFileReader>(fileName);
    if (!readVersion(*reader)) return outcome(ResultsFileStatus::VersionMismatch, kVersionMismatch);
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
  std::unique_ptr<ZlibFileWriter> writer;
  try {
    writer = std::make_unique<ZlibFileWriter>(fileName, 1);
  } catch (const std::exception& e) {
    return outcome(ResultsFileStatus::CannotCreate, e.what());
  }
  try {
    uint8_t version[4];
    PutLE32(version, kResultsFileVersion);
    writer->write(version, sizeof version);
    writeGroups(*writer, model);
    writer->commit();
  } catch (const std::exception& e) {
    return outcome(ResultsFileStatus::WriteFailed, std::string(kSaveError) + "\n\n" + e.what());
  }
  return outcome(ResultsFileStatus::Saved, kSaved);
}

ResultsFileOutcome SaveResults(const std::string& fileName, const ResultsModel& model, Host& host) {
  ResultsFileOutcome result = [&] {
    CursorGuard cursor(host, BusyCursor::Hourglass);
    return SaveResults(fileName, model);
  }();
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
