#include "complex_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "number_text.h"

namespace {

struct ComplexTextCase {
  const char* name;
  const char* text;
  double realPart;
  double imagPart;
};

class TextToComplexTable : public testing::TestWithParam<ComplexTextCase> {};

TEST_P(TextToComplexTable, ReadsTheLongestComplexPrefix) {
  const ComplexCalc z = TextToComplex(GetParam().text);
  EXPECT_EQ(z.GetRealPart(), GetParam().realPart);
  EXPECT_EQ(z.GetImagPart(), GetParam().imagPart);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToComplexTable,
    testing::Values(
        ComplexTextCase{"real", "3", 3, 0},
        ComplexTextCase{"negative_real", "-2.5", -2.5, 0},
        ComplexTextCase{"imaginary", "4i", 0, 4},
        ComplexTextCase{"negative_imaginary", "-4.5i", 0, -4.5},
        ComplexTextCase{"sum", "3+4i", 3, 4},
        ComplexTextCase{"difference", "3-4i", 3, -4},
        ComplexTextCase{"negative_real_and_imaginary", "-3-4i", -3, -4},
        ComplexTextCase{"lone_i", "i", 0, 1},
        ComplexTextCase{"minus_i", "-i", 0, -1},
        ComplexTextCase{"plus_i", "+i", 0, 1},
        ComplexTextCase{"real_plus_i", "2+i", 2, 1},
        ComplexTextCase{"real_minus_i", "2-i", 2, -1},
        ComplexTextCase{"blanks_around_sign", "3 + 4i", 3, 4},
        ComplexTextCase{"blanks_at_ends", " \t3-4i  ", 3, -4},
        ComplexTextCase{"blanks_around_sign_before_i", "1 -  i", 1, -1},
        ComplexTextCase{"exponents", "1e3+2.5d-1i", 1000, 0.25},
        ComplexTextCase{"upper_case_exponents", "1E2-1D1i", 100, -10},
        ComplexTextCase{"points", ".5+5.i", 0.5, 5},
        ComplexTextCase{"full_width", "３＋４ｉ", 3, 4},
        ComplexTextCase{"full_width_minus_and_space", "\u3000－１．５\u3000－\u3000２ｉ", -1.5, -2},
        ComplexTextCase{"imaginary_overflows", "1e400i", 0, kInfinity}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Prefixes, TextToComplexTable,
    testing::Values(
        ComplexTextCase{"empty", "", 0, 0},
        ComplexTextCase{"blanks_only", "   ", 0, 0},
        ComplexTextCase{"letters", "abc", 0, 0},
        ComplexTextCase{"lone_sign", "-", 0, 0},
        ComplexTextCase{"lone_point", ".", 0, 0},
        ComplexTextCase{"sign_then_blank", "- 3", 0, 0},
        ComplexTextCase{"trailing_text", "3+4i kg", 3, 4},
        ComplexTextCase{"second_part_without_i", "3+4", 3, 0},
        ComplexTextCase{"second_part_with_blank_before_i", "3+4 i", 3, 0},
        ComplexTextCase{"dangling_sign", "3+", 3, 0},
        ComplexTextCase{"double_sign", "3+-4i", 3, 0},
        ComplexTextCase{"imaginary_part_first", "4i+3", 0, 4},
        ComplexTextCase{"second_real_part", "3+4+5i", 3, 0},
        ComplexTextCase{"exponent_without_digits", "2e+i", 2, 0},
        ComplexTextCase{"letter_after_number", "12abc", 12, 0},
        ComplexTextCase{"comma_grouping", "1,000+2i", 1, 0},
        ComplexTextCase{"hex_prefix", "0x10", 0, 0},
        ComplexTextCase{"upper_case_i_is_not_imaginary", "4I", 4, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToComplex, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(TextToComplex("-0").GetRealPart()));
  EXPECT_TRUE(std::signbit(TextToComplex("1-0i").GetImagPart()));
  EXPECT_FALSE(std::signbit(TextToComplex("4i").GetRealPart()));
}

TEST(TextToComplex, SurvivesBrokenUtf8) {
  EXPECT_EQ(TextToComplex(std::string("\xE4\xB8", 2)), ComplexCalc());
  EXPECT_EQ(TextToComplex(std::string("5\xFF+i", 4)), ComplexCalc(5, 0));
  EXPECT_EQ(TextToComplex(std::string("5+\xEF\xBD\x89", 5)), ComplexCalc(5, 1));  // full-width i
}

TEST(TextToComplex, ReadsWrittenNumbersWhateverFollows) {
  // A number written as "a+bi" or "a-bi" from NumberToText texts reads back
  // as those texts' values, and bytes after the "i" change nothing.
  std::mt19937_64 random(61);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::uniform_int_distribution<int> anyByte(0, 255);
  for (int trial = 0; trial < 5000; ++trial) {
    const double a = mantissa(random) * std::pow(10.0, exponent(random));
    const double b = mantissa(random) * std::pow(10.0, exponent(random));
    std::string text = NumberToText(a) + (b < 0 ? " - " : "+") + NumberToText(std::fabs(b)) + "i";
    for (int i = trial % 7; i > 0; --i) text += static_cast<char>(anyByte(random));
    const ComplexCalc z = TextToComplex(text);
    ASSERT_EQ(z.GetRealPart(), TextToNumber(NumberToText(a))) << testing::PrintToString(text);
    ASSERT_EQ(z.GetImagPart(), TextToNumber(NumberToText(b))) << testing::PrintToString(text);
  }
}

}  // namespace
