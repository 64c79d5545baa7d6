// Fuzz target: loading a results file, then the model operations a user runs on what was loaded.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/results/results_file.h"
#include "core/results/results_model.h"

namespace {

// A host that answers nothing and shows nothing.
class SilentHost : public vl::Host {
 public:
  void phase(const std::string&) override {}
  void progress(size_t, size_t) override {}
  void clearProgress() override {}
  void showMessage(vl::MessageKind, const std::string&) override {}
  bool askYesNo(const std::string&) override { return false; }
  void beep() override {}
  void pushCursor(vl::BusyCursor) override {}
  void popCursor() override {}
};

bool withinCapacities(const vl::TResultEntry& entry) { return entry.Path.size() <= 255 && entry.Volume.size() <= 13; }

// Every group's chain starts at a base without a Base, and every duplicate points back to it.
void checkGroups(const vl::ResultsModel& model) {
  for (const vl::BaseGroupItem& group : model.FBaseGroups()) {
    if (group.base == nullptr || group.base->Base != nullptr || !withinCapacities(*group.base)) __builtin_trap();
    for (const vl::TResultEntry* entry = group.base->Next; entry != nullptr; entry = entry->Next)
      if (entry->Base != group.base || !withinCapacities(*entry)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The loader reads a named file; an in-memory file keeps the fuzzer off the disk.
  const int fd = memfd_create("results", 0);
  if (fd < 0) return 0;
  if (write(fd, data, size) == static_cast<ssize_t>(size)) {
    SilentHost host;
    vl::ResultsModel model;
    vl::LoadResults("/proc/self/fd/" + std::to_string(fd), model, host);
    checkGroups(model);
    for (size_t index = 0; index < model.shownBases().size() && index < 4; ++index)
      model.dupeLines(static_cast<int>(index), 2);
    model.showView(vl::BaseView::Marked);
    model.PruneGroups(-1);
    checkGroups(model);
  }
  close(fd);
  return 0;
}
