// Seeds for the results-file fuzz target: a saved model (the fuzzer cuts and flips bytes itself).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/results/results_file.h"
#include "core/results/results_model.h"
#include "fuzz/seeds.h"

namespace {

std::unique_ptr<vl::TResultEntry> makeEntry(const std::string& path, uint8_t errors, uint8_t marked, uint8_t gone) {
  auto entry = std::make_unique<vl::TResultEntry>();
  entry->Path = path;
  entry->Volume = "photos";
  entry->Errors = errors;
  entry->Marked = marked;
  entry->Gone = gone;
  entry->Size = 1234;
  entry->FileDate = 45000.5;
  entry->Width = 640;
  entry->Height = 480;
  return entry;
}

// Two groups (a base has no Base; its duplicates point to it), the second with a gone base, saved through the real writer.
std::vector<uint8_t> savedModel(const std::string& scratch) {
  vl::ResultsModel model;
  for (int group = 0; group < 2; ++group) {
    vl::TResultEntry* base = model.appendEntry(makeEntry("/pics/base" + std::to_string(group) + ".jpg", 0, 0, group));
    vl::TResultEntry* last = base;
    for (int dupe = 0; dupe < 2; ++dupe) {
      vl::TResultEntry* entry = model.appendEntry(makeEntry("/pics/copy" + std::to_string(dupe) + ".jpg", 7, dupe, 0));
      entry->Base = base;
      last->Next = entry;
      last = entry;
    }
    model.appendGroup("base" + std::to_string(group) + ".jpg", base);
  }
  if (!vl::SaveResults(scratch, model).succeeded()) throw std::runtime_error("cannot write " + scratch);
  std::ifstream file(scratch, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::remove(scratch.c_str());
  return bytes;
}

void resultsSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("two-groups.vlr", savedModel(folder.path() + "/.scratch.vlr"));
}

}  // namespace

VELLORAN_SEEDS(fuzz_results, resultsSeeds);
