#include "analysis/glottal_pulses.h"

#include "analysis/butterworth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora {

double VoiceInput::f0At(double position) const {
  if (f0Count == 0 || rateHz <= 0.0) return 0.0;
  const double frame = std::round(position / rateHz * f0FramesPerSecond);
  if (frame < 0.0 || frame >= static_cast<double>(f0Count)) return 0.0;
  return f0[static_cast<size_t>(frame)];
}

size_t VoiceInput::firstFrame() const {
  const double first = std::ceil(static_cast<double>(begin) / rateHz * f0FramesPerSecond);
  return std::min(f0Count, static_cast<size_t>(std::max(0.0, first)));
}

size_t VoiceInput::endFrame() const {
  if (end == 0) return firstFrame();
  const double last = std::floor(static_cast<double>(end - 1) / rateHz * f0FramesPerSecond);
  return std::max(firstFrame(), std::min(f0Count, static_cast<size_t>(std::max(0.0, last + 1.0))));
}

namespace {

struct Run {
  long from = 0, to = 0;  // samples [from, to)
};

// A stopped walk leaves at least this many periods of its run before the rest is walked anew.
constexpr double kRestPeriods = 3.0;
constexpr int kMaximumRunSplits = 200;

// The span and a margin around it, low-passed forwards and backwards (no phase shift); positions
// stay those of the recording.
struct SmoothedSpan {
  std::vector<float> samples;
  long from = 0;  // recording position of samples[0]

  double at(long i) const {
    const long k = i - from;
    return k >= 0 && k < static_cast<long>(samples.size()) ? samples[static_cast<size_t>(k)] : 0.0;
  }
  long end() const { return from + static_cast<long>(samples.size()); }
};

SmoothedSpan smoothSpan(const VoiceInput& in) {
  SmoothedSpan span;
  const size_t margin = static_cast<size_t>(kPulseMarginSeconds * in.rateHz);
  span.from = static_cast<long>(in.begin > margin ? in.begin - margin : 0);
  const size_t to = std::min(in.count, in.end + margin);
  span.samples.assign(in.samples + span.from, in.samples + to);
  if (kPulseLowPassHz * 1.2 >= in.rateHz / 2.0) return span;
  ButterworthDesign design = designButterworth(static_cast<int>(FilterType::LowPass), 4, kPulseLowPassHz, 0.0, in.rateHz);
  if (!design.filter) return span;
  // Whole blocks through the filter (sample by sample gives the same values, slower); each
  // pass is kept in single precision, as the samples are.
  std::vector<double> block(span.samples.begin(), span.samples.end());
  resetFilter(*design.filter);
  filterBlock(*design.filter, block.data(), block.size());
  std::reverse(block.begin(), block.end());
  for (double& v : block) v = static_cast<float>(v);
  resetFilter(*design.filter);
  filterBlock(*design.filter, block.data(), block.size());
  for (size_t i = 0; i < block.size(); ++i) span.samples[block.size() - 1 - i] = static_cast<float>(block[i]);
  return span;
}

class PulseWalker {
 public:
  PulseWalker(const VoiceInput& in, const SmoothedSpan& smooth, Run run) : in_(in), smooth_(smooth), run_(run) {
    double high = 0.0, low = 0.0;
    for (long i = run.from; i < run.to; ++i) {
      high = std::max(high, smooth.at(i));
      low = std::min(low, smooth.at(i));
    }
    sign_ = high >= -low ? 1.0 : -1.0;
    silence_ = kSilenceFraction * std::max(high, -low);
  }

  void walk(std::vector<GlottalPulse>& out) {
    const double middle = 0.5 * static_cast<double>(run_.from + run_.to);
    const double period = periodAt(middle, in_.rateHz / 200.0);
    const long seed = strongest(static_cast<long>(middle - period / 2), static_cast<long>(middle + period / 2));
    if (seed < 0) return;
    // The seed is the band-limited peak; every other mark is the previous one plus the lag at
    // which the two cycles match best, so a period is the cycle-to-cycle lag, not the distance
    // between two peaks that formant movements shift inside their cycles.
    const GlottalPulse first = refine(seed);
    std::vector<GlottalPulse> backwards;
    GlottalPulse mark = first;
    for (long p = seed, q; (q = next(p, -1)) >= 0; p = q) {
      mark.position += matchedLag(p, q);
      backwards.push_back(mark);
    }
    out.insert(out.end(), backwards.rbegin(), backwards.rend());
    out.push_back(first);
    mark = first;
    for (long p = seed, q; (q = next(p, +1)) >= 0; p = q) {
      mark.position += matchedLag(p, q);
      out.push_back(mark);
    }
  }

 private:
  double value(long i) const { return sign_ * smooth_.at(i); }

  double periodAt(double position, double fallback) const {
    const double f0 = in_.f0At(position);
    return f0 > 0.0 ? in_.rateHz / f0 : fallback;
  }

