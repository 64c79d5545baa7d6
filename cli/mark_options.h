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
  "largest (or size), smallest, newest, oldest, shortest-path, longest-path,\n"            \
  "plain-name (a name without a copy marker such as \" (copy)\", \" - Copy\", \"Copy of \",\n" \
  "\" (1)\" or \"_1\" first), taken-earliest (the earliest EXIF date taken, the file\n"  \
  "date for a file without one), has-metadata (a file whose EXIF block names the\n"         \
  "camera first), raw-first (a camera raw file first, so of a RAW + JPEG pair the\n"       \
  "RAW), jpeg-first (a JPEG file first) and inside=DIR (files below DIR first; quote\n"    \
  "the whole criterion when DIR holds a comma). Files below a --protect DIR\n"           \
  "(repeatable; an existing folder, also when reached through another name or a\n"        \
  "symbolic link) are never marked. A file kept in one group is marked in none.\n"

namespace vl::cli {

// The rule of --keep and every --protect, with relative folders made absolute (the
// results hold absolute paths); none without --keep and for "--keep none". Throws
// UsageError for an unknown criterion, for --protect without criteria, and for a
// --protect folder that does not exist. One stat per --protect.
std::optional<MarkRule> MarkRuleFromOptions(const ParsedArgs& parsed);
// True for "--keep none": no rule at all, not even the stored one.
bool KeepsNone(const ParsedArgs& parsed);

}  // namespace vl::cli
