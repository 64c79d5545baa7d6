// The indexed image pairings: classes of identical fingerprints, an index, then the greedy pass.
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/scan/fingerprint_index.h"
#include "core/scan/pairing.h"
#include "core/components/parallel_run.h"

namespace vl {

namespace {

constexpr uint32_t NoClass = UINT32_MAX;
// Heads whose neighbours are found together: enough work for every thread, little
// wasted on heads that an earlier head of the block takes, and the neighbour lists
// of a block kept near NeighbourBudget entries however large the fuzz factor.
constexpr size_t MinBlockSize = 16;
constexpr size_t MaxBlockSize = 256;
constexpr size_t NeighbourBudget = size_t(1) << 20;

struct PackedHash {
  size_t operator()(const PackedFingerprint& p) const {
    uint64_t h = p.low[0] * 0x9E3779B97F4A7C15ull;
    h = (h ^ (h >> 29) ^ p.low[1]) * 0xBF58476D1CE4E5B9ull;
    h = (h ^ (h >> 31) ^ p.high[0]) * 0x94D049BB133111EBull;
    return size_t((h ^ (h >> 30) ^ p.high[1]) * 0x9E3779B97F4A7C15ull);
  }
};

// The entries of a list with identical fingerprints, classes numbered in order of
// their first entry. O(n).
struct FingerprintClasses {
  std::vector<uint32_t> classOf;            // per list position; NoClass without a fingerprint
  std::vector<uint32_t> start;              // class c's entries: members[start[c]] .. members[start[c + 1] - 1]
  std::vector<uint32_t> members;            // list positions, ascending within each class
  std::vector<IndexedFingerprint> points;   // per class

  explicit FingerprintClasses(const ScanList& list) {
    classOf.assign(list.size(), NoClass);
    std::unordered_map<PackedFingerprint, uint32_t, PackedHash> known;
    std::vector<uint32_t> sizes;
    for (size_t i = 0; i < list.size(); ++i) {
      const TFingerprint* fingerprint = list[i]->Fingerprint.get();
      if (fingerprint == nullptr) continue;
      const PackedFingerprint packed = PackFingerprint(*fingerprint);
      const auto [found, added] = known.try_emplace(packed, uint32_t(points.size()));
      if (added) {
        points.push_back({BlockSumsOf(*fingerprint), packed, uint32_t(points.size())});
        sizes.push_back(0);
      }
      classOf[i] = found->second;
      ++sizes[found->second];
    }
    start.assign(points.size() + 1, 0);
    for (size_t c = 0; c < points.size(); ++c) start[c + 1] = start[c] + sizes[c];
    members.resize(start.back());
    std::vector<uint32_t> filled(start.begin(), start.end() - 1);
    for (size_t i = 0; i < list.size(); ++i)
      if (classOf[i] != NoClass) members[filled[classOf[i]]++] = uint32_t(i);
  }
};

bool toneCodesOnly(const ScanList& list) {
  return std::all_of(list.begin(), list.end(), [](const std::unique_ptr<TScanEntry>& entry) {
    return !entry->Fingerprint || HasToneCodesOnly(*entry->Fingerprint);
  });
}

struct Neighbour {
  uint32_t cls;
  int errors;
  Orientations orientations = IdentityOnly;  // of the query, within the fuzz factor
};
using Neighbours = std::vector<Neighbour>;

// The classes within the fuzz factor of a query that keep(class) accepts. With
// rotations the index is asked for each orientation of the query's grid and the
// answers merged per class: the smallest error count, every orientation within.
template <class Keep>
void searchIndex(const FingerprintIndex& index, const IndexedFingerprint& query, const TFingerprint& grid,
                 bool rotations, Keep keep, Neighbours& found) {
  index.forEachWithin(query, [&](uint32_t cls, int errors) {
    if (keep(cls)) found.push_back({cls, errors});
  });
  if (!rotations) return;
  for (int o = 1; o < OrientationCount; ++o) {
    const TFingerprint turned = OrientGrid(grid, o);
    index.forEachWithin({BlockSumsOf(turned), PackFingerprint(turned)}, [&](uint32_t cls, int errors) {
      if (keep(cls)) found.push_back({cls, errors, Orientations(1u << o)});
    });
  }
  std::sort(found.begin(), found.end(), [](const Neighbour& a, const Neighbour& b) { return a.cls < b.cls; });
  size_t merged = 0;
  for (const Neighbour& near : found) {
    if (merged > 0 && found[merged - 1].cls == near.cls) {
      found[merged - 1].errors = std::min(found[merged - 1].errors, near.errors);
      found[merged - 1].orientations |= near.orientations;
    } else {
      found[merged++] = near;
    }
  }
  found.resize(merged);
}

// The neighbour lists of a run of consecutive queries (head classes or base
// positions), found on threads: lists[q - first] for query q.
struct NeighbourBlock {
  size_t first = 0;
  size_t end = 0;  // empty until the first fill
  std::vector<Neighbours> lists;
  size_t nextSize = MinBlockSize;  // queries for the next fill

