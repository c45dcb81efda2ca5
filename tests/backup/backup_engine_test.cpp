#include "backup/backup_engine.h"

#include <gtest/gtest.h>

#include <fstream>

#include "backup/backup_names.h"
#include "backup/backup_test_support.h"
#include "clients/recording_names.h"
#include "clients/recordings_list.h"
#include "core/file_times.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "core/string_ids.h"
#include "fakes/client_folder_maker.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

class BackupEngine : public ::testing::Test {
 protected:
  TempFolder root;
  fs::path work = root / "work";
  fs::path target = root / "target";
  ScriptedInteraction ui;
  RecordingProgress progress;

  void SetUp() override {
    ASSERT_TRUE(makeWorkingFolder(work, {{1, "Ana", 3}, {2, "Bruno", 2}, {5, "Carla", 0}}));
    fs::create_directories(target);
  }
  BackupRequest request(bool send = false, std::optional<std::vector<int>> codes = std::nullopt) {
    BackupRequest r;
    r.workingFolder = work;
    r.targetFolder = target;
    r.date = UtcDate{2024, 3, 7};
    r.language = English;
    r.send = send;
    r.clientCodes = std::move(codes);
    return r;
  }
  fs::path dated() const { return target / "bkp-vl03-07-2024"; }
};

TEST_F(BackupEngine, SecurityCopyHoldsRegisterClientsAndDatesAndLeavesWorkingData) {
  const auto before = snapshotFiles(work);
  const BackupResult r = backUp(request(), ui, progress);
  ASSERT_EQ(r.status, OperationStatus::Done);
  EXPECT_EQ(r.backupFolder, dated());
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::BackupDone}));
  EXPECT_NE(ui.shown[0].text.find(dated().string()), std::string::npos);
  EXPECT_EQ(snapshotFiles(work), before);
  const auto copy = snapshotFiles(dated());
  EXPECT_EQ(copy.at("pacb.dbf"), before.at("pacb.dbf"));
  EXPECT_EQ(copy.at("pac001/wv002.wav"), before.at("pac001/wv002.wav"));
  EXPECT_EQ(copy.at("pac002/wv002.txt"), before.at("pac002/wv002.txt"));
  EXPECT_FALSE(copy.count("p_ok.txt"));
  const uint64_t t = toWindowsFileTime(FileTime{kMadeRecordingSeconds + 60, 0});
  EXPECT_EQ(copy.at("pac001/datas.txt").substr(0, copy.at("pac001/datas.txt").find('\n') + 1),
            "wv001.wav;" + std::to_string(t >> 32) + ";" + std::to_string(t & 0xFFFFFFFFu) + "\n");
  EXPECT_EQ(progress.finishedCodes, (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(fs::status(dated()).permissions() & fs::perms::all, fs::perms::owner_all);
  EXPECT_EQ(fs::status(dated() / "pac001/wv001.wav").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(BackupEngine, KoreanLanguageNamesTheFolderYearFirst) {
  BackupRequest r = request();
  r.language = Korean;
  EXPECT_EQ(backUp(r, ui, progress).backupFolder, target / "bkp-vl2024-03-07");
  EXPECT_TRUE(fs::exists(target / "bkp-vl2024-03-07" / "pacb.dbf"));
}

TEST_F(BackupEngine, SecondBackupSameDayAsksAndNoLeavesTheFirstWhole) {
  ASSERT_EQ(backUp(request(), ui, progress).status, OperationStatus::Done);
  const auto first = snapshotFiles(dated());
  const auto firstTime = fileTime(dated() / "pac001/wv001.wav");
  // The working data change; the earlier backup must not.
  std::ofstream(work / "pac001/wv001.txt", std::ios::trunc) << "changed";
  ui.shown.clear();
  ui.yesNoAnswers = {false};
  EXPECT_EQ(backUp(request(), ui, progress).status, OperationStatus::Failed);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::AskReplaceBackup, msg::BackupFailed}));
  EXPECT_EQ(snapshotFiles(dated()), first);
  EXPECT_EQ(fileTime(dated() / "pac001/wv001.wav")->seconds, firstTime->seconds);
}

