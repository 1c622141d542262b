#include "gauss_jordan.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "real_array_testing.h"

namespace {

struct SystemCase {
  const char* name;
  std::size_t n;
  std::vector<double> a;
  std::vector<double> b;
  std::vector<double> solution;
  std::vector<double> inverse;
  double det;
};

class SolveKnownSystem : public testing::TestWithParam<SystemCase> {};

TEST_P(SolveKnownSystem, GivesSolutionInverseAndDeterminant) {
  const SystemCase& c = GetParam();
  const RealArray a = MatrixOf(c.n, c.n, c.a);
  RealArray b = RealArray::FromValues(c.b);
  RealArray x = RealArray::Vector(c.n);
  RealArray inverse = RealArray::Matrix(c.n, c.n);
  double det = 0;
  ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));

  for (std::size_t i = 0; i < c.n; ++i) {
    EXPECT_NEAR(x[i], c.solution[i], 1e-14 * (1 + std::fabs(c.solution[i]))) << "x" << i;
    EXPECT_EQ(b[i], x[i]) << "b ends as the solution, " << i;
  }
  for (std::size_t i = 0; i < c.n * c.n; ++i)
    EXPECT_NEAR(inverse[i], c.inverse[i], 1e-14 * (1 + std::fabs(c.inverse[i]))) << "inverse " << i;
  EXPECT_NEAR(det, c.det, 1e-14 * std::fabs(c.det));
  EXPECT_EQ(a, MatrixOf(c.n, c.n, c.a)) << "A is read only";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SolveKnownSystem,
    testing::Values(
        SystemCase{"symmetric_two_by_two", 2, {2, 1, 1, 3}, {3, 5}, {0.8, 1.4},
                   {0.6, -0.2, -0.2, 0.4}, 5},
        SystemCase{"row_exchange_negates_determinant", 2, {1, 2, 3, 4}, {5, 6}, {-4, 4.5},
                   {-2, 1, 1.5, -0.5}, -2},
        SystemCase{"one_equation", 1, {4}, {2}, {0.5}, {0.25}, 4},
        // Zero coefficients are accepted as long as the matrix is regular.
        SystemCase{"identity", 2, {1, 0, 0, 1}, {7, -3}, {7, -3}, {1, 0, 0, 1}, 1},
        SystemCase{"exchange_matrix", 2, {0, 1, 1, 0}, {2, 5}, {5, 2}, {0, 1, 1, 0}, -1},
        SystemCase{"diagonal_with_negative_entry", 3, {2, 0, 0, 0, -4, 0, 0, 0, 0.5},
                   {2, 8, 1}, {1, -2, 2}, {0.5, 0, 0, 0, -0.25, 0, 0, 0, 2}, -4},
        SystemCase{"upper_triangular", 3, {1, 2, 3, 0, 1, 4, 0, 0, 1}, {6, 5, 1}, {1, 1, 1},
                   {1, -2, 5, 0, 1, -4, 0, 0, 1}, 1},
        SystemCase{"cyclic_permutation", 3, {0, 0, 2, 3, 0, 0, 0, 4, 0}, {2, 3, 4}, {1, 1, 1},
                   {0, 1.0 / 3, 0, 0, 0, 0.25, 0.5, 0, 0}, 24},
        // The determinant is the true product of the pivots, however large.
        SystemCase{"large_determinant", 2, {1e11, 1, 1, 1e11}, {1e11 + 1, 1e11 + 1}, {1, 1},
                   {1e11 / (1e22 - 1), -1 / (1e22 - 1), -1 / (1e22 - 1), 1e11 / (1e22 - 1)},
                   1e22 - 1},
        SystemCase{"large_negative_determinant", 2, {1, 1e11, 1e11, 1}, {1e11 + 1, 1e11 + 1},
                   {1, 1},
                   {-1 / (1e22 - 1), 1e11 / (1e22 - 1), 1e11 / (1e22 - 1), -1 / (1e22 - 1)},
                   1 - 1e22}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaussJordanSolve, ReportsDeterminantsBeyondAnyCap) {
  // A diagonal matrix of 1e30 entries: the determinant is 1e90.
  const std::size_t n = 3;
  RealArray a = RealArray::Matrix(n, n);
  for (std::size_t i = 0; i < n; ++i) a.At(i, i) = 1e30;
  RealArray b = RealArray::FromValues({1e30, 2e30, 3e30});
  RealArray x = RealArray::Vector(n), inverse = RealArray::Matrix(n, n);
  double det = 0;
  ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));
  EXPECT_DOUBLE_EQ(det, 1e90);
  EXPECT_DOUBLE_EQ(x[2], 3);
}

