// The pairing phase of a scan: which entries are duplicates of which, in every mode.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/files/file_checks.h"
#include "core/fingerprint/grid_errors.h"
#include "core/fingerprint/scan_entry.h"
#include "core/fingerprint/signature.h"

namespace vl {

// The largest fuzz factor that means anything: an error count never exceeds 400 (100
// cells, a difference of 3 counting 4). A scan request cuts larger values to it.
constexpr int MaxFuzzFactor = 400;

struct PairedDuplicate {
  size_t index = 0;  // position in the compare list
  int errors = 0;    // error count (0 outside image mode)
};

// One head candidate and the duplicates found for it, in the order found. `head`
// is a position in the base list, or in the compare list for a self-compare.
struct PairedGroup {
  size_t head = 0;
  std::vector<PairedDuplicate> duplicates;
};

// Runs before head candidate `index` is handled when index % 5 == 0 (the progress
// and the cancel test); returns false to stop the pairing.
using PairingProgress = std::function<bool(size_t index, size_t count)>;
// Receives each group with at least one duplicate, in head order.
using GroupSink = std::function<void(const PairedGroup& group)>;

// A further test a pair of pictures within the fuzz factor must pass to be a
// duplicate: the head (its position in the base list, or in the compare list for a
// self-compare), the candidate (in the compare list), and the orientations of the
// head whose grid is within the fuzz factor of the candidate's.
using PairCheck = std::function<bool(size_t head, size_t candidate, Orientations orientations)>;

// How picture pairs are matched beyond the fuzz factor. The defaults are the classic matcher.
struct ImageMatchRules {
  // The head's grid is compared in all eight orientations; the smallest error count counts.
  bool rotations = false;
  // Every check must pass; a pair failing one is no duplicate, so its candidate stays
  // free for later heads exactly as if it were over the fuzz factor.
  std::vector<PairCheck> checks;
  // The compare-list entries on which some check can fail; unset with checks present
  // means any entry (a check that can fail anywhere, added after one that set this,
  // clears it). Lets the indexed self-compare keep only those entries' classes
  // open for later heads.
  std::function<bool(size_t entry)> checkedEntry;

  bool accepts(size_t head, size_t candidate, Orientations orientations) const {
    for (const PairCheck& check : checks)
      if (!check(head, candidate, orientations)) return false;
    return true;
  }
};

// The verification of picture pairs: a pair passes when either entry has no
// signature (a database record), or when in one of the given orientations the
// head's turned signature matches the candidate's (SignaturesMatch). The lists must
// outlive the check. O(63) per orientation and pair.
PairCheck SignatureCheck(const ScanList& heads, const ScanList& candidates);

// The plain pairing loops. Each returns false when progress stopped it (the groups
// sunk so far stand). Two entries that are the same file (SameFile) never match,
// in any mode and arrangement. Self-compare: heads in list order, each taking every
// later entry not yet taken that matches; a taken entry is never compared again.
// Against a base: for each base entry, every compare entry in order that matches;
// nothing is consumed. Image mode: entries without a fingerprint take no part; a
// match has at most fuzzFactor errors and passes the rules' checks. O(n^2) / O(n m)
// comparisons (eight times the error counts with rotations).
bool PairImagesSelf(const ScanList& compare, int fuzzFactor, const PairingProgress& progress, const GroupSink& sink,
                    const ImageMatchRules& rules = {});
bool PairImagesAgainstBase(const ScanList& base, const ScanList& compare, int fuzzFactor,
                           const PairingProgress& progress, const GroupSink& sink, const ImageMatchRules& rules = {});

// How the indexed and hashed pairings run; nothing here changes a result.
struct PairingOptions {
  int jobs = 0;  // threads; 0 = hardware threads
  // True once the pairing should stop (the cancel test): looked at every 20 ms while
  // threads work and within a block's read of a file, so a cancel takes effect at once.
  StopRequest stop;
};

// Whether the options' stop test lets the pairing go on.
inline bool KeepGoing(const PairingOptions& options) { return !options.stop || !options.stop(); }

// The image pairings with the plain loops' exact results (groups, order, error
// counts, progress calls) but without comparing every pair: identical fingerprints
// form one class, classes are found through a FingerprintIndex on several threads,
// a block of heads at a time, and the groups are then built in list order. When a
// fingerprint holds a code above 3 (a damaged database), the plain loops run.
// With rotations the index is asked for each of the head's eight orientations. The
// rules' checks run on the pairs the index found, as the groups are built.
// About O(n log n) plus the matches for typical pictures.
bool PairImagesSelfIndexed(const ScanList& compare, int fuzzFactor, const PairingOptions& options,
                           const PairingProgress& progress, const GroupSink& sink, const ImageMatchRules& rules = {});
bool PairImagesAgainstBaseIndexed(const ScanList& base, const ScanList& compare, int fuzzFactor,
                                  const PairingOptions& options, const PairingProgress& progress,
                                  const GroupSink& sink, const ImageMatchRules& rules = {});

// The name key: the file name (after the last "/") with a to z upper-cased.
std::string NameKey(const std::string& path);

// Names (withSize: names and ComparedSize). Self-compare sets Excluded on every entry taken.
bool PairNamesSelf(ScanList& compare, bool withSize, const PairingProgress& progress, const GroupSink& sink);
bool PairNamesAgainstBase(const ScanList& base, const ScanList& compare, bool withSize,
                          const PairingProgress& progress, const GroupSink& sink);

// ComparedSize and contents (CompareFileContents, whose reads `stop` ends early).
// Self-compare sets Excluded on every entry taken.
bool PairContentsSelf(ScanList& compare, const PairingProgress& progress, const GroupSink& sink,
                      const StopRequest& stop = {});
bool PairContentsAgainstBase(const ScanList& base, const ScanList& compare, const PairingProgress& progress,
                             const GroupSink& sink, const StopRequest& stop = {});

// The name and content pairings with the plain loops' exact results, by hashing.
// Names: entries with equal name keys (and sizes) form classes, and a class's first
// entry takes the rest. O(n). Contents: files sharing their size get a digest of the
// first 4 KiB and, where that is shared by more files than comparing them pairwise
// reads cheaper, of the rest (read on several threads, every byte at most once for
// digests); a head takes a later file of its digest class only when
// CompareFileContents confirms it, so a digest collision never makes a wrong group.
// A file that cannot be read is equal to nothing. O(n) plus one read of the files
// that share their size, and the confirming reads.
bool PairNamesSelfHashed(ScanList& compare, bool withSize, const PairingProgress& progress, const GroupSink& sink);
bool PairNamesAgainstBaseHashed(const ScanList& base, const ScanList& compare, bool withSize,
                                const PairingProgress& progress, const GroupSink& sink);
bool PairContentsSelfHashed(ScanList& compare, const PairingOptions& options, const PairingProgress& progress,
                            const GroupSink& sink);
bool PairContentsAgainstBaseHashed(const ScanList& base, const ScanList& compare, const PairingOptions& options,
                                   const PairingProgress& progress, const GroupSink& sink);

}  // namespace vl
