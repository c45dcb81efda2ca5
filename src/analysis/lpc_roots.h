#pragma once
// Roots of a prediction polynomial by Lin-Bairstow iteration: quadratic factors
// z^2 + p z + q are peeled off one after another, each found by Newton's method on the
// remainder of the division, then the roots are polished against the whole polynomial.
//
// The solver keeps its starting estimates between solves: a caller either resets them to the
// fixed estimates (points spread over the unit circle at angles (order - i + 0.5) pi / (order + 1))
// or lets the next solve start from where the previous one ended. A fresh solver starts from
// zero estimates.
#include <complex>
#include <vector>

namespace velmora::formant {

constexpr int kMaxPolynomialDegree = 30;
constexpr double kZeroCoefficient = 1e-10;

class LinBairstowSolver {
 public:
  // Sets the estimates of a polynomial of the given degree to the fixed starting values.
  void resetEstimates(int degree);

  // Roots of z^degree + c[0] z^(degree-1) + ... + c[degree-1] (the predictor a[1..degree]).
  // Coefficients below kZeroCoefficient in magnitude count as zero, and roots at z = 0 are
  // left out. Returns false when the iteration does not converge; roots then is empty.
  bool solve(const double* c, int degree, std::vector<std::complex<double>>& roots);

 private:
  bool findFactor(const double* poly, int degree, int estimate, double& p, double& q) const;

  // Per quadratic factor: 2 Re and 2 |Im| (signed by the discriminant) of its roots.
  double estimateRe_[kMaxPolynomialDegree + 1] = {};
  double estimateIm_[kMaxPolynomialDegree + 1] = {};
};

}  // namespace velmora::formant
