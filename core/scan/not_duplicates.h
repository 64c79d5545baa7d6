// Pairs of pictures the user said are not duplicates, kept in the "notdupes" file.
#pragma once

#include <compare>
#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/fingerprint/scan_entry.h"
#include "core/scan/pairing.h"

namespace vl {

// One side of a remembered pair: a picture known by its fingerprint and whole size,
// so that renaming or moving the file does not make the pair new again.
struct NotDuplicateSide {
  uint64_t size = 0;
  TFingerprint fingerprint{};
  auto operator<=>(const NotDuplicateSide&) const = default;
};

// A remembered pair, its smaller side first, so a pair and its mirror are one pair.
struct NotDuplicatePair {
  NotDuplicateSide first;
  NotDuplicateSide second;
  auto operator<=>(const NotDuplicatePair&) const = default;
};

// The pair of two sides in its stored order.
NotDuplicatePair MakeNotDuplicatePair(const NotDuplicateSide& a, const NotDuplicateSide& b);
// The side of an entry with a fingerprint (its ComparedSize and classic fingerprint).
NotDuplicateSide SideOf(const TScanEntry& entry);

// The side of the picture file at path: its size and its fingerprint, made now (one
// read of the file). False, with the reason naming the file, when it is no regular
// file or no picture that can be read.
bool SideOfFile(const std::string& path, NotDuplicateSide& side, std::string& reason);

// The most pairs the file holds; a longer list is refused when written and damaged when read.
constexpr uint32_t MaxNotDuplicatePairs = 100000;

// AppDir() + "notdupes".
std::string NotDuplicatesFileName();

// Reads the list; a missing file is an empty list. A damaged file (wrong header, an
// unknown version, a count above the bound, a wrong length or checksum, a code above
// 3) gives an empty list and one message naming the file in `problem`. Reads at most
// the bounded length. O(pairs).
std::vector<NotDuplicatePair> ReadNotDuplicates(const std::string& fileName, std::string& problem);

// The pairs of a whole file's bytes; false with the reason it is damaged (then no pairs).
bool ParseNotDuplicates(const std::string& bytes, std::vector<NotDuplicatePair>& pairs, std::string& reason);
// The file's bytes for the pairs (at most MaxNotDuplicatePairs of them).
std::string EncodeNotDuplicates(const std::vector<NotDuplicatePair>& pairs);

// Writes the list through a temporary file (synced, renamed over the old one). Throws
// std::runtime_error naming the file when it cannot, or when the list is over the bound.
void WriteNotDuplicates(const std::string& fileName, const std::vector<NotDuplicatePair>& pairs);

// Adds a pair to the file under its lock (reading it again first, so that two programs
// do not lose each other's pairs). False when the pair was already known. Throws as
// WriteNotDuplicates does, when the lock stays taken for five seconds, and when the
// file is damaged: a damaged list is never rewritten, so that the pairs it still
// holds are not lost (ForgetNotDuplicates starts it anew).
bool RememberNotDuplicate(const std::string& fileName, const NotDuplicatePair& pair);
// Empties the file under its lock.
void ForgetNotDuplicates(const std::string& fileName);

// The image pairings' test of a matching pair against the remembered list: a
// rejected pair counts as not matching. O(1) hashing per entry asked about.
class NotDuplicateFilter {
 public:
  explicit NotDuplicateFilter(const std::vector<NotDuplicatePair>& pairs);
  // True when the entry (which has a fingerprint) is a side of some remembered pair.
  bool involves(const TScanEntry& entry) const;
  // True when the two entries (both with fingerprints) form a remembered pair.
  bool rejects(const TScanEntry& a, const TScanEntry& b) const;

 private:
  struct SideHash {
    size_t operator()(const NotDuplicateSide& side) const;
  };
  std::unordered_set<NotDuplicateSide, SideHash> sides_;
  std::set<NotDuplicatePair> pairs_;
};

// Adds to the rules the check that refuses every remembered pair (head and candidate
// are positions in the given lists, which must outlive the rules, as must the filter).
// When it is the first check, only the entries of remembered pictures count as checked,
// so the indexed self-compare keeps few classes open. O(1) per pair.
void AddNotDuplicateCheck(ImageMatchRules& rules, const NotDuplicateFilter& filter, const ScanList& heads,
                          const ScanList& candidates);

}  // namespace vl
