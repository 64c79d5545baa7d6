// velloran-cli run as a script would run it: scan output, exit statuses, results files and databases.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/files/file_lock.h"
#include "core/settings/folder_lists.h"
#include "tests/support/image_writer.h"
#include "tests/support/modern_writer.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace vl::test;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs velloran-cli with a shell command line in its own settings, cache and trash folders; its standard
// error goes to "stderr.txt" there. "CLI" in the arguments names the program again.
CliRun Cli(const TempDir& home, std::string arguments) {
  for (size_t at = 0; (at = arguments.find("CLI", at)) != std::string::npos;) arguments.replace(at, 3, VELLORAN_CLI);
  const std::string command = "cd '" + home.path() + "' && export VELLORAN_APPDIR='" + home.path() +
                              "' XDG_CACHE_HOME='" + home.path() + "/cache' XDG_DATA_HOME='" + home.path() + "/data' && { '" VELLORAN_CLI "' " + arguments +
                              "; } 2>stderr.txt";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadFileBytes(home.file("stderr.txt"));
  return run;
}

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// Whether text holds part; EXPECT_PRED2 prints both when it does not.
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A command line, the exit status and whole standard output it gives, and a part of
// its standard error (none checked when empty).
struct Expected {
  Expected(std::string arguments, int status = 0, std::string out = "", std::string err = "")
      : arguments(std::move(arguments)), status(status), out(std::move(out)), err(std::move(err)) {}
  std::string arguments;
  int status;
  std::string out;
  std::string err;
};

// Runs each command in turn and checks what it gives.
void ExpectRuns(const TempDir& home, const std::vector<Expected>& runs) {
  for (const Expected& expected : runs) {
    const CliRun run = Cli(home, expected.arguments);
    EXPECT_EQ(run.status, expected.status) << expected.arguments;
    EXPECT_EQ(run.out, expected.out) << expected.arguments;
    if (!expected.err.empty()) {
      EXPECT_PRED2(Contains, run.err, expected.err) << expected.arguments;
    }
  }
}

class CliScan : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.makeDir("a");
    dir.makeDir("b/deeper");
    const Picture photo = GradientPicture(160, 120);
    WriteJpeg(dir.file("a/photo.jpg"), photo);
    WriteJpeg(dir.file("b/deeper/copy.jpg"), photo);
    WriteJpeg(dir.file("b/other.jpg"), BlockPicture(160, 120, 20, {Rgb(250, 0, 0), Rgb(0, 0, 40)}, 3));
    dir.write("a/notes.txt", std::string("same"));
    dir.write("b/notes.txt", std::string("same"));
  }
  // The scan output that pairs a/photo.jpg with its copy.
  std::string photoPair() const {
    return "G\t0\t" + dir.file("a/photo.jpg") + "\nD\t0\t1\t" + dir.file("b/deeper/copy.jpg") + "\n";
  }
  TempDir dir;
};

