// Deleting, copying, moving and re-rooting the files of result groups on real folders, through the recording host.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>


#include "core/files/dir_listing.h"
#include "core/files/paths.h"
#include "core/results/file_operations.h"
#include "core/results/undo_record.h"
#include "tests/support/image_writer.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

using test::ReadFileBytes;

class FileActions : public ::testing::Test {
 protected:
  void SetUp() override { operations.setOptions({.recycle = true, .recordDeleted = true, .useFingerprintCache = true}); }

  // Writes the files and adds them as one group, marked as given, with the size and date a scan records
  // (and, as set below, the file it reached and picture dimensions; without dimensions equal sizes
  // make a group of exact copies).
  TResultEntry* group(const std::vector<std::pair<std::string, bool>>& files) {
    TResultEntry* base = nullptr;
    TResultEntry* last = nullptr;
    for (const auto& [name, marked] : files) {
      const std::string path = dir.file(name);
      if (!FindFile(path)) dir.write(name, "picture bytes of " + FileNameOf(name));
      const DirItem item = *FindFile(path);
      auto entry = std::make_unique<TResultEntry>();
      entry->Path = path;
      entry->Size = item.size;
      entry->FileDate = item.fileDate;
      if (scannedIdentity) entry->Identity = item.identity;
      if (pictures) entry->Width = entry->Height = 64;
      entry->Marked = marked ? 1 : 0;
      entry->Base = base;
      TResultEntry* added = model.appendEntry(std::move(entry));
      if (last != nullptr) last->Next = added;
      if (base == nullptr) base = added;
      last = added;
    }
    model.appendGroup(FileNameOf(base->Path), base);
    return base;
  }
  bool onDisk(const std::string& name) const { return ::access(dir.file(name).c_str(), F_OK) == 0; }
  // Gives the file new bytes (of the same size, when they are) and its old modification time back.
  void swapKeepingDate(const std::string& name, const std::string& bytes) {
    struct stat st {};
    ASSERT_EQ(::stat(dir.file(name).c_str(), &st), 0);
    dir.write(name, bytes);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file(name).c_str(), times, 0), 0);
  }
  void replaceByLink(const std::string& folder, const std::string& target) {
    ASSERT_EQ(::rename(dir.file(folder).c_str(), dir.file(folder + ".old").c_str()), 0);
    ASSERT_EQ(::symlink(dir.file(target).c_str(), dir.file(folder).c_str()), 0);
  }
  std::string detailsOfLastMessage() const { return host.messages.empty() ? "" : host.messages.back().details; }

  bool scannedIdentity = false;
  bool pictures = false;
  test::TempDir dir;
  test::ScopedEnv appDir{"VELLORAN_APPDIR", dir.makeDir("app") + "/"};
  test::ScopedEnv dataHome{"XDG_DATA_HOME", dir.makeDir("data")};
  ResultsModel model;
  DeletedList deleted;
  test::RecordingHost host;
  FileOperations operations{model, deleted, host};
};

