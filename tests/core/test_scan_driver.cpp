// Whole scans through the scan job on folders the tests build: modes, arrangements, outcomes, messages, cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include <sys/stat.h>

#include "core/database/database_file.h"
#include "core/database/volume_table.h"
#include "core/files/file_checks.h"
#include "core/fingerprint/fingerprint.h"
#include "tests/support/image_writer.h"
#include "core/components/elapsed_time.h"
#include "tests/core/scan_fixture.h"

namespace vl::test {
namespace {

using Groups = std::vector<std::string>;

class ScanDriverTest : public ScanFixture {
 protected:
  bool logged(const std::string& entry) const {
    return std::find(host.statusLog.begin(), host.statusLog.end(), entry) != host.statusLog.end();
  }
  std::string lastMessage() const { return host.messages.empty() ? "" : host.messages.back().text; }
  // A database record naming `path` on `volume`, with the size and fingerprint of `picture`.
  static std::unique_ptr<TScanEntry> record(const std::string& path, const std::string& volume,
                                            const std::string& picture) {
    auto entry = std::make_unique<TScanEntry>();
    entry->Path = path;
    entry->Volume = volume;
    entry->Size = static_cast<int32_t>(ReadFileBytes(picture).size());
    entry->Fingerprint = std::make_unique<TFingerprint>();
    EXPECT_TRUE(MakeFingerprint(picture, *entry->Fingerprint, entry->Width, entry->Height));
    return entry;
  }
};

TEST_F(ScanDriverTest, ImageSelfCompareGroupsUnderTheFirstPictureWithPhasesMarksAndSummary) {
  const std::string photo = writePhoto("a/photo.jpg");
  copyFile(photo, "a/zcopy.jpg");
  writePhoto("b/recompressed.jpg", 0, 60);
  writePhoto("b/other.jpg", 7);
  dir.write("b/notes.txt", std::string("not a picture"));

  scan(ScanMode::Images, {}, {dir.file("a"), dir.file("b")});

  ASSERT_EQ(outcome.end, ScanEnd::Completed);
  ASSERT_EQ(outcome.results.FBaseGroups().size(), 1u);
  const std::string group = groups()[0];
  EXPECT_EQ(group.rfind("a/photo.jpg: a/zcopy.jpg(0,*) b/recompressed.jpg(", 0), 0u) << group;
  EXPECT_EQ(outcome.results.matchBasis, MatchBasis::Pictures);
  EXPECT_EQ(outcome.duplicates, 2);
  EXPECT_EQ(outcome.markedCount, 1);

  EXPECT_TRUE(logged("progress:1 / 4")) << "the pairing counter counts the four pictures";
  EXPECT_EQ(host.beeps, 1);
  EXPECT_TRUE(std::regex_match(lastMessage(), std::regex("Finished Scanning for Duplicates.\n\nFound 2 possible "
                                                         "duplicates in 0:0:0[0-9].\n\n1 files marked for Delete."
                                                         "\n\n0 files automatically deleted.")))
      << lastMessage();
}

TEST_F(ScanDriverTest, ABaseListWithoutPicturesMakesAnImageScanASelfCompare) {
  dir.write("base/readme.txt", std::string("no picture"));
  const std::string photo = writePhoto("new/photo.jpg");
  copyFile(photo, "new/copy.jpg");
  ASSERT_EQ(scan(ScanMode::Images, {dir.file("base")}, {dir.file("new")}, "*.*").end, ScanEnd::Completed);
  EXPECT_EQ(groups(), (Groups{"new/copy.jpg: new/photo.jpg(0,*)"}));
}

// A turned and a mirrored copy join only with rotations on, verification keeps them
// and the recompressed copy; a copy stored turned with an EXIF tag that shows it
// upright joins with verification alone. Verified groups show the verified grid's
// error counts, so they are compared by their members.
TEST_F(ScanDriverTest, RotationsFindTurnedCopiesAndVerificationKeepsTrueCopies) {
  // A gradient with two blocks whose edges lie between the fingerprint's sample points.
  Picture picture = GradientPicture(160, 120);
  picture.fill(30, 45, 70, 95, Rgb(150, 20, 20));
  picture.fill(100, 12, 150, 35, Rgb(240, 220, 60));
  dir.makeDir("a");
  WriteJpeg(dir.file("a/photo.jpg"), picture);
  WriteJpeg(dir.file("a/recompressed.jpg"), picture, {.quality = 60});
  writePhoto("a/other.jpg", 7);
  WriteJpeg(dir.file("a/turned.jpg"), Oriented(picture, 5));
  WriteJpeg(dir.file("a/mirrored.jpg"), Oriented(picture, 1));
  WriteJpeg(dir.file("a/tagged.jpg"), Oriented(picture, 6), {.exifOrientation = 6});
  const auto members = [this] {
    std::vector<std::string> found;
    for (const std::string& group : groups()) found.push_back(std::regex_replace(group, std::regex("\\([^)]*\\)"), ""));
    return found;
  };

  scan(ScanMode::Images, {}, {dir.file("a")});
  EXPECT_EQ(members(), (Groups{"a/photo.jpg: a/recompressed.jpg"}));
  request.matchRotations = true;
  scan(ScanMode::Images, {}, {dir.file("a")});
  const Groups turned = {"a/mirrored.jpg: a/photo.jpg a/recompressed.jpg a/tagged.jpg a/turned.jpg"};
  EXPECT_EQ(members(), turned);
  request.verifyMatches = true;
  scan(ScanMode::Images, {}, {dir.file("a")});
  EXPECT_EQ(members(), turned);
  request.matchRotations = false;
  scan(ScanMode::Images, {}, {dir.file("a")});
  EXPECT_EQ(members(), (Groups{"a/photo.jpg: a/recompressed.jpg a/tagged.jpg"}));
}

TEST_F(ScanDriverTest, NameModesFoldOnlyAToZ) {
  dir.write("a/IMG_0001.JPG", std::string(1000, 'x'));
  dir.write("b/img_0001.jpg", std::string(1003, 'y'));
  dir.write("c/Img_0001.jpg", std::string(1000, 'z'));
  dir.write("a/CAF\xc3\x89.JPG", std::string("1"));
  dir.write("b/Caf\xc3\xa9.jpg", std::string("1"));
  const std::vector<std::string> folders = {dir.file("a"), dir.file("b"), dir.file("c")};

  scan(ScanMode::Names, {}, folders, "*.jpg");
  EXPECT_EQ(groups(), (Groups{"a/IMG_0001.JPG: b/img_0001.jpg(0,*) c/Img_0001.jpg(0,*)"}));
  EXPECT_FALSE(logged("phase:Comparing Images")) << "name modes leave the gathering phase text";
}

TEST_F(ScanDriverTest, MarksFollowTheThresholdsAndPropagateAcrossGroups) {
  dir.write("x/a.jpg", std::string(100, '1'));
  dir.write("y/a.jpg", std::string(200, '2'));
  dir.write("z/a.jpg", std::string(103, '3'));
  scan(ScanMode::Names, {dir.file("x"), dir.file("y")}, {dir.file("z")}, "*.jpg");
  EXPECT_EQ(groups(), (Groups{"x/a.jpg: z/a.jpg(0,*)", "y/a.jpg: z/a.jpg(0,*)"}))
      << "marked by size within 5 bytes in x's group, by propagation in y's";

  request.autoMark.enabled = false;
  dir.write("w/a.jpg", std::string(100, '1'));
  scan(ScanMode::Contents, {}, {dir.file("w"), dir.file("x")}, "*.jpg");
  EXPECT_EQ(groups(), (Groups{"w/a.jpg: x/a.jpg(0)"}));
}

TEST_F(ScanDriverTest, ImageMarksNeedEqualDimensionsAndCloseSizesAndTheFuzzFactorBoundsTheErrors) {
  const std::string photo = writePhoto("a/photo.jpg");
  std::string bytes = ReadFileBytes(photo);
  dir.write("b/padded4.jpg", bytes + std::string(4, '\0'));
  dir.write("b/padded6.jpg", bytes + std::string(6, '\0'));
  scan(ScanMode::Images, {}, {dir.file("a"), dir.file("b")});
  EXPECT_EQ(groups(), (Groups{"a/photo.jpg: b/padded4.jpg(0,*) b/padded6.jpg(0)"}));

  request.autoMark.size = 1000000;
  request.autoMark.errors = 30;
  writePhoto("b/lowquality.jpg", 0, 40);
  scan(ScanMode::Images, {}, {dir.file("a"), dir.file("b")});
  ASSERT_EQ(groups().size(), 1u);
  std::smatch found;
  const std::string group = groups()[0];
  ASSERT_TRUE(std::regex_search(group, found, std::regex(R"(b/lowquality\.jpg\(([0-9]+),\*\))"))) << group;
  const int errors = std::stoi(found[1]);
  ASSERT_GT(errors, 0) << "the fixture needs a copy with some errors";

  // The fuzz factor bounds the errors of a match.
  request.fuzzFactor = errors - 1;
  scan(ScanMode::Images, {}, {dir.file("a"), dir.file("b")});
  EXPECT_EQ(groups(), (Groups{"a/photo.jpg: b/padded4.jpg(0,*) b/padded6.jpg(0,*)"}));
  request.fuzzFactor = errors;
  scan(ScanMode::Images, {}, {dir.file("a"), dir.file("b")});
  EXPECT_EQ(groups(), (Groups{group}));
}

TEST_F(ScanDriverTest, NoFoldersIsReportedBeforeAnythingElseHappens) {
  EXPECT_EQ(scan(ScanMode::Images, {dir.file("a")}, {}).end, ScanEnd::NoFolders);
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"You must first Add some folders to Scan."}));
  EXPECT_TRUE(host.statusLog.empty()) << "nothing else happens";
}

