#include "curve_fit.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();

// The outputs of one LeastSquaresFit call, each filled with a marker value so
// that a test can tell what was written.
struct FitOutputs {
  FitOutputs(std::size_t n, std::size_t m)
      : coefficients(Marked(RealArray::Vector(m))),
        estimates(Marked(RealArray::Vector(n))),
        residuals(Marked(RealArray::Vector(n))),
        errors(Marked(RealArray::Vector(m))) {}

  static RealArray Marked(RealArray array) {
    for (double& v : array.Values()) v = kMarker;
    return array;
  }

  bool Fit(const RealArray& x, const RealArray& y) {
    return CurveFit::LeastSquaresFit(x, y, coefficients, estimates, residuals, standardError,
                                     errors, rSquared, r, singular);
  }

  bool NothingButSingularWritten(std::size_t n, std::size_t m) const {
    return coefficients == Marked(RealArray::Vector(m)) &&
           estimates == Marked(RealArray::Vector(n)) &&
           residuals == Marked(RealArray::Vector(n)) && errors == Marked(RealArray::Vector(m)) &&
           standardError == kMarker && rSquared == kMarker && r == kMarker;
  }

  static constexpr double kMarker = 777;
  RealArray coefficients, estimates, residuals, errors;
  double standardError = kMarker, rSquared = kMarker, r = kMarker;
  bool singular = false;
};

TEST(LeastSquaresFit, ExactStraightLine) {
  const RealArray x = RealArray::FromValues({1, 2, 3});
  const RealArray y = RealArray::FromValues({2, 4, 6});
  FitOutputs out(3, 2);
  ASSERT_TRUE(out.Fit(x, y));
  EXPECT_NEAR(out.coefficients[0], 0, 1e-13);
  EXPECT_NEAR(out.coefficients[1], 2, 1e-13);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(out.estimates[i], y[i], 1e-13);
    EXPECT_NEAR(out.residuals[i], 0, 1e-13);
  }
  EXPECT_NEAR(out.standardError, 0, 1e-13);
  EXPECT_NEAR(out.errors[0], 0, 1e-12);
  EXPECT_NEAR(out.errors[1], 0, 1e-12);
  EXPECT_NEAR(out.rSquared, 1, 1e-13);
  EXPECT_NEAR(out.r, 1, 1e-13);
  EXPECT_FALSE(out.singular);  // det(A) = 6
}

TEST(LeastSquaresFit, ConstantThroughTwoPointsIsTheirMean) {
  const RealArray x = RealArray::FromValues({1, 2});
  const RealArray y = RealArray::FromValues({3, 8});
  FitOutputs out(2, 1);
  ASSERT_TRUE(out.Fit(x, y));
  EXPECT_DOUBLE_EQ(out.coefficients[0], 5.5);
  EXPECT_DOUBLE_EQ(out.estimates[0], 5.5);
  EXPECT_DOUBLE_EQ(out.estimates[1], 5.5);
  EXPECT_DOUBLE_EQ(out.residuals[0], 2.5);
  EXPECT_DOUBLE_EQ(out.residuals[1], -2.5);
  // One degree of freedom: s = √(2 × 2.5²); the inverse of A = (2) is 1/2.
  EXPECT_DOUBLE_EQ(out.standardError, std::sqrt(12.5));
  EXPECT_DOUBLE_EQ(out.errors[0], std::sqrt(0.5) * std::sqrt(12.5));
  EXPECT_NEAR(out.rSquared, 0, 1e-15);
  EXPECT_FALSE(out.singular);  // det(A) = 2
}

TEST(LeastSquaresFit, ResidualIsEstimateMinusObservation) {
  const RealArray x = RealArray::FromValues({1, 2, 3});
  const RealArray y = RealArray::FromValues({0, 0, 3});
  FitOutputs out(3, 2);
  ASSERT_TRUE(out.Fit(x, y));
  // The line is -2 + 1.5x: estimates -0.5, 1, 2.5.
  EXPECT_NEAR(out.coefficients[0], -2, 1e-14);
  EXPECT_NEAR(out.coefficients[1], 1.5, 1e-14);
  EXPECT_NEAR(out.residuals[0], -0.5, 1e-14);
  EXPECT_NEAR(out.residuals[1], 1, 1e-14);
  EXPECT_NEAR(out.residuals[2], -0.5, 1e-14);
}

