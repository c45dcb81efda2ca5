#include "audio/resampler_plan.h"

#include <cmath>
#include <cstddef>

namespace velmora {

namespace {
constexpr double kRunningRatioFloor = 0.999999;
constexpr int kLargestTablePrime = 1039;
constexpr long long kLargestStageFactor = 41;  // the stage filter's limit

std::vector<int> buildPrimeTable() {
  std::vector<int> primes;
  for (int candidate = 2; candidate <= kLargestTablePrime; ++candidate) {
    bool prime = true;
    for (int p : primes) {
      if (p * p > candidate) break;
      if (candidate % p == 0) {
        prime = false;
        break;
      }
    }
    if (prime) primes.push_back(candidate);
  }
  return primes;
}
}  // namespace

double ResampleStage::cutoffFraction() const { return 0.5 / factor(); }

const std::vector<int>& primeTable() {
  static const std::vector<int> table = buildPrimeTable();
  return table;
}

std::optional<RateRatio> approximateRatio(double targetOverSource) {
  if (!(targetOverSource > 0.0) || !std::isfinite(targetOverSource)) return std::nullopt;
  for (int d = 1; d <= kMaxRatioDenominator; ++d) {
    const double up = std::round(targetOverSource * d);
    if (up < 1.0 || up > 1e9) continue;
    if (std::fabs(targetOverSource - up / d) <= kRatioTolerance) return RateRatio{static_cast<int>(up), d};
  }
  return std::nullopt;
}

std::vector<int> primeFactors(int value) {
  if (value <= 1) return {1};
  std::vector<int> factors;
  for (int p : primeTable()) {
    while (value % p == 0) {
      factors.push_back(p);
      value /= p;
    }
    if (value == 1) break;
  }
  if (value > 1) factors.push_back(value);
  return factors;
}

std::vector<ResampleStage> planStages(const RateRatio& ratio) {
  const std::vector<int> ups = primeFactors(ratio.up);
  const std::vector<int> downs = primeFactors(ratio.down);
  std::vector<ResampleStage> stages;

  // One running ratio for the whole chain: the rate after the factors used so far, relative
  // to the source rate. A down factor joins only while it keeps that ratio at 1 or above, so
  // no stage throws away a band of the source that a later stage would still keep.
  double running = 1.0;
  size_t nextDown = 0;
  long long pendingUp = 1;
  for (int up : ups) {
    pendingUp *= up;
    running *= up;
    long long stageDown = 1;
    while (nextDown < downs.size() && running / downs[nextDown] >= kRunningRatioFloor) {
      running /= downs[nextDown];
      stageDown *= downs[nextDown];
      ++nextDown;
    }
    if (stageDown > 1) {
      stages.push_back({static_cast<int>(pendingUp), static_cast<int>(stageDown)});
      pendingUp = 1;
    }
  }
  // Down factors left over at the end: the first carries any up product still pending;
  // each joins the last stage while that stage stays within one filter's reach, else starts
  // a stage of its own. Joining spares a pass at a high intermediate rate and the memory of
  // its samples (48000 -> 44100 ends with 7/10 instead of 7/2 then 1/5).
  for (; nextDown < downs.size(); ++nextDown) {
    const int down = downs[nextDown];
    if (down == 1) continue;
    if (pendingUp == 1 && !stages.empty() &&
        static_cast<long long>(stages.back().down) * down <= kLargestStageFactor) {
      stages.back().down *= down;
      continue;
    }
    stages.push_back({static_cast<int>(pendingUp), down});
    pendingUp = 1;
  }
  // Up factors that never met a down factor (pure up-sampling, or the end of the chain):
  // grouped into as few stages as keep each factor within what one filter handles.
  if (pendingUp > 1) {
    long long group = 1;
    for (int up : primeFactors(static_cast<int>(pendingUp))) {
      if (group > 1 && group * up > kLargestStageFactor) {
        stages.push_back({static_cast<int>(group), 1});
        group = 1;
      }
      group *= up;
    }
    stages.push_back({static_cast<int>(group), 1});
  }
  return stages;
}

}  // namespace velmora