TEST_F(ScanDriverTest, AFolderEntryThatIsNoFolderIsLeftOutAndNamedAndAnEmptyCompareListIsAnError) {
  const std::string photo = writePhoto("a/photo.jpg");
  copyFile(photo, "a/copy.jpg");
  const std::string typo = dir.file("b4se");
  ASSERT_EQ(scan(ScanMode::Images, {typo, photo, dir.file("a")}, {dir.file("a"), typo}).end, ScanEnd::Completed);
  EXPECT_EQ(outcome.missingFolders, (std::vector<std::string>{typo, photo}));
  EXPECT_NE(lastMessage().find("\n\nThese folders were not found and were left out:\n" + typo + "\n" + photo),
            std::string::npos)
      << lastMessage();

  EXPECT_EQ(scan(ScanMode::Images, {}, {typo}).end, ScanEnd::EmptyCompareList);
  EXPECT_EQ(host.messages.back().kind, MessageKind::Error);
  EXPECT_EQ(lastMessage(), "The Compare List contained no files.\n\n0 files were automatically deleted.\n\n"
                           "These folders were not found and were left out:\n" + typo);
}

// Base entries that give no file would turn the scan into a self-compare of the
// compare list: it stops instead, naming every entry and why, and pairs nothing.
TEST_F(ScanDriverTest, BaseEntriesThatGiveNoFilesStopTheScanNamingEachEntry) {
  const std::string photo = writePhoto("archive/photo.jpg");
  copyFile(photo, "new/copy.jpg");
  copyFile(photo, "new/copy2.jpg");
  ScanList records;
  for (const char* name : {"archive/photo.jpg", "archive/other.jpg"})
    records.push_back(record(dir.file(name), VolumeLabelOfPath(photo), photo));
  const std::string database = dir.file("archive.vdb");
  WriteDatabase(database, records);
  std::filesystem::remove(photo);
  dir.write("texts/readme.txt", std::string("x"));
  dir.makeDir("empty");

  scan(ScanMode::Images, {database, dir.file("texts"), dir.file("empty"), dir.file("b4se")}, {dir.file("new")});
  EXPECT_EQ(outcome.end, ScanEnd::EmptyBaseList);
  EXPECT_EQ(lastMessage(),
            "The Base List contained no files, so the scan was not run (it would have compared the Compare List with "
            "itself).\n\n" +
                database + ": its 2 records are of files that are gone from a present volume\n" + dir.file("texts") +
                ": none of its 1 files is of the chosen types\n" + dir.file("empty") + ": empty folder\n" +
                dir.file("b4se") + ": not found");
  EXPECT_TRUE(outcome.results.FBaseGroups().empty());
  EXPECT_FALSE(logged("phase:Loading Compare List.")) << "the compare list is not even gathered";
}

