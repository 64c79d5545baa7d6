// The mark rule given by --keep and --protect, shared by `scan` and `results mark`.
#pragma once

#include <optional>

#include "cli/arguments.h"
#include "core/results/mark_rules.h"

// The help lines of --keep and --protect.
#define VELLORAN_KEEP_HELP                                                                   \
  "--keep CRITERIA keeps one file of each group and marks every other one: the best\n"      \
  "by the first of the comma-separated criteria that tells two files apart, the\n"          \
  "first path in byte order when none does. Criteria: resolution (width x height),\n"      \
  "largest (or size), smallest, newest, oldest, shortest-path, longest-path and\n"          \
  "inside=DIR (files below DIR first; quote the whole criterion when DIR holds a\n"         \
  "comma). Files below a --protect DIR (repeatable) are never marked. A file kept in\n"     \
  "one group is marked in none.\n"

namespace vl::cli {

// The rule of --keep and every --protect, with relative folders made absolute (the
// results hold absolute paths); none without --keep. Throws UsageError for
// an unknown criterion, or for --protect without --keep.
std::optional<MarkRule> MarkRuleFromOptions(const ParsedArgs& parsed);

}  // namespace vl::cli
