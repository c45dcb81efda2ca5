#include "audio/stage_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/message_ids.h"
#include "core/string_table.h"

namespace velmora {

namespace {

// Terms of each nome series; q is about 0.1 for our edges, so six terms are far below
// double precision.
constexpr int kSeriesTerms = 6;
constexpr double kFactorRounding = 0.000001;

// One analog section (s^2 + zeroSquared) / (s^2 + poleLinear s + poleConstant), normalised so
// that the geometric mean of the band edges is 1 rad/s.
struct AnalogSection {
  double zeroSquared;
  double poleLinear;
  double poleConstant;
};

struct Prototype {
  int order = 0;
  double nome = 0;
  std::vector<AnalogSection> sections;
};

// Elliptic low-pass prototype of even order with selectivity k = passband / stopband edge.
Prototype ellipticPrototype(double selectivity, double rippleDb, double attenuationDb) {
  const double k = selectivity;
  const double kPrime = std::sqrt(1.0 - k * k);
  const double rootKPrime = std::sqrt(kPrime);
  const double q0 = 0.5 * (1.0 - rootKPrime) / (1.0 + rootKPrime);
  const double q = q0 + 2.0 * std::pow(q0, 5) + 15.0 * std::pow(q0, 9) + 150.0 * std::pow(q0, 13);
  const double discrimination = (std::pow(10.0, 0.1 * attenuationDb) - 1.0) / (std::pow(10.0, 0.1 * rippleDb) - 1.0);
  const double minimumOrder = std::log(16.0 * discrimination) / std::log(1.0 / q);
  int n = 2;
  while (n < minimumOrder) n += 2;

  Prototype p;
  p.order = n;
  p.nome = q;
  const double rippleAmplitude = std::pow(10.0, 0.05 * rippleDb);
  const double lambda = std::log((rippleAmplitude + 1.0) / (rippleAmplitude - 1.0)) / (2.0 * n);
  const double qQuarter = std::pow(q, 0.25);

  double num = 0.0;
  double den = 0.0;
  for (int m = 0; m < kSeriesTerms; ++m) {
    const double sign = (m % 2 == 0) ? 1.0 : -1.0;
    num += sign * std::pow(q, m * (m + 1)) * std::sinh((2 * m + 1) * lambda);
    if (m > 0) den += sign * std::pow(q, m * m) * std::cosh(2 * m * lambda);
  }
  const double sigma0 = std::fabs(2.0 * qQuarter * num / (1.0 + 2.0 * den));
  const double w = std::sqrt((1.0 + k * sigma0 * sigma0) * (1.0 + sigma0 * sigma0 / k));

  for (int i = 1; i <= n / 2; ++i) {
    const double mu = i - 0.5;
    double numI = 0.0;
    double denI = 0.0;
    for (int m = 0; m < kSeriesTerms; ++m) {
      const double sign = (m % 2 == 0) ? 1.0 : -1.0;
      numI += sign * std::pow(q, m * (m + 1)) * std::sin((2 * m + 1) * std::numbers::pi * mu / n);
      if (m > 0) denI += sign * std::pow(q, m * m) * std::cos(2 * m * std::numbers::pi * mu / n);
    }
    const double omega = 2.0 * qQuarter * numI / (1.0 + 2.0 * denI);
    const double omega2 = omega * omega;
    const double v = std::sqrt((1.0 - k * omega2) * (1.0 - omega2 / k));
    const double scale = 1.0 + sigma0 * sigma0 * omega2;
    AnalogSection s;
    s.zeroSquared = 1.0 / omega2;
    s.poleConstant = ((sigma0 * v) * (sigma0 * v) + (omega * w) * (omega * w)) / (scale * scale);
    s.poleLinear = 2.0 * sigma0 * v / scale;
    p.sections.push_back(s);
  }
  return p;
}

// Bilinear transform with s = (1 - 1/z) / (c (1 + 1/z)), c = sqrt(tan(wp/2) tan(ws/2)),
// scaled to unit gain at 0 Hz.
Biquad digitalSection(const AnalogSection& s, double c) {
  const double c2 = c * c;
  const double numOuter = 1.0 + s.zeroSquared * c2;  // first and last numerator value
  const double numMiddle = -2.0 + 2.0 * s.zeroSquared * c2;
  const double den0 = 1.0 + s.poleLinear * c + s.poleConstant * c2;
  const double den1 = -2.0 + 2.0 * s.poleConstant * c2;
  const double den2 = 1.0 - s.poleLinear * c + s.poleConstant * c2;
  Biquad b;
  b.a1 = den1 / den0;
  b.a2 = den2 / den0;
  const double gainAtZeroHz = (1.0 + b.a1 + b.a2) / (2.0 * numOuter + numMiddle);
  b.b0 = numOuter * gainAtZeroHz;
  b.b1 = numMiddle * gainAtZeroHz;
  return b;
}

}  // namespace

int stageFactorOf(double cutoffFraction) {
  if (!(cutoffFraction > 0.0)) return 0;
  const double factor = 0.5 / cutoffFraction + kFactorRounding;
  if (factor > 1e6) return 1000000;
  return static_cast<int>(factor);
}

bool sufferFromLimitCycles(const Biquad& section) {
  const double h = -section.a2;
  const double l = -section.a1 / (1.0 - h);
  return (1.0 - l * l) * (1.0 - h * h) < kLimitCycleMargin;
}

StageFilter designStageFilter(double cutoffFraction, const StageFilterDesign& design) {
  StageFilter filter;
  const int factor = stageFactorOf(cutoffFraction);
  if (factor < kMinStageFactor || factor > kMaxStageFactor) {
    filter.error = StageFilterError::TooDifficult;
    return filter;
  }
  filter.repeats = factor >= 30 ? 3 : (factor >= 20 ? 2 : 1);

  const double stopbandRadians = 2.0 * std::numbers::pi * cutoffFraction;
  const double passbandRadians = design.passbandEdgeFraction * stopbandRadians;
  const double tanPass = std::tan(passbandRadians / 2.0);
  const double tanStop = std::tan(stopbandRadians / 2.0);
  const double selectivity = tanPass / tanStop;
  const double c = std::sqrt(tanPass * tanStop);

  const double rippleDb = design.passbandRippleDb / filter.repeats;
  const double attenuationDb = design.stopbandAttenuationDb / filter.repeats;
  const Prototype prototype = ellipticPrototype(selectivity, rippleDb, attenuationDb);
  filter.prototypeOrder = prototype.order;
  const double achievedOnce = 10.0 * std::log10(1.0 + (std::pow(10.0, 0.1 * rippleDb) - 1.0) /
                                                          (16.0 * std::pow(prototype.nome, prototype.order)));
  filter.achievedAttenuationDb = achievedOnce * filter.repeats;

  std::vector<Biquad> once;
  for (const AnalogSection& s : prototype.sections) once.push_back(digitalSection(s, c));
  // Scaled to unit gain at 0 Hz, an even-order elliptic filter peaks at +ripple in its
  // passband; lowering it by the ripple puts the peaks at 0 dB, so a full-scale signal never grows.
  const double peakToZero = std::pow(10.0, -0.05 * rippleDb);
  once.front().b0 *= peakToZero;
  once.front().b1 *= peakToZero;

  for (int r = 0; r < filter.repeats; ++r) filter.sections.insert(filter.sections.end(), once.begin(), once.end());
  for (const Biquad& s : filter.sections) {
    filter.slowestPoleRadius = std::max(filter.slowestPoleRadius, std::sqrt(std::fabs(s.a2)));
    if (sufferFromLimitCycles(s)) filter.error = StageFilterError::LimitCycles;
  }
  return filter;
}

std::complex<double> frequencyResponse(const std::vector<Biquad>& sections, double frequencyFraction) {
  const std::complex<double> zInv = std::polar(1.0, -2.0 * std::numbers::pi * frequencyFraction);
  std::complex<double> h = 1.0;
  for (const Biquad& s : sections) {
    const std::complex<double> num = s.b0 + s.b1 * zInv + s.b0 * zInv * zInv;
    const std::complex<double> den = 1.0 + s.a1 * zInv + s.a2 * zInv * zInv;
    h *= num / den;
  }
  return h;
}

std::string stageFilterErrorText(StageFilterError error) {
  switch (error) {
    case StageFilterError::None: return {};
    case StageFilterError::TooDifficult: return StringTable::englishText(msg::FilterTooDifficult);
    case StageFilterError::LimitCycles: return "Filter will suffer from limit cycles...\n";
  }
  return {};
}

}  // namespace velmora
