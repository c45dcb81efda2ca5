// The spectrogram engine: sizes from the settings, where a tone lands, silence, the frame
// placement at the ends of the range, and the live column.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/intensity_of_power.h"
#include "analysis/spectrogram.h"

namespace velmora {
namespace {

std::vector<int16_t> sine(double hz, int rate, size_t count, double amplitude, size_t from = 0) {
  std::vector<int16_t> s(count, 0);
  for (size_t i = from; i < count; ++i)
    s[i] = static_cast<int16_t>(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * double(i) / rate)));
  return s;
}

std::vector<int16_t> noise(size_t count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> dist(-20000, 20000);
  std::vector<int16_t> s(count);
  for (auto& x : s) x = static_cast<int16_t>(dist(rng));
  return s;
}

std::vector<uint8_t> columnOf(const SpectrogramImage& image, int x) {
  std::vector<uint8_t> c(static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) c[y] = image.intensityAt(x, y);
  return c;
}

int loudestRow(const SpectrogramImage& image, int x) {
  int best = 0;
  for (int y = 1; y < image.height; ++y)
    if (image.intensityAt(x, y) > image.intensityAt(x, best)) best = y;
  return best;
}

// Duration of n samples, nudged up so that truncate(duration x rate) gives exactly n.
double secondsOf(size_t n, int rate) { return (double(n) + 0.25) / rate; }

TEST(SpectrogramSizes, FftSizeFollowsRateLimitAndPaneHeight) {
  struct Case {
    int rate;
    double zoom;
    int height;
    int fftSize;
  } cases[] = {
      {44100, 2.0, 300, 4096},  {44100, 22050.0 / 2756, 300, 8192}, {44100, 4.0, 300, 4096},
      {44100, 8.0, 600, 8192},  {22050, 1.0, 400, 2048},            {22050, 1.0, 200, 1024},
      {22050, 2.0, 200, 2048},  {22050, 4.0, 300, 4096},            {22050, 4.0, 400, 4096},
      {11025, 1.0, 300, 1024},  {11025, 2.0, 300, 2048},            {11025, 1.5, 600, 1024},
      {16000, 2.0, 300, 1024},  {8000, 1.0, 900, 1024},
  };
  for (const Case& c : cases)
    EXPECT_EQ(spectrogramFftSize(c.rate, c.zoom, c.height), c.fftSize) << c.rate << " " << c.zoom << " " << c.height;
}

TEST(SpectrogramSizes, WindowLengthAndRows) {
  EXPECT_EQ(spectrogramWindowLength(10.0, 11025), 1764);
  EXPECT_EQ(spectrogramWindowLength(400.0, 44100), 176);
  EXPECT_EQ(spectrogramRows(300), 300);
  EXPECT_EQ(spectrogramRows(5000), 2048);

  Spectrogram s;
  s.setSampleRate(11025);
  s.setBandwidth(10.0f);
  s.setLimit(5512.0f);
  EXPECT_EQ(s.recordingFftSize(11025, 300), 1024);
  EXPECT_EQ(s.recordingWindowLength(11025, 300), 1024);  // 1764 limited to N
}

TEST(SpectrogramSizes, LimitElevenKilohertzAt44100ShowsAllBinsOfAHalfSpectrum) {
  Spectrogram s;
  s.setSampleRate(44100);
  s.setLimit(11025.0f);
  ASSERT_EQ(s.recordingFftSize(44100, 300), 4096);
  SpectrogramColumn column;
  column.configure(4096, 4096);
  std::vector<int16_t> frame(4096, 0);
  std::vector<uint8_t> rows(300);
  EXPECT_EQ(column.analyse(frame.data(), s.zoom(), 300, EmptyRow::Silent, rows.data()), 1023);
}