// A copy deleted to the trash: a fresh copy elsewhere is only named with the setting
// alone, removed with --use-deleted-list; once the deleted file is restored to its
// place it is scanned, and the list forgets its contents. Unreadable files are named.
TEST_F(CliScan, TheDeletedListDeletesOnlyWhenAskedAndNeverARestoredFile) {
  const std::string scan = "scan --mode contents --mask '*.txt' --base a --compare b";
  ASSERT_EQ(Cli(dir, scan + " --save-results r.vlr").status, 0);
  ASSERT_EQ(Cli(dir, "results delete-marked r.vlr").status, 0);
  const std::string fresh = dir.write("b/fresh.txt", std::string("same"));
  dir.write("b/other.txt", std::string("other"));
  std::filesystem::create_symlink(dir.file("b/nowhere"), dir.file("b/dangling.txt"));

  const CliRun told = Cli(dir, scan);
  EXPECT_EQ(told.status, 0);
  EXPECT_EQ(told.out, "") << "the match stays out of the scan";
  EXPECT_PRED2(Contains, told.err, "\nvelloran-cli: would auto-delete: " + fresh + "\n");
  EXPECT_PRED2(Contains, told.err,
               "\nvelloran-cli: cannot read " + dir.file("b/dangling.txt") + ": the symbolic link leads nowhere\n");
  EXPECT_TRUE(std::filesystem::exists(fresh));

  const CliRun deleted = Cli(dir, scan + " --use-deleted-list");
  EXPECT_PRED2(Contains, deleted.err, "\nvelloran-cli: auto-deleted: " + fresh + "\n");
  EXPECT_EQ(ReadFileBytes(dir.file("data/Trash/files/fresh.txt")), "same");

  std::filesystem::rename(dir.file("data/Trash/files/notes.txt"), dir.file("b/notes.txt"));
  std::filesystem::remove(dir.file("data/Trash/info/notes.txt.trashinfo"));
  const std::string again = dir.write("b/again.txt", std::string("same"));
  const CliRun back = Cli(dir, scan + " --use-deleted-list");
  EXPECT_PRED2(Contains, back.out, "\t" + dir.file("b/notes.txt") + "\n");
  EXPECT_PRED2(Contains, back.out, "\t" + again + "\n");
  EXPECT_FALSE(Contains(back.err, "auto-delete"));
  std::filesystem::remove(dir.file("b/notes.txt"));
  const CliRun forgotten = Cli(dir, scan + " --use-deleted-list");
  EXPECT_PRED2(Contains, forgotten.out, "\t" + again + "\n") << "the forgetting was saved";
  EXPECT_FALSE(Contains(forgotten.err, "auto-delete"));
}

// A PNG copy of a JPEG takes part only with the newer picture types; the two choices exclude each other.
TEST_F(CliScan, ModernFormatsPairAPngWithItsJpegAndClassicFormatsLeaveItOut) {
  WriteBytes(dir.file("b/photo.png"), EncodePng(GradientPicture(160, 120)));
  const std::string scan = "scan --subfolders --compare a --compare b ";
  ExpectRuns(dir, {{scan + "--classic-formats", 0, photoPair()}, {scan + "--modern-formats --classic-formats", 2}});
  EXPECT_PRED2(Contains, Cli(dir, scan + "--modern-formats").out, "\t" + dir.file("b/photo.png") + "\n");
}

// The entry count that "cache stats" prints, or -1 when its output is not the two lines.
long CachedEntries(const TempDir& home) {
  const CliRun stats = Cli(home, "cache stats");
  long entries = -1;
  long long bytes = -1;
  if (stats.status != 0 || std::sscanf(stats.out.c_str(), "entries: %ld\nsize: %lld\n", &entries, &bytes) != 2)
    return -1;
  return entries == 0 || bytes > 0 ? entries : -1;
}

TEST_F(CliScan, ScansAndDatabasesFillTheCacheUnlessNoCacheAndClearEmptiesIt) {
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --no-cache").status, 0);
  EXPECT_EQ(Cli(dir, "cache stats").out, "entries: 0\nsize: 0\n") << "no cache file was made";
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b").status, 0);
  EXPECT_EQ(CachedEntries(dir), 3);
  EXPECT_EQ(Cli(dir, "cache clear").status, 0);
  EXPECT_EQ(CachedEntries(dir), 0);
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --no-cache").status, 0);
  ASSERT_EQ(Cli(dir, "db new pics.vdb --no-cache a").status, 0);
  EXPECT_EQ(CachedEntries(dir), 0) << "--no-cache leaves an existing cache alone";
  ASSERT_EQ(Cli(dir, "db new pics.vdb a").status, 0);
  EXPECT_EQ(CachedEntries(dir), 1);
}

