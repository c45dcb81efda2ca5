#pragma once
// Planning a sample-rate conversion before any sample is touched:
//   1. approximateRatio: the target / source ratio as L / M with the smallest denominator
//      M below 1000 that is within 0.000001 of it;
//   2. primeFactors: L and M split into primes from the table of the 175 primes 2 .. 1039;
//   3. planStages: the factors grouped into stages (up factor L, down factor M), up and down
//      factors in ascending order with one running ratio for the chain: down factors join a
//      stage only while the rate stays at or above the source rate; the down factors left at
//      the end join the last stage while its factor stays at 41 or less.
// The resampler then runs the stages in order (resampler.h).
#include <optional>
#include <vector>

namespace velmora {

struct RateRatio {
  int up = 1;    // L
  int down = 1;  // M
};

struct ResampleStage {
  int up = 1;    // L
  int down = 1;  // M
  // Low-pass cutoff as a fraction of the stage's up-sampled rate: 0.5 / max(L, M).
  double cutoffFraction() const;
  int factor() const { return up > down ? up : down; }
};

inline constexpr int kMaxRatioDenominator = 999;
inline constexpr double kRatioTolerance = 0.000001;
inline constexpr int kPrimeTableSize = 175;

// nullopt when no denominator 1 .. 999 is close enough ("No simple factors for ratio").
std::optional<RateRatio> approximateRatio(double targetOverSource);

// Ascending prime factors; 1 gives {1}. A factor beyond the table's largest prime is kept as
// one factor (it will be too large for any stage).
std::vector<int> primeFactors(int value);

// The table of primes used for factoring (2, 3, 5, ... 1039).
const std::vector<int>& primeTable();

std::vector<ResampleStage> planStages(const RateRatio& ratio);

}  // namespace velmora