TEST(GaussJordanSolve, TinyRegularPivotsAreNotSingular) {
  // Only an exact zero pivot is singular; a determinant that underflows is
  // reported as it comes.
  const RealArray a = MatrixOf(2, 2, {1e-200, 0, 0, 1e-200});
  RealArray b = RealArray::FromValues({1e-200, 2e-200});
  RealArray x = RealArray::Vector(2), inverse = RealArray::Matrix(2, 2);
  double det = -1;
  ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));
  EXPECT_DOUBLE_EQ(x[0], 1);
  EXPECT_DOUBLE_EQ(x[1], 2);
  EXPECT_EQ(det, 0);
}

TEST(GaussJordanSolve, ArgumentsMayShareStorage) {
  RealArray matrix = MatrixOf(2, 2, {2, 1, 1, 3});
  RealArray vector = RealArray::FromValues({3, 5});
  double det = 0;
  ASSERT_TRUE(GaussJordan::Solve(matrix, vector, vector, matrix, det));
  EXPECT_NEAR(vector[0], 0.8, 1e-15);
  EXPECT_NEAR(vector[1], 1.4, 1e-15);
  EXPECT_NEAR(matrix.At(0, 0), 0.6, 1e-15);
  EXPECT_NEAR(matrix.At(1, 0), -0.2, 1e-15);
  EXPECT_NEAR(det, 5, 1e-14);
}

struct RefusalCase {
  const char* name;
  RealArray a;
  RealArray b;
  RealArray x;
  RealArray inverse;
};

class SolveRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(SolveRefuses, WritesNothing) {
  const RefusalCase& c = GetParam();
  RealArray b = c.b, x = c.x, inverse = c.inverse;
  for (double& v : b.Values()) v = 11;
  for (double& v : x.Values()) v = 12;
  for (double& v : inverse.Values()) v = 13;
  const RealArray bBefore = b, xBefore = x, inverseBefore = inverse;
  double det = 99;
  EXPECT_FALSE(GaussJordan::Solve(c.a, b, x, inverse, det));
  EXPECT_EQ(b, bBefore);
  EXPECT_EQ(x, xBefore);
  EXPECT_EQ(inverse, inverseBefore);
  EXPECT_EQ(det, 99);
}

RealArray Filled(RealArray array, double value) {
  for (double& v : array.Values()) v = value;
  return array;
}

RealArray Identity(std::size_t n) {
  RealArray matrix = RealArray::Matrix(n, n);
  for (std::size_t i = 0; i < n; ++i) matrix.At(i, i) = 1;
  return matrix;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, SolveRefuses,
    testing::Values(
        RefusalCase{"singular_without_zeros", MatrixOf(2, 2, {1, 2, 2, 4}), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"singular_found_in_last_pass", MatrixOf(3, 3, {1, 2, 4, 2, 4, 8, 4, 8, 1}),
                    RealArray::Vector(3), RealArray::Vector(3), RealArray::Matrix(3, 3)},
        RefusalCase{"zero_row", MatrixOf(2, 2, {1, 2, 0, 0}), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"zero_column", MatrixOf(2, 2, {0, 2, 0, 3}), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"all_zero", RealArray::Matrix(3, 3), RealArray::Vector(3),
                    RealArray::Vector(3), RealArray::Matrix(3, 3)},
        RefusalCase{"not_a_number_everywhere", Filled(RealArray::Matrix(2, 2), kNan),
                    RealArray::Vector(2), RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"not_square", RealArray::Matrix(2, 3), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"matrix_as_vector", RealArray::FromValues({1, 2, 3, 4}),
                    RealArray::Vector(2), RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"empty_matrix", RealArray::Matrix(0, 0), RealArray::Vector(0),
                    RealArray::Vector(0), RealArray::Matrix(0, 0)},
        RefusalCase{"right_side_too_short", Identity(2), RealArray::Vector(1),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"right_side_is_a_matrix", Identity(2), RealArray::Matrix(2, 1),
                    RealArray::Vector(2), RealArray::Matrix(2, 2)},
        RefusalCase{"solution_too_long", Identity(2), RealArray::Vector(2),
                    RealArray::Vector(3), RealArray::Matrix(2, 2)},
        RefusalCase{"inverse_wrong_shape", Identity(2), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Matrix(2, 3)},
        RefusalCase{"inverse_as_vector", Identity(2), RealArray::Vector(2),
                    RealArray::Vector(2), RealArray::Vector(4)},
        RefusalCase{"fifty_one_equations", Identity(51), RealArray::Vector(51),
                    RealArray::Vector(51), RealArray::Matrix(51, 51)}),
    [](const auto& info) { return std::string(info.param.name); });

