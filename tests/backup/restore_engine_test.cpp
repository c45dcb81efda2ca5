#include "backup/restore_engine.h"

#include <gtest/gtest.h>

#include <fstream>

#include "audio/wav_reader.h"
#include "audio/wav_writer.h"
#include "backup/backup_engine.h"
#include "backup/backup_test_support.h"
#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "clients/recordings_list.h"
#include "core/file_times.h"
#include "core/language.h"
#include "core/message_ids.h"
#include "fakes/client_folder_maker.h"
#include "fakes/run_process.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

class RestoreEngine : public ::testing::Test {
 protected:
  TempFolder root;
  fs::path work = root / "work";
  fs::path target = root / "target";
  fs::path backup = target / "bkp-vl03-07-2024";
  ScriptedInteraction ui;
  RecordingProgress progress;

  void SetUp() override {
    ASSERT_TRUE(makeWorkingFolder(work, {{1, "Ana", 3}, {2, "Bruno", 2}, {5, "Carla", 1}}));
    fs::create_directories(target);
  }
  // Sends clients to backup, then forgets what was shown.
  void send(std::vector<int> codes) {
    BackupRequest r{work, target, UtcDate{2024, 3, 7}, English, true, std::move(codes)};
    ASSERT_EQ(backUp(r, ui, progress).status, OperationStatus::Done);
    ui.shown.clear();
  }
  OperationStatus restore(bool attach, std::vector<int> codes = {}, fs::path from = {}) {
    return restoreBackup(RestoreRequest{work, from.empty() ? backup : from, attach, std::move(codes)}, ui, progress);
  }
};

TEST_F(RestoreEngine, AttachBringsBackSoundDatesLabelsAndNotes) {
  const auto before = snapshotFiles(work);
  send({1, 2});
  ASSERT_EQ(restore(true, {1}), OperationStatus::Done);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::ProcessFinished}));
  EXPECT_EQ(snapshotFiles(clientFolder(work, 1)).size(), 12u);  // no datas.txt, no placeholders
  for (const auto& [name, bytes] : snapshotFiles(clientFolder(work, 1)))
    EXPECT_EQ(bytes, before.at("pac001/" + name)) << name;
  for (int n = 1; n <= 3; ++n)
    EXPECT_EQ(fileTime(recordingPath(work, 1, n, RecordingPrefix::Wv))->seconds, kMadeRecordingSeconds + n * 60);
  for (const RecordingRow& row : listRecordings(ui, work, 1, English))
    EXPECT_EQ(row.entry.state, RecordingState::WvDated);
  // Client 2 was not chosen: still sent to backup.
  EXPECT_TRUE(fs::exists(work / "pac002/wv001.bkp"));
  EXPECT_FALSE(fs::exists(work / "pac002/wv001.wav"));
}

TEST_F(RestoreEngine, Mp3InTheBackupRestoresAsWavAndRetiresThePlaceholder) {
  send({5});
  const fs::path wav = backup / "pac005/wv001.wav";
  const auto samples = madeSamples(5, 1, 22050);
  ASSERT_TRUE(writeWavFile(root / "source.wav", WaveFormat::pcm(22050), samples.data(), samples.size() * 2));
  const ProcessResult lame = runProcess("/usr/bin/lame", {"--quiet", "-m", "m", (root / "source.wav").string(),
                                                          (backup / "pac005/wv001.mp3").string()});
  ASSERT_EQ(lame.exitStatus, 0) << "lame is needed (scripts/install-deps.sh): " << lame.err;
  fs::remove(wav);
  ASSERT_EQ(restore(true, {5}), OperationStatus::Done);
  const WavData restored = readWav(work / "pac005/wv001.wav");
  ASSERT_EQ(restored.code, WavOk);
  EXPECT_EQ(restored.format.samplesPerSecond, 22050u);
  EXPECT_EQ(restored.format.channels, 1);
  // The decoder's delay and padding add at most a few frames.
  EXPECT_GE(restored.samples.size(), samples.size());
  EXPECT_LE(restored.samples.size(), samples.size() + 4 * 1152);
  EXPECT_FALSE(fs::exists(work / "pac005/wv001.bkp"));
  EXPECT_FALSE(fs::exists(work / "pac005/wv001.bkp1"));
  EXPECT_EQ(fileTime(work / "pac005/wv001.wav")->seconds, kMadeRecordingSeconds + 60);
}

TEST_F(RestoreEngine, Mp3AtAnotherRateIsConvertedForItsName) {
  send({5});
  const auto samples = madeSamples(5, 1, 48000);
  ASSERT_TRUE(writeWavFile(root / "s48.wav", WaveFormat::pcm(48000), samples.data(), samples.size() * 2));
  ASSERT_EQ(runProcess("/usr/bin/lame", {"--quiet", "-m", "m", (root / "s48.wav").string(),
                                         (backup / "pac005/wv001.mp3").string()}).exitStatus, 0);
  fs::remove(backup / "pac005/wv001.wav");
  ASSERT_EQ(restore(true, {5}), OperationStatus::Done);
  const WavData restored = readWav(work / "pac005/wv001.wav");
  ASSERT_EQ(restored.code, WavOk);
  EXPECT_EQ(restored.format.samplesPerSecond, 22050u);
  EXPECT_NEAR(static_cast<double>(restored.samples.size()), 22050.0, 22050.0 * 0.1);
}

TEST_F(RestoreEngine, WorkingFolderIsRefusedAsSource) {
  const auto before = snapshotFiles(work);
  EXPECT_EQ(restore(false, {}, work), OperationStatus::Refused);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::SelectBackupFolder}));
  EXPECT_EQ(snapshotFiles(work), before);
}