TEST_F(ScanDriverTest, AMissingDatabaseCancelsTheScanAfterItsMessage) {
  writePhoto("a/photo.jpg");
  const std::string missing = dir.file("gone.vdb");
  EXPECT_EQ(scan(ScanMode::Images, {missing}, {dir.file("a")}).end, ScanEnd::Cancelled);
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{MissingDatabaseMessage(missing), "Scan Canceled."}));
  EXPECT_TRUE(outcome.results.FBaseGroups().empty());
}

TEST_F(ScanDriverTest, DatabaseRecordsOfAPresentVolumeNeedTheirFileAndThoseOfAnAbsentOneDoNot) {
  const std::string photo = writePhoto("pics/photo.jpg");
  const std::string gone = copyFile(photo, "pics/gone.jpg");
  copyFile(photo, "new/copy.jpg");
  ScanList records;
  for (const auto& [path, volume] : {std::pair{photo, VolumeLabelOfPath(photo)},
                                     std::pair{gone, VolumeLabelOfPath(gone)},
                                     std::pair{dir.file("archive/offline.jpg"), std::string("OLD-DISC")}})
    records.push_back(record(path, volume, photo));
  const std::string database = dir.file("pics.vdb");
  WriteDatabase(database, records);
  std::filesystem::remove(gone);

  // Records hold classic fingerprints only, so a verifying scan pairs the pictures by
  // theirs too, and neither the thresholds nor a keep rule mark such unverified pairs.
  request.verifyMatches = true;
  request.keepRule = MarkRule{ParseKeepCriteria("shortest-path"), {}, true, false};
  ASSERT_EQ(scan(ScanMode::Images, {database}, {dir.file("new")}).end, ScanEnd::Completed);
  EXPECT_EQ(groups(), (Groups{"pics/photo.jpg: new/copy.jpg(0)", "archive/offline.jpg: new/copy.jpg(0)"}));
  // A verified copy is marked; a blank page is grouped with its copy but never marked.
  request.keepRule.reset();
  copyFile(photo, "new/copy2.jpg");
  WriteJpeg(dir.file("new/blank.jpg"), UniformPicture(120, 90, Rgb(250, 250, 250)));
  copyFile(dir.file("new/blank.jpg"), "new/blank2.jpg");
  ASSERT_EQ(scan(ScanMode::Images, {}, {dir.file("new")}).end, ScanEnd::Completed);
  EXPECT_EQ(groups(), (Groups{"new/blank.jpg: new/blank2.jpg(0)", "new/copy.jpg: new/copy2.jpg(0,*)"}));
}

