#include "clients/client_folders.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

TEST(RecordingNames, FolderAndFileNames) {
  EXPECT_EQ(clientFolderName(7), "pac007");
  EXPECT_EQ(clientFolderName(42), "pac042");
  EXPECT_EQ(clientFolderName(1234), "pac1234");
  EXPECT_EQ(clientFolderName(kOtherFilesCode), "Other Files");
  EXPECT_EQ(recordingFileName(1, RecordingPrefix::Wv), "wv001.wav");
  EXPECT_EQ(recordingFileName(150, RecordingPrefix::Qv, "ddt"), "qv150.ddt");
  EXPECT_EQ(recordingFileName(12, RecordingPrefix::Wv, "bkp1"), "wv012.bkp1");
  EXPECT_EQ(recordingPath("/w", 7, 3, RecordingPrefix::Qv), std::filesystem::path("/w/pac007/qv003.wav"));
  EXPECT_EQ(recordingPath("", 7, 3, RecordingPrefix::Wv, "mrk"), std::filesystem::path("pac007/wv003.mrk"));
  EXPECT_EQ(recordingPath("/w", kOtherFilesCode, 9, RecordingPrefix::Wv),
            std::filesystem::path("/w/Other Files/wv009.wav"));
  EXPECT_EQ(modelsFolder("/w"), std::filesystem::path("/w/Models"));
}

TEST(RecordingNames, PrefixFollowsTheRate) {
  EXPECT_EQ(prefixForRate(44100), RecordingPrefix::Qv);
  EXPECT_EQ(prefixForRate(22050), RecordingPrefix::Wv);
  EXPECT_EQ(prefixForRate(11025), RecordingPrefix::Wv);
  EXPECT_STREQ(prefixText(RecordingPrefix::Qv), "qv");
  EXPECT_STREQ(prefixText(RecordingPrefix::Wv), "wv");
}

TEST(RecordingNames, ParsingIgnoresCaseAndRejectsStrangers) {
  auto n = parseRecordingFileName("WV012.WAV");
  ASSERT_TRUE(n);
  EXPECT_EQ(n->number, 12);
  EXPECT_EQ(n->prefix, RecordingPrefix::Wv);
  EXPECT_EQ(n->extension, "wav");
  n = parseRecordingFileName("qv150.bkp1");
  ASSERT_TRUE(n);
  EXPECT_EQ(n->prefix, RecordingPrefix::Qv);
  EXPECT_EQ(n->extension, "bkp1");
  for (const char* bad : {"wv000.wav", "wv151.wav", "wv12.wav", "wv0012.wav", "xv001.wav", "wv001.", "wv001wav",
                          "wv0a1.wav", "wv001.wav.tmp", ""})
    EXPECT_FALSE(parseRecordingFileName(bad)) << bad;
}

class NumberScan : public ::testing::Test {
 protected:
  TempFolder work;
  ScriptedInteraction ui;
  static constexpr int kCode = 7;

  void SetUp() override { std::filesystem::create_directory(clientFolder(work.path(), kCode)); }
  void touch(const std::string& name) { work.writeBytes(clientFolderName(kCode) + "/" + name, ""); }
  void takeWavs(int from, int to) {
    for (int i = from; i <= to; ++i) touch(recordingFileName(i, RecordingPrefix::Wv));
  }
  int next() { return nextRecordingNumber(ui, work.path(), kCode); }
};

TEST_F(NumberScan, EmptyFolderStartsAtOne) { EXPECT_EQ(next(), 1); }

TEST_F(NumberScan, ScanStopsAfterSixteenFreeNumbers) {
  takeWavs(1, 5);
  touch("wv020.wav");  // free 6..19 is only fourteen numbers: 20 is still seen
  EXPECT_EQ(next(), 21);
  std::filesystem::remove(clientFolder(work.path(), kCode) / "wv020.wav");
  touch("qv030.wav");  // free 6..21 is sixteen numbers: 30 is never reached
  EXPECT_EQ(next(), 6);
  touch("wv021.wav");  // a taken number right after fifteen free ones keeps the scan going
  EXPECT_EQ(next(), 31);
}

TEST_F(NumberScan, DeletedNumberBelowTheHighestIsNotReused) {
  takeWavs(1, 5);
  std::filesystem::remove(clientFolder(work.path(), kCode) / "wv003.wav");
  EXPECT_EQ(next(), 6);
}