TEST_F(CliScan, NotDuplicatesAddedStayApartUntilIgnoredOrClearedAndADamagedListIsNamed) {
  ASSERT_EQ(Cli(dir, "notdupes add a/photo.jpg b/deeper/copy.jpg").status, 0);
  ASSERT_EQ(Cli(dir, "notdupes add b/deeper/copy.jpg a/photo.jpg").status, 0);
  EXPECT_EQ(Lines(Cli(dir, "notdupes list").out), 1) << "a pair and its mirror are one pair";
  ExpectRuns(dir, {{"scan --subfolders --compare a --compare b"},
                   {"scan --subfolders --ignore-not-duplicates --compare a --compare b", 0, photoPair()},
                   {"notdupes add a/photo.jpg a/notes.txt", 1, "", "a/notes.txt is not a picture"},
                   {"notdupes clear"},
                   {"scan --compare a --compare b"},  // without --subfolders b/deeper is not scanned
                   {"scan --subfolders --compare a --compare b", 0, photoPair()}});
  // A damaged list leaves nothing out of a scan, and an add leaves it as it is.
  dir.write("notdupes", std::string("VLND"));
  ExpectRuns(dir, {{"scan --subfolders --compare a --compare b", 1, photoPair(), dir.file("notdupes") + " is damaged"},
                   {"notdupes add a/photo.jpg b/deeper/copy.jpg", 1, "",
                    "is damaged (not a list of pairs); the pair was not added"}});
  EXPECT_EQ(ReadFileBytes(dir.file("notdupes")), "VLND");
}

// Bad usage (2), a file named as a folder, a missing folder entry named (2), nothing to
// compare; a missing database or results folder is an error (1), and only options are options.
TEST_F(CliScan, UsageErrorsExitWithTwoAndMissingInputsAreNamed) {
  dir.write("list.txt", std::string("a\r\nb/deepr\r\n"));
  dir.write("-h", std::string("same"));
  // A list must be a regular file of a sane size: a FIFO or a device is refused at once.
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  std::filesystem::resize_file(dir.write("huge.txt", std::string("a\n")), vl::MaxFolderListBytes + 1);
  const std::string list = "--version >/dev/null; timeout 20 CLI scan --compare a --base-list ";
  std::vector<Expected> runs = {
      {"scan --base missing.vdb --compare a", 1, "", "Unable to locate database file \n\n" + dir.file("missing.vdb")},
      {"scan --subfolders --compare a --compare b --save-results no/such/folder/r.vlr", 1, photoPair(),
       "No such file or directory"},
      {"scan --base a/photoz --compare b --subfolders", 2, "", "--base: \"a/photoz\": No such file or directory"},
      {"scan --compare-list list.txt", 2, "", "\"b/deepr\""},
      {list + "fifo", 1, "", "not a regular file"},
      {list + "huge.txt", 1, "", "larger than 16 MB"},
      {"crc -- -h", 0, "fc50f144\t-h\n"}};
  for (const char* usage :
       {"scan", "scan --mode pictures --compare a", "scan --fuzz lots --compare a",
        "scan --use-deleted-list --no-deleted-list --compare a", "scan --compare a stray", "scan --compare a/photo.jpg",
        "db new new.vdb a missing", "scan --mask '*.png' --compare a", "crc -x", "scan --compare a --mask -h",
        "notdupes add a/photo.jpg", "cache drop", "scan --compare a --format xml"})
    runs.push_back({usage, 2});
  ExpectRuns(dir, runs);
  EXPECT_EQ(Cli(dir, "crc -h").out.rfind("usage: velloran-cli crc", 0), 0u);
}