// The job only hands the matches back; the caller's question decides, and a
// cancelled scan removes nothing.
TEST_F(ScanDriverTest, ADeletedPictureCopiedBackGoesToTheTrashOnlyAfterYesAndEveryMessageNamesIt) {
  const ScopedEnv dataHome("XDG_DATA_HOME", dir.makeDir("data"));
  writePhoto("base/keep.jpg", 3);
  const std::string unwanted = writePhoto("base/unwanted.jpg");
  request.useDeletedList = true;
  deletedList.AddToDeletedList(unwanted, host);
  const std::string back = copyFile(unwanted, "new/renamed.jpg");
  writePhoto("new/fresh.jpg", 5);

  // Answered No: nothing is deleted, and the match stays out of the scan.
  host.answer = false;
  EXPECT_EQ(scan(ScanMode::Images, {dir.file("base")}, {dir.file("new")}).end, ScanEnd::Completed);
  ASSERT_EQ(outcome.deletedMatches.size(), 1u);
  EXPECT_EQ(outcome.deletedMatches[0].path, back);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].find("matched 1 files (" + SizeText(ReadFileBytes(unwanted).size()) + ")"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(back));
  EXPECT_EQ(deletion.kept, std::vector<std::string>{back});
  EXPECT_TRUE(groups().empty()) << "the match is not paired";
  EXPECT_NE(lastMessage().find("\n\n1 files that the deleted-file list matched were not deleted"), std::string::npos);

  host.answer = true;
  EXPECT_EQ(scan(ScanMode::Images, {dir.file("base")}, {dir.file("new")}).end, ScanEnd::Completed);
  ASSERT_EQ(deletion.deleted.size(), 1u);
  EXPECT_EQ(deletion.deleted[0].path, back);
  EXPECT_FALSE(std::filesystem::exists(back));
  EXPECT_EQ(ReadFileBytes(dir.file("data/Trash/files/renamed.jpg")), ReadFileBytes(unwanted));
  EXPECT_TRUE(std::filesystem::exists(unwanted)) << "the base list is never checked";
  EXPECT_TRUE(std::regex_search(lastMessage(), std::regex("\n1 files automatically deleted.$"))) << lastMessage();
  EXPECT_EQ(host.messages.back().details, "Automatically deleted:\n" + back);

  const std::string again = copyFile(unwanted, "new/again.jpg");
  host.onStatus = [this](const std::string& entry) {
    if (entry == "phase:Reading Base Images") cancel->cancel();
  };
  EXPECT_EQ(scan(ScanMode::Images, {dir.file("base")}, {dir.file("new")}).end, ScanEnd::Cancelled);
  EXPECT_EQ(host.messages.back().text, "Scan Canceled.");
  EXPECT_EQ(host.questions.size(), 2u) << "no question after a cancel";
  EXPECT_TRUE(std::filesystem::exists(again));
}

