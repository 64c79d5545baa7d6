// Tests of the results model: pruning, marking, the views and the duplicate-list lines.
#include <cmath>
#include <ctime>
#include <tuple>
#include <locale.h>

#include <gtest/gtest.h>

#include "core/results/results_model.h"
#include "tests/core/results_fixture.h"

namespace vl {
namespace {

using test::AddGroup;
using test::Captions;

const std::string Separator = "\xBB";

std::vector<std::string> linePaths(const std::vector<DupeLine>& lines) {
  std::vector<std::string> paths;
  for (const DupeLine& line : lines) paths.push_back(line.entry->Path);
  return paths;
}

TEST(ResultsModelPruning, GroupShrinksThenDisappearsWhenPruningIsOn) {
  ResultsModel model;
  AddGroup(model, {"/p/base.jpg"}, {{"/p/one.jpg"}, {"/p/two.jpg"}});
  AddGroup(model, {"/q/other.jpg"}, {{"/q/copy.jpg"}});

  model.UpdateEntriesForPath("/p/one.jpg", std::nullopt);
  ASSERT_EQ(model.FBaseGroups().size(), 2u);
  EXPECT_EQ(linePaths(model.dupeLines(0, 1)), (std::vector<std::string>{"/p/base.jpg", "/p/two.jpg"}));

  model.UpdateEntriesForPath("/p/two.jpg", std::nullopt);
  EXPECT_EQ(Captions(model.FBaseGroups()), std::vector<std::string>{"other.jpg (1)"});
  EXPECT_EQ(Captions(model.shownBases()), std::vector<std::string>{"other.jpg (1)"});
  EXPECT_EQ(model.FResultEntries().size(), 2u);
  EXPECT_EQ(model.duplicateCount(), 1);

  model.UpdateEntriesForPath("/q/copy.jpg", std::string(300, 'n'));  // a rename keeps the group and the whole path
  ASSERT_EQ(model.FBaseGroups().size(), 1u);
  EXPECT_EQ(model.FResultEntries()[1]->Path, std::string(300, 'n'));
}

TEST(ResultsModelPruning, GoneBaseShowsDeletedOrMovedWhenPruningIsOff) {
  ResultsModel model;
  model.removeWhenNoDuplicates = false;
  AddGroup(model, {"/p/base.jpg", 500}, {{"/p/one.jpg", 500, 3}});
  model.UpdateEntriesForPath("/p/base.jpg", std::nullopt);

  ASSERT_EQ(model.FBaseGroups().size(), 1u);
  const std::vector<DupeLine> lines = model.dupeLines(0, 1);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, Separator + "*" + Separator + "Deleted or Moved" + Separator + "0" + Separator + Separator + Separator);
  EXPECT_EQ(SplitDupeLine(lines[1].text)[1], "3");
}

TEST(ResultsModelPruning, PruningUnderTheMarkedViewReachesGroupsNotShown) {
  ResultsModel model;
  AddGroup(model, {"/p/x.jpg"}, {{"/p/y.jpg"}});
  const TResultEntry* shown = AddGroup(model, {"/p/z.jpg"}, {{"/p/w.jpg"}});
  model.SetMarkForPath("/p/w.jpg", true);
  model.showView(BaseView::Marked);
  ASSERT_EQ(Captions(model.shownBases()), std::vector<std::string>{"z.jpg"});

  model.UpdateEntriesForPath("/p/y.jpg", std::nullopt);
  ASSERT_EQ(model.FBaseGroups().size(), 1u);
  EXPECT_EQ(model.FBaseGroups()[0].base, shown);
  EXPECT_EQ(model.FResultEntries().size(), 2u);
}

TEST(ResultsModelGroups, RemovingTheLastGroupOrClearingEmptiesBothLists) {
  ResultsModel model;
  int changes = 0;
  model.onShownChanged = [&changes] { ++changes; };
  AddGroup(model, {"/p/a.jpg"}, {{"/p/b.jpg"}});
  const auto empty = [&model] {
    return model.FBaseGroups().empty() && model.shownBases().empty() && model.FResultEntries().empty();
  };
  model.RemoveGroup(0);
  EXPECT_TRUE(empty());
  EXPECT_TRUE(model.dupeLines(0, 1).empty());
  EXPECT_EQ(changes, 2);
  model.RemoveGroup(0);  // nothing left: ignored

  AddGroup(model, {"/p/a.jpg"}, {{"/p/b.jpg"}});
  model.ClearResults();
  EXPECT_TRUE(empty());
}

TEST(ResultsModelMarks, MarkingAFileInTwoGroupsListsBothInTheMarkedView) {
  ResultsModel model;
  AddGroup(model, {"/p/first.jpg"}, {{"/p/shared.jpg"}, {"/p/c.jpg"}});
  AddGroup(model, {"/p/second.jpg"}, {{"/p/d.jpg"}, {"/p/shared.jpg"}});
  AddGroup(model, {"/p/third.jpg"}, {{"/p/e.jpg"}});

  std::vector<DupeLine> lines = model.dupeLines(0, 2);
  DupeLine& shared = lines[2].entry->Path == "/p/shared.jpg" ? lines[2] : lines[1];
  model.toggleMark(shared);
  EXPECT_EQ(shared.text.substr(0, 2), "*" + Separator);
  EXPECT_EQ(SplitDupeLine(model.dupeLines(1, 2)[2].text)[0], "*");

  model.showView(BaseView::Marked);
  EXPECT_EQ(Captions(model.shownBases()), (std::vector<std::string>{"first.jpg", "second.jpg"}));
  model.showView(BaseView::AllDupes);
  EXPECT_EQ(model.shownBases().size(), 3u);

  model.toggleMark(shared);
  EXPECT_EQ(shared.text.substr(0, 1), Separator);
  for (const auto& entry : model.FResultEntries()) EXPECT_EQ(entry->Marked, 0) << entry->Path;
}

TEST(ResultsModelMarks, MarkedViewListsAGroupWhoseOnlyMarkedFileIsTheBaseButNotAGoneOne) {
  ResultsModel model;
  model.removeWhenNoDuplicates = false;
  const TResultEntry* marked = AddGroup(model, {"/p/base.jpg"}, {{"/p/a.jpg"}});
  AddGroup(model, {"/p/other.jpg"}, {{"/p/b.jpg"}, {"/p/c.jpg"}});
  model.SetMarkForPath("/p/base.jpg", true);
  model.SetMarkForPath("/p/b.jpg", true);
  model.UpdateEntriesForPath("/p/b.jpg", std::nullopt);
  model.showView(BaseView::Marked);
  ASSERT_EQ(Captions(model.shownBases()), std::vector<std::string>{"base.jpg"});
  EXPECT_EQ(model.shownBases()[0].base, marked);
}

TEST(ResultsModelLines, FieldsOfAPresentEntry) {
  ResultsModel model;
  AddGroup(model, {"/p/base.jpg", 1234}, {{"/p/dupe.jpg", 99, 7}});
  const auto formatDate = [](double date) { return "day " + std::to_string(static_cast<int>(date)); };
  const std::vector<DupeLine> lines = model.dupeLines(0, 1, formatDate);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, Separator + "*" + Separator + "/p/base.jpg" + Separator + "1234" + Separator + "640" + Separator + "480" + Separator +
                               "day 45000" + Separator + "DATA" + Separator);
  EXPECT_EQ(SplitDupeLine(lines[1].text),
            (std::vector<std::string>{"", "7", "/p/dupe.jpg", "99", "640", "480", "day 45000", "DATA", ""}));
}

