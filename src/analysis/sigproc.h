#pragma once
// Small signal-processing helpers of the F0 tracker: analysis windows, the Hanning-windowed
// RMS, LPC by the autocorrelation method (pre-emphasis, Hanning window, normalised and
// stabilised autocorrelation, Levinson-Durbin) and the Itakura distance between a predictor
// and an autocorrelation. Everything is single precision.
//
// The windowed-RMS and LPC helpers keep their window and scratch space between calls (rebuilt
// when the length changes), one set per thread.
#include <cstddef>
#include <string>
#include <vector>

namespace velmora::f0 {

inline constexpr int kMaxLpcOrder = 50;  // BIGSORD
enum WindowType : int { HammingWindow = 0, HanningWindow = 1 };

// sum(a[i] * b[i]) for i < n, in eight interleaved partial sums so the compiler can keep them
// in vector registers; the correlations of the tracker spend most of their time here.
float dotProduct(const float* a, const float* b, size_t n);

// Failures are told by the result; their text goes to *error when error is given.

// Fills out[0..n) with the window of the given type; false for an unknown type.
bool makeWindow(std::vector<float>& out, size_t n, int type, std::string* error = nullptr);

// sqrt(sum((x[i] * w[i])^2) / n) with the Hanning window of length n. Out of memory it sets
// *error and lets bad_alloc through.
float windowedRms(const float* x, size_t n, std::string* error = nullptr);

struct LpcResult {
  std::vector<float> coefficients;  // a[0..order): A(z) = 1 + sum a[i] z^-(i+1)
  std::vector<float> reflection;    // order values
  std::vector<float> autocorrelation;  // order + 1 values, r[0] = 1, stabilised
  float residualEnergy = 1.0f;      // normalised prediction error (r[0] = 1)
};

// LPC of the first n samples of x, analysing (x[i+1] - preEmphasis * x[i]) * w[i] for
// i < n - 1 with a Hanning window of length n - 1. Stabilisation above 1 dB scales
// r[1..order] by 1 / (1 + 10^(-dB/20)). False for an order outside 1..50, fewer than two
// samples, or no memory for the scratch space.
bool lpc(const float* x, size_t n, int order, float preEmphasis, float stabilisationDb, LpcResult& out,
         std::string* error = nullptr);

// (b0 + sum_{k=1..order} r[k] * bk) / g with b0 = 1 + sum a[i]^2 and
// bk = 2 * (a[k-1] + sum_{i=0}^{order-k-1} a[i] * a[i+k]).
float itakuraDistance(const std::vector<float>& a, const std::vector<float>& r, float g);

}  // namespace velmora::f0
