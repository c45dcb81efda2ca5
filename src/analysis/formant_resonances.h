#pragma once
// Candidate resonances of one analysis frame, from the roots of its prediction polynomial:
// frequency |arg z| * rate / 2 pi, bandwidth |ln |z|^2 * rate / 2 pi|, and level
// 20 log10(rms / |A(e^{j omega})|) when asked for. A conjugate pair counts once; real roots (0 Hz or the
// Nyquist frequency) are dropped. The result is ordered by frequency, at most kMaxResonances.
#include <complex>
#include <vector>

namespace velmora::formant {

constexpr int kMaxResonances = 10;
constexpr double kLowestResonanceHz = 1.0;
constexpr double kHighestResonanceHz = 4999.0;

struct Resonance {
  double frequencyHz = 0.0;
  double levelDb = 0.0;
  double bandwidthHz = 0.0;
};

// Frequencies and bandwidths, levels left at 0: all the tracker's mapping uses.
std::vector<Resonance> resonancesFromRoots(const std::vector<std::complex<double>>& roots, double rateHz);

// The same with each resonance's level; predictor holds a[1..order] of A(z) = 1 + sum a[k] z^-k.
std::vector<Resonance> resonancesFromRoots(const std::vector<std::complex<double>>& roots,
                                           const std::vector<double>& predictor, double frameRms, double rateHz);

}  // namespace velmora::formant