TEST_F(NumberScan, PlaceholdersTakeNumbersButCompanionsDoNot) {
  touch("wv001.wav");
  touch("qv002.bkp");
  EXPECT_EQ(next(), 3);
  touch("wv003.ddt");
  touch("wv003.txt");
  touch("wv003.mrk");
  touch("wv004.bkp1");
  EXPECT_EQ(next(), 3);
}

TEST_F(NumberScan, UpperCaseNamesFromWindowsCount) {
  touch("WV001.WAV");
  touch("Qv002.Bkp");
  EXPECT_EQ(next(), 3);
}

TEST_F(NumberScan, AFolderNamedLikeARecordingDoesNotCount) {
  std::filesystem::create_directory(clientFolder(work.path(), kCode) / "wv001.wav");
  EXPECT_EQ(next(), 1);
}

TEST_F(NumberScan, HundredFiftyIsTheLast) {
  takeWavs(1, 149);
  EXPECT_EQ(next(), 150);
  EXPECT_TRUE(ui.shown.empty());
  touch("qv150.wav");
  EXPECT_EQ(next(), -1);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57713});
}

TEST_F(NumberScan, NoClientGivesMinusOneSilently) {
  EXPECT_EQ(nextRecordingNumber(ui, work.path(), kNoClient), -1);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(NumberScan, OtherFilesUsesItsOwnFolder) {
  ASSERT_TRUE(ensureOtherFilesFolder(work.path()));
  work.writeBytes("Other Files/wv001.wav", "");
  work.writeBytes("Other Files/qv002.bkp", "");
  EXPECT_EQ(nextRecordingNumber(ui, work.path(), kOtherFilesCode), 3);
}

TEST(ClientFolders, FindFileIgnoringCasePrefersTheExactName) {
  TempFolder dir;
  dir.writeBytes("WV001.TXT", "upper");
  auto found = findFileIgnoringCase(dir.path(), "wv001.txt");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "WV001.TXT");
  dir.writeBytes("wv001.txt", "exact");
  found = findFileIgnoringCase(dir.path(), "wv001.txt");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "wv001.txt");
  EXPECT_FALSE(findFileIgnoringCase(dir.path(), "wv002.txt"));
  EXPECT_FALSE(findFileIgnoringCase(dir.path() / "missing", "wv001.txt"));
}

TEST(ClientFolders, EnterAndCreate) {
  TempFolder work;
  ScriptedInteraction ui;
  EXPECT_FALSE(enterClientFolder(ui, work.path(), 3));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57710});
  ui.shown.clear();

  EXPECT_TRUE(createClientFolder(ui, work.path(), 3));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(std::filesystem::is_directory(work / "pac003"));
  EXPECT_TRUE(enterClientFolder(ui, work.path(), 3));
  EXPECT_TRUE(ui.shown.empty());

  // An existing folder is kept with its files and reported.
  work.writeBytes("pac003/wv001.bkp", "");
  EXPECT_TRUE(createClientFolder(ui, work.path(), 3));
  EXPECT_EQ(ui.shownIds(), std::vector<int>{57723});
  EXPECT_TRUE(std::filesystem::exists(work / "pac003/wv001.bkp"));

  // A plain file in the folder's place cannot become a folder.
  ui.shown.clear();
  work.writeBytes("pac004", "not a folder");
  EXPECT_FALSE(createClientFolder(ui, work.path(), 4));
  EXPECT_FALSE(enterClientFolder(ui, work.path(), 4));
}

TEST(ClientFolders, OtherFilesAndModelsAreCreatedOnDemandAndKept) {
  TempFolder work;
  auto other = ensureOtherFilesFolder(work.path());
  ASSERT_TRUE(other);
  EXPECT_EQ(*other, work / "Other Files");
  work.writeBytes("Other Files/wv001.wav", "x");
  ASSERT_TRUE(ensureOtherFilesFolder(work.path()));
  EXPECT_EQ(work.readBytes("Other Files/wv001.wav"), "x");
  auto models = ensureModelsFolder(work.path());
  ASSERT_TRUE(models);
  EXPECT_TRUE(std::filesystem::is_directory(*models));
}

}  // namespace
}  // namespace velmora
