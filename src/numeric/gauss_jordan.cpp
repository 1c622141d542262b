#include "gauss_jordan.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

bool IsVectorOf(const RealArray& array, std::size_t size) {
  return array.DimensionCount() == 1 && array.Dimension(0) == size;
}

bool IsMatrixOf(const RealArray& array, std::size_t rows, std::size_t columns) {
  return array.DimensionCount() == 2 && array.Dimension(0) == rows &&
         array.Dimension(1) == columns;
}

}  // namespace

bool GaussJordan::Solve(const RealArray& a, RealArray& b, RealArray& x, RealArray& inverse,
                        double& det) {
  if (!a.IsMatrix()) return false;
  const std::size_t n = a.Dimension(0);
  if (a.Dimension(1) != n || n > kMaxEquations) return false;
  if (!IsVectorOf(b, n) || !IsVectorOf(x, n) || !IsMatrixOf(inverse, n, n)) return false;

  // The elimination runs on copies so that a singular matrix, found only part
  // way through, leaves every argument as it was.
  std::vector<double> w = a.Values();  // row by row; becomes the inverse
  std::vector<double> solution = b.Values();
  const auto at = [&w, n](std::size_t row, std::size_t column) -> double& {
    return w[row * n + column];
  };

  std::vector<bool> used(n, false);
  std::vector<std::size_t> pivotRow(n), pivotColumn(n);
  double determinant = 1;

  for (std::size_t pass = 0; pass < n; ++pass) {
    // Full pivoting: the element of largest magnitude among the unused rows
    // and columns; on ties the first in row-major order wins.
    double big = 0;
    std::size_t row = n, column = n;
    for (std::size_t j = 0; j < n; ++j) {
      if (used[j]) continue;  // row j already holds the pivot of column j
      for (std::size_t k = 0; k < n; ++k) {
        if (used[k]) continue;
        if (std::fabs(at(j, k)) > big) {
          big = std::fabs(at(j, k));
          row = j;
          column = k;
        }
      }
    }
    if (row == n) return false;  // nothing above 0 left: singular

    used[column] = true;
    pivotRow[pass] = row;
    pivotColumn[pass] = column;

    // Move the pivot onto the diagonal.
    if (row != column) {
      determinant = -determinant;
      for (std::size_t l = 0; l < n; ++l) std::swap(at(row, l), at(column, l));
      std::swap(solution[row], solution[column]);
    }

    const double pivot = at(column, column);
    determinant *= pivot;
    at(column, column) = 1;
    for (std::size_t l = 0; l < n; ++l) at(column, l) /= pivot;
    solution[column] /= pivot;

    for (std::size_t j = 0; j < n; ++j) {
      if (j == column) continue;
      const double factor = at(j, column);
      at(j, column) = 0;
      for (std::size_t l = 0; l < n; ++l) at(j, l) -= factor * at(column, l);
      solution[j] -= factor * solution[column];
    }
  }

  // The row exchanges permuted the columns of the inverse; undo them in
  // reverse order.
  for (std::size_t pass = n; pass-- > 0;) {
    if (pivotRow[pass] == pivotColumn[pass]) continue;
    for (std::size_t k = 0; k < n; ++k)
      std::swap(at(k, pivotRow[pass]), at(k, pivotColumn[pass]));
  }

  inverse.Values() = std::move(w);
  b.Values() = solution;
  x.Values() = std::move(solution);
  det = determinant;
  return true;
}