TEST_F(ScanDriverTest, DatabaseRecordsAreNeverOpenedOrDeletedAndClassicMatchesAreCounted) {
  writePhoto("base/keep.jpg", 3);
  const std::string unwanted = writePhoto("base/unwanted.jpg");
  const std::string lookalike = copyFile(unwanted, "elsewhere/lookalike.jpg");
  const std::string pipe = dir.file("elsewhere/pipe.jpg");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string renamed = copyFile(unwanted, "new/renamed.jpg");
  const std::string old = writePhoto("new/old.jpg", 5);
  request.useDeletedList = true;
  request.recycle = false;
  deletedList.AddToDeletedList(unwanted, host);
  deletedList.entries().push_back({static_cast<uint32_t>(ReadFileBytes(old).size()), FileCRC32(old)});

  ScanList records;
  for (const std::string& path : {lookalike, pipe, renamed}) records.push_back(record(path, VolumeLabelOfPath(path), unwanted));
  const std::string database = dir.file("pics.vdb");
  WriteDatabase(database, records);

  ASSERT_EQ(scan(ScanMode::Images, {dir.file("base")}, {database, dir.file("new")}).end, ScanEnd::Completed);
  EXPECT_EQ(deletion.deleted, (std::vector<AutoDeletedFile>{{old, true}, {renamed, false}}));
  EXPECT_TRUE(std::filesystem::exists(lookalike) && std::filesystem::exists(pipe));
  EXPECT_EQ(groups(), (Groups{"base/unwanted.jpg: elsewhere/lookalike.jpg(0,*)"}))
      << "records naming an auto-deleted file or no regular file are left out; the others stay";
  EXPECT_TRUE(std::regex_search(lastMessage(), std::regex("\n2 files automatically deleted.\n\n1 of them matched only "
                                                          "by size and CRC-32 \\(entries of an older deleted-file "
                                                          "list\\).$")))
      << lastMessage();
}

// Cancelling when a status text appears ends the scan before the status text that would follow.
struct CancelPoint {
  const char* cancelAt;
  const char* neverAfter;
};

class CancelDuringPhase : public ScanDriverTest, public ::testing::WithParamInterface<CancelPoint> {};

TEST_P(CancelDuringPhase, EndsTheScanWithoutSummary) {
  for (int i = 0; i < 12; ++i) {
    const std::string photo = writePhoto("a/p" + std::to_string(i) + ".jpg", i % 3);
    copyFile(photo, "b/p" + std::to_string(i) + ".jpg");
  }
  const std::string phase = GetParam().cancelAt;
  host.onStatus = [this, &phase](const std::string& entry) {
    if (entry == phase) cancel->cancel();
  };
  EXPECT_EQ(scan(ScanMode::Images, {dir.file("a")}, {dir.file("b")}).end, ScanEnd::Cancelled);
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"Scan Canceled."}));
  EXPECT_FALSE(logged("phase:Marking Duplicates"));
  const auto cancelled = std::find(host.statusLog.begin(), host.statusLog.end(), phase);
  ASSERT_NE(cancelled, host.statusLog.end());
  EXPECT_EQ(std::find(cancelled, host.statusLog.end(), GetParam().neverAfter), host.statusLog.end());
}

INSTANTIATE_TEST_SUITE_P(Phases, CancelDuringPhase,
                         ::testing::Values(
                             CancelPoint{"phase:Getting Drive Information.", "phase:Loading Compare List."},
                             CancelPoint{"phase:Loading Base List.", "phase:Loading Compare List."},
                             CancelPoint{"phase:Loading Compare List.", "phase:Reading Base Images"},
                             CancelPoint{"phase:Reading Base Images", "phase:Reading Compare Images"},
                             CancelPoint{"phase:Reading Compare Images", "phase:Comparing Images"},
                             CancelPoint{"phase:Comparing Images", "progress:6 / 12"},
                             CancelPoint{"progress:6 / 12", "progress:11 / 12"}));

TEST(ElapsedText, HoursAndMinutesWithoutLeadingZerosSecondsWithTwoDigits) {
  EXPECT_EQ(ElapsedText(65.9), "0:1:05");
  EXPECT_EQ(ElapsedText(36000 + 59 * 60 + 59), "10:59:59");
}

}  // namespace
}  // namespace vl::test