  bool holds(size_t query) const { return query >= first && query < end; }

  // Sizes the next block from the neighbours per query that this one found.
  void plan() {
    size_t found = 0;
    for (const Neighbours& list : lists) found += list.size();
    const size_t queries = std::max<size_t>(lists.size(), 1);
    nextSize = std::clamp(NeighbourBudget * queries / (found + queries), MinBlockSize, MaxBlockSize);
  }

  // Finds the neighbours of the queries [from, to) for which wanted(q) holds, keeping
  // the classes that keep(q, class) accepts; gridOf(q) is the query's grid, turned
  // with rotations. False when the options' stop test stopped it.
  template <class Wanted, class QueryOf, class GridOf, class Keep>
  bool fill(size_t from, size_t to, const FingerprintIndex& index, const PairingOptions& options, bool rotations,
            Wanted wanted, QueryOf queryOf, GridOf gridOf, Keep keep) {
    first = from;
    end = to;
    lists.assign(to - from, {});
    const bool finished = RunInParallel(
        to - from, options.jobs,
        [&](size_t slot) {
          const size_t query = from + slot;
          if (!wanted(query)) return;
          searchIndex(index, queryOf(query), gridOf(query), rotations,
                      [&](uint32_t cls) { return keep(query, cls); }, lists[slot]);
        },
        [&options] { return KeepGoing(options); });
    plan();
    return finished;
  }
};

void sortByPosition(PairedGroup& group) {
  std::sort(group.duplicates.begin(), group.duplicates.end(),
            [](const PairedDuplicate& a, const PairedDuplicate& b) { return a.index < b.index; });
}

// The index of a self-compare over the classes a later head may still take. Every
// class before the current head is taken, so these are the classes not yet taken;
// when fewer than three quarters of the indexed ones are left (seven eighths with
// rotations, whose queries scan eight times as much), the index is rebuilt over them
// (on a thread, while events run). O(n log n) in all, as it shrinks
// geometrically, and queries scan ever fewer fingerprints.
class ShrinkingIndex {
 public:
  ShrinkingIndex(const std::vector<IndexedFingerprint>& points, int fuzzFactor, bool rotations)
      : points_(points), fuzz_(fuzzFactor), keptEighths_(rotations ? 7 : 6), index_(points, fuzzFactor),
        indexed_(points.size()) {}

  const FingerprintIndex& index() const { return index_; }

  // Rebuilds when enough classes were taken; false when the options' stop test stopped it.
  bool refresh(const std::vector<uint8_t>& taken, size_t takenCount, const PairingOptions& options) {
    const size_t left = points_.size() - takenCount;
    if (8 * left >= keptEighths_ * indexed_) return true;
    std::vector<IndexedFingerprint> rest;
    rest.reserve(left);
    for (size_t c = 0; c < points_.size(); ++c)
      if (!taken[c]) rest.push_back(points_[c]);
    std::optional<FingerprintIndex> rebuilt;
    if (!RunInParallel(1, 1, [&](size_t) { rebuilt.emplace(rest, fuzz_); }, [&options] { return KeepGoing(options); })) return false;
    index_ = std::move(*rebuilt);
    indexed_ = left;
    return true;
  }

