// The F0 and formant overlays of an opened recording are computed off the UI thread: the
// spectrogram is there at once, the tracks arrive as the engines compute them, and a
// recording closed or replaced meanwhile never gets the tracks of the one before.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <cmath>
#include <thread>

#include "analysis/f0_track.h"
#include "analysis/formant_track.h"
#include "analysis/power_spectrum.h"
#include "audio/wav_writer.h"
#include "fakes/scripted_interaction.h"
#include "fakes/temp_folder.h"
#include "presentation/command_ids.h"
#include "view/analysis_view.h"
#include "view/sample_snapshot.h"

namespace velmora {
namespace {

using testing::ScriptedInteraction;
using testing::TempFolder;

// A vowel-like buzz on `f0Hz` (gliding a little) with a pause every second, so both tracks
// have voiced and silent stretches.
std::vector<int16_t> vowel(int rate, double seconds, double f0Hz) {
  std::vector<double> gains;
  for (int h = 1; h * f0Hz < 4000; ++h) {
    const double f = h * f0Hz;
    gains.push_back(1.0 / (1 + std::pow((f - 700) / 150, 2)) + 0.5 / (1 + std::pow((f - 1200) / 200, 2)));
  }
  std::vector<int16_t> out(static_cast<size_t>(rate * seconds));
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    if (std::fmod(t, 1.0) > 0.8) continue;
    phase += 2 * M_PI * f0Hz * (1 + 0.05 * std::sin(2 * M_PI * 0.5 * t)) / rate;
    double v = 0;
    for (size_t h = 0; h < gains.size(); ++h) v += gains[h] * std::sin(static_cast<double>(h + 1) * phase);
    out[i] = static_cast<int16_t>(std::clamp(v * 8000, -32000.0, 32000.0));
  }
  return out;
}

void expectSameFormants(const FormantTrack& shown, const FormantTrack& direct) {
  ASSERT_EQ(shown.frameCount(), direct.frameCount());
  for (int i = 0; i < direct.frameCount(); ++i) {
    const FormantFrame& a = shown.frames()[static_cast<size_t>(i)];
    const FormantFrame& b = direct.frames()[static_cast<size_t>(i)];
    ASSERT_EQ(a.f1Hz, b.f1Hz) << "frame " << i;
    ASSERT_EQ(a.f2Hz, b.f2Hz) << "frame " << i;
    ASSERT_EQ(a.f3Hz, b.f3Hz) << "frame " << i;
    ASSERT_EQ(a.f4Hz, b.f4Hz) << "frame " << i;
    ASSERT_EQ(a.startSample, b.startSample) << "frame " << i;
  }
}

class OverlayAnalysesTest : public ::testing::Test {
 protected:
  OverlayAnalysesTest() : view(ViewStartSettings{}, ui) {
    view.resize(1024, 700);
    QObject::connect(&view, &AnalysisView::statusTextRequested, &view,
                     [this](const QString& text) { texts.push_back(text); });
    view.display().setShowF0(true);
    view.display().setShowFormants(true);
  }

  std::filesystem::path write(const std::string& name, const std::vector<int16_t>& samples, uint32_t rate) {
    const auto path = folder.path() / name;
    EXPECT_TRUE(writeWavFile(path, WaveFormat::pcm(rate), samples.data(), samples.size() * 2));
    return path;
  }
  bool waitForAnalyses() {
    return QTest::qWaitFor([this] { return !view.display().analysing(); }, 20000);
  }
  // The overlays shown are the engines' own tracks of these 22050 Hz samples.
  void expectTracksOf(const std::vector<int16_t>& samples) {
    F0Track f0;
    f0.compute(samples.data(), samples.size(), 22050);
    ASSERT_NE(view.scene().f0Values, nullptr);
    EXPECT_EQ(*view.scene().f0Values, f0.values());
    FormantTrack formants;
    formants.compute(samples.data(), samples.size(), 22050);
    ASSERT_NE(view.scene().formants, nullptr);
    expectSameFormants(*view.scene().formants, formants);
  }

  TempFolder folder;
  ScriptedInteraction ui;
  AnalysisView view;
  std::vector<QString> texts;
};

TEST_F(OverlayAnalysesTest, TheOverlaysArriveLaterAndEqualTheEnginesOwnTracks) {
  const std::vector<int16_t> samples = vowel(22050, 12, 150);
  ASSERT_TRUE(view.openRecordingByPath(write("vowel.wav", samples, 22050)));
  // The picture is there at once; the tracks are on their way.
  EXPECT_FALSE(view.scene().spectrogram.isNull());
  EXPECT_TRUE(view.display().analysing());
  EXPECT_EQ(view.scene().f0Values, nullptr);
  EXPECT_EQ(view.scene().formants, nullptr);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), "Calculating F0...");

  ASSERT_TRUE(waitForAnalyses());
  EXPECT_EQ(texts.back(), "");
  const ViewScene scene = view.scene();
  ASSERT_NE(scene.f0Values, nullptr);
  ASSERT_NE(scene.formants, nullptr);
  F0Track f0;
  f0.compute(samples.data(), samples.size(), 22050);
  ASSERT_GT(std::count_if(f0.values().begin(), f0.values().end(), [](float v) { return v > 0; }), 500);
  EXPECT_EQ(*scene.f0Values, f0.values());
  FormantTrack formants;
  ASSERT_GT(formants.compute(samples.data(), samples.size(), 22050), 1000);
  expectSameFormants(*scene.formants, formants);
}

