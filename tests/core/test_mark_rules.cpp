// Mark by rule: each criterion and their order on groups built to tell them apart, protection, keepers, storage.
#include <gtest/gtest.h>

#include "core/results/copy_names.h"
#include "core/results/mark_rules.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"
#include "tests/core/results_fixture.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

using test::AddGroup;

struct Shape {
  int32_t width, height, size;
  double date;
};

// One group of four files that each criterion ranks differently; b and c tie on resolution.
TResultEntry* fourFileGroup(ResultsModel& model) {
  TResultEntry* base = AddGroup(model, {"/p/a.jpg"}, {{"/p/longer/b.jpg"}, {"/q/c.jpg"}, {"/keep/d.jpg"}});
  const Shape shapes[] = {{640, 480, 500, 100}, {1280, 960, 300, 50}, {960, 1280, 900, 200}, {100, 100, 100, 10}};
  int i = 0;
  for (TResultEntry* entry = base; entry != nullptr; entry = entry->Next, ++i) {
    entry->Width = shapes[i].width;
    entry->Height = shapes[i].height;
    entry->Size = shapes[i].size;
    entry->FileDate = shapes[i].date;
  }
  return base;
}

std::string markedPaths(const TResultEntry* base) {
  std::string paths;
  for (const TResultEntry* entry = base; entry != nullptr; entry = entry->Next)
    if (entry->Marked != 0) paths += entry->Path + " ";
  return paths;
}

TEST(MarkRules, EachCriterionAndTheirOrderPickTheKeeperAndMarkEveryOtherFile) {
  const std::pair<const char*, const char*> cases[] = {
      {"resolution", "/p/longer/b.jpg"},  // a tie with c: path order decides
      {"resolution,largest", "/q/c.jpg"},
      {"size", "/q/c.jpg"},
      {"smallest", "/keep/d.jpg"},
      {"newest", "/q/c.jpg"},
      {"oldest", "/keep/d.jpg"},
      {"shortest-path", "/p/a.jpg"},  // a tie with c
      {"longest-path", "/p/longer/b.jpg"},
      {"inside=/p,largest", "/p/a.jpg"},
      {"inside=/p/,smallest", "/p/longer/b.jpg"},
      {"inside=/q/c,oldest", "/keep/d.jpg"},  // a file name is no folder
  };
  for (const auto& [criteria, keeper] : cases) {
    ResultsModel model;
    TResultEntry* base = fourFileGroup(model);
    const MarkRule rule{ParseKeepCriteria(criteria), {}, false};
    EXPECT_EQ(KeeperOf(*base, rule.keep)->Path, keeper) << criteria;
    const MarkRuleOutcome outcome = ApplyMarkRule(model, rule);
    EXPECT_EQ(outcome.marked, 3) << criteria;
    EXPECT_EQ(markedPaths(base).find(keeper), std::string::npos) << criteria;
  }
}