TEST(LeastSquaresFit, StatisticsOfANoisyLineAgreeWithClosedForms) {
  const std::vector<double> xs = {1, 2, 3, 4, 5}, ys = {1, 3, 2, 5, 4};
  FitOutputs out(5, 2);
  ASSERT_TRUE(out.Fit(RealArray::FromValues(xs), RealArray::FromValues(ys)));

  // Simple linear regression by its textbook formulas.
  const double n = 5, meanX = 3, meanY = 3;
  double sxx = 0, sxy = 0, syy = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    sxx += (xs[i] - meanX) * (xs[i] - meanX);
    sxy += (xs[i] - meanX) * (ys[i] - meanY);
    syy += (ys[i] - meanY) * (ys[i] - meanY);
  }
  const double slope = sxy / sxx, intercept = meanY - slope * meanX;
  const double sse = syy - slope * sxy;
  const double s = std::sqrt(sse / (n - 2));
  EXPECT_NEAR(out.coefficients[0], intercept, 1e-13);
  EXPECT_NEAR(out.coefficients[1], slope, 1e-13);
  EXPECT_NEAR(out.standardError, s, 1e-13);
  EXPECT_NEAR(out.errors[0], s * std::sqrt(1 / n + meanX * meanX / sxx), 1e-13);
  EXPECT_NEAR(out.errors[1], s / std::sqrt(sxx), 1e-13);
  EXPECT_NEAR(out.rSquared, sxy * sxy / (sxx * syy), 1e-13);
  EXPECT_NEAR(out.r, std::sqrt(sxy * sxy / (sxx * syy)), 1e-13);
  EXPECT_FALSE(out.singular);
}

TEST(LeastSquaresFit, FitsAnExactQuadratic) {
  std::vector<double> xs, ys;
  for (int i = 0; i < 10; ++i) {
    xs.push_back(i);
    ys.push_back(1 - 2 * i + 0.5 * i * i);
  }
  FitOutputs out(10, 3);
  ASSERT_TRUE(out.Fit(RealArray::FromValues(xs), RealArray::FromValues(ys)));
  EXPECT_NEAR(out.coefficients[0], 1, 1e-10);
  EXPECT_NEAR(out.coefficients[1], -2, 1e-10);
  EXPECT_NEAR(out.coefficients[2], 0.5, 1e-11);
  for (std::size_t i = 0; i < 10; ++i) EXPECT_NEAR(out.residuals[i], 0, 1e-10);
  EXPECT_NEAR(out.rSquared, 1, 1e-12);
  EXPECT_FALSE(out.singular);
}

TEST(LeastSquaresFit, SmallDeterminantIsSingularButEverythingIsWritten) {
  // det(A) = 3 × 5e-8 − (3e-4)² = 6e-8, below 1e-7.
  const RealArray x = RealArray::FromValues({0, 1e-4, 2e-4});
  const RealArray y = RealArray::FromValues({1, 2, 3});
  FitOutputs out(3, 2);
  ASSERT_TRUE(out.Fit(x, y));
  EXPECT_TRUE(out.singular);
  EXPECT_NEAR(out.coefficients[0], 1, 1e-8);
  EXPECT_NEAR(out.coefficients[1], 1e4, 1e-4);
  EXPECT_NEAR(out.rSquared, 1, 1e-9);
}

TEST(LeastSquaresFit, AsManyCoefficientsAsPointsIsSingularAndWritesNothingElse) {
  const RealArray x = RealArray::FromValues({1, 2, 3});
  const RealArray y = RealArray::FromValues({5, 1, 4});
  for (std::size_t m : {3u, 4u}) {
    FitOutputs out(3, m);
    EXPECT_TRUE(out.Fit(x, y)) << "m = " << m;
    EXPECT_TRUE(out.singular);
    EXPECT_TRUE(out.NothingButSingularWritten(3, m));
  }
}

TEST(LeastSquaresFit, RefusedNormalMatrixFailsAndWritesNothingElse) {
  // All points share one x value: the normal matrix of a line is singular.
  const RealArray x = RealArray::FromValues({2, 2, 2});
  const RealArray y = RealArray::FromValues({1, 2, 3});
  FitOutputs out(3, 2);
  EXPECT_FALSE(out.Fit(x, y));
  EXPECT_TRUE(out.singular);
  EXPECT_TRUE(out.NothingButSingularWritten(3, 2));
}

