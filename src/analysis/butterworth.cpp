#include "analysis/butterworth.h"

#include <cmath>
#include <complex>
#include <new>
#include <numbers>

namespace velmora {
namespace {

// Magnitude below which a section's state counts as zero (see filterSample).
constexpr double kFlushBelow = 1e-30;

// After a sound ends in digital silence the state decays into subnormal numbers, which the
// processor handles many times slower; far below a 16-bit sample, it is simply zero.
double flushed(double w) { return std::fabs(w) < kFlushBelow ? 0.0 : w; }

using Complex = std::complex<double>;

// Bilinear map of an s-plane point onto the z-plane, z = (1 + s) / (1 - s).
Complex toZ(Complex s) { return (1.0 + s) / (1.0 - s); }

// Coefficients of (1 - z1 x)(1 - z2 x) for a conjugate pair z1 = z, z2 = conj(z).
void pairDenominator(Complex z, double out[3]) {
  out[0] = 1.0;
  out[1] = -2.0 * z.real();
  out[2] = std::norm(z);
}

// Product of two 3-coefficient polynomials in z^-1.
void multiply3(const double p[3], const double q[3], double out[5]) {
  for (int i = 0; i < 5; ++i) out[i] = 0.0;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i + j] += p[i] * q[j];
}

// |H(e^{j omega})| of one section before the gain is fixed.
double sectionMagnitude(const FilterSection& s, double omega) {
  Complex num = 0.0, den = 0.0;
  const Complex zInv = std::polar(1.0, -omega);
  Complex power = 1.0;
  for (int k = 0; k < s.coefficientCount; ++k) {
    num += s.b[k] * power;
    den += s.a[k] * power;
    power *= zInv;
  }
  return std::abs(num) / std::abs(den);
}

void scaleNumerator(FilterSection& s, double gain) {
  for (int k = 0; k < s.coefficientCount; ++k) s.b[k] *= gain;
}

// The prototype's j-th pole for a cutoff of one (left half-plane, upper of the pair).
Complex prototypePole(int j, int order) {
  const double theta = (2.0 * j + 1.0) * std::numbers::pi / (2.0 * order);
  return {-std::cos(theta), std::sin(theta)};
}

FilterSection lowOrHighSection(Complex analogPole, bool highPass) {
  FilterSection s;
  s.coefficientCount = 3;
  const Complex z = toZ(analogPole);
  pairDenominator(z, s.a);
  if (!highPass) {
    // Zeros at z = -1; unit gain at 0 Hz: g * 4 = a0 + a1 + a2.
    const double g = (s.a[0] + s.a[1] + s.a[2]) / 4.0;
    s.b[0] = g;
    s.b[1] = 2.0 * g;
    s.b[2] = g;
  } else {
    // Zeros at z = 1; unit gain at the Nyquist frequency: g * 4 = a0 - a1 + a2.
    const double g = (s.a[0] - s.a[1] + s.a[2]) / 4.0;
    s.b[0] = g;
    s.b[1] = -2.0 * g;
    s.b[2] = g;
  }
  return s;
}

// One prototype pole p (normalised) becomes two band poles, roots of s^2 - c p s + w0^2 = 0
// where c is the bandwidth (band-pass) or its reciprocal counterpart (band-stop: s^2 - (B / p) s + w0^2).
void bandPoles(Complex linear, double w0Squared, Complex out[2]) {
  const Complex root = std::sqrt(linear * linear - 4.0 * w0Squared);
  out[0] = (linear + root) / 2.0;
  out[1] = (linear - root) / 2.0;
}

FilterSection bandSection(Complex prototype, double wLow, double wHigh, bool stop) {
  FilterSection s;
  s.coefficientCount = 5;
  const double bandwidth = wHigh - wLow;
  const double w0Squared = wLow * wHigh;
  Complex poles[2];
  bandPoles(stop ? bandwidth / prototype : bandwidth * prototype, w0Squared, poles);
  // Each band pole lies in the upper or lower half-plane; its conjugate comes from the
  // prototype's conjugate pole, so the section's denominator is the product of both pairs.
  double d1[3], d2[3];
  pairDenominator(toZ(poles[0]), d1);
  pairDenominator(toZ(poles[1]), d2);
  multiply3(d1, d2, s.a);

  double n1[3];
  if (!stop) {
    // Two zeros at 0 Hz and two at the Nyquist frequency: (1 - z^-2)^2.
    const double n[3] = {1.0, 0.0, -1.0};
    for (int k = 0; k < 3; ++k) n1[k] = n[k];
  } else {
    // A double zero pair on the unit circle at the centre frequency.
    const double omega0 = 2.0 * std::atan(std::sqrt(w0Squared));
    n1[0] = 1.0;
    n1[1] = -2.0 * std::cos(omega0);
    n1[2] = 1.0;
  }
  multiply3(n1, n1, s.b);
  const double reference = stop ? 0.0 : 2.0 * std::atan(std::sqrt(w0Squared));
  scaleNumerator(s, 1.0 / sectionMagnitude(s, reference));
  return s;
}

}  // namespace

const char* filterErrorText(FilterError error) {
  switch (error) {
    case FilterError::None: return "";
    case FilterError::UnknownType: return "filter: unknown filter type";
    case FilterError::OddOrder: return "filter: filter order must be even";
    case FilterError::OrderTooLarge: return "filter: order of filter too large";
    case FilterError::OutOfMemory: return "filter: out of memory";
  }
  return "";
}

