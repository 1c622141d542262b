#include "summary_stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

// The nine outputs of one call.
struct Statistics {
  explicit Statistics(std::size_t p)
      : minimum(RealArray::Vector(p)), maximum(RealArray::Vector(p)), range(RealArray::Vector(p)),
        sum(RealArray::Vector(p)), mean(RealArray::Vector(p)), variance(RealArray::Vector(p)),
        deviation(RealArray::Vector(p)), error(RealArray::Vector(p)),
        median(RealArray::Vector(p)) {}

  bool Summarize(const RealArray& data) {
    return SummaryStats::Summarize(data, minimum, maximum, range, sum, mean, variance, deviation,
                                   error, median);
  }

  RealArray minimum, maximum, range, sum, mean, variance, deviation, error, median;
};

RealArray Rows(std::size_t p, const std::vector<double>& values) {
  RealArray data = RealArray::Matrix(p, values.size() / p);
  data.Values() = values;
  return data;
}

// Equal, or both not a number.
void ExpectSame(double actual, double expected, const char* what) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << what << " is " << actual;
  } else if (std::isinf(expected)) {
    EXPECT_EQ(actual, expected) << what;
  } else {
    EXPECT_NEAR(actual, expected, 1e-13 * (1 + std::fabs(expected))) << what;
  }
}

struct RowCase {
  const char* name;
  std::vector<double> row;
  double minimum, maximum, range, sum, mean, variance, deviation, error, median;
};

class SummarizeOneRow : public testing::TestWithParam<RowCase> {};