TEST_F(BackupEngine, WorkingFolderIsRefusedAsTargetBeforeAnythingIsMade) {
  BackupRequest r = request();
  r.targetFolder = work / ".";
  const auto before = snapshotFiles(work);
  EXPECT_EQ(backUp(r, ui, progress).status, OperationStatus::Refused);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::TargetIsWorkingFolder}));
  EXPECT_FALSE(fs::exists(work / "bkp-vl03-07-2024"));
  EXPECT_EQ(snapshotFiles(work), before);
}

TEST_F(BackupEngine, PlaceholdersOnlyClientGivesEmptyFolderAndEmptyDates) {
  std::ofstream(work / "pac005/wv001.bkp");
  std::ofstream(work / "pac005/wv002.bkp");
  ASSERT_EQ(backUp(request(), ui, progress).status, OperationStatus::Done);
  const auto names = snapshotFiles(dated() / "pac005");
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names.at("datas.txt"), "");
}

TEST_F(BackupEngine, SendingTwoClientsLeavesDatedPlaceholdersListedAsSent) {
  const auto before = snapshotFiles(work);
  ASSERT_EQ(backUp(request(true, std::vector<int>{1, 2}), ui, progress).status, OperationStatus::Done);
  for (const auto& [code, count] : {std::pair{1, 3}, std::pair{2, 2}}) {
    const auto left = snapshotFiles(clientFolder(work, code));
    EXPECT_EQ(static_cast<int>(left.size()), count) << code;  // the placeholders only
    for (int n = 1; n <= count; ++n) {
      const fs::path bkp = recordingPath(work, code, n, RecordingPrefix::Wv, "bkp");
      ASSERT_TRUE(fs::exists(bkp));
      EXPECT_EQ(fs::file_size(bkp), 0u);
      EXPECT_EQ(fileTime(bkp)->seconds, kMadeRecordingSeconds + n * 60);
      const std::string rel = clientFolderName(code) + "/" + recordingFileName(n, RecordingPrefix::Wv);
      EXPECT_EQ(snapshotFiles(dated()).at(rel), before.at(rel));
    }
    for (const RecordingRow& row : listRecordings(ui, work, code, English))
      EXPECT_EQ(row.entry.state, RecordingState::SentToBackup);
    EXPECT_EQ(listRecordings(ui, work, code, English).size(), static_cast<size_t>(count));
  }
  EXPECT_FALSE(fs::exists(dated() / "pac005"));  // not chosen
}

TEST_F(BackupEngine, CancelDuringSecurityBackupRemovesThePartialFolder) {
  progress.cancelAfterFiles = 4;
  const auto before = snapshotFiles(work);
  EXPECT_EQ(backUp(request(), ui, progress).status, OperationStatus::Failed);
  EXPECT_FALSE(fs::exists(dated()));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::BackupFailed}));
  EXPECT_EQ(progress.phases, (std::vector<int>{str::RemovingBackupFolder}));
  EXPECT_EQ(snapshotFiles(work), before);
}

TEST_F(BackupEngine, CancelledSendBringsBackTheClientsAlreadySent) {
  const auto before = snapshotFiles(work);
  // Client 1 has twelve files; Cancel comes while client 2 is copied.
  progress.cancelAfterFiles = 14;
  EXPECT_EQ(backUp(request(true, std::vector<int>{1, 2}), ui, progress).status, OperationStatus::Failed);
  EXPECT_EQ(snapshotFiles(work), before);
  for (int n = 1; n <= 3; ++n)
    EXPECT_EQ(fileTime(recordingPath(work, 1, n, RecordingPrefix::Wv))->seconds, kMadeRecordingSeconds + n * 60);
  EXPECT_FALSE(fs::exists(dated()));
}

}  // namespace
}  // namespace velmora
