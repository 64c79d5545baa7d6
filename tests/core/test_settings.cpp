// Settings file: profile semantics, the settings value and the property store's keys.
#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "core/components/parallel_run.h"
#include "core/settings/ini_file.h"
#include "core/settings/property_store.h"
#include "core/settings/settings.h"
#include "tests/support/temp_dir.h"

namespace vl {

namespace {

using test::ReadFileBytes;
using test::TempDir;

// A read placement as one comparable value, with whether its positions apply.
auto fieldsOf(const WindowPlacementRead& read) {
  return std::tuple(read.positionsApply, read.flags, read.normPos, read.minMaxPos, read.showState);
}

class SettingsTest : public ::testing::Test {
 protected:
  std::string iniPath() const { return dir.file("velloran.ini"); }

  TempDir dir;
  test::ScopedEnv appDir{"VELLORAN_APPDIR", dir.path()};
};

}  // namespace

TEST_F(SettingsTest, AppPathsFollowTheOverrideWithoutLowerCasingElseTheConfigFolderOrAPortableCopy) {
  const std::string mixed = dir.makeDir("Mixed Case");
  {
    const test::ScopedEnv overridden("VELLORAN_APPDIR", mixed);
    EXPECT_EQ(AppDir(), mixed + "/");
    EXPECT_EQ(AppIniFileName(), mixed + "/velloran.ini");
  }
  // Without it: the user's config folder unless a copy is portable.
  unsetenv("VELLORAN_APPDIR");
  const std::string config = dir.makeDir("config");
  const test::ScopedEnv configHome("XDG_CONFIG_HOME", config);
  EXPECT_EQ(AppDir(), config + "/velloran/");
  EXPECT_EQ(access(AppDir().c_str(), W_OK), 0);

  // A program folder is used only once a settings file lies in it; the override beats both.
  const std::string program = dir.makeDir("program");
  int userFolderCalls = 0;
  const auto userFolder = [&] { ++userFolderCalls; return std::string("/user/"); };
  EXPECT_EQ(ChooseAppDir("", program, userFolder), "/user/");
  dir.write("program/velloran.ini", "[Tfconfigure]\n");
  EXPECT_EQ(ChooseAppDir("", program, userFolder), program + "/");
  EXPECT_EQ(ChooseAppDir("/override", program, userFolder), "/override/");
  EXPECT_EQ(userFolderCalls, 1);
}

TEST_F(SettingsTest, ProfileReadsIgnoreCaseBlanksAndOneQuotePairCutLongValuesAndTakeWholeNumbersOnly) {
  dir.write("velloran.ini",
            "top=ignored\n[First]\r\nName = \"quoted value\" \r\nSingle='x'\nMixed=\"x'\nOnly=\"\n"
            "  [ second ]\nkey=2\nlong=" + std::string(5000, 'v') +
            "\n[S]\na=42\nb=-7\nc=12abc\nd=\ne=99999999999\nf=+3\ng= 8 \n");
  const IniFile ini(iniPath());
  EXPECT_EQ(ini.readString("FIRST", "name", "d"), "quoted value");
  EXPECT_EQ(ini.readString("first", "SINGLE", "d"), "x");
  EXPECT_EQ(ini.readString("First", "Mixed", "d"), "\"x'");
  EXPECT_EQ(ini.readString("First", "Only", "d"), "\"");
  EXPECT_EQ(ini.readString("Second", "KEY", "d"), "2");
  EXPECT_EQ(ini.readString("First", "top", "d"), "d");
  EXPECT_EQ(ini.readString("First", "key", "d"), "d");
  EXPECT_EQ(ini.readString("Absent", "key", "d"), "d");
  EXPECT_TRUE(ini.sectionExists("SECOND"));
  EXPECT_FALSE(ini.keyExists("Second", "Name"));
  EXPECT_EQ(ini.readString("second", "long", "").size(), 2048u);
  const std::pair<const char*, int> integers[] = {{"a", 42}, {"b", -7}, {"c", 1}, {"d", 1},
                                                  {"e", 1},  {"f", 3},  {"g", 8}, {"missing", 1}};
  for (const auto& [key, value] : integers) EXPECT_EQ(ini.readInteger("S", key, 1), value) << key;
}

TEST_F(SettingsTest, ProfileWritesReplaceAppendCreateAndEraseSections) {
  IniFile ini(iniPath());
  EXPECT_EQ(ini.readString("A", "k", "missing file"), "missing file");
  ini.writeString("A", "one", "1");
  ini.writeString("B", "two", "2");
  ini.writeString("a", "THREE", "3");
  ini.writeString("A", "ONE", "uno");
  ini.writeString("B", "evil", "x\n[A]\none=injected");
  EXPECT_EQ(ReadFileBytes(iniPath()), "[A]\nONE=uno\nTHREE=3\n\n[B]\ntwo=2\nevil=x [A] one=injected\n");

  // Erasing a section keeps the others.
  dir.write("velloran.ini", "[Keep]\na=1\n[Drop]\nb=2\n[keep2]\nc=3\n[DROP]\nd=4\n");
  ini.eraseSection("drop");
  EXPECT_EQ(ReadFileBytes(iniPath()), "[Keep]\na=1\n[keep2]\nc=3\n");
  ini.eraseSection("Absent");
  EXPECT_EQ(ini.readString("keep2", "c", ""), "3");
}

TEST_F(SettingsTest, ABatchOfWritesReachesTheFileOnlyAtItsCommit) {
  dir.write("velloran.ini", "[Keep]\na=1\n");
  IniFile ini(iniPath());
  ini.beginBatch();
  ini.writeString("S", "k", "v");
  ini.eraseSection("Keep");
  ini.writeSection("L", {{"Count", "1"}});
  EXPECT_EQ(ini.readString("S", "k", ""), "v") << "reads see the batch";
  EXPECT_EQ(ReadFileBytes(iniPath()), "[Keep]\na=1\n");
  ini.commitBatch();
  EXPECT_EQ(ReadFileBytes(iniPath()), "[S]\nk=v\n\n[L]\nCount=1\n");
  {
    IniFile abandoned(iniPath());
    abandoned.beginBatch();
    abandoned.writeString("S", "k", "lost");
  }
  EXPECT_EQ(ini.readString("S", "k", ""), "v");
}

TEST_F(SettingsTest, ProfileWriteFailureNamesTheFile) {
  const std::string blocker = dir.write("not-a-folder", "x");
  IniFile ini(blocker + "/velloran.ini");
  try {
    ini.writeString("S", "k", "v");
    FAIL() << "the write should have failed";
  } catch (const IniWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + blocker + "/velloran.ini");
  }
  IniFile missingFolder(dir.file("no/such/velloran.ini"));
  EXPECT_THROW(missingFolder.writeString("S", "k", "v"), IniWriteError);
  EXPECT_NO_THROW(missingFolder.eraseSection("S"));
  EXPECT_EQ(missingFolder.readString("S", "k", "d"), "d");
  EXPECT_THROW(PropertyStore(blocker + "/velloran.ini", "Tfmain").savePlacement(WindowPlacement(), 800, 600, false),
               IniWriteError);
}

