// The indexed image pairings give exactly the plain loops' groups, errors and progress calls.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "core/scan/not_duplicates.h"
#include "core/scan/pairing.h"
#include "core/components/parallel_run.h"
#include "tests/core/pairing_recorder.h"

namespace vl::test {
namespace {

// Fingerprint sets as photo collections hold them: distinct pictures, near copies
// (a few cells one to three tones off), chains of near copies, identical clusters
// and files without a fingerprint.
class FingerprintSet {
 public:
  explicit FingerprintSet(uint32_t seed) : random_(seed) {}

  TFingerprint distinct() {
    TFingerprint f;
    for (uint8_t& code : f) code = uint8_t(random_() % 4);
    return f;
  }
  TFingerprint nearCopy(TFingerprint f, int changes) {
    for (int c = 0; c < changes; ++c) {
      uint8_t& code = f[random_() % FingerprintSize];
      code = uint8_t((code + 1 + random_() % 3) % 4);
    }
    return f;
  }
  void add(ScanList& list, const TFingerprint* f, const std::string& path) {
    auto entry = std::make_unique<TScanEntry>();
    entry->Path = path;
    if (f != nullptr) entry->Fingerprint = std::make_unique<TFingerprint>(*f);
    list.push_back(std::move(entry));
  }
  ScanList make(size_t families, const std::string& prefix) {
    std::vector<std::pair<TFingerprint, bool>> items;  // fingerprint, has one
    for (size_t i = 0; i < families; ++i) {
      TFingerprint f = distinct();
      items.push_back({f, true});
      switch (random_() % 6) {
        case 0:
          for (int k = 0; k < 3; ++k) items.push_back({nearCopy(f, 1 + int(random_() % 12)), true});
          break;
        case 1:
          for (int k = 0; k < 4; ++k) items.push_back({f = nearCopy(f, 4 + int(random_() % 6)), true});
          break;
        case 2:
          for (int k = 0; k < 5; ++k) items.push_back({f, true});
          break;
        case 3: items.push_back({f, false}); break;
        default: break;
      }
    }
    std::shuffle(items.begin(), items.end(), random_);
    ScanList list;
    for (size_t i = 0; i < items.size(); ++i) {
      add(list, items[i].second ? &items[i].first : nullptr, prefix + std::to_string(i));
      list.back()->Identity = {std::hash<std::string>()(prefix), i + 1};
      list.back()->Size = int32_t(random_() % 3);  // identical fingerprints of different sizes are different sides
    }
    return list;
  }
  // Adds, at random places, the same files reached again: under another name (a hard
  // link or a folder reached twice: the same identity) and as a record of the same
  // path whose fingerprint may be a near copy (taken before the file changed).
  void addTwins(ScanList& list, size_t count) {
    for (size_t k = 0; k < count; ++k) {
      const TScanEntry& original = *list[random_() % list.size()];
      auto twin = std::make_unique<TScanEntry>();
      twin->Path = k % 2 ? original.Path : original.Path + "-link";
      if (k % 2 == 0) twin->Identity = original.Identity;
      if (original.Fingerprint)
        twin->Fingerprint = std::make_unique<TFingerprint>(nearCopy(*original.Fingerprint, int(k % 4) * 3));
      list.insert(list.begin() + long(random_() % list.size()), std::move(twin));
    }
  }
  // Gives every entry with a fingerprint but one in nine a signature: a structure
  // made of its first 63 codes with random noise of a random strength, so that near
  // copies have near signatures that sometimes pass a check and sometimes fail it.
  // Then adds turned copies (grid and signature) of some entries.
  void addSignaturesAndTurns(ScanList& list) {
    for (auto& entry : list) {
      if (!entry->Fingerprint || random_() % 9 == 0) continue;
      PictureSignature signature;
      const int noise = 1 + int(random_() % 60);
      GreyView& view = signature.luminance;
      for (size_t k = 0; k < view.structure.size(); ++k)
        view.structure[k] = int8_t((*entry->Fingerprint)[k] * 30 - 45 + int(random_() % unsigned(noise)) - noise / 2);
      view.detail = 80;
      view.contrast = 400;
      signature.channelMean = view;
      entry->Signature = signature;
    }
    for (size_t k = 0, count = list.size(); k < count / 8; ++k) {
      const TScanEntry& original = *list[random_() % count];
      if (!original.Fingerprint) continue;
      const int o = 1 + int(random_() % 7);
      const TFingerprint turned = nearCopy(OrientGrid(*original.Fingerprint, o), int(random_() % 5));
      add(list, &turned, original.Path + "-turned" + std::to_string(k));
      if (original.Signature) list.back()->Signature = OrientSignature(*original.Signature, o);
    }
  }

