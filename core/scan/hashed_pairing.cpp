// The hashed name and content pairings: classes of equal keys, then the plain loops' rules.
#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/files/file_checks.h"
#include "core/scan/pairing.h"
#include "core/components/parallel_run.h"

namespace vl {

namespace {

using Key = std::optional<std::string>;  // none: equal to nothing

// The positions of a list with equal keys, classes in order of their first position. O(n).
class KeyClasses {
 public:
  explicit KeyClasses(const std::vector<Key>& keys) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (!keys[i]) continue;
      const auto [found, added] = numbers_.try_emplace(*keys[i], members_.size());
      if (added) members_.emplace_back();
      members_[found->second].push_back(uint32_t(i));
    }
  }
  // The positions whose key is `key`, ascending; empty for none.
  const std::vector<uint32_t>& membersOf(const Key& key) const {
    static const std::vector<uint32_t> none;
    if (!key) return none;
    const auto found = numbers_.find(*key);
    return found == numbers_.end() ? none : members_[found->second];
  }

 private:
  std::unordered_map<std::string, size_t> numbers_;
  std::vector<std::vector<uint32_t>> members_;
};

// Self-compare over classes: a head takes every later entry of its class that is not
// yet taken, not the same file as the head, and that `confirm` accepts, as the plain
// loop does for a transitive match.
template <class Confirm>
bool pairClassesSelf(ScanList& compare, const std::vector<Key>& keys, const PairingProgress& progress,
                     const GroupSink& sink, Confirm confirm) {
  const KeyClasses classes(keys);
  const size_t count = compare.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *compare[i];
    if (head.Excluded) continue;
    PairedGroup group{i, {}};
    for (const uint32_t j : classes.membersOf(keys[i])) {
      TScanEntry& candidate = *compare[j];
      if (j <= i || candidate.Excluded || SameFile(head, candidate) || !confirm(head, candidate)) continue;
      group.duplicates.push_back({j, 0});
      candidate.Excluded = 1;
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

// Against a base: every compare entry of the head's class, except the same file, that `confirm` accepts.
template <class Confirm>
bool pairClassesAgainstBase(const ScanList& base, const ScanList& compare, const std::vector<Key>& baseKeys,
                            const std::vector<Key>& compareKeys, const PairingProgress& progress,
                            const GroupSink& sink, Confirm confirm) {
  const KeyClasses classes(compareKeys);
  const size_t count = base.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *base[i];
    PairedGroup group{i, {}};
    for (const uint32_t j : classes.membersOf(baseKeys[i]))
      if (!SameFile(head, *compare[j]) && confirm(head, *compare[j])) group.duplicates.push_back({j, 0});
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

std::vector<Key> nameKeys(const ScanList& list, bool withSize) {
  std::vector<Key> keys;
  keys.reserve(list.size());
  for (const auto& entry : list)
    keys.emplace_back(withSize ? NameKey(entry->Path) + '\0' + std::to_string(entry->ComparedSize()) : NameKey(entry->Path));
  return keys;
}

bool alwaysEqual(const TScanEntry&, const TScanEntry&) { return true; }

// Whether two files hold the same bytes; a read stops early once the pairing is stopped.
auto sameBytes(const PairingOptions& options) {
  return [&options](const TScanEntry& a, const TScanEntry& b) {
    return CompareFileContents(a.Path, b.Path, options.stop);
  };
}

// Content keys for the entries of one or two lists. An entry starts with its size as
// key; `refine` replaces the keys of every class it deems shared (`needed`) by the key
// plus a digest of each file, on threads, or by none for a file that cannot be read.
class ContentKeys {
 public:
  ContentKeys(std::vector<const TScanEntry*> entries, const PairingOptions& options)
      : entries_(std::move(entries)), options_(options) {
    for (const TScanEntry* entry : entries_) {
      const int64_t size = entry->ComparedSize();
      keys_.emplace_back(std::string(reinterpret_cast<const char*>(&size), sizeof size));
    }
  }

  // needed(members) tells whether the entries of one class (positions) need telling apart.
  template <class Needed>
  bool refine(bool prefix, Needed needed) {
    std::unordered_map<std::string, std::vector<size_t>> classes;
    for (size_t p = 0; p < keys_.size(); ++p)
      if (keys_[p]) classes[*keys_[p]].push_back(p);
    std::vector<size_t> chosen;
    for (const auto& [key, members] : classes)
      if (needed(members) && (prefix || !fitsInPrefix(*entries_[members.front()])))
        chosen.insert(chosen.end(), members.begin(), members.end());
    std::vector<Key> refined(chosen.size());
    const bool finished = RunInParallel(
        chosen.size(), options_.jobs,
        [&](size_t k) {
          ContentDigest digest;
          const std::string& path = entries_[chosen[k]]->Path;
          if (prefix ? PrefixDigest(path, digest) : RestDigest(path, digest, options_.stop))
            refined[k] = *keys_[chosen[k]] + std::string(reinterpret_cast<const char*>(&digest), sizeof digest);
        },
        [this] { return KeepGoing(options_); });
    for (size_t k = 0; k < chosen.size(); ++k) keys_[chosen[k]] = std::move(refined[k]);
    return finished;
  }

  std::vector<Key> keys(size_t from, size_t to) const { return {keys_.begin() + long(from), keys_.begin() + long(to)}; }

 private:
  static bool fitsInPrefix(const TScanEntry& entry) {
    return entry.ComparedSize() <= int64_t(DigestPrefixLength);
  }

  std::vector<const TScanEntry*> entries_;
  const PairingOptions& options_;
  std::vector<Key> keys_;
};

std::vector<const TScanEntry*> entriesOf(const ScanList& list) {
  std::vector<const TScanEntry*> entries;
  for (const auto& entry : list) entries.push_back(entry.get());
  return entries;
}

}  // namespace

bool PairNamesSelfHashed(ScanList& compare, bool withSize, const PairingProgress& progress, const GroupSink& sink) {
  return pairClassesSelf(compare, nameKeys(compare, withSize), progress, sink, alwaysEqual);
}

bool PairNamesAgainstBaseHashed(const ScanList& base, const ScanList& compare, bool withSize,
                                const PairingProgress& progress, const GroupSink& sink) {
  return pairClassesAgainstBase(base, compare, nameKeys(base, withSize), nameKeys(compare, withSize), progress, sink,
                                alwaysEqual);
}

bool PairContentsSelfHashed(ScanList& compare, const PairingOptions& options, const PairingProgress& progress,
                            const GroupSink& sink) {
  ContentKeys keys(entriesOf(compare), options);
  const auto liveCount = [&](const std::vector<size_t>& members) {
    size_t live = 0;
    for (size_t p : members) live += compare[p]->Excluded ? 0 : 1;
    return live;
  };
  // Up to three files are compared with each other at less cost than reading each to its end for a digest.
  if (!keys.refine(true, [&](const auto& members) { return liveCount(members) > 1; }) ||
      !keys.refine(false, [&](const auto& members) { return liveCount(members) > 3; }))
    return false;
  return pairClassesSelf(compare, keys.keys(0, compare.size()), progress, sink, sameBytes(options));
}

bool PairContentsAgainstBaseHashed(const ScanList& base, const ScanList& compare, const PairingOptions& options,
                                   const PairingProgress& progress, const GroupSink& sink) {
  std::vector<const TScanEntry*> entries = entriesOf(base);
  const std::vector<const TScanEntry*> compared = entriesOf(compare);
  entries.insert(entries.end(), compared.begin(), compared.end());
  ContentKeys keys(std::move(entries), options);
  // The comparisons a class costs: each of its base files with each of its compare files.
  const auto sides = [&](const std::vector<size_t>& members) {
    const size_t inBase = size_t(std::count_if(members.begin(), members.end(), [&](size_t p) { return p < base.size(); }));
    return std::pair(inBase, members.size() - inBase);
  };
  const auto shared = [&](const auto& members) {
    const auto [inBase, inCompare] = sides(members);
    return inBase > 0 && inCompare > 0;
  };
  // Digests of the rest where comparing every pair would read more than reading each file once.
  const auto worthDigests = [&](const auto& members) {
    const auto [inBase, inCompare] = sides(members);
    return inBase * inCompare > inBase + inCompare;
  };
  if (!keys.refine(true, shared) || !keys.refine(false, worthDigests)) return false;
  const size_t total = base.size() + compare.size();
  return pairClassesAgainstBase(base, compare, keys.keys(0, base.size()), keys.keys(base.size(), total), progress,
                                sink, sameBytes(options));
}

}  // namespace vl
