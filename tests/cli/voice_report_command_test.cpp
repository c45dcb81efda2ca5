// velmora-cli voice-report: a span of a steady tone as name,value,unit CSV, silence as "no
// periods", and a too short span refused.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/harmonic_tone.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

std::string valueOf(const std::string& csv, const std::string& name) {
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);)
    if (line.rfind(name + ",", 0) == 0) return line.substr(name.size() + 1);
  return "(missing)";
}

TEST(CliVoiceReport, ReportsASpanOfASteadyToneAsCsv) {
  TempFolder dir;
  dir.writeBytes("t.wav", pcmWav(harmonicTone(200.0, 22050, 2.0), 22050, 1));
  const ProcessResult r =
      runProcess(VELMORA_CLI_PATH, {"voice-report", (dir / "t.wav").string(), "--start", "0.5", "--end", "1.5", "--csv"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "name,value,unit");
  EXPECT_EQ(valueOf(r.out, "start"), "0.500,s");
  EXPECT_EQ(valueOf(r.out, "end"), "1.500,s");
  const std::string periods = valueOf(r.out, "periods");
  ASSERT_NE(periods, "(missing)");
  EXPECT_NEAR(std::stod(periods), 199.0, 3.0);
  EXPECT_NEAR(std::stod(valueOf(r.out, "f0_median")), 200.0, 2.0);
  EXPECT_LT(std::stod(valueOf(r.out, "jitter_local")), 0.05);
  EXPECT_EQ(valueOf(r.out, "hnr").substr(valueOf(r.out, "hnr").find(',')), ",dB");
}

TEST(CliVoiceReport, SilenceHasNoPeriodsAndAShortSpanIsRefused) {
  TempFolder dir;
  dir.writeBytes("quiet.wav", pcmWav(std::vector<int16_t>(22050, 0), 22050, 1));
  const ProcessResult quiet = runProcess(VELMORA_CLI_PATH, {"voice-report", (dir / "quiet.wav").string(), "--csv"});
  EXPECT_EQ(quiet.exitStatus, 0) << quiet.err;
  EXPECT_NE(quiet.err.find("no periods"), std::string::npos);
  EXPECT_EQ(valueOf(quiet.out, "jitter_local"), ",%");

  dir.writeBytes("t.wav", pcmWav(harmonicTone(100.0, 22050, 1.0), 22050, 1));
  const ProcessResult shortSpan =
      runProcess(VELMORA_CLI_PATH, {"voice-report", (dir / "t.wav").string(), "--start", "0.5", "--end", "0.52"});
  EXPECT_EQ(shortSpan.exitStatus, 2);
  EXPECT_NE(shortSpan.err.find("shorter than three periods"), std::string::npos);
  EXPECT_TRUE(shortSpan.out.empty());
}

}  // namespace
}  // namespace velmora
