// Tests of the results file: round trips, damaged and foreign files, and safe saving.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <tuple>

#include <gtest/gtest.h>

#include "core/files/little_endian.h"
#include "core/files/zlib_stream.h"
#include "core/results/results_file.h"
#include "tests/core/results_fixture.h"
#include "tests/support/recording_host.h"
#include "tests/support/temp_dir.h"

namespace vl {
namespace {

using test::AddGroup;
using test::Captions;
using test::ReadFileBytes;

const char* const Mismatch = "Results list version mismatch.  Unable to load.";

// "G marked path" and "D errors marked path" lines, as the CLI prints them.
std::vector<std::string> describe(const ResultsModel& model) {
  std::vector<std::string> lines;
  for (const BaseGroupItem& group : model.FBaseGroups()) {
    lines.push_back("G " + std::to_string(group.base->Marked) + std::to_string(group.base->Gone) + " " +
                    group.base->Path);
    for (const TResultEntry* e = group.base->Next; e != nullptr; e = e->Next)
      lines.push_back("D " + std::to_string(e->Errors) + " " + std::to_string(e->Marked) + " " + e->Path);
  }
  return lines;
}

class ResultsFileTest : public ::testing::Test {
 protected:
  // Saves `model` to name inside the temporary folder and expects success.
  std::string save(const std::string& name) {
    const std::string fileName = dir.file(name);
    const ResultsFileOutcome outcome = SaveResults(fileName, model, host);
    EXPECT_EQ(outcome.status, ResultsFileStatus::Saved);
    return fileName;
  }
  ResultsFileOutcome load(const std::string& fileName) { return LoadResults(fileName, loaded, host); }
  void expectOnlyMessage(MessageKind kind, const std::string& text) {
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, kind);
    EXPECT_EQ(host.messages[0].text, text);
  }