// The exact solution, inverse and determinant of a system with rational
// (here: integer) coefficients, by Gauss-Jordan elimination in exact
// arithmetic with the first non-zero pivot of each column.
struct ExactSolution {
  std::vector<mpq_class> x;
  std::vector<mpq_class> inverse;
  mpq_class det;
};

ExactSolution SolveExactly(std::size_t n, const std::vector<double>& a,
                           const std::vector<double>& b) {
  const std::size_t width = 2 * n + 1;  // [A | I | b]
  std::vector<mpq_class> m(n * width);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) m[i * width + j] = a[i * n + j];
    m[i * width + n + i] = 1;
    m[i * width + 2 * n] = b[i];
  }
  mpq_class det = 1;
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivotRow = col;
    while (m[pivotRow * width + col] == 0) ++pivotRow;
    if (pivotRow != col) {
      for (std::size_t k = 0; k < width; ++k)
        std::swap(m[pivotRow * width + k], m[col * width + k]);
      det = -det;
    }
    const mpq_class pivot = m[col * width + col];
    det *= pivot;
    for (std::size_t k = 0; k < width; ++k) m[col * width + k] /= pivot;
    for (std::size_t i = 0; i < n; ++i) {
      if (i == col || m[i * width + col] == 0) continue;
      const mpq_class factor = m[i * width + col];
      for (std::size_t k = 0; k < width; ++k) m[i * width + k] -= factor * m[col * width + k];
    }
  }
  ExactSolution result;
  for (std::size_t i = 0; i < n; ++i) {
    result.x.push_back(m[i * width + 2 * n]);
    for (std::size_t j = 0; j < n; ++j) result.inverse.push_back(m[i * width + n + j]);
  }
  result.det = det;
  return result;
}

// Random diagonally dominant integer systems with many zero coefficients, of
// every size up to the limit, against the exact rational solution.
TEST(GaussJordanSolve, AgreesWithExactSolutionOnRandomSystems) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> entry(-9, 9);
  std::bernoulli_distribution zero(0.4);
  for (std::size_t n : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 50u}) {
    std::vector<double> a(n * n), b(n);
    for (std::size_t i = 0; i < n; ++i) {
      double rowSum = 0;
      for (std::size_t j = 0; j < n; ++j) {
        if (i != j && !zero(random)) a[i * n + j] = entry(random);
        rowSum += std::fabs(a[i * n + j]);
      }
      a[i * n + i] = (entry(random) < 0 ? -1 : 1) * (rowSum + 1 + std::abs(entry(random)));
      b[i] = zero(random) ? 0 : entry(random);
    }
    const ExactSolution exact = SolveExactly(n, a, b);

    const RealArray matrix = MatrixOf(n, n, a);
    RealArray rightSide = RealArray::FromValues(b);
    RealArray x = RealArray::Vector(n), inverse = RealArray::Matrix(n, n);
    double det = 0;
    ASSERT_TRUE(GaussJordan::Solve(matrix, rightSide, x, inverse, det)) << "n = " << n;
    for (std::size_t i = 0; i < n; ++i)
      EXPECT_NEAR(x[i], exact.x[i].get_d(), 1e-12) << "n = " << n << ", x" << i;
    for (std::size_t i = 0; i < n * n; ++i)
      EXPECT_NEAR(inverse[i], exact.inverse[i].get_d(), 1e-12) << "n = " << n << ", " << i;
    const double trueDet = exact.det.get_d();
    EXPECT_NEAR(det, trueDet, 1e-11 * std::fabs(trueDet)) << "n = " << n;
  }
}

TEST(GaussJordanSolve, FiftyEquationsIsTheLimit) {
  RealArray a = Identity(50);
  a.At(49, 0) = 2;
  RealArray b = RealArray::Vector(50), x = RealArray::Vector(50);
  RealArray inverse = RealArray::Matrix(50, 50);
  b[0] = 1;
  double det = 0;
  ASSERT_TRUE(GaussJordan::Solve(a, b, x, inverse, det));
  EXPECT_EQ(x[0], 1);
  EXPECT_EQ(x[49], -2);
  EXPECT_EQ(inverse.At(49, 0), -2);
  EXPECT_EQ(det, 1);
}

}  // namespace
