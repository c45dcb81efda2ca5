// velmora-cli spectrogram (a PNG of the engine's picture) and ltas (frequency,level lines).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/power_spectrum.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;

std::vector<int16_t> sine(double hz, int rate, size_t count) {
  std::vector<int16_t> s(count);
  for (size_t i = 0; i < count; ++i)
    s[i] = static_cast<int16_t>(std::lround(8000.0 * std::sin(2.0 * std::numbers::pi * hz * double(i) / rate)));
  return s;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

uint32_t bigEndian32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
  return v;
}

class SpectrogramCommand : public ::testing::Test {
 protected:
  void SetUp() override { folder.writeBytes("tone.wav", pcmWav(sine(1000.0, 11025, 11025), 11025)); }
  TempFolder folder;
};

TEST_F(SpectrogramCommand, WritesAPngOfThePaneSize) {
  const std::string png = (folder / "out.png").string();
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"spectrogram", (folder / "tone.wav").string(), "--png", png,
                                                        "--width", "200", "--height", "120", "--scheme", "0"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  const std::string bytes = folder.readBytes("out.png");
  ASSERT_GT(bytes.size(), 33u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(bigEndian32(bytes, 16), 200u);
  EXPECT_EQ(bigEndian32(bytes, 20), 120u);
}

TEST_F(SpectrogramCommand, DefaultSizeAndStereoInput) {
  std::vector<int16_t> stereo;
  for (int16_t v : sine(500.0, 44100, 44100)) {
    stereo.push_back(v);
    stereo.push_back(static_cast<int16_t>(-v / 2));
  }
  folder.writeBytes("stereo.wav", pcmWav(stereo, 44100, 2));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"spectrogram", (folder / "stereo.wav").string(), "--png",
                                                        (folder / "s.png").string()});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  const std::string bytes = folder.readBytes("s.png");
  EXPECT_EQ(bigEndian32(bytes, 16), 800u);
  EXPECT_EQ(bigEndian32(bytes, 20), 300u);
}

TEST_F(SpectrogramCommand, RefusesBadInputWithoutWriting) {
  const std::string wav = (folder / "tone.wav").string();
  const std::string png = (folder / "bad.png").string();
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"spectrogram", wav}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"spectrogram", wav, "--png", png, "--scheme", "3"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"spectrogram", wav, "--png", png, "--width", "0"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"spectrogram", wav, "--png", png, "--band", "ten"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"spectrogram", wav, "--png", png, "--limit"}).exitStatus, 1);
  const ProcessResult missing =
      runProcess(VELMORA_CLI_PATH, {"spectrogram", (folder / "none.wav").string(), "--png", png});
  EXPECT_EQ(missing.exitStatus, 2);
  EXPECT_NE(missing.err.find("error 57600"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(png));
  const ProcessResult unwritable =
      runProcess(VELMORA_CLI_PATH, {"spectrogram", wav, "--png", (folder / "no" / "such" / "x.png").string()});
  EXPECT_EQ(unwritable.exitStatus, 3);
}

TEST(LtasCommand, PrintsEveryBinAsTheEngineComputesIt) {
  TempFolder folder;
  const std::vector<int16_t> tone = sine(1000.0, 11025, 11025);
  folder.writeBytes("tone.wav", pcmWav(tone, 11025));
  for (bool rect : {false, true}) {
    SCOPED_TRACE(rect);
    std::vector<std::string> args = {"ltas", (folder / "tone.wav").string(), "--fft", "256"};
    if (rect) args.push_back("--rect");
    const ProcessResult r = runProcess(VELMORA_CLI_PATH, args);
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 129u);
    EXPECT_EQ(out[0], "frequency,level");

    PowerSpectrum expected;
    ASSERT_TRUE(expected.setFftSize(256));
    expected.setWindowOn(!rect);
    expected.compute(tone.data(), static_cast<int64_t>(tone.size()));
    const std::regex format(R"(\d+\.\d,-?\d+\.\d\d)");
    size_t loudest = 1;
    for (size_t b = 0; b < 128; ++b) {
      const std::string& line = out[b + 1];
      ASSERT_TRUE(std::regex_match(line, format)) << line;
      char text[64];
      std::snprintf(text, sizeof text, "%.1f,%.2f", b * 11025.0 / 256, expected.current()[b]);
      EXPECT_EQ(line, text);
      if (expected.current()[b] > expected.current()[loudest]) loudest = b;
    }
    EXPECT_EQ(loudest, 23u);  // 1000 Hz at 43.07 Hz per bin
  }
}

TEST(LtasCommand, RefusesABadFftSizeAndMissingFiles) {
  TempFolder folder;
  folder.writeBytes("tone.wav", pcmWav(sine(1000.0, 11025, 2000), 11025));
  const std::string wav = (folder / "tone.wav").string();
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"ltas", wav, "--fft", "300"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"ltas", wav, "--fft"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"ltas"}).exitStatus, 1);
  EXPECT_EQ(runProcess(VELMORA_CLI_PATH, {"ltas", (folder / "none.wav").string()}).exitStatus, 2);
  // Shorter than one frame: nothing is measured, so no levels are printed and the command
  // fails (it used to print 0 dB in every bin and succeed). One frame exactly is measured.
  folder.writeBytes("short.wav", pcmWav(sine(1000.0, 11025, 100), 11025));
  const ProcessResult r = runProcess(VELMORA_CLI_PATH, {"ltas", (folder / "short.wav").string()});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "error: the recording holds 100 samples, fewer than one 512-sample analysis frame; no spectrum could be "
            "computed\n");
  folder.writeBytes("frame.wav", pcmWav(sine(1000.0, 11025, 512), 11025));
  const ProcessResult one = runProcess(VELMORA_CLI_PATH, {"ltas", (folder / "frame.wav").string()});
  ASSERT_EQ(one.exitStatus, 0) << one.err;
  ASSERT_EQ(lines(one.out).size(), 257u);
}

}  // namespace
}  // namespace velmora
