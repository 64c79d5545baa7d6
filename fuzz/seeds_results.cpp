// Seeds for the results-file fuzz target: saved models, cut and damaged.
#include <cstdio>
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
  std::vector<uint8_t> bytes;
  if (FILE* file = std::fopen(scratch.c_str(), "rb")) {
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(file);
  }
  std::remove(scratch.c_str());
  return bytes;
}

void resultsSeeds(const vl::fuzz::SeedFolder& folder) {
  const std::vector<uint8_t> saved = savedModel(folder.path() + "/.scratch.vlr");
  folder.add("two-groups.vlr", saved);
  folder.add("cut.vlr", std::vector<uint8_t>(saved.begin(), saved.begin() + static_cast<long>(saved.size() / 2)));
  std::vector<uint8_t> flipped = saved;
  if (flipped.size() > 40) flipped[40] ^= 0xFF;
  folder.add("flipped-byte.vlr", flipped);
}

}  // namespace

VELLORAN_SEEDS(fuzz_results, resultsSeeds);