TEST(SpectrogramSizes, LimitAboveNyquistNeverReadsPastTheSpectrum) {
  SpectrogramColumn column;
  column.configure(1024, 1024);
  std::vector<int16_t> frame = noise(1024, 5);
  std::vector<uint8_t> rows(300);
  // zoom 0.5 is the engine's starting value before the bar applies a limit.
  EXPECT_EQ(column.analyse(frame.data(), 0.5, 300, EmptyRow::Silent, rows.data()), 511);
  for (int r = 0; r < 140; ++r) EXPECT_EQ(rows[r], 0) << r;  // above Nyquist: nothing to show
}

TEST(SpectrogramSizes, IntensityWithoutALogarithmMatchesTheLogarithmEverywhere) {
  // Spread over all floats (powers, zero, denormals, infinity, NaN and negatives), and on
  // both sides of every step, since an off-by-one step shows as a band in the picture.
  const auto direct = [](float p) { return intensityOfLevel(10.0f * std::log10(p)); };
  for (uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521) {
    const float p = std::bit_cast<float>(static_cast<uint32_t>(bits));
    ASSERT_EQ(intensityOfMeanPower(p), direct(p)) << std::hex << bits;
  }
  int steps = 0;
  for (float p = 1.0f; p < 1e30f;) {
    const float next = std::nextafter(p, std::numeric_limits<float>::infinity());
    if (direct(next) != direct(p)) {
      ++steps;
      ASSERT_EQ(intensityOfMeanPower(p), direct(p)) << p;
      ASSERT_EQ(intensityOfMeanPower(next), direct(next)) << next;
    }
    // A hundredth of a dB ahead while that crosses no step; up to a step one float at a time.
    const float jump = p * 1.0023f;
    p = direct(jump) == direct(next) ? jump : next;
  }
  EXPECT_EQ(steps, 255);
}

TEST(SpectrogramSettings, LimitListsByRate) {
  EXPECT_EQ(frequencyLimitsForRate(11025), (std::vector<int>{2756, 3675, 5512}));
  EXPECT_EQ(frequencyLimitsForRate(22050), (std::vector<int>{2756, 5512, 7350, 11025}));
  EXPECT_EQ(frequencyLimitsForRate(44100), (std::vector<int>{2756, 5512, 7350, 11025, 14700, 22050}));
  EXPECT_TRUE(frequencyLimitsForRate(16000).empty());
  // Every limit of a rate stays at or below its Nyquist frequency.
  for (int rate : {11025, 22050, 44100})
    for (int limit : frequencyLimitsForRate(rate)) EXPECT_LE(limit, rate / 2) << rate;
}

TEST(SpectrogramSettings, RateChangeKeepsTheLimitAndSizesTheLiveRing) {
  Spectrogram s;
  EXPECT_EQ(s.liveSize(), 1024);
  s.setLimit(3675.0f);
  EXPECT_NEAR(s.topFrequencyHz(), 3675.0, 0.01);
  s.setSampleRate(44100);
  EXPECT_NEAR(s.topFrequencyHz(), 3675.0, 0.01);
  EXPECT_NEAR(s.zoom(), 6.0, 1e-4);
  EXPECT_EQ(s.liveSize(), 4096);
  EXPECT_EQ(s.liveRing().size(), 4096u);
  s.setSampleRate(22050);
  EXPECT_EQ(s.liveSize(), 2048);
  s.setSampleRate(16000);  // another rate keeps the live size
  EXPECT_EQ(s.liveSize(), 2048);
  s.setLimit(0.0f);
  s.setBandwidth(-5.0f);
  EXPECT_NEAR(s.topFrequencyHz(), 3675.0, 0.01);
  EXPECT_EQ(s.bandwidthHz(), 10.0f);
}

class SpectrogramRecording : public ::testing::Test {
 protected:
  void SetUp() override {
    spectrogram.setSampleRate(11025);
    spectrogram.setBandwidth(10.0f);
    spectrogram.setLimit(5512.0f);
  }
  Spectrogram spectrogram;
};

