// Seeds for the results-file fuzz target: a saved model (the fuzzer cuts and flips bytes itself).
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/results/results_file.h"
#include "fuzz/seeds.h"
#include "tests/core/results_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

// Two groups (a base has no Base; its duplicates point to it), the second with a gone base, saved through the real writer.
std::vector<uint8_t> savedModel(const std::string& scratch) {
  vl::ResultsModel model;
  for (int group = 0; group < 2; ++group) {
    vl::TResultEntry* base = vl::test::AddGroup(model, {"/pics/base" + std::to_string(group) + ".jpg", 1234},
                                                {{"/pics/copy0.jpg", 1234, 7}, {"/pics/copy1.jpg", 1234, 7}});
    base->Gone = uint8_t(group);
    base->Next->Next->Marked = 1;
  }
  if (!vl::SaveResults(scratch, model).succeeded()) throw std::runtime_error("cannot write " + scratch);
  const std::string bytes = vl::test::ReadFileBytes(scratch);
  std::remove(scratch.c_str());
  return {bytes.begin(), bytes.end()};
}

void resultsSeeds(const vl::fuzz::SeedFolder& folder) {
  folder.add("two-groups.vlr", savedModel(folder.path() + "/.scratch.vlr"));
}

}  // namespace

VELLORAN_SEEDS(fuzz_results, resultsSeeds);