  long strongest(long from, long to) const {
    from = std::max(from, run_.from);
    to = std::min(to, run_.to);
    long best = -1;
    for (long i = from; i < to; ++i)
      if (best < 0 || value(i) > value(best)) best = i;
    return best;
  }

  // Normalised correlation of the period-long neighbourhoods of a and b; -1 when either
  // leaves the recording.
  double correlation(long a, long b, long length) const {
    const long half = length / 2;
    if (a - half < smooth_.from || b - half < smooth_.from || a + half >= smooth_.end() || b + half >= smooth_.end())
      return -1.0;
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (long k = -half; k <= half; ++k) {
      const double x = smooth_.at(a + k), y = smooth_.at(b + k);
      ab += x * y;
      aa += x * x;
      bb += y * y;
    }
    return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
  }

  // The lag from the cycle at a to the one near b, to a fraction of a sample: the best-matching
  // lag within two samples of b - a, refined by a parabola through its neighbours.
  double matchedLag(long a, long b) const {
    const long length = std::lround(periodAt(static_cast<double>(a), static_cast<double>(std::labs(b - a))));
    long best = b;
    double rBest = correlation(a, b, length);
    for (long c = b - 2; c <= b + 2; ++c) {
      if (c == b) continue;
      const double r = correlation(a, c, length);
      if (r > rBest) {
        rBest = r;
        best = c;
      }
    }
    const double rLeft = correlation(a, best - 1, length), rRight = correlation(a, best + 1, length);
    const double curvature = rLeft - 2.0 * rBest + rRight;
    const double shift = curvature < 0.0 ? std::clamp(0.5 * (rLeft - rRight) / curvature, -0.5, 0.5) : 0.0;
    return static_cast<double>(best - a) + shift;
  }

  // The peak one cycle after (direction +1) or before (-1) p inside the run, or -1.
  long next(long p, int direction) const {
    const double period = periodAt(static_cast<double>(p), 0.0);
    if (period <= 0.0) return -1;
    const long nearest = p + direction * static_cast<long>(std::ceil(0.8 * period));
    const long farthest = p + direction * static_cast<long>(std::floor(1.25 * period));
    const long from = std::max(std::min(nearest, farthest), run_.from + 1);
    const long to = std::min(std::max(nearest, farthest), run_.to - 2);
    const long length = std::lround(period);
    long best = -1;
    double bestCorrelation = kMinimumCycleCorrelation;
    for (long i = from; i <= to; ++i) {
      if (value(i) <= silence_ || value(i) < value(i - 1) || value(i) < value(i + 1)) continue;
      const double r = correlation(p, i, length);
      if (r > bestCorrelation) {
        bestCorrelation = r;
        best = i;
      }
    }
    return best;
  }

  // The band-limited waveform at a fractional position: a Hann-windowed sinc over
  // kInterpolationDepth samples each side.
  double interpolated(double position) const {
    const long centre = static_cast<long>(std::floor(position));
    const double fraction = position - static_cast<double>(centre);
    if (fraction == 0.0) return value(centre);
    // sin(pi (position - k)) only changes sign from one k to the next.
    const double sinFraction = std::sin(std::numbers::pi * fraction);
    // The taper's angle falls by pi / depth from one k to the next: rotate instead of calling cos
    // for every tap (this is the pulse search's hot loop).
    const long first = centre - kInterpolationDepth + 1;
    const double step = std::numbers::pi / kInterpolationDepth;
    const double cosStep = std::cos(step), sinStep = std::sin(step);
    const double angle = std::numbers::pi * (position - static_cast<double>(first)) / kInterpolationDepth;
    double cosAngle = std::cos(angle), sinAngle = std::sin(angle);
    double sum = 0.0;
    for (long k = first; k <= centre + kInterpolationDepth; ++k) {
      const double d = position - static_cast<double>(k);
      const double taper = 0.5 + 0.5 * cosAngle;
      const double sine = (centre - k) % 2 == 0 ? sinFraction : -sinFraction;
      sum += value(k) * sine / (std::numbers::pi * d) * taper;
      const double c = cosAngle * cosStep + sinAngle * sinStep;
      sinAngle = sinAngle * cosStep - cosAngle * sinStep;
      cosAngle = c;
    }
    return sum;
  }

  // The maximum of the band-limited waveform within a sample of peak i (golden-section search).
  GlottalPulse refine(long i) const {
    constexpr double kGolden = 0.6180339887498949;
    double a = static_cast<double>(i) - 1.0, b = static_cast<double>(i) + 1.0;
    double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
    double fc = interpolated(c), fd = interpolated(d);
    for (int step = 0; step < 28; ++step) {  // 2 samples x 0.618^28: below 1e-5 sample
      if (fc > fd) {
        b = d;
        d = c;
        fd = fc;
        c = b - kGolden * (b - a);
        fc = interpolated(c);
      } else {
        a = c;
        c = d;
        fc = fd;
        d = a + kGolden * (b - a);
        fd = interpolated(d);
      }
    }
    const double position = 0.5 * (a + b);
    return GlottalPulse{position, interpolated(position)};
  }