TEST_F(SpectrogramRecording, SilenceIsBackgroundEverywhere) {
  const std::vector<int16_t> silence(11025, 0);
  for (int scheme : {0, 1, 2}) {
    spectrogram.setScheme(scheme);
    const SpectrogramImage& image =
        spectrogram.drawRecording(silence.data(), 11025, secondsOf(11025, 11025), 11025, 200, 300);
    ASSERT_EQ(image.width, 200);
    ASSERT_EQ(image.height, 300);
    for (int x = 0; x < image.width; ++x)
      for (int y = 0; y < image.height; ++y) {
        ASSERT_EQ(image.intensityAt(x, y), 0);
        ASSERT_EQ(image.colourAt(x, y), spectrogram.palette()[kPaletteBackgroundEntry]);
      }
  }
}

TEST_F(SpectrogramRecording, ToneLandsInItsRowAtTheExpectedLevel) {
  // Bin 93 of a 1024-point frame at 11025 Hz, amplitude 8000, Hamming window of 1024.
  const double hz = 93.0 * 11025 / 1024;
  const std::vector<int16_t> tone = sine(hz, 11025, 22050, 8000.0);
  const SpectrogramImage& image = spectrogram.drawRecording(tone.data(), 22050, secondsOf(22050, 11025), 11025, 100, 300);
  const double top = spectrogram.topFrequencyHz();
  const int expectedRow = 300 - 1 - static_cast<int>(hz / top * 300);
  const double windowSum = 0.54 * 1024 - 0.46;
  const double binPower = std::pow(8000.0 * windowSum / 2.0, 2.0);
  const double expectedIntensity = 10.0 * std::log10(binPower) - 35.0;
  for (int x : {10, 50, 80}) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(loudestRow(image, x), expectedRow, 1);
    // A row holds one or two bins: at most 3 dB under the single bin's level.
    EXPECT_NEAR(image.intensityAt(x, loudestRow(image, x)), expectedIntensity - 1.5, 2.5);
    // Far from the tone the rows are quiet.
    EXPECT_EQ(image.intensityAt(x, 20), 0);
    EXPECT_EQ(image.intensityAt(x, 299), 0);
  }
}

TEST_F(SpectrogramRecording, ToneStartingHalfWayShowsInTheSecondHalfOnly) {
  const std::vector<int16_t> tone = sine(1000.0, 11025, 44100, 8000.0, 22050);
  const SpectrogramImage& image = spectrogram.drawRecording(tone.data(), 44100, secondsOf(44100, 11025), 11025, 400, 300);
  const int row = 300 - 1 - static_cast<int>(1000.0 / spectrogram.topFrequencyHz() * 300);
  // Column j's frame is centred on sample (j + 1) x 44100 / 400; the window is 1024 long.
  for (int x = 0; x < 190; ++x) EXPECT_EQ(image.intensityAt(x, row), 0) << x;
  for (int x = 205; x < 390; ++x) EXPECT_GT(image.intensityAt(x, row), 60) << x;
}

TEST_F(SpectrogramRecording, FramesPastTheEndRepeatTheLastComputedColumn) {
  const std::vector<int16_t> sound = noise(11025, 7);
  const SpectrogramImage& image = spectrogram.drawRecording(sound.data(), 11025, secondsOf(11025, 11025), 11025, 100, 300);
  // The last frame that fits: (j + 1) x 11025 / 100 - 511 + 1024 <= 11025.
  int lastFitting = 0;
  for (int j = 0; j < 100; ++j)
    if ((j + 1) * 11025 / 100 - 511 + 1024 <= 11025) lastFitting = j;
  ASSERT_LT(lastFitting, 99);
  const std::vector<uint8_t> last = columnOf(image, lastFitting);
  EXPECT_NE(columnOf(image, lastFitting - 1), last);  // noise: every computed column differs
  for (int x = lastFitting + 1; x < 100; ++x) EXPECT_EQ(columnOf(image, x), last) << x;
}

