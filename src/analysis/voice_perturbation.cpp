#include "analysis/voice_perturbation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// True when values first .. last (inclusive) are usable and neighbours are within the factor.
bool windowCounts(const PerturbationSeries& s, size_t first, size_t last) {
  for (size_t i = first; i <= last; ++i) {
    if (!s.usable[i]) return false;
    if (i > first) {
      const double a = s.values[i - 1], b = s.values[i];
      if (a <= 0.0 || b <= 0.0 || std::max(a, b) > s.maximumFactor * std::min(a, b)) return false;
    }
  }
  return true;
}

template <typename Term>
double meanOver(const PerturbationSeries& s, size_t before, size_t after, Term term) {
  const size_t n = std::min(s.values.size(), s.usable.size());
  double sum = 0.0;
  size_t count = 0;
  for (size_t i = before; i + after < n; ++i) {
    if (!windowCounts(s, i - before, i + after)) continue;
    sum += term(i);
    ++count;
  }
  return count > 0 ? sum / static_cast<double>(count) : kNaN;
}

}  // namespace

double perturbationLocal(const PerturbationSeries& s) {
  return meanOver(s, 1, 0, [&](size_t i) { return std::fabs(s.values[i] - s.values[i - 1]); });
}

double perturbationQuotient(const PerturbationSeries& s, int width) {
  const size_t half = static_cast<size_t>(std::max(width, 1) / 2);
  return meanOver(s, half, half, [&](size_t i) {
    double sum = 0.0;
    for (size_t j = i - half; j <= i + half; ++j) sum += s.values[j];
    return std::fabs(s.values[i] - sum / static_cast<double>(2 * half + 1));
  });
}

double perturbationDifferences(const PerturbationSeries& s) {
  return meanOver(s, 1, 1, [&](size_t i) {
    return std::fabs((s.values[i + 1] - s.values[i]) - (s.values[i] - s.values[i - 1]));
  });
}

double perturbationLocalDecibels(const PerturbationSeries& s) {
  return meanOver(s, 1, 0, [&](size_t i) { return std::fabs(20.0 * std::log10(s.values[i] / s.values[i - 1])); });
}

double perturbationMean(const PerturbationSeries& s) {
  const size_t n = std::min(s.values.size(), s.usable.size());
  double sum = 0.0;
  size_t count = 0;
  for (size_t i = 0; i < n; ++i) {
    if (!s.usable[i]) continue;
    sum += s.values[i];
    ++count;
  }
  return count > 0 ? sum / static_cast<double>(count) : kNaN;
}

}  // namespace velmora
