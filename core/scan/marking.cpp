// The auto-mark rules applied while groups are built, and the propagation of marks.
#include "core/scan/marking.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <unordered_set>


namespace vl {

namespace {

bool within(int32_t a, int32_t b, int limit) { return std::llabs(int64_t{a} - int64_t{b}) <= limit; }

bool imageRule(const TScanEntry& h, const TScanEntry& d, int errors, const AutoMarkRule& rule) {
  return errors <= rule.errors && within(d.Width, h.Width, rule.width) && within(d.Height, h.Height, rule.height) &&
         within(d.Size, h.Size, rule.size);
}

bool nameRule(const TScanEntry& h, const TScanEntry& d, const AutoMarkRule& rule) {
  if (!within(d.Size, h.Size, rule.size)) return false;
  if (d.Width >= 0 && h.Width >= 0 && !within(d.Width, h.Width, rule.width)) return false;
  return !(d.Height >= 0 && h.Height >= 0 && !within(d.Height, h.Height, rule.height));
}

}  // namespace

bool AutoMarkDuplicate(ScanMode scanMode, const TScanEntry& head, const TScanEntry& duplicate, int errors,
                       const AutoMarkRule& rule) {
  if (!rule.enabled) return false;
  switch (scanMode) {
    case ScanMode::Names:
    case ScanMode::NamesAndSize:
      return nameRule(head, duplicate, rule);
    case ScanMode::Contents:
      return true;
    default:
      return imageRule(head, duplicate, errors, rule);
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
