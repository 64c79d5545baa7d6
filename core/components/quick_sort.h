// The quicksort TSorter uses: middle-value pivot, in place through an exchange routine.
#pragma once

namespace vl {

// Sorts items l..r in place. valueAt(i) returns a copy of item i's value (the pivot is
// the value of the middle item, not its position), compare(value i, pivot) orders, and
// exchange(i, j) swaps two items. The scans never leave l..r, so a comparison that is
// not consistent cannot run off the list; for a consistent one the order is that of
// the plain algorithm. Recursing into the smaller part keeps the stack O(log n).
template <typename ValueAt, typename Compare, typename Exchange>
void QuickSortRange(int l, int r, const ValueAt& valueAt, const Compare& compare, const Exchange& exchange) {
  while (l < r) {
    int i = l;
    int j = r;
    const auto pivot = valueAt(l + (r - l) / 2);
    do {
      while (i < r && compare(valueAt(i), pivot) < 0) ++i;
      while (j > l && compare(valueAt(j), pivot) > 0) --j;
      if (i <= j) {
        exchange(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - l < r - i) {
      if (l < j) QuickSortRange(l, j, valueAt, compare, exchange);
      l = i;
    } else {
      if (i < r) QuickSortRange(i, r, valueAt, compare, exchange);
      r = j;
    }
  }
}

}  // namespace vl
