#pragma once
// Cycle-to-cycle perturbation of a series of per-period values (durations for jitter, peak
// amplitudes for shimmer), as the usual voice-report measures define them:
//   local: mean |v[i] - v[i-1]|;
//   quotient of width w (odd): mean |v[i] - mean(v[i-w/2 .. i+w/2])| (RAP = 3, PPQ5 = 5,
//     APQ3 = 3, APQ5 = 5, APQ11 = 11);
//   difference of differences: mean |(v[i+1] - v[i]) - (v[i] - v[i-1])| (DDP, DDA).
// A term counts only when every value it uses is usable and each neighbouring pair in it is
// within `maximumFactor` of each other (1.3 for periods, 1.6 for amplitudes); each is divided
// by the mean of the usable values by the caller. NaN when no term counts.
#include <vector>

namespace velmora {

struct PerturbationSeries {
  std::vector<double> values;
  std::vector<bool> usable;  // same length
  double maximumFactor = 1.3;
};

double perturbationLocal(const PerturbationSeries& series);
double perturbationQuotient(const PerturbationSeries& series, int width);
double perturbationDifferences(const PerturbationSeries& series);
// mean |20 log10(v[i] / v[i-1])|, for shimmer in dB.
double perturbationLocalDecibels(const PerturbationSeries& series);
// Mean of the usable values; NaN when none is.
double perturbationMean(const PerturbationSeries& series);

}  // namespace velmora
