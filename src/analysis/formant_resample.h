#pragma once
// Bringing a recording to the formant tracker's 10 kHz analysis rate.
//
// Stages (only for rates above 10 kHz):
//   1. up-sampling factor u: 4 below 20 kHz, 3 below 30 kHz, 2 below 40 kHz, else 1;
//   2. each input sample followed by u - 1 zeros, all through an 8th-order Butterworth
//      low-pass at 4750 Hz designed for the rate u * rate (a 4th order let 5 to 7 kHz fold onto
//      3 to 5 kHz only 5 to 14 dB down at 22050 and 44100 Hz, where the recording has content
//      there, and the tracker read the folded energy as poles);
//   3. linear interpolation of that signal at the 10 kHz instants, truncated toward zero.
// The output holds truncate(n * 10000 / rate) samples.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace velmora {
struct FilterCascade;
}

namespace velmora::formant {

constexpr int kAnalysisRateHz = 10000;
constexpr double kAntiAliasCutoffHz = 4750.0;
constexpr int kAntiAliasOrder = 8;

int upsamplingFactor(int rateHz);

// Rates of 10 kHz and below are returned unchanged.
std::vector<int16_t> resampleToAnalysisRate(const int16_t* samples, size_t n, int rateHz);

// The same resampling one output sample at a time, for a caller that analyses as it goes: the
// up-sampled signal is made as the interpolation walks along it, a block at a time (held
// whole it would take n * u floats, more than the recording itself).
class AnalysisRateStream {
 public:
  AnalysisRateStream(const int16_t* samples, size_t n, int rateHz);  // samples must outlive it
  ~AnalysisRateStream();
  size_t size() const { return m_; }
  int16_t next();  // output 0, 1, ... size() - 1 in turn

 private:
  void refill();

  const int16_t* samples_;
  int rateHz_;
  int u_ = 1;
  size_t m_ = 0;
  size_t upCount_ = 0;
  size_t given_ = 0;      // output samples given
  size_t nextInput_ = 0;  // the input sample the next non-zero up-sampled value takes
  int phase_ = 0;         // position of the next up-sampled value after its input sample
  // A block of the filtered up-sampled signal, values upBase_ .. upBase_ + up_.size() - 1.
  std::vector<double> up_;
  size_t upBase_ = 0;
  std::unique_ptr<FilterCascade> lowPass_;  // null at 10 kHz and below
};

}  // namespace velmora::formant
