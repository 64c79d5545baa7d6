// Peak memory of loading results files into the model, against only reading them through, per entry and per file byte.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/files/zlib_stream.h"
#include "core/results/results_export.h"
#include "core/results/results_file.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace {

using vl::ResultsModel;
using vl::TResultEntry;

// Runs `work` in a child process; its peak resident set in MiB, or -1 when it failed.
double childPeakMiB(const std::function<bool()>& work) {
  std::fflush(stdout);
  const pid_t child = ::fork();
  if (child == 0) std::_Exit(work() ? 0 : 1);
  int status = 0;
  rusage usage{};
  if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A results file of `groups` groups of `size` entries, written in a child so that
// this process stays small; `pathOf(group, member)` names each entry.
bool writeResults(const std::string& file, long groups, int size, const std::function<std::string(long, int)>& pathOf) {
  return childPeakMiB([&] {
           ResultsModel model;
           for (long group = 0; group < groups; ++group) {
             TResultEntry* base = nullptr;
             TResultEntry* previous = nullptr;
             for (int member = 0; member < size; ++member) {
               auto entry = std::make_unique<TResultEntry>();
               entry->Path = pathOf(group, member);
               entry->Base = base;
               entry->Marked = member > 0 ? 1 : 0;
               TResultEntry* added = model.appendEntry(std::move(entry));
               if (base == nullptr) base = added;
               if (previous != nullptr) previous->Next = added;
               previous = added;
             }
             model.appendGroup("", base);
           }
           return vl::SaveResults(file, model).succeeded();
         }) >= 0;
}

void measure(const char* name, const std::string& file, long entries) {
  const double fileMiB = static_cast<double>(std::filesystem::file_size(file)) / (1 << 20);
  const double read = childPeakMiB([&] {
    vl::ZlibFileReader reader(file);
    char buffer[1 << 16];
    while (reader.read(buffer, sizeof buffer) > 0) {
    }
    return true;
  });
  const double loaded = childPeakMiB([&] {
    vl::test::RecordingHost host;
    ResultsModel model;
    return vl::LoadResults(file, model, host).succeeded();
  });
  const double dumped = childPeakMiB([&] {
    vl::test::RecordingHost host;
    ResultsModel model;
    if (!vl::LoadResults(file, model, host).succeeded()) return false;
    std::FILE* sink = std::fopen("/dev/null", "w");
    vl::WriteResults(model, vl::ExportFormat::Json,
                     [sink](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), sink); });
    return std::fclose(sink) == 0;
  });
  const double perEntry = (loaded - read) * (1 << 20) / static_cast<double>(entries);
  std::printf("%-15s %9ld %8.1f %9.1f %9.1f %9.1f %8.0f %9.1f\n", name, entries, fileMiB, read, loaded, dumped,
              perEntry, loaded / fileMiB);
}

}  // namespace

int main(int argc, char** argv) {
  const long entries = argc > 1 ? std::atol(argv[1]) : 2'000'000;
  if (entries < 2) {
    std::fprintf(stderr, "usage: bench_results_memory [ENTRIES]\n");
    return 2;
  }
  vl::test::TempDir dir;
  const std::string longPath = "/home/user/Pictures/" + std::string(225, 'p') + ".jpg";
  const auto distinct = [](long group, int member) {
    return "/home/user/Pictures/" + std::to_string(2000 + group % 25) + "/album-" + std::to_string(group / 100) +
           (member == 0 ? "/IMG_" : "/copies/IMG_") + std::to_string(group) + ".jpg";
  };
  struct Case {
    const char* name;
    long groups;
    int size;
    std::function<std::string(long, int)> pathOf;
  };
  const Case cases[] = {
      {"repeated-bases", entries, 1, [&](long, int) { return longPath; }},
      {"one-group", 1, static_cast<int>(entries), [&](long, int) { return longPath; }},
      {"distinct-pairs", entries / 2, 2, distinct},
  };
  std::printf("%-15s %9s %8s %9s %9s %9s %8s %9s\n", "file", "entries", "file MiB", "read MiB", "load MiB",
              "json MiB", "B/entry", "load/file");
  for (const Case& c : cases) {
    const std::string file = dir.file(std::string(c.name) + ".vlr");
    if (!writeResults(file, c.groups, c.size, c.pathOf)) {
      std::fprintf(stderr, "cannot write %s\n", file.c_str());
      return 1;
    }
    measure(c.name, file, c.groups * c.size);
  }
  return 0;
}