TEST_F(SpectrogramRecording, TooShortForAFrameIsAllBackground) {
  // 1000 samples of noise at a span of 1000: not longer than the 1024-sample window.
  const std::vector<int16_t> sound = noise(1000, 8);
  const SpectrogramImage& a = spectrogram.drawRecording(sound.data(), 1000, secondsOf(1000, 11025), 11025, 50, 300);
  for (uint8_t v : a.intensity) ASSERT_EQ(v, 0);
  // A span stretched past the samples (up to 0.8 / bandwidth seconds more) has frames, but
  // none fits the range: still background, with nothing read beyond it.
  const SpectrogramImage& b = spectrogram.drawRecording(sound.data(), 1000, secondsOf(2000, 11025), 11025, 50, 300);
  for (uint8_t v : b.intensity) ASSERT_EQ(v, 0);
}

TEST_F(SpectrogramRecording, BandwidthOfTenHertzStillAnalysesShortRanges) {
  // W = 1764 would exceed this 1500-sample range; limited to N = 1024 it fits.
  const std::vector<int16_t> tone = sine(1000.0, 11025, 1500, 8000.0);
  const SpectrogramImage& image = spectrogram.drawRecording(tone.data(), 1500, secondsOf(1500, 11025), 11025, 10, 300);
  int loud = 0;
  for (uint8_t v : image.intensity) loud += v > 60;
  EXPECT_GT(loud, 0);
}

TEST_F(SpectrogramRecording, NewSchemeRecoloursTheKeptPicture) {
  const std::vector<int16_t> sound = noise(11025, 9);
  spectrogram.drawRecording(sound.data(), 11025, secondsOf(11025, 11025), 11025, 40, 100);
  spectrogram.setScheme(0);
  const SpectrogramImage& image = spectrogram.recordingImage();
  for (int x = 0; x < image.width; ++x)
    for (int y = 0; y < image.height; ++y)
      ASSERT_EQ(image.colourAt(x, y), spectrogram.palette()[paletteEntryOfIntensity(image.intensityAt(x, y))]);
}

TEST(SpectrogramLive, RingKeepsTheLatestSamplesOldestFirst) {
  Spectrogram s;
  std::vector<int16_t> first(1000), second(100);
  for (int i = 0; i < 1000; ++i) first[i] = static_cast<int16_t>(i + 1);
  for (int i = 0; i < 100; ++i) second[i] = static_cast<int16_t>(5000 + i);
  s.pushLive(first.data(), first.size());
  s.pushLive(second.data(), second.size());
  const std::vector<int16_t>& ring = s.liveRing();
  ASSERT_EQ(ring.size(), 1024u);
  EXPECT_EQ(ring[0], 77);  // 1100 pushed: the oldest kept is the 77th
  EXPECT_EQ(ring[923], 1000);
  EXPECT_EQ(ring[924], 5000);
  EXPECT_EQ(ring[1023], 5099);
  std::vector<int16_t> many(3000);
  for (int i = 0; i < 3000; ++i) many[i] = static_cast<int16_t>(i);
  s.pushLive(many.data(), many.size());
  EXPECT_EQ(ring[0], 3000 - 1024);
  EXPECT_EQ(ring[1023], 2999);
}

TEST(SpectrogramLive, ColumnMatchesTheRecordingColumnOnTheSameSamples) {
  Spectrogram s;
  s.setSampleRate(11025);
  s.setLimit(5512.0f);
  const std::vector<int16_t> sound = noise(4000, 11);
  // One column over a span of 2000: its frame starts at 2000 - 512 + 1 = 1489.
  const SpectrogramImage& image = s.drawRecording(sound.data(), 4000, secondsOf(2000, 11025), 11025, 1, 300);
  const std::vector<uint8_t> recorded = columnOf(image, 0);
  s.pushLive(sound.data() + 1489, 1024);
  const std::vector<uint8_t>& live = s.computeLiveColumn(300);
  EXPECT_EQ(live, recorded);
}

