#include "number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

struct DoubleCase {
  const char* name;
  double value;
  const char* text;
};

class NumberToTextDouble : public testing::TestWithParam<DoubleCase> {};

TEST_P(NumberToTextDouble, WritesThirteenSignificantDigits) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberToTextDouble,
    testing::Values(
        DoubleCase{"tenth", 0.1, "0.1"},
        DoubleCase{"one_third", 1.0 / 3, "0.3333333333333"},
        DoubleCase{"two_thirds", 2.0 / 3, "0.6666666666667"},
        DoubleCase{"hundred", 100, "100"},
        DoubleCase{"ten_thousandth", 0.0001, "0.0001"},
        DoubleCase{"hundred_thousandth", 0.00001, "1e-005"},
        DoubleCase{"thirteen_digits", 1234567890123, "1234567890123"},
        DoubleCase{"fourteen_digits", 12345678901234, "1.234567890123e+013"},
        DoubleCase{"two_e_twenty", 2e20, "2e+020"},
        DoubleCase{"point_one_plus_point_two", 0.1 + 0.2, "0.3"},
        DoubleCase{"rounding_raises_exponent", 9999999999999.5, "1e+013"},
        DoubleCase{"small_negative", -0.000123456789012345, "-0.0001234567890123"},
        DoubleCase{"one_point_five_e_minus_seven", 1.5e-7, "1.5e-007"},
        DoubleCase{"googol", 1e100, "1e+100"},
        DoubleCase{"large_exponent", 1.5e300, "1.5e+300"},
        DoubleCase{"zero", 0.0, "0"},
        DoubleCase{"negative_zero", -0.0, "0"},
        DoubleCase{"negative_whole", -42, "-42"},
        DoubleCase{"smallest_denormal", std::numeric_limits<double>::denorm_min(),
                   "4.940656458412e-324"},
        DoubleCase{"infinity", std::numeric_limits<double>::infinity(), "1.#INF"},
        DoubleCase{"negative_infinity", -std::numeric_limits<double>::infinity(), "-1.#INF"},
        DoubleCase{"indefinite", std::bit_cast<double>(0xFFF8000000000000ULL), "-1.#IND"},
        DoubleCase{"quiet_nan", std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberToTextDouble, InvalidOperationGivesIndefinite) {
  volatile double zero = 0;
  EXPECT_EQ(NumberToText(zero / zero), "-1.#IND");
}

TEST(NumberToTextOtherTypes, IntegersArePlainAndFloatsHaveSixDigits) {
  EXPECT_EQ(NumberToText(std::int32_t{-2147483647 - 1}), "-2147483648");
  EXPECT_EQ(NumberToText(std::int64_t{9000000000}), "9000000000");
  EXPECT_EQ(NumberToText(1.0f / 3), "0.333333");
  EXPECT_EQ(NumberToText(1.5e-7f), "1.5e-007");
  EXPECT_EQ(NumberToText(1234567.0f), "1.23457e+006");
}

// An independent formatter: the C library's "%.13g" with the exponent widened
// to three digits.
std::string ReferenceText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  std::string text(buffer);
  const std::size_t e = text.find('e');
  if (e != std::string::npos && text.size() - e - 2 < 3) text.insert(e + 2, 3 - (text.size() - e - 2), '0');
  return text;
}

TEST(NumberToTextDouble, AgreesWithPrintfOverRandomDoubles) {
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 308);
  for (int i = 0; i < 200000; ++i) {
    const double value = i % 2 ? mantissa(random) * std::pow(10.0, exponent(random))
                               : std::bit_cast<double>(random());
    if (!std::isfinite(value) || value == 0) continue;
    ASSERT_EQ(NumberToText(value), ReferenceText(value)) << std::hexfloat << value;
  }
}

struct TextCase {
  const char* name;
  const char* text;
  double value;
};

class TextToNumberTable : public testing::TestWithParam<TextCase> {};

TEST_P(TextToNumberTable, ReadsLongestNumericPrefix) {
  EXPECT_EQ(TextToNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextToNumberTable,
    testing::Values(
        TextCase{"trailing_letters", "12abc", 12}, TextCase{"letters", "abc", 0},
        TextCase{"empty", "", 0}, TextCase{"leading_blank", " 3.5", 3.5},
        TextCase{"leading_white_space", "\t\r\n\v\f7", 7},
        TextCase{"exponent_e", "1e3", 1000}, TextCase{"exponent_d", "1d3", 1000},
        TextCase{"exponent_upper_d", "2D-2", 0.02},
        TextCase{"leading_point", ".5", 0.5}, TextCase{"trailing_point", "5.", 5},
        TextCase{"group_separator", "1,000", 1}, TextCase{"hex_prefix", "0x10", 0},
        TextCase{"plus_sign", "+7", 7}, TextCase{"lone_minus", "-", 0},
        TextCase{"lone_point", ".", 0}, TextCase{"minus_point", "-.", 0},
        TextCase{"full_width", "１２．５", 12.5},
        TextCase{"full_width_minus_and_exponent", "－３Ｅ２", -300},
        TextCase{"ideographic_space", "\u3000\u30004", 4},
        TextCase{"trailing_blank", "5 ", 5}, TextCase{"minus_point_five", "-.5", -0.5},
        TextCase{"exponent_without_mantissa", "e5", 0},
        TextCase{"exponent_without_digits", "3e", 3},
        TextCase{"exponent_sign_without_digits", "3e+x", 3},
        TextCase{"second_point", "1.2.3", 1.2},
        TextCase{"huge", "1e400", std::numeric_limits<double>::infinity()},
        TextCase{"huge_negative", "-1e400", -std::numeric_limits<double>::infinity()},
        TextCase{"long_integer", "1234567890123456789012345678901234567890", 1.2345678901234568e39},
        TextCase{"tiny", "1e-400", 0.0},
        TextCase{"huge_exponent_digits", "1e99999999999999999999", std::numeric_limits<double>::infinity()},
        TextCase{"star_is_not_a_digit", "★", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToNumber, UnderflowWithoutExponentIsZero) {
  EXPECT_EQ(TextToNumber("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(TextToNumber("0." + std::string(322, '0') + "1"), 1e-323);
}

TEST(TextToNumber, NegativeZeroKeepsItsSign) {
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
}

TEST(NormalizeFullWidth, MapsFullWidthFormsAndKeepsOthers) {
  EXPECT_EQ(NormalizeFullWidth("ＡＢｃ！～\u3000☆★中文"), "ABc!~ **中文");
  EXPECT_EQ(NormalizeFullWidth(std::string("\xFF\xC3x", 3)), std::string("\xFF\xC3x", 3));
}

struct IntegerCase {
  const char* name;
  const char* text;
  std::int32_t value;
};

class TextToIntegerTable : public testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTable, TruncatesAndKeepsLow32Bits) {
  EXPECT_EQ(TextToInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextToIntegerTable,
    testing::Values(IntegerCase{"positive_fraction", "3.9", 3},
                    IntegerCase{"negative_fraction", "-3.9", -3},
                    IntegerCase{"seven_point_nine_nine", "7.99", 7},
                    IntegerCase{"empty", "", 0},
                    IntegerCase{"ten_billion", "1e10", 1410065408},
                    IntegerCase{"three_billion", "3000000000", -1294967296},
                    IntegerCase{"beyond_64_bits", "1e19", 0},
                    IntegerCase{"beyond_64_bits_negative", "-1e19", 0},
                    IntegerCase{"infinity", "1e400", 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
