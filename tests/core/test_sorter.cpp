// TSorter: the built-in comparisons, inversion, custom events and the quicksort itself.
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

Texts sorted(Texts texts, TStringSortType type, bool inverted = false) {
  TSorter sorter;
  sorter.setInverted(inverted);
  sortWith(sorter, texts, type);
  return texts;
}

Texts upperAsciiOf(Texts texts) {
  for (std::string& text : texts) text = UpperAscii(text);
  return texts;
}

std::vector<int> objectsOf(const std::vector<Row>& rows) {
  std::vector<int> objects;
  for (const Row& row : rows) objects.push_back(row.object);
  return objects;
}

}  // namespace

TEST(Sorter, BuiltInOrdersAndTheirInversion) {
  const Texts texts{"b", "A", "a", "B"};
  EXPECT_EQ(sorted(texts, stCase), (Texts{"A", "B", "a", "b"}));
  EXPECT_EQ(sorted(texts, stCase, true), (Texts{"b", "a", "B", "A"}));
  EXPECT_EQ(upperAsciiOf(sorted(texts, stWinNoCase)), (Texts{"A", "A", "B", "B"}));
  EXPECT_EQ(upperAsciiOf(sorted(texts, stNoCase)), (Texts{"A", "A", "B", "B"}));
  EXPECT_EQ(sorted({"b", "a", "c"}, stWinCase), (Texts{"a", "b", "c"}));
  EXPECT_EQ(sorted({"b", "a"}, stCustom), (Texts{"a", "b"})) << "without a handler";
}

TEST(Sorter, ByteComparisonGivesCodeAndLengthDifferences) {
  TSorter sorter;
  EXPECT_EQ(sorter.CompareStrings("abc", "abd", stCase), -1);
  EXPECT_EQ(sorter.CompareStrings("ab", "abcd", stCase), -2);
  EXPECT_EQ(sorter.CompareStrings("\xe9", "e", stCase), 0xe9 - 'e');
  EXPECT_EQ(sorter.CompareStrings("abc", "ABC", stNoCase), 0);
  EXPECT_EQ(sorter.CompareStrings("_", "a", stNoCase), '_' - 'A');
  EXPECT_EQ(sorter.CompareStrings("b", "a", static_cast<TStringSortType>(42)), 1);
  sorter.setInverted(true);
  EXPECT_EQ(sorter.CompareStrings("ab", "abcd", stCase), 2);
}

TEST(Sorter, NumericOrderPutsNumbersFirst) {
  EXPECT_EQ(sorted({"10", "9", "abc", "2.5"}, stNumeric), (Texts{"2.5", "9", "10", "abc"}));
  EXPECT_EQ(sorted({"10", "9", "abc", "2.5"}, stNumeric, true), (Texts{"abc", "10", "9", "2.5"}));
  TSorter sorter;
  EXPECT_EQ(sorter.CompareStrings("12kb", "12", stNumeric), 0);
  EXPECT_EQ(sorter.CompareStrings("12kb", "13", stNumeric), -1);
  EXPECT_EQ(sorter.CompareStrings("1.2.3", "99", stNumeric), 1);
  EXPECT_EQ(sorter.CompareStrings("", "0", stNumeric), 1);
  EXPECT_EQ(sorter.CompareStrings("abc", "abd", stNumeric), -1);
  EXPECT_EQ(sorter.CompareStrings(" 7 ", "7", stNumeric), 0);
  EXPECT_EQ(sorter.CompareStrings("-3", "2", stNumeric), -1);
  EXPECT_EQ(sorter.CompareStrings("nan", "1", stNumeric), 1);
  EXPECT_EQ(sorter.CompareStrings("0x10", "1", stNumeric), -1);

  Texts many;
  for (int i = 0; i < 5000; ++i) many.push_back(std::to_string((i * 7919) % 5000));
  many = sorted(many, stNumeric);
  for (size_t i = 0; i < many.size(); ++i) EXPECT_EQ(many[i], std::to_string(i));
}

