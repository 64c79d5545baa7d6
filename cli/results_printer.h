// Prints result groups in the scan's output format, for `scan` and `results dump`.
#pragma once

#include <cstdio>

#include "cli/output.h"
#include "core/results/results_model.h"

namespace vl::cli {

// For each group in FBaseGroups order a line "G", tab, marked (0 or 1), tab, base
// path; then for each duplicate that is not Gone a line "D", tab, error count, tab,
// marked, tab, path. Paths as `output` writes names. O(entries).
void PrintResults(const ResultsModel& model, const LineOutput& output, std::FILE* out);

}  // namespace vl::cli
