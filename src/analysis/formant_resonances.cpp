#include "analysis/formant_resonances.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::formant {
namespace {

// |A(e^{j omega})| by Horner's rule in e^{-j omega}: one sine and cosine, not one per term.
double inverseFilterMagnitude(const std::vector<double>& predictor, double omega) {
  const std::complex<double> zInv = std::polar(1.0, -omega);
  std::complex<double> sum = 0.0;
  for (size_t k = predictor.size(); k-- > 0;) sum = (sum + predictor[k]) * zInv;
  return std::abs(1.0 + sum);
}

}  // namespace

std::vector<Resonance> resonancesFromRoots(const std::vector<std::complex<double>>& roots, double rateHz) {
  std::vector<Resonance> all;
  all.reserve(roots.size());
  for (const std::complex<double>& z : roots) {
    if (z.imag() < 0.0) continue;  // the lower half of a conjugate pair
    if (z.real() == 0.0 && z.imag() == 0.0) continue;
    Resonance r;
    r.frequencyHz = std::abs(std::atan2(z.imag(), z.real())) * rateHz / (2.0 * std::numbers::pi);
    r.bandwidthHz = std::abs(0.5 * rateHz * std::log(std::norm(z)) / std::numbers::pi);
    all.push_back(r);
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const Resonance& a, const Resonance& b) { return a.frequencyHz < b.frequencyHz; });
  std::vector<Resonance> usable;
  for (const Resonance& r : all) {
    if (r.frequencyHz > kLowestResonanceHz && r.frequencyHz < kHighestResonanceHz) usable.push_back(r);
    if (static_cast<int>(usable.size()) == kMaxResonances) break;
  }
  return usable;
}

std::vector<Resonance> resonancesFromRoots(const std::vector<std::complex<double>>& roots,
                                           const std::vector<double>& predictor, double frameRms, double rateHz) {
  std::vector<Resonance> usable = resonancesFromRoots(roots, rateHz);
  for (Resonance& r : usable) {
    const double omega = 2.0 * std::numbers::pi * r.frequencyHz / rateHz;
    // Floors keep a silent frame or a root on the unit circle from giving infinities.
    const double magnitude = std::max(inverseFilterMagnitude(predictor, omega), 1e-300);
    r.levelDb = 20.0 * std::log10(std::max(frameRms, 1e-300) / magnitude);
  }
  return usable;
}

}  // namespace velmora::formant