TEST(LeastSquaresFit, MoreCoefficientsThanTheSolverTakesFails) {
  std::vector<double> xs(60);
  for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = static_cast<double>(i) / 60;
  FitOutputs out(60, 51);
  EXPECT_FALSE(out.Fit(RealArray::FromValues(xs), RealArray::FromValues(xs)));
  EXPECT_TRUE(out.singular);
  EXPECT_TRUE(out.NothingButSingularWritten(60, 51));
}

struct FitShapeCase {
  const char* name;
  RealArray x, y, coefficients, estimates, residuals, errors;
};

class LeastSquaresFitRefuses : public testing::TestWithParam<FitShapeCase> {};

TEST_P(LeastSquaresFitRefuses, WritesNothing) {
  const FitShapeCase& c = GetParam();
  RealArray coefficients = c.coefficients, estimates = c.estimates, residuals = c.residuals,
            errors = c.errors;
  double s = 7, rSquared = 7, r = 7;
  bool singular = false;
  EXPECT_FALSE(CurveFit::LeastSquaresFit(c.x, c.y, coefficients, estimates, residuals, s, errors,
                                         rSquared, r, singular));
  EXPECT_EQ(coefficients, c.coefficients);
  EXPECT_EQ(estimates, c.estimates);
  EXPECT_EQ(residuals, c.residuals);
  EXPECT_EQ(errors, c.errors);
  EXPECT_EQ(s, 7);
  EXPECT_EQ(rSquared, 7);
  EXPECT_EQ(r, 7);
  EXPECT_FALSE(singular);
}

RealArray V(std::size_t n) { return RealArray::FromValues(std::vector<double>(n, 1.5)); }

INSTANTIATE_TEST_SUITE_P(
    Cases, LeastSquaresFitRefuses,
    testing::Values(
        FitShapeCase{"no_points", V(0), V(0), V(1), V(0), V(0), V(1)},
        FitShapeCase{"no_coefficients", V(3), V(3), V(0), V(3), V(3), V(0)},
        FitShapeCase{"x_is_a_matrix", RealArray::Matrix(3, 1), V(3), V(2), V(3), V(3), V(2)},
        FitShapeCase{"y_too_short", V(3), V(2), V(2), V(3), V(3), V(2)},
        FitShapeCase{"estimates_too_long", V(3), V(3), V(2), V(4), V(3), V(2)},
        FitShapeCase{"residuals_too_short", V(3), V(3), V(2), V(3), V(2), V(2)},
        FitShapeCase{"errors_differ_from_coefficients", V(3), V(3), V(2), V(3), V(3), V(1)},
        FitShapeCase{"coefficients_are_a_matrix", V(3), V(3), RealArray::Matrix(2, 1), V(3),
                     V(3), V(2)}),
    [](const auto& info) { return std::string(info.param.name); });

// Solves a small system exactly by Gauss-Jordan elimination over rationals.
std::vector<mpq_class> SolveExactly(std::vector<std::vector<mpq_class>> a,
                                    std::vector<mpq_class> b) {
  const std::size_t n = b.size();
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivotRow = col;
    while (a[pivotRow][col] == 0) ++pivotRow;
    std::swap(a[pivotRow], a[col]);
    std::swap(b[pivotRow], b[col]);
    for (std::size_t i = 0; i < n; ++i) {
      if (i == col) continue;
      const mpq_class factor = a[i][col] / a[col][col];
      for (std::size_t k = 0; k < n; ++k) a[i][k] -= factor * a[col][k];
      b[i] -= factor * b[col];
    }
  }
  for (std::size_t i = 0; i < n; ++i) b[i] /= a[i][i];
  return b;
}