TEST_F(SettingsTest, LoadSettingsReadsTrueOnlyAsTrueAndWholeNumbersOnly) {
  dir.write("velloran.ini",
            "[tfconfigure]\ncbBeep_Checked=1\ncbRecycle_Checked=false\ncbCheckabDrives_Checked=tRuE\n"
            "rxerrors_Value=45\neMarkSize_text=abc\neMarkWidth_text=12\neMarkErrors_text=3.5\n"
            "FingerprintJobs=99999999\nUseFingerprintCache=0\n");
  const Settings s = LoadSettings();
  EXPECT_EQ(std::tuple(s.beepOnDelete, s.deleteToRecycleBin, s.checkABDrives, s.fuzzFactor, s.markSize, s.markWidth,
                       s.markErrors, s.useFingerprintCache),
            std::tuple(false, false, true, 45, 5, 12, 0, false));
  EXPECT_EQ(ResolveJobs(s.fingerprintJobs), MaxJobs) << "bounded: a damaged file must not start millions of threads";
}

// A new user starts with verified matching; a file from before keeps the classic matcher.
TEST_F(SettingsTest, VerifiedMatchingIsOnForANewSettingsFileOnlyAndCreatingTheFileKeepsIt) {
  EXPECT_TRUE(LoadSettings().verifyMatches);
  EXPECT_TRUE(CreateSettingsFile());
  IniFile(iniPath()).writeString("Tfmain", "Panel2_Width", "100");
  EXPECT_TRUE(LoadSettings().verifyMatches) << "the key outlives later writes";
  EXPECT_FALSE(CreateSettingsFile()) << "an existing file is left alone";

  dir.write("velloran.ini", "[Tfconfigure]\nrxerrors_Value=50\n");
  EXPECT_FALSE(CreateSettingsFile());
  EXPECT_FALSE(LoadSettings().verifyMatches);
  EXPECT_EQ(ReadFileBytes(iniPath()), "[Tfconfigure]\nrxerrors_Value=50\n");
}

TEST(PropertyStoreForms, ValueFormsRoundTrip) {
  EXPECT_EQ(PropertyStore::FloatText(2.5), "2.5");
  EXPECT_EQ(PropertyStore::FloatFromText("2.5"), 2.5);
  EXPECT_FALSE(PropertyStore::FloatFromText("2,5"));
  EXPECT_EQ(PropertyStore::BooleanFromText("fALSE"), false);
  EXPECT_EQ(PropertyStore::BooleanFromText("TRUE"), true);
  EXPECT_FALSE(PropertyStore::BooleanFromText("1"));
  EXPECT_EQ(PropertyStore::StringText("'x'"), "\"'x'\"");
  EXPECT_EQ(PropertyStore::StringText("\"q\""), "\"\"q\"\"");
  EXPECT_EQ(PropertyStore::StringText("'x"), "'x");
  EXPECT_EQ(PropertyStore::PositionFromText("1,,x,4", {9, 8, 7, 6}), (std::array<int, 4>{1, 8, 7, 4}));
}