ButterworthDesign designButterworth(int type, int order, double f1Hz, double f2Hz, double rateHz) {
  ButterworthDesign result;
  auto fail = [&result](FilterError e) {
    result.filter.reset();
    result.error = e;
    result.errorText = filterErrorText(e);
    return std::move(result);
  };
  if (type < 1 || type > 4) return fail(FilterError::UnknownType);
  // A zero or negative order has no sections to build; it is as unusable as an odd one.
  if (order % 2 != 0 || order <= 0) return fail(FilterError::OddOrder);
  if (order > kMaxButterworthOrder) return fail(FilterError::OrderTooLarge);

  const auto filterType = static_cast<FilterType>(type);
  const double w1 = std::tan(std::numbers::pi * f1Hz / rateHz);
  const double w2 = std::tan(std::numbers::pi * f2Hz / rateHz);
  try {
    auto cascade = std::make_unique<FilterCascade>();
    cascade->sections.reserve(static_cast<size_t>(order / 2));
    for (int j = 0; j < order / 2; ++j) {
      const Complex p = prototypePole(j, order);
      switch (filterType) {
        case FilterType::LowPass: cascade->sections.push_back(lowOrHighSection(p * w1, false)); break;
        // s -> w / s maps a unit-circle pole p to w * conj(p): the same pair, other zeros.
        case FilterType::HighPass: cascade->sections.push_back(lowOrHighSection(w1 * std::conj(p), true)); break;
        case FilterType::BandPass: cascade->sections.push_back(bandSection(p, w1, w2, false)); break;
        case FilterType::BandStop: cascade->sections.push_back(bandSection(p, w1, w2, true)); break;
      }
    }
    result.filter = std::move(cascade);
  } catch (const std::bad_alloc&) {
    return fail(FilterError::OutOfMemory);
  }
  return result;
}

void resetFilter(FilterCascade& filter) {
  for (FilterSection& s : filter.sections)
    for (double& v : s.state) v = 0.0;
}

namespace {

// G consecutive three-coefficient sections over a block, sample by sample, their states held
// in registers: each section's recursion is a chain the processor must wait on, and running G
// of them side by side lets those waits overlap. Every value meets the same operations in the
// same order as through filterSample's loops.
template <int G>
void runSections(FilterSection* sections, double* values, size_t n) {
  double a1[G], a2[G], b0[G], b1[G], b2[G], s1[G], s2[G], s3[G];
  for (int g = 0; g < G; ++g) {
    const FilterSection& s = sections[g];
    a1[g] = s.a[1], a2[g] = s.a[2], b0[g] = s.b[0], b1[g] = s.b[1], b2[g] = s.b[2];
    s1[g] = s.state[0], s2[g] = s.state[1], s3[g] = s.state[2];
  }
  for (size_t i = 0; i < n; ++i) {
    double y = values[i];
    for (int g = 0; g < G; ++g) {
      double w = y;
      w -= a1[g] * s1[g];
      w -= a2[g] * s2[g];
      w = flushed(w);
      double out = 0.0;
      out += b0[g] * w;
      out += b1[g] * s1[g];
      out += b2[g] * s2[g];
      s3[g] = s2[g];
      s2[g] = s1[g];
      s1[g] = w;
      y = out;
    }
    values[i] = y;
  }
  for (int g = 0; g < G; ++g) {
    FilterSection& s = sections[g];
    s.state[0] = s1[g], s.state[1] = s2[g], s.state[2] = s3[g];
  }
}

// Any section (band sections have five coefficients), one sample at a time.
void runSection(FilterSection& s, double* values, size_t n) {
  const int k = s.coefficientCount;
  for (size_t v = 0; v < n; ++v) {
    // Shift first, so state[1..k-1] hold the previous values when the new one is formed.
    for (int i = k - 1; i > 0; --i) s.state[i] = s.state[i - 1];
    double w = values[v];
    for (int i = 1; i < k; ++i) w -= s.a[i] * s.state[i];
    s.state[0] = flushed(w);
    double out = 0.0;
    for (int i = 0; i < k; ++i) out += s.b[i] * s.state[i];
    values[v] = out;
  }
}

}  // namespace

void filterBlock(FilterCascade& filter, double* values, size_t n) {
  std::vector<FilterSection>& sections = filter.sections;
  size_t j = 0;
  while (j < sections.size()) {
    size_t run = 0;  // three-coefficient sections from j on, at most four
    while (run < 4 && j + run < sections.size() && sections[j + run].coefficientCount == 3) ++run;
    if (run == 4) {
      runSections<4>(&sections[j], values, n);
    } else if (run >= 2) {
      run = 2;
      runSections<2>(&sections[j], values, n);
    } else if (run == 1) {
      runSections<1>(&sections[j], values, n);
    } else {
      run = 1;
      runSection(sections[j], values, n);
    }
    j += run;
  }
}

float filterSample(FilterCascade& filter, double x) {
  filterBlock(filter, &x, 1);
  return static_cast<float>(x);
}

void freeFilter(std::unique_ptr<FilterCascade>& filter) { filter.reset(); }

}  // namespace velmora
