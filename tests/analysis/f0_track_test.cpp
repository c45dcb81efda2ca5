// The recording's F0 track: the 10-second pieces, the value count, independence of pieces, and
// the live estimate.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "analysis/compute_f0.h"
#include "analysis/f0.h"
#include "analysis/f0_track.h"
#include "analysis/live_f0.h"

namespace velmora {
namespace {

std::vector<int16_t> tone(double f0, int rate, size_t n) {
  std::vector<int16_t> out(n);
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    double v = 0.0;
    for (int k = 1; k <= 6; ++k) v += std::sin(2.0 * std::numbers::pi * k * f0 * t + 0.3 * k) / k;
    out[i] = static_cast<int16_t>(6000.0 * v);
  }
  return out;
}

TEST(F0Pieces, SplitsIntoTenSecondPiecesWithALongerLastOne) {
  const int rate = 11025;
  const size_t ten = 10 * rate;
  EXPECT_EQ(f0PieceLengths(5 * rate, rate), std::vector<size_t>{5 * static_cast<size_t>(rate)});
  EXPECT_EQ(f0PieceLengths(19 * rate + 11000, rate), std::vector<size_t>{19 * static_cast<size_t>(rate) + 11000});
  EXPECT_EQ(f0PieceLengths(20 * rate, rate), (std::vector<size_t>{ten, ten}));
  EXPECT_EQ(f0PieceLengths(25 * rate, rate), (std::vector<size_t>{ten, ten + ten / 2}));
  EXPECT_EQ(f0PieceLengths(30 * rate, rate), (std::vector<size_t>{ten, ten, ten}));
  EXPECT_EQ(f0PieceLengths(47 * rate + 3, rate), (std::vector<size_t>{ten, ten, ten, 17 * static_cast<size_t>(rate) + 3}));
  EXPECT_TRUE(f0PieceLengths(0, rate).empty());
}

TEST(F0Pieces, PiecesAlwaysCoverTheWholeRecording) {
  for (int rate : {11025, 22050, 44100}) {
    for (size_t seconds : {1u, 19u, 20u, 21u, 39u, 40u, 41u, 600u}) {
      const size_t n = seconds * static_cast<size_t>(rate) + 17;
      size_t total = 0;
      const std::vector<size_t> pieces = f0PieceLengths(n, rate);
      for (size_t p = 0; p < pieces.size(); ++p) {
        total += pieces[p];
        if (p + 1 < pieces.size()) {
          EXPECT_EQ(pieces[p], 10u * static_cast<size_t>(rate));
        }
      }
      EXPECT_EQ(total, n) << rate << " " << seconds;
      EXPECT_LT(pieces.back(), 20u * static_cast<size_t>(rate));
    }
  }
}

TEST(F0Count, ValueCountIsRoundedFramesAtNinetyPerSecond) {
  EXPECT_EQ(f0ValueCount(11025, 11025, 90), 90u);
  EXPECT_EQ(f0ValueCount(11025 + 61, 11025, 90), 90u);  // 90.498 frames
  EXPECT_EQ(f0ValueCount(11025 + 62, 11025, 90), 91u);  // 90.506 frames
  EXPECT_EQ(f0ValueCount(0, 44100, 90), 0u);
}

TEST(F0Count, ElevenKilohertzSurplusIsDroppedAndShortfallFilled) {
  // At 11025 Hz the tracker's frames come every 122 samples (about 90.37 per second): more
  // frames than promised values on long signals, so the surplus is dropped.
  const int rate = 11025;
  const std::vector<int16_t> samples = tone(150.0, rate, 12 * rate);
  std::vector<float> floats(samples.begin(), samples.end());
  std::vector<float> values;
  ASSERT_TRUE(computeF0(floats.data(), floats.size(), rate, 60, 1400, 90, values));
  EXPECT_EQ(values.size(), 1080u);
  // The tracker itself releases more frames than that.
  f0::F0TrackerPtr tracker = f0::f0New();
  ASSERT_EQ(f0::f0SetParam(*tracker, "frame_step=0.011111"), 1);
  ASSERT_EQ(f0::f0SetParam(*tracker, "min_f0=60"), 1);
  ASSERT_EQ(f0::f0SetParam(*tracker, "max_f0=1400"), 1);
  int buffSize = 0;
  int buffStep = 0;
  ASSERT_EQ(f0::f0Init(*tracker, rate, buffSize, buffStep), 1);
  size_t released = 0;
  size_t at = 0;
  for (; at + static_cast<size_t>(buffSize) <= floats.size(); at += static_cast<size_t>(buffStep)) {
    ASSERT_EQ(f0::f0Process(*tracker, floats.data() + at, buffSize), 1);
    released += static_cast<size_t>(f0::f0NumOutput(*tracker));
  }
  ASSERT_EQ(f0::f0Process(*tracker, floats.data() + at, static_cast<int>(floats.size() - at)), 1);
  released += static_cast<size_t>(f0::f0NumOutput(*tracker));
  EXPECT_GT(released, values.size());
  // A short signal releases fewer frames than promised (the look-ahead holds the rest back):
  // the shortfall repeats the last F0, which here is voiced.
  std::vector<float> shortValues;
  ASSERT_TRUE(computeF0(floats.data(), 4000, rate, 60, 1400, 90, shortValues));
  ASSERT_EQ(shortValues.size(), f0ValueCount(4000, rate, 90));
  EXPECT_NEAR(shortValues.back(), 150.0f, 10.0f);
  EXPECT_EQ(shortValues.back(), shortValues[shortValues.size() - 2]);
}

TEST(F0TrackCompute, ConcatenatesIndependentPieces) {
  const int rate = 11025;
  const std::vector<int16_t> samples = tone(200.0, rate, 25 * static_cast<size_t>(rate));
  F0Track track;
  EXPECT_FALSE(track.valid());
  track.compute(samples.data(), samples.size(), rate);
  ASSERT_TRUE(track.valid());
  // Two pieces, 10 s and 15 s, counted separately.
  EXPECT_EQ(track.count(), f0ValueCount(10 * rate, rate, 90) + f0ValueCount(15 * rate, rate, 90));

  // The second piece is exactly what a fresh tracker makes of those samples alone.
  std::vector<float> second(samples.begin() + 10 * rate, samples.end());
  std::vector<float> alone;
  ASSERT_TRUE(computeF0(second.data(), second.size(), rate, 60, 1400, 90, alone));
  const std::vector<float> tail(track.values().begin() + 900, track.values().end());
  EXPECT_EQ(tail, alone);

  int voiced = 0;
  for (float v : track.values()) voiced += std::fabs(v - 200.0f) < 10.0f;
  EXPECT_GT(voiced, static_cast<int>(0.95 * static_cast<double>(track.count())));

  track.invalidate();
  EXPECT_FALSE(track.valid());
  track.clear();
  EXPECT_EQ(track.count(), 0u);
}

TEST(F0TrackCompute, ARateTheTrackerRefusesGivesAnEmptyValidTrack) {
  // 2000 Hz cannot hold a 1400 Hz maximum: the piece fails and contributes nothing.
  const std::vector<int16_t> samples(4000, 100);
  F0Track track;
  track.compute(samples.data(), samples.size(), 2000);
  EXPECT_EQ(track.diagnostics(), (std::vector<std::string>{"F0: min(max)_f0 parameter inconsistent with record frequency",
                                                           "F0: invalid/inconsistent parameters -- exiting."}));
  EXPECT_TRUE(track.valid());
  EXPECT_EQ(track.count(), 0u);
  track.clear();
  EXPECT_TRUE(track.diagnostics().empty());
}

TEST(F0TrackCompute, AFailedMiddlePieceIsUnvoicedAndLaterValuesKeepTheirTimes) {
  const int rate = 11025;
  const std::vector<int16_t> samples = tone(200.0, rate, 35 * static_cast<size_t>(rate));
  F0Track whole;
  whole.compute(samples.data(), samples.size(), rate);

  int piece = 0;
  const auto failSecond = [&piece](const float* s, size_t n, int r, int lo, int hi, int fps, std::vector<float>& v,
                                   std::vector<std::string>* d) {
    if (piece++ == 1) {
      v.clear();
      return false;
    }
    return computeF0(s, n, r, lo, hi, fps, v, d);
  };
  F0Track broken;
  broken.compute(samples.data(), samples.size(), rate, failSecond);
  ASSERT_EQ(piece, 3);  // 10 s, 10 s, 15 s
  ASSERT_EQ(broken.count(), whole.count());
  for (size_t i = 0; i < broken.count(); ++i) {
    if (i >= 900 && i < 1800) EXPECT_EQ(broken.values()[i], 0.0f) << i;
    else EXPECT_EQ(broken.values()[i], whole.values()[i]) << i;
  }
}

TEST(F0TrackCompute, AStopDuringAPieceEndsTheComputationWithNoValidTrack) {
  const int rate = 11025;
  const std::vector<int16_t> samples = tone(200.0, rate, 35 * static_cast<size_t>(rate));
  StopFlag stop{false};
  int pieces = 0;
  const auto stopInFirst = [&](const float* s, size_t n, int r, int lo, int hi, int fps, std::vector<float>& v,
                               std::vector<std::string>* d) {
    ++pieces;
    stop = true;  // as the UI thread would, while this piece is tracked
    return computeF0(s, n, r, lo, hi, fps, v, d);
  };
  F0Track track;
  track.compute(samples.data(), samples.size(), rate, stopInFirst, &stop);
  EXPECT_EQ(pieces, 1);
  EXPECT_FALSE(track.valid());
  EXPECT_EQ(track.count(), 0u);
}

TEST(LiveF0, SilenceReportsZero) {
  const std::vector<int16_t> silence(1024, 0);
  for (int rate : {11025, 22050, 44100}) EXPECT_EQ(estimateLiveF0(silence.data(), silence.size(), rate), 0.0f);
}

TEST(LiveF0, BlockLengthFollowsTheRate) {
  EXPECT_EQ(liveF0BlockLength(11025), 3000);
  EXPECT_EQ(liveF0BlockLength(22050), 6000);
  EXPECT_EQ(liveF0BlockLength(44100), 12000);
  EXPECT_EQ(liveF0BlockLength(8000), 3000);
}

TEST(LiveF0, AVoicedBlockReportsItsPitch) {
  for (int rate : {11025, 22050, 44100}) {
    for (double f0 : {100.0, 220.0, 400.0}) {
      const std::vector<int16_t> samples = tone(f0, rate, 1024);
      EXPECT_NEAR(estimateLiveF0(samples.data(), samples.size(), rate), f0, 0.02 * f0) << rate;
    }
  }
  // More samples than the block holds are cut, not written past it.
  const std::vector<int16_t> many = tone(220.0, 11025, 5000);
  EXPECT_NEAR(estimateLiveF0(many.data(), many.size(), 11025), 220.0, 4.4);
}

}  // namespace
}  // namespace velmora
