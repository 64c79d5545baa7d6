// TSorter: the built-in comparisons, inversion, custom events and the quicksort itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "core/components/sorter.h"
#include "core/files/paths.h"

namespace vl {

namespace {

struct Row {
  std::string text;
  int object;
};

std::vector<std::string> sorted(std::vector<std::string> texts, TStringSortType type, bool inverted = false) {
  TSorter sorter;
  VectorStrings<std::string> strings(texts, [](const std::string& s) { return s; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(type);
  sorter.setInverted(inverted);
  sorter.SortStrings();
  return texts;
}

std::vector<std::string> upperAsciiOf(std::vector<std::string> texts) {
  for (std::string& text : texts) text = UpperAscii(text);
  return texts;
}

class CountingStrings : public VectorStrings<std::string> {
 public:
  using VectorStrings::VectorStrings;
  void beginUpdate() override { ++begins; }
  void endUpdate() override { ++ends; }
  int begins = 0;
  int ends = 0;
};

}  // namespace

TEST(Sorter, CaseSensitiveAndFoldedOrders) {
  const std::vector<std::string> texts{"b", "A", "a", "B"};
  EXPECT_EQ(sorted(texts, stCase), (std::vector<std::string>{"A", "B", "a", "b"}));
  const std::vector<std::string> noCase = sorted(texts, stWinNoCase);
  EXPECT_EQ(upperAsciiOf(noCase), (std::vector<std::string>{"A", "A", "B", "B"}));
  EXPECT_EQ(upperAsciiOf(sorted(texts, stNoCase)), (std::vector<std::string>{"A", "A", "B", "B"}));
  EXPECT_EQ(sorted({"b", "a", "c"}, stWinCase), (std::vector<std::string>{"a", "b", "c"}));
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
  EXPECT_EQ(sorted({"10", "9", "abc", "2.5"}, stNumeric), (std::vector<std::string>{"2.5", "9", "10", "abc"}));
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
}

TEST(Sorter, InvertedReversesEverySort) {
  EXPECT_EQ(sorted({"b", "c", "a"}, stCase, true), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(sorted({"10", "9", "abc", "2.5"}, stNumeric, true), (std::vector<std::string>{"abc", "10", "9", "2.5"}));
}

TEST(Sorter, ItemsMoveWithTheirObjectsInsideOneUpdate) {
  std::vector<Row> rows{{"c", 3}, {"a", 1}, {"b", 2}};
  TSorter sorter;
  VectorStrings<Row> strings(rows, [](const Row& row) { return row.text; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCase);
  sorter.SortStrings();
  for (const Row& row : rows) EXPECT_EQ(row.text[0] - 'a' + 1, row.object);

  std::vector<std::string> one{"x"};
  CountingStrings counted(one, [](const std::string& s) { return s; });
  sorter.setStrings(&counted);
  sorter.SortStrings();
  EXPECT_EQ(counted.begins, 0);
  std::vector<std::string> two{"y", "x"};
  CountingStrings counted2(two, [](const std::string& s) { return s; });
  sorter.setStrings(&counted2);
  sorter.SortStrings();
  EXPECT_EQ(counted2.begins, 1);
  EXPECT_EQ(counted2.ends, 1);
  EXPECT_EQ(two, (std::vector<std::string>{"x", "y"}));
}

TEST(Sorter, CustomEventGetsTheHint) {
  TSorter sorter;
  sorter.setHint(std::string(300, 'h'));
  EXPECT_EQ(sorter.hint().size(), 255u);
  sorter.setHint("2");
  std::string seenHint;
  sorter.OnCompareStrings = [&seenHint](TSorter& sender, const std::string& s1, const std::string& s2,
                                        const std::string& hint, int& compare) {
    seenHint = hint;
    compare = sender.CompareStrings(s1.substr(1), s2.substr(1), stNumeric);
  };
  EXPECT_EQ(sorted({"b", "a"}, stCustom), (std::vector<std::string>{"a", "b"}));
  std::vector<std::string> texts{"x10", "y9", "z2"};
  VectorStrings<std::string> strings(texts, [](const std::string& s) { return s; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCustom);
  sorter.SortStrings();
  EXPECT_EQ(seenHint, "2");
  EXPECT_EQ(texts, (std::vector<std::string>{"z2", "y9", "x10"}));
}

TEST(Sorter, InconsistentComparisonStaysInsideTheList) {
  TSorter sorter;
  sorter.OnCompareStrings = [](TSorter&, const std::string&, const std::string&, const std::string&, int& compare) {
    compare = INT_MIN;
  };
  std::vector<std::string> texts{"d", "c", "b", "a", "e"};
  VectorStrings<std::string> strings(texts, [](const std::string& s) { return s; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCustom);
  sorter.SortStrings();
  sorter.setInverted(true);
  sorter.SortStrings();
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST(Sorter, ListSortUsesTheListEvent) {
  std::vector<std::unique_ptr<int>> owned;
  for (int value : {5, 1, 4, 2, 3}) owned.push_back(std::make_unique<int>(value));
  TSorter sorter;
  sorter.SortList(&owned);
  // Without a handler all items compare equal; the exchanges are those of an equal-key
  // string sort.
  std::vector<Row> rows{{"k", 5}, {"k", 1}, {"k", 4}, {"k", 2}, {"k", 3}};
  VectorStrings<Row> strings(rows, [](const Row& row) { return row.text; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCase);
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

TEST(Sorter, EqualItemsFollowTheQuicksortOrder) {
  // The middle-value pivot with exchanges is not stable: equal keys swap places.
  std::vector<Row> rows{{"a", 1}, {"a", 2}, {"a", 3}};
  TSorter sorter;
  VectorStrings<Row> strings(rows, [](const Row& row) { return row.text; });
  sorter.setStrings(&strings);
  sorter.setStringSortType(stCase);
  sorter.SortStrings();
  EXPECT_EQ(rows[0].object, 3);
  EXPECT_EQ(rows[1].object, 2);
  EXPECT_EQ(rows[2].object, 1);
}

TEST(Sorter, LargeSortIsOrdered) {
  std::vector<std::string> texts;
  for (int i = 0; i < 5000; ++i) texts.push_back(std::to_string((i * 7919) % 5000));
  const std::vector<std::string> result = sorted(texts, stNumeric);
  for (size_t i = 0; i < result.size(); ++i) EXPECT_EQ(result[i], std::to_string(i));
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
