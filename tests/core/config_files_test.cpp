#include "core/config_files.h"

#include <gtest/gtest.h>

#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

std::string le32(int32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return s;
}

// A folder that never chose a language starts in English; one that did keeps its choice.
TEST(ConfigFiles, StartLanguageIsEnglishOnlyWithoutLangDat) {
  TempFolder dir;
  EXPECT_EQ(startLanguage(dir.path()), English);
  ASSERT_TRUE(writeLanguage(dir.path(), Korean));
  EXPECT_EQ(startLanguage(dir.path()), Korean);
  ASSERT_TRUE(writeLanguage(dir.path(), Spanish));
  EXPECT_EQ(startLanguage(dir.path()), Spanish);
}

TEST(ConfigFiles, MissingOrShortFilesGiveDefaults) {
  TempFolder dir;
  EXPECT_EQ(readLanguage(dir.path()), 2);  // Korean without lang.dat
  EXPECT_EQ(readScreenModeSetting(dir.path()), 4);
  EXPECT_EQ(readRecordInputChoice(dir.path()), 0);
  dir.writeBytes("lang.dat", std::string("\0\0\0", 3));
  dir.writeBytes("cfr.dat", "");
  EXPECT_EQ(readLanguage(dir.path()), 2);
  EXPECT_EQ(readRecordInputChoice(dir.path()), 0);
}

TEST(ConfigFiles, ValuesAreRawLittleEndianInt32) {
  TempFolder dir;
  ASSERT_TRUE(writeLanguage(dir.path(), 3));
  EXPECT_EQ(dir.readBytes("lang.dat"), le32(3));
  EXPECT_EQ(readLanguage(dir.path()), 3);
  ASSERT_TRUE(writeRecordInputChoice(dir.path(), 0x01020304));
  EXPECT_EQ(dir.readBytes("cfr.dat"), le32(0x01020304));
  EXPECT_EQ(readRecordInputChoice(dir.path()), 0x01020304);
  ASSERT_TRUE(writeRecordingLog(dir.path(), RecordingStarted, 5));
  EXPECT_EQ(dir.readBytes("vl1.log"), le32(0) + le32(5));
}

TEST(ConfigFiles, ScreenModeSettingOutsideZeroToThreeMeansNone) {
  TempFolder dir;
  const std::pair<int32_t, int> cases[] = {{0, 0}, {3, 3}, {4, 4}, {-1, 4}, {-2147483647 - 1, 4}, {17, 4}};
  for (auto [stored, expected] : cases) {
    dir.writeBytes("conf.dat", le32(stored));
    EXPECT_EQ(readScreenModeSetting(dir.path()), expected) << stored;
  }
}

TEST(ConfigFiles, UnfinishedRecordingWarnsOnceAndDeletesTheLog) {
  TempFolder dir;
  dir.writeBytes("vl1.log", le32(0) + le32(2));
  ScriptedInteraction ui;
  EXPECT_EQ(checkUnfinishedRecording(dir.path(), ui), 2);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57706});
  EXPECT_FALSE(std::filesystem::exists(dir / "vl1.log"));
  EXPECT_EQ(checkUnfinishedRecording(dir.path(), ui), -1);
  EXPECT_EQ(ui.countOf(57706), 1);
}

TEST(ConfigFiles, ClosedRecordingOnlyCarriesTheUpdateRate) {
  TempFolder dir;
  dir.writeBytes("vl1.log", le32(1) + le32(4));
  ScriptedInteraction ui;
  EXPECT_EQ(checkUnfinishedRecording(dir.path(), ui), 4);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "vl1.log"));
}

TEST(ConfigFiles, ShortLogIsTreatedAsMissingAndStillDeleted) {
  TempFolder dir;
  dir.writeBytes("vl1.log", le32(0));
  ScriptedInteraction ui;
  EXPECT_EQ(checkUnfinishedRecording(dir.path(), ui), -1);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(std::filesystem::exists(dir / "vl1.log"));
}

}  // namespace
}  // namespace velmora
