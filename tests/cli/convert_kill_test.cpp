// velmora-cli convert killed (SIGKILL) at random moments: the output is absent, old or new,
// never partial, and no temporary file stays beside it. What stands at the output path and
// is not a regular file is never replaced.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "fakes/harmonic_tone.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 16;

std::vector<std::string> folderNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ConvertKill, KilledAnywhereLeavesAbsentOldOrNewAndNoTemporaryFile) {
  TempFolder dir;
  // Twenty seconds of stereo at 48000 Hz: long enough to be caught while writing.
  const std::vector<int16_t> tone = harmonicTone(150.0, 48000, 20.0);
  dir.writeBytes("in.wav", pcmWav(tone, 48000, 2));
  const std::string in = (dir / "in.wav").string();
  const std::string out = (dir / "out.wav").string();
  const std::vector<std::string> args{"convert", in, out, "--rate", "22050"};

  const auto start = Clock::now();
  ASSERT_EQ(runProcess(VELMORA_CLI_PATH, args).exitStatus, 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  const std::string fresh = dir.readBytes("out.wav");
  const std::string old = pcmWav(std::vector<int16_t>(100, 7), 22050, 1);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<int64_t> moment(0, whole.count() * 11 / 10);
  int sawOld = 0, sawNew = 0, sawAbsent = 0;
  for (int i = 0; i < kKills; ++i) {
    const bool startsAbsent = i % 2 == 0;
    fs::remove(out);
    if (!startsAbsent) dir.writeBytes("out.wav", old);
    runAndKill(VELMORA_CLI_PATH, args, std::chrono::microseconds(moment(random)));
    const std::vector<std::string> expectedNames = fs::exists(out) ? std::vector<std::string>{"in.wav", "out.wav"}
                                                                    : std::vector<std::string>{"in.wav"};
    EXPECT_EQ(folderNames(dir.path()), expectedNames) << "kill " << i;
    if (!fs::exists(out)) {
      EXPECT_TRUE(startsAbsent) << "kill " << i;
      ++sawAbsent;
      continue;
    }
    const std::string now = dir.readBytes("out.wav");
    if (now == fresh) {
      ++sawNew;
    } else {
      EXPECT_FALSE(startsAbsent) << "kill " << i;
      EXPECT_EQ(now, old) << "kill " << i << ": a partial file";
      ++sawOld;
    }
  }
  EXPECT_EQ(sawOld + sawNew + sawAbsent, kKills);
  std::printf("kills: %d absent, %d old, %d new (whole run %lld us)\n", sawAbsent, sawOld, sawNew,
              static_cast<long long>(whole.count()));
}

TEST(ConvertKill, ALeftoverOfAKilledWriteIsRemovedByTheNextWrite) {
  TempFolder dir;
  dir.writeBytes("in.wav", pcmWav(harmonicTone(150.0, 11025, 0.5), 11025, 1));
  dir.writeBytes(".out.wav.tmp-Ab12Cd", "left by a writer killed between naming and renaming");
  dir.writeBytes(".other.wav.tmp-Ab12Cd", "another file's: not ours to remove");
  dir.writeBytes(".out.wav.backup", "the user's own: not ours to remove");
  const ProcessResult r =
      runProcess(VELMORA_CLI_PATH, {"convert", (dir / "in.wav").string(), (dir / "out.wav").string(), "--rate", "22050"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{".other.wav.tmp-Ab12Cd", ".out.wav.backup", "in.wav", "out.wav"}));
  EXPECT_EQ(fs::status(dir / "out.wav").permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ConvertKill, OnlyARegularFileIsReplaced) {
  TempFolder dir;
  dir.writeBytes("in.wav", pcmWav(harmonicTone(150.0, 11025, 0.5), 11025, 1));
  dir.writeBytes("precious.txt", "keep");
  fs::create_symlink(dir / "precious.txt", dir / "link.wav");
  ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0600), 0);
  for (const std::string& target : {(dir / "link.wav").string(), (dir / "pipe.wav").string(), std::string("/dev/null")}) {
    // Refused before the input is even read: a missing input is not what is reported.
    for (const std::string& input : {(dir / "in.wav").string(), (dir / "missing.wav").string()}) {
      const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"convert", input, target, "--rate", "22050"});
      EXPECT_EQ(r.exitStatus, 4) << target;
      EXPECT_NE(r.err.find("is not a regular file"), std::string::npos) << r.err;
    }
  }
  EXPECT_TRUE(fs::is_symlink(dir / "link.wav"));
  EXPECT_EQ(dir.readBytes("precious.txt"), "keep");
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.wav"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"in.wav", "link.wav", "pipe.wav", "precious.txt"}));

  // A regular file is replaced, and the new file is dated when it was written, not when the
  // file it replaced was.
  dir.writeBytes("old.wav", "an old file");
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 20);
  fs::last_write_time(dir / "old.wav", longAgo);
  const ProcessResult r =
      runProcess(VELMORA_CLI_PATH, {"convert", (dir / "in.wav").string(), (dir / "old.wav").string(), "--rate", "22050"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(dir.readBytes("old.wav"), "an old file");
  EXPECT_GT(fs::last_write_time(dir / "old.wav"), fs::file_time_type::clock::now() - std::chrono::hours(1));
}

}  // namespace
}  // namespace velmora
