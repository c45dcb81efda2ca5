// velmora-cli f0: the F0 track of a WAV file as time,f0 lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/f0_track.h"
#include "fakes/harmonic_tone.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string expectedOutput(const std::vector<int16_t>& mono, int rate) {
  F0Track track;
  track.compute(mono.data(), mono.size(), rate);
  std::string out = "time,f0\n";
  char line[64];
  for (size_t i = 0; i < track.count(); ++i) {
    std::snprintf(line, sizeof line, "%.6f,%.2f\n", static_cast<double>(i) / 90.0, track.values()[i]);
    out += line;
  }
  return out;
}

TEST(CliF0, PrintsOneLinePerValueWithTimesAtNinetyPerSecond) {
  TempFolder dir;
  const std::vector<int16_t> samples = harmonicTone(160.0, 22050, 2.0);
  dir.writeBytes("t.wav", pcmWav(samples, 22050, 1));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "t.wav").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, expectedOutput(samples, 22050));
  const std::vector<std::string> rows = lines(r.out);
  ASSERT_EQ(rows.size(), 181u);  // header + 2 s x 90
  EXPECT_EQ(rows[0], "time,f0");
  EXPECT_EQ(rows[91].substr(0, 9), "1.000000,");
  EXPECT_EQ(rows[100].substr(0, 9), "1.100000,");
  // The middle of a steady tone is voiced at its pitch, printed with two decimals.
  const double f0 = std::stod(rows[90].substr(rows[90].find(',') + 1));
  EXPECT_NEAR(f0, 160.0, 3.0);
  EXPECT_EQ(rows[90].size() - rows[90].find('.', rows[90].find(',')), 3u);
}

TEST(CliF0, StereoIsMixedToMono) {
  TempFolder dir;
  const std::vector<int16_t> left = harmonicTone(210.0, 11025, 1.5);
  std::vector<int16_t> interleaved;
  std::vector<int16_t> mixed;
  for (int16_t v : left) {
    interleaved.push_back(v);
    interleaved.push_back(static_cast<int16_t>(v / 3));
    mixed.push_back(static_cast<int16_t>((v + v / 3) / 2));
  }
  dir.writeBytes("s.wav", pcmWav(interleaved, 11025, 2));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "s.wav").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, expectedOutput(mixed, 11025));
}

TEST(CliF0, OtherRatesAreAnalysedAtTheirOwnRate) {
  TempFolder dir;
  const std::vector<int16_t> samples = harmonicTone(180.0, 16000, 1.0);
  dir.writeBytes("r.wav", pcmWav(samples, 16000, 1));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "r.wav").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, expectedOutput(samples, 16000));
  EXPECT_EQ(lines(r.out).size(), 91u);
}

TEST(CliF0, RefusesWhatItCannotAnalyse) {
  TempFolder dir;
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "none.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("error 57600: ", 0), 0u) << r.err;

  dir.writeBytes("eight.wav", riffWave(chunk("fmt ", fmtBody(1, 1, 11025, 8)) + chunk("data", std::string(100, '\x80'))));
  r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "eight.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_NE(r.err.find("16-bit"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  dir.writeBytes("slow.wav", pcmWav(std::vector<int16_t>(3000, 0), 3000, 1));
  r = runProcess(VELMORA_CLI_PATH, {"f0", (dir / "slow.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_NE(r.err.find("too low"), std::string::npos) << r.err;

  r = runProcess(VELMORA_CLI_PATH, {"f0"});
  EXPECT_EQ(r.exitStatus, 1);
}

}  // namespace
}  // namespace velmora
