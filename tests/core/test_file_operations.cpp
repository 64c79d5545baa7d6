// Trash and delete, shortcuts, and opening documents with the desktop's application.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/files/open_with.h"
#include "core/files/recycle.h"
#include "core/files/shortcut.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

bool exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

std::string linkTarget(const std::string& link) {
  std::error_code error;
  return std::filesystem::read_symlink(link, error).string();
}

// A temporary folder whose "data" folder is the home of the trash.
class RecycleOrDelete : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::ScopedEnv dataHome{"XDG_DATA_HOME", dir.makeDir("data")};
};

}  // namespace

// Deleting for good removes every file; one failure makes the whole call fail but the others go.
TEST_F(RecycleOrDelete, DeleteRemovesTheFilesForGoodAndOneFailureFailsTheCall) {
  const std::string a = dir.write("a.jpg", "a");
  const std::string b = dir.write("b.jpg", "b");
  EXPECT_TRUE(RecycleOrDeleteFiles({a, b}, false));
  EXPECT_FALSE(exists(a) || exists(b));
  const std::string c = dir.write("c.jpg", "c");
  EXPECT_FALSE(RecycleOrDeleteFiles({dir.file("absent"), c}, false));
  EXPECT_FALSE(exists(c));
  EXPECT_FALSE(RecycleOrDeleteFile(dir.makeDir("folder"), false)) << "folders are not deleted";
  EXPECT_FALSE(RecycleOrDeleteFile(dir.file("folder"), true));
  EXPECT_FALSE(RecycleOrDeleteFile("", true));
}

TEST_F(RecycleOrDelete, RecycleMovesTheFileIntoTheHomeTrash) {
  const std::string file = dir.write("photos/a b.jpg", "picture");
  ASSERT_TRUE(RecycleOrDeleteFile(file, true));
  EXPECT_FALSE(exists(file));
  EXPECT_EQ(test::ReadFileBytes(dir.file("data/Trash/files/a b.jpg")), "picture");
  const std::string info = test::ReadFileBytes(dir.file("data/Trash/info/a b.jpg.trashinfo"));
  EXPECT_EQ(info.rfind("[Trash Info]\n", 0), 0u) << info;
  EXPECT_NE(info.find("\nPath=" + dir.path() + "/photos/a%20b.jpg\n"), std::string::npos) << info;
  EXPECT_NE(info.find("\nDeletionDate="), std::string::npos) << info;
}

// The desktops follow a home trash that is a symbolic link; one that leads nowhere
// or to another file system keeps the file in place, never in the root's trash.
TEST_F(RecycleOrDelete, AHomeTrashThatIsALinkIsUsedAsItsTargetOrRefusedNeverBypassed) {
  ASSERT_EQ(::symlink(dir.makeDir("elsewhere").c_str(), dir.file("data/Trash").c_str()), 0);
  ASSERT_TRUE(RecycleOrDeleteFile(dir.write("photos/a.jpg", "picture"), true));
  EXPECT_EQ(test::ReadFileBytes(dir.file("elsewhere/files/a.jpg")), "picture");
  EXPECT_TRUE(exists(dir.file("elsewhere/info/a.jpg.trashinfo")));

  std::vector<std::pair<std::string, std::string>> links = {{dir.file("gone"), "a symbolic link to none"}};
  char shared[] = "/dev/shm/velloran-trash-XXXXXX";
  struct stat shm {}, here {};
  if (::stat(dir.path().c_str(), &here) == 0 && ::stat("/dev/shm", &shm) == 0 && shm.st_dev != here.st_dev &&
      ::mkdtemp(shared) != nullptr)
    links.push_back({shared, "on another file system"});
  const std::string file = dir.write("photos/b.jpg", "picture");
  for (const auto& [target, reason] : links) {
    std::filesystem::remove(dir.file("data/Trash"));
    ASSERT_EQ(::symlink(target.c_str(), dir.file("data/Trash").c_str()), 0);
    const FileRemoval removal = RemoveFile(file, true);
    EXPECT_FALSE(removal.removed);
    EXPECT_NE(removal.reason.find(reason), std::string::npos) << removal.reason;
    EXPECT_EQ(test::ReadFileBytes(file), "picture");
  }
  if (links.size() > 1) std::filesystem::remove_all(shared);
}

