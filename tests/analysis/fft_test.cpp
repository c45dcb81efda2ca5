// Both FFTs against a direct DFT computed in double precision, over every size they accept.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <vector>

#include "analysis/fft_complex.h"
#include "analysis/fft_real.h"

namespace velmora {
namespace {

using Spectrum = std::vector<std::complex<double>>;

// The bins to check: all of them up to 1024 points; beyond, every bin below 8 and above
// n - 8 plus a spread of others, so the direct sums stay quick (also under the sanitizers).
std::vector<size_t> binsToCheck(size_t n) {
  std::vector<size_t> bins;
  for (size_t k = 0; k < n; ++k)
    if (n <= 1024 || k < 8 || k + 8 >= n || k % 97 == 0 || k == n / 2) bins.push_back(k);
  return bins;
}

// Direct DFT in double precision of the chosen bins, with a tabled unit circle.
Spectrum directDft(const std::vector<float>& re, const std::vector<float>& im, const std::vector<size_t>& bins) {
  const size_t n = re.size();
  std::vector<std::complex<double>> circle(n);
  for (size_t m = 0; m < n; ++m) circle[m] = std::polar(1.0, -2.0 * std::numbers::pi * double(m) / double(n));
  Spectrum out;
  for (size_t k : bins) {
    std::complex<double> sum = 0;
    for (size_t t = 0; t < n; ++t) sum += std::complex<double>(re[t], im[t]) * circle[(k * t) % n];
    out.push_back(sum);
  }
  return out;
}

// Largest error over the checked bins relative to the largest magnitude among them.
double relativeError(const Spectrum& expected, const std::vector<std::complex<double>>& got) {
  double peak = 0, worst = 0;
  for (size_t i = 0; i < expected.size(); ++i) {
    peak = std::max(peak, std::abs(expected[i]));
    worst = std::max(worst, std::abs(expected[i] - got[i]));
  }
  return worst / peak;
}

std::vector<float> noise(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> dist(-32768.0f, 32767.0f);
  std::vector<float> v(n);
  for (auto& x : v) x = dist(rng);
  return v;
}

TEST(ComplexFft, MatchesDirectDftForEverySize) {
  for (size_t n = kComplexFftMinSize; n <= kComplexFftMaxSize; n *= 2) {
    SCOPED_TRACE(n);
    std::vector<float> re = noise(n, 1), im = noise(n, 2);
    const std::vector<size_t> bins = binsToCheck(n);
    const Spectrum expected = directDft(re, im, bins);
    ComplexFft fft(n);
    fft.forward(re.data(), im.data());
    std::vector<std::complex<double>> got;
    for (size_t k : bins) got.emplace_back(re[k], im[k]);
    EXPECT_LT(relativeError(expected, got), 1e-4);
  }
}

TEST(ComplexFft, ImpulseAndConstantAreUnscaled) {
  const size_t n = 64;
  ComplexFft fft(n);
  std::vector<float> re(n, 0.0f), im(n, 0.0f);
  re[0] = 1.0f;
  fft.forward(re.data(), im.data());
  for (size_t k = 0; k < n; ++k) {
    EXPECT_FLOAT_EQ(re[k], 1.0f);
    EXPECT_FLOAT_EQ(im[k], 0.0f);
  }
  std::fill(re.begin(), re.end(), 1.0f);
  std::fill(im.begin(), im.end(), 0.0f);
  fft.forward(re.data(), im.data());
  EXPECT_FLOAT_EQ(re[0], static_cast<float>(n));
  for (size_t k = 1; k < n; ++k) EXPECT_NEAR(std::abs(std::complex<float>(re[k], im[k])), 0.0f, 1e-4f);
}

TEST(ComplexFft, AcceptsOnlyPowersOfTwoInRange) {
  EXPECT_FALSE(ComplexFft::isValidSize(1));
  EXPECT_TRUE(ComplexFft::isValidSize(2));
  EXPECT_FALSE(ComplexFft::isValidSize(3));
  EXPECT_FALSE(ComplexFft::isValidSize(1000));
  EXPECT_TRUE(ComplexFft::isValidSize(16384));
  EXPECT_FALSE(ComplexFft::isValidSize(32768));
}

TEST(RealFft, MatchesDirectDftForEverySize) {
  for (size_t n = kRealFftMinSize; n <= 16384; n *= 2) {
    SCOPED_TRACE(n);
    const std::vector<float> x = noise(n, 3);
    std::vector<size_t> bins;
    for (size_t k : binsToCheck(n))
      if (k <= n / 2) bins.push_back(k);
    const Spectrum expected = directDft(x, std::vector<float>(n, 0.0f), bins);
    RealFft fft(n);
    std::vector<float> packed(n);
    fft.forward(x.data(), packed.data());
    // Unpack bins 0 .. N/2: DC and Nyquist share the first pair.
    std::vector<std::complex<double>> got;
    for (size_t k : bins) {
      if (k == 0) got.emplace_back(packed[0], 0.0);
      else if (k == n / 2) got.emplace_back(packed[1], 0.0);
      else got.emplace_back(packed[2 * k], packed[2 * k + 1]);
    }
    EXPECT_LT(relativeError(expected, got), 1e-4);
  }
}

TEST(RealFft, SineLandsInItsBinWithHalfTheSumAmplitude) {
  const size_t n = 1024;
  const size_t bin = 37;
  std::vector<float> x(n);
  for (size_t t = 0; t < n; ++t) x[t] = static_cast<float>(std::cos(2.0 * std::numbers::pi * bin * t / n));
  RealFft fft(n);
  std::vector<float> out(n);
  fft.forward(x.data(), out.data());
  EXPECT_NEAR(out[2 * bin], n / 2.0, 1e-2);
  EXPECT_NEAR(out[2 * bin + 1], 0.0, 1e-2);
  for (size_t k = 1; k < n / 2; ++k) {
    if (k == bin) continue;
    EXPECT_NEAR(std::hypot(out[2 * k], out[2 * k + 1]), 0.0, 1e-2) << "bin " << k;
  }
}

TEST(RealFft, InPlaceGivesTheSameResult) {
  const size_t n = 256;
  std::vector<float> x = noise(n, 4), separate(n);
  RealFft fft(n);
  fft.forward(x.data(), separate.data());
  fft.forward(x.data(), x.data());
  EXPECT_EQ(x, separate);
}

}  // namespace
}  // namespace velmora
