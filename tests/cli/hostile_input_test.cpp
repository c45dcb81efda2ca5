// The damaged-WAV corpus through every command that reads a recording, each run under a
// memory and CPU limit: no crash, a non-zero status with an "error" line exactly when the
// command refuses, and every refusal of a file the reader or the input check turns away.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_corpus.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

// 1.5 GB of address space and 20 s of CPU: a lying header must not get near either. Under
// AddressSanitizer, whose shadow memory needs terabytes of address space, the bound is its
// own: the process is stopped once it holds more than 1.5 GB.
#ifdef VELMORA_CLI_SANITIZED
constexpr const char* kLimits =
    "ulimit -t 20 && ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}hard_rss_limit_mb=1500\" exec \"$0\" \"$@\"";
#else
constexpr const char* kLimits = "ulimit -v 1500000 && ulimit -t 20 && exec \"$0\" \"$@\"";
#endif

ProcessResult runLimited(const std::vector<std::string>& args) {
  std::vector<std::string> shellArgs{"-c", kLimits, VELMORA_CLI_PATH};
  shellArgs.insert(shellArgs.end(), args.begin(), args.end());
  return runProcess("/bin/sh", shellArgs);
}

bool hasErrorLine(const std::string& err) { return err.rfind("error", 0) == 0 || err.find("\nerror") != std::string::npos; }

TEST(CliHostileInput, EveryCommandHoldsOnTheCorpus) {
  TempFolder dir;
  const std::vector<CorpusFile> corpus = hostileWavCorpus();
  int runs = 0;
  for (const CorpusFile& file : corpus) {
    SCOPED_TRACE(file.name);
    const std::string in = (dir / (file.name + ".wav")).string();
    dir.writeBytes(file.name + ".wav", file.bytes);
    const std::string converted = (dir / (file.name + "-44100.wav")).string();
    const std::string png = (dir / (file.name + ".png")).string();
    const std::vector<std::vector<std::string>> commands{
        {"info", in},     {"convert", in, converted, "--rate", "44100"}, {"f0", in}, {"formants", in},
        {"ltas", in},     {"spectrogram", in, "--png", png},             {"voice-report", in, "--csv"}};
    for (const auto& command : commands) {
      SCOPED_TRACE(command[0]);
      const auto start = std::chrono::steady_clock::now();
      const ProcessResult r = runLimited(command);
      ++runs;
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
      ASSERT_GE(r.exitStatus, 0) << "killed by a signal\n" << r.err;
      EXPECT_EQ(r.exitStatus != 0, hasErrorLine(r.err)) << r.exitStatus << "\n" << r.err;
      const bool isInfo = command[0] == "info";
      if (!file.readable) {
        EXPECT_EQ(r.exitStatus, 2);
        EXPECT_EQ(r.err.rfind("error 576", 0), 0u) << r.err;
      } else if (!file.usable && !isInfo) {
        EXPECT_EQ(r.exitStatus, 2);
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
      } else if (file.longEnough || isInfo) {
        EXPECT_EQ(r.exitStatus, 0) << r.err;
      }
    }
    // A refused conversion writes nothing; an accepted one a mono 44100 Hz file.
    const ProcessResult info = runProcess(VELMORA_CLI_PATH, {"info", converted});
    if (file.usable) {
      EXPECT_EQ(info.out.rfind("rate: 44100\nchannels: 1\nbits: 16\n", 0), 0u) << info.out << info.err;
    } else {
      EXPECT_FALSE(fs::exists(converted));
      EXPECT_FALSE(fs::exists(png));
    }
  }
  EXPECT_EQ(runs, static_cast<int>(corpus.size()) * 7);
}

}  // namespace
}  // namespace velmora
