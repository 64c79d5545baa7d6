// bench_delete PICTURE RECODED [COUNT]: deleting COUNT marked duplicates of a large JPEG, each of
// its own base, through the plan and the file operations: exact copies, then RECODED (the same
// picture encoded again), without and with the bases' fingerprints in the cache; against
// unlinking, reading and fingerprinting the same files.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/files/dir_listing.h"
#include "core/files/recycle.h"
#include "core/components/parallel_run.h"
#include "core/fingerprint/fingerprint.h"
#include "core/fingerprint/fingerprint_cache.h"
#include "core/fingerprint/fingerprint_pool.h"
#include "core/results/file_operations.h"
#include "core/settings/settings.h"
#include "tests/support/recording_host.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double secondsOf(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// COUNT groups: base/N.jpg (PICTURE) and its marked duplicate dup/N.jpg (a copy of `duplicate`),
// the entries as an image scan records them.
std::vector<std::string> makeGroups(const fs::path& folder, const std::string& picture, const std::string& duplicate,
                                    int count, vl::ResultsModel& model) {
  model.ClearResults();
  fs::remove_all(folder);
  fs::create_directories(folder / "base");
  fs::create_directories(folder / "dup");
  vl::TFingerprint print{};
  int32_t width = 0;
  int32_t height = 0;
  vl::MakeFingerprint(picture, print, width, height);
  std::vector<std::string> marked;
  for (int i = 0; i < count; ++i) {
    const std::string name = std::to_string(i) + ".jpg";
    vl::TResultEntry* base = nullptr;
    for (const char* side : {"base", "dup"}) {
      const fs::path path = folder / side / name;
      fs::copy_file(base == nullptr ? picture : duplicate, path);
      const auto item = vl::FindFile(path.string());
      auto entry = std::make_unique<vl::TResultEntry>();
      entry->Path = path.string();
      entry->Size = item->Size;
      entry->FileDate = item->FileDate;
      entry->Width = width;
      entry->Height = height;
      entry->Base = base;
      entry->Marked = base != nullptr ? 1 : 0;
      vl::TResultEntry* added = model.appendEntry(std::move(entry));
      if (base != nullptr) {
        base->Next = added;
        marked.push_back(added->Path);
      } else {
        base = added;
      }
    }
    model.appendGroup(name, base);
  }
  return marked;
}

void readAll(const std::vector<std::string>& paths) {
  std::vector<char> buffer(1 << 20);
  for (const std::string& path : paths) {
    std::ifstream file(path, std::ios::binary);
    while (file.read(buffer.data(), std::streamsize(buffer.size())) || file.gcount() > 0) {
    }
  }
}

// The bases' fingerprints stored in the cache, as a scan with the cache on leaves them.
void cacheBases(const vl::ResultsModel& model) {
  vl::FingerprintCache cache;
  for (const vl::BaseGroupItem& group : model.FBaseGroups()) vl::ComputeFingerprint(group.Base->Path, &cache);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_delete PICTURE RECODED [COUNT]\n");
    return 2;
  }
  const std::string picture = argv[1];
  const std::string recoded = argv[2];
  const int count = argc > 3 ? std::atoi(argv[3]) : 200;
  const fs::path folder = fs::temp_directory_path() / "velloran-bench-delete";
  ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
  vl::test::RecordingHost host;
  vl::DeletedList deleted;

  vl::ResultsModel model;
  std::vector<std::string> marked = makeGroups(folder, picture, picture, count, model);
  const double unlinkTime = secondsOf([&] {
    for (const std::string& path : marked) vl::RemoveFile(path, false);
  });
  marked = makeGroups(folder, picture, picture, count, model);
  const double readTime = secondsOf([&] { readAll(marked); });
  const double decodeTime = secondsOf([&] {
    vl::TFingerprint print{};
    int32_t width = 0;
    int32_t height = 0;
    for (const std::string& path : marked) vl::MakeFingerprint(path, print, width, height);
  });
  std::printf("%d duplicates of %s (%.1f MB), %d jobs\n", count, picture.c_str(),
              double(fs::file_size(picture)) / 1e6, vl::ResolveJobs(0));
  std::printf("  unlink only:              %7.3f s\n", unlinkTime);
  std::printf("  read each once:           %7.3f s\n", readTime);
  std::printf("  fingerprint each once:    %7.3f s (one thread)\n", decodeTime);

  struct Case {
    const char* name;
    const std::string& duplicate;
    bool recycle;
    bool cached;
  };
  for (const Case& c : {Case{"copies, unlink", picture, false, false}, Case{"copies, trash", picture, true, false},
                        Case{"recoded, unlink", recoded, false, false}, Case{"recoded, cached bases", recoded, false, true}}) {
    marked = makeGroups(folder, picture, c.duplicate, count, model);
    fs::remove_all(folder / "cache");
    if (c.cached) cacheBases(model);
    vl::FileOperations operations(model, deleted, host);
    vl::DeletionReport report;
    const double time = secondsOf([&] {
      vl::DeletionPlan plan = vl::PlanDeletion(model, marked);
      plan.skipLastCopyGroups();
      report = operations.DeletePlanned(plan, vl::DeleteOptions{c.recycle, false, c.cached});
    });
    std::printf("  plan and delete (%-21s): %7.3f s, %zu deleted, %.2f x fingerprinting\n", c.name, time,
                report.count(vl::FileOutcome::Done), time / decodeTime);
  }
  fs::remove_all(folder);
  return 0;
}