  test::TempDir dir;
  test::RecordingHost host;
  ResultsModel model;
  ResultsModel loaded;
};

TEST_F(ResultsFileTest, RoundTripKeepsMarksErrorsAndFields) {
  AddGroup(model, {"/p/base.jpg", 1000}, {{"/p/shared.jpg", 900, 12}, {"/p/x.jpg", 800, 0}});
  AddGroup(model, {"/q/b2.jpg", 70000}, {{"/p/shared.jpg", 900, 30}});
  model.SetMarkForPath("/p/shared.jpg", true);
  const std::string fileName = save("r.vlr");
  expectOnlyMessage(MessageKind::Information, "Results List saved.");
  host.messages.clear();

  loaded.appendGroup("stale", nullptr);  // loading replaces whatever was there
  ASSERT_TRUE(load(fileName).succeeded());
  EXPECT_EQ(std::tuple(host.messages.size(), host.beeps, host.cursorDepth), std::tuple(0u, 1, 0));
  EXPECT_EQ(describe(loaded), describe(model));
  EXPECT_EQ(Captions(loaded.FBaseGroups()), (std::vector<std::string>{"base.jpg", "b2.jpg"}));
  EXPECT_EQ(Captions(loaded.shownBases()), Captions(loaded.FBaseGroups()));
  for (size_t i = 0; i < model.FResultEntries().size(); ++i) {
    const auto fields = [](const TResultEntry& e) {
      return std::tuple(e.Size, e.Volume.str(), e.FileDate, e.Width, e.Height, e.Base == nullptr);
    };
    EXPECT_EQ(fields(*loaded.FResultEntries()[i]), fields(*model.FResultEntries()[i]));
  }
  // A path the file repeats is held once, and so are the labels.
  const auto& entries = loaded.FResultEntries();
  EXPECT_TRUE(entries[1]->Path.sharesWith(entries[4]->Path));
  EXPECT_TRUE(entries[0]->Volume.sharesWith(entries[3]->Volume));
}

TEST_F(ResultsFileTest, BlocksAreLittleEndianFieldByFieldAndEmptyResultsSaveTheVersionAlone) {
  const std::string empty = save("empty.vlr");
  EXPECT_EQ(test::InflatedFile(empty), std::string("\xE8\x03\x00\x00", 4));
  ASSERT_TRUE(load(empty).succeeded());
  EXPECT_TRUE(loaded.FBaseGroups().empty());

  AddGroup(model, {"/p/a.jpg", -2}, {{"/p/b.jpg", 0x01020304, 5}});
  const std::string data = test::InflatedFile(save("r.vlr"));
  ASSERT_EQ(data.size(), 4 + 2 * ResultBlockSize);
  EXPECT_EQ(data.substr(0, 4), std::string("\xE8\x03\x00\x00", 4));
  const auto* base = reinterpret_cast<const uint8_t*>(data.data() + 4);
  const uint8_t* dupe = base + ResultBlockSize;
  EXPECT_NE(GetLE32(dupe + 4), 0u);
  EXPECT_EQ(std::tuple(GetLE32(base + 4), dupe[8], base[11], data.substr(4 + 12, 8), base[20], base[267]),
            std::tuple(0u, 5, 8, "/p/a.jpg", ' ', 4));
  EXPECT_EQ(std::tuple(GetLE32(base + 284), GetLE32(dupe + 284), GetLEDouble(base + 288), GetLE32(dupe + 296),
                       GetLE32(dupe + 300)),
            std::tuple(0xFFFFFFFEu, 0x01020304u, 45000.5, 640u, 480u));
}

TEST_F(ResultsFileTest, GoneDuplicatesAreLeftOutAndAGoneBaseKeepsItsGroupWhole) {
  model.removeWhenNoDuplicates = false;
  AddGroup(model, {"/p/first.jpg"}, {{"/p/a.jpg"}, {"/p/b.jpg"}});
  AddGroup(model, {"/p/second.jpg"}, {{"/p/c.jpg", 100, 4}, {"/p/d.jpg"}});
  AddGroup(model, {"/p/third.jpg"}, {{"/p/e.jpg"}});
  for (const char* gone : {"/p/b.jpg", "/p/second.jpg", "/p/third.jpg", "/p/e.jpg"})
    model.UpdateEntriesForPath(gone, std::nullopt);
  ASSERT_TRUE(load(save("r.vlr")).succeeded());

  EXPECT_EQ(describe(loaded), (std::vector<std::string>{"G 00 /p/first.jpg", "D 0 0 /p/a.jpg", "G 01 /p/second.jpg",
                                                        "D 4 0 /p/c.jpg", "D 0 0 /p/d.jpg"}));
}

// A file of raw blocks, for the reader's defences.
std::string blockFile(const std::vector<std::pair<uint32_t, std::string>>& blocks, uint8_t gone = 0) {
  std::string data("\xE8\x03\x00\x00", 4);
  for (const auto& [base, path] : blocks) {
    std::string block(ResultBlockSize, '\0');
    auto* at = reinterpret_cast<uint8_t*>(block.data());
    PutLE32(at + 4, base);
    at[9] = gone;
    at[11] = static_cast<uint8_t>(path.size());
    block.replace(12, path.size(), path);
    at[267] = 200;  // a volume length beyond its capacity
    data += block;
  }
  return data;
}

TEST_F(ResultsFileTest, ReaderDropsLeadingDuplicatesAndGoneDuplicates) {
  const std::string data = blockFile({{7, "/orphan"}, {0, "/base"}, {9, "/dupe"}}, 1);
  ASSERT_TRUE(load(dir.write("r.vlr", test::Compressed(data))).succeeded());
  EXPECT_EQ(describe(loaded), (std::vector<std::string>{"G 01 /base", "D 0 0 /dupe"}));
  EXPECT_EQ(loaded.FResultEntries().size(), 2u);
  EXPECT_EQ(loaded.FResultEntries()[0]->Volume.size(), 13u);
}

TEST_F(ResultsFileTest, DataEndingEarlyOrExpandingTooMuchIsDamageNamingTheFile) {
  const std::string data = blockFile({{0, "/a"}, {1, "/b"}, {0, "/c"}});
  const std::string packed = test::Compressed(data);
  const std::string flood = data.substr(0, 4) + std::string(4000 * ResultBlockSize, '\0');  // 4000 empty bases
  const std::vector<uint8_t> floodPacked = ZlibCompress(flood.data(), flood.size(), 9);
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {dir.write("partial.vlr", test::Compressed(data.substr(0, data.size() - 100))), "unexpected end of file inside a record"},
      {dir.write("cut.vlr", packed.substr(0, packed.size() - 3)), "unexpected end of file"},
      {dir.write("flood.vlr", floodPacked), "the data expands beyond what such a file holds"},
  };
  for (const auto& [fileName, reason] : damaged) {
    host.messages.clear();
    EXPECT_EQ(load(fileName).status, ResultsFileStatus::DamagedData);
    expectOnlyMessage(MessageKind::Error, fileName + ": " + reason);
    EXPECT_TRUE(loaded.FResultEntries().empty());
  }
  EXPECT_TRUE(load(dir.write("whole.vlr", packed)).succeeded());
}

