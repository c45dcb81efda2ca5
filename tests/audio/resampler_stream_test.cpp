// The streamed conversion against the whole-signal one: the same values to the bit, the
// same progress, over odd lengths and multi-stage ratios, with its stages' values kept in
// memory or in temporary files; and nothing left in the folder of those files.
#include "audio/resampler_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>

#include "audio/resampler_write.h"
#include "fakes/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

// Full-scale noise over a tone: every filter section and the clamping see large values.
std::vector<int16_t> noisyTone(size_t count, uint32_t seed) {
  std::vector<int16_t> x(count);
  uint32_t state = seed;
  for (size_t i = 0; i < count; ++i) {
    state = state * 1664525u + 1013904223u;
    const double noise = (static_cast<double>(state >> 8) / (1 << 24) - 0.5) * 30000.0;
    const double tone = 20000.0 * std::sin(2.0 * std::numbers::pi * 0.013 * static_cast<double>(i));
    x[i] = static_cast<int16_t>(std::clamp(noise + tone, -32768.0, 32767.0));
  }
  return x;
}

class VectorInput : public PassInput {
 public:
  explicit VectorInput(const std::vector<int16_t>& x) : x_(x) {}
  void read(double* values, size_t count) override {
    for (size_t i = 0; i < count; ++i) values[i] = x_[next_++];
  }

 private:
  const std::vector<int16_t>& x_;
  size_t next_ = 0;
};

class VectorSink : public ResampledSink {
 public:
  void begin(size_t count) override {
    values.assign(count, std::nan(""));
    begun = true;
  }
  void put(size_t index, const double* v, size_t count) override {
    ASSERT_TRUE(begun);
    ASSERT_LE(index + count, values.size());
    for (size_t i = 0; i < count; ++i) {
      EXPECT_TRUE(std::isnan(values[index + i])) << "value " << index + i << " given twice";
      values[index + i] = v[i];
    }
  }
  std::vector<double> values;
  bool begun = false;
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

struct Case {
  uint32_t from;
  uint32_t to;
  size_t length;
};

TEST(ResampleStream, GivesTheWholeSignalResultToTheBit) {
  // One, two and three stages, up and down; lengths that end just past a spill chunk
  // (65536 values) or a block, and one of a single sample.
  const Case cases[] = {{44100, 22050, 140001}, {48000, 44100, 70003}, {8000, 11025, 66001},
                        {44100, 11025, 131075}, {22050, 44100, 9},     {16000, 11025, 1}};
  for (const size_t inMemory : {size_t{0}, size_t{1} << 19}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.from << " -> " << c.to << ", " << c.length << " samples, in memory up to "
                                      << inMemory);
      TempFolder spills;
      const std::vector<int16_t> x = noisyTone(c.length, static_cast<uint32_t>(c.length));
      std::vector<int> wholeSteps, streamedSteps;
      ResampleOptions options;
      options.progress = [&](int step) { wholeSteps.push_back(step); return true; };
      const ResampleResult whole = resample(std::vector<double>(x.begin(), x.end()), c.from, c.to, options);
      ASSERT_TRUE(whole.ok());

      options.progress = [&](int step) { streamedSteps.push_back(step); return true; };
      options.spillFolder = spills.path();
      options.inMemoryValues = inMemory;
      VectorInput input(x);
      VectorSink sink;
      const StreamedResample streamed = resampleStream(input, x.size(), c.from, c.to, options, sink);
      ASSERT_TRUE(streamed.ok());
      ASSERT_EQ(streamed.stages.size(), whole.stages.size());
      ASSERT_EQ(sink.values.size(), whole.samples.size());
      size_t differing = 0;
      for (size_t i = 0; i < whole.samples.size(); ++i) differing += !sameBits(sink.values[i], whole.samples[i]);
      EXPECT_EQ(differing, 0u);
      EXPECT_EQ(streamedSteps, wholeSteps);
      // The 16-bit form the import and the command line write.
      const Pcm16Conversion pcm = convertPcm16(x, c.from, c.to, options);
      ASSERT_TRUE(pcm.ok());
      ASSERT_EQ(pcm.samples.size(), whole.samples.size());
      for (size_t i = 0; i < pcm.samples.size(); ++i) ASSERT_EQ(pcm.samples[i], toPcm16(whole.samples[i])) << i;
      // The temporary files were unnamed: nothing to see in their folder.
      EXPECT_TRUE(std::filesystem::is_empty(spills.path()));
    }
  }
}

TEST(ResampleStream, AFolderThatCannotHoldItsFilesIsAFailureNotAResult) {
  const std::vector<int16_t> x = noisyTone(20000, 5);
  ResampleOptions options;
  options.spillFolder = "/nonexistent/velmora-spill";
  options.inMemoryValues = 0;
  const Pcm16Conversion pcm = convertPcm16(x, 44100, 22050, options);
  EXPECT_EQ(pcm.error, ResampleError::TemporaryFile);
  EXPECT_TRUE(pcm.samples.empty());
  EXPECT_FALSE(resampleErrorText(pcm.error).empty());
}

}  // namespace
}  // namespace velmora
