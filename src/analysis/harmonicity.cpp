#include "analysis/harmonicity.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

// Normalised correlation of [from, from + length) with the same stretch `lag` later; NaN when
// that leaves the recording.
double shiftedCorrelation(const VoiceInput& in, long from, long length, long lag) {
  if (from < 0 || lag <= 0 || from + length + lag > static_cast<long>(in.count))
    return std::numeric_limits<double>::quiet_NaN();
  double ab = 0.0, aa = 0.0, bb = 0.0;
  for (long k = from; k < from + length; ++k) {
    const double x = in.samples[k], y = in.samples[k + lag];
    ab += x * y;
    aa += x * x;
    bb += y * y;
  }
  return aa > 0.0 && bb > 0.0 ? ab / std::sqrt(aa * bb) : 0.0;
}

}  // namespace

HarmonicityResult meanHarmonicity(const VoiceInput& in) {
  HarmonicityResult result;
  result.meanDb = std::numeric_limits<double>::quiet_NaN();
  const long length = std::max(8L, std::lround(kHnrWindowSeconds * in.rateHz));
  const double rCeiling = 1.0 / (1.0 + std::pow(10.0, -kHnrCeilingDb / 10.0));
  double sum = 0.0;
  const size_t last = in.endFrame();
  for (size_t k = in.firstFrame(); k < last; ++k) {
    const double f0 = in.f0[k];
    if (!(f0 > 0.0)) continue;
    const double centre = static_cast<double>(k) / in.f0FramesPerSecond * in.rateHz;
    const long from = std::lround(centre) - length / 2;
    const double period = in.rateHz / f0;
    const long lowest = std::max(2L, static_cast<long>(std::floor(0.8 * period)));
    const long highest = static_cast<long>(std::ceil(1.2 * period));
    long lag = std::clamp(std::lround(period), lowest, highest);
    double r = shiftedCorrelation(in, from, length, lag);
    if (std::isnan(r)) continue;
    // Climb to the nearest maximum of the correlation.
    for (int direction : {+1, -1}) {
      while (lag + direction >= lowest && lag + direction <= highest) {
        const double neighbour = shiftedCorrelation(in, from, length, lag + direction);
        if (!(neighbour > r)) break;
        r = neighbour;
        lag += direction;
      }
    }
    const double before = shiftedCorrelation(in, from, length, lag - 1);
    const double after = shiftedCorrelation(in, from, length, lag + 1);
    if (!std::isnan(before) && !std::isnan(after)) {
      const double curvature = before - 2.0 * r + after;
      if (curvature < 0.0) {
        const double shift = 0.5 * (before - after) / curvature;
        r -= 0.25 * (before - after) * shift;
      }
    }
    if (!(r > 0.0)) continue;
    r = std::min(r, rCeiling);
    sum += 10.0 * std::log10(r / (1.0 - r));
    ++result.frames;
  }
  if (result.frames > 0) result.meanDb = sum / static_cast<double>(result.frames);
  return result;
}

}  // namespace velmora