TEST_F(RecycleOrDelete, ASecondFileOfTheSameNameGetsAFreeTrashName) {
  const std::string first = dir.write("one/photo.jpg", "1");
  const std::string second = dir.write("two/photo.jpg", "2");
  const std::string strange = dir.write("two/100%\n.jpg", "3");
  ASSERT_TRUE(RecycleOrDeleteFiles({first, second, strange}, true));
  EXPECT_EQ(test::ReadFileBytes(dir.file("data/Trash/files/photo.jpg")), "1");
  EXPECT_EQ(test::ReadFileBytes(dir.file("data/Trash/files/photo.2.jpg")), "2");
  EXPECT_NE(test::ReadFileBytes(dir.file("data/Trash/info/photo.2.jpg.trashinfo")).find("/two/photo.jpg\n"),
            std::string::npos);
  EXPECT_NE(test::ReadFileBytes(dir.file("data/Trash/info/100%\n.jpg.trashinfo")).find("/two/100%25%0A.jpg\n"),
            std::string::npos)
      << "a newline in a name must not break the info file";
}

// A shortcut takes the first free numbered name (a dangling link holds its name); a failure gives an empty name.
TEST(CreateShortcut, TakesTheFirstFreeNumberedNameOrFailsWithAnEmptyOne) {
  test::TempDir dir;
  const std::string target = dir.write("photo.jpg", "x");
  EXPECT_EQ(CreateShortcut(target, dir.file("x.jpg")), dir.file("x.lnk"));
  dir.write("x(1).lnk", "taken");
  EXPECT_EQ(CreateShortcut(target, dir.file("x.lnk")), dir.file("x(2).lnk"));
  EXPECT_EQ(CreateShortcut(target, dir.file("x")), dir.file("x(3).lnk"));
  EXPECT_EQ(linkTarget(dir.file("x.lnk")), target);
  EXPECT_EQ(linkTarget(dir.file("x(2).lnk")), target);
  EXPECT_EQ(test::ReadFileBytes(dir.file("x(1).lnk")), "taken");
  ASSERT_EQ(::symlink("/nowhere", dir.file("y.lnk").c_str()), 0);
  EXPECT_EQ(CreateShortcut(dir.file("t"), dir.file("y.lnk")), dir.file("y(1).lnk"));
  EXPECT_EQ(CreateShortcut(dir.file("t"), dir.file("absent/folder/z.lnk")), "");
  EXPECT_EQ(CreateShortcut("", dir.file("z.lnk")), "");
}

class OpenWithAssociationTest : public ::testing::Test {
 protected:
  // Puts an xdg-open on PATH that records its argument and exits with `status`.
  void fakeXdgOpen(int status) {
    const std::string script = dir.write("bin/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > " + dir.file("opened") +
                                                             "\nexit " + std::to_string(status) + "\n");
    ::chmod(script.c_str(), 0755);
  }
  test::TempDir dir;
  test::RecordingHost host;
  test::ScopedEnv path{"PATH", dir.file("bin")};
};

// Success shows nothing; a non-zero exit or a missing program shows the association
// message; a leading dash is no option.
TEST_F(OpenWithAssociationTest, FailuresShowTheAssociationMessageAndALeadingDashIsNoOption) {
  EXPECT_FALSE(OpenWithAssociation("/x/a.jpg", host));
  EXPECT_EQ(host.messages.size(), 1u);
  fakeXdgOpen(3);
  host.messages.clear();
  EXPECT_FALSE(OpenWithAssociation("/x/a.jpg", host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(host.messages[0].text, "No Application association for \"/x/a.jpg\"");
  fakeXdgOpen(0);
  host.messages.clear();
  EXPECT_TRUE(OpenWithAssociation("https://example.org/", host));
  EXPECT_EQ(test::ReadFileBytes(dir.file("opened")), "https://example.org/");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(OpenWithAssociation("-help", host));
  EXPECT_EQ(test::ReadFileBytes(dir.file("opened")), "./-help");
}

}  // namespace vl
