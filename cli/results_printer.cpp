// Prints result groups in the scan's output format, or as JSON or CSV.
#include "cli/results_printer.h"

#include <string>

#include "core/results/results_export.h"

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

void CheckResultsFormat(const ParsedArgs& parsed) {
  const std::string format = parsed.value("format").value_or("tsv");
  if (format != "tsv" && format != "json" && format != "csv") throw UsageError{"unknown format: " + format};
  if (format != "tsv" && parsed.has("0")) throw UsageError{"-0 goes with --format tsv only"};
}

void PrintResultsAs(const ParsedArgs& parsed, const ResultsModel& model, std::FILE* out) {
  CheckResultsFormat(parsed);
  const std::string format = parsed.value("format").value_or("tsv");
  if (format == "tsv") return PrintResults(model, LineOutput(parsed.has("0")), out);
  WriteResults(model, format == "json" ? ExportFormat::Json : ExportFormat::Csv,
               [out](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), out); });
}

}  // namespace vl::cli
