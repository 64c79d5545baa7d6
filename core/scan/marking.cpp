// The auto-mark rules applied while groups are built, and the propagation of marks.
#include "core/scan/marking.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>

#include "core/settings/settings.h"

namespace vl {

namespace {

bool within(int32_t a, int32_t b, int limit) { return std::llabs(int64_t{a} - int64_t{b}) <= limit; }

bool imageRule(const TScanEntry& h, const TScanEntry& d, int errors) {
  return errors <= MarkErrors && within(d.Width, h.Width, MarkWidth) && within(d.Height, h.Height, MarkHeight) &&
         within(d.Size, h.Size, MarkSize);
}

bool nameRule(const TScanEntry& h, const TScanEntry& d) {
  if (!within(d.Size, h.Size, MarkSize)) return false;
  if (d.Width >= 0 && h.Width >= 0 && !within(d.Width, h.Width, MarkWidth)) return false;
  return !(d.Height >= 0 && h.Height >= 0 && !within(d.Height, h.Height, MarkHeight));
}

}  // namespace

bool AutoMarkDuplicate(ScanMode scanMode, const TScanEntry& head, const TScanEntry& duplicate, int errors) {
  if (!AutoMarkDelete) return false;
  switch (scanMode) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      return nameRule(head, duplicate);
    case ScanMode::Contents:
      return true;
    default:
      return imageRule(head, duplicate, errors);
  }
}

void PropagateMarks(ResultsModel& results) {
  std::unordered_set<std::string_view> marked;
  for (const auto& entry : results.FResultEntries()) {
    if (entry->Marked) marked.insert(entry->Path);
  }
  if (marked.empty()) return;
  for (const auto& entry : results.FResultEntries()) {
    if (marked.count(entry->Path) != 0) entry->Marked = 1;
  }
}

}  // namespace vl