// Random data, fitted with up to five coefficients, against the exact
// least-squares solution of the same double data.
TEST(LeastSquaresFit, AgreesWithExactSolutionOnRandomData) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(-1, 1);
  for (int trial = 0; trial < 40; ++trial) {
    const std::size_t m = 1 + trial % 5;
    const std::size_t n = m + 1 + trial % 23;
    std::vector<double> xs(n), ys(n);
    for (std::size_t i = 0; i < n; ++i) {
      xs[i] = unit(random);
      ys[i] = 3 * unit(random) + 10 * xs[i] * xs[i];
    }

    std::vector<std::vector<mpq_class>> a(m, std::vector<mpq_class>(m));
    std::vector<mpq_class> g(m);
    for (std::size_t i = 0; i < n; ++i) {
      std::vector<mpq_class> powers(2 * m, mpq_class(1));
      for (std::size_t k = 1; k < 2 * m; ++k) powers[k] = powers[k - 1] * mpq_class(xs[i]);
      for (std::size_t j = 0; j < m; ++j) {
        for (std::size_t k = 0; k < m; ++k) a[j][k] += powers[j + k];
        g[j] += powers[j] * mpq_class(ys[i]);
      }
    }
    const std::vector<mpq_class> exact = SolveExactly(a, g);

    FitOutputs out(n, m);
    ASSERT_TRUE(out.Fit(RealArray::FromValues(xs), RealArray::FromValues(ys)));
    double sse = 0;
    for (std::size_t i = 0; i < n; ++i) {
      double estimate = 0, power = 1;
      for (std::size_t k = 0; k < m; ++k, power *= xs[i]) estimate += exact[k].get_d() * power;
      EXPECT_NEAR(out.estimates[i], estimate, 1e-9) << "trial " << trial << ", point " << i;
      EXPECT_NEAR(out.residuals[i], estimate - ys[i], 1e-9);
      sse += (estimate - ys[i]) * (estimate - ys[i]);
    }
    for (std::size_t k = 0; k < m; ++k)
      EXPECT_NEAR(out.coefficients[k], exact[k].get_d(), 1e-8 * (1 + std::fabs(exact[k].get_d())))
          << "trial " << trial << ", coefficient " << k;
    EXPECT_NEAR(out.standardError, std::sqrt(sse / static_cast<double>(n - m)), 1e-9);
  }
}

RealArray Table(std::size_t rows) { return RealArray::Matrix(rows, 4); }

void ExpectRow(const RealArray& table, std::size_t row, double a, double b, double c, double d) {
  EXPECT_NEAR(table.At(row, 0), a, 1e-15) << "row " << row;
  EXPECT_NEAR(table.At(row, 1), b, 1e-15) << "row " << row;
  EXPECT_NEAR(table.At(row, 2), c, 1e-15) << "row " << row;
  EXPECT_NEAR(table.At(row, 3), d, 1e-15) << "row " << row;
}

TEST(SplineCoefficients, ThreePoints) {
  RealArray table = Table(3);
  ASSERT_TRUE(CurveFit::SplineCoefficients(RealArray::FromValues({0, 1, 2}),
                                           RealArray::FromValues({0, 1, 0}), table));
  ExpectRow(table, 0, 0, 1.5, 0, -0.5);
  ExpectRow(table, 1, 1, 0, -1.5, 0.5);
  ExpectRow(table, 2, 0, -1.5, 0, 0);
}

TEST(SplineCoefficients, TwoPointsGiveAStraightLine) {
  RealArray table = Table(2);
  ASSERT_TRUE(CurveFit::SplineCoefficients(RealArray::FromValues({1, 5}),
                                           RealArray::FromValues({2, 10}), table));
  ExpectRow(table, 0, 2, 2, 0, 0);
  ExpectRow(table, 1, 10, 2, 0, 0);
}

TEST(SplineCoefficients, OnePointGivesAConstant) {
  RealArray table = Table(1);
  for (double& v : table.Values()) v = 9;
  ASSERT_TRUE(CurveFit::SplineCoefficients(RealArray::FromValues({3}),
                                           RealArray::FromValues({-4}), table));
  ExpectRow(table, 0, -4, 0, 0, 0);
}

TEST(SplineCoefficients, EqualNeighbouringKnotsAreStoredAsTheyCome) {
  RealArray table = Table(3);
  ASSERT_TRUE(CurveFit::SplineCoefficients(RealArray::FromValues({0, 1, 1}),
                                           RealArray::FromValues({0, 1, 2}), table));
  bool anyNonFinite = false;
  for (double v : table.Values()) anyNonFinite = anyNonFinite || !std::isfinite(v);
  EXPECT_TRUE(anyNonFinite);
}