TEST_F(FileActions, DeleteMarkedGoesToARestorableTrashAndIntoTheDeletedList) {
  const TResultEntry* photos = group({{"a/p.jpg", false}, {"b/p.jpg", true}, {"c/p.jpg", true}});
  const TResultEntry* other = group({{"a/q.jpg", false}, {"b/q.jpg", true}});
  std::vector<std::string> paths = MarkedFilesOfGroup(*photos->Next);
  ASSERT_EQ(paths, (std::vector<std::string>{dir.file("b/p.jpg"), dir.file("c/p.jpg")}));

  UndoRecord undo;
  undo.beginDeletion(model, paths);
  EXPECT_TRUE(operations.DeleteFileList(paths));
  undo.endDeletion(model, operations.lastReport(), true);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(onDisk("b/p.jpg") || onDisk("c/p.jpg"));
  EXPECT_EQ(model.FBaseGroups().size(), 1u);  // the photo group kept one file and was pruned
  EXPECT_EQ(model.FBaseGroups()[0].base, other);
  EXPECT_EQ(deleted.entries().size(), 2u);

  // Undo: a file now at one of the old places refuses it whole, and it can be tried again.
  ASSERT_EQ(undo.kind(model), UndoKind::Delete);
  dir.write("b/p.jpg", "another file");
  const UndoOutcome refused = undo.undo(model, deleted);
  EXPECT_TRUE(refused.refused);
  ASSERT_EQ(refused.problems.size(), 1u);
  EXPECT_EQ(refused.problems[0].describe(), dir.file("b/p.jpg") + ": another file is at its place now");
  EXPECT_FALSE(onDisk("c/p.jpg"));
  ASSERT_EQ(::unlink(dir.file("b/p.jpg").c_str()), 0);
  const UndoOutcome back = undo.undo(model, deleted);
  EXPECT_EQ(back.restored, paths);
  EXPECT_TRUE(back.problems.empty());
  EXPECT_EQ(ReadFileBytes(dir.file("b/p.jpg")), "picture bytes of p.jpg");
  EXPECT_FALSE(onDisk("data/Trash/files/p.jpg") || onDisk("data/Trash/info/p.jpg.trashinfo"));
  // The pruned group is back at its place with every file, and out of the deleted-file list.
  ASSERT_EQ(model.FBaseGroups().size(), 2u);
  EXPECT_EQ(model.FBaseGroups()[1].base, other);
  int present = 0;
  for (const TResultEntry* entry = model.FBaseGroups()[0].base; entry != nullptr; entry = entry->Next)
    present += entry->Gone == 0 && entry->Marked == 1 ? 1 : 0;
  EXPECT_EQ(present, 2);
  EXPECT_TRUE(deleted.entries().empty());
  EXPECT_EQ(undo.kind(model), UndoKind::None);
}

TEST_F(FileActions, AFailedTrashKeepsFileEntriesAndListWhileForGoodUnlinks) {
  group({{"a/p.jpg", false}, {"b/p.jpg", true}});
  group({{"a/q.jpg", false}, {"b/q.jpg", true}});
  dir.write("data/Trash/files", "a file where the trash needs a folder");
  std::vector<std::string> paths = MarkedFilesOfAllGroups(model);

  EXPECT_FALSE(operations.DeleteFileList(paths));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Unable to delete file(s).");
  EXPECT_NE(host.messages[0].details.find(dir.file("b/q.jpg") + ": cannot use the trash"), std::string::npos);
  EXPECT_TRUE(onDisk("b/p.jpg") && onDisk("b/q.jpg"));
  EXPECT_EQ(operations.lastReport().count(FileOutcome::Failed), 2u);
  EXPECT_EQ(model.FBaseGroups().size(), 2u);
  EXPECT_TRUE(deleted.entries().empty());

  operations.setOptions({.recycle = false, .recordDeleted = true, .useFingerprintCache = true});
  EXPECT_TRUE(operations.DeleteOneFile(dir.file("b/q.jpg")));
  EXPECT_FALSE(onDisk("b/q.jpg"));
  EXPECT_EQ(model.FBaseGroups().size(), 1u);  // its group kept one file and was pruned
  EXPECT_EQ(deleted.entries().size(), 1u);
  EXPECT_FALSE(onDisk("data/Trash/files/q.jpg"));
}