TEST(ResultsModelLines, SeparatorAndQuotesInsideAPathComeBackWhole) {
  for (const std::string path : {"/p/\xC2\xBB quoted \"x\".jpg", "\"", "/p/\xBB\xBB", "\"\"a\xBB\""}) {
    TResultEntry entry;
    entry.Path = path;
    entry.Base = &entry;
    const std::vector<std::string> fields = SplitDupeLine(DupeLineText(entry));
    ASSERT_EQ(fields.size(), 9u) << path;
    EXPECT_EQ(fields[2], path);
  }
}

TEST(ResultsModelLines, SortKeepsTheBaseFirstAndComparesSizesAsNumbers) {
  ResultsModel model;
  AddGroup(model, {"/p/m.jpg", 50}, {{"/p/z.jpg", 10, 2}, {"/p/a.jpg", 9, 11}, {"/p/k.jpg", 100, 1}});
  for (int column = 0; column < 8; ++column)
    EXPECT_EQ(model.dupeLines(0, column)[0].entry->Path, "/p/m.jpg") << column;
  EXPECT_EQ(linePaths(model.dupeLines(0, 3)), (std::vector<std::string>{"/p/m.jpg", "/p/a.jpg", "/p/z.jpg", "/p/k.jpg"}));
  EXPECT_EQ(linePaths(model.dupeLines(0, 1)), (std::vector<std::string>{"/p/m.jpg", "/p/k.jpg", "/p/z.jpg", "/p/a.jpg"}));
  EXPECT_EQ(linePaths(model.dupeLines(0, 2)), (std::vector<std::string>{"/p/m.jpg", "/p/a.jpg", "/p/k.jpg", "/p/z.jpg"}));
}

