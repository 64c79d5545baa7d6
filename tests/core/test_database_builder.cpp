// Tests of New Database and Add to Database on real picture folders.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <utime.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <tuple>

#include "core/database/database_builder.h"
#include "core/database/database_file.h"
#include "core/fingerprint/fingerprint.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

class DatabaseBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pics_ = dir_.makeDir("pics");
    test::WriteJpeg(pics_ + "/a.jpg", test::GradientPicture(64, 48));
    test::WriteJpeg(pics_ + "/B.jpg", test::UniformPicture(40, 40, test::Rgb(200, 30, 30)));
    test::WriteJpeg(pics_ + "/c.jpg", test::BlockPicture(50, 30, 10, {test::Black, test::White}, 7));
    dir_.write("pics/notes.txt", "not a picture");
    db_ = dir_.file("pics.vdb");
  }

  static ScanList Records(const std::string& file) {
    ScanList list;
    EXPECT_EQ(ReadDatabaseRecords(file, [&list](std::unique_ptr<TScanEntry> e) { list.push_back(std::move(e)); }),
              DatabaseOutcome::Readable);
    return list;
  }
  static std::vector<std::string> Paths(const ScanList& list) {
    std::vector<std::string> paths;
    for (const auto& e : list) paths.push_back(e->Path);
    return paths;
  }
  // Runs the operation as the window does: an open question about gone records is
  // the host's askYesNo, then the operation runs again with the answer; the messages
  // go to the host and the changes to changes_.
  BuildOutcome Run(BuildResult (*operation)(const DatabaseRequest&, const CancelToken&, ProgressSink&),
                   DatabaseRequest request) {
    cancel_.emplace();
    BuildResult result = operation(request, *cancel_, host_);
    if (result.outcome == BuildOutcome::Undecided) {
      request.gone = host_.askYesNo(result.goneQuestion) ? GoneRecords::Remove : GoneRecords::Keep;
      result = operation(request, *cancel_, host_);
    }
    for (const JobMessage& message : result.messages) ShowJobMessage(host_, message);
    changes_ = result.changes;
    return result.outcome;
  }
  BuildOutcome New(const std::string& file, const std::vector<std::string>& folders) {
    return Run(NewDatabase, {.fileName = file, .folders = folders});
  }
  BuildOutcome Add(const std::string& file, const std::vector<std::string>& folders, bool freshen,
                   GoneRecords gone = GoneRecords::Ask) {
    return Run(AddToDatabase, {.fileName = file, .folders = folders, .freshen = freshen, .gone = gone});
  }
  void BuildNew() { ASSERT_EQ(New(db_, {pics_}), BuildOutcome::Written); }
  // The text of the one message shown since the last call, which forgets it.
  std::string onlyMessage() {
    EXPECT_EQ(host_.messages.size(), 1u);
    const std::string text = host_.messages.empty() ? "" : host_.messages.back().text;
    host_.messages.clear();
    return text;
  }
  void expectStatuses(std::initializer_list<const char*> statuses) const {
    for (const char* status : statuses)
      EXPECT_NE(std::find(host_.statusLog.begin(), host_.statusLog.end(), status), host_.statusLog.end()) << status;
  }
  // Cancels when `phase` is reported.
  void CancelAt(const std::string& phase) {
    host_.onStatus = [this, phase](const std::string& entry) {
      if (entry == "phase:" + phase) cancel_->cancel();
    };
  }

  test::TempDir dir_;
  test::ScopedEnv appDir_{"VELLORAN_APPDIR", dir_.makeDir("app")};
  test::RecordingHost host_;
  std::optional<CancelToken> cancel_;
  DatabaseChanges changes_;
  std::string pics_;
  std::string db_;
};

TEST_F(DatabaseBuilderTest, NewDatabaseReplacesAFileWithThePicturesSortedWithoutRegardToCase) {
  dir_.write("pics.vdb", "old contents");
  BuildNew();
  EXPECT_EQ(Paths(Records(db_)), (std::vector<std::string>{pics_ + "/a.jpg", pics_ + "/B.jpg", pics_ + "/c.jpg"}));
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].kind, MessageKind::Information);
  EXPECT_TRUE(std::regex_match(host_.messages[0].text, std::regex(R"(Database saved in \d+:\d+:\d\d\.)")));
  expectStatuses({"phase:Scanning Files", "phase:Reading Images", "progress:3 / 3", "phase:Writing to Database"});
}