TEST_F(ResultsFileTest, EntriesWhosePathsDoNotFitAreLeftOutAndCounted) {
  const std::string longPath = "/p/" + std::string(300, 'l');
  AddGroup(model, {"/p/a.jpg"}, {{longPath}, {"/p/b.jpg"}});
  AddGroup(model, {longPath}, {{"/p/c.jpg"}});
  const ResultsFileOutcome outcome = SaveResults(dir.file("r.vlr"), model, host);
  EXPECT_EQ(outcome.status, ResultsFileStatus::Saved);
  EXPECT_EQ(outcome.leftOut, 3u);
  const std::string warning = "3 entries were left out of " + dir.file("r.vlr") + ": their paths are longer than 255 bytes.";
  EXPECT_NE(std::find(host.warnings.begin(), host.warnings.end(), warning), host.warnings.end());
  ASSERT_TRUE(load(dir.file("r.vlr")).succeeded());
  EXPECT_EQ(describe(loaded), (std::vector<std::string>{"G 00 /p/a.jpg", "D 0 0 /p/b.jpg"}));
}

TEST_F(ResultsFileTest, ForeignFilesGiveTheMismatchMessageAndUnreadableOnesTheirOwn) {
  AddGroup(loaded, {"/old"}, {{"/older"}});
  const std::vector<std::string> files = {
      dir.write("plain.vlr", blockFile({{0, "/a"}})),             // not zlib data
      dir.write("version.vlr", test::Compressed("\xE9\x03\x00\x00")),  // another version
      dir.write("short.vlr", test::Compressed("\xE8\x03")),            // too short
      dir.write("empty.vlr", ""),
  };
  for (const std::string& fileName : files) {
    host.messages.clear();
    EXPECT_EQ(load(fileName).status, ResultsFileStatus::VersionMismatch) << fileName;
    expectOnlyMessage(MessageKind::Error, Mismatch);
    EXPECT_TRUE(loaded.FBaseGroups().empty() && loaded.FResultEntries().empty());
  }

  // Files that cannot be opened show their own message naming them.
  for (const std::string& fileName : {dir.file("absent.vlr"), dir.makeDir("folder.vlr")}) {
    host.messages.clear();
    EXPECT_EQ(load(fileName).status, ResultsFileStatus::CannotOpen) << fileName;
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(fileName), std::string::npos);
  }
  EXPECT_EQ(host.beeps, 0);
  EXPECT_EQ(host.cursorDepth, 0);
}

TEST_F(ResultsFileTest, FailedSaveLeavesTheOldFileIntact) {
  AddGroup(model, {"/p/a.jpg"}, {{"/p/b.jpg"}});
  const std::string fileName = save("r.vlr");
  const std::string before = ReadFileBytes(fileName);
  AddGroup(model, {"/p/c.jpg"}, {{"/p/d.jpg"}});
  host.messages.clear();

  const ResultsFileOutcome missing = SaveResults(dir.file("absent/r.vlr"), model, host);
  EXPECT_EQ(missing.status, ResultsFileStatus::CannotCreate);
  EXPECT_EQ(missing.kind, MessageKind::Error);
  EXPECT_FALSE(std::filesystem::exists(dir.file("absent")));

  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
    EXPECT_FALSE(SaveResults(fileName, model, host).succeeded());
    ::chmod(dir.path().c_str(), 0755);
  }
  EXPECT_EQ(ReadFileBytes(fileName), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_EQ(host.cursorDepth, 0);
}

TEST_F(ResultsFileTest, FailureAfterWritingGivesTheSaveErrorAndNoLeftovers) {
  AddGroup(model, {"/p/a.jpg"}, {{"/p/b.jpg"}});
  const std::string target = dir.makeDir("folder.vlr");  // the final rename cannot replace a folder
  const ResultsFileOutcome outcome = SaveResults(target, model, host);
  EXPECT_EQ(outcome.status, ResultsFileStatus::WriteFailed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("There was an error in saving your results list.\n\n", 0), 0u);
  EXPECT_NE(host.messages[0].text.find(target + ": Is a directory"), std::string::npos) << host.messages[0].text;
  EXPECT_TRUE(std::filesystem::is_directory(target));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace vl
