// The pairing phase of a scan: which entries are duplicates of which, in every mode.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/scan/scan_entry.h"

namespace vl {

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

// Runs before head candidate `index` is handled when index % 5 == 0 (the status
// text, pending events and the cancel test); returns false to stop the pairing.
using PairingProgress = std::function<bool(size_t index, size_t count)>;
// Receives each group with at least one duplicate, in head order.
using GroupSink = std::function<void(const PairedGroup& group)>;

// The error count of two fingerprints, cells taken row by row (y outer, x inner,
// k = x * 10 + y); a difference of 3 counts 4. Returns the running count as soon
// as it exceeds limit. O(100).
int FingerprintErrors(const TFingerprint& a, const TFingerprint& b, int limit);

// The plain pairing loops. Each returns false when progress stopped it (the groups
// sunk so far stand). Self-compare: heads in list order, each taking every later
// entry not yet taken that matches; a taken entry is never compared again.
// Against a base: for each base entry, every compare entry in order that matches,
// except the same path; nothing is consumed.
// Image mode: entries without a fingerprint take no part; a match has at most
// fuzzFactor errors. O(n^2) / O(n m) comparisons.
bool PairImagesSelf(const ScanList& compare, int fuzzFactor, const PairingProgress& progress, const GroupSink& sink);
bool PairImagesAgainstBase(const ScanList& base, const ScanList& compare, int fuzzFactor,
                           const PairingProgress& progress, const GroupSink& sink);

// The name key: the file name (after the last "/") with a to z upper-cased.
std::string NameKey(const std::string& path);

// Names (withSize: names and sizes). Self-compare sets Excluded on every entry taken.
bool PairNamesSelf(ScanList& compare, bool withSize, const PairingProgress& progress, const GroupSink& sink);
bool PairNamesAgainstBase(const ScanList& base, const ScanList& compare, bool withSize,
                          const PairingProgress& progress, const GroupSink& sink);

// Sizes and contents (CompareFileContents). Self-compare sets Excluded on every entry taken.
bool PairContentsSelf(ScanList& compare, const PairingProgress& progress, const GroupSink& sink);
bool PairContentsAgainstBase(const ScanList& base, const ScanList& compare, const PairingProgress& progress,
                             const GroupSink& sink);

}  // namespace vl