 private:
  const std::vector<IndexedFingerprint>& points_;
  int fuzz_;
  size_t keptEighths_;
  FingerprintIndex index_;
  size_t indexed_;
};

// The end of the block of class numbers from `from` holding `size` classes not yet taken.
size_t blockEnd(const std::vector<uint8_t>& taken, size_t from, size_t size) {
  size_t wanted = 0, end = from;
  while (end < taken.size() && wanted < size) wanted += taken[end++] ? 0 : 1;
  return end;
}

// Per class: whether it holds an entry that is the same file as another entry of the
// list (the same path or identity), or two entries or more of which a check may turn
// one down. Only such a class can keep a free entry after one of its entries was
// handled, as a head never takes the same file as itself nor a pair a check rejects
// (a class of one entry is taken or heads a group by then). O(n log n).
std::vector<uint8_t> classesWithTwins(const ScanList& list, const FingerprintClasses& classes,
                                      const ImageMatchRules& rules) {
  std::unordered_map<std::string_view, uint32_t> byPath;
  std::map<std::pair<uint64_t, uint64_t>, uint32_t> byIdentity;
  std::vector<uint8_t> lingers(classes.points.size(), 0);
  const auto mark = [&](size_t a, size_t b) {
    for (const size_t i : {a, b})
      if (classes.classOf[i] != NoClass) lingers[classes.classOf[i]] = 1;
  };
  for (size_t i = 0; i < list.size(); ++i) {
    const TScanEntry& entry = *list[i];
    const uint32_t cls = classes.classOf[i];
    const bool shared = cls != NoClass && classes.start[cls + 1] - classes.start[cls] > 1;
    if (shared && !rules.checks.empty() && (!rules.checkedEntry || rules.checkedEntry(i))) mark(i, i);
    const auto [samePath, newPath] = byPath.try_emplace(entry.Path, uint32_t(i));
    if (!newPath) mark(samePath->second, i);
    if (!entry.Identity.known()) continue;
    const auto [sameFile, newFile] = byIdentity.try_emplace({entry.Identity.device, entry.Identity.inode}, uint32_t(i));
    if (!newFile) mark(sameFile->second, i);
  }
  return lingers;
}

// The free entries of a self-compare: an entry is free until it heads a group or is
// taken; a class is taken when none of its entries is free.
class FreeEntries {
 public:
  explicit FreeEntries(const FingerprintClasses& classes)
      : taken(classes.points.size(), 0), classes_(classes), free_(classes.classOf.size(), 1),
        freeIn_(classes.points.size()) {
    for (size_t c = 0; c < freeIn_.size(); ++c) freeIn_[c] = classes.start[c + 1] - classes.start[c];
  }
  bool isFree(size_t entry) const { return free_[entry] != 0; }
  void take(size_t entry) {
    free_[entry] = 0;
    const uint32_t cls = classes_.classOf[entry];
    if (--freeIn_[cls] == 0) {
      taken[cls] = 1;
      ++takenCount;
    }
  }

  std::vector<uint8_t> taken;  // per class
  size_t takenCount = 0;

