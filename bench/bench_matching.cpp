// bench_matching FOLDER [--large]: the matching quality of classic and verified image pairing on a
// labelled corpus of photographs and their altered copies, by fuzz factor, and the cost of reading.
//
// The corpus (bench/matching_corpus.h) is written into FOLDER when it holds none: about 1,000
// pictures, or about 10,000 with --large. A copy is joined when it ends in the group of its
// original; a false pair is a head and a duplicate cut from different photographs (or a smooth
// picture and any other); pairs of cuts of one photograph that overlap (similar) or not (apart),
// and of two blank pictures, are counted apart. The last column (fnewer) counts the false pairs
// with a copy of a newer kind (JPEG XL, camera raw) in them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/matching_corpus.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/scan/pairing.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using vl::bench::CorpusLabel;
using vl::bench::Relation;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The corpus read twice over: entries with classic fingerprints, and entries with the
// upright verified grids and signatures, in label (file-name) order.
struct Corpus {
  std::vector<CorpusLabel> labels;
  vl::ScanList classic, verified;
  double readSeconds[2] = {1e9, 1e9};  // without and with verified prints, the fastest of two rounds
};

std::unique_ptr<vl::TScanEntry> entryOf(const std::string& path, const vl::FingerprintOutcome& outcome, bool verified) {
  auto entry = std::make_unique<vl::TScanEntry>();
  entry->Path = path;
  vl::StoreOutcome(*entry, outcome, verified);
  return entry;
}

Corpus readCorpus(const fs::path& folder) {
  Corpus corpus;
  for (CorpusLabel& label : vl::bench::ReadCorpusLabels(folder.string())) {
    const std::string path = (folder / label.name).string();
    const vl::FingerprintOutcome outcome = vl::ComputeFingerprint(path, nullptr, true);
    if (!outcome.ok) {
      std::printf("cannot read %s\n", path.c_str());
      continue;
    }
    corpus.classic.push_back(entryOf(path, outcome, false));
    corpus.verified.push_back(entryOf(path, outcome, true));
    corpus.labels.push_back(std::move(label));
  }
  for (int round = 0; round < 4; ++round) {
    const bool verified = round % 2 == 1;
    const auto start = Clock::now();
    for (const auto& entry : corpus.classic) vl::ComputeFingerprint(entry->Path, nullptr, verified);
    corpus.readSeconds[verified] = std::min(corpus.readSeconds[verified], secondsSince(start));
  }
  return corpus;
}

