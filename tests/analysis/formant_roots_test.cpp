// Root solving of prediction polynomials and the resonances read from the roots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

#include "analysis/formant_resonances.h"
#include "analysis/lpc_roots.h"

namespace velmora::formant {
namespace {

using Complex = std::complex<double>;

// Predictor a[1..n] of prod (1 - z_k z^-1) over the given roots (conjugates added for complex ones).
std::vector<double> predictorFromRoots(const std::vector<Complex>& upperRoots) {
  std::vector<Complex> poly = {1.0};
  auto multiply = [&poly](Complex z) {
    std::vector<Complex> next(poly.size() + 1, 0.0);
    for (size_t i = 0; i < poly.size(); ++i) {
      next[i] += poly[i];
      next[i + 1] -= z * poly[i];
    }
    poly.swap(next);
  };
  for (Complex z : upperRoots) {
    multiply(z);
    if (z.imag() != 0.0) multiply(std::conj(z));
  }
  std::vector<double> a;
  for (size_t i = 1; i < poly.size(); ++i) a.push_back(poly[i].real());
  return a;
}

Complex rootAt(double frequencyHz, double bandwidthHz) {
  return std::polar(std::exp(-std::numbers::pi * bandwidthHz / 10000.0), 2.0 * std::numbers::pi * frequencyHz / 10000.0);
}

bool containsRoot(const std::vector<Complex>& roots, Complex z, double tolerance) {
  return std::any_of(roots.begin(), roots.end(), [&](Complex r) { return std::abs(r - z) < tolerance; });
}

TEST(LinBairstowRoots, FindsAllRootsOfAnOrderTwelvePredictor) {
  const std::vector<Complex> upper = {rootAt(300, 60), rootAt(900, 80), rootAt(2300, 120),
                                      rootAt(3000, 150), rootAt(3600, 300), rootAt(4600, 600)};
  const std::vector<double> a = predictorFromRoots(upper);
  ASSERT_EQ(a.size(), 12u);
  for (bool fixedStart : {false, true}) {
    LinBairstowSolver solver;  // a fresh solver starts from zero estimates
    if (fixedStart) solver.resetEstimates(12);
    std::vector<Complex> roots;
    ASSERT_TRUE(solver.solve(a.data(), 12, roots));
    ASSERT_EQ(roots.size(), 12u);
    for (Complex z : upper) {
      EXPECT_TRUE(containsRoot(roots, z, 1e-9)) << z;
      EXPECT_TRUE(containsRoot(roots, std::conj(z), 1e-9)) << z;
    }
  }
}

TEST(LinBairstowRoots, RealRootsTinyCoefficientsAndRootsAtTheOrigin) {
  LinBairstowSolver solver;
  std::vector<Complex> roots;
  // (1 - 0.5 z^-1)(1 + 0.8 z^-1)(1 - 2 r cos z^-1 + r^2 z^-2) * z^-1 (a root at 0).
  std::vector<double> a = predictorFromRoots({Complex(0.5, 0.0), Complex(-0.8, 0.0), rootAt(1000, 100)});
  a.push_back(0.0);
  ASSERT_TRUE(solver.solve(a.data(), 5, roots));
  EXPECT_EQ(roots.size(), 4u);  // the root at the origin is left out
  EXPECT_TRUE(containsRoot(roots, Complex(0.5, 0.0), 1e-9));
  EXPECT_TRUE(containsRoot(roots, Complex(-0.8, 0.0), 1e-9));
  EXPECT_TRUE(containsRoot(roots, rootAt(1000, 100), 1e-9));

  // A trailing coefficient below 1e-10 counts as zero: again a root at the origin.
  a.back() = 5e-11;
  ASSERT_TRUE(solver.solve(a.data(), 5, roots));
  EXPECT_EQ(roots.size(), 4u);

  // The all-zero predictor of a silent frame has no roots at all.
  const std::vector<double> zeros(12, 0.0);
  ASSERT_TRUE(solver.solve(zeros.data(), 12, roots));
  EXPECT_TRUE(roots.empty());
}

TEST(LinBairstowRoots, EstimatesCarriedOverStillSolveTheNextPolynomial) {
  LinBairstowSolver solver;
  std::vector<Complex> roots;
  const std::vector<double> first = predictorFromRoots({rootAt(500, 50), rootAt(1500, 70), rootAt(2500, 90),
                                                        rootAt(3500, 110), rootAt(4200, 400), rootAt(1900, 900)});
  const std::vector<double> second = predictorFromRoots({rootAt(250, 40), rootAt(2250, 70), rootAt(2950, 90),
                                                         rootAt(3600, 150), rootAt(4400, 300), rootAt(1200, 1100)});
  ASSERT_TRUE(solver.solve(first.data(), 12, roots));
  ASSERT_TRUE(solver.solve(second.data(), 12, roots));  // starts where the first solve ended
  EXPECT_TRUE(containsRoot(roots, rootAt(250, 40), 1e-9));
  EXPECT_TRUE(containsRoot(roots, rootAt(1200, 1100), 1e-9));
}

TEST(FrameResonances, FrequencyBandwidthLevelAndOrder) {
  const std::vector<Complex> upper = {rootAt(2500, 120), rootAt(700, 80), rootAt(1200, 90)};
  std::vector<Complex> roots;
  for (Complex z : upper) {
    roots.push_back(z);
    roots.push_back(std::conj(z));
  }
  roots.emplace_back(0.9, 0.0);   // 0 Hz: real, dropped
  roots.emplace_back(-0.7, 0.0);  // 5000 Hz: real, dropped
  std::vector<double> a = predictorFromRoots(upper);
  const std::vector<Resonance> r = resonancesFromRoots(roots, a, 250.0, 10000.0);
  ASSERT_EQ(r.size(), 3u);
  const double expected[3][2] = {{700, 80}, {1200, 90}, {2500, 120}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(r[i].frequencyHz, expected[i][0], 1e-6);
    EXPECT_NEAR(r[i].bandwidthHz, expected[i][1], 1e-6);
    // Level: 20 log10(rms / |A|) at the resonance, computed here independently.
    const double omega = 2.0 * std::numbers::pi * expected[i][0] / 10000.0;
    Complex sum = 1.0;
    for (size_t k = 0; k < a.size(); ++k) sum += a[k] * std::exp(Complex(0.0, -omega * static_cast<double>(k + 1)));
    EXPECT_NEAR(r[i].levelDb, 20.0 * std::log10(250.0 / std::abs(sum)), 1e-9);
  }
  // A resonance sits far above the spectrum's average: the level must reflect the peak.
  EXPECT_GT(r[0].levelDb, 20.0 * std::log10(250.0));
}

TEST(FrameResonances, AtMostTenAreKeptLowestFirst) {
  std::vector<Complex> roots;
  for (int k = 1; k <= 14; ++k) {
    const Complex z = rootAt(4800.0 - 300.0 * k, 100);
    roots.push_back(z);
    roots.push_back(std::conj(z));
  }
  const std::vector<Resonance> r = resonancesFromRoots(roots, {}, 1.0, 10000.0);
  ASSERT_EQ(r.size(), 10u);
  EXPECT_NEAR(r.front().frequencyHz, 600.0, 1e-6);
  EXPECT_NEAR(r.back().frequencyHz, 3300.0, 1e-6);
}

}  // namespace
}  // namespace velmora::formant
