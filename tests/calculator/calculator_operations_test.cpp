#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calculator.h"
#include "fake_calculator_view.h"

namespace {

using Message = RecordingMessages::Message;

struct ScriptCase {
  const char* name;
  const char* script;
  std::string display;
  std::vector<Message> messages = {};
};

class Script : public testing::TestWithParam<ScriptCase> {};

TEST_P(Script, ShowsTheResultAndItsMessages) {
  CalculatorFixture f;
  f.Run(GetParam().script);
  EXPECT_EQ(f.view.display, GetParam().display);
  EXPECT_EQ(f.messages.shown, GetParam().messages);
}

const std::string kInvalidFraction = "参数错误-3.5不是一个有效的一十进制数！";
const Message kExponentMessage{"开方数不能为小数和负数", MessageIcon::None};
const Message kZeroDivisor{"除数不能为零", MessageIcon::Warning};
const Message kTooLarge{"计算结果超过一百万位，无法计算", MessageIcon::Warning};

INSTANTIATE_TEST_SUITE_P(
    Operators, Script,
    testing::Values(
        ScriptCase{"quotient_cut_to_places", "1/3=", "0.33333"},
        ScriptCase{"two_thirds_truncated", "2/3=", "0.66666"},
        ScriptCase{"short_quotient", "10/4=", "2.5"},
        ScriptCase{"whole_quotient", "10\\4=", "2"},
        ScriptCase{"whole_quotient_toward_zero", "7{neg}\\2=", "-3"},
        ScriptCase{"remainder", "7%3=", "1"},
        ScriptCase{"remainder_sign_of_dividend", "7{neg}%3=", "-1"},
        ScriptCase{"remainder_of_fraction", "7.5%2=", "1.5"},
        ScriptCase{"exact_sum", "0.1+0.2=", "0.3"},
        ScriptCase{"carry", "999999999+1=", "1000000000"},
        ScriptCase{"beyond_machine_numbers", "99999999999999999999*99999999999999999999=",
                   "9999999999999999999800000000000000000001"},
        ScriptCase{"power", "2^10=", "1024"},
        ScriptCase{"power_one", "5^1=", "5"},
        ScriptCase{"power_zero_is_one", "5^0=", "1"},
        ScriptCase{"zero_to_zero_is_one", "0^0=", "1"},
        ScriptCase{"fraction_squared", "1.5^2=", "2.25"},
        ScriptCase{"fractional_exponent", "2^1.5=", "0", {kExponentMessage}},
        ScriptCase{"negative_exponent", "2^3{neg}=", "0", {kExponentMessage}},
        ScriptCase{"one_to_beyond_32_bits", "1^3000000000=", "1"},
        ScriptCase{"zero_to_beyond_32_bits", "0^3000000000=", "0"},
        ScriptCase{"minus_one_to_odd_beyond_64_bits", "1{neg}^100000000000000000001=", "-1"},
        ScriptCase{"minus_one_to_even_beyond_64_bits", "1{neg}^100000000000000000000=", "1"},
        ScriptCase{"power_too_large", "2^3000000000=", "0", {kTooLarge}},
        ScriptCase{"power_just_too_large", "10^500001=", "0", {kTooLarge}},
        ScriptCase{"division_by_zero", "5/0=", "0", {kZeroDivisor}},
        ScriptCase{"whole_division_by_zero", "5\\0=", "0", {kZeroDivisor}},
        ScriptCase{"division_by_zero_point_zero", "5/0.0=", "0", {kZeroDivisor}},
        ScriptCase{"remainder_by_zero_keeps_dividend", "5%0=", "5"},
        ScriptCase{"equals_twice", "2+3==", "5"},
        ScriptCase{"no_chaining", "2+3+4=", "7"},
        ScriptCase{"operator_replaces_operator", "6+*2=", "0"},
        ScriptCase{"digits_append_to_result", "2+3=1", "51"},
        ScriptCase{"equals_after_clear_entry", "12+3\x1b=", "0"},
        ScriptCase{"hex_sum", "{hex}A+5=", "F"},
        ScriptCase{"hex_negative_is_error", "{hex}5-A=", "Error"},
        ScriptCase{"hex_product", "{hex}FF*FF=", "FE01"},
        ScriptCase{"binary_fraction_refused_by_conversion", "{bin}111/10=", kInvalidFraction},
        ScriptCase{"binary_division_by_zero", "{bin}1/0=", "0", {kZeroDivisor}}),
    [](const auto& info) { return std::string(info.param.name); });

const std::string kTwoToThe64 = "18446744073709551616";

INSTANTIATE_TEST_SUITE_P(
    RadixSwitch, Script,
    testing::Values(
        ScriptCase{"decimal_to_hex", "255{hex}", "FF"},
        ScriptCase{"zero_to_hex", "0{hex}", "0"},
        ScriptCase{"leading_zeros_dropped", "007{hex}", "7"},
        ScriptCase{"decimal_to_binary", "10{bin}", "1010"},
        ScriptCase{"two_to_the_64_to_binary", "2^64={bin}", "1" + std::string(64, '0')},
        ScriptCase{"hex_to_octal", "{hex}FF{oct}", "377"},
        ScriptCase{"hex_to_octal_to_decimal", "{hex}FF{oct}{dec}", "255"},
        ScriptCase{"fraction_refused", "12.5{bin}", "12.5", {{"负数和小数不能转换成2进制的数值", MessageIcon::None}}},
        ScriptCase{"negative_refused", "3{neg}{hex}", "-3", {{"负数和小数不能转换成16进制的数值", MessageIcon::None}}},
        ScriptCase{"negative_refused_octal", "3{neg}{oct}", "-3", {{"负数和小数不能转换成8进制的数值", MessageIcon::None}}},
        ScriptCase{"decimal_reselected_converts_fraction", "12.5{dec}", "参数错误-12.5不是一个有效的一十进制数！"},
        ScriptCase{"error_text_to_decimal", "{hex}5-A={dec}", "参数错误-ERROR不是一个有效的一十六进制数！"},
        ScriptCase{"typed_hex_letter", "{hex}a", "A"},
        ScriptCase{"binary_refuses_two", "{bin}2", "0"},
        ScriptCase{"octal_refuses_eight", "{oct}78", "7"},
        // The stored 12 is read as hexadecimal 12 when "=" comes in radix 16.
        ScriptCase{"first_operand_not_converted", "12+{hex}A=", "1C"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Functions, Script,
    testing::Values(
        ScriptCase{"int_of_fraction", "7.9{int}", "7"},
        ScriptCase{"int_toward_zero", "7.9{neg}{int}", "-7"},
        ScriptCase{"int_of_whole", "5{int}", "5"},
        ScriptCase{"abs", "2.5{neg}{abs}", "2.5"},
        ScriptCase{"square", "1.5{sq}", "2.25"},
        ScriptCase{"cube", "2{neg}{cube}", "-8"},
        ScriptCase{"square_cut_to_places", "0.123456{sq}", "0.01524"},
        ScriptCase{"binary_square_reads_decimal", "{bin}11{sq}", "121"},
        ScriptCase{"hex_letters_read_as_zero", "{hex}A{sq}", "0"},
        ScriptCase{"radian_to_degrees", "1{cr}", "57.29577951308"},
        ScriptCase{"degrees_back_to_radians", "1{cr}{cr}", "1"},
        ScriptCase{"sine", "30{sin}", "0.5"},
        ScriptCase{"sine_sixty", "60{sin}", "0.86603"},
        ScriptCase{"cosine_one", "1{cos}", "0.99985"},
        ScriptCase{"tangent", "45{tan}", "1"},
        ScriptCase{"tangent_pole", "90{tan}", "90", {{"正切值不存在", MessageIcon::Warning}}},
        ScriptCase{"tangent_pole_negative", "270{neg}{tan}", "-270", {{"正切值不存在", MessageIcon::Warning}}},
        ScriptCase{"tangent_pole_after_truncation", "90.7{tan}", "90.7", {{"正切值不存在", MessageIcon::Warning}}},
        ScriptCase{"cotangent_pole", "180{cot}", "180", {{"余切值不存在", MessageIcon::Warning}}},
        ScriptCase{"cotangent_pole_zero", "0{cot}", "0", {{"余切值不存在", MessageIcon::Warning}}},
        ScriptCase{"cotangent", "45{cot}", "1"},
        ScriptCase{"function_leaves_pending_operation", "2+3{sq}=", "11"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorOperations, ExponentMessageLeavesZeroAndNoOperation) {
  CalculatorFixture f;
  f.Run("2^1.5=");
  EXPECT_EQ(f.calculator.State().firstOperand, "0");
  EXPECT_EQ(f.calculator.State().pendingOperator, BinaryOperator::None);
  f.Run("=");
  EXPECT_EQ(f.view.display, "0");
}

TEST(CalculatorOperations, DivisionByZeroEndsLikeTheExponentMessage) {
  CalculatorFixture f;
  f.Run("{hex}F/0=");
  EXPECT_EQ(f.view.display, "0");
  EXPECT_EQ(f.calculator.State().firstOperand, "0");
  EXPECT_EQ(f.calculator.State().pendingOperator, BinaryOperator::None);
}

TEST(CalculatorOperations, NegativeResultInOtherRadixKeepsDecimalTextAsFirstOperand) {
  CalculatorFixture f;
  f.Run("{hex}5-A=");
  EXPECT_EQ(f.calculator.State().firstOperand, "-5");
  EXPECT_FALSE(f.calculator.State().entryStarted);
}

TEST(CalculatorOperations, ZeroPlacesKeepThePoint) {
  CalculatorFixture f;
  f.settings.小数保留位数 = "0";
  f.Run("7/2=");
  EXPECT_EQ(f.view.display, "3");
  f.Run("\x1b" "1.5*3=");
  EXPECT_EQ(f.view.display, "4.");
}

TEST(CalculatorOperations, SettingsAreReadAtEveryUse) {
  CalculatorFixture f;
  f.settings = Settings{"10", "50"};
  f.Run("60{sin}");
  EXPECT_EQ(f.view.display, "0.866025403784");
  f.settings.计算精度 = "100000";  // counts as 50
  f.Run("\x1b" "30{sin}");
  EXPECT_EQ(f.view.display, "0.5");
  f.settings.小数保留位数 = "2";
  f.Run("\x1b" "1/3=");
  EXPECT_EQ(f.view.display, "0.33");
}

TEST(CalculatorOperations, SameRadixKeepsLeadingZeros) {
  CalculatorFixture f;
  f.view.display = "007";
  f.Run("{dec}");
  EXPECT_EQ(f.view.display, "007");
}

TEST(CalculatorOperations, RefusedRadixReselectsTheOldButton) {
  CalculatorFixture f;
  f.Run("{hex}");
  f.view.display = "-1";  // as left by an earlier result
  f.Run("{bin}");
  EXPECT_EQ(f.view.checkedRadix, 16);
  EXPECT_EQ(f.calculator.State().radix, 16);
}

struct RadixKeys {
  int radix;
  std::vector<RadixKey> enabled;
};

class EnabledKeys : public testing::TestWithParam<RadixKeys> {};

TEST_P(EnabledKeys, FollowTheRadix) {
  CalculatorFixture f;
  f.calculator.SwitchRadix(GetParam().radix);
  for (int key = 0; key < kRadixKeyCount; ++key) {
    const bool expected = std::ranges::count(GetParam().enabled, static_cast<RadixKey>(key)) > 0;
    EXPECT_EQ(f.view.enabledKeys[key], expected) << "key " << key << " in radix " << GetParam().radix;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnabledKeys,
    testing::Values(
        RadixKeys{16, {RadixKey::Digit0, RadixKey::Digit1, RadixKey::Digit2, RadixKey::Digit3, RadixKey::Digit4,
                       RadixKey::Digit5, RadixKey::Digit6, RadixKey::Digit7, RadixKey::Digit8, RadixKey::Digit9,
                       RadixKey::DigitA, RadixKey::DigitB, RadixKey::DigitC, RadixKey::DigitD, RadixKey::DigitE,
                       RadixKey::DigitF}},
        RadixKeys{10, {RadixKey::Digit0, RadixKey::Digit1, RadixKey::Digit2, RadixKey::Digit3, RadixKey::Digit4,
                       RadixKey::Digit5, RadixKey::Digit6, RadixKey::Digit7, RadixKey::Digit8, RadixKey::Digit9,
                       RadixKey::DecimalPoint, RadixKey::ChangeSign, RadixKey::Mod, RadixKey::Sin, RadixKey::Cos,
                       RadixKey::Tan, RadixKey::Cotan, RadixKey::Abs, RadixKey::Int, RadixKey::AngleConversion}},
        RadixKeys{8, {RadixKey::Digit0, RadixKey::Digit1, RadixKey::Digit2, RadixKey::Digit3, RadixKey::Digit4,
                      RadixKey::Digit5, RadixKey::Digit6, RadixKey::Digit7}},
        RadixKeys{2, {RadixKey::Digit0, RadixKey::Digit1}}),
    [](const auto& info) { return "radix_" + std::to_string(info.param.radix); });

TEST(CalculatorSizeGuard, RefusesSquareAndCubeBeyondAMillionDigitsAndKeepsTheDisplay) {
  CalculatorFixture f;
  const std::string sixHundredThousandDigits(600'000, '9');
  f.view.display = sixHundredThousandDigits;
  f.Run("{sq}");
  EXPECT_TRUE(f.view.display == sixHundredThousandDigits);
  f.view.display = "1." + std::string(399'999, '3');
  f.Run("{cube}");
  EXPECT_EQ(f.view.display.size(), 400'001u);
  EXPECT_EQ(f.messages.shown, (std::vector<Message>{kTooLarge, kTooLarge}));
}

TEST(CalculatorSizeGuard, ComputesUpToAMillionDigitsExactly) {
  CalculatorFixture f;
  f.Run("2^1000000=");
  const std::string& result = f.view.display;
  EXPECT_EQ(result.size(), 301'030u);
  EXPECT_EQ(result.substr(0, 10), "9900656229");
  EXPECT_EQ(result.substr(result.size() - 10), "2747109376");
  EXPECT_TRUE(f.messages.shown.empty());
}

}  // namespace