  // A filter remembering every third pair the plain loop finds at this fuzz factor,
  // so that it meets heads, taken entries and identical classes alike.
  NotDuplicateFilter rememberSome(const ScanList& heads, const ScanList& compare, bool self, int fuzz) {
    std::vector<NotDuplicatePair> pairs;
    const GroupSink collect = [&](const PairedGroup& group) {
      for (const PairedDuplicate& found : group.duplicates)
        if (random_() % 3 == 0)
          pairs.push_back(MakeNotDuplicatePair(SideOf(*heads[group.head]), SideOf(*compare[found.index])));
    };
    const PairingProgress go = [](size_t, size_t) { return true; };
    self ? PairImagesSelf(compare, fuzz, go, collect) : PairImagesAgainstBase(heads, compare, fuzz, go, collect);
    return NotDuplicateFilter(pairs);
  }

 private:
  std::mt19937 random_;
};

// The plain loop's outcome (base null: a self-compare), after expecting the indexed
// pairing on `jobs` threads to report exactly the same.
Outcome plainEqualsIndexed(const ScanList* base, const ScanList& compare, int fuzz, const ImageMatchRules& rules = {},
                           int jobs = 2, size_t stopAt = SIZE_MAX) {
  const Outcome plain = Record([&](auto& p, auto s) {
    return base ? PairImagesAgainstBase(*base, compare, fuzz, p, s, rules) : PairImagesSelf(compare, fuzz, p, s, rules);
  }, stopAt);
  EXPECT_EQ(Record([&](auto& p, auto s) {
              return base ? PairImagesAgainstBaseIndexed(*base, compare, fuzz, {jobs, {}}, p, s, rules)
                          : PairImagesSelfIndexed(compare, fuzz, {jobs, {}}, p, s, rules);
            }, stopAt),
            plain);
  return plain;
}

// Both pairings with and without a filter remembering some pairs, which changes the groups.
void expectEqualWithAndWithoutRememberedPairs(FingerprintSet& set, const ScanList* base, const ScanList& compare,
                                              int fuzz, int jobs) {
  const Outcome plain = plainEqualsIndexed(base, compare, fuzz, {}, jobs);
  const NotDuplicateFilter filter = set.rememberSome(base ? *base : compare, compare, base == nullptr, fuzz);
  ImageMatchRules rules;
  AddNotDuplicateCheck(rules, filter, base ? *base : compare, compare);
  if (fuzz >= 0) {
    EXPECT_NE(plainEqualsIndexed(base, compare, fuzz, rules, jobs), plain) << "the remembered pairs change the groups";
  }
}

TEST(IndexedPairing, SelfCompareEqualsThePlainLoop) {
  for (const uint32_t seed : {1u, 2u, 3u}) {
    FingerprintSet set(seed);
    ScanList list = set.make(300, "/c/");
    set.addTwins(list, 60);
    for (const int fuzz : {-1, 0, 5, 12, 20, 30, 60, 100, 1 << 30, INT32_MAX}) {
      for (const int jobs : {1, 3}) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " fuzz " + std::to_string(fuzz) + " jobs " + std::to_string(jobs));
        expectEqualWithAndWithoutRememberedPairs(set, nullptr, list, fuzz, jobs);
      }
    }
  }
}

