// Prints result groups in the scan's output format.
#include "cli/results_printer.h"

#include <string>

namespace vl::cli {

void PrintResults(const ResultsModel& model, const LineOutput& output, std::FILE* out) {
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    const TResultEntry* base = group.Base;
    output.write(std::string("G\t") + (base->Marked != 0 ? '1' : '0') + '\t' + output.name(base->Path), out);
    for (const TResultEntry* entry = base->Next; entry != nullptr; entry = entry->Next) {
      if (entry->Gone != 0) continue;
      output.write("D\t" + std::to_string(entry->Errors) + '\t' + (entry->Marked != 0 ? '1' : '0') + '\t' +
                       output.name(entry->Path),
                   out);
    }
  }
}

}  // namespace vl::cli
