// The auto-mark rules applied while groups are built, and the propagation of marks.
#pragma once

#include "core/results/results_model.h"
#include "core/fingerprint/scan_entry.h"
#include "core/scan/scan_mode.h"

namespace vl {

// The auto-mark thresholds of the configure dialog ("Auto Mark Delete", then "If
// errors are ... and width is within ... and height is within ... and filesize is
// within ... then mark for delete").
struct AutoMarkRule {
  bool enabled = true;
  int errors = 0;
  int width = 0;
  int height = 0;
  int size = 5;
};

// Whether a new duplicate d of head h (with `errors`) is marked for deletion in
// scanMode by the rule. Differences are taken without overflow and compared by
// absolute value.
bool AutoMarkDuplicate(ScanMode scanMode, const TScanEntry& head, const TScanEntry& duplicate, int errors,
                       const AutoMarkRule& rule);

// Marks every entry whose path is marked in any group, so that a file marked as a
// duplicate somewhere is marked wherever it occurs. O(entries).
void PropagateMarks(ResultsModel& results);

}  // namespace vl
