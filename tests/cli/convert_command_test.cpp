// velmora-cli convert reads its input a block at a time and keeps long stage values in
// temporary files: its output must still be, sample for sample, the whole-signal conversion
// of the chosen channel, and the output's folder must hold nothing else afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "audio/resampler.h"
#include "audio/resampler_write.h"
#include "audio/stereo_reduction.h"
#include "audio/wav_reader.h"
#include "fakes/run_process.h"
#include "fakes/temp_folder.h"
#include "fakes/wav_bytes.h"

namespace velmora {
namespace {

using namespace velmora::testing;
namespace fs = std::filesystem;

TEST(ConvertCommand, GivesTheWholeSignalConversionOfTheChosenChannel) {
  TempFolder dir;
  // Different content in each channel, loud enough to clip after filtering; an odd frame
  // count past the command's read block and past what a stage keeps in memory.
  constexpr size_t kFrames = 700001;
  std::vector<int16_t> interleaved(2 * kFrames);
  for (size_t i = 0; i < kFrames; ++i) {
    const double t = static_cast<double>(i) / 48000.0;
    interleaved[2 * i] = static_cast<int16_t>(32767.0 * std::sin(2.0 * M_PI * 180.0 * t) * std::sin(0.7 * t));
    interleaved[2 * i + 1] = static_cast<int16_t>(i % 97 < 48 ? 32767 : -32768);
  }
  dir.writeBytes("in.wav", pcmWav(interleaved, 48000, 2));

  for (const auto& [name, choice] : {std::pair{"left", StereoChoice::Left}, std::pair{"right", StereoChoice::Right},
                                     std::pair{"mix", StereoChoice::Mix}}) {
    SCOPED_TRACE(name);
    const fs::path out = dir / (std::string(name) + ".wav");
    const ProcessResult r = runProcess(
        VELMORA_CLI_PATH, {"convert", (dir / "in.wav").string(), out.string(), "--rate", "44100", "--channel", name});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    const WavData written = readWav(out);
    ASSERT_EQ(written.code, WavOk);

    const std::vector<int16_t> mono = reduceStereo(interleaved, choice);
    const ResampleResult whole = resample(std::vector<double>(mono.begin(), mono.end()), 48000, 44100);
    ASSERT_TRUE(whole.ok());
    ASSERT_EQ(written.samples.size(), whole.samples.size());
    size_t differing = 0;
    for (size_t i = 0; i < whole.samples.size(); ++i) differing += written.samples[i] != toPcm16(whole.samples[i]);
    EXPECT_EQ(differing, 0u);
  }
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"in.wav", "left.wav", "mix.wav", "right.wav"}));
}

}  // namespace
}  // namespace velmora
