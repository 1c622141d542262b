#include "matrix_calc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "allocation_failure.h"
#include "real_array_testing.h"

namespace {

bool IsFailureArray(const RealArray& result) {
  return result.DimensionCount() == 1 && result.Size() == 1 && result[0] == 0.0;
}

RealArray RandomMatrix(std::mt19937_64& random, std::size_t rows, std::size_t columns) {
  std::uniform_real_distribution<double> element(-10.0, 10.0);
  RealArray matrix = RealArray::Matrix(rows, columns);
  for (double& value : matrix.Values()) value = element(random);
  return matrix;
}

// ---- Refusals -------------------------------------------------------------

struct RefusalCase {
  const char* name;
  std::function<RealArray()> run;
};

void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }

class MatrixRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(MatrixRefusals, GiveTheFailureArray) {
  EXPECT_TRUE(IsFailureArray(GetParam().run()));
}

const RealArray k2x3 = RealArray::Matrix(2, 3);
const RealArray k3x2 = RealArray::Matrix(3, 2);
const RealArray kVector = RealArray::FromValues({1, 2, 3});
const RealArray kEmpty;
const RealArray kNoRows = RealArray::Matrix(0, 3);
const RealArray kNoColumns = RealArray::Matrix(2, 0);

INSTANTIATE_TEST_SUITE_P(
    Shapes, MatrixRefusals,
    testing::Values(
        RefusalCase{"add_different_shapes", [] { return MatrixCalc::MatrixAdd(k2x3, k3x2); }},
        RefusalCase{"add_vector", [] { return MatrixCalc::MatrixAdd(kVector, kVector); }},
        RefusalCase{"add_empty", [] { return MatrixCalc::MatrixAdd(kEmpty, k2x3); }},
        RefusalCase{"multiply_inner_mismatch", [] { return MatrixCalc::MatrixMultiply(k2x3, k2x3); }},
        RefusalCase{"multiply_vector", [] { return MatrixCalc::MatrixMultiply(kVector, k3x2); }},
        RefusalCase{"multiply_no_rows", [] { return MatrixCalc::MatrixMultiply(kNoRows, k3x2); }},
        RefusalCase{"multiply_no_columns", [] { return MatrixCalc::MatrixMultiply(k2x3, kNoColumns); }},
        RefusalCase{"transpose_vector", [] { return MatrixCalc::MatrixTranspose(kVector); }},
        RefusalCase{"transpose_empty", [] { return MatrixCalc::MatrixTranspose(kEmpty); }},
        RefusalCase{"scale_no_columns", [] { return MatrixCalc::MatrixScale(kNoColumns, 2); }},
        RefusalCase{"scale_vector", [] { return MatrixCalc::MatrixScale(kVector, 2); }},
        RefusalCase{"invert_not_square", [] { return MatrixCalc::MatrixInverse(k2x3); }},
        RefusalCase{"invert_vector", [] { return MatrixCalc::MatrixInverse(RealArray::FromValues({4})); }},
        RefusalCase{"invert_zero", [] { return MatrixCalc::MatrixInverse(MatrixOf(1, 1, {0})); }},
        RefusalCase{"invert_below_absolute_threshold",
                    [] { return MatrixCalc::MatrixInverse(MatrixOf(1, 1, {1e-17})); }},
        RefusalCase{"invert_dependent_rows",
                    [] { return MatrixCalc::MatrixInverse(MatrixOf(2, 2, {1, 2, 2, 4})); }},
        RefusalCase{"invert_zero_column",
                    [] { return MatrixCalc::MatrixInverse(MatrixOf(3, 3, {1, 0, 2, 3, 0, 4, 5, 0, 6})); }},
        RefusalCase{"invert_not_a_number",
                    [] { return MatrixCalc::MatrixInverse(MatrixOf(1, 1, {std::nan("")})); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Values ---------------------------------------------------------------

TEST(MatrixCalc, AddsElementByElement) {
  const RealArray sum = MatrixCalc::MatrixAdd(MatrixOf(2, 2, {1, 2, 3, 4}), MatrixOf(2, 2, {10, 20, 30, 40}));
  EXPECT_EQ(sum, MatrixOf(2, 2, {11, 22, 33, 44}));
}

TEST(MatrixCalc, MultipliesTwoByThreeByThreeByTwo) {
  const RealArray a = MatrixOf(2, 3, {1, 2, 3, 4, 5, 6});
  const RealArray b = MatrixOf(3, 2, {7, 8, 9, 10, 11, 12});
  EXPECT_EQ(MatrixCalc::MatrixMultiply(a, b), MatrixOf(2, 2, {58, 64, 139, 154}));
  EXPECT_EQ(MatrixCalc::MatrixMultiply(b, a), MatrixOf(3, 3, {39, 54, 69, 49, 68, 87, 59, 82, 105}));
  EXPECT_EQ(a, MatrixOf(2, 3, {1, 2, 3, 4, 5, 6}));  // operands unchanged
}

TEST(MatrixCalc, ProductAccumulatesInIncreasingOrder) {
  // 1 + 1e16 rounds back to 1e16, and then -1e16 cancels it: 0. Summing in
  // another order would give 1.
  const RealArray row = MatrixOf(1, 3, {1, 1e16, -1e16});
  const RealArray column = MatrixOf(3, 1, {1, 1, 1});
  EXPECT_EQ(MatrixCalc::MatrixMultiply(row, column), MatrixOf(1, 1, {0}));
}

TEST(MatrixCalc, TransposesRowsIntoColumns) {
  EXPECT_EQ(MatrixCalc::MatrixTranspose(MatrixOf(1, 3, {1, 2, 3})), MatrixOf(3, 1, {1, 2, 3}));
  EXPECT_EQ(MatrixCalc::MatrixTranspose(MatrixOf(2, 3, {1, 2, 3, 4, 5, 6})),
            MatrixOf(3, 2, {1, 4, 2, 5, 3, 6}));
}

TEST(MatrixCalc, ScalesEveryElement) {
  EXPECT_EQ(MatrixCalc::MatrixScale(MatrixOf(2, 2, {1, -2, 0.5, 4}), -2), MatrixOf(2, 2, {-2, 4, -1, -8}));
}

struct InverseCase {
  const char* name;
  RealArray matrix;
  RealArray inverse;
};

void PrintTo(const InverseCase& row, std::ostream* out) { *out << row.name; }

class MatrixInverseTable : public testing::TestWithParam<InverseCase> {};

TEST_P(MatrixInverseTable, GivesTheInverse) {
  const RealArray inverse = MatrixCalc::MatrixInverse(GetParam().matrix);
  ASSERT_EQ(inverse.Dimensions(), GetParam().inverse.Dimensions());
  for (std::size_t i = 0; i < inverse.Size(); ++i)
    EXPECT_NEAR(inverse[i], GetParam().inverse[i], 1e-15 * std::max(1.0, std::fabs(GetParam().inverse[i])))
        << "element " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MatrixInverseTable,
    testing::Values(
        InverseCase{"one_by_one", MatrixOf(1, 1, {4}), MatrixOf(1, 1, {0.25})},
        InverseCase{"tiny_above_threshold", MatrixOf(1, 1, {1e-15}), MatrixOf(1, 1, {1e15})},
        InverseCase{"swap", MatrixOf(2, 2, {0, 1, 1, 0}), MatrixOf(2, 2, {0, 1, 1, 0})},
        InverseCase{"two_by_two", MatrixOf(2, 2, {4, 7, 2, 6}), MatrixOf(2, 2, {0.6, -0.7, -0.2, 0.4})},
        // A cyclic permutation: its inverse is its transpose, and undoing the
        // pivot exchanges in the wrong order would give the matrix itself.
        InverseCase{"cyclic_permutation", MatrixOf(3, 3, {0, 1, 0, 0, 0, 1, 1, 0, 0}),
                    MatrixOf(3, 3, {0, 0, 1, 1, 0, 0, 0, 1, 0})},
        InverseCase{"scaled_permutation", MatrixOf(3, 3, {0, 2, 0, 0, 0, 4, 8, 0, 0}),
                    MatrixOf(3, 3, {0, 0, 0.125, 0.5, 0, 0, 0, 0.25, 0})},
        InverseCase{"upper_triangular", MatrixOf(3, 3, {1, 2, 3, 0, 1, 4, 0, 0, 1}),
                    MatrixOf(3, 3, {1, -2, 5, 0, 1, -4, 0, 0, 1})},
        InverseCase{"symmetric", MatrixOf(3, 3, {2, -1, 0, -1, 2, -1, 0, -1, 2}),
                    MatrixOf(3, 3, {0.75, 0.5, 0.25, 0.5, 1, 0.5, 0.25, 0.5, 0.75})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatrixCalc, SingularTestIsAbsoluteNotRelative) {
  // Perfectly conditioned, but every pivot is below 2^-53.
  EXPECT_TRUE(IsFailureArray(MatrixCalc::MatrixInverse(MatrixOf(2, 2, {1e-17, 0, 0, 1e-17}))));
  EXPECT_TRUE(MatrixCalc::MatrixInverse(MatrixOf(2, 2, {1e-15, 0, 0, 1e-15})).IsMatrix());
}

// ---- Agreement with independent computations on random matrices -----------

// The product accumulated in long double.
RealArray ReferenceProduct(const RealArray& a, const RealArray& b) {
  RealArray product = RealArray::Matrix(a.Dimension(0), b.Dimension(1));
  for (std::size_t i = 0; i < a.Dimension(0); ++i)
    for (std::size_t j = 0; j < b.Dimension(1); ++j) {
      long double sum = 0;
      for (std::size_t k = 0; k < a.Dimension(1); ++k)
        sum += static_cast<long double>(a.At(i, k)) * b.At(k, j);
      product.At(i, j) = static_cast<double>(sum);
    }
  return product;
}

// Gauss-Jordan elimination with partial pivoting on [A | I], in long double.
std::vector<long double> ReferenceInverse(const RealArray& a) {
  const std::size_t n = a.Dimension(0);
  std::vector<long double> work(n * 2 * n, 0.0L);
  const auto at = [&](std::size_t i, std::size_t j) -> long double& { return work[i * 2 * n + j]; };
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = 0; j < n; ++j) at(i, j) = a.At(i, j);
    at(i, n + i) = 1;
  }
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t pivot = k;
    for (std::size_t i = k + 1; i < n; ++i)
      if (std::fabs(at(i, k)) > std::fabs(at(pivot, k))) pivot = i;
    for (std::size_t j = 0; j < 2 * n; ++j) std::swap(at(k, j), at(pivot, j));
    const long double p = at(k, k);
    for (std::size_t j = 0; j < 2 * n; ++j) at(k, j) /= p;
    for (std::size_t i = 0; i < n; ++i) {
      if (i == k) continue;
      const long double factor = at(i, k);
      for (std::size_t j = 0; j < 2 * n; ++j) at(i, j) -= factor * at(k, j);
    }
  }
  std::vector<long double> inverse(n * n);
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = 0; j < n; ++j) inverse[i * n + j] = at(i, n + j);
  return inverse;
}

TEST(MatrixCalc, ProductAgreesWithLongDoubleOnRandomMatrices) {
  std::mt19937_64 random(81);
  std::uniform_int_distribution<std::size_t> size(1, 9);
  for (int trial = 0; trial < 300; ++trial) {
    const std::size_t r = size(random), n = size(random), p = size(random);
    const RealArray a = RandomMatrix(random, r, n);
    const RealArray b = RandomMatrix(random, n, p);
    const RealArray product = MatrixCalc::MatrixMultiply(a, b);
    const RealArray reference = ReferenceProduct(a, b);
    ASSERT_EQ(product.Dimensions(), reference.Dimensions());
    for (std::size_t i = 0; i < product.Size(); ++i)
      ASSERT_NEAR(product[i], reference[i], 1e-12 * 100.0 * static_cast<double>(n)) << "trial " << trial;
  }
}

TEST(MatrixCalc, InverseAgreesWithLongDoubleEliminationOnRandomMatrices) {
  std::mt19937_64 random(82);
  std::uniform_int_distribution<std::size_t> size(1, 12);
  for (int trial = 0; trial < 300; ++trial) {
    const std::size_t n = size(random);
    const RealArray a = RandomMatrix(random, n, n);
    const RealArray inverse = MatrixCalc::MatrixInverse(a);
    ASSERT_TRUE(inverse.IsMatrix()) << "trial " << trial;
    ASSERT_EQ(inverse.Dimension(0), n);
    ASSERT_EQ(inverse.Dimension(1), n);
    const std::vector<long double> reference = ReferenceInverse(a);
    long double largest = 0;
    for (long double value : reference) largest = std::max(largest, std::fabs(value));
    for (std::size_t i = 0; i < n * n; ++i)
      ASSERT_NEAR(inverse[i], static_cast<double>(reference[i]), 1e-9 * static_cast<double>(largest))
          << "trial " << trial << " element " << i;

    // And A·A⁻¹ is the identity.
    const RealArray identity = MatrixCalc::MatrixMultiply(a, inverse);
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = 0; j < n; ++j)
        ASSERT_NEAR(identity.At(i, j), i == j ? 1.0 : 0.0, 1e-9 * static_cast<double>(largest) * 10)
            << "trial " << trial;
  }
}

// ---- Storage exhaustion ---------------------------------------------------

TEST(MatrixCalc, NoStorageForTheResultGivesTheFailureArray) {
  std::mt19937_64 random(83);
  const RealArray a = RandomMatrix(random, 20, 20);
  const RealArray b = RandomMatrix(random, 20, 20);
  RealArray sum, product, transpose, scaled, inverse;
  {
    FailingLargeAllocations failing;
    sum = MatrixCalc::MatrixAdd(a, b);
    product = MatrixCalc::MatrixMultiply(a, b);
    transpose = MatrixCalc::MatrixTranspose(a);
    scaled = MatrixCalc::MatrixScale(a, 2);
    inverse = MatrixCalc::MatrixInverse(a);
  }
  EXPECT_TRUE(IsFailureArray(sum));
  EXPECT_TRUE(IsFailureArray(product));
  EXPECT_TRUE(IsFailureArray(transpose));
  EXPECT_TRUE(IsFailureArray(scaled));
  EXPECT_TRUE(IsFailureArray(inverse));
  EXPECT_TRUE(MatrixCalc::MatrixInverse(a).IsMatrix());
}

}  // namespace
