#include "analysis/lpc_roots.h"

#include <cmath>
#include <numbers>

namespace velmora::formant {
namespace {

constexpr int kMaxIterations = 200;
constexpr double kStepTolerance = 1e-13;
constexpr int kRestarts = 4;

using Complex = std::complex<double>;

// Roots of z^2 + p z + q, the larger-magnitude real root first to keep precision.
void quadraticRoots(double p, double q, std::vector<Complex>& out) {
  const double disc = p * p - 4.0 * q;
  if (disc < 0.0) {
    const double im = std::sqrt(-disc) / 2.0;
    out.emplace_back(-p / 2.0, im);
    out.emplace_back(-p / 2.0, -im);
    return;
  }
  const double t = -0.5 * (p + std::copysign(std::sqrt(disc), p));
  if (t == 0.0) {
    out.emplace_back(0.0, 0.0);
    out.emplace_back(0.0, 0.0);
    return;
  }
  out.emplace_back(t, 0.0);
  out.emplace_back(q / t, 0.0);
}

// A few Newton steps of one root against the whole polynomial (descending coefficients).
Complex polish(const std::vector<double>& poly, Complex z) {
  const int degree = static_cast<int>(poly.size()) - 1;
  for (int iteration = 0; iteration < 3; ++iteration) {
    Complex value = poly[0], derivative = 0.0;
    for (int k = 1; k <= degree; ++k) {
      derivative = derivative * z + value;
      value = value * z + poly[static_cast<size_t>(k)];
    }
    if (derivative == Complex(0.0)) break;
    const Complex step = value / derivative;
    z -= step;
    // |step| <= 1e-15 |z|, squared: std::abs costs a hypot call per root and step.
    if (std::norm(step) <= 1e-30 * std::norm(z)) break;
  }
  return z;
}

}  // namespace

void LinBairstowSolver::resetEstimates(int degree) {
  for (int i = 0; i <= degree && i <= kMaxPolynomialDegree; ++i) {
    const double angle = (degree - i + 0.5) * std::numbers::pi / (degree + 1);
    estimateRe_[i] = 2.0 * std::cos(angle);
    estimateIm_[i] = 2.0 * std::sin(angle);
  }
}

// Newton's method on the two remainder coefficients of poly / (z^2 + p z + q).
bool LinBairstowSolver::findFactor(const double* poly, int degree, int estimate, double& p, double& q) const {
  // Estimate (re, im) stands for the roots (re +- i im) / 2: p = -re, q = (re^2 + im |im|) / 4.
  const double re = estimateRe_[estimate], im = estimateIm_[estimate];
  for (int attempt = 0; attempt < kRestarts; ++attempt) {
    // Later attempts turn the starting point around the unit circle.
    const double turn = attempt * 0.9;
    const double c = std::cos(turn), s = std::sin(turn);
    const double startRe = re * c - im * s, startIm = re * s + im * c;
    double r = startRe;  // factor written as z^2 - r z - t
    double t = -(startRe * startRe + startIm * std::abs(startIm)) / 4.0;
    if (attempt > 0 && r == 0.0 && t == 0.0) r = 0.5, t = -0.5;
    double b[kMaxPolynomialDegree + 1], d[kMaxPolynomialDegree + 1];
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
      b[0] = poly[0];
      b[1] = poly[1] + r * b[0];
      for (int k = 2; k <= degree; ++k) b[k] = poly[k] + r * b[k - 1] + t * b[k - 2];
      d[0] = b[0];
      d[1] = b[1] + r * d[0];
      for (int k = 2; k < degree; ++k) d[k] = b[k] + r * d[k - 1] + t * d[k - 2];
      const double det = d[degree - 2] * d[degree - 2] - d[degree - 1] * d[degree - 3];
      if (det == 0.0 || !std::isfinite(det)) {
        // A flat spot: nudge off it and go on.
        r += 0.1;
        t -= 0.1;
        continue;
      }
      const double dr = (-b[degree - 1] * d[degree - 2] + b[degree] * d[degree - 3]) / det;
      const double dt = (-b[degree] * d[degree - 2] + b[degree - 1] * d[degree - 1]) / det;
      r += dr;
      t += dt;
      if (!std::isfinite(r) || !std::isfinite(t)) break;
      if (std::abs(dr) <= kStepTolerance * (1.0 + std::abs(r)) && std::abs(dt) <= kStepTolerance * (1.0 + std::abs(t))) {
        p = -r;
        q = -t;
        return true;
      }
    }
  }
  return false;
}

bool LinBairstowSolver::solve(const double* c, int degree, std::vector<Complex>& roots) {
  roots.clear();
  if (degree < 0 || degree > kMaxPolynomialDegree) return false;
  std::vector<double> poly(static_cast<size_t>(degree) + 1);
  poly[0] = 1.0;
  for (int k = 1; k <= degree; ++k) {
    const double v = c[k - 1];
    poly[static_cast<size_t>(k)] = std::abs(v) < kZeroCoefficient ? 0.0 : v;
  }
  // Trailing zero coefficients are roots at the origin, which carry no resonance.
  while (degree > 0 && poly[static_cast<size_t>(degree)] == 0.0) --degree;
  poly.resize(static_cast<size_t>(degree) + 1);

  std::vector<double> work = poly;
  int remaining = degree;
  int factor = 0;
  while (remaining >= 3) {
    const int estimate = factor < kMaxPolynomialDegree / 2 ? 2 * factor + 1 : 0;
    double p = 0.0, q = 0.0;
    if (!findFactor(work.data(), remaining, estimate, p, q)) {
      roots.clear();
      return false;
    }
    estimateRe_[estimate] = -p;
    const double disc = 4.0 * q - p * p;
    estimateIm_[estimate] = std::copysign(std::sqrt(std::abs(disc)), disc);
    quadraticRoots(p, q, roots);
    // Deflate: the quotient is b[0 .. remaining - 2] of the division above.
    std::vector<double> quotient(static_cast<size_t>(remaining) - 1);
    quotient[0] = work[0];
    if (remaining - 1 > 1) quotient[1] = work[1] - p * quotient[0];
    for (int k = 2; k <= remaining - 2; ++k) quotient[k] = work[k] - p * quotient[k - 1] - q * quotient[k - 2];
    work.swap(quotient);
    remaining -= 2;
    ++factor;
  }
  if (remaining == 2) quadraticRoots(work[1] / work[0], work[2] / work[0], roots);
  if (remaining == 1) roots.emplace_back(-work[1] / work[0], 0.0);

  for (Complex& z : roots) {
    z = polish(poly, z);
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) {
      roots.clear();
      return false;
    }
  }
  return true;
}

}  // namespace velmora::formant
