// Saving the result groups to a results file (.vlr) and loading them back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/host.h"
#include "core/results/results_model.h"

namespace vl {

// The file is one zlib stream holding the version word, then one 304-byte block
// per entry: each group's base (Base field 0), then its duplicates.
constexpr uint32_t ResultsFileVersion = 1000;
constexpr size_t ResultBlockSize = 304;
// The most entries a results file may hold; bounds the memory a damaged or hostile
// file can claim.
constexpr size_t MaxResultEntries = 2'000'000;

enum class ResultsFileStatus {
  Saved,            // "Results List saved."
  CannotCreate,     // the target could not be created, or is a file of another kind; the error's own message
  WriteFailed,      // "There was an error in saving your results list."
  Loaded,           // no message; the load beeps
  CannotOpen,       // the file could not be opened; the error's own message
  VersionMismatch,  // not a results file, or of another version
  DamagedData,      // damaged after the version; the error's own message
};

// What a save or a load did, and the message for the user (empty after a load that
// worked). `kind` tells how to show the message.
struct ResultsFileOutcome {
  ResultsFileStatus status;
  MessageKind kind;
  std::string message;
  size_t leftOut;  // entries a save left out: their paths are longer than a block holds

  bool succeeded() const { return status == ResultsFileStatus::Saved || status == ResultsFileStatus::Loaded; }
};

// Writes every group of the model, whichever view is shown. A group's entries that
// are Gone are left out, except a gone base whose group still has duplicates: it is
// written with its Gone byte 1, so that the group reloads whole with its base shown
// as "Deleted or Moved". An entry whose path is longer than 255 bytes is left out
// (with a base, its whole group) and counted in leftOut. The file is written beside
// the target and renamed over it only when everything was written, so a failed save
// leaves an old file intact; its message ends with the system's reason. An image
// database, a name with the .vdb extension, and an existing file that neither has
// the .vlr extension nor begins as a results file are refused (CannotCreate) and
// left unchanged.
// Cost: O(entries).
ResultsFileOutcome SaveResults(const std::string& fileName, const ResultsModel& model);
// The same with the wait cursor, showing the outcome's message through the host,
// after a warning that counts the entries left out, when there are any.
ResultsFileOutcome SaveResults(const std::string& fileName, const ResultsModel& model, Host& host);

// Replaces the model's results by those of a file, with the wait cursor; groups come
// back with their marks and error counts, captioned with the bare base file names,
// and no group selected. Every failure shows its error message through the host and
// leaves the results empty: data that ends before its stream's end or inside a
// block, or that expands more than real results do (128 times), is damaged, and the
// message names the file; an image database is refused as of another version.
// Duplicates before the first base are dropped; Gone is
// taken only from base entries. A load that worked ends with a beep. Cost: O(file).
ResultsFileOutcome LoadResults(const std::string& fileName, ResultsModel& model, Host& host);

}  // namespace vl
