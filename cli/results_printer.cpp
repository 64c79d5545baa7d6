// Prints result groups in the scan's output format.
#include "cli/results_printer.h"

namespace vl::cli {

void PrintResults(const ResultsModel& model, std::FILE* out) {
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    const TResultEntry* base = group.Base;
    std::fprintf(out, "G\t%d\t%s\n", base->Marked != 0 ? 1 : 0, base->Path.c_str());
    for (const TResultEntry* entry = base->Next; entry != nullptr; entry = entry->Next)
      if (entry->Gone == 0)
        std::fprintf(out, "D\t%u\t%d\t%s\n", unsigned{entry->Errors}, entry->Marked != 0 ? 1 : 0, entry->Path.c_str());
  }
}

}  // namespace vl::cli