// An independent natural cubic spline: the second derivatives M_i from the
// full linear system (dense elimination in extended precision), evaluated in
// the symmetric textbook form.
class ReferenceSpline {
 public:
  ReferenceSpline(std::vector<double> x, std::vector<double> y)
      : x_(std::move(x)), y_(std::move(y)), m_(x_.size(), 0) {
    const std::size_t n = x_.size();
    std::vector<std::vector<long double>> a(n, std::vector<long double>(n + 1, 0));
    a[0][0] = 1;
    a[n - 1][n - 1] = 1;
    for (std::size_t i = 1; i + 1 < n; ++i) {
      const long double h0 = x_[i] - x_[i - 1], h1 = x_[i + 1] - x_[i];
      a[i][i - 1] = h0 / 6;
      a[i][i] = (h0 + h1) / 3;
      a[i][i + 1] = h1 / 6;
      a[i][n] = (y_[i + 1] - y_[i]) / h1 - (y_[i] - y_[i - 1]) / h0;
    }
    for (std::size_t col = 0; col < n; ++col) {
      std::size_t best = col;
      for (std::size_t i = col; i < n; ++i)
        if (std::fabs(a[i][col]) > std::fabs(a[best][col])) best = i;
      std::swap(a[best], a[col]);
      for (std::size_t i = col + 1; i < n; ++i) {
        const long double factor = a[i][col] / a[col][col];
        for (std::size_t k = col; k <= n; ++k) a[i][k] -= factor * a[col][k];
      }
    }
    for (std::size_t i = n; i-- > 0;) {
      long double sum = a[i][n];
      for (std::size_t k = i + 1; k < n; ++k) sum -= a[i][k] * m_[k];
      m_[i] = sum / a[i][i];
    }
  }

  double operator()(double point) const {
    std::size_t i = 0;
    while (i + 2 < x_.size() && point >= x_[i + 1]) ++i;
    const long double h = x_[i + 1] - x_[i], left = x_[i + 1] - point, right = point - x_[i];
    return static_cast<double>(m_[i] * left * left * left / (6 * h) +
                               m_[i + 1] * right * right * right / (6 * h) +
                               (y_[i] / h - m_[i] * h / 6) * left +
                               (y_[i + 1] / h - m_[i + 1] * h / 6) * right);
  }

 private:
  std::vector<double> x_, y_;
  std::vector<long double> m_;
};

TEST(SplineCoefficients, AgreesWithAnIndependentNaturalSplineOnRandomData) {
  std::mt19937 random(77);
  std::uniform_real_distribution<double> step(0.1, 2), value(-10, 10), unit(0, 1);
  for (std::size_t n : {3u, 4u, 5u, 8u, 20u, 60u}) {
    std::vector<double> xs(n), ys(n);
    xs[0] = value(random);
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0) xs[i] = xs[i - 1] + step(random);
      ys[i] = value(random);
    }
    RealArray table = Table(n);
    const RealArray x = RealArray::FromValues(xs);
    ASSERT_TRUE(CurveFit::SplineCoefficients(x, RealArray::FromValues(ys), table));
    EXPECT_EQ(table.At(0, 2), 0) << "natural end";
    EXPECT_EQ(table.At(n - 1, 2), 0) << "natural end";

    const ReferenceSpline reference(xs, ys);
    for (int k = 0; k < 200; ++k) {
      const double point = xs[0] + unit(random) * (xs[n - 1] - xs[0]);
      double result = 0;
      ASSERT_TRUE(CurveFit::SplineValue(x, table, point, result));
      EXPECT_NEAR(result, reference(point), 1e-10) << "n = " << n << ", X = " << point;
    }
  }
}

struct SplineShapeCase {
  const char* name;
  RealArray x, y, table;
};

class SplineCoefficientsRefuses : public testing::TestWithParam<SplineShapeCase> {};