TEST_F(CliScan, NamesWithTabsAndLineBreaksAreEscapedOrEndInNulAndLongPathsAreKeptWhole) {
  const std::string forged = "b/x\nG\t1\t\\etc";
  dir.makeDir(forged);
  WriteJpeg(dir.file(forged + "/copy.jpg"), GradientPicture(160, 120));
  const std::string escapedFolder = dir.file("b/x\\nG\\t1\\t\\\\etc");
  const CliRun scan = Cli(dir, "scan --subfolders --compare a --compare b --save-results r.vlr");
  ASSERT_EQ(scan.status, 0);
  EXPECT_EQ(scan.out, photoPair() + "D\t0\t1\t" + escapedFolder + "/copy.jpg\n");
  const std::string raw = "D\t0\t1\t" + dir.file(forged) + "/copy.jpg" + std::string(1, '\0');
  EXPECT_NE(Cli(dir, "results dump -0 r.vlr").out.find(raw), std::string::npos);
  EXPECT_EQ(Cli(dir, "subfolders " + dir.file("b")).out, dir.file("b/deeper") + "\n" + escapedFolder + "\n");

  // Long paths are compared whole (the core leaves them out of databases and results files).
  std::string deep = "b";
  while (deep.size() < 270) deep += "/" + std::string(50, 'd');
  std::filesystem::create_directories(dir.file(deep));
  std::filesystem::copy_file(dir.file("a/photo.jpg"), dir.file(deep + "/photo.jpg"));
  // Two files whose paths agree in their first 255 bytes.
  std::string near = dir.file("c/");
  near += std::string(255 - near.size() - 4, 'n');
  std::filesystem::create_directories(near);
  WriteJpeg(near + "/x.jpg", GradientPicture(100, 100));
  WriteJpeg(near + "/" + std::string(40, 'x') + ".jpg", UniformPicture(60, 60, Black));
  const CliRun named = Cli(dir, "scan --mode names-size --compare a --compare " + deep);
  EXPECT_EQ(named.out, "G\t0\t" + dir.file("a/photo.jpg") + "\nD\t0\t1\t" + dir.file(deep + "/photo.jpg") + "\n");
  const CliRun fingerprints = Cli(dir, "scan --compare '" + near + "'");
  EXPECT_EQ(fingerprints.out, "") << "two different pictures, not one file read twice";
}

TEST_F(CliScan, ATruncatedDatabaseIsRefusedByNameAndNeverRewritten) {
  ASSERT_EQ(Cli(dir, "db new pics.vdb --subfolders a b").status, 0);
  const std::string whole = ReadFileBytes(dir.file("pics.vdb")), cut = whole.substr(0, whole.size() - 2);
  dir.write("pics.vdb", cut);
  const std::string invalid = "pics.vdb\n\ndoes not appear to be a valid database.";
  ExpectRuns(dir, {{"db add pics.vdb a", 1, "", invalid}, {"scan --base pics.vdb --subfolders --compare b", 1, "", invalid}});
  EXPECT_EQ(ReadFileBytes(dir.file("pics.vdb")), cut);
}

TEST_F(CliScan, ConcurrentAddsKeepEveryRecordAndGoneRecordsAreKeptUnlessAsked) {
  ASSERT_EQ(Cli(dir, "db new pics.vdb a").status, 0);
  for (int round = 0; round < 3; ++round) {
    std::string runs = "--version >/dev/null";
    for (int i = 0; i < 2; ++i) {
      const std::string folder = dir.makeDir("more" + std::to_string(round) + std::to_string(i));
      for (int j = 0; j < 8; ++j)
        WriteJpeg(folder + "/p" + std::to_string(j) + ".jpg", GradientPicture(80 + j, 60));
      runs += " & CLI db add pics.vdb " + folder;
    }
    ASSERT_EQ(Cli(dir, runs + "; wait").status, 0);
  }
  EXPECT_EQ(Lines(Cli(dir, "db dump pics.vdb").out), 1 + 3 * 2 * 8);
  EXPECT_FALSE(std::filesystem::exists(dir.file("pics.vdb.lock")));

  // A folder gone, a sixth of the records: kept unless --freshen-removes.
  std::filesystem::remove_all(dir.file("more00"));
  const CliRun kept = Cli(dir, "db add pics.vdb b/deeper");
  EXPECT_PRED2(Contains, kept.err, "\nvelloran-cli: give --freshen-removes to remove the 8 records kept\n");
  const CliRun removed = Cli(dir, "db add pics.vdb --freshen-removes b/deeper");
  EXPECT_PRED2(Contains, removed.err, "\n\n0 records added, 0 refreshed, 8 removed.\n");
  EXPECT_EQ(Lines(Cli(dir, "db dump pics.vdb").out), 1 + 5 * 8 + 1);
}

