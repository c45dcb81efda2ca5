#include "analysis/cepstral_prominence.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "analysis/fft_real.h"

namespace velmora {
namespace {

constexpr double kTiny = 1e-30;

class CepstrumFrames {
 public:
  CepstrumFrames(const VoiceInput& in, size_t window, size_t fftSize)
      : in_(in), window_(window), fft_(fftSize), taper_(window), buffer_(fftSize), spectrum_(fftSize) {
    for (size_t i = 0; i < window; ++i)
      taper_[i] = static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * (static_cast<double>(i) + 0.5) /
                                                          static_cast<double>(window)));
  }

  // The power cepstrum (c^2) of the frame starting at `from`, bins 0 .. N/2, into out.
  void cepstrum(size_t from, std::vector<double>& out) {
    const size_t n = fft_.size();
    double mean = 0.0;
    for (size_t i = 0; i < window_; ++i) mean += in_.samples[from + i];
    mean /= static_cast<double>(window_);
    std::fill(buffer_.begin(), buffer_.end(), 0.0f);
    for (size_t i = 0; i < window_; ++i)
      buffer_[i] = static_cast<float>((in_.samples[from + i] - mean) * taper_[i]);
    fft_.forward(buffer_.data(), spectrum_.data());
    // The even log spectrum: bins 0 .. N/2 and their mirror images.
    // 10 log10 in single precision: the log spectrum needs no more, and this is the hot loop.
    constexpr float kDbPerNeper = 4.342944819f;
    auto logPower = [&](size_t k) {
      float power;
      if (k == 0) power = spectrum_[0] * spectrum_[0];
      else if (k == n / 2) power = spectrum_[1] * spectrum_[1];
      else power = spectrum_[2 * k] * spectrum_[2 * k] + spectrum_[2 * k + 1] * spectrum_[2 * k + 1];
      return kDbPerNeper * std::log(power + 1e-30f);
    };
    for (size_t k = 0; k <= n / 2; ++k) buffer_[k] = logPower(k);
    for (size_t k = 1; k < n / 2; ++k) buffer_[n - k] = buffer_[k];
    fft_.forward(buffer_.data(), spectrum_.data());
    out.resize(n / 2 + 1);
    out[0] = double(spectrum_[0]) * spectrum_[0];
    out[n / 2] = double(spectrum_[1]) * spectrum_[1];
    for (size_t q = 1; q < n / 2; ++q) out[q] = double(spectrum_[2 * q]) * spectrum_[2 * q];
  }

 private:
  const VoiceInput& in_;
  size_t window_;
  RealFft fft_;
  std::vector<float> taper_, buffer_, spectrum_;
};

// Prominence of one time-smoothed power cepstrum (bins 0 .. N/2; any constant scale).
double prominence(const std::vector<double>& timeSmoothed, double rate, std::vector<double>& work) {
  const size_t bins = timeSmoothed.size();
  const long half = std::lround(kCppsQuefrencyHalfSeconds * rate);
  const size_t peakFrom = static_cast<size_t>(std::ceil(rate / kCppsHighestF0));
  const size_t peakTo = std::min(bins - 1, static_cast<size_t>(std::floor(rate / kCppsLowestF0)));
  const size_t trendFrom = static_cast<size_t>(std::lround(kCppsTrendFrom * rate));
  const size_t trendTo = std::min(bins - 1, static_cast<size_t>(std::lround(kCppsTrendTo * rate)));
  // Only the bins the peak search and the trend line read. Summed afresh for each bin, not
  // by a running sum: after a loud stretch, a running sum's rounding residue in digital
  // silence would be read as a cepstrum of its own.
  const size_t used = std::min(peakFrom, trendFrom), usedTo = std::max(peakTo, trendTo);
  std::vector<double>& c = work;
  c.assign(bins, 0.0);
  const size_t h = static_cast<size_t>(half);
  for (size_t q = used; q <= usedTo; ++q) {
    const size_t from = q >= h ? q - h : 0, to = std::min(bins - 1, q + h);
    double sum = 0.0;
    for (size_t j = from; j <= to; ++j) sum += timeSmoothed[j];
    // 10 log10 in single precision, as the log spectrum: a hundredth of a dB is the most anyone reads.
    c[q] = 10.0f * std::log10(static_cast<float>(sum / static_cast<double>(to - from + 1) + kTiny));
  }
  size_t peak = peakFrom;
  for (size_t q = peakFrom; q <= peakTo; ++q)
    if (c[q] > c[peak]) peak = q;
  double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
  const double count = static_cast<double>(trendTo - trendFrom + 1);
  for (size_t q = trendFrom; q <= trendTo; ++q) {
    const double x = static_cast<double>(q);
    sx += x;
    sy += c[q];
    sxx += x * x;
    sxy += x * c[q];
  }
  const double slope = (count * sxy - sx * sy) / (count * sxx - sx * sx);
  const double intercept = (sy - slope * sx) / count;
  return c[peak] - (intercept + slope * static_cast<double>(peak));
}


// The span band-limited and decimated by `factor`: recording sample m * factor of the span
// becomes sample m, filtered by a Hann-windowed sinc of kCppsBandHz, kCppsTapsPerFactor *
// factor taps each side (the recording outside the span is read; beyond its ends, zeros).
// Only the kept samples are filtered.
struct Decimated {
  std::vector<float> samples;
  VoiceInput input;
};