TEST_F(DatabaseBuilderTest, NewDatabaseRefusalsAndFailuresAreReportedWithTheirReason) {
  const std::string text = dir_.makeDir("text");
  dir_.write("text/readme.txt", "words");
  EXPECT_EQ(New(db_, {text}), BuildOutcome::Refused);
  EXPECT_EQ(onlyMessage(), "You must select some folders to add to the new database.");
  EXPECT_FALSE(std::filesystem::exists(db_)) << "no pictures: nothing written";

  const std::string nowhere = dir_.file("no/such/folder/x.vdb");
  EXPECT_EQ(New(nowhere, {pics_}), BuildOutcome::Failed);
  EXPECT_EQ(onlyMessage(), "Error in creating database.\n\ncannot lock " + nowhere + ".lock: No such file or directory");

  // A file of another kind is not overwritten unless its name says it is a database.
  const std::string notes = dir_.write("notes.txt", "my notes");
  EXPECT_EQ(New(notes, {pics_}), BuildOutcome::Refused);
  EXPECT_EQ(test::ReadFileBytes(notes), "my notes");
  EXPECT_EQ(onlyMessage(), notes + "\n\nis not a VL Database (*.VDB) file; it was left unchanged.");
  EXPECT_EQ(New(dir_.write("x.VDB", "garbage"), {pics_}), BuildOutcome::Written);
  const std::string old = dir_.file("old.db");
  std::filesystem::copy_file(dir_.file("x.VDB"), old);
  EXPECT_EQ(New(old, {pics_}), BuildOutcome::Written);
}

TEST_F(DatabaseBuilderTest, LongPathsAreLeftOutOfTheFileAndCounted) {
  // A folder path over 255 bytes lists its real files; the record cannot hold their paths.
  std::string deep = pics_;
  while (deep.size() < 300) deep += "/" + std::string(40, 'd');
  std::filesystem::create_directories(deep);
  std::filesystem::copy_file(pics_ + "/a.jpg", deep + "/a.jpg");
  ASSERT_EQ(New(db_, {pics_, deep}), BuildOutcome::Written);
  EXPECT_EQ(Records(db_).size(), 3u);
  const std::string warning = "1 files were left out of " + db_ + ": their paths are longer than 255 bytes.";
  EXPECT_NE(std::find(host_.warnings.begin(), host_.warnings.end(), warning), host_.warnings.end());
}

