#include "calculous.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

RealArray Squares(int count) {
  std::vector<double> values;
  for (int k = 0; k < count; ++k) values.push_back(static_cast<double>(k) * k);
  return RealArray::FromValues(values);
}

// ---- Sampled values ---------------------------------------------------------

struct SamplesCase {
  const char* name;
  RealArray samples;
  double h;
  std::int32_t lower;
  std::int32_t upper;
  double integral;
};

void PrintTo(const SamplesCase& row, std::ostream* out) { *out << row.name; }

class IntegrateSamplesTable : public testing::TestWithParam<SamplesCase> {};

TEST_P(IntegrateSamplesTable, GivesTheIntegral) {
  const SamplesCase& c = GetParam();
  EXPECT_NEAR(Calculous::IntegrateSamples(c.samples, c.h, c.lower, c.upper), c.integral,
              1e-13 * std::max(1.0, std::fabs(c.integral)));
}

INSTANTIATE_TEST_SUITE_P(
    Squares, IntegrateSamplesTable,
    testing::Values(
        // The number of intervals decides the rule, wherever the lower index is.
        SamplesCase{"from_zero_four_intervals", Squares(5), 1, 0, 4, 64.0 / 3},
        SamplesCase{"from_zero_five_intervals", Squares(6), 1, 0, 5, 125.0 / 3},
        SamplesCase{"from_zero_six_intervals", Squares(7), 1, 0, 6, 72},
        SamplesCase{"from_zero_three_intervals", Squares(4), 1, 0, 3, 9},
        SamplesCase{"from_one_two_intervals", Squares(5), 1, 1, 3, 26.0 / 3},
        SamplesCase{"from_one_three_intervals", Squares(5), 1, 1, 4, 21},
        SamplesCase{"from_one_four_intervals", Squares(7), 1, 1, 5, 124.0 / 3},
        SamplesCase{"from_one_five_intervals", Squares(7), 1, 1, 6, 215.0 / 3},
        SamplesCase{"from_two_three_intervals", Squares(7), 1, 2, 5, 117.0 / 3},
        SamplesCase{"no_interval", Squares(7), 1, 3, 3, 0},
        SamplesCase{"one_interval_is_trapezoid", Squares(7), 1, 2, 3, 6.5},
        SamplesCase{"spacing_scales", Squares(7), 0.5, 0, 4, 32.0 / 3},
        SamplesCase{"negative_spacing", Squares(7), -1, 0, 4, -64.0 / 3},
        SamplesCase{"zero_spacing", Squares(7), 0, 0, 5, 0},
        SamplesCase{"upper_is_last_sample", Squares(6), 1, 1, 5, 124.0 / 3}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Refusals, IntegrateSamplesTable,
    testing::Values(
        SamplesCase{"empty_samples", RealArray(), 1, 0, 0, 0},
        SamplesCase{"upper_beyond_samples", Squares(5), 1, 0, 5, 0},
        SamplesCase{"lower_above_upper", Squares(7), 1, 4, 2, 0},
        SamplesCase{"negative_lower", Squares(7), 1, -1, 4, 0},
        SamplesCase{"negative_upper", Squares(7), 1, -3, -1, 0},
        SamplesCase{"largest_upper", Squares(7), 1, 0, std::numeric_limits<std::int32_t>::max(), 0},
        SamplesCase{"two_dimensional_samples", RealArray::Matrix(2, 4), 1, 0, 3, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegrateSamples, IsExactForCubicsOnEveryRange) {
  // Simpson and three-eighths are exact for cubics; so is every combination.
  std::mt19937_64 random(91);
  std::uniform_real_distribution<double> coefficient(-3, 3);
  for (int trial = 0; trial < 20; ++trial) {
    const double c0 = coefficient(random), c1 = coefficient(random), c2 = coefficient(random),
                 c3 = coefficient(random);
    const double x0 = coefficient(random), h = 0.25 + std::fabs(coefficient(random)) / 3;
    const auto antiderivative = [&](double x) {
      return ((c3 / 4 * x + c2 / 3) * x + c1 / 2) * x * x + c0 * x;
    };
    constexpr int kCount = 14;
    std::vector<double> values;
    for (int k = 0; k < kCount; ++k) {
      const double x = x0 + k * h;
      values.push_back(((c3 * x + c2) * x + c1) * x + c0);
    }
    const RealArray samples = RealArray::FromValues(values);
    for (int lower = 0; lower < kCount; ++lower)
      for (int upper = lower + 2; upper < kCount; ++upper) {
        const double exact = antiderivative(x0 + upper * h) - antiderivative(x0 + lower * h);
        double magnitude = 1;  // the size of the terms, for the rounding error
        for (int k = lower; k <= upper; ++k) magnitude += std::fabs(values[k]) * h;
        ASSERT_NEAR(Calculous::IntegrateSamples(samples, h, lower, upper), exact, 1e-13 * magnitude)
            << "trial " << trial << ", lower " << lower << ", upper " << upper;
      }
  }
}

TEST(IntegrateSamples, DoesNotChangeTheSamples) {
  const RealArray samples = Squares(7);
  const RealArray copy = samples;
  Calculous::IntegrateSamples(samples, 1, 0, 6);
  EXPECT_EQ(samples, copy);
}

// ---- e^x ----------------------------------------------------------------------

struct FunctionCase {
  const char* name;
  std::int32_t intervals;
  double a;
  double b;
  double integral;
  double tolerance;
};

void PrintTo(const FunctionCase& row, std::ostream* out) { *out << row.name; }

class IntegrateFunctionTable : public testing::TestWithParam<FunctionCase> {};

TEST_P(IntegrateFunctionTable, GivesTheIntegralOfTheExponential) {
  const FunctionCase& c = GetParam();
  EXPECT_NEAR(Calculous::IntegrateFunction(c.intervals, c.a, c.b), c.integral, c.tolerance);
}

const double kE = std::exp(1.0);

INSTANTIATE_TEST_SUITE_P(
    Examples, IntegrateFunctionTable,
    testing::Values(
        FunctionCase{"two_intervals", 2, 0, 1, (1 + 4 * std::exp(0.5) + kE) / 6, 1e-15},
        FunctionCase{"two_intervals_rounded", 2, 0, 1, 1.71886, 5e-6},
        FunctionCase{"three_intervals", 3, 0, 1, 1.71854, 5e-6},
        FunctionCase{"ten_intervals", 10, 0, 1, 1.718283, 5e-7},
        FunctionCase{"one_interval_is_trapezoid", 1, 0, 1, (1 + kE) / 2, 1e-15},
        FunctionCase{"five_intervals", 5, 0, 1, kE - 1, 1e-4},
        FunctionCase{"many_even", 1000, 0, 1, kE - 1, 1e-13},
        FunctionCase{"many_odd", 1001, 0, 1, kE - 1, 1e-13},
        FunctionCase{"shifted_limits", 100, -2, 3, std::exp(3.0) - std::exp(-2.0), 1e-6},
        FunctionCase{"no_intervals", 0, 0, 1, 0, 0},
        FunctionCase{"negative_intervals", -2, 0, 1, 0, 0},
        FunctionCase{"equal_limits", 4, 1, 1, 0, 0},
        FunctionCase{"reversed_limits", 4, 1, 0, 0, 0},
        FunctionCase{"not_a_number_limit", 4, std::nan(""), 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntegrateFunction, ErrorFallsWithTheFourthPowerOfTheStep) {
  const double exact = kE - 1;
  const double coarse = std::fabs(Calculous::IntegrateFunction(8, 0, 1) - exact);
  const double fine = std::fabs(Calculous::IntegrateFunction(16, 0, 1) - exact);
  EXPECT_NEAR(coarse / fine, 16, 0.5);
}

// ---- y' = e^(2x) + y ----------------------------------------------------------

// The solution through (x0, y0).
double ExactSolution(double x0, double y0, double x) {
  return (y0 - std::exp(2 * x0)) * std::exp(x - x0) + std::exp(2 * x);
}

TEST(SolveFirstOrderEquation, ReachesESquaredFromZeroToOne) {
  double y = 0;
  ASSERT_TRUE(Calculous::SolveFirstOrderEquation(0, 1, 1, 1e-6, 0.1, 1e-6, y));
  EXPECT_NEAR(y, std::exp(2.0), 1e-6);
}

struct SolveCase {
  const char* name;
  double x0, y0, x, tolerance, initialStep, minimalStep;
  double accuracy;
};

void PrintTo(const SolveCase& row, std::ostream* out) { *out << row.name; }

class SolveFirstOrderEquationTable : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveFirstOrderEquationTable, FollowsTheExactSolution) {
  const SolveCase& c = GetParam();
  double y = 0;
  ASSERT_TRUE(Calculous::SolveFirstOrderEquation(c.x0, c.y0, c.x, c.tolerance, c.initialStep,
                                                 c.minimalStep, y));
  const double exact = ExactSolution(c.x0, c.y0, c.x);
  EXPECT_NEAR(y, exact, c.accuracy * std::max(1.0, std::fabs(exact)));
}

INSTANTIATE_TEST_SUITE_P(
    Solutions, SolveFirstOrderEquationTable,
    testing::Values(
        SolveCase{"spec_start", 0, 1, 1, 1e-6, 0.1, 1e-6, 1e-6},
        SolveCase{"other_start", 0.5, 2, 1.5, 1e-7, 0.05, 1e-8, 1e-6},
        SolveCase{"negative_range", -2, 0, -1, 1e-8, 0.01, 1e-9, 1e-7},
        SolveCase{"tight_tolerance", 0, 1, 1, 1e-10, 0.1, 1e-12, 1e-9},
        SolveCase{"loose_tolerance", 0, 1, 1, 1e-3, 0.1, 1e-6, 1e-2},
        // A first step longer than the whole range still lands on the
        // requested x instead of overshooting it.
        SolveCase{"first_step_beyond_range", 0, 1, 1, 1e-6, 5, 1e-6, 1e-6},
        SolveCase{"first_step_is_range", 0, 1, 0.25, 1e-6, 0.25, 1e-6, 1e-6},
        SolveCase{"tiny_range", 1, 3, 1 + 1e-9, 1e-6, 0.1, 1e-15, 1e-12}),
    [](const auto& info) { return std::string(info.param.name); });

class SolveFirstOrderEquationFailures : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveFirstOrderEquationFailures, ReportFailureAndLeaveYAlone) {
  const SolveCase& c = GetParam();
  double y = -123;
  EXPECT_FALSE(Calculous::SolveFirstOrderEquation(c.x0, c.y0, c.x, c.tolerance, c.initialStep,
                                                  c.minimalStep, y));
  EXPECT_EQ(y, -123);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Examples, SolveFirstOrderEquationFailures,
    testing::Values(
        SolveCase{"requested_x_is_start", 0, 1, 0, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"requested_x_before_start", 0, 1, -1, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"zero_minimal_step", 0, 1, 1, 1e-6, 0.1, 0, 0},
        SolveCase{"negative_minimal_step", 0, 1, 1, 1e-6, 0.1, -1e-6, 0},
        SolveCase{"zero_tolerance", 0, 1, 1, 0, 0.1, 1e-6, 0},
        SolveCase{"negative_tolerance", 0, 1, 1, -1e-6, 0.1, 1e-6, 0},
        // The tolerance needs steps far below the minimal step.
        SolveCase{"step_halved_below_minimum", 0, 1, 1, 1e-14, 0.5, 0.1, 0},
        SolveCase{"not_a_number_start", kNaN, 1, 1, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"not_a_number_value", 0, kNaN, 1, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"not_a_number_target", 0, 1, kNaN, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"infinite_target", 0, 1, kInfinity, 1e-6, 0.1, 1e-6, 0},
        SolveCase{"not_a_number_tolerance", 0, 1, 1, kNaN, 0.1, 1e-6, 0},
        SolveCase{"infinite_initial_step", 0, 1, 1, 1e-6, kInfinity, 1e-6, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