TEST_P(SplineCoefficientsRefuses, WritesNothing) {
  RealArray table = GetParam().table;
  for (double& v : table.Values()) v = 5;
  const RealArray before = table;
  EXPECT_FALSE(CurveFit::SplineCoefficients(GetParam().x, GetParam().y, table));
  EXPECT_EQ(table, before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplineCoefficientsRefuses,
    testing::Values(SplineShapeCase{"no_points", V(0), V(0), RealArray::Matrix(0, 4)},
                    SplineShapeCase{"y_too_short", V(3), V(2), Table(3)},
                    SplineShapeCase{"x_is_a_matrix", RealArray::Matrix(3, 1), V(3), Table(3)},
                    SplineShapeCase{"table_three_columns", V(3), V(3), RealArray::Matrix(3, 3)},
                    SplineShapeCase{"table_five_columns", V(3), V(3), RealArray::Matrix(3, 5)},
                    SplineShapeCase{"table_too_few_rows", V(3), V(3), Table(2)},
                    SplineShapeCase{"table_as_vector", V(3), V(3), V(12)}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplineValueCase {
  const char* name;
  double point;
  bool accepted;
  double value;
};

class SplineValueAt : public testing::TestWithParam<SplineValueCase> {};

// The spline through (0, 0), (1, 1), (2, 0).
TEST_P(SplineValueAt, ThreePointSpline) {
  const RealArray x = RealArray::FromValues({0, 1, 2});
  RealArray table = Table(3);
  ASSERT_TRUE(CurveFit::SplineCoefficients(x, RealArray::FromValues({0, 1, 0}), table));
  double value = 123;
  EXPECT_EQ(CurveFit::SplineValue(x, table, GetParam().point, value), GetParam().accepted);
  EXPECT_NEAR(value, GetParam().value, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    Points, SplineValueAt,
    testing::Values(SplineValueCase{"first_knot", 0, true, 0},
                    SplineValueCase{"middle_knot", 1, true, 1},
                    SplineValueCase{"last_knot", 2, true, 0},
                    // 1.5 × 0.5 − 0.5 × 0.125
                    SplineValueCase{"inside_first_piece", 0.5, true, 0.6875},
                    SplineValueCase{"inside_second_piece", 1.5, true, 0.6875},
                    SplineValueCase{"below_the_knots", -0.001, false, 123},
                    SplineValueCase{"above_the_knots", 2.001, false, 123},
                    SplineValueCase{"far_below", -1e300, false, 123}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplineValue, KnotsOutOfOrderUseTheFirstIntervalThatHoldsThePoint) {
  // Knots 0, 2, 1: the points of [0, 2) all lie in the first interval, so
  // even X = x_{n-1} = 1 uses row 0, and so does 1.5, beyond x_{n-1}. Only a
  // point in no interval is checked against x_0 and x_{n-1}.
  const RealArray x = RealArray::FromValues({0, 2, 1});
  RealArray table = Table(3);
  table.At(0, 1) = 1;  // row 0: the line X
  table.At(2, 0) = 4;  // row 2: the constant 4
  double value = 0;
  ASSERT_TRUE(CurveFit::SplineValue(x, table, 1, value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(CurveFit::SplineValue(x, table, 1.5, value));
  EXPECT_EQ(value, 1.5);
  EXPECT_FALSE(CurveFit::SplineValue(x, table, 2, value));
  EXPECT_FALSE(CurveFit::SplineValue(x, table, -0.5, value));
}

TEST(SplineValue, DescendingKnotsAcceptNoPoint) {
  const RealArray x = RealArray::FromValues({2, 0});
  const RealArray table = Table(2);
  double value = 0;
  for (double point : {-1.0, 0.0, 1.0, 2.0, 3.0})
    EXPECT_FALSE(CurveFit::SplineValue(x, table, point, value)) << point;
}

TEST(SplineValue, SingleKnotAcceptsOnlyThatPoint) {
  const RealArray x = RealArray::FromValues({3});
  RealArray table = Table(1);
  ASSERT_TRUE(CurveFit::SplineCoefficients(x, RealArray::FromValues({7}), table));
  double value = 0;
  ASSERT_TRUE(CurveFit::SplineValue(x, table, 3, value));
  EXPECT_EQ(value, 7);
  EXPECT_FALSE(CurveFit::SplineValue(x, table, 3.5, value));
}

TEST(SplineValue, RefusesTablesOfTheWrongShape) {
  const RealArray x = RealArray::FromValues({0, 1, 2});
  double value = 5;
  EXPECT_FALSE(CurveFit::SplineValue(x, Table(2), 1, value));
  EXPECT_FALSE(CurveFit::SplineValue(x, RealArray::Matrix(3, 3), 1, value));
  EXPECT_FALSE(CurveFit::SplineValue(V(0), RealArray::Matrix(0, 4), 0, value));
  EXPECT_FALSE(CurveFit::SplineValue(RealArray::Matrix(3, 1), Table(3), 1, value));
  EXPECT_EQ(value, 5);
}

}  // namespace