// The middle-value pivot with exchanges is not stable: equal keys swap places, and
// every exchange happens inside one update of the list.
TEST(Sorter, ItemsMoveWithTheirObjectsInsideOneUpdate) {
  TSorter sorter;
  std::vector<Row> rows{{"c", 3}, {"a", 1}, {"b", 2}, {"d", 4}};
  CountingRows strings(rows);
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCase);
  sorter.SortStrings();
  EXPECT_EQ(objectsOf(rows), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(strings.begins, 1);
  EXPECT_EQ(strings.ends, 1);

  rows = {{"a", 1}, {"a", 2}, {"a", 3}};
  sorter.SortStrings();
  EXPECT_EQ(objectsOf(rows), (std::vector<int>{3, 2, 1}));
  rows.resize(1);
  sorter.SortStrings();
  EXPECT_EQ(strings.begins, 2) << "a single item is no update";
}

TEST(Sorter, InconsistentComparisonStaysInsideTheList) {
  TSorter sorter;
  sorter.OnCompareStrings = [](TSorter&, const std::string&, const std::string&, const std::string&, int& compare) {
    compare = INT_MIN;
  };
  Texts texts{"d", "c", "b", "a", "e"};
  sortWith(sorter, texts, stCustom);
  sorter.setInverted(true);
  sortWith(sorter, texts, stCustom);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (Texts{"a", "b", "c", "d", "e"}));
}

TEST(Sorter, ListSortUsesTheListEvent) {
  std::vector<std::unique_ptr<int>> owned;
  for (int value : {5, 1, 4, 2, 3}) owned.push_back(std::make_unique<int>(value));
  TSorter sorter;
  sorter.SortList(&owned);
  // Without a handler all items compare equal; the exchanges are those of an equal-key
  // string sort.
  std::vector<Row> rows{{"k", 5}, {"k", 1}, {"k", 4}, {"k", 2}, {"k", 3}};
  CountingRows strings(rows);
  sorter.setStrings(&strings);
  sorter.SortStrings();
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(*owned[i], rows[i].object);
  sorter.OnCompareList = [](TSorter&, const void* p1, const void* p2, const std::string&, int& compare) {
    compare = *static_cast<const int*>(p1) - *static_cast<const int*>(p2);
  };
  sorter.SortList(&owned);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(*owned[static_cast<size_t>(i)], i + 1);
  int a = 1, b = 2;
  std::vector<int*> raw{&a, &b};
  sorter.setInverted(true);
  sorter.SortList(&raw);
  EXPECT_EQ(raw[0], &b);
  sorter.SortList(static_cast<std::vector<int*>*>(nullptr));
}

}  // namespace vl

namespace vl {
namespace {

// Sorting by collation keys gives the order of the comparisons they stand for.
TEST(CollationKeyTest, KeysOrderAsTheLocaleComparisons) {
  const std::vector<std::string> texts = {"/a/B.jpg", "/a/b.jpg", "/A/c.jpg", "/a/\xc3\xa9t\xc3\xa9.jpg", "/a/z.jpg",
                                          "/a/\xe6\x97\xa5.jpg", "/a/\xf0\x9f\x98\x80.jpg", "/a/", "", "/a/b.jpgx"};
  TSorter sorter;
  for (TStringSortType type : {stWinCase, stWinNoCase}) {
    for (const std::string& a : texts) {
      for (const std::string& b : texts) {
        const int byKeys = CollationKey(a, type).compare(CollationKey(b, type));
        const int compared = sorter.CompareStrings(a, b, type);
        EXPECT_EQ(byKeys < 0, compared < 0) << a << " / " << b << " type " << type;
        EXPECT_EQ(byKeys > 0, compared > 0) << a << " / " << b << " type " << type;
      }
    }
  }
}

}  // namespace
}  // namespace vl
