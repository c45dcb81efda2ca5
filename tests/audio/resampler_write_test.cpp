// From 16-bit samples to a converted WAV file: clamping, the file written, and the
// failures that must leave nothing behind.
#include "audio/resampler_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "audio/wav_reader.h"
#include "core/message_ids.h"
#include "core/string_table.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

std::vector<int16_t> sine16(double amplitude, double frequencyHz, uint32_t rateHz, size_t count) {
  std::vector<int16_t> x(count);
  for (size_t i = 0; i < count; ++i)
    x[i] = static_cast<int16_t>(amplitude * std::sin(2.0 * std::numbers::pi * frequencyHz * i / rateHz));
  return x;
}

TEST(ToPcm16, ClampsToPlusMinus32767AndTruncatesTowardZero) {
  EXPECT_EQ(toPcm16(40000.0), 32767);
  EXPECT_EQ(toPcm16(32767.9), 32767);
  EXPECT_EQ(toPcm16(-32768.0), -32767);
  EXPECT_EQ(toPcm16(-1e9), -32767);
  EXPECT_EQ(toPcm16(1.99), 1);
  EXPECT_EQ(toPcm16(-1.99), -1);
  EXPECT_EQ(toPcm16(-0.5), 0);
  EXPECT_EQ(toPcm16(std::nan("")), 0);
}

TEST(ConvertPcm16, ASquareWaveAtFullScaleOvershootsAndIsClamped) {
  // The edges of a full-scale square wave ring above full scale after filtering.
  std::vector<int16_t> square(22050);
  for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 50) % 2 ? -32768 : 32767;
  const Pcm16Conversion c = convertPcm16(square, 22050, 44100);
  ASSERT_TRUE(c.ok());
  ASSERT_EQ(c.samples.size(), 44100u);
  EXPECT_GT(std::count(c.samples.begin(), c.samples.end(), int16_t{32767}), 0);
  EXPECT_GT(std::count(c.samples.begin(), c.samples.end(), int16_t{-32767}), 0);
  EXPECT_EQ(std::count(c.samples.begin(), c.samples.end(), int16_t{-32768}), 0);
}

TEST(ResampleAndWrite, WritesSixteenBitMonoAtTheTargetRate) {
  TempFolder dir;
  ScriptedInteraction ui;
  const std::vector<int16_t> x = sine16(20000.0, 440.0, 8000, 8000);
  ASSERT_EQ(resampleAndWrite(x, 8000, 11025, dir / "out.wav", ui), WriteOutcome::Written);
  EXPECT_TRUE(ui.shown.empty());
  const WavData wav = readWav(dir / "out.wav");
  ASSERT_EQ(wav.code, WavOk);
  EXPECT_EQ(wav.format, WaveFormat::pcm(11025));
  EXPECT_EQ(wav.samples.size(), 8000u * 441 / 320);
  const auto [lo, hi] = std::minmax_element(wav.samples.begin(), wav.samples.end());
  EXPECT_NEAR(*hi, 20000, 300);
  EXPECT_NEAR(*lo, -20000, 300);
}

TEST(ResampleAndWrite, FailuresShowTheConversionsTextAndWriteNothing) {
  TempFolder dir;
  ScriptedInteraction ui;
  const std::vector<int16_t> x = sine16(20000.0, 440.0, 32000, 3200);
  EXPECT_EQ(resampleAndWrite(x, 32000, 11025, dir / "out.wav", ui), WriteOutcome::Failed);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "No simple factors for ratio");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
  // The box speaks the chosen language: the text comes from the table by its id.
  StringTable::instance().setTranslations({{msg::NoSimpleFactors, "Sin factores simples para la razón"}});
  EXPECT_EQ(resampleAndWrite(x, 32000, 11025, dir / "out.wav", ui), WriteOutcome::Failed);
  StringTable::instance().clearTranslations();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].id, msg::NoSimpleFactors);
  EXPECT_EQ(ui.shown[1].text, "Sin factores simples para la razón");
}

TEST(ResampleAndWrite, CancelAndLimitCyclesShowNothingAndWriteNothing) {
  TempFolder dir;
  ScriptedInteraction ui;
  const std::vector<int16_t> x = sine16(20000.0, 440.0, 19000, 19000);

  ResampleOptions cancelling;
  cancelling.progress = [](int step) { return step < 40; };
  EXPECT_EQ(resampleAndWrite(x, 19000, 22050, dir / "a.wav", ui, cancelling), WriteOutcome::Cancelled);

  ResampleOptions sharp;
  sharp.design.passbandEdgeFraction = 0.998;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(resampleAndWrite(x, 19000, 22050, dir / "b.wav", ui, sharp), WriteOutcome::Failed);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Filter will suffer from limit cycles...\n");

  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));  // not even a temporary file
}

TEST(ResampleAndWrite, AnUnwritableTargetShowsMessage210) {
  TempFolder dir;
  ScriptedInteraction ui;
  const std::vector<int16_t> x = sine16(20000.0, 440.0, 8000, 800);
  const auto target = dir / "missing" / "out.wav";
  EXPECT_EQ(resampleAndWrite(x, 8000, 11025, target, ui), WriteOutcome::Failed);
  EXPECT_EQ(ui.shownIds(), std::vector<int>{210});
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace velmora