TEST(ResultsModelGroups, SortAlphabeticallyIgnoresCaseAndKeepsFBaseGroups) {
  ResultsModel model;
  AddGroup(model, {"/p/b.jpg"}, {{"/p/1.jpg"}});
  AddGroup(model, {"/p/A.jpg"}, {{"/p/2.jpg"}});
  AddGroup(model, {"/p/a.jpg"}, {{"/p/3.jpg"}});
  AddGroup(model, {"/p/B.jpg"}, {{"/p/4.jpg"}});
  model.sortShownAlphabetically();
  std::string initials;
  for (const BaseGroupItem& item : model.shownBases()) initials += char(std::tolower(item.caption[0]));
  EXPECT_EQ(initials, "aabb");
  EXPECT_EQ(model.shownBases()[0].base->Path.substr(3, 1), model.shownBases()[0].caption.substr(0, 1));
  EXPECT_EQ(Captions(model.FBaseGroups()), (std::vector<std::string>{"b.jpg (1)", "A.jpg (1)", "a.jpg (1)", "B.jpg (1)"}));
}

// The environment locale's rendering of a calendar moment, as the Date column shows it.
std::string localText(int year, int month, int day, int hour, int minute, int second) {
  std::tm moment{};
  std::tie(moment.tm_year, moment.tm_mon, moment.tm_mday, moment.tm_hour, moment.tm_min, moment.tm_sec,
           moment.tm_isdst) = std::tuple(year - 1900, month - 1, day, hour, minute, second, -1);
  std::mktime(&moment);
  locale_t locale = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  char text[128];
  const size_t length = strftime_l(text, sizeof text, "%x %X", &moment, locale);
  freelocale(locale);
  return std::string(text, length);
}

TEST(ResultsModelLines, DefaultDateTextCountsDaysFrom1899) {
  EXPECT_EQ(DefaultDateText(0.25), localText(1899, 12, 30, 6, 0, 0));
  EXPECT_EQ(DefaultDateText(-1.75), localText(1899, 12, 29, 18, 0, 0));
  EXPECT_EQ(DefaultDateText(36526.0 + 86399.0 / 86400.0), localText(2000, 1, 1, 23, 59, 59));
  EXPECT_EQ(DefaultDateText(std::nan("")), "");
  EXPECT_EQ(DefaultDateText(1e300), "");
  EXPECT_EQ(DefaultDateText(-1e7), "");
}

}  // namespace
}  // namespace vl