TEST_F(FileActions, VanishedChangedAndSpecialFilesAreNeverActedOn) {
  group({{"a/p.jpg", false}, {"b/gone.jpg", true}, {"b/changed.jpg", true}, {"b/link.jpg", true}});
  ASSERT_EQ(::unlink(dir.file("b/gone.jpg").c_str()), 0);
  dir.write("b/changed.jpg", "edited since the scan");
  ASSERT_EQ(::unlink(dir.file("b/link.jpg").c_str()), 0);
  ASSERT_EQ(::symlink(dir.file("a/p.jpg").c_str(), dir.file("b/link.jpg").c_str()), 0);

  EXPECT_EQ(operations.DeleteOneFile(dir.file("b/gone.jpg")), false);
  EXPECT_EQ(host.messages.back().text, "Unable to locate file\n\n" + dir.file("b/gone.jpg"));
  std::vector<std::string> paths = MarkedFilesOfAllGroups(model);
  EXPECT_TRUE(operations.DeleteFileList(paths));
  EXPECT_EQ(paths.size(), 2u);  // the vanished name left the list silently
  EXPECT_EQ(host.messages.back().kind, MessageKind::Information);
  EXPECT_NE(host.messages.back().details.find(dir.file("b/changed.jpg") + ": changed"), std::string::npos);
  EXPECT_NE(host.messages.back().details.find(dir.file("b/link.jpg") + ": is not a regular file"), std::string::npos);
  EXPECT_TRUE(onDisk("b/changed.jpg") && onDisk("b/link.jpg") && onDisk("a/p.jpg"));
  EXPECT_TRUE(deleted.entries().empty());
}

TEST_F(FileActions, ThePlanFindsGroupsThatWouldKeepNoUnchangedCopy) {
  const TResultEntry* allMarked = group({{"a/p.jpg", true}, {"b/p.jpg", true}});
  group({{"a/q.jpg", false}, {"b/q.jpg", true}, {"c/shared.jpg", true}});
  const TResultEntry* baseGone = group({{"a/r.jpg", false}, {"b/r.jpg", true}});
  group({{"a/s.jpg", false}, {"c/shared.jpg", true}});
  ASSERT_EQ(::unlink(dir.file("a/r.jpg").c_str()), 0);
  // A base edited since the scan, a base whose folder became a link to its copy's
  // folder, and one file named twice are no copies.
  const TResultEntry* edited = group({{"e/t.jpg", false}, {"f/t.jpg", true}});
  dir.write("e/t.jpg", "edited since the scan");
  const TResultEntry* linked = group({{"x/u.jpg", false}, {"y/u.jpg", true}});
  replaceByLink("x", "y");
  const TResultEntry* twice = group({{"g/v.jpg", false}, {"g/./v.jpg", true}});

  const std::vector<std::string> marked = MarkedFilesOfAllGroups(model);
  EXPECT_EQ(marked.size(), 8u);  // c/shared.jpg, marked in two groups, once
  DeletionPlan plan = PlanDeletion(model, marked);
  EXPECT_EQ(plan.lastCopyGroups, (std::vector<const TResultEntry*>{allMarked, baseGone, edited, linked, twice}));
  const std::vector<std::string> lastCopies = {dir.file("a/p.jpg"), dir.file("b/p.jpg"),   dir.file("b/r.jpg"),
                                               dir.file("f/t.jpg"), dir.file("g/./v.jpg"), dir.file("y/u.jpg")};
  EXPECT_EQ(plan.lastCopyFiles, lastCopies);
  plan.skipLastCopyGroups();
  EXPECT_EQ(plan.deletable, (std::vector<std::string>{dir.file("b/q.jpg"), dir.file("c/shared.jpg")}));
  EXPECT_TRUE(onDisk("a/p.jpg") && onDisk("b/p.jpg"));  // planning touches nothing

  EXPECT_TRUE(operations.DeleteFileList(plan));
  EXPECT_FALSE(onDisk("b/q.jpg") || onDisk("c/shared.jpg"));
  EXPECT_EQ(model.FBaseGroups().size(), 5u);  // c/shared.jpg gone from both its groups, which were pruned
  for (const std::string& path : lastCopies) EXPECT_TRUE(::access(path.c_str(), F_OK) == 0) << path;
  ASSERT_EQ(host.messages.size(), 1u);
  std::string details;
  for (const std::string& path : lastCopies)
    details += (details.empty() ? "" : "\n") + path + ": its group would lose every copy; left alone";
  EXPECT_EQ(host.messages[0].details, details);
}