  const VoiceInput& in_;
  const SmoothedSpan& smooth_;
  Run run_;
  double sign_ = 1.0;
  double silence_ = 0.0;
};

// Walks a run. Where the walk stops well short of an end of the run (a quiet or irregular
// stretch inside a long voiced run of running speech), the rest on that side is walked as a run
// of its own, with its own seed and its own loudness.
void walkRun(const VoiceInput& in, const SmoothedSpan& smooth, Run run, std::vector<GlottalPulse>& out, int depth) {
  if (run.to - run.from <= 3 || depth > kMaximumRunSplits) return;
  std::vector<GlottalPulse> marks;
  PulseWalker(in, smooth, run).walk(marks);
  if (marks.size() < (depth > 0 ? 4u : 1u)) return;
  marks.front().startsWalk = true;
  const auto periodAt = [&](double position) {
    const double f0 = in.f0At(position);
    return f0 > 0.0 ? in.rateHz / f0 : 0.0;
  };
  const double before = periodAt(marks.front().position), after = periodAt(marks.back().position);
  const long head = static_cast<long>(std::floor(marks.front().position - 0.5 * before));
  const long tail = static_cast<long>(std::ceil(marks.back().position + 0.5 * after));
  if (before > 0.0 && marks.front().position - static_cast<double>(run.from) > kRestPeriods * before)
    walkRun(in, smooth, Run{run.from, head}, out, depth + 1);
  out.insert(out.end(), marks.begin(), marks.end());
  if (after > 0.0 && static_cast<double>(run.to) - marks.back().position > kRestPeriods * after)
    walkRun(in, smooth, Run{tail, run.to}, out, depth + 1);
}

// The RMS of the recording under a Hann window `width` samples wide centred on `centre`.
double windowedRms(const VoiceInput& in, double centre, double width) {
  const double from = centre - width / 2.0;
  const long first = std::max(0L, static_cast<long>(std::ceil(from)));
  const long last = std::min(static_cast<long>(in.count) - 1, static_cast<long>(std::floor(centre + width / 2.0)));
  double energy = 0.0, weights = 0.0;
  for (long k = first; k <= last; ++k) {
    const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * (static_cast<double>(k) - from) / width);
    const double s = in.samples[k];
    energy += w * s * s;
    weights += w;
  }
  return weights > 0.0 ? std::sqrt(energy / weights) : 0.0;
}

// Amplitudes from the local period: the mean of the intervals to the neighbouring marks, leaving
// out an interval that spans a voice break (longer than 1.5 periods of the F0 track there).
void setAmplitudes(const VoiceInput& in, std::vector<GlottalPulse>& pulses) {
  for (size_t i = 0; i < pulses.size(); ++i) {
    const double f0 = in.f0At(pulses[i].position);
    const double trackPeriod = f0 > 0.0 ? in.rateHz / f0 : 0.0;
    double sum = 0.0;
    int count = 0;
    const auto add = [&](double interval) {
      if (trackPeriod > 0.0 && interval > 1.5 * trackPeriod) return;
      sum += interval;
      ++count;
    };
    if (i > 0) add(pulses[i].position - pulses[i - 1].position);
    if (i + 1 < pulses.size()) add(pulses[i + 1].position - pulses[i].position);
    const double period = count > 0 ? sum / count : trackPeriod;
    pulses[i].amplitude = period > 0.0 ? windowedRms(in, pulses[i].position, kAmplitudeWindowPeriods * period) : 0.0;
  }
}

}  // namespace

std::vector<GlottalPulse> findGlottalPulses(const VoiceInput& input) {
  std::vector<GlottalPulse> pulses;
  if (input.samples == nullptr || input.rateHz <= 0.0 || input.f0FramesPerSecond <= 0.0 || input.end <= input.begin)
    return pulses;
  const double samplesPerFrame = input.rateHz / input.f0FramesPerSecond;
  const SmoothedSpan smooth = smoothSpan(input);
  const size_t last = input.endFrame();
  for (size_t k = input.firstFrame(); k < last;) {
    if (stopRequested(input.stop)) return {};
    if (!(input.f0[k] > 0.0f)) {
      ++k;
      continue;
    }
    size_t stop = k;
    while (stop < last && input.f0[stop] > 0.0f) ++stop;
    Run run;
    run.from = std::max(static_cast<long>(input.begin),
                        std::lround((static_cast<double>(k) - 0.5) * samplesPerFrame));
    run.to = std::min(static_cast<long>(input.end), std::lround((static_cast<double>(stop) - 0.5) * samplesPerFrame));
    walkRun(input, smooth, run, pulses, 0);
    k = stop;
  }
  setAmplitudes(input, pulses);
  return pulses;
}

}  // namespace velmora