TEST_F(SettingsTest, StoredValuesAndStringListsSurviveSaveAndRestore) {
  PropertyStore store(iniPath(), "Tfconfigure");
  store.writeString("eFind_Text", "'x'");
  store.writeString("eQuote_Text", "\"y\"");
  store.writeBoolean("cbBeep_Checked", false);
  store.writeInteger("rxerrors_Value", 35);
  store.writeFloat("Ratio_Value", 30.0);
  store.writeValue("eMarkSize_text", "abc");
  const PropertyStore r(iniPath(), "TFCONFIGURE");
  EXPECT_EQ(std::tuple(r.readString("eFind_Text", ""), r.readString("eQuote_Text", ""), r.readBoolean("cbBeep_Checked", true),
                       r.readInteger("rxerrors_Value", 0), r.readFloat("Ratio_Value", 0), r.readValue("eMarkSize_text", ""),
                       r.readInteger("eMarkSize_text", 5), r.readString("Missing_Text", "current")),
            std::tuple("'x'", "\"y\"", false, 35, 30.0, "abc", 5, "current"));
  EXPECT_EQ(IniFile(iniPath()).readString("Tfconfigure", "Ratio_Value", ""), "30");

  // String lists live in their own section; a damaged count is bounded.
  store.writeInteger("rxerrors_Value", 30);
  store.writeStringList("mIgnoreFilenames_Lines", {"thumbs", "'q'", "x=y"});
  const IniFile ini(iniPath());
  EXPECT_EQ(ini.readString("Tfconfigure.mIgnoreFilenames_Lines", "Count", ""), "3");
  EXPECT_EQ(ini.readString("Tfconfigure.mIgnoreFilenames_Lines", "Item2", ""), "x=y");
  EXPECT_EQ(store.readStringList("mIgnoreFilenames_Lines", {}), (std::vector<std::string>{"thumbs", "'q'", "x=y"}));
  store.writeStringList("mIgnoreFilenames_Lines", {"one"});
  EXPECT_FALSE(ini.keyExists("Tfconfigure.mIgnoreFilenames_Lines", "Item1"));
  store.writeStringList("mIgnoreFilenames_Lines", {});
  EXPECT_FALSE(ini.sectionExists("Tfconfigure.mIgnoreFilenames_Lines"));
  EXPECT_EQ(store.readStringList("mIgnoreFilenames_Lines", {"kept"}), std::vector<std::string>{"kept"});
  EXPECT_EQ(ini.readInteger("Tfconfigure", "rxerrors_Value", 0), 30);
  dir.write("velloran.ini", "[F.L]\nCount=2000000000\nItem1=b\n");
  const std::vector<std::string> lines = PropertyStore(iniPath(), "F").readStringList("L", {});
  ASSERT_EQ(lines.size(), static_cast<size_t>(PropertyStore::MaxListItems));
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "b");
}

TEST_F(SettingsTest, PlacementKeysAndScreenSizeVariants) {
  PropertyStore store(iniPath(), "Tfmain");
  WindowPlacement current{.flags = 7, .normPos = {1, 2, 3, 4}};
  WindowPlacementRead read = store.restorePlacement(current, 1024, 768, true);
  EXPECT_EQ(fieldsOf(read), std::tuple(false, 7, current.normPos, std::array<int, 4>{}, ShowState::Unchanged))
      << "nothing stored keeps the form";

  const WindowPlacement saved{2, 3, 96, {-1, -1, -4, -23}, {10, 20, 810, 620}};
  store.savePlacement(saved, 1024, 768, true);
  const IniFile ini(iniPath());
  EXPECT_EQ(std::tuple(ini.readString("Tfmain", "NormPos(1024x768)", ""), ini.readString("Tfmain", "MinMaxPos", ""),
                       ini.readString("Tfmain", "Visible", "")),
            std::tuple("10,20,810,620", "-1,-1,-4,-23", "1"));

  EXPECT_EQ(fieldsOf(store.restorePlacement(current, 1024, 768, true)),
            std::tuple(true, 2, saved.normPos, saved.minMaxPos, ShowState::Maximised));

  IniFile(iniPath()).writeString("Tfmain", "NormPos", "5,6,x");
  read = store.restorePlacement(current, 1280, 1024, false);
  EXPECT_EQ(read.normPos, (std::array<int, 4>{5, 6, 3, 4}));
  EXPECT_EQ(read.showState, ShowState::Unchanged);

  IniFile(iniPath()).writeString("Tfmain", "NormPos(1024x768)", "");
  EXPECT_EQ(store.restorePlacement(current, 1024, 768, true).normPos, (std::array<int, 4>{5, 6, 3, 4}));

  current.pixelsPerInch = 120;
  EXPECT_FALSE(store.restorePlacement(current, 1024, 768, true).positionsApply);
}

}  // namespace vl