TEST_F(FileActions, AFileIsDeletedOnlyWhileItIsStillTheFileTheScanSaw) {
  // Exact copies: a marked file's bytes swapped for others of its size and date.
  group({{"a/p.txt", false}, {"b/p.txt", true}});
  group({{"a/q.txt", false}, {"b/q.txt", true}});
  swapKeepingDate("b/p.txt", "PICTURE bytes of p.txt");
  // A folder turned into a link to one outside the scan, holding a copy of the same size and date.
  group({{"a/r.txt", false}, {"c/r.txt", true}});
  dir.makeDir("outside");
  CopyFileTo(dir.file("c/r.txt"), dir.file("outside"));
  replaceByLink("c", "outside");
  // Scanned through links: one still leads where it did, one now leads outside.
  ASSERT_EQ(::symlink(dir.makeDir("real").c_str(), dir.file("via").c_str()), 0);
  ASSERT_EQ(::symlink(dir.makeDir("real2").c_str(), dir.file("hop").c_str()), 0);
  scannedIdentity = true;
  group({{"a/k.txt", false}, {"via/k.txt", true}});
  group({{"a/m.txt", false}, {"hop/m.txt", true}});
  scannedIdentity = false;
  CopyFileTo(dir.file("hop/m.txt"), dir.file("outside"));
  ASSERT_EQ(::unlink(dir.file("hop").c_str()), 0);
  ASSERT_EQ(::symlink(dir.file("outside").c_str(), dir.file("hop").c_str()), 0);
  // Pictures: a near copy within its error count, one swapped for another picture of
  // its size and date, and two files that are no pictures.
  pictures = true;
  const test::Picture photo = test::GradientPicture(64, 48);
  test::Picture touched = photo;
  touched.fill(20, 20, 30, 30, test::Black);
  for (const char* name : {"a/s.bmp", "a/t.bmp", "a/u.bmp", "a/v.bmp"}) test::WriteBmp(dir.file(name), photo);
  for (const char* name : {"b/s.bmp", "b/t.bmp"}) test::WriteBmp(dir.file(name), touched);
  dir.write("b/fake.bmp", "no picture at all");
  for (const auto& [base, copy] : std::vector<std::pair<std::string, std::string>>{
           {"a/s.bmp", "b/s.bmp"}, {"a/t.bmp", "b/t.bmp"}, {"a/u.bmp", "b/notes.txt"}, {"a/v.bmp", "b/fake.bmp"}})
    group({{base, false}, {copy, true}})->Next->Errors = 40;
  const std::vector<uint8_t> other = test::EncodeBmp(test::BlockPicture(64, 48, 8, {test::White, test::Black}, 5));
  swapKeepingDate("b/t.bmp", std::string(other.begin(), other.end()));

  DeletionPlan plan = PlanDeletion(model, MarkedFilesOfAllGroups(model));
  EXPECT_TRUE(plan.lastCopyGroups.empty());
  EXPECT_TRUE(operations.DeleteFileList(plan));
  for (const char* gone : {"b/q.txt", "via/k.txt", "b/s.bmp"}) EXPECT_FALSE(onDisk(gone)) << gone;
  const std::string details = detailsOfLastMessage();
  for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
           {"b/p.txt", "its contents are no longer those of its copy " + dir.file("a/p.txt")},
           {"c/r.txt", "is reached through the symbolic link " + dir.file("c")},
           {"hop/m.txt", "is no longer the file the scan found there"},
           {"b/t.bmp", "its picture no longer matches its copy " + dir.file("a/t.bmp")},
           {"b/notes.txt", "is not a picture"},
           {"b/fake.bmp", "is not a picture"}}) {
    EXPECT_TRUE(onDisk(name)) << name;
    EXPECT_NE(details.find(dir.file(name) + ": " + reason), std::string::npos) << name << " in\n" << details;
  }
  EXPECT_TRUE(onDisk("outside/r.txt") && onDisk("outside/m.txt"));
  EXPECT_EQ(deleted.entries().size(), 3u);  // only the files deleted, with the sums read when they were checked
}

