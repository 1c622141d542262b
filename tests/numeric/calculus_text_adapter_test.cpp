#include "calculus_text_adapter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "calculous.h"
#include "number_text.h"

namespace {

const std::string kLower = CalculusTextAdapter::kLowerLimitMessage;
const std::string kUpper = CalculusTextAdapter::kUpperLimitMessage;
const std::string kInterval = CalculusTextAdapter::kIntervalMessage;

TEST(CalculusTextAdapter, MessagesAreTheFixedTexts) {
  EXPECT_EQ(kLower, "000: 参数错误,积分下限必须为> 0 的正整数");
  EXPECT_EQ(kUpper, "000: 参数错误,积分上限必须为> 0 的正整数");
  EXPECT_EQ(kInterval, "000: 参数错误,样本区间必须为> 0 的正整数");
}

RealArray Squares() { return RealArray::FromValues({0, 1, 4, 9, 16, 25, 36}); }

struct IntegrateCase {
  const char* name;
  std::int32_t mode;
  double interval;
  double lower;
  double upper;
  std::string text;
};

void PrintTo(const IntegrateCase& row, std::ostream* out) { *out << row.name; }

class IntegrateTextTable : public testing::TestWithParam<IntegrateCase> {};

TEST_P(IntegrateTextTable, GivesTheNumberTextOrTheMessage) {
  const IntegrateCase& c = GetParam();
  EXPECT_EQ(CalculusTextAdapter().IntegrateText(c.mode, Squares(), c.interval, c.lower, c.upper), c.text);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    SampledData, IntegrateTextTable,
    testing::Values(
        IntegrateCase{"from_zero", 1, 1, 0, 4, NumberToText(64.0 / 3)},
        IntegrateCase{"from_zero_odd", 1, 1, 0, 5, NumberToText(125.0 / 3)},
        IntegrateCase{"spacing_not_tested", 1, -0.5, 0, 4, NumberToText(-32.0 / 3)},
        IntegrateCase{"nearly_whole_limits", 1, 1, 1.00000005, 3.0000001, NumberToText(26.0 / 3)},
        IntegrateCase{"just_below_whole_counts_as_whole", 1, 1, 0.9999999999995, 3, NumberToText(26.0 / 3)},
        IntegrateCase{"upper_beyond_samples", 1, 1, 0, 7, "0"},
        IntegrateCase{"lower_above_upper", 1, 1, 4, 2, "0"},
        IntegrateCase{"lower_fraction", 1, 1, 2.5, 4, kLower},
        IntegrateCase{"lower_negative", 1, 1, -1, 4, kLower},
        IntegrateCase{"lower_just_below_whole", 1, 1, 1.9999999, 4, kLower},
        IntegrateCase{"lower_not_a_number", 1, 1, kNaN, 4, kLower},
        IntegrateCase{"lower_infinite", 1, 1, kInfinity, 4, kLower},
        IntegrateCase{"upper_fraction", 1, 1, 0, 4.5, kUpper},
        IntegrateCase{"upper_negative", 1, 1, 0, -2, kUpper},
        IntegrateCase{"upper_beyond_32_bits", 1, 1, 0, 1e10, kUpper},
        IntegrateCase{"lower_tested_first", 1, 1, 0.5, 0.5, kLower}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Function, IntegrateTextTable,
    testing::Values(
        IntegrateCase{"ten_intervals", 2, 10, 0, 1, NumberToText(Calculous::IntegrateFunction(10, 0, 1))},
        IntegrateCase{"mode_zero_is_function", 0, 2, 0, 1, NumberToText(Calculous::IntegrateFunction(2, 0, 1))},
        IntegrateCase{"negative_mode_is_function", -1, 3, 0, 1,
                      NumberToText(Calculous::IntegrateFunction(3, 0, 1))},
        IntegrateCase{"one_interval", 2, 1, 0, 1, NumberToText((1 + std::exp(1.0)) / 2)},
        IntegrateCase{"nearly_whole_interval", 2, 10.00000001, 0, 1,
                      NumberToText(Calculous::IntegrateFunction(10, 0, 1))},
        IntegrateCase{"limits_not_tested", 2, 4, 1, 0, "0"},
        IntegrateCase{"zero_intervals", 2, 0, 0, 1, kInterval},
        IntegrateCase{"nearly_zero_intervals", 2, 0.00000005, 0, 1, kInterval},
        IntegrateCase{"fractional_intervals", 2, 2.5, 0, 1, kInterval},
        IntegrateCase{"negative_intervals", 2, -4, 0, 1, kInterval},
        IntegrateCase{"intervals_beyond_32_bits", 2, 3e9, 0, 1, kInterval},
        IntegrateCase{"intervals_not_a_number", 2, kNaN, 0, 1, kInterval}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculusTextAdapter, FunctionModeIgnoresTheSamples) {
  const CalculusTextAdapter adapter;
  EXPECT_EQ(adapter.IntegrateText(2, RealArray(), 4, 0, 1), adapter.IntegrateText(2, Squares(), 4, 0, 1));
}

struct SolveCase {
  const char* name;
  double x0, y0, x, tolerance, initialStep, minimalStep;
  bool solves;
};

void PrintTo(const SolveCase& row, std::ostream* out) { *out << row.name; }

class SolveEquationTextTable : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveEquationTextTable, GivesTheNumberTextOrNothing) {
  const SolveCase& c = GetParam();
  const std::string text =
      CalculusTextAdapter().SolveEquationText(c.x0, c.y0, c.x, c.tolerance, c.initialStep, c.minimalStep);
  if (!c.solves) {
    EXPECT_EQ(text, "");
    return;
  }
  double y = 0;
  ASSERT_TRUE(Calculous::SolveFirstOrderEquation(c.x0, c.y0, c.x, c.tolerance, c.initialStep,
                                                 c.minimalStep, y));
  EXPECT_EQ(text, NumberToText(y));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SolveEquationTextTable,
    testing::Values(
        SolveCase{"e_squared", 0, 1, 1, 1e-6, 0.1, 1e-6, true},
        SolveCase{"initial_step_slightly_below_minimum", 0, 1, 0.1, 1e-2, 0.1 - 5e-8, 0.1, true},
        SolveCase{"initial_step_below_minimum", 0, 1, 1, 1e-6, 0.01, 0.1, false},
        SolveCase{"requested_x_is_start", 0, 1, 0, 1e-6, 0.1, 1e-6, false},
        SolveCase{"zero_minimal_step", 0, 1, 1, 1e-6, 0.1, 0, false},
        SolveCase{"zero_tolerance", 0, 1, 1, 0, 0.1, 1e-6, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculusTextAdapter, SolutionTextIsCloseToESquared) {
  const std::string text = CalculusTextAdapter().SolveEquationText(0, 1, 1, 1e-6, 0.1, 1e-6);
  EXPECT_NEAR(TextToNumber(text), std::exp(2.0), 1e-6);
}

}  // namespace
