// velmora-cli backup and restore, run as processes on made working folders.
#include <gtest/gtest.h>

#include "clients/recording_names.h"
#include "core/message_ids.h"
#include "core/string_table.h"
#include "fakes/client_folder_maker.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

class BackupCommands : public ::testing::Test {
 protected:
  TempFolder root;
  fs::path work = root / "work";
  fs::path target = root / "nightly";

  void SetUp() override { ASSERT_TRUE(makeWorkingFolder(work, {{1, "Ana", 2}, {2, "Bruno", 1}, {5, "Carla", 1}})); }
  ProcessResult cli(const std::vector<std::string>& args) { return runProcess(VELMORA_CLI_PATH, args); }
  fs::path onlyBackupFolder() {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(target)) found.push_back(e.path());
    return found.size() == 1 ? found[0] : fs::path();
  }
};

TEST_F(BackupCommands, SendThenAttachRoundTripsWithAProgressLinePerClient) {
  fs::create_directories(target);
  const auto before = snapshotFiles(work);
  ProcessResult r = cli({"backup", "--data", work.string(), "--to", target.string(), "--clients", "1,5", "--send"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "pac001 Ana\npac005 Carla\n");
  const fs::path folder = onlyBackupFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(r.err.find(folder.string()), std::string::npos);  // "Backup Done Successfully! ..."
  EXPECT_TRUE(fs::exists(work / "pac001/wv002.bkp"));
  EXPECT_FALSE(fs::exists(work / "pac001/wv002.wav"));
  EXPECT_TRUE(fs::exists(work / "pac002/wv001.wav"));

  r = cli({"restore", "--data", work.string(), "--from", folder.string(), "--attach", "1,5"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "pac001 Ana\npac005 Carla\n");
  EXPECT_EQ(r.err, tr(msg::ProcessFinished) + "\n");
  EXPECT_EQ(snapshotFiles(work), before);
}

TEST_F(BackupCommands, FailuresGiveTheirMessagesAndStatusTwo) {
  fs::create_directories(target);
  ASSERT_EQ(cli({"backup", "--data", work.string(), "--to", target.string()}).exitStatus, 0);
  // Asked whether to replace: nobody answers, so No.
  ProcessResult r = cli({"backup", "--data", work.string(), "--to", target.string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, tr(msg::AskReplaceBackup) + "\n" + tr(msg::BackupFailed) + "\n");
  r = cli({"backup", "--data", work.string(), "--to", work.string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, tr(msg::TargetIsWorkingFolder) + "\n");
  r = cli({"restore", "--data", work.string(), "--from", (root / "empty").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, tr(msg::RegisterNotCopied) + "\n" + tr(msg::ProcessNotFinished) + "\n");
  EXPECT_EQ(cli({"backup", "--data", work.string(), "--to", target.string(), "--send"}).exitStatus, 1);
}

}  // namespace
}  // namespace velmora
