#include "complex_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "number_text.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(ComplexCalc, StartsAtZeroAndKeepsWhatIsSet) {
  ComplexCalc z;
  EXPECT_EQ(z.GetRealPart(), 0.0);
  EXPECT_EQ(z.GetImagPart(), 0.0);
  EXPECT_TRUE(z.SetRealPart(-2.5));
  EXPECT_TRUE(z.SetImagPart(7));
  EXPECT_EQ(z.GetRealPart(), -2.5);
  EXPECT_EQ(z.GetImagPart(), 7.0);
}

enum class Operation { kSum, kDifference, kProduct, kQuotient };

struct ArithmeticCase {
  const char* name;
  Operation operation;
  ComplexCalc a;
  ComplexCalc b;
  double realPart;
  double imagPart;
};

ComplexCalc Apply(Operation operation, const ComplexCalc& a, const ComplexCalc& b) {
  switch (operation) {
    case Operation::kSum: return ComplexCalc::Sum(a, b);
    case Operation::kDifference: return ComplexCalc::Difference(a, b);
    case Operation::kProduct: return ComplexCalc::Product(a, b);
    case Operation::kQuotient: break;
  }
  return ComplexCalc::Quotient(a, b);
}

class ComplexArithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(ComplexArithmetic, GivesTheTextbookResult) {
  const ArithmeticCase& c = GetParam();
  const ComplexCalc a = c.a;
  const ComplexCalc b = c.b;
  const ComplexCalc result = Apply(c.operation, a, b);
  EXPECT_DOUBLE_EQ(result.GetRealPart(), c.realPart);
  EXPECT_DOUBLE_EQ(result.GetImagPart(), c.imagPart);
  EXPECT_EQ(a, c.a);  // operands are left as they were
  EXPECT_EQ(b, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComplexArithmetic,
    testing::Values(
        ArithmeticCase{"sum", Operation::kSum, {1, 2}, {3, -5}, 4, -3},
        ArithmeticCase{"difference", Operation::kDifference, {1, 2}, {3, -5}, -2, 7},
        ArithmeticCase{"difference_order", Operation::kDifference, {3, -5}, {1, 2}, 2, -7},
        ArithmeticCase{"product", Operation::kProduct, {1, 2}, {3, 4}, -5, 10},
        ArithmeticCase{"product_i_squared", Operation::kProduct, {0, 1}, {0, 1}, -1, 0},
        ArithmeticCase{"product_of_reals", Operation::kProduct, {2, 0}, {3, 0}, 6, 0},
        ArithmeticCase{"quotient", Operation::kQuotient, {1, 2}, {3, 4}, 0.44, 0.08},
        ArithmeticCase{"quotient_by_i", Operation::kQuotient, {1, 0}, {0, 1}, 0, -1},
        ArithmeticCase{"quotient_of_reals", Operation::kQuotient, {6, 0}, {3, 0}, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComplexCalc, QuotientByZeroIsNotANumberInBothParts) {
  const ComplexCalc q = ComplexCalc::Quotient({1, 1}, {0, 0});
  EXPECT_TRUE(std::isnan(q.GetRealPart()));
  EXPECT_TRUE(std::isnan(q.GetImagPart()));
  // 0/0 is the indefinite value, which the window writes as -1.#IND.
  EXPECT_EQ(NumberToText(q.GetRealPart()), "-1.#IND");
  EXPECT_EQ(NumberToText(q.GetImagPart()), "-1.#IND");
}

TEST(ComplexCalc, QuotientUsesTheSquaredLengthDirectly) {
  // |b|² = 1e400 overflows to infinity, so 1 / 1e200 comes out as 0.
  EXPECT_EQ(ComplexCalc::Quotient({1, 0}, {1e200, 0}).GetRealPart(), 0.0);
}

TEST(ComplexCalc, ExponentialOfPiITimesIsMinusOne) {
  const ComplexCalc z = ComplexCalc::Exponential({0, kPi});
  EXPECT_EQ(z.GetRealPart(), -1.0);
  EXPECT_NEAR(z.GetImagPart(), 0.0, 1e-15);
}

TEST(ComplexCalc, ExponentialAgreesWithEulersFormula) {
  const ComplexCalc z = ComplexCalc::Exponential({1, 1});
  EXPECT_DOUBLE_EQ(z.GetRealPart(), std::exp(1.0) * std::cos(1.0));  // 1.4686939399158851
  EXPECT_DOUBLE_EQ(z.GetImagPart(), std::exp(1.0) * std::sin(1.0));  // 2.2873552871788423
  EXPECT_EQ(NumberToText(z.GetRealPart()), "1.468693939916");
  EXPECT_EQ(NumberToText(z.GetImagPart()), "2.287355287179");
  const ComplexCalc one = ComplexCalc::Exponential({0, 0});
  EXPECT_EQ(one.GetRealPart(), 1.0);
  EXPECT_EQ(one.GetImagPart(), 0.0);
}

TEST(ComplexCalc, ModulusIsTheLength) {
  EXPECT_EQ(ComplexCalc::Modulus({3, -4}), 5.0);
  EXPECT_EQ(ComplexCalc::Modulus({1, 1}), 1.4142135623730951);
  EXPECT_EQ(ComplexCalc::Modulus({0, 0}), 0.0);
  // Computed without rescaling: the squares overflow.
  EXPECT_EQ(ComplexCalc::Modulus({1e200, 0}), std::numeric_limits<double>::infinity());
}

struct AngleCase {
  const char* name;
  double x;
  double y;
  double angle;
};

class PolarAngleTable : public testing::TestWithParam<AngleCase> {};

TEST_P(PolarAngleTable, FollowsTheQuadrantTable) {
  const AngleCase& c = GetParam();
  const double angle = ComplexCalc::PolarAngle({c.x, c.y});
  EXPECT_DOUBLE_EQ(angle, c.angle);
  EXPECT_GE(angle, 0.0);
  EXPECT_LT(angle, 2 * kPi);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PolarAngleTable,
    testing::Values(
        AngleCase{"origin", 0, 0, 0},
        AngleCase{"positive_imaginary_axis", 0, 2, 1.5707963267948966},
        AngleCase{"negative_imaginary_axis", 0, -1, 4.71238898038469},
        AngleCase{"positive_real_axis", 3, 0, 0},
        AngleCase{"negative_real_axis", -1, 0, 3.141592653589793},
        AngleCase{"first_quadrant", 1, 1, kPi / 4},
        AngleCase{"second_quadrant", -1, std::sqrt(3.0), 2 * kPi / 3},
        AngleCase{"third_quadrant", -2, -2, 5 * kPi / 4},
        AngleCase{"fourth_quadrant", 1, -1, 7 * kPi / 4},
        AngleCase{"tiny_real_part_is_zero", 1e-21, 1, kPi / 2},
        AngleCase{"tiny_negative_real_part_is_zero", -1e-21, -1, 3 * kPi / 2},
        AngleCase{"tiny_imaginary_part_is_zero", -5, 1e-21, kPi},
        AngleCase{"border_of_zero_band_is_zero", 1e-20, -1e-20, 0},
        AngleCase{"just_outside_zero_band", 1, 2e-20, 2e-20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComplexCalc, AngleStaysBelowTwoPiWhenCloseToIt) {
  // 2π - atan(1e-300) rounds to 2π itself; the angle must stay below.
  const double angle = ComplexCalc::PolarAngle({1e300, -1});
  EXPECT_LT(angle, 2 * kPi);
  EXPECT_DOUBLE_EQ(angle, 2 * kPi);
}

TEST(ComplexCalc, AngleOfNotANumberIsNotANumber) {
  EXPECT_TRUE(std::isnan(ComplexCalc::PolarAngle({std::nan(""), 1})));
  EXPECT_TRUE(std::isnan(ComplexCalc::PolarAngle({1, std::nan("")})));
}

}  // namespace
