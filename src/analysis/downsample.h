#pragma once
// The F0 tracker's decimating low-pass filter. Stages:
//   1. design: a windowed-sinc FIR with cut-off at 1/decimate of the Nyquist rate, odd length
//      L = truncate(rate * 0.005) | 1, raised-cosine taper;
//   2. per buffer: decimated sample k is the filter output at full-rate position k * decimate,
//      rounded to the nearest integer; positions before the buffer come from the carried state
//      (the samples that preceded it), positions past the data count as zero;
//   3. the state becomes the samples just before the next buffer (buffStep apart).
#include <cstddef>
#include <vector>

namespace velmora::f0 {

class Decimator {
 public:
  // False when the design is impossible (decimate < 2 or a rate too low for any taps).
  bool design(double sampFreq, int decimate);

  // Writes min(outCapacity, ceil(n / decimate)) samples to out; returns how many. Then keeps the
  // samples at positions nextBufferStart - half .. nextBufferStart - 1 as the state.
  size_t process(const float* data, size_t n, size_t nextBufferStart, float* out, size_t outCapacity);

  size_t length() const { return taps_.size(); }
  const std::vector<float>& taps() const { return taps_; }
  int factor() const { return decimate_; }

 private:
  std::vector<float> taps_;
  std::vector<float> state_;  // half samples preceding the current buffer
  int decimate_ = 1;
};

}  // namespace velmora::f0
