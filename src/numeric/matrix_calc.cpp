#include "matrix_calc.h"

#include <cmath>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// Runs a computation that may allocate; storage exhaustion ends in the
// failure array instead of an exception through the engine's interface.
template <typename Compute>
RealArray Guarded(Compute compute) {
  try {
    return compute();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return MatrixCalc::FailureArray();
}

}  // namespace

RealArray MatrixCalc::FailureArray() { return RealArray::FromValues({0.0}); }

RealArray MatrixCalc::MatrixAdd(const RealArray& a, const RealArray& b) {
  if (!a.IsMatrix() || !b.IsMatrix() || a.Dimensions() != b.Dimensions()) return FailureArray();
  return Guarded([&] {
    RealArray sum = RealArray::Matrix(a.Dimension(0), a.Dimension(1));
    for (std::size_t i = 0; i < sum.Size(); ++i) sum[i] = a[i] + b[i];
    return sum;
  });
}

RealArray MatrixCalc::MatrixMultiply(const RealArray& a, const RealArray& b) {
  if (!a.IsMatrix() || !b.IsMatrix() || a.Dimension(1) != b.Dimension(0)) return FailureArray();
  return Guarded([&] {
    const std::size_t rows = a.Dimension(0);
    const std::size_t inner = a.Dimension(1);
    const std::size_t columns = b.Dimension(1);
    RealArray product = RealArray::Matrix(rows, columns);
    for (std::size_t i = 0; i < rows; ++i)
      for (std::size_t j = 0; j < columns; ++j) {
        double running = 0.0;
        for (std::size_t k = 0; k < inner; ++k) running = a.At(i, k) * b.At(k, j) + running;
        product.At(i, j) = running;
      }
    return product;
  });
}

RealArray MatrixCalc::MatrixTranspose(const RealArray& a) {
  if (!a.IsMatrix()) return FailureArray();
  return Guarded([&] {
    const std::size_t rows = a.Dimension(0);
    const std::size_t columns = a.Dimension(1);
    RealArray transpose = RealArray::Matrix(columns, rows);
    for (std::size_t i = 0; i < rows; ++i)
      for (std::size_t j = 0; j < columns; ++j) transpose.At(j, i) = a.At(i, j);
    return transpose;
  });
}

RealArray MatrixCalc::MatrixScale(const RealArray& a, double x) {
  if (!a.IsMatrix()) return FailureArray();
  return Guarded([&] {
    RealArray scaled = RealArray::Matrix(a.Dimension(0), a.Dimension(1));
    for (std::size_t i = 0; i < scaled.Size(); ++i) scaled[i] = x * a[i];
    return scaled;
  });
}

RealArray MatrixCalc::MatrixInverse(const RealArray& a) {
  if (!a.IsMatrix() || a.Dimension(0) != a.Dimension(1)) return FailureArray();
  return Guarded([&] {
    const std::size_t n = a.Dimension(0);
    RealArray m = a;
    // The pivot position of step k, rows and columns counted from 0.
    std::vector<std::size_t> rowSwap(n), columnSwap(n);

    const auto swapRows = [&](std::size_t r1, std::size_t r2) {
      for (std::size_t j = 0; j < n; ++j) std::swap(m.At(r1, j), m.At(r2, j));
    };
    const auto swapColumns = [&](std::size_t c1, std::size_t c2) {
      for (std::size_t i = 0; i < n; ++i) std::swap(m.At(i, c1), m.At(i, c2));
    };

    for (std::size_t k = 0; k < n; ++k) {
      // The largest magnitude of the remaining block; the first in row-major
      // order wins among equals.
      double d = 0.0;
      rowSwap[k] = k;
      columnSwap[k] = k;
      for (std::size_t i = k; i < n; ++i)
        for (std::size_t j = k; j < n; ++j)
          if (std::fabs(m.At(i, j)) > d) {
            d = std::fabs(m.At(i, j));
            rowSwap[k] = i;
            columnSwap[k] = j;
          }
      if (1.0 + d == 1.0) return FailureArray();

      if (rowSwap[k] != k) swapRows(k, rowSwap[k]);
      if (columnSwap[k] != k) swapColumns(k, columnSwap[k]);

      m.At(k, k) = 1.0 / m.At(k, k);
      const double pivotInverse = m.At(k, k);
      for (std::size_t j = 0; j < n; ++j)
        if (j != k) m.At(k, j) = m.At(k, j) * pivotInverse;
      for (std::size_t i = 0; i < n; ++i) {
        if (i == k) continue;
        const double factor = m.At(i, k);
        for (std::size_t j = 0; j < n; ++j)
          if (j != k) m.At(i, j) = m.At(i, j) - factor * m.At(k, j);
      }
      for (std::size_t i = 0; i < n; ++i)
        if (i != k) m.At(i, k) = -(m.At(i, k) * pivotInverse);
    }

    // A row exchange of the matrix is a column exchange of its inverse and
    // the other way round, undone from the last step to the first.
    for (std::size_t k = n; k-- > 0;) {
      if (columnSwap[k] != k) swapRows(k, columnSwap[k]);
      if (rowSwap[k] != k) swapColumns(k, rowSwap[k]);
    }
    return m;
  });
}
