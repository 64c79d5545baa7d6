// TSorter: in-place quicksort of string lists and pointer lists with built-in or owner comparisons.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/components/quick_sort.h"

namespace vl {

// The comparison SortStrings uses. Values outside the range compare as stWinCase.
enum TStringSortType {
  stWinCase,    // the user's locale collation, letter case significant
  stWinNoCase,  // the user's locale collation of case-folded copies
  stCase,       // bytes; the difference of the first differing bytes, else of the lengths
  stNoCase,     // as stCase after folding a..z to upper case
  stNumeric,    // as numbers (see TSorter::CompareStrings)
  stCustom,     // OnCompareStrings, or stWinCase without a handler
};

// A list of texts, each perhaps with an attached object, that TSorter sorts in place by
// exchanging whole items. A list widget adapter repaints once, at endUpdate().
class SortableStrings {
 public:
  virtual ~SortableStrings() = default;
  virtual int count() const = 0;
  virtual std::string text(int index) const = 0;
  virtual void exchange(int i, int j) = 0;
  virtual void beginUpdate() {}
  virtual void endUpdate() {}
};

// SortableStrings over a std::vector of items; textOf gives an item's text.
template <typename Item>
class VectorStrings : public SortableStrings {
 public:
  VectorStrings(std::vector<Item>& items, std::function<std::string(const Item&)> textOf)
      : items_(items), textOf_(std::move(textOf)) {}
  int count() const override { return static_cast<int>(items_.size()); }
  std::string text(int index) const override { return textOf_(items_[static_cast<size_t>(index)]); }
  void exchange(int i, int j) override { std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]); }

 private:
  std::vector<Item>& items_;
  std::function<std::string(const Item&)> textOf_;
};

// Sorts string lists and pointer lists in place with the quicksort below (not stable:
// equal items may change places). O(n log n) comparisons on average, O(n^2) at worst;
// the stack depth stays O(log n).
class TSorter {
 public:
  using TStringsCompareEvent = std::function<void(TSorter& sender, const std::string& s1, const std::string& s2,
                                                  const std::string& hint, int& compare)>;
  using TListCompareEvent =
      std::function<void(TSorter& sender, const void* p1, const void* p2, const std::string& hint, int& compare)>;

  static constexpr size_t MaxHintLength = 255;

  const std::string& hint() const { return hint_; }
  // Free text handed to both compare events; cut at MaxHintLength characters.
  void setHint(const std::string& hint) { hint_ = hint.substr(0, MaxHintLength); }
  bool inverted() const { return inverted_; }
  void setInverted(bool inverted) { inverted_ = inverted; }
  TStringSortType stringSortType() const { return stringSortType_; }
  void setStringSortType(TStringSortType type) { stringSortType_ = type; }
  SortableStrings* strings() const { return strings_; }
  // The string list SortStrings sorts; not owned.
  void setStrings(SortableStrings* strings) { strings_ = strings; }

  TStringsCompareEvent OnCompareStrings;
  TListCompareEvent OnCompareList;

  // Sorts strings() by CompareStrings with stringSortType(), inside one begin/end update.
  // Nothing happens without a list or with fewer than two items.
  void SortStrings();
  // Sorts a vector of raw pointers or smart pointers by OnCompareList, called with the
  // pointed-to objects; without a handler every pair compares equal, with inverted()
  // the result is negated. Nothing happens without a list or with fewer than two items.
  template <typename Pointer>
  void SortList(std::vector<Pointer>* list);

  // S1 against S2 by sortType (negative: S1 first), negated when inverted().
  // stWinCase and stWinNoCase collate by the environment's LC_COLLATE (byte order, with
  // a..z folded for stWinNoCase, in the C locale). stNumeric: a text is a number when
  // it converts whole by the environment's LC_NUMERIC, or else when its longest leading
  // run of "0".."9" and "." does; numbers sort before other texts, which sort by
  // stWinCase; two numbers give -1, 0 or 1.
  int CompareStrings(const std::string& s1, const std::string& s2, TStringSortType sortType);

 private:
  int compareList(const void* p1, const void* p2);

  std::string hint_;
  bool inverted_ = false;
  TStringSortType stringSortType_ = stWinCase;
  SortableStrings* strings_ = nullptr;
};

template <typename Pointer>
void TSorter::SortList(std::vector<Pointer>* list) {
  if (list == nullptr || list->size() < 2) return;
  auto& items = *list;
  QuickSortRange(
      0, static_cast<int>(items.size()) - 1,
      [&items](int i) -> const void* { return std::to_address(items[static_cast<size_t>(i)]); },
      [this](const void* p1, const void* p2) { return compareList(p1, p2); },
      [&items](int i, int j) { std::swap(items[static_cast<size_t>(i)], items[static_cast<size_t>(j)]); });
}

// A key whose byte order (std::string comparison) is the order CompareStrings gives
// with stWinNoCase, or with stWinCase for any other type: sorting n texts by keys
// collates each text once instead of O(log n) times. Texts that are not valid in the
// locale's character set compare by their upper-cased bytes, as CompareStrings does
// when one of two texts is not. O(text length).
std::string CollationKey(const std::string& text, TStringSortType sortType);

}  // namespace vl