TEST(SpectrogramLive, EmptyRowsRepeatTheRowBelow) {
  Spectrogram s;
  s.setSampleRate(11025);
  s.setLimit(5512.0f);
  const std::vector<int16_t> sound = noise(1024, 12);
  s.pushLive(sound.data(), sound.size());
  // 600 rows share about 511 bins: some rows take none.
  const std::vector<uint8_t> live = s.computeLiveColumn(600);
  const SpectrogramImage& image = s.drawRecording(sound.data(), 1024, secondsOf(1100, 11025), 11025, 1, 600);
  (void)image;
  std::vector<uint8_t> recordedRows(600);
  SpectrogramColumn column;
  column.configure(1024, 1024);
  column.analyse(sound.data(), s.zoom(), 600, EmptyRow::Silent, recordedRows.data());
  int emptyRows = 0;
  for (int r = 0; r < 600; ++r) {
    if (recordedRows[r] == 0) {
      ++emptyRows;
      ASSERT_LT(r, 599);
      EXPECT_EQ(live[r], live[r + 1]) << r;
      EXPECT_GT(live[r], 0) << r;
    } else {
      EXPECT_EQ(live[r], recordedRows[r]) << r;
    }
  }
  EXPECT_GT(emptyRows, 50);
}

TEST(SpectrogramLive, ColumnsAdvanceTwoPixelsWideThenScroll) {
  Spectrogram s;
  s.startLive(5, 10);
  ASSERT_EQ(s.liveImage().width, 5);
  const std::vector<int16_t> loud = noise(1024, 13);
  s.pushLive(loud.data(), loud.size());
  s.computeLiveColumn(10);
  EXPECT_EQ(s.drawLiveColumn(), 0);
  EXPECT_EQ(s.liveColumnCount(), 1);
  EXPECT_EQ(columnOf(s.liveImage(), 0), columnOf(s.liveImage(), 1));
  EXPECT_NE(s.liveImage().colourAt(0, 9), s.palette()[kPaletteBackgroundEntry]);
  EXPECT_EQ(s.liveImage().colourAt(2, 9), s.palette()[kPaletteBackgroundEntry]);
  std::vector<int> xs;
  for (int i = 0; i < 6; ++i) xs.push_back(s.drawLiveColumn());
  EXPECT_EQ(xs, (std::vector<int>{1, 2, 3, 3, 3, 3}));
  EXPECT_EQ(s.liveColumnCount(), 5);  // limited to the pane width
  s.startLive(5, 10);
  EXPECT_EQ(s.liveColumnCount(), 0);
  EXPECT_EQ(s.liveImage().colourAt(0, 9), s.palette()[kPaletteBackgroundEntry]);
}

TEST(SpectrogramLive, ColumnsKnowTheSampleAtTheMiddleOfTheirWindowAndScrollWithThePicture) {
  Spectrogram s;  // 11025 Hz: a ring of 1024, and a 10 Hz band's window limited to it
  s.startLive(5, 10);
  const std::vector<int16_t> block = noise(400, 5);
  std::vector<int64_t> expected;
  int64_t pushed = 0;
  for (int i = 0; i < 7; ++i) {
    s.pushLive(block.data(), block.size());
    pushed += 400;
    if (i == 4) {
      s.skipLive(300);  // shown as a power spectrum meanwhile
      pushed += 300;
    }
    s.computeLiveColumn(10);
    s.drawLiveColumn();
    // The first column's window lies mostly before the first sample: it shows none.
    expected.push_back(pushed - 1024 + 512 >= 0 ? pushed - 1024 + 512 : -1);
  }
  // Width 5: columns at x = 0..3, the last four after the picture scrolled; x = 4 repeats.
  const std::vector<int64_t> shown(expected.end() - 4, expected.end());
  EXPECT_EQ(std::vector<int64_t>(s.liveColumnSamples().begin(), s.liveColumnSamples().begin() + 4), shown);
  EXPECT_EQ(s.liveColumnSamples()[4], -1);
  EXPECT_EQ(expected.front(), -1);
  s.startLive(5, 10);
  EXPECT_EQ(s.liveColumnSamples(), std::vector<int64_t>(5, -1));
}

}  // namespace
}  // namespace velmora