TEST_F(CliScan, WritesKeepLinksAndRefuseForeignFiles) {
  ASSERT_EQ(Cli(dir, "db new real.vdb a").status, 0);
  std::filesystem::create_symlink("real.vdb", dir.file("link.vdb"));
  ASSERT_EQ(Cli(dir, "db add link.vdb b/deeper").status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.vdb")));
  EXPECT_EQ(Lines(Cli(dir, "db dump real.vdb").out), 2);

  dir.write("notes.txt", std::string("my notes"));
  ExpectRuns(dir, {{"scan --subfolders --compare a --compare b --save-results notes.txt", 1, photoPair(),
                    "notes.txt\n\nis not a results list (*.vlr) file; it was left unchanged."}});
  EXPECT_EQ(ReadFileBytes(dir.file("notes.txt")), "my notes");
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --save-results r.vlr").status, 0);

  // Results lists and databases both begin with version 1000: neither replaces the other.
  const std::string database = ReadFileBytes(dir.file("real.vdb")), results = ReadFileBytes(dir.file("r.vlr"));
  std::filesystem::copy_file(dir.file("real.vdb"), dir.file("db.vlr"));
  std::filesystem::copy_file(dir.file("r.vlr"), dir.file("r2.dat"));
  std::filesystem::copy_file(dir.file("r.vlr"), dir.file("r3.vdb"));
  for (const char* misuse : {"scan --compare a --compare b --subfolders --save-results real.vdb",
                             "scan --compare a --compare b --subfolders --save-results db.vlr",
                             "scan --compare a --compare b --subfolders --save-results new.vdb",
                             "db new r.vlr a", "db new r2.dat a", "db new new.vlr a", "db add r3.vdb a",
                             "results dump real.vdb", "results dump db.vlr"}) {
    const CliRun refused = Cli(dir, misuse);
    EXPECT_EQ(refused.status, 1) << misuse;
    EXPECT_PRED2(Contains, refused.err, "(*.") << misuse;
  }
  EXPECT_EQ(ReadFileBytes(dir.file("real.vdb")), database);
  EXPECT_EQ(ReadFileBytes(dir.file("db.vlr")), database);
  EXPECT_EQ(ReadFileBytes(dir.file("r.vlr")), results);
  EXPECT_EQ(ReadFileBytes(dir.file("r2.dat")), results);
  EXPECT_EQ(ReadFileBytes(dir.file("r3.vdb")), results);
  EXPECT_FALSE(std::filesystem::exists(dir.file("new.vdb")) || std::filesystem::exists(dir.file("new.vlr")));
}

TEST_F(CliScan, DeleteMarkedDryRunChangesNothingAndARealRunRewritesTheResultsFile) {
  ASSERT_EQ(Cli(dir, "scan --mode contents --mask '*.txt' --base a --compare b --save-results r.vlr").status, 0);
  const std::string saved = ReadFileBytes(dir.file("r.vlr"));
  vl::FileLock held(dir.file("r.vlr"));  // a dry run only reads: it takes no lock
  ASSERT_TRUE(held.tryLock());
  const CliRun dry = Cli(dir, "results delete-marked --dry-run r.vlr");
  held.unlock();
  EXPECT_EQ(dry.status, 0);
  EXPECT_EQ(dry.out, "would-trash\t" + dir.file("b/notes.txt") + "\n");
  EXPECT_TRUE(std::filesystem::exists(dir.file("b/notes.txt")));
  EXPECT_EQ(ReadFileBytes(dir.file("r.vlr")), saved);
  EXPECT_FALSE(std::filesystem::exists(dir.file("dellist.ddb")));

  ExpectRuns(dir, {{"results delete-marked r.vlr", 0, "trashed\t" + dir.file("b/notes.txt") + "\n"}, {"results dump r.vlr"}});
  EXPECT_FALSE(std::filesystem::exists(dir.file("b/notes.txt")));
  EXPECT_EQ(ReadFileBytes(dir.file("data/Trash/files/notes.txt")), "same");
  EXPECT_TRUE(std::filesystem::exists(dir.file("dellist.ddb")));
}

// The plan's cases are the core's: here a base edited after the scan keeps its copy, named.
TEST_F(CliScan, DeleteMarkedLeavesALastCopyAndNamesIt) {
  ASSERT_EQ(Cli(dir, "scan --subfolders --compare a --compare b --save-results r.vlr").status, 0);
  WriteJpeg(dir.file("a/photo.jpg"), GradientPicture(120, 160));
  ExpectRuns(dir, {{"results delete-marked --permanently r.vlr", 0, "",
                    "skipped: " + dir.file("b/deeper/copy.jpg") + ": its group would lose every copy; left alone\n"}});
  EXPECT_TRUE(std::filesystem::exists(dir.file("b/deeper/copy.jpg")));
}

// The marks ("0" or "1") that a results dump or scan output gives the files at paths, in
// their order; "?" for a file it lists not.
std::string Marks(const std::string& out, const std::vector<std::string>& paths) {
  std::string marks;
  for (const std::string& path : paths) {
    const size_t at = out.find("\t" + path + "\n");
    marks += at == std::string::npos || at == 0 ? "?" : out.substr(at - 1, 1);
  }
  return marks;
}

TEST_F(CliScan, KeepRulesMarkAllButTheBestAndResultsMarkRewritesTheFile) {
  WriteJpeg(dir.file("b/small.jpg"), GradientPicture(80, 60));
  const CliRun scan =
      Cli(dir, "scan --subfolders --compare a --compare b --keep resolution,oldest --save-results r.vlr");
  ASSERT_EQ(scan.status, 0) << scan.err;
  const std::vector<std::string> files = {dir.file("a/photo.jpg"), dir.file("b/deeper/copy.jpg"), dir.file("b/small.jpg")};
  EXPECT_EQ(Marks(scan.out, files), "011");  // photo.jpg ties with copy.jpg, whose path sorts later
  EXPECT_EQ(Cli(dir, "results dump r.vlr").out, scan.out);

  // Protected folders are the same folders under another spelling or through a link.
  std::filesystem::create_directory_symlink("a", dir.file("alias"));
  const CliRun mark = Cli(dir, "results mark r.vlr --keep smallest --protect b/..//alias/.");
  ASSERT_EQ(mark.status, 0) << mark.err;
  const std::string dump = Cli(dir, "results dump r.vlr").out;
  EXPECT_EQ(Marks(dump, files), "010");  // photo.jpg protected
  const CliRun linked = Cli(dir, "scan --compare alias --compare b/deeper --keep smallest --protect a");
  EXPECT_EQ(Marks(linked.out, {dir.file("alias/photo.jpg"), dir.file("b/deeper/copy.jpg")}), "01");

  for (const char* misuse : {"results mark r.vlr --protect a", "results mark r.vlr --keep size --protect nowhere",
                             "scan --compare a --keep none --protect a",
                             "results dump --format json -0 r.vlr", "results dump --keep size r.vlr",
                             "results mark --keep size -0 r.vlr", "results dump --dry-run r.vlr"})
    EXPECT_EQ(Cli(dir, misuse).status, 2) << misuse;
  EXPECT_EQ(Cli(dir, "results dump r.vlr").out, dump);
}

// "--keep none" turns the default rule off: the first path of the group is kept.
TEST_F(CliScan, KeepNoneAndClassicTurnTheDefaultRuleOff) {
  dir.makeDir("s");
  WriteJpeg(dir.file("s/sunset.jpg"), GradientPicture(160, 120));
  std::filesystem::copy_file(dir.file("s/sunset.jpg"), dir.file("s/sunset (copy).jpg"));
  WriteJpeg(dir.file("s/sunset edit.jpg"), GradientPicture(160, 120), {.quality = 60});
  const std::string copy = dir.file("s/sunset (copy).jpg"), original = dir.file("s/sunset.jpg");
  const CliRun none = Cli(dir, "scan --compare s --keep none");
  EXPECT_EQ(Marks(none.out, {copy, original}), "01");
  // --classic: the classic error counts and no rule, whatever the file asks for.
  dir.write("velloran.ini", std::string("[Tfconfigure]\ncbVerifyMatches_Checked=True\n[MarkByRule]\nKeep1=smallest\n"
                                        "ApplyAfterScan=True\n"));
  const CliRun classic = Cli(dir, "scan --classic --compare s");
  EXPECT_EQ(classic.out, "G\t0\t" + copy + "\nD\t1\t0\t" + dir.file("s/sunset edit.jpg") + "\nD\t0\t1\t" + original + "\n");
}

}  // namespace