Decimated decimate(const VoiceInput& in, size_t factor) {
  const long half = static_cast<long>(kCppsTapsPerFactor * factor);
  std::vector<float> taps(static_cast<size_t>(2 * half + 1));
  const double band = 2.0 * kCppsBandHz / in.rateHz;
  double sum = 0.0;
  for (long j = -half; j <= half; ++j) {
    const double x = std::numbers::pi * band * static_cast<double>(j);
    const double sinc = j == 0 ? 1.0 : std::sin(x) / x;
    const double hann = 0.5 + 0.5 * std::cos(std::numbers::pi * static_cast<double>(j) / static_cast<double>(half + 1));
    taps[static_cast<size_t>(j + half)] = static_cast<float>(sinc * hann);
    sum += sinc * hann;
  }
  for (float& t : taps) t = static_cast<float>(t / sum);
  Decimated d;
  const size_t first = (in.begin + factor - 1) / factor, last = (in.end + factor - 1) / factor;
  d.samples.resize(last - first);
  const long count = static_cast<long>(in.count);
  // The taps are symmetric, so tap j also weighs sample centre + j: a forward dot product,
  // in eight independent sums where the whole filter lies inside the recording.
  const size_t length = taps.size();
  for (size_t m = first; m < last; ++m) {
    const long centre = static_cast<long>(m * factor);
    const long from = std::max(-half, centre - count + 1), to = std::min(half, centre);
    if (from == -half && to == half) {
      const float* s = in.samples + (centre - half);
      float part[8] = {};
      size_t i = 0;
      for (; i + 8 <= length; i += 8)
        for (size_t k = 0; k < 8; ++k) part[k] += taps[i + k] * s[i + k];
      float y = 0.0f;
      for (; i < length; ++i) y += taps[i] * s[i];
      d.samples[m - first] = y + ((part[0] + part[1]) + (part[2] + part[3])) + ((part[4] + part[5]) + (part[6] + part[7]));
      continue;
    }
    float y = 0.0f;
    for (long j = from; j <= to; ++j) y += taps[static_cast<size_t>(j + half)] * in.samples[centre - j];
    d.samples[m - first] = y;
  }
  d.input = in;
  d.input.samples = d.samples.data();
  d.input.count = d.samples.size();
  d.input.rateHz = in.rateHz / static_cast<double>(factor);
  d.input.begin = 0;
  d.input.end = d.samples.size();
  return d;
}

double prominenceOfFrames(const VoiceInput& in);

}  // namespace

double smoothedCepstralPeakProminence(const VoiceInput& in) {
  const size_t factor = static_cast<size_t>(in.rateHz / kCppsDecimatedRate);
  if (factor < 2 || in.end <= in.begin) return prominenceOfFrames(in);
  const Decimated d = decimate(in, factor);
  return prominenceOfFrames(d.input);
}

namespace {

double prominenceOfFrames(const VoiceInput& in) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const size_t window = static_cast<size_t>(std::lround(kCppsWindowSeconds * in.rateHz));
  const size_t step = std::max<size_t>(1, static_cast<size_t>(std::lround(kCppsStepSeconds * in.rateHz)));
  if (in.end <= in.begin || in.end - in.begin < window || window < 8) return nan;
  size_t fftSize = kRealFftMinSize;
  while (fftSize < window) fftSize *= 2;
  if (!RealFft::isValidSize(fftSize) || static_cast<double>(fftSize / 2) <= in.rateHz / kCppsLowestF0) return nan;

  const size_t frames = (in.end - in.begin - window) / step + 1;
  const size_t h = static_cast<size_t>(kCppsTimeHalfFrames);
  CepstrumFrames maker(in, window, fftSize);
  std::vector<std::vector<double>> ring(2 * h + 1);
  std::vector<double> mean(fftSize / 2 + 1), work;
  size_t inRing = 0, first = 0;  // the frames first .. first + inRing - 1 are in the ring
  double total = 0.0;
  // The mean of the ring's cepstra, summed afresh (see prominence).
  // The sum stands for the mean: dividing every bin by the frame count moves the log cepstrum
  // by a constant, and the prominence (peak above the trend line) does not see it.
  // Frame by frame over all bins: the bins' sums are independent, so the additions overlap.
  auto emit = [&] {
    std::fill(mean.begin(), mean.end(), 0.0);
    for (size_t k = first; k < first + inRing; ++k) {
      const double* slot = ring[k % ring.size()].data();
      double* sum = mean.data();
      for (size_t q = 0; q < mean.size(); ++q) sum[q] += slot[q];
    }
    total += prominence(mean, in.rateHz, work);
  };
  for (size_t j = 0; j < frames + h; ++j) {
    if (j % 64 == 0 && stopRequested(in.stop)) return nan;
    if (j < frames) {
      if (inRing == ring.size()) {
        ++first;
        --inRing;
      }
      maker.cepstrum(in.begin + j * step, ring[j % ring.size()]);
      ++inRing;
    } else if (first + 2 * h < j) {
      ++first;
      --inRing;
    }
    if (j >= h) emit();  // frame j - h: its window is first .. min(j, frames - 1)
  }
  return total / static_cast<double>(frames);
}

}  // namespace
}  // namespace velmora