TEST_F(FileActions, CopyKeepsTheTimeAndMoveKeepsEveryGroupOfTheFile) {
  dir.write("a/p.jpg", "picture bytes of p.jpg");
  const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("a/p.jpg").c_str(), old, 0), 0);
  const TResultEntry* first = group({{"a/p.jpg", false}, {"b/p.jpg", true}});
  const TResultEntry* second = group({{"a/q.jpg", false}, {"b/p.jpg", true}});
  dir.makeDir("copies");
  dir.write("copies/existing.jpg", "older contents");

  EXPECT_EQ(operations.CopyFile(dir.file("a/p.jpg"), dir.file("copies")), dir.file("copies/p.jpg"));
  EXPECT_EQ(operations.CopyFile(dir.file("a/p.jpg"), dir.file("copies/existing.jpg")), dir.file("copies/existing.jpg"));
  EXPECT_EQ(ReadFileBytes(dir.file("copies/existing.jpg")), "picture bytes of p.jpg");
  // A dropped file never replaces one of the same name.
  dir.write("copies/q.jpg", "kept");
  EXPECT_THROW(CopyFileTo(dir.file("a/q.jpg"), dir.file("copies"), ExistingTarget::Keep), FileTransferError);
  EXPECT_THROW(MoveFileTo(dir.file("a/q.jpg"), dir.file("copies"), ExistingTarget::Keep), FileTransferError);
  EXPECT_EQ(ReadFileBytes(dir.file("copies/q.jpg")), "kept");
  EXPECT_TRUE(onDisk("a/q.jpg"));
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("copies/p.jpg").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
  EXPECT_EQ(operations.CopyFile(dir.file("a/p.jpg"), dir.file("a/p.jpg")), std::nullopt);
  EXPECT_NE(host.messages.back().text.find("it is the same file"), std::string::npos);
  EXPECT_EQ(ReadFileBytes(dir.file("a/p.jpg")), "picture bytes of p.jpg");

  EXPECT_EQ(operations.MoveFile(dir.file("b/p.jpg"), dir.file("b/renamed.jpg")), dir.file("b/renamed.jpg"));
  EXPECT_FALSE(onDisk("b/p.jpg"));
  EXPECT_EQ(first->Next->Path, dir.file("b/renamed.jpg"));
  EXPECT_EQ(second->Next->Path, dir.file("b/renamed.jpg"));
  EXPECT_EQ(model.FBaseGroups().size(), 2u);

  // Undoing the rename: refused while the old name is taken, then the file and its entries go back.
  UndoRecord undo;
  undo.recordMove(model, dir.file("b/p.jpg"), dir.file("b/renamed.jpg"));
  EXPECT_EQ(undo.kind(model), UndoKind::Rename);
  dir.write("b/p.jpg", "in the way");
  EXPECT_TRUE(undo.undo(model, deleted).refused);
  EXPECT_EQ(ReadFileBytes(dir.file("b/p.jpg")), "in the way");
  ASSERT_EQ(::unlink(dir.file("b/p.jpg").c_str()), 0);
  EXPECT_EQ(undo.undo(model, deleted).restored, std::vector<std::string>{dir.file("b/p.jpg")});
  EXPECT_FALSE(onDisk("b/renamed.jpg"));
  EXPECT_EQ(first->Next->Path, dir.file("b/p.jpg"));
  EXPECT_EQ(second->Next->Path, dir.file("b/p.jpg"));
  undo.recordMove(model, dir.file("b/p.jpg"), dir.file("copies/p.jpg"));
  EXPECT_EQ(undo.kind(model), UndoKind::Move);
  model.ClearResults();
  EXPECT_EQ(undo.kind(model), UndoKind::None);
}

