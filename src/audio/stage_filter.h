#pragma once
// The low-pass filter of one resampling stage: an elliptic design as a cascade of
// second-order sections, run at the stage's up-sampled rate.
//
// designStageFilter(cutoff):
//   1. edges: stopband at the cutoff, passband at 0.9 x cutoff (fractions of the rate),
//      prewarped for the bilinear transform;
//   2. factor N = 0.5 / cutoff must lie in 2 .. 41;
//   3. narrow filters (N 20..29, 30..41) are built as two or three identical cascades, each
//      with a half or a third of the ripple and of the attenuation, so every pole stays well
//      conditioned;
//   4. analog elliptic prototype from the nome series (order: the smallest even order that
//      reaches the attenuation);
//   5. bilinear transform of each section; each section is scaled to unit gain at 0 Hz and
//      the cascade's passband peak is 0 dB;
//   6. limit-cycle check of every section's poles.
// The resampler runs the sections (direct form II) forward and backward over each stage.
#include <complex>
#include <string>
#include <vector>

namespace velmora {

// y = b0 (w + w2) + b1 w1 with w = x - a1 w1 - a2 w2 (the numerator is symmetric).
struct Biquad {
  double b0 = 1.0;
  double b1 = 0.0;
  double a1 = 0.0;
  double a2 = 0.0;
};

struct StageFilterDesign {
  double passbandRippleDb = 0.2;
  double stopbandAttenuationDb = 80.0;
  double passbandEdgeFraction = 0.9;  // passband edge as a fraction of the stopband edge
};

enum class StageFilterError {
  None,
  TooDifficult,  // factor outside 2 .. 41
  LimitCycles,   // a section's poles lie too close to the unit circle
};

struct StageFilter {
  StageFilterError error = StageFilterError::None;
  std::vector<Biquad> sections;
  int prototypeOrder = 0;           // order of one elliptic prototype
  int repeats = 1;                  // how many times the prototype is cascaded
  double achievedAttenuationDb = 0; // of the whole cascade
  double slowestPoleRadius = 0;     // largest pole radius, for the length of the decay

  int order() const { return prototypeOrder * repeats; }
  bool ok() const { return error == StageFilterError::None; }
};

inline constexpr int kMinStageFactor = 2;
inline constexpr int kMaxStageFactor = 41;
// (1 - l^2)(1 - h^2) below this marks a section as prone to limit cycles.
inline constexpr double kLimitCycleMargin = 0.00001;

// The stage's factor N from its relative cutoff (0.5 / max(L, M)).
int stageFactorOf(double cutoffFraction);

StageFilter designStageFilter(double cutoffFraction, const StageFilterDesign& design = {});

// True when the section's poles would sustain limit cycles.
bool sufferFromLimitCycles(const Biquad& section);

// The cascade's complex response at `frequencyFraction` of the sampling rate.
std::complex<double> frequencyResponse(const std::vector<Biquad>& sections, double frequencyFraction);

// The texts the design reports for its failures.
std::string stageFilterErrorText(StageFilterError error);

}  // namespace velmora