TEST_F(OverlayAnalysesTest, ARecordingClosedWhileItsTracksRunNeverGetsThemNorDoesTheNextOne) {
  const auto first = write("long.wav", vowel(22050, 40, 120), 22050);
  const std::vector<int16_t> next = vowel(22050, 3, 260);
  const auto second = write("next.wav", next, 22050);

  ASSERT_TRUE(view.openRecordingByPath(first));
  ASSERT_TRUE(view.display().analysing());
  view.closeRecording();
  EXPECT_FALSE(view.display().analysing());
  EXPECT_EQ(texts.back(), "");
  QTest::qWait(50);
  EXPECT_EQ(view.scene().f0Values, nullptr);
  EXPECT_EQ(view.scene().formants, nullptr);

  // Replaced while running: the long recording's tracks (3600 F0 values) never reach the
  // short one (270).
  ASSERT_TRUE(view.openRecordingByPath(first));
  ASSERT_TRUE(view.display().analysing());
  ASSERT_TRUE(view.openRecordingByPath(second));
  ASSERT_TRUE(waitForAnalyses());
  QTest::qWait(50);  // anything the dropped workers posted has been handled
  expectTracksOf(next);
  EXPECT_EQ(ui.shown.size(), 0u);
}

TEST_F(OverlayAnalysesTest, AnEditRightAfterOpeningGivesTheTracksOfTheEditedSamples) {
  // The workers copy the samples themselves: the cut comes while they may still be copying
  // (or have not begun), and must neither tear their copy nor leave the old tracks.
  const std::vector<int16_t> samples = vowel(22050, 30, 120);
  ASSERT_TRUE(view.openRecordingByPath(write("long.wav", samples, 22050)));
  ASSERT_TRUE(view.display().analysing());
  constexpr int32_t kCut = 22050 * 8;
  view.document().select(0, kCut);
  view.editCommand(cmd::Cut);
  ASSERT_EQ(view.document().sampleCount(), static_cast<int32_t>(samples.size()) - kCut);
  ASSERT_TRUE(waitForAnalyses());
  QTest::qWait(50);
  expectTracksOf(std::vector<int16_t>(samples.begin() + kCut, samples.end()));
}

TEST(SampleSnapshot, AWorkerGetsTheSamplesAsTheyWereOrNothingNeverAHalfChangedCopy) {
  for (int round = 0; round < 1000; ++round) {
    std::vector<int16_t> source(100000, 7);
    SampleSnapshot snapshot(source);
    std::shared_ptr<const std::vector<int16_t>> seen;
    std::thread worker([&] { seen = snapshot.get(); });
    const bool copied = snapshot.release();
    // The edit, then the samples freed, once the snapshot let go.
    std::fill(source.begin(), source.end(), int16_t{-1});
    std::vector<int16_t>().swap(source);
    worker.join();
    ASSERT_EQ(seen != nullptr, copied) << "round " << round;
    if (!seen) continue;
    ASSERT_EQ(seen->size(), 100000u);
    ASSERT_TRUE(std::all_of(seen->begin(), seen->end(), [](int16_t v) { return v == 7; })) << "round " << round;
    EXPECT_EQ(snapshot.get(), seen);  // the same copy for every worker
  }
}

TEST_F(OverlayAnalysesTest, ThePowerSpectrumArrivesLaterAndIsThatOfTheRecordingShown) {
  view.display().setShowF0(false);
  view.display().setShowFormants(false);
  const std::vector<int16_t> next = vowel(22050, 3, 260);
  const auto first = write("long.wav", vowel(22050, 40, 120), 22050);
  const auto second = write("next.wav", next, 22050);
  ASSERT_TRUE(view.openRecordingByPath(second));
  view.display().powerSpectrumCommand();
  ASSERT_EQ(view.mode(), ModePowerSpectrum);
  ASSERT_TRUE(waitForAnalyses());

  // Replaced while the long one's spectrum is computed: nothing is shown meanwhile, and in
  // the end the short one's own spectrum, as the engine computes it on the UI thread.
  ASSERT_TRUE(view.openRecordingByPath(first));
  EXPECT_EQ(view.mode(), ModePowerSpectrum);
  EXPECT_TRUE(view.display().analysing());
  EXPECT_EQ(view.scene().power, nullptr);
  ASSERT_TRUE(view.openRecordingByPath(second));
  ASSERT_TRUE(waitForAnalyses());
  QTest::qWait(50);
  PowerSpectrum direct;
  direct.setSampleRate(22050);
  ASSERT_TRUE(direct.setFftSize(view.display().results().power().fftSize()));
  ASSERT_GT(direct.compute(next.data(), static_cast<int64_t>(next.size())), 0);
  ASSERT_NE(view.scene().power, nullptr);
  EXPECT_EQ(view.scene().power->current(), direct.current());
  EXPECT_EQ(view.scene().power->average(), direct.average());
  EXPECT_EQ(view.scene().power->averageCount(), 1);
  EXPECT_EQ(texts.back(), "");
}

}  // namespace
}  // namespace velmora
