// The plain name, name-and-size and content pairing loops, the reference for faster paths.
#include "core/files/file_checks.h"
#include "core/files/paths.h"
#include "core/scan/pairing.h"

namespace vl {

namespace {

// Whether candidate d duplicates head h; the head's name key is computed once per head.
using MatchRule = std::function<bool(const TScanEntry& h, const std::string& headKey, const TScanEntry& d)>;

MatchRule nameRule(bool withSize) {
  return [withSize](const TScanEntry& h, const std::string& headKey, const TScanEntry& d) {
    return (!withSize || h.ComparedSize() == d.ComparedSize()) && NameKey(d.Path) == headKey;
  };
}

MatchRule contentsRule(const StopRequest& stop) {
  return [&stop](const TScanEntry& h, const std::string&, const TScanEntry& d) {
    return h.ComparedSize() == d.ComparedSize() && CompareFileContents(h.Path, d.Path, stop);
  };
}

bool pairSelf(ScanList& compare, bool needsKey, const MatchRule& matches, const PairingProgress& progress,
              const GroupSink& sink) {
  const size_t count = compare.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *compare[i];
    if (head.Excluded) continue;
    const std::string headKey = needsKey ? NameKey(head.Path) : std::string();
    PairedGroup group{i, {}};
    for (size_t j = i + 1; j < count; ++j) {
      TScanEntry& candidate = *compare[j];
      if (candidate.Excluded || SameFile(head, candidate) || !matches(head, headKey, candidate)) continue;
      group.duplicates.push_back({j, 0});
      candidate.Excluded = 1;
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

bool pairAgainstBase(const ScanList& base, const ScanList& compare, bool needsKey, const MatchRule& matches,
                     const PairingProgress& progress, const GroupSink& sink) {
  const size_t count = base.size();
  for (size_t i = 0; i < count; ++i) {
    if (i % 5 == 0 && !progress(i, count)) return false;
    const TScanEntry& head = *base[i];
    const std::string headKey = needsKey ? NameKey(head.Path) : std::string();
    PairedGroup group{i, {}};
    for (size_t j = 0; j < compare.size(); ++j) {
      const TScanEntry& candidate = *compare[j];
      if (!SameFile(head, candidate) && matches(head, headKey, candidate)) group.duplicates.push_back({j, 0});
    }
    if (!group.duplicates.empty()) sink(group);
  }
  return true;
}

}  // namespace

std::string NameKey(const std::string& path) { return UpperAscii(FileNameOf(path)); }

bool PairNamesSelf(ScanList& compare, bool withSize, const PairingProgress& progress, const GroupSink& sink) {
  return pairSelf(compare, true, nameRule(withSize), progress, sink);
}

bool PairNamesAgainstBase(const ScanList& base, const ScanList& compare, bool withSize,
                          const PairingProgress& progress, const GroupSink& sink) {
  return pairAgainstBase(base, compare, true, nameRule(withSize), progress, sink);
}

bool PairContentsSelf(ScanList& compare, const PairingProgress& progress, const GroupSink& sink,
                      const StopRequest& stop) {
  return pairSelf(compare, false, contentsRule(stop), progress, sink);
}

bool PairContentsAgainstBase(const ScanList& base, const ScanList& compare, const PairingProgress& progress,
                             const GroupSink& sink, const StopRequest& stop) {
  return pairAgainstBase(base, compare, false, contentsRule(stop), progress, sink);
}

}  // namespace vl