// Real files: a JPEG whose EXIF date is blank, one without EXIF, one from a camera,
// and a TIFF-based raw file whose directories are the camera's (taken a year before).
TEST(MarkRules, PhotoCriteriaReadEachFilesExifAndFallBackToTheFileDate) {
  test::TempDir dir;
  const test::Picture picture = test::GradientPicture(32, 24);
  test::WriteJpeg(dir.file("0-blank.jpg"), picture, {.exifTaken = "0000:00:00 00:00:00"});
  test::WriteJpeg(dir.file("1-none.jpg"), picture);
  test::WriteJpeg(dir.file("2-canon.jpg"), picture, {.exifCamera = "Canon", .exifTaken = "2020:05:01 10:00:00"});
  const std::vector<uint8_t> block = test::EncodeExifBlock({.exifCamera = "Nikon", .exifTaken = "2019:05:01 10:00:00"});
  dir.write("3-raw.dng", std::vector<uint8_t>(block.begin() + 6, block.end()));  // the TIFF structure alone
  dir.write("4.heic", test::EncodeHeif({picture}, false, {}, 50, 1, block));
  EXPECT_EQ(ReadPhotoFacts(dir.file("4.heic")), ReadPhotoFacts(dir.file("3-raw.dng")));
  const std::pair<const char*, const char*> cases[] = {
      {"taken-earliest", "3-raw.dng"},     {"jpeg-first,taken-earliest", "2-canon.jpg"},
      {"has-metadata", "2-canon.jpg"},     {"has-metadata,raw-first", "3-raw.dng"},
      {"jpeg-first", "0-blank.jpg"},       {"raw-first,smallest", "3-raw.dng"},
  };
  NoProgress quiet;
  for (const double noExifDate : {45000.0, 40000.0}) {  // after both dates taken, then before
    for (const auto& [criteria, keeper] : cases) {
      ResultsModel model;
      TResultEntry* base = AddGroup(model, {dir.file("0-blank.jpg")},
                                    {{dir.file("1-none.jpg")}, {dir.file("2-canon.jpg")}, {dir.file("3-raw.dng")}});
      for (TResultEntry* entry = base; entry != nullptr; entry = entry->Next) entry->FileDate = 50000;
      base->FileDate = base->Next->FileDate = noExifDate;
      const MarkRule rule{ParseKeepCriteria(criteria), {}, false};
      const auto facts = ReadPhotoFactsByPath(PhotoFactPaths(model, rule.keep), CancelToken(), quiet);
      const bool before = noExifDate < 41000 && std::string_view(criteria).ends_with("taken-earliest");
      EXPECT_EQ(KeeperOf(*base, rule.keep, *facts)->Path, dir.file(before ? "0-blank.jpg" : keeper)) << criteria;
    }
  }
  ResultsModel model;
  TResultEntry* base = AddGroup(model, {dir.file("1-none.jpg")}, {{dir.file("3-raw.dng")}});
  CancelToken cancelled;
  cancelled.cancel();
  EXPECT_FALSE(ReadFactsAndApplyMarkRule(model, {ParseKeepCriteria("taken-earliest"), {}, false}, cancelled, quiet));
  EXPECT_EQ(markedPaths(base), "");
  EXPECT_EQ(ReadFactsAndApplyMarkRule(model, {ParseKeepCriteria("taken-earliest"), {}, false}, CancelToken(), quiet)
                ->marked, 1);
  EXPECT_EQ(markedPaths(base), dir.file("1-none.jpg") + " ");
}

TEST(MarkRules, GoneFilesAreNeverKeptUnknownSizesCountAsNoPixelsAndProtectedFilesStayUnmarked) {
  ResultsModel model;
  TResultEntry* base = fourFileGroup(model);
  TResultEntry* c = base->Next->Next;
  c->Gone = 1;
  c->Marked = 1;
  base->Next->Width = -1;  // b's dimensions unknown
  const MarkRuleOutcome outcome = ApplyMarkRule(model, {ParseKeepCriteria("resolution"), {"/keep"}, false});
  EXPECT_EQ(outcome.marked, 1);
  EXPECT_EQ(markedPaths(base), "/p/longer/b.jpg /q/c.jpg ");  // a kept, d protected, c left as it was
}

TEST(MarkRules, APathKeptInOneGroupIsMarkedInNoneSoEveryGroupKeepsAFile) {
  ResultsModel model;
  TResultEntry* first = AddGroup(model, {"/a/x.jpg", 900}, {{"/b/y.jpg", 100}});
  TResultEntry* second = AddGroup(model, {"/b/y.jpg", 100}, {{"/c/z.jpg", 50}, {"/c/w.jpg", 10}});
  first->Marked = 1;
  const MarkRuleOutcome outcome = ApplyMarkRule(model, {ParseKeepCriteria("largest"), {}, false});
  EXPECT_EQ(outcome.groups, 2);
  EXPECT_EQ(markedPaths(first), "");
  EXPECT_EQ(markedPaths(second), "/c/z.jpg /c/w.jpg ");
  UnmarkAll(model);
  EXPECT_EQ(markedPaths(second), "");
}