bool isOneOf(const std::string& kind, const std::vector<std::string>& kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

struct Tally {
  std::map<std::string, int> joined;  // per kind: copies in the group of their original
  int altered = 0, falsePairs = 0, similar = 0, apart = 0, blank = 0;
  int newerFalse = 0;  // false pairs with a copy of a newer kind in them
  double seconds = 0;
};

Tally measure(const Corpus& corpus, bool verified, int fuzz, bool rotations) {
  const vl::ScanList& list = verified ? corpus.verified : corpus.classic;
  vl::ImageMatchRules rules;
  rules.rotations = rotations;
  if (verified) rules.checks.push_back(vl::SignatureCheck(list, list));
  std::vector<int> groupOf(list.size(), -1);
  Tally tally;
  int groups = 0;
  const auto start = Clock::now();
  vl::PairImagesSelfIndexed(
      list, fuzz, {}, [](size_t, size_t) { return true; },
      [&](const vl::PairedGroup& group) {
        groupOf[group.head] = groups;
        for (const vl::PairedDuplicate& d : group.duplicates) {
          groupOf[d.index] = groups;
          const CorpusLabel &head = corpus.labels[group.head], &duplicate = corpus.labels[d.index];
          const bool newer = isOneOf(head.kind, vl::bench::NewerKinds) || isOneOf(duplicate.kind, vl::bench::NewerKinds);
          switch (RelationOf(head, duplicate)) {
            case Relation::Different:
              ++tally.falsePairs;
              tally.newerFalse += newer ? 1 : 0;
              break;
            case Relation::Similar: ++tally.similar; break;
            case Relation::Apart: ++tally.apart; break;
            case Relation::Blank: ++tally.blank; break;
            case Relation::Copy: break;
          }
        }
        ++groups;
      },
      rules);
  tally.seconds = secondsSince(start);
  std::map<int, size_t> originalAt;
  for (size_t i = 0; i < corpus.labels.size(); ++i)
    if (corpus.labels[i].kind == "original") originalAt[corpus.labels[i].family] = i;
  for (size_t i = 0; i < corpus.labels.size(); ++i) {
    const CorpusLabel& l = corpus.labels[i];
    if (l.family < 0 || l.kind == "original") continue;
    const bool joined = groupOf[i] >= 0 && groupOf[i] == groupOf[originalAt[l.family]];
    tally.joined[l.kind] += joined ? 1 : 0;
    if (isOneOf(l.kind, vl::bench::AlteredKinds)) tally.altered += joined ? 1 : 0;
  }
  return tally;
}

std::vector<std::string> reportedKinds() {
  std::vector<std::string> kinds = vl::bench::AlteredKinds;
  for (const auto* more :
       {&vl::bench::OtherKinds, &vl::bench::TaggedKinds, &vl::bench::TurnedKinds, &vl::bench::NewerKinds})
    kinds.insert(kinds.end(), more->begin(), more->end());
  return kinds;
}

void printHeader() {
  std::printf("%-9s %4s %-4s", "matcher", "fuzz", "rot");
  for (const std::string& kind : reportedKinds()) std::printf(" %5.5s", kind.c_str());
  std::printf(" %13s %6s %7s %6s %6s %6s %9s %6s\n", "altered", "false", "/1000", "simil", "apart", "blank", "pairing",
              "fnewer");
}

void printRow(const Corpus& corpus, const char* matcher, int fuzz, bool rotations, const Tally& t) {
  std::printf("%-9s %4d %-4s", matcher, fuzz, rotations ? "yes" : "no");
  for (const std::string& kind : reportedKinds()) std::printf(" %5d", t.joined.count(kind) ? t.joined.at(kind) : 0);
  size_t copies = 0;
  for (const CorpusLabel& l : corpus.labels) copies += isOneOf(l.kind, vl::bench::AlteredKinds) ? 1 : 0;
  const double perThousand = 1000.0 * t.falsePairs / double(corpus.labels.size());
  std::printf(" %4d/%4zu %3.0f%% %6d %7.2f %6d %6d %6d %7.1fms %6d\n", t.altered, copies,
              100.0 * t.altered / double(copies), t.falsePairs, perThousand, t.similar, t.apart, t.blank, t.seconds * 1000,
              t.newerFalse);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || (argc > 2 && std::strcmp(argv[2], "--large") != 0)) {
    std::fprintf(stderr, "usage: bench_matching FOLDER [--large]\n");
    return 2;
  }
  const fs::path folder = argv[1];
  if (vl::bench::ReadCorpusLabels(folder.string()).empty())
    vl::bench::WriteCorpus(folder.string(), argc > 2 ? vl::bench::LargeCorpus : vl::bench::SmallCorpus);
  const Corpus corpus = readCorpus(folder);
  std::map<std::string, int> kinds;
  for (const CorpusLabel& l : corpus.labels) ++kinds[l.kind];
  std::printf("%zu pictures:", corpus.labels.size());
  for (const auto& [kind, count] : kinds) std::printf(" %s %d", kind.c_str(), count);
  std::printf("\nreading on one core: classic %.2f s, verified %.2f s (ratio %.3f)\n\n", corpus.readSeconds[0],
              corpus.readSeconds[1], corpus.readSeconds[1] / corpus.readSeconds[0]);
  printHeader();
  for (const int fuzz : {30, 50, 80}) printRow(corpus, "classic", fuzz, false, measure(corpus, false, fuzz, false));
  for (const int fuzz : {20, 25, 30, 40, 50, 60, 80})
    printRow(corpus, "verified", fuzz, false, measure(corpus, true, fuzz, false));
  for (const int fuzz : {30, 40}) {
    printRow(corpus, "classic", fuzz, true, measure(corpus, false, fuzz, true));
    printRow(corpus, "verified", fuzz, true, measure(corpus, true, fuzz, true));
  }
  return 0;
}
