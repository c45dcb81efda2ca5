// The F0 tracker's interface: parameters, their checks, the sizes it derives, and silence.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "analysis/compute_f0.h"
#include "analysis/f0.h"

namespace velmora::f0 {
namespace {

F0TrackerPtr trackSettings() {
  F0TrackerPtr t = f0New();
  EXPECT_EQ(f0SetParam(*t, "frame_step=0.011111"), 1);
  EXPECT_EQ(f0SetParam(*t, "min_f0=60.000000"), 1);
  EXPECT_EQ(f0SetParam(*t, "max_f0=1400.000000"), 1);
  return t;
}

struct SizeRow {
  double rate;
  int step, size, start, stop, decimate, order, framesPerBuffer, buffSize, buffStep, filterLength;
};

TEST(F0TrackerSizes, TrackSettingsGiveTheTableForEachRecordingRate) {
  const SizeRow rows[] = {
      // Decimation stops at a rate of 2.5 * max_f0 (3500 Hz), so 1400 Hz stays visible to the
      // coarse search; with about 2 kHz (5, 11, 22) the decimated Nyquist frequency was ~1 kHz.
      {11025, 122, 83, 8, 184, 3, 13, 16, 2254, 1952, 55},
      {22050, 245, 165, 16, 368, 6, 24, 16, 4526, 3920, 111},
      {44100, 490, 331, 32, 735, 12, 46, 16, 9052, 7840, 221},
  };
  for (const SizeRow& row : rows) {
    SCOPED_TRACE(row.rate);
    F0TrackerPtr t = trackSettings();
    int buffSize = 0;
    int buffStep = 0;
    ASSERT_EQ(f0Init(*t, row.rate, buffSize, buffStep), 1);
    const F0Sizes& s = f0DerivedSizes(*t);
    EXPECT_EQ(s.step, row.step);
    EXPECT_EQ(s.size, row.size);
    EXPECT_EQ(s.start, row.start);
    EXPECT_EQ(s.stop, row.stop);
    EXPECT_EQ(s.nlags, row.stop - row.start + 1);
    EXPECT_EQ(s.decimate, row.decimate);
    EXPECT_EQ(s.order, row.order);
    EXPECT_EQ(s.framesPerBuffer, row.framesPerBuffer);
    EXPECT_EQ(s.filterLength, row.filterLength);
    EXPECT_EQ(buffSize, row.buffSize);
    EXPECT_EQ(buffStep, row.buffStep);
    EXPECT_EQ(s.buffSize, row.buffSize);
    EXPECT_EQ(s.buffStep, row.buffStep);
  }
}

TEST(F0TrackerSizes, FrameStepSnapsToWholeSamples) {
  F0TrackerPtr t = trackSettings();
  int buffSize = 0;
  int buffStep = 0;
  ASSERT_EQ(f0Init(*t, 11025, buffSize, buffStep), 1);
  EXPECT_FLOAT_EQ(f0GetParam(*t, "frame_step"), 122.0f / 11025.0f);
}

TEST(F0TrackerSizes, DefaultsAtElevenKilohertz) {
  F0TrackerPtr t = f0New();
  int buffSize = 0;
  int buffStep = 0;
  ASSERT_EQ(f0Init(*t, 11025, buffSize, buffStep), 1);
  const F0Sizes& s = f0DerivedSizes(*t);
  EXPECT_EQ(s.step, 110);       // 0.01 s
  EXPECT_EQ(s.start, 20);       // 11025 / 550
  EXPECT_EQ(s.stop, 221);       // 11025 / 50 = 220.5, rounded half up
  EXPECT_EQ(s.statWsize, 330);
  EXPECT_EQ(s.agap, 220);
  EXPECT_EQ(s.windStatLim, 2);
  EXPECT_EQ(s.ringSize, 150);
}

TEST(F0TrackerParams, DefaultsAreTheTable) {
  F0TrackerPtr t = f0New();
  ASSERT_TRUE(t);
  for (int i = 0; i < f0NumParams; ++i) {
    EXPECT_EQ(f0GetParam(*t, kF0ParamNames[static_cast<size_t>(i)]), kF0ParamDefaults[static_cast<size_t>(i)]);
  }
  EXPECT_FLOAT_EQ(f0GetParam(*t, "cand_thresh"), 0.3f);
  EXPECT_FLOAT_EQ(f0GetParam(*t, "n_cands"), 20.0f);
  EXPECT_EQ(f0GetParam(*t, "no_such"), 0.0f);
}

TEST(F0TrackerParams, SetParamNeedsAnEqualsSignAndAKnownName) {
  F0TrackerPtr t = f0New();
  EXPECT_EQ(f0SetParam(*t, "min_f0 70"), 0);
  EXPECT_EQ(f0SetParam(*t, "min_f0"), 0);
  EXPECT_EQ(f0SetParam(*t, "Min_f0=70"), 0);   // names match case-sensitively
  EXPECT_EQ(f0SetParam(*t, "min_f0 =70"), 0);  // the whole part before '=' is the name
  EXPECT_EQ(f0SetParam(*t, "unknown=70"), 0);
  EXPECT_FLOAT_EQ(f0GetParam(*t, "min_f0"), 50.0f);

  EXPECT_EQ(f0SetParam(*t, "min_f0=72.5"), 1);
  EXPECT_FLOAT_EQ(f0GetParam(*t, "min_f0"), 72.5f);
  EXPECT_EQ(f0SetParam(*t, "max_f0=600=1"), 1);  // the rest after the first '=' is the number
  EXPECT_FLOAT_EQ(f0GetParam(*t, "max_f0"), 600.0f);
  EXPECT_EQ(f0SetParam(*t, "voice_bias=-0.25"), 1);
  EXPECT_FLOAT_EQ(f0GetParam(*t, "voice_bias"), -0.25f);
}

// The diagnostics of f0Init, one line each, as the command line writes them.
std::string initMessages(const std::vector<std::string>& settings, double rate, int* result) {
  F0TrackerPtr t = f0New();
  for (const std::string& s : settings) EXPECT_EQ(f0SetParam(*t, s), 1) << s;
  int buffSize = 0;
  int buffStep = 0;
  *result = f0Init(*t, rate, buffSize, buffStep);
  std::string text;
  for (const std::string& line : f0Diagnostics(*t)) text += line + "\n";
  return text;
}

TEST(F0TrackerParams, EachFailingCheckWritesItsLineThenTheSummary) {
  const std::string summary = "F0: invalid/inconsistent parameters -- exiting.\n";
  struct Case {
    std::vector<std::string> settings;
    double rate;
    std::string line;
  } cases[] = {
      {{"cand_thresh=0.005"}, 11025, "F0: cand_thresh parameter must be between [0.01, 0.99].\n"},
      {{"cand_thresh=0.995"}, 11025, "F0: cand_thresh parameter must be between [0.01, 0.99].\n"},
      {{"wind_dur=0.2"}, 11025, "F0: wind_dur parameter must be between [0.0001, 0.1].\n"},
      {{"n_cands=2"}, 11025, "F0: n_cands parameter must be between [3,100].\n"},
      {{"n_cands=101"}, 11025, "F0: n_cands parameter must be between [3,100].\n"},
      {{"min_f0=300", "max_f0=300"}, 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {{"max_f0=6000"}, 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {{"min_f0=1"}, 11025, "F0: min(max)_f0 parameter inconsistent with record frequency\n"},
      {{"frame_step=0.2"}, 11025, "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"},
      {{"frame_step=0.00001"}, 11025, "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.settings.front());
    int result = -1;
    EXPECT_EQ(initMessages(c.settings, c.rate, &result), c.line + summary);
    EXPECT_EQ(result, 0);
  }
}

TEST(F0TrackerParams, AllChecksRunAndReportTogether) {
  int result = -1;
  const std::string messages = initMessages({"cand_thresh=2", "n_cands=1", "frame_step=0.5"}, 11025, &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(messages,
            "F0: cand_thresh parameter must be between [0.01, 0.99].\n"
            "F0: n_cands parameter must be between [3,100].\n"
            "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"
            "F0: invalid/inconsistent parameters -- exiting.\n");
}

TEST(F0TrackerParams, ValuesThatAreNotNumbersAreRefused) {
  F0TrackerPtr t = f0New();
  for (const char* text : {"min_f0=nan", "max_f0=inf", "cand_thresh=NaN", "frame_step=-infinity", "n_cands=INF"}) {
    EXPECT_EQ(f0SetParam(*t, text), 0) << text;
  }
  for (int i = 0; i < f0NumParams; ++i) {
    EXPECT_EQ(f0GetParam(*t, kF0ParamNames[static_cast<size_t>(i)]), kF0ParamDefaults[static_cast<size_t>(i)]);
  }
  // A rate that is not a number fails the checks that depend on it.
  int result = -1;
  EXPECT_EQ(initMessages({}, std::numeric_limits<double>::quiet_NaN(), &result),
            "F0: min(max)_f0 parameter inconsistent with record frequency\n"
            "F0: frame_step parameter must be between [1/sampFreq, 0.1]\n"
            "F0: invalid/inconsistent parameters -- exiting.\n");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(initMessages({}, std::numeric_limits<double>::infinity(), &result),
            "F0: min(max)_f0 parameter inconsistent with record frequency\n"
            "F0: invalid/inconsistent parameters -- exiting.\n");
  EXPECT_EQ(result, 0);
}

TEST(F0TrackerParams, HighRatesLimitTheLpcOrderWithANote) {
  int result = -1;
  EXPECT_EQ(initMessages({}, 96000, &result), "F0: Optimum order limited to 50\n");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(initMessages({}, 44100, &result), "");
  EXPECT_EQ(result, 1);
}

TEST(F0TrackerSilence, SilenceIsUnvoicedEverywhere) {
  for (int rate : {11025, 22050, 44100}) {
    SCOPED_TRACE(rate);
    const size_t n = static_cast<size_t>(rate) * 3 + 777;
    std::vector<float> zeros(n, 0.0f);
    std::vector<float> values;
    ASSERT_TRUE(computeF0(zeros.data(), n, rate, 60, 1400, 90, values));
    ASSERT_EQ(values.size(), f0ValueCount(n, rate, 90));
    for (float v : values) ASSERT_EQ(v, 0.0f);
  }
}

TEST(F0TrackerSilence, ReleasedFramesFollowTheBuffersAndTheLastBufferFlushes) {
  F0TrackerPtr t = trackSettings();
  int buffSize = 0;
  int buffStep = 0;
  ASSERT_EQ(f0Init(*t, 11025, buffSize, buffStep), 1);
  std::vector<float> zeros(static_cast<size_t>(buffSize), 0.0f);
  int released = 0;
  // Full buffers: output is withheld until half a second of frames is held.
  ASSERT_EQ(f0Process(*t, zeros.data(), buffSize), 1);
  EXPECT_EQ(f0NumOutput(*t), 0);
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(f0Process(*t, zeros.data(), buffSize), 1);
    released += f0NumOutput(*t);
  }
  EXPECT_GT(released, 0);
  ASSERT_EQ(f0Process(*t, zeros.data(), buffSize - 1), 1);  // shorter: the last buffer
  released += f0NumOutput(*t);
  const int lastFrames = (buffSize - 1 - f0DerivedSizes(*t).lookAhead) / f0DerivedSizes(*t).step;
  EXPECT_EQ(released, 6 * 16 + lastFrames);
  for (int i = 0; i < f0NumOutput(*t); ++i) EXPECT_EQ(f0Output(*t, i), 0.0f);
}

TEST(F0TrackerSilence, DestroyReleasesTheTracker) {
  F0TrackerPtr t = trackSettings();
  int buffSize = 0;
  int buffStep = 0;
  ASSERT_EQ(f0Init(*t, 22050, buffSize, buffStep), 1);
  f0Destroy(t);
  EXPECT_FALSE(t);
}

}  // namespace
}  // namespace velmora::f0