TEST_P(SummarizeOneRow, GivesNineStatistics) {
  const RowCase& c = GetParam();
  Statistics s(1);
  ASSERT_TRUE(s.Summarize(Rows(1, c.row)));
  ExpectSame(s.minimum[0], c.minimum, "minimum");
  ExpectSame(s.maximum[0], c.maximum, "maximum");
  ExpectSame(s.range[0], c.range, "range");
  ExpectSame(s.sum[0], c.sum, "sum");
  ExpectSame(s.mean[0], c.mean, "mean");
  ExpectSame(s.variance[0], c.variance, "variance");
  ExpectSame(s.deviation[0], c.deviation, "deviation");
  ExpectSame(s.error[0], c.error, "error");
  ExpectSame(s.median[0], c.median, "median");
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SummarizeOneRow,
    testing::Values(
        RowCase{"three_values", {3, 1, 2}, 1, 3, 2, 6, 2, 1, 1, 1 / std::sqrt(3.0), 2},
        RowCase{"four_values_average_the_middle_pair", {4, 1, 3, 2}, 1, 4, 3, 10, 2.5,
                5.0 / 3, std::sqrt(5.0 / 3), std::sqrt(5.0 / 3) / 2, 2.5},
        RowCase{"two_values", {1, 3}, 1, 3, 2, 4, 2, 2, std::sqrt(2.0), 1, 2},
        RowCase{"single_value_has_no_spread", {5}, 5, 5, 0, 5, 5, kNan, kNan, kNan, 5},
        RowCase{"negative_values", {-2, -8, -5}, -8, -2, 6, -15, -5, 9, 3, std::sqrt(3.0), -5},
        RowCase{"repeated_values", {7, 7, 7, 7}, 7, 7, 0, 28, 7, 0, 0, 0, 7},
        RowCase{"infinity_propagates", {1, kInfinity, 2}, 1, kInfinity, kInfinity, kInfinity,
                kInfinity, kNan, kNan, kNan, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryStats, EachStatisticIsTakenAlongARow) {
  Statistics s(2);
  ASSERT_TRUE(s.Summarize(Rows(2, {1, 2, 3, 10, 20, 30})));
  EXPECT_EQ(s.mean[0], 2);
  EXPECT_EQ(s.mean[1], 20);
  EXPECT_EQ(s.sum[1], 60);
  EXPECT_EQ(s.minimum[1], 10);
  EXPECT_EQ(s.median[1], 20);
  EXPECT_NEAR(s.variance[1], 100, 1e-12);
}

TEST(SummaryStats, TheSortKeepsEqualValuesInTheirOrder) {
  // 0 and -0 compare equal; the minimum is the first of them in the row.
  Statistics s(2);
  ASSERT_TRUE(s.Summarize(Rows(2, {0.0, -0.0, 1, -0.0, 0.0, 1})));
  EXPECT_FALSE(std::signbit(s.minimum[0]));
  EXPECT_TRUE(std::signbit(s.minimum[1]));
}

TEST(SummaryStats, SumRunsInAscendingOrder) {
  // In row order 1e16 + 1 + 1 loses both ones; in ascending order it keeps them.
  Statistics s(1);
  ASSERT_TRUE(s.Summarize(Rows(1, {1e16, 1, 1})));
  EXPECT_EQ(s.sum[0], 1e16 + 2);
}

// Direct two-pass computation with a library sort.
TEST(SummaryStats, AgreesWithDirectComputationOnRandomTables) {
  std::mt19937 random(62);
  std::uniform_real_distribution<double> value(-1000, 1000);
  for (std::size_t q : {2u, 3u, 4u, 7u, 50u, 201u}) {
    const std::size_t p = 4;
    std::vector<double> values(p * q);
    for (double& v : values) v = value(random);
    Statistics s(p);
    ASSERT_TRUE(s.Summarize(Rows(p, values)));
    for (std::size_t j = 0; j < p; ++j) {
      std::vector<double> row(values.begin() + j * q, values.begin() + (j + 1) * q);
      std::sort(row.begin(), row.end());
      long double total = 0;
      for (double v : row) total += v;
      const long double mean = total / q;
      long double squares = 0;
      for (double v : row) squares += (v - mean) * (v - mean);
      const double variance = static_cast<double>(squares / (q - 1));
      const double median = q % 2 ? row[q / 2] : (row[q / 2 - 1] + row[q / 2]) / 2;

      EXPECT_EQ(s.minimum[j], row.front());
      EXPECT_EQ(s.maximum[j], row.back());
      EXPECT_EQ(s.range[j], row.back() - row.front());
      EXPECT_NEAR(s.sum[j], static_cast<double>(total), 1e-9);
      EXPECT_NEAR(s.mean[j], static_cast<double>(mean), 1e-11);
      EXPECT_NEAR(s.variance[j], variance, 1e-9 * variance);
      EXPECT_NEAR(s.deviation[j], std::sqrt(variance), 1e-9 * std::sqrt(variance));
      EXPECT_NEAR(s.error[j], std::sqrt(variance / q), 1e-9 * std::sqrt(variance / q));
      EXPECT_EQ(s.median[j], median);
    }
  }
}

struct ShapeCase {
  const char* name;
  RealArray data;
  std::size_t outputLength;
  int wrongOutput;  // index of the output given the wrong shape, or -1
  RealArray wrongShape;
};

class SummarizeRefuses : public testing::TestWithParam<ShapeCase> {};

TEST_P(SummarizeRefuses, WritesNothing) {
  const ShapeCase& c = GetParam();
  std::vector<RealArray> outputs(9, RealArray::FromValues(std::vector<double>(c.outputLength, 4)));
  if (c.wrongOutput >= 0) outputs[c.wrongOutput] = c.wrongShape;
  const std::vector<RealArray> before = outputs;
  EXPECT_FALSE(SummaryStats::Summarize(c.data, outputs[0], outputs[1], outputs[2], outputs[3],
                                       outputs[4], outputs[5], outputs[6], outputs[7],
                                       outputs[8]));
  EXPECT_EQ(outputs, before);
}

const RealArray kTwoRows = Rows(2, {1, 2, 3, 4, 5, 6});

INSTANTIATE_TEST_SUITE_P(
    Cases, SummarizeRefuses,
    testing::Values(
        ShapeCase{"one_dimensional_data", RealArray::FromValues({1, 2, 3}), 1, -1, {}},
        ShapeCase{"no_rows", RealArray::Matrix(0, 3), 0, -1, {}},
        ShapeCase{"no_columns", RealArray::Matrix(2, 0), 2, -1, {}},
        ShapeCase{"outputs_too_short", kTwoRows, 1, -1, {}},
        ShapeCase{"outputs_too_long", kTwoRows, 4, -1, {}},
        ShapeCase{"outputs_as_long_as_a_row", kTwoRows, 3, -1, {}},
        ShapeCase{"minimum_too_short", kTwoRows, 2, 0, RealArray::Vector(1)},
        ShapeCase{"median_too_long", kTwoRows, 2, 8, RealArray::Vector(3)},
        ShapeCase{"error_is_a_matrix", kTwoRows, 2, 7, RealArray::Matrix(2, 1)},
        ShapeCase{"variance_is_empty", kTwoRows, 2, 5, RealArray()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