TEST(IndexedPairing, AgainstBaseEqualsThePlainLoop) {
  for (const uint32_t seed : {4u, 5u}) {
    FingerprintSet set(seed);
    ScanList base = set.make(150, "/b/");
    ScanList compare = set.make(150, "/c/");
    // Copies of base pictures in the compare list, one base file listed again and
    // others reached again under another name.
    for (size_t i = 0; i < base.size(); i += 7)
      if (base[i]->Fingerprint) set.add(compare, base[i]->Fingerprint.get(), "/c/copy" + std::to_string(i));
    set.add(compare, base[0]->Fingerprint.get(), base[0]->Path);
    for (size_t i = 1; i < base.size(); i += 9) {
      set.add(compare, base[i]->Fingerprint.get(), "/c/link" + std::to_string(i));
      compare.back()->Identity = base[i]->Identity;
    }
    for (const int fuzz : {0, 10, 30, 100, INT32_MAX}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + " fuzz " + std::to_string(fuzz));
      expectEqualWithAndWithoutRememberedPairs(set, &base, compare, fuzz, 2);
    }
  }
}

// Every combination of rotations and a signature check, both arrangements.
TEST(IndexedPairing, TurnedAndVerifiedMatchesEqualThePlainLoop) {
  for (const uint32_t seed : {21u, 22u}) {
    FingerprintSet set(seed);
    ScanList list = set.make(200, "/c/");
    set.addTwins(list, 30);
    set.addSignaturesAndTurns(list);
    ScanList base = set.make(60, "/b/");
    for (size_t i = 0; i < list.size(); i += 5) set.add(base, list[i]->Fingerprint.get(), list[i]->Path + "-base");
    set.addSignaturesAndTurns(base);
    for (const bool rotations : {false, true}) {
      std::map<int, Outcome> unverified;
      for (const bool verify : {false, true}) {
        ImageMatchRules self, against;
        self.rotations = against.rotations = rotations;
        if (verify) self.checks.push_back(SignatureCheck(list, list));
        if (verify) against.checks.push_back(SignatureCheck(base, list));
        for (const int fuzz : {0, 20, 60}) {
          SCOPED_TRACE("seed " + std::to_string(seed) + " rotations " + std::to_string(rotations) + " verify " +
                       std::to_string(verify) + " fuzz " + std::to_string(fuzz));
          const Outcome plain = plainEqualsIndexed(nullptr, list, fuzz, self);
          if (!verify) unverified[fuzz] = plain;
          if (verify && fuzz == 60) {
            EXPECT_NE(plain, unverified[fuzz]) << "the check turns some pairs down";
          }
          plainEqualsIndexed(&base, list, fuzz, against);
        }
      }
    }
  }
}

TEST(IndexedPairing, DamagedCodesAndAStoppedPairingMatchThePlainLoop) {
  FingerprintSet set(11);
  ScanList list = set.make(200, "/c/");
  for (const size_t stopAt : {size_t(0), size_t(45), size_t(250)}) plainEqualsIndexed(nullptr, list, 30, {}, 2, stopAt);
  // A code of 200 from a damaged database: the difference counts as it is.
  (*list[3]->Fingerprint)[0] = 200;
  (*list[5]->Fingerprint) = *list[3]->Fingerprint;
  (*list[5]->Fingerprint)[0] = 3;
  plainEqualsIndexed(nullptr, list, 250);
}

TEST(RunInParallel, RunsEveryPieceOnceOrStopsWhenIdleSaysSo) {
  std::vector<std::atomic<int>> runs(500);
  EXPECT_TRUE(RunInParallel(runs.size(), 3, [&](size_t i) { ++runs[i]; }, {}));
  for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
  std::atomic<int> ran{0};
  int idleCalls = 0;
  const bool finished = RunInParallel(
      200, 2, [&](size_t) { ++ran; std::this_thread::sleep_for(std::chrono::milliseconds(5)); },
      [&] { return ++idleCalls < 2; });
  EXPECT_FALSE(finished);
  EXPECT_EQ(idleCalls, 2);
  EXPECT_LT(ran.load(), 100);
}

}  // namespace
}  // namespace vl::test
