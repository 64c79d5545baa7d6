// TSorter: the built-in comparisons, custom events and the quicksort itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "core/components/sorter.h"
#include "core/files/paths.h"

namespace vl {

namespace {

using Texts = std::vector<std::string>;

struct Row {
  std::string text;
  int object;
};

class CountingRows : public VectorStrings<Row> {
 public:
  explicit CountingRows(std::vector<Row>& rows) : VectorStrings(rows, [](const Row& row) { return row.text; }) {}
  void beginUpdate() override { ++begins; }
  void endUpdate() override { ++ends; }
  int begins = 0;
  int ends = 0;
};

void sortWith(TSorter& sorter, Texts& texts, TStringSortType type) {
  VectorStrings<std::string> strings(texts, [](const std::string& s) { return s; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(type);
  sorter.SortStrings();
}

Texts sorted(Texts texts, TStringSortType type) {
  TSorter sorter;
  sortWith(sorter, texts, type);
  return texts;
}

int signOf(int value) { return (value > 0) - (value < 0); }

}  // namespace

// The orders the lists use: the Date and name columns (stWinCase), captions and
// folder lists (stWinNoCase), the Size columns (stNumeric) and a custom handler.
TEST(Sorter, TheOrdersTheListsUse) {
  Texts folded = sorted({"b", "A", "a", "B"}, stWinNoCase);
  for (std::string& text : folded) text = UpperAscii(text);
  EXPECT_EQ(folded, (Texts{"A", "A", "B", "B"}));
  EXPECT_EQ(sorted({"b", "a", "c"}, stWinCase), (Texts{"a", "b", "c"}));
  EXPECT_EQ(sorted({"10", "9", "abc", "2.5"}, stNumeric), (Texts{"2.5", "9", "10", "abc"}));
  Texts many;
  for (int i = 0; i < 5000; ++i) many.push_back(std::to_string((i * 7919) % 5000));
  many = sorted(many, stNumeric);
  for (size_t i = 0; i < many.size(); ++i) ASSERT_EQ(many[i], std::to_string(i));
}

// Every exchange happens inside one update of the list, and objects move with their texts.
TEST(Sorter, ItemsMoveWithTheirObjectsInsideOneUpdate) {
  TSorter sorter;
  std::vector<Row> rows{{"c", 3}, {"a", 1}, {"b", 2}, {"d", 4}};
  CountingRows strings(rows);
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCase);
  sorter.SortStrings();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rows[size_t(i)].object, i + 1);
  EXPECT_EQ(strings.begins, 1);
  EXPECT_EQ(strings.ends, 1);
  rows.resize(1);
  sorter.SortStrings();
  EXPECT_EQ(strings.begins, 1) << "a single item is no update";
}

TEST(Sorter, InconsistentComparisonStaysInsideTheList) {
  TSorter sorter;
  sorter.OnCompareStrings = [](TSorter&, const std::string&, const std::string&, const std::string&, int& compare) {
    compare = INT_MIN;
  };
  Texts texts{"d", "c", "b", "a", "e"};
  sortWith(sorter, texts, stCustom);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (Texts{"a", "b", "c", "d", "e"}));
}

TEST(Sorter, ListSortUsesTheListEvent) {
  std::vector<std::unique_ptr<int>> owned;
  for (int value : {5, 1, 4, 2, 3}) owned.push_back(std::make_unique<int>(value));
  TSorter sorter;
  sorter.OnCompareList = [](TSorter&, const void* p1, const void* p2, const std::string&, int& compare) {
    compare = *static_cast<const int*>(p1) - *static_cast<const int*>(p2);
  };
  sorter.SortList(&owned);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(*owned[static_cast<size_t>(i)], i + 1);
}

// Sorting by collation keys gives the order of the comparisons they stand for.
TEST(CollationKeyTest, KeysOrderAsTheLocaleComparisons) {
  const std::vector<std::string> texts = {"/a/B.jpg", "/a/b.jpg", "/A/c.jpg", "/a/\xc3\xa9t\xc3\xa9.jpg", "/a/z.jpg",
                                          "/a/\xe6\x97\xa5.jpg", "/a/\xf0\x9f\x98\x80.jpg", "/a/", "", "/a/b.jpgx"};
  TSorter sorter;
  for (TStringSortType type : {stWinCase, stWinNoCase}) {
    for (const std::string& a : texts) {
      for (const std::string& b : texts) {
        const int byKeys = signOf(CollationKey(a, type).compare(CollationKey(b, type)));
        EXPECT_EQ(byKeys, signOf(sorter.CompareStrings(a, b, type))) << a << " / " << b << " type " << type;
      }
    }
  }
}

}  // namespace vl