TEST_F(FileActions, UndoBringsBackWhatTheTrashStillHoldsAndNothingDeletedForGood) {
  group({{"a/p.jpg", false}, {"b/p.jpg", true}, {"c/p.jpg", true}});
  std::vector<std::string> paths = MarkedFilesOfAllGroups(model);
  UndoRecord undo;
  undo.beginDeletion(model, paths);
  ASSERT_TRUE(operations.DeleteFileList(paths));
  undo.endDeletion(model, operations.lastReport(), true);
  EXPECT_TRUE(model.FBaseGroups().empty());
  ASSERT_EQ(::unlink(dir.file("data/Trash/files/p.2.jpg").c_str()), 0);  // c/p.jpg, emptied from the trash

  const UndoOutcome outcome = undo.undo(model, deleted);
  EXPECT_EQ(outcome.restored, std::vector<std::string>{dir.file("b/p.jpg")});
  ASSERT_EQ(outcome.problems.size(), 1u);
  EXPECT_EQ(outcome.problems[0].describe(), dir.file("c/p.jpg") + ": its file is no longer in the trash");
  ASSERT_EQ(model.FBaseGroups().size(), 1u);
  const TResultEntry* base = model.FBaseGroups()[0].base;
  EXPECT_EQ(std::pair(base->Next->Gone, base->Next->Next->Gone), (std::pair<uint8_t, uint8_t>(0, 1)));
  EXPECT_EQ(deleted.entries().size(), 1u);  // the file still gone stays in the list

  operations.setOptions({.recycle = false, .recordDeleted = true, .useFingerprintCache = true});
  paths = {dir.file("b/p.jpg")};
  undo.beginDeletion(model, paths);
  ASSERT_TRUE(operations.DeleteFileList(paths));
  undo.endDeletion(model, operations.lastReport(), true);
  EXPECT_EQ(undo.kind(model), UndoKind::DeleteForGood);
  EXPECT_TRUE(undo.undo(model, deleted).restored.empty());
  EXPECT_FALSE(onDisk("b/p.jpg"));
}

TEST_F(FileActions, MoveAcrossFileSystemsCopiesSyncsAndOnlyThenRemovesTheSource) {
  const std::string other = dir.makeDir("tmpfs");
  if (::getuid() != 0 || ::mount("tmpfs", other.c_str(), "tmpfs", 0, "size=1m") != 0)
    GTEST_SKIP() << "a second file system needs a tmpfs mount, which needs root";
  const TResultEntry* base = group({{"a/p.jpg", false}, {"b/p.jpg", true}});
  const auto moved = operations.MoveFile(dir.file("b/p.jpg"), other);
  const std::string contents = ReadFileBytes(other + "/p.jpg");
  struct stat st {};
  const bool statted = ::stat((other + "/p.jpg").c_str(), &st) == 0;
  ::umount2(other.c_str(), MNT_DETACH);
  EXPECT_EQ(moved, other + "/p.jpg");
  EXPECT_EQ(contents, "picture bytes of p.jpg");
  EXPECT_TRUE(statted && FileTimeToDateTime(st.st_mtime) == base->Next->FileDate);
  EXPECT_FALSE(onDisk("b/p.jpg"));
  EXPECT_EQ(base->Next->Path, other + "/p.jpg");
}

TEST_F(FileActions, ChangeDriveRootRewritesEveryEntryOfTheFile) {
  const std::string path = "/media/nobody-here/OLD/pics/a.jpg";
  TResultEntry* first = group({{"a/p.jpg", false}, {"b/p.jpg", false}});
  TResultEntry* second = group({{"a/q.jpg", false}, {"b/q.jpg", false}});
  first->Next->Path = path;
  second->Next->Path = path;

  EXPECT_EQ(DriveRootForChange(path), "/media/nobody-here/OLD");
  EXPECT_EQ(operations.ChangeDriveRoot(path, "relative"), std::nullopt);
  EXPECT_EQ(first->Next->Path, path);
  EXPECT_EQ(operations.ChangeDriveRoot(path, "/media/nobody-here/NEW/"), "/media/nobody-here/NEW/pics/a.jpg");
  EXPECT_EQ(first->Next->Path, "/media/nobody-here/NEW/pics/a.jpg");
  EXPECT_EQ(second->Next->Path, "/media/nobody-here/NEW/pics/a.jpg");
  EXPECT_EQ(model.FBaseGroups().size(), 2u);
}

}  // namespace

}  // namespace vl
