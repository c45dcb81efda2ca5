// velmora-cli backup --send and restore killed (SIGKILL) at random moments: afterwards the
// working register opens and every recording that existed before is whole, in the working
// folder or, once sent, in the backup.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "clients/client_register.h"
#include "clients/recording_names.h"
#include "fakes/client_folder_maker.h"
#include "fakes/run_process.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 20;
constexpr int kClients = 6;
constexpr int kRecordings = 4;

std::vector<MadeClient> clients(int samples) {
  std::vector<MadeClient> list;
  for (int c = 1; c <= kClients; ++c) list.push_back({c, "Client " + std::to_string(c), kRecordings, samples});
  return list;
}

bool registerOpens(const fs::path& work) {
  ScriptedInteraction ui;
  ClientRegister reg(ui);
  reg.setFileName(work / kRegisterFileName);
  return reg.query("") >= 0 && reg.count() == kClients;
}

std::chrono::microseconds timed(const std::vector<std::string>& args) {
  const auto start = Clock::now();
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, args).exitStatus, 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

void copyFolder(const fs::path& from, const fs::path& to) {
  fs::remove_all(to);
  fs::copy(from, to, fs::copy_options::recursive);
}

TEST(BackupKill, SendKilledAnywhereLosesNoRecording) {
  TempFolder root;
  const fs::path pristine = root / "pristine";
  ASSERT_TRUE(makeWorkingFolder(pristine, clients(22050)));
  const auto original = snapshotFiles(pristine);
  const fs::path work = root / "work";
  const fs::path target = root / "target";
  auto args = [&] {
    return std::vector<std::string>{"backup", "--data", work.string(), "--to", target.string(), "--clients",
                                    "1,2,3,4,5,6", "--send"};
  };
  copyFolder(pristine, work);
  fs::create_directories(target);
  const auto full = timed(args());
  std::mt19937 random(std::random_device{}());
  for (int i = 0; i < kKills; ++i) {
    copyFolder(pristine, work);
    fs::remove_all(target);
    fs::create_directories(target);
    const auto delay = std::chrono::microseconds(std::uniform_int_distribution<int64_t>(0, full.count())(random));
    SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " us of " + std::to_string(full.count()));
    runAndKill(VELMORA_CLI_PATH, args(), delay);
    ASSERT_TRUE(registerOpens(work));
    const auto now = snapshotFiles(work);
    std::map<std::string, std::string> backup;
    for (const auto& e : fs::directory_iterator(target)) backup = snapshotFiles(e.path());
    for (int c = 1; c <= kClients; ++c)
      for (int n = 1; n <= kRecordings; ++n) {
        const std::string wav = clientFolderName(c) + "/" + recordingFileName(n, RecordingPrefix::Wv);
        const std::string bkp = clientFolderName(c) + "/" + recordingFileName(n, RecordingPrefix::Wv, "bkp");
        const bool inWorking = now.count(wav) && now.at(wav) == original.at(wav);
        const bool sentWhole = now.count(bkp) && backup.count(wav) && backup.at(wav) == original.at(wav);
        EXPECT_TRUE(inWorking || sentWhole) << wav;
        if (now.count(wav)) {
          EXPECT_EQ(now.at(wav), original.at(wav)) << wav;
        }
      }
  }
}

TEST(BackupKill, RestoreKilledAnywhereLeavesEachFileOldOrNew) {
  TempFolder root;
  const fs::path pristine = root / "pristine";
  const fs::path source = root / "source";
  ASSERT_TRUE(makeWorkingFolder(pristine, clients(22050)));
  ASSERT_TRUE(makeWorkingFolder(source, clients(33075)));  // other sounds, other register
  fs::create_directories(root / "target");
  ASSERT_EQ(runProcess(VELMORA_CLI_PATH, {"backup", "--data", source.string(), "--to", (root / "target").string()})
                .exitStatus, 0);
  fs::path backupFolder;
  for (const auto& e : fs::directory_iterator(root / "target")) backupFolder = e.path();
  const auto oldFiles = snapshotFiles(pristine);
  const auto newFiles = snapshotFiles(backupFolder);
  const fs::path work = root / "work";
  auto args = [&] {
    return std::vector<std::string>{"restore", "--data", work.string(), "--from", backupFolder.string()};
  };
  copyFolder(pristine, work);
  const auto full = timed(args());
  EXPECT_EQ(snapshotFiles(work).at(kRegisterFileName), newFiles.at(kRegisterFileName));
  std::mt19937 random(std::random_device{}());
  for (int i = 0; i < kKills; ++i) {
    copyFolder(pristine, work);
    const auto delay = std::chrono::microseconds(std::uniform_int_distribution<int64_t>(0, full.count())(random));
    SCOPED_TRACE("killed after " + std::to_string(delay.count()) + " us of " + std::to_string(full.count()));
    runAndKill(VELMORA_CLI_PATH, args(), delay);
    ASSERT_TRUE(registerOpens(work));
    const auto now = snapshotFiles(work);
    const std::string reg = now.at(kRegisterFileName);
    EXPECT_TRUE(reg == oldFiles.at(kRegisterFileName) || reg == newFiles.at(kRegisterFileName));
    for (const auto& [name, bytes] : oldFiles) {
      if (name == kRegisterFileName) continue;
      ASSERT_TRUE(now.count(name)) << name;
      const std::string copied = newFiles.count(name) ? newFiles.at(name) : std::string();
      EXPECT_TRUE(now.at(name) == bytes || now.at(name) == copied) << name;
    }
  }
}

}  // namespace
}  // namespace velmora