TEST_F(DatabaseBuilderTest, CancelWhileReadingImagesLeavesTheFileUntouched) {
  BuildNew();
  const std::string before = test::ReadFileBytes(db_);
  host_ = test::RecordingHost{};
  CancelAt("Reading Images");
  test::WriteJpeg(pics_ + "/d.jpg", test::GradientPicture(20, 20));
  EXPECT_EQ(New(db_, {pics_}), BuildOutcome::Cancelled);
  EXPECT_EQ(Add(db_, {pics_}, true), BuildOutcome::Cancelled);
  EXPECT_EQ(test::ReadFileBytes(db_), before);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(DatabaseBuilderTest, AddingRecordedPathsAddsNothingDropsDeletedOnesButOtherCaseAddsAgain) {
  BuildNew();
  const std::string before = test::ReadFileBytes(db_);
  ASSERT_EQ(Add(db_, {pics_}, false), BuildOutcome::Written);
  EXPECT_EQ(test::ReadFileBytes(db_), before);
  // A third of the records gone looks like a renamed folder: asked, kept on No and
  // said so, dropped on Yes even without freshening.
  std::filesystem::remove(pics_ + "/B.jpg");
  host_.answer = false;
  ASSERT_EQ(Add(db_, {pics_}, false), BuildOutcome::Written);
  EXPECT_EQ(Records(db_).size(), 3u);
  ASSERT_EQ(host_.questions.size(), 1u);
  EXPECT_NE(host_.questions[0].find("\n" + pics_ + "/: 1 records\n"), std::string::npos) << host_.questions[0];
  EXPECT_TRUE(host_.messages.back().text.ends_with(
      "\n\n0 records added, 0 refreshed, 0 removed.\n\n1 records of files that are gone from a present volume were "
      "kept: they are more than a tenth of the database."))
      << host_.messages.back().text;
  host_.answer = true;
  ASSERT_EQ(Add(db_, {pics_}, false, GoneRecords::Ask), BuildOutcome::Written);
  EXPECT_EQ(Paths(Records(db_)), (std::vector<std::string>{pics_ + "/a.jpg", pics_ + "/c.jpg"}));
  EXPECT_EQ(std::pair(changes_.removed, changes_.keptGone), std::pair(size_t(1), size_t(0)));

  const std::string upper = dir_.makeDir("PICS");
  std::filesystem::copy_file(pics_ + "/a.jpg", upper + "/a.jpg");
  ASSERT_EQ(Add(db_, {upper}, true), BuildOutcome::Written);
  const ScanList records = Records(db_);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(*records[0]->Fingerprint, *records[1]->Fingerprint);  // PICS/a.jpg and pics/a.jpg, same picture
  expectStatuses({"phase:Scanning New Files", "phase:Scanning Database", "phase:Freshening DB Files",
                  "phase:Adding New files to DB", "phase:Saving Database"});

  // One record in ten gone is dropped without a question.
  for (int i = 0; i < 8; ++i)
    test::WriteJpeg(pics_ + "/small" + std::to_string(i) + ".jpg", test::UniformPicture(8 + i, 8, test::Rgb(9, 9, 9)));
  ASSERT_EQ(Add(db_, {pics_}, false, GoneRecords::Keep), BuildOutcome::Written);
  std::filesystem::remove(pics_ + "/small0.jpg");
  ASSERT_EQ(Add(db_, {pics_}, false, GoneRecords::Keep), BuildOutcome::Written);
  EXPECT_EQ(changes_.removed, 1u);
  EXPECT_EQ(Records(db_).size(), 10u);
}

TEST_F(DatabaseBuilderTest, FreshenRereadsOnlyChangedPictures) {
  BuildNew();
  const ScanList before = Records(db_);
  // a.jpg is edited in place; c.jpg's bytes are spoilt with its size and date kept, so
  // a re-read would drop it: it must keep its record because it looks unchanged.
  test::WriteJpeg(pics_ + "/a.jpg", test::BlockPicture(80, 60, 20, {test::White, test::Black}, 3));
  const std::string c = pics_ + "/c.jpg";
  struct stat st {};
  ASSERT_EQ(stat(c.c_str(), &st), 0);
  dir_.write("pics/c.jpg", std::string(static_cast<size_t>(st.st_size), 'x'));
  const utimbuf times{st.st_atime, st.st_mtime};
  ASSERT_EQ(utime(c.c_str(), &times), 0);

  ASSERT_EQ(Add(db_, {pics_}, true), BuildOutcome::Written);
  const ScanList after = Records(db_);
  ASSERT_EQ(after.size(), 3u);
  TFingerprint expected{};
  int32_t width = 0, height = 0;
  ASSERT_TRUE(MakeFingerprint(pics_ + "/a.jpg", expected, width, height));
  EXPECT_EQ(std::tuple(*after[0]->Fingerprint, after[0]->Width), std::tuple(expected, 80));
  EXPECT_NE(after[0]->Size, before[0]->Size);
  EXPECT_EQ(std::tuple(*after[2]->Fingerprint, after[2]->Width), std::tuple(*before[2]->Fingerprint, 50));
  EXPECT_TRUE(host_.messages.back().text.ends_with(".\n\n0 records added, 1 refreshed, 0 removed."))
      << host_.messages.back().text;
}

TEST_F(DatabaseBuilderTest, RecordsOfAnAbsentVolumeSurvive) {
  BuildNew();
  ScanList list = Records(db_);
  list.resize(1);
  list[0]->Path = "/absent/z.jpg";
  list[0]->Volume = "NOSUCHVOL";
  WriteDatabase(db_, list);
  for (bool freshen : {true, false}) {
    ASSERT_EQ(Add(db_, {pics_}, freshen), BuildOutcome::Written);
    const ScanList records = Records(db_);
    ASSERT_EQ(records.size(), 4u);
    const auto fields = [](const TScanEntry& e) {
      return std::tuple(e.Path, e.Volume, e.Size, e.Width, e.Height, *e.Fingerprint);
    };
    EXPECT_EQ(fields(*records[0]), fields(*list[0]));
  }
}

TEST_F(DatabaseBuilderTest, AddRefusesWhatIsNotAReadableDatabaseAndKeepsIt) {
  const std::string invalid = dir_.write("bad.VDB", "not a database");
  EXPECT_EQ(Add(invalid, {pics_}, true), BuildOutcome::Refused);
  EXPECT_EQ(test::ReadFileBytes(invalid), "not a database");
  EXPECT_FALSE(host_.messages.empty());

  BuildNew();
  const std::string before = test::ReadFileBytes(db_);
  const std::string other = dir_.file("pics.dat");
  std::filesystem::copy_file(db_, other);
  host_.messages.clear();
  EXPECT_EQ(Add(other, {pics_}, true), BuildOutcome::Refused);
  EXPECT_EQ(onlyMessage(), other + "\n\nis not a VL Database (*.VDB) file.");
  EXPECT_EQ(test::ReadFileBytes(other), before);

  std::string damaged = before;
  ASSERT_GT(damaged.size(), 60u);
  for (size_t i = 20; i < 60; ++i) damaged[i] = '\xff';
  dir_.write("pics.vdb", damaged);
  EXPECT_EQ(Add(db_, {pics_}, true), BuildOutcome::Refused);
  onlyMessage();
  EXPECT_EQ(test::ReadFileBytes(db_), damaged);
}

TEST_F(DatabaseBuilderTest, AddWriteFailureKeepsTheDatabaseAndGivesTheReason) {
  BuildNew();
  const std::string before = test::ReadFileBytes(db_);
  test::WriteJpeg(pics_ + "/d.jpg", test::GradientPicture(20, 20));
  host_.messages.clear();
  // Files may grow to 100 bytes only (root is bound by this limit too).
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const BuildOutcome outcome = Add(db_, {pics_}, true);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(outcome, BuildOutcome::Failed);
  EXPECT_EQ(onlyMessage(), "Error in creating database.\n\ncannot write " + db_ + ": File too large");
  EXPECT_EQ(test::ReadFileBytes(db_), before);
  for (const auto& item : std::filesystem::directory_iterator(dir_.path()))
    EXPECT_EQ(item.path().string().find(".tmp-"), std::string::npos) << item.path();
}

}  // namespace
}  // namespace vl