TEST(MarkRules, CopyMarkersOfDesktopsAndBrowsersAreCountedButCameraNumbersAreNone) {
  const std::pair<const char*, int> names[] = {
      {"/p/sunset.jpg", 0},           {"/p/IMG_1234.JPG", 0},         {"/p/2019-05-01 12.30.45.jpg", 0},
      {"/p/copy.jpg", 0},             {"/p/(1).jpg", 0},              {"/p/sunset (copy).jpg", 1},
      {"/p/sunset - Copy.jpg", 1},    {"/p/Copy of sunset.jpg", 1},   {"/p/sunset (1).jpg", 1},
      {"/p/sunset_1.jpg", 1},         {"/p/sunset (copy 2).jpg", 1},  {"/p/sunset (3rd copy).jpg", 1},
      {"/p/sunset - копия.jpg", 1},   {"/p/Copy (2) of sunset.jpg", 1}, {"/p/IMG_1234_1.JPG", 1},
      {"/p/sunset copy 2.jpg", 2},    {"/p/sunset - Copy (2).jpg", 2}, {"/p/sunset (1) (copy).jpg", 2},
  };
  for (const auto& [name, markers] : names) EXPECT_EQ(CopyMarkerCount(name), markers) << name;
}

// The rule of a new settings file works among the files the thresholds marked: the
// original keeps its name, a similar but different picture stays unmarked, and a
// group with nothing marked is left alone.
TEST(MarkRules, TheDefaultRuleKeepsTheOriginalAmongTheMarkedCopiesOnly) {
  ResultsModel model;
  TResultEntry* sunset = AddGroup(model, {"/p/sunset (copy).jpg"}, {{"/p/sunset.jpg"}, {"/p/sunset edit.jpg", 900}});
  sunset->Next->Marked = 1;
  TResultEntry* lone = AddGroup(model, {"/p/beach - Copy.jpg"}, {{"/p/beach.jpg", 300}});
  const MarkRuleOutcome outcome = ApplyMarkRule(model, DefaultMarkRule());
  EXPECT_EQ(outcome.groups, 1);
  EXPECT_EQ(outcome.marked, 1);
  EXPECT_EQ(markedPaths(sunset), "/p/sunset (copy).jpg ");
  EXPECT_EQ(markedPaths(lone), "");
  MarkRule wholeGroups = DefaultMarkRule();
  wholeGroups.amongMarked = false;
  ApplyMarkRule(model, wholeGroups);
  EXPECT_EQ(markedPaths(sunset), "/p/sunset (copy).jpg /p/sunset.jpg ");  // the largest is kept
  EXPECT_EQ(markedPaths(lone), "/p/beach - Copy.jpg ");
}

TEST(MarkRules, CriteriaTextsRoundTripAndBadOnesAreRefused) {
  const std::vector<KeepStep> steps = {{KeepCriterion::Newest, {}}, {KeepCriterion::InsideFolder, "/a,\"b\""}};
  EXPECT_EQ(KeepCriteriaText(steps), "newest,\"inside=/a,\"\"b\"\"\"");
  EXPECT_EQ(ParseKeepCriteria(KeepCriteriaText(steps)), steps);
  for (const char* bad : {"", "resolution,", "biggest", "inside="})
    EXPECT_THROW(ParseKeepCriteria(bad), std::invalid_argument) << bad;
}

TEST(MarkRules, TheRuleIsStoredInTheSettingsFile) {
  test::TempDir dir;
  const test::ScopedEnv appDir("VELLORAN_APPDIR", dir.path());
  EXPECT_EQ(LoadMarkRule(), DefaultMarkRule()) << "no settings file yet";
  StoreNewSettingsFile();
  EXPECT_EQ(LoadMarkRule(), DefaultMarkRule());
  IniFile(AppIniFileName()).eraseSection("MarkByRule");
  EXPECT_EQ(LoadMarkRule(), MarkRule{}) << "a settings file without a rule keeps its behaviour";
  StoreNewSettingsFile();
  EXPECT_EQ(LoadMarkRule(), MarkRule{});
  const MarkRule rule{ParseKeepCriteria("resolution,inside=/photos/2024,plain-name"), {"/a", "/b c"}, true, true};
  SaveMarkRule(rule);
  EXPECT_EQ(LoadMarkRule(), rule);
}

}  // namespace
}  // namespace vl
