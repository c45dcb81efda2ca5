// velmora-cli formants: the formant track of a WAV file as time,f1,f2,f3,f4 lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/formant_track.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

// A 120 Hz pulse train through resonators at 700, 1200, 2500, 3500 and 4000 Hz.
std::vector<int16_t> vowel(int rate, double seconds) {
  const size_t n = static_cast<size_t>(seconds * rate);
  std::vector<double> x(n, 0.0);
  for (double p = 0.0; p < static_cast<double>(n); p += rate / 120.0) x[static_cast<size_t>(p)] = 1.0;
  for (const auto& [f, b] : {std::pair{700.0, 80.0}, {1200.0, 100.0}, {2500.0, 150.0}, {3500.0, 200.0}, {4000.0, 250.0}}) {
    const double r = std::exp(-std::numbers::pi * b / rate);
    const double c1 = 2.0 * r * std::cos(2.0 * std::numbers::pi * f / rate), c2 = -r * r;
    double y1 = 0.0, y2 = 0.0;
    for (double& v : x) {
      const double y = v + c1 * y1 + c2 * y2;
      y2 = y1;
      y1 = y;
      v = y;
    }
  }
  double peak = 0.0;
  for (double v : x) peak = std::max(peak, std::abs(v));
  std::vector<int16_t> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<int16_t>(std::lround(x[i] / peak * 15000.0));
  return out;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string expectedOutput(const std::vector<int16_t>& mono, int rate) {
  FormantTrack track;
  track.compute(mono.data(), mono.size(), rate);
  std::string out = "time,f1,f2,f3,f4\n";
  char line[128];
  for (const FormantFrame& f : track.frames()) {
    std::snprintf(line, sizeof line, "%.6f,%.1f,%.1f,%.1f,%.1f\n", f.startSample / 10000.0, f.f1Hz, f.f2Hz, f.f3Hz, f.f4Hz);
    out += line;
  }
  return out;
}

TEST(CliFormants, OneLinePerFrameAsTheViewComputesIt) {
  TempFolder dir;
  const std::vector<int16_t> samples = vowel(22050, 1.0);
  dir.writeBytes("v.wav", pcmWav(samples, 22050, 1));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"formants", (dir / "v.wav").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, expectedOutput(samples, 22050));
  const std::vector<std::string> rows = lines(r.out);
  ASSERT_EQ(rows.size(), 97u);  // header + 96 frames of 49 ms every 10 ms in one second
  EXPECT_EQ(rows[0], "time,f1,f2,f3,f4");
  EXPECT_EQ(rows[1].substr(0, 9), "0.000000,");
  EXPECT_EQ(rows[51].substr(0, 9), "0.500000,");
  double f1 = 0.0, f2 = 0.0, f3 = 0.0, f4 = 0.0, t = 0.0;
  ASSERT_EQ(std::sscanf(rows[50].c_str(), "%lf,%lf,%lf,%lf,%lf", &t, &f1, &f2, &f3, &f4), 5);
  EXPECT_NEAR(f1, 700.0, 56.0);
  EXPECT_NEAR(f2, 1200.0, 96.0);
  EXPECT_NEAR(f3, 2500.0, 200.0);
  EXPECT_NEAR(f4, 3500.0, 280.0);
}

TEST(CliFormants, StereoIsMixedToMono) {
  TempFolder dir;
  const std::vector<int16_t> left = vowel(11025, 0.6);
  std::vector<int16_t> interleaved, mixed;
  for (int16_t v : left) {
    interleaved.push_back(v);
    interleaved.push_back(static_cast<int16_t>(-v / 2));
    mixed.push_back(static_cast<int16_t>((v + -v / 2) / 2));
  }
  dir.writeBytes("s.wav", pcmWav(interleaved, 11025, 2));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"formants", (dir / "s.wav").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, expectedOutput(mixed, 11025));
}

TEST(CliFormants, ShortFilesGiveOnlyTheHeaderAndBadOnesAnError) {
  TempFolder dir;
  dir.writeBytes("short.wav", pcmWav(std::vector<int16_t>(2000, 300), 44100, 1));  // 453 samples at 10 kHz
  ProcessResult r = runProcess(VELMORA_CLI_PATH, {"formants", (dir / "short.wav").string()});
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "time,f1,f2,f3,f4\n");

  r = runProcess(VELMORA_CLI_PATH, {"formants", (dir / "none.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("error 57600: ", 0), 0u) << r.err;

  dir.writeBytes("slow.wav", pcmWav(std::vector<int16_t>(8000, 0), 8000, 1));
  r = runProcess(VELMORA_CLI_PATH, {"formants", (dir / "slow.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_NE(r.err.find("10000 Hz"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");

  r = runProcess(VELMORA_CLI_PATH, {"formants"});
  EXPECT_EQ(r.exitStatus, 1);
}

}  // namespace
}  // namespace velmora