 private:
  const FingerprintClasses& classes_;
  std::vector<uint8_t> free_;
  std::vector<uint32_t> freeIn_;
};

}  // namespace

// A head is the first free entry: every entry before it headed a group or was taken,
// so every free entry lies after it and the plain loop's head takes exactly the free
// entries of the classes within the fuzz factor (its own class at 0 errors), except
// those that are the same file as itself. A class before the head's holds no free
// entry unless it holds such a twin, so neighbour lists keep only those and later classes.
// A check may turn a candidate down, leaving it free in a class before later heads'
// classes when that class holds other entries, so with checks such classes are kept too.
bool PairImagesSelfIndexed(const ScanList& compare, int fuzzFactor, const PairingOptions& options,
                           const PairingProgress& progress, const GroupSink& sink, const ImageMatchRules& rules) {
  if (!toneCodesOnly(compare)) return PairImagesSelf(compare, fuzzFactor, progress, sink, rules);
  fuzzFactor = std::min(fuzzFactor, MaxFuzzFactor);  // the index's search bound: every pair is within 400
  const FingerprintClasses classes(compare);
  const std::vector<uint8_t> lingers = classesWithTwins(compare, classes, rules);
  ShrinkingIndex index(classes.points, fuzzFactor, rules.rotations);
  FreeEntries entries(classes);
  const std::vector<uint8_t>& taken = entries.taken;
  NeighbourBlock block;
  const size_t count = compare.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const uint32_t head = classes.classOf[i];
    if (head == NoClass || !entries.isFree(i)) continue;
    if (!block.holds(head) &&
        (!index.refresh(taken, entries.takenCount, options) ||
         !block.fill(
             head, blockEnd(taken, head, block.nextSize), index.index(), options, rules.rotations,
             [&](size_t c) { return !taken[c]; },
             [&](size_t c) -> const IndexedFingerprint& { return classes.points[c]; },
             [&](size_t c) -> const TFingerprint& { return *compare[classes.members[classes.start[c]]]->Fingerprint; },
             [&](size_t c, uint32_t other) { return !taken[other] && (other >= c || lingers[other]); })))
      return false;
    entries.take(i);
    PairedGroup group{i, {}};
    for (const Neighbour& near : block.lists[head - block.first]) {
      if (taken[near.cls]) continue;
      for (uint32_t m = classes.start[near.cls]; m < classes.start[near.cls + 1]; ++m) {
        const uint32_t member = classes.members[m];
        if (!entries.isFree(member) || !rules.accepts(i, member, near.orientations) ||
            SameFile(*compare[i], *compare[member]))
          continue;
        entries.take(member);
        group.duplicates.push_back({member, near.errors});
      }
    }
    sortByPosition(group);
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

bool PairImagesAgainstBaseIndexed(const ScanList& base, const ScanList& compare, int fuzzFactor,
                                  const PairingOptions& options, const PairingProgress& progress,
                                  const GroupSink& sink, const ImageMatchRules& rules) {
  if (!toneCodesOnly(base) || !toneCodesOnly(compare))
    return PairImagesAgainstBase(base, compare, fuzzFactor, progress, sink, rules);
  fuzzFactor = std::min(fuzzFactor, MaxFuzzFactor);
  const FingerprintClasses classes(compare);
  const FingerprintIndex index(classes.points, fuzzFactor);
  std::vector<IndexedFingerprint> queries(base.size());
  for (size_t i = 0; i < base.size(); ++i)
    if (base[i]->Fingerprint) queries[i] = {BlockSumsOf(*base[i]->Fingerprint), PackFingerprint(*base[i]->Fingerprint)};
  NeighbourBlock block;
  const size_t count = base.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *base[i];
    if (!head.Fingerprint) continue;
    if (!block.holds(i) &&
        !block.fill(
            i, std::min(count, i + block.nextSize), index, options, rules.rotations,
            [&](size_t q) { return base[q]->Fingerprint != nullptr; },
            [&](size_t q) -> const IndexedFingerprint& { return queries[q]; },
            [&](size_t q) -> const TFingerprint& { return *base[q]->Fingerprint; }, [](size_t, uint32_t) { return true; }))
      return false;
    PairedGroup group{i, {}};
    for (const Neighbour& near : block.lists[i - block.first])
      for (uint32_t m = classes.start[near.cls]; m < classes.start[near.cls + 1]; ++m) {
        const uint32_t member = classes.members[m];
        if (!SameFile(head, *compare[member]) && rules.accepts(i, member, near.orientations))
          group.duplicates.push_back({member, near.errors});
      }
    sortByPosition(group);
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

}  // namespace vl
