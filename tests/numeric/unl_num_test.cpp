#include "unl_num.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "exact_decimal_model.h"

namespace {

UnlNum Number(std::string_view text) {
  UnlNum value;
  EXPECT_TRUE(value.SetText(text)) << "not a number text: " << text;
  return value;
}

std::string Row(const char* name) { return name; }

// ---- Reading and writing text ----------------------------------------------------

struct TextCase {
  const char* name;
  const char* input;
  bool valid;
  const char* text;  // GetText after SetText
  std::int64_t scale;
};

class SetTextRules : public testing::TestWithParam<TextCase> {};

TEST_P(SetTextRules, ReadsValidTextsAndLeavesZeroOtherwise) {
  const TextCase& row = GetParam();
  UnlNum value;
  value.SetText("123.5");  // an earlier value must not survive
  EXPECT_EQ(value.SetText(row.input), row.valid);
  EXPECT_EQ(value.GetText(), row.text);
  EXPECT_EQ(value.Scale(), row.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetTextRules,
    testing::Values(
        TextCase{"zero", "0", true, "0", 0},
        TextCase{"leading_zeros", "007", true, "7", 0},
        TextCase{"fifteen_digits_of_leading_zeros", "000000000000123", true, "123", 0},
        TextCase{"point_at_end", "5.", true, "5", 0},
        TextCase{"seven_point", "7.", true, "7", 0},
        TextCase{"trailing_fraction_zero", "12.50", true, "12.5", 9},
        TextCase{"hundred_keeps_integer_zeros", "100", true, "100", 0},
        TextCase{"negative_whole", "-7", true, "-7", 0},
        TextCase{"minus_zero_point_five", "-0.5", true, "-0.5", 9},
        TextCase{"minus_zero_point_zeros", "-0.000", true, "0", 9},
        TextCase{"minus_zero_point_zero", "-0.0", true, "0", 9},
        TextCase{"ten_fraction_digits", "0.1234567890", true, "0.123456789", 18},
        TextCase{"nine_fraction_digits", "0.123456789", true, "0.123456789", 9},
        TextCase{"fraction_all_zero", "2.000", true, "2", 9},
        TextCase{"zero_point", "0.", true, "0", 0},
        TextCase{"small_fraction", "0.000000001", true, "0.000000001", 9},
        TextCase{"small_fraction_second_group", "0.0000000001", true, "0.0000000001", 18},
        TextCase{"nineteen_digits", "1234567890.123456789", true, "1234567890.123456789", 9},
        TextCase{"twenty_digits", "12345678901.123456789", true, "12345678901.123456789", 9},
        TextCase{"long_integer", "123456789012345678901234567890", true,
                 "123456789012345678901234567890", 0},
        TextCase{"long_negative_fraction", "-98765432109876543210.00000000000000000001", true,
                 "-98765432109876543210.00000000000000000001", 27},
        TextCase{"empty", "", false, "0", 0},
        TextCase{"lone_minus", "-", false, "0", 0},
        TextCase{"minus_zero", "-0", false, "0", 0},
        TextCase{"minus_zero_point", "-0.", false, "0", 0},
        TextCase{"minus_zero_five", "-05", false, "0", 0},
        TextCase{"minus_double_zero_point_five", "-00.5", false, "0", 0},
        TextCase{"point_five", ".5", false, "0", 0},
        TextCase{"minus_point_five", "-.5", false, "0", 0},
        TextCase{"plus_five", "+5", false, "0", 0},
        TextCase{"exponent", "1e5", false, "0", 0},
        TextCase{"group_separator", "1,000", false, "0", 0},
        TextCase{"leading_blank", " 5", false, "0", 0},
        TextCase{"inner_blank", "5 5", false, "0", 0},
        TextCase{"trailing_blank", "5 ", false, "0", 0},
        TextCase{"two_points", "1.2.3", false, "0", 0},
        TextCase{"inner_minus", "5-3", false, "0", 0},
        TextCase{"double_minus", "--5", false, "0", 0},
        TextCase{"full_width_digits", "\xEF\xBC\x91\xEF\xBC\x92", false, "0", 0},
        TextCase{"letters", "abc", false, "0", 0}),
    [](const auto& info) { return Row(info.param.name); });

TEST(SetText, RoundTripKeepsValueAndSignOfLongNumbers) {
  const std::string digits(5000, '7');
  const std::string text = "-" + digits + "." + digits;
  const UnlNum value = Number(text);
  EXPECT_EQ(value.GetText(), text);
  EXPECT_EQ(value.Scale(), 5004);
  EXPECT_TRUE(value.IsNegative());
}

// ---- Taking over numbers -------------------------------------------------------

TEST(SetValue, IntegersOfEveryWidthAreExact) {
  UnlNum value;
  EXPECT_TRUE(value.SetValue(std::int8_t{-128}));
  EXPECT_EQ(value.GetText(), "-128");
  EXPECT_TRUE(value.SetValue(std::int16_t{32767}));
  EXPECT_EQ(value.GetText(), "32767");
  EXPECT_TRUE(value.SetValue(std::int32_t{-2147483647 - 1}));
  EXPECT_EQ(value.GetText(), "-2147483648");
  EXPECT_EQ(value.Scale(), 0);
  EXPECT_TRUE(value.SetValue(std::int32_t{1000000000}));
  EXPECT_EQ(value.GetText(), "1000000000");
  EXPECT_TRUE(value.SetValue(std::numeric_limits<std::int64_t>::min()));
  EXPECT_EQ(value.GetText(), "-9223372036854775808");
  EXPECT_TRUE(value.SetValue(std::numeric_limits<std::int64_t>::max()));
  EXPECT_EQ(value.GetText(), "9223372036854775807");
  EXPECT_TRUE(value.SetValue(std::int32_t{0}));
  EXPECT_FALSE(value.IsNegative());
}

struct DoubleCase {
  const char* name;
  double input;
  bool taken;
  const char* text;
  std::int64_t scale;
};

class SetValueDouble : public testing::TestWithParam<DoubleCase> {};

TEST_P(SetValueDouble, TakesThirteenSignificantDigitsWithoutExponent) {
  UnlNum value;
  value.SetText("9.5");
  EXPECT_EQ(value.SetValue(GetParam().input), GetParam().taken);
  EXPECT_EQ(value.GetText(), GetParam().text);
  EXPECT_EQ(value.Scale(), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    Doubles, SetValueDouble,
    testing::Values(
        DoubleCase{"two_and_a_half", 2.5, true, "2.5", 9},
        DoubleCase{"tenth", 0.1, true, "0.1", 9},
        DoubleCase{"third", 1.0 / 3, true, "0.3333333333333", 18},
        DoubleCase{"whole", 42.0, true, "42", 0},
        DoubleCase{"negative", -1.25, true, "-1.25", 9},
        DoubleCase{"ten_thousandth", 0.0001, true, "0.0001", 9},
        DoubleCase{"largest_without_exponent", 9999999999999.0, true, "9999999999999", 0},
        DoubleCase{"five_hundred_thousandths", 0.00005, false, "0", 0},
        DoubleCase{"ten_to_thirteen", 1e13, false, "0", 0},
        DoubleCase{"rounds_up_to_exponent", 9999999999999.5, false, "0", 0},
        DoubleCase{"infinity", std::numeric_limits<double>::infinity(), false, "0", 0},
        DoubleCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), false, "0", 0},
        // "%.13g" writes -0.0 as "-0", which is not a valid number text.
        DoubleCase{"negative_zero", -0.0, false, "0", 0}),
    [](const auto& info) { return Row(info.param.name); });

TEST(SetValue, FloatIsWidenedToDouble) {
  UnlNum value;
  EXPECT_TRUE(value.SetValue(0.1f));
  EXPECT_EQ(value.GetText(), "0.1000000014901");
}

// ---- ToInt ------------------------------------------------------------------

struct ToIntCase {
  const char* name;
  const char* text;
  std::int32_t result;
};

class ToIntRules : public testing::TestWithParam<ToIntCase> {};

TEST_P(ToIntRules, ConvertsWholeValuesInRangeAndGivesZeroOtherwise) {
  EXPECT_EQ(Number(GetParam().text).ToInt(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToIntRules,
    testing::Values(ToIntCase{"largest", "2147483647", 2147483647},
                    ToIntCase{"two_groups", "1500000000", 1500000000},
                    ToIntCase{"just_beyond", "2147483648", 0},
                    ToIntCase{"smallest", "-2147483648", -2147483647 - 1},
                    ToIntCase{"below_smallest", "-2147483649", 0},
                    ToIntCase{"far_beyond", "123456789012345678901234567890", 0},
                    ToIntCase{"three_point_zero", "3.0", 0},
                    ToIntCase{"five_point", "5.", 5},
                    ToIntCase{"minus_zero_point_five", "-0.5", 0},
                    ToIntCase{"negative", "-42", -42}),
    [](const auto& info) { return Row(info.param.name); });

// ---- Compare -------------------------------------------------------------------

struct CompareCase {
  const char* name;
  const char* a;
  const char* b;
  bool greater;  // Compare(a, b)
};

class CompareRules : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareRules, TellsWhetherAIsGreater) {
  EXPECT_EQ(UnlNum::Compare(Number(GetParam().a), Number(GetParam().b)), GetParam().greater);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CompareRules,
    testing::Values(
        CompareCase{"minus_five_minus_three", "-5", "-3", false},
        CompareCase{"minus_three_minus_five", "-3", "-5", true},
        CompareCase{"half_scale_nine_vs_eighteen", "0.5", "0.500000000000", false},
        CompareCase{"half_scale_eighteen_vs_nine", "0.500000000000", "0.5", false},
        CompareCase{"zero_vs_negative", "0", "-0.000000001", true},
        CompareCase{"negative_vs_zero", "-0.000000001", "0", false},
        CompareCase{"zero_scales", "0.000", "0", false},
        CompareCase{"more_integer_groups", "1000000000", "999999999.999999999", true},
        CompareCase{"tiny_difference_far_down", "1.0000000000000000000000000001", "1", true},
        CompareCase{"one_vs_tiny_bigger", "1", "1.0000000000000000000000000001", false},
        CompareCase{"negative_magnitudes", "-1.0000000000000000000000000001", "-1", false},
        CompareCase{"long_fraction_smaller", "0.99999999999999999999999999", "1", false}),
    [](const auto& info) { return Row(info.param.name); });

// ---- Operations ---------------------------------------------------------------------

enum class Op { IntPart, Abs, Add, Sub, Mul, Div, IntDiv, Mod };

struct OperationCase {
  const char* name;
  Op op;
  const char* a;
  const char* b;
  std::int32_t n;
  const char* text;
  std::int64_t scale;
};

UnlNum Apply(Op op, const UnlNum& a, const UnlNum& b, std::int32_t n) {
  switch (op) {
    case Op::IntPart: return UnlNum::IntPart(a);
    case Op::Abs: return UnlNum::Abs(a);
    case Op::Add: return UnlNum::Add(a, b);
    case Op::Sub: return UnlNum::Sub(a, b);
    case Op::Mul: return UnlNum::Mul(a, b);
    case Op::Div: return UnlNum::Div(a, b, n);
    case Op::IntDiv: return UnlNum::IntDiv(a, b);
    case Op::Mod: return UnlNum::Mod(a, b);
  }
  return UnlNum();
}

class OperationRules : public testing::TestWithParam<OperationCase> {};

TEST_P(OperationRules, GiveTheValueAndScaleOfTheRules) {
  const OperationCase& row = GetParam();
  const UnlNum a = Number(row.a);
  const UnlNum b = Number(row.b);
  const UnlNum result = Apply(row.op, a, b, row.n);
  EXPECT_EQ(result.GetText(), row.text);
  EXPECT_EQ(result.Scale(), row.scale);
  // The operands are unchanged.
  EXPECT_EQ(a.GetText(), Number(row.a).GetText());
  EXPECT_EQ(b.Scale(), Number(row.b).Scale());
}

INSTANTIATE_TEST_SUITE_P(
    Table, OperationRules,
    testing::Values(
        OperationCase{"int_part_positive", Op::IntPart, "7.9", "0", 0, "7", 0},
        OperationCase{"int_part_negative", Op::IntPart, "-7.9", "0", 0, "-7", 0},
        OperationCase{"int_part_minus_half", Op::IntPart, "-0.5", "0", 0, "0", 0},
        OperationCase{"int_part_long", Op::IntPart, "123456789012345678901.99999999999", "0", 0,
                      "123456789012345678901", 0},
        OperationCase{"abs_negative", Op::Abs, "-0.25", "0", 0, "0.25", 9},
        OperationCase{"abs_keeps_scale", Op::Abs, "-3.0000000000", "0", 0, "3", 18},

        OperationCase{"add_halves", Op::Add, "0.5", "0.5", 0, "1", 9},
        OperationCase{"add_carry_new_group", Op::Add, "999999999", "1", 0, "1000000000", 0},
        OperationCase{"add_carry_across_point", Op::Add, "0.999999999", "0.000000001", 0, "1", 9},
        OperationCase{"add_opposite_to_zero", Op::Add, "2.5", "-2.5", 0, "0", 0},
        OperationCase{"add_zeros_keep_scale", Op::Add, "0.000", "0", 0, "0", 9},
        OperationCase{"add_opposite_signs_larger_negative", Op::Add, "1.5", "-3.25", 0, "-1.75", 9},
        OperationCase{"add_larger_scale_wins", Op::Add, "1", "0.0000000001", 0, "1.0000000001", 18},
        OperationCase{"add_negatives", Op::Add, "-1", "-2.5", 0, "-3.5", 9},

        OperationCase{"sub_equal", Op::Sub, "1.5", "1.5", 0, "0", 0},
        OperationCase{"sub_borrow_group", Op::Sub, "1000000000", "1", 0, "999999999", 0},
        OperationCase{"sub_three_five", Op::Sub, "3", "5", 0, "-2", 0},
        OperationCase{"sub_negatives", Op::Sub, "-3", "-5", 0, "2", 0},
        OperationCase{"sub_negative_minus_positive", Op::Sub, "-3", "5", 0, "-8", 0},
        OperationCase{"sub_positive_minus_negative", Op::Sub, "3", "-5.5", 0, "8.5", 9},
        OperationCase{"sub_zero_scales", Op::Sub, "0.000", "0.0000000000", 0, "0", 0},
        OperationCase{"sub_zero_from_negative", Op::Sub, "-3", "0.0", 0, "-3", 9},
        OperationCase{"sub_equal_values_other_scales", Op::Sub, "2.5", "2.5000000000", 0, "0", 0},

        OperationCase{"mul_half_fifth", Op::Mul, "0.5", "0.2", 0, "0.1", 18},
        OperationCase{"mul_one_keeps_other_scale", Op::Mul, "1", "0.25", 0, "0.25", 9},
        OperationCase{"mul_minus_one", Op::Mul, "-1", "7", 0, "-7", 0},
        OperationCase{"mul_one_with_scale_first", Op::Mul, "1.000", "7.5", 0, "7.5", 9},
        OperationCase{"mul_one_with_scale_second", Op::Mul, "7", "-1.0000000000", 0, "-7", 0},
        OperationCase{"mul_one_by_one", Op::Mul, "1.0000000000", "1.0", 0, "1", 9},
        OperationCase{"mul_by_zero", Op::Mul, "-3", "0", 0, "0", 0},
        OperationCase{"mul_by_zero_with_scale", Op::Mul, "0.000", "2.5", 0, "0", 0},
        OperationCase{"mul_negatives", Op::Mul, "-1.5", "-1.5", 0, "2.25", 18},
        OperationCase{"mul_carries", Op::Mul, "999999999.999999999", "999999999.999999999", 0,
                      "999999999999999998.000000000000000001", 18},

        OperationCase{"div_third", Op::Div, "1", "3", 5, "0.33333", 9},
        OperationCase{"div_two_thirds_truncated", Op::Div, "2", "3", 5, "0.66666", 9},
        OperationCase{"div_whole", Op::Div, "10", "4", 0, "2", 0},
        OperationCase{"div_dividend_scale", Op::Div, "1.5", "7", 2, "0.214285714", 9},
        OperationCase{"div_divisor_longer", Op::Div, "5", "300", 0, "0.01", 9},
        OperationCase{"div_by_one_untruncated", Op::Div, "1.23456", "1", 2, "1.23456", 9},
        OperationCase{"div_by_minus_one_scaled", Op::Div, "1.23456", "-1.000", 0, "-1.23456", 9},
        OperationCase{"div_equal", Op::Div, "7", "7", 3, "1", 9},
        OperationCase{"div_equal_other_scales", Op::Div, "2.5", "2.5000000000", 10, "1", 18},
        OperationCase{"div_equal_n_zero", Op::Div, "7", "7", 0, "1", 0},
        OperationCase{"div_by_zero", Op::Div, "7", "0", 5, "0", 0},
        OperationCase{"div_by_zero_with_scale", Op::Div, "7", "0.000", 5, "0", 0},
        OperationCase{"div_zero", Op::Div, "0", "7", 5, "0", 0},
        OperationCase{"div_negative_small", Op::Div, "-1", "3", 0, "0", 0},
        OperationCase{"div_negative_half", Op::Div, "-7", "2", 1, "-3.5", 9},
        OperationCase{"div_zero_groups_in_digits", Op::Div, "5.000000000123", "1.0000000001", 20,
                      "4.99999999962300000003", 27},
        OperationCase{"div_negative_digit_count", Op::Div, "1", "3", -1, "0", 0},
        OperationCase{"div_divisor_more_groups", Op::Div, "1", "0.000000003", 2, "333333333.33", 9},
        OperationCase{"div_dividend_more_groups", Op::Div, "1.0000000001", "3", 0,
                      "0.333333333366666666", 18},
        OperationCase{"div_padding_grows_fraction", Op::Div, "9", "123456789012", 3,
                      "0.00000000007", 18},
        OperationCase{"div_large_quotient", Op::Div, "123456789012345678901234567890", "0.5", 0,
                      "246913578024691357802469135780", 0},

        OperationCase{"int_div_whole", Op::IntDiv, "7", "2", 0, "3", 0},
        OperationCase{"int_div_negative", Op::IntDiv, "-7", "2", 0, "-3", 0},
        OperationCase{"int_div_by_zero", Op::IntDiv, "7", "0", 0, "0", 0},
        OperationCase{"int_div_by_one", Op::IntDiv, "-7.9", "1", 0, "-7", 0},
        OperationCase{"int_div_equal", Op::IntDiv, "2.5", "2.5", 0, "1", 0},
        OperationCase{"int_div_fractions", Op::IntDiv, "7.5", "0.25", 0, "30", 0},
        OperationCase{"int_div_small_negative", Op::IntDiv, "-1", "3", 0, "0", 0},

        OperationCase{"mod_whole", Op::Mod, "7", "3", 0, "1", 0},
        OperationCase{"mod_negative_dividend", Op::Mod, "-7", "3", 0, "-1", 0},
        OperationCase{"mod_fraction", Op::Mod, "7.5", "2", 0, "1.5", 9},
        OperationCase{"mod_five_and_a_half", Op::Mod, "5.5", "2", 0, "1.5", 9},
        OperationCase{"mod_negative_two", Op::Mod, "-7", "2", 0, "-1", 0},
        OperationCase{"mod_negative_divisor", Op::Mod, "7", "-2", 0, "1", 0},
        OperationCase{"mod_by_zero", Op::Mod, "7", "0", 0, "7", 0},
        OperationCase{"mod_by_zero_keeps_scale", Op::Mod, "7.25", "0", 0, "7.25", 9},
        OperationCase{"mod_exact", Op::Mod, "6", "3", 0, "0", 0},
        OperationCase{"mod_quotient_zero", Op::Mod, "1.5", "7", 0, "1.5", 9},
        OperationCase{"mod_larger_divisor_scale", Op::Mod, "7", "2.0000000000", 0, "1", 18},
        // t × b takes the scale of t (0) when b is 1 in magnitude.
        OperationCase{"mod_by_one_with_scale", Op::Mod, "7.5", "1.0000000000", 0, "0.5", 9}),
    [](const auto& info) { return Row(info.param.name); });

TEST(Operations, DivisionByZeroNeverAbortsForAnyShape) {
  const UnlNum zero;
  UnlNum zeroWithScale;
  zeroWithScale.SetText("0.000000000000");
  for (const char* text : {"0", "1", "-1", "0.5", "123456789012345678901234567890.5"}) {
    const UnlNum a = Number(text);
    for (const UnlNum& divisor : {zero, zeroWithScale}) {
      EXPECT_EQ(UnlNum::Div(a, divisor, 5).GetText(), "0");
      EXPECT_EQ(UnlNum::IntDiv(a, divisor).GetText(), "0");
      EXPECT_EQ(UnlNum::Mod(a, divisor).GetText(), a.GetText());
    }
  }
}

TEST(Operations, NoOperationCapsTheDigits) {
  const std::string digits(20000, '9');
  const UnlNum big = Number(digits + "." + digits);
  const UnlNum square = UnlNum::Mul(big, big);
  EXPECT_EQ(square.Scale(), 2 * big.Scale());
  EXPECT_EQ(UnlNum::Div(square, big, 0).GetText(), big.GetText());
  const UnlNum sum = UnlNum::Add(big, Number("0." + std::string(19999, '0') + "1"));
  EXPECT_EQ(sum.GetText(), "1" + std::string(20000, '0'));
}

// ---- Power -----------------------------------------------------------------------

struct PowerCase {
  const char* name;
  const char* base;
};

class PowerMatchesRepeatedMul : public testing::TestWithParam<PowerCase> {};

TEST_P(PowerMatchesRepeatedMul, ValueAndScaleForEveryExponent) {
  const UnlNum base = Number(GetParam().base);
  UnlNum repeated = base;
  for (std::uint64_t exponent = 1; exponent <= 40; ++exponent) {
    const UnlNum power = UnlNum::Power(base, exponent);
    ASSERT_EQ(power.GetText(), repeated.GetText()) << "exponent " << exponent;
    ASSERT_EQ(power.Scale(), repeated.Scale()) << "exponent " << exponent;
    ASSERT_LE(power.DigitCountEstimate(), UnlNum::PowerDigitEstimate(base, exponent));
    ASSERT_LE(UnlNum::PowerDigitEstimate(base, exponent), power.DigitCountEstimate() + 4);
    repeated = UnlNum::Mul(repeated, base);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bases, PowerMatchesRepeatedMul,
    testing::Values(PowerCase{"three", "3"}, PowerCase{"minus_two", "-2"},
                    PowerCase{"half", "0.5"}, PowerCase{"minus_one_point_five", "-1.5"},
                    PowerCase{"one_with_scale", "1.000"}, PowerCase{"minus_one", "-1"},
                    PowerCase{"minus_one_with_scale", "-1.0000000000"},
                    PowerCase{"zero", "0"}, PowerCase{"zero_with_scale", "0.00"},
                    PowerCase{"tiny", "0.000000000001"}, PowerCase{"ten", "10"},
                    PowerCase{"long", "98765432109876543210.0123456789"}),
    [](const auto& info) { return Row(info.param.name); });

TEST(Power, ExponentZeroGivesOne) {
  for (const char* text : {"0", "-2.5", "1.000"}) {
    const UnlNum one = UnlNum::Power(Number(text), 0);
    EXPECT_EQ(one.GetText(), "1");
    EXPECT_EQ(one.Scale(), 0);
  }
}

TEST(Power, ThreeToTwoHundredThousandHasItsDigits) {
  const UnlNum power = UnlNum::Power(Number("3"), 200000);
  const std::string text = power.GetText();
  EXPECT_EQ(text.size(), 95425u);
  mpz_class expected;
  mpz_ui_pow_ui(expected.get_mpz_t(), 3, 200000);
  EXPECT_EQ(text, expected.get_str());
  EXPECT_LE(power.DigitCountEstimate(), UnlNum::PowerDigitEstimate(Number("3"), 200000));
}

TEST(DigitCountEstimate, CountsIntegerAndFractionDigitsOverstatingByAtMostOne) {
  struct Row {
    const char* text;
    std::uint64_t digits;
  };
  for (const Row& row : {Row{"0", 1}, Row{"5", 1}, Row{"99", 2}, Row{"100", 3},
                         Row{"0.5", 10}, Row{"-123.25", 12}, Row{"999999999.999999999", 18}}) {
    const std::uint64_t estimate = Number(row.text).DigitCountEstimate();
    EXPECT_GE(estimate, row.digits) << row.text;
    EXPECT_LE(estimate, row.digits + 1) << row.text;
  }
}

// ---- Randomized cross-check against exact rationals ----------------------------------

// Number texts of random shape: lengths, signs, scales, zeros and ±1.
class OperandMaker {
 public:
  explicit OperandMaker(std::uint64_t seed) : random_(seed) {}

  std::string Next() {
    const int kind = Pick(0, 19);
    if (kind == 0) return WithFractionZeros(Pick(0, 1) ? "0" : "-0.0", Pick(0, 30));
    if (kind == 1) return WithFractionZeros(Pick(0, 1) ? "1" : "-1", Pick(0, 30));
    if (kind == 2) return Sign() + "0." + std::string(Pick(0, 40), '0') + Digits(Pick(1, 3), true);
    const int integerLength = kind < 6 ? Pick(1, 3) : kind < 18 ? Pick(1, 40) : Pick(100, 400);
    const int fractionLength = Pick(0, 3) == 0 ? 0 : kind < 18 ? Pick(1, 40) : Pick(100, 300);
    std::string integer = Pick(0, 4) == 0 ? "0" : Digits(integerLength, true);
    std::string text = integer;
    if (fractionLength > 0 || Pick(0, 10) == 0) text += "." + Digits(fractionLength, false);
    if (Pick(0, 1) && !(integer == "0" && text.size() < 3)) text = "-" + text;
    return text;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::string Sign() { return Pick(0, 1) ? "-" : ""; }
  std::string Digits(int count, bool nonzeroFirst) {
    std::string digits;
    for (int i = 0; i < count; ++i) {
      // Runs of 0 and 9 make carries and borrows across groups likely.
      const int style = Pick(0, 3);
      char c = style == 0 ? '0' : style == 1 ? '9' : static_cast<char>('0' + Pick(0, 9));
      if (i == 0 && nonzeroFirst && c == '0') c = '1';
      digits += c;
    }
    return digits;
  }
  std::string WithFractionZeros(std::string text, int zeros) {
    if (text.find('.') == std::string::npos && zeros > 0) text += ".";
    return text + std::string(zeros, '0');
  }

  std::mt19937_64 random_;
};

void ExpectMatchesModel(const UnlNum& actual, const ModelNum& expected, const std::string& what) {
  const std::string text = actual.GetText();
  ASSERT_TRUE(ModelIsCanonicalText(text)) << what << " wrote " << text;
  ASSERT_EQ(ModelValueOfText(text), expected.value) << what << " wrote " << text;
  ASSERT_EQ(actual.Scale(), expected.scale) << what << " wrote " << text;
  ASSERT_EQ(actual.IsNegative(), expected.value < 0) << what;
}

TEST(RandomizedCrossCheck, ArithmeticAgreesWithExactRationals) {
  OperandMaker maker(20261211);
  std::mt19937 digitCounts(7);
  for (int i = 0; i < 6000; ++i) {
    const std::string aText = maker.Next();
    const std::string bText = i % 50 == 0 ? aText : maker.Next();
    UnlNum a, b;
    ASSERT_TRUE(a.SetText(aText)) << aText;
    ASSERT_TRUE(b.SetText(bText)) << bText;
    const ModelNum ma = ModelFromText(aText);
    const ModelNum mb = ModelFromText(bText);
    ASSERT_EQ(a.Scale(), ma.scale) << aText;
    const std::string pair = aText + " , " + bText;
    const std::int32_t n = std::uniform_int_distribution<int>(-1, 60)(digitCounts);

    ExpectMatchesModel(UnlNum::Add(a, b), ModelAdd(ma, mb), "Add " + pair);
    ExpectMatchesModel(UnlNum::Sub(a, b), ModelSub(ma, mb), "Sub " + pair);
    ExpectMatchesModel(UnlNum::Mul(a, b), ModelMul(ma, mb), "Mul " + pair);
    ExpectMatchesModel(UnlNum::Div(a, b, n), ModelDiv(ma, mb, n),
                       "Div " + pair + " n=" + std::to_string(n));
    ExpectMatchesModel(UnlNum::IntDiv(a, b), ModelIntDiv(ma, mb), "IntDiv " + pair);
    ExpectMatchesModel(UnlNum::Mod(a, b), ModelMod(ma, mb), "Mod " + pair);
    ExpectMatchesModel(UnlNum::Abs(a), ModelNum{abs(ma.value), ma.scale}, "Abs " + aText);
    ASSERT_EQ(UnlNum::Compare(a, b), ma.value > mb.value) << "Compare " << pair;
    ASSERT_EQ(UnlNum::Compare(b, a), mb.value > ma.value) << "Compare " << pair;

    // Text round trip: the value and sign come back, the scale is the text's.
    UnlNum copy;
    ASSERT_TRUE(copy.SetText(a.GetText()));
    ASSERT_EQ(ModelValueOfText(copy.GetText()), ma.value);
  }
}

}  // namespace