TEST_F(RestoreEngine, FullRestoreWithoutRegisterLeavesTheWorkingRegister) {
  send({1});
  fs::remove(backup / "pacb.dbf");
  const auto before = snapshotFiles(work);
  EXPECT_EQ(restore(false), OperationStatus::Failed);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::RegisterNotCopied, msg::ProcessNotFinished}));
  EXPECT_EQ(snapshotFiles(work), before);
}

TEST_F(RestoreEngine, FullRestoreReplacesRegisterAndSkipsClientsWithoutFolder) {
  send({1, 2});
  // The backup's register knows a client 7 that has no folder in the backup.
  ClientRegister reg(ui);
  reg.setFileName(backup / "pacb.dbf");
  ClientRecord extra;
  extra.code = 7;
  extra.name = "Davi";
  ASSERT_EQ(reg.append(extra), 1);
  ASSERT_EQ(restore(false), OperationStatus::Done);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::ProcessFinished}));
  EXPECT_EQ(snapshotFiles(work).at("pacb.dbf"), snapshotFiles(backup).at("pacb.dbf"));
  EXPECT_FALSE(fs::exists(work / "pacb.dbf1"));
  EXPECT_TRUE(fs::exists(work / "pac001/wv003.wav"));
  EXPECT_TRUE(fs::exists(work / "pac002/wv002.wav"));
  EXPECT_TRUE(fs::is_directory(work / "pac007"));
}

TEST_F(RestoreEngine, DatesLineNamingAMissingFileShows204AndCreatesNothing) {
  send({1});
  std::ofstream(backup / "pac001/datas.txt", std::ios::app) << "wv009.wav;30000000;1\n";
  ASSERT_EQ(restore(true, {1}), OperationStatus::Done);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::OriginalDateUnreadable, msg::ProcessFinished}));
  EXPECT_NE(ui.shown[0].text.find("wv009.wav"), std::string::npos);
  EXPECT_FALSE(fs::exists(work / "pac001/wv009.wav"));
}

TEST_F(RestoreEngine, CancelledAttachLeavesThePlaceholders) {
  send({1});
  progress.cancelAfterFiles = 3;
  EXPECT_EQ(restore(true, {1}), OperationStatus::Failed);
  EXPECT_EQ(ui.shownIds(), (std::vector<int>{msg::ProcessNotFinished}));
  for (int n = 1; n <= 3; ++n) {
    EXPECT_TRUE(fs::exists(recordingPath(work, 1, n, RecordingPrefix::Wv, "bkp")));
    EXPECT_FALSE(fs::exists(recordingPath(work, 1, n, RecordingPrefix::Wv, "bkp1")));
    EXPECT_FALSE(fs::exists(recordingPath(work, 1, n, RecordingPrefix::Wv)));
  }
}

TEST_F(RestoreEngine, HostileBackupWritesNothingOutsideTheWorkingFolder) {
  send({1});
  const fs::path outside = root / "outside";
  fs::create_directories(outside / "pac002");
  std::ofstream(outside / "victim.wav") << "precious";
  ASSERT_TRUE(setFileTime(outside / "victim.wav", FileTime{1000000000, 0}));
  std::ofstream(outside / "pac002/wv001.wav") << "outside client";
  const auto outsideBefore = snapshotFiles(outside);
  // Names that lead out, links to outside, a client folder that is a link, huge and garbage files.
  std::ofstream(backup / "pac001/datas.txt", std::ios::app)
      << "../../outside/victim.wav;1;1\n" << (outside / "victim.wav").string() << ";1;1\n..;1;1\n";
  fs::create_symlink(outside / "victim.wav", backup / "pac001/wv007.wav");
  fs::create_symlink(outside / "victim.wav", backup / "pac001/zlink.txt");
  fs::create_directory_symlink(outside / "pac002", backup / "pac002");
  std::ofstream(backup / "p_ok.txt") << std::string(5000, '\x07') << "../../;;\xff";
  ui.yesNoAnswers = {true};  // client 2's folder is a link: not found, go on
  ASSERT_EQ(restore(true, {1, 2}), OperationStatus::Done);
  EXPECT_EQ(ui.countOf(msg::AskContinueFilesMissing), 1);
  EXPECT_EQ(snapshotFiles(outside), outsideBefore);
  EXPECT_EQ(fileTime(outside / "victim.wav")->seconds, 1000000000);
  EXPECT_FALSE(fs::exists(fs::symlink_status(work / "pac001/wv007.wav")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(work / "pac001/zlink.txt")));
  EXPECT_EQ(progress.skippedNames.size(), 5u);  // two links, three names from datas.txt
  EXPECT_TRUE(fs::exists(work / "pac001/wv003.wav"));
  // A datas.txt of 10 MB is not read: the dates cannot be restored (answered No: rolled back).
  ui.yesNoAnswers = {true};  // replace the earlier backup
  send({1});
  std::ofstream(backup / "pac001/datas.txt") << std::string(10 * 1024 * 1024, '9');
  EXPECT_EQ(restore(true, {1}), OperationStatus::Failed);
  EXPECT_EQ(ui.shownIds(),
            (std::vector<int>{msg::DatesFileMissing, msg::AskContinueWithoutDates, msg::ProcessNotFinished}));
  EXPECT_TRUE(fs::exists(work / "pac001/wv001.bkp"));
  EXPECT_FALSE(fs::exists(work / "pac001/wv001.wav"));
  EXPECT_EQ(snapshotFiles(outside), outsideBefore);
}

}  // namespace
}  // namespace velmora
