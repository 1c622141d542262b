#include "curve_fit.h"

#include "gauss_jordan.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

bool IsVectorOf(const RealArray& array, std::size_t size) {
  return array.DimensionCount() == 1 && array.Dimension(0) == size;
}

// The determinant of the normal matrix below which a fit is called singular.
constexpr double kSingularDeterminant = 1e-7;

// A multiplier of the tridiagonal elimination at or below this magnitude
// leaves its row as it is.
constexpr double kNegligibleMultiplier = 1e-20;

}  // namespace

bool CurveFit::LeastSquaresFit(const RealArray& x, const RealArray& y, RealArray& coefficients,
                               RealArray& estimates, RealArray& residuals,
                               double& standardError, RealArray& coefficientErrors,
                               double& rSquared, double& r, bool& singular) {
  if (!x.IsVector()) return false;
  const std::size_t n = x.Dimension(0);
  if (!IsVectorOf(y, n) || !IsVectorOf(estimates, n) || !IsVectorOf(residuals, n)) return false;
  if (!coefficients.IsVector()) return false;
  const std::size_t m = coefficients.Dimension(0);
  if (!IsVectorOf(coefficientErrors, m)) return false;

  if (m >= n) {
    singular = true;
    return true;
  }

  // Design matrix: the powers x_i^0 … x_i^(m−1) of each point, row by row.
  std::vector<double> design(n * m);
  for (std::size_t i = 0; i < n; ++i) {
    design[i * m] = 1;
    if (m > 1) design[i * m + 1] = x[i];
    for (std::size_t k = 2; k < m; ++k) design[i * m + k] = design[i * m + k - 1] * x[i];
  }

  // Normal equations XᵀX·c = Xᵀy, each sum taken over the points in order.
  RealArray normal = RealArray::Matrix(m, m);
  RealArray rightSide = RealArray::Vector(m);
  for (std::size_t j = 0; j < m; ++j) {
    for (std::size_t k = 0; k < m; ++k) {
      double sum = 0;
      for (std::size_t i = 0; i < n; ++i) sum += design[i * m + j] * design[i * m + k];
      normal.At(j, k) = sum;
    }
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += design[i * m + j] * y[i];
    rightSide[j] = sum;
  }

  RealArray solution = RealArray::Vector(m);
  RealArray inverse = RealArray::Matrix(m, m);
  double det = 0;
  if (!GaussJordan::Solve(normal, rightSide, solution, inverse, det)) {
    singular = true;
    return false;
  }

  std::vector<double> fitted(n), residual(n);
  double squaredErrors = 0, sumY = 0, sumYSquared = 0;
  for (std::size_t i = 0; i < n; ++i) {
    double estimate = 0;
    for (std::size_t k = 0; k < m; ++k) estimate += design[i * m + k] * solution[k];
    fitted[i] = estimate;
    residual[i] = estimate - y[i];
    squaredErrors += residual[i] * residual[i];
    sumY += y[i];
    sumYSquared += y[i] * y[i];
  }

  const double degreesOfFreedom = static_cast<double>(n - m);
  const double s = std::sqrt(squaredErrors / degreesOfFreedom);
  const double determination =
      1 - squaredErrors / (sumYSquared - sumY * sumY / static_cast<double>(n));

  coefficients.Values() = solution.Values();
  estimates.Values() = std::move(fitted);
  residuals.Values() = std::move(residual);
  standardError = s;
  for (std::size_t k = 0; k < m; ++k)
    coefficientErrors[k] = std::sqrt(std::fabs(inverse.At(k, k))) * s;
  rSquared = determination;
  r = std::sqrt(determination);
  singular = det < kSingularDeterminant;
  return true;
}

bool CurveFit::SplineCoefficients(const RealArray& x, const RealArray& y, RealArray& table) {
  if (!x.IsVector()) return false;
  const std::size_t n = x.Dimension(0);
  if (!IsVectorOf(y, n)) return false;
  if (table.DimensionCount() != 2 || table.Dimension(0) != n || table.Dimension(1) != 4)
    return false;

  if (n == 1) {
    table.At(0, 0) = y[0];
    table.At(0, 1) = 0;
    table.At(0, 2) = 0;
    table.At(0, 3) = 0;
    return true;
  }

  std::vector<double> h(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i) h[i] = x[i + 1] - x[i];

  // c_i is half the second derivative at knot i; c_0 = c_{n−1} = 0. The
  // interior knots 1 … n − 2 give a tridiagonal system, solved without
  // pivoting (Thomas algorithm). Its rows are indexed by their knot.
  std::vector<double> c(n, 0.0), diagonal(n, 0.0), rightSide(n, 0.0);
  for (std::size_t i = 1; i + 1 < n; ++i) {
    diagonal[i] = 2 * (h[i - 1] + h[i]);
    rightSide[i] = 3 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / h[i - 1]);
  }
  // Row i has the sub-diagonal h_{i−1} and the super-diagonal h_i.
  for (std::size_t i = 2; i + 1 < n; ++i) {
    const double multiplier = h[i - 1] / diagonal[i - 1];
    if (std::fabs(multiplier) > kNegligibleMultiplier) {
      diagonal[i] -= multiplier * h[i - 1];
      rightSide[i] -= multiplier * rightSide[i - 1];
    }
  }
  if (n >= 3) {
    c[n - 2] = rightSide[n - 2] / diagonal[n - 2];
    for (std::size_t i = n - 2; i-- > 1;) c[i] = (rightSide[i] - h[i] * c[i + 1]) / diagonal[i];
  }

  double slope = (y[1] - y[0]) / h[0] - h[0] * c[1] / 3;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (i > 0) slope += (c[i - 1] + c[i]) * h[i - 1];
    table.At(i, 0) = y[i];
    table.At(i, 1) = slope;
    table.At(i, 2) = c[i];
    table.At(i, 3) = (c[i + 1] - c[i]) / (3 * h[i]);
  }
  table.At(n - 1, 0) = y[n - 1];
  table.At(n - 1, 1) = slope + (c[n - 2] + c[n - 1]) * h[n - 2];
  table.At(n - 1, 2) = 0;
  table.At(n - 1, 3) = 0;
  return true;
}

bool CurveFit::SplineValue(const RealArray& x, const RealArray& table, double point,
                           double& value) {
  if (!x.IsVector()) return false;
  const std::size_t n = x.Dimension(0);
  if (table.DimensionCount() != 2 || table.Dimension(0) != n || table.Dimension(1) != 4)
    return false;

  std::size_t row = 0;
  while (row + 1 < n && !(x[row] <= point && point < x[row + 1])) ++row;
  // No interval holds the point: it is the last knot, lies in a gap between
  // knots out of order, or lies outside the knots.
  if (row + 1 == n && (point < x[0] || point > x[n - 1])) return false;

  const double t = point - x[row];
  value = ((table.At(row, 3) * t + table.At(row, 2)) * t + table.At(row, 1)) * t +
          table.At(row, 0);
  return true;
}
