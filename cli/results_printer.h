// Prints result groups in the scan's output format, or as JSON or CSV, for `scan` and `results dump`.
#pragma once

#include <cstdio>

#include "cli/arguments.h"
#include "cli/output.h"
#include "core/results/results_model.h"

namespace vl::cli {

// For each group in FBaseGroups order a line "G", tab, marked (0 or 1), tab, base
// path; then for each duplicate that is not Gone a line "D", tab, error count, tab,
// marked, tab, path. Paths as `output` writes names. O(entries).
void PrintResults(const ResultsModel& model, const LineOutput& output, std::FILE* out);

// The help lines of --format, shared by `scan` and `results dump`.
#define VELLORAN_FORMAT_HELP                                                                  \
  "--format tsv (the default) prints the lines above; json and csv print the same\n"         \
  "groups with each file's size, date, width, height, error count and mark, as\n"            \
  "described in the README (-0 goes with tsv only).\n"

// Prints the groups in the format --format names (tsv, json or csv; tsv when absent),
// with -0 for tsv. Throws UsageError for another format or -0 with json or csv.
void PrintResultsAs(const ParsedArgs& parsed, const ResultsModel& model, std::FILE* out);
// Throws UsageError unless --format is absent or names a known format usable with the -0 given.
void CheckResultsFormat(const ParsedArgs& parsed);

}  // namespace vl::cli
