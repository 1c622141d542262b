#include "convert_radix.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

struct ConversionCase {
  const char* name;
  const char* text;
  int from;
  int to;
  const char* result;
};

class ConvertRadixRules : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConvertRadixRules, GiveTheListedText) {
  const ConversionCase& row = GetParam();
  EXPECT_EQ(ConvertRadix(row.text, row.from, row.to), row.result);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertRadixRules,
    testing::Values(
        ConversionCase{"decimal_255_to_hex", "255", 10, 16, "FF"},
        ConversionCase{"zero_stays_zero", "0", 10, 16, "0"},
        ConversionCase{"leading_zeros_dropped", "007", 10, 16, "7"},
        ConversionCase{"same_radix_keeps_leading_zeros", "007", 10, 10, "007"},
        ConversionCase{"ten_to_binary", "10", 10, 2, "1010"},
        ConversionCase{"two_to_the_64_to_binary", "18446744073709551616", 10, 2,
                       "10000000000000000000000000000000000000000000000000000000000000000"},
        ConversionCase{"hex_ff_to_octal", "FF", 16, 8, "377"},
        ConversionCase{"octal_377_to_decimal", "377", 8, 10, "255"},
        ConversionCase{"lower_case_hex", "ff", 16, 10, "255"},
        ConversionCase{"full_width_hex", "\xEF\xBC\xA6\xEF\xBC\xA6", 16, 10, "255"},
        ConversionCase{"full_width_lower_case", "\xEF\xBD\x86\xEF\xBD\x86", 16, 10, "255"},
        ConversionCase{"same_radix_upper_cases", "ff", 16, 16, "FF"},
        ConversionCase{"same_radix_normalises_full_width", "\xEF\xBC\x91\xEF\xBC\x92", 10, 10,
                       "12"},
        ConversionCase{"empty_converts_to_zero", "", 10, 16, "0"},
        ConversionCase{"empty_same_radix_stays_empty", "", 10, 10, ""},
        ConversionCase{"only_zeros", "0000", 2, 16, "0"},
        ConversionCase{"radix_36", "ZZ", 36, 10, "1295"},
        ConversionCase{"to_radix_36", "1295", 10, 36, "ZZ"},
        ConversionCase{"radix_3_to_radix_7", "2120", 3, 7, "126"},
        ConversionCase{"digit_of_other_radix", "2", 2, 10,
                       "参数错误-2不是一个有效的二进制数！"},
        ConversionCase{"decimal_fraction", "12.5", 10, 10,
                       "参数错误-12.5不是一个有效的一十进制数！"},
        ConversionCase{"negative_decimal", "-3", 10, 10, "参数错误--3不是一个有效的一十进制数！"},
        ConversionCase{"error_display_in_hex", "Error", 16, 10,
                       "参数错误-ERROR不是一个有效的一十六进制数！"},
        ConversionCase{"octal_digit_nine", "19", 8, 2, "参数错误-19不是一个有效的八进制数！"},
        ConversionCase{"full_width_text_in_message", "\xEF\xBD\x87", 16, 10,
                       "参数错误-G不是一个有效的一十六进制数！"},
        ConversionCase{"ideographic_space", "1\xE3\x80\x80" "2", 10, 2,
                       "参数错误-1 2不是一个有效的一十进制数！"},
        ConversionCase{"blank", " 5", 10, 2, "参数错误- 5不是一个有效的一十进制数！"},
        ConversionCase{"radix_20_name", "K", 20, 10, "参数错误-K不是一个有效的二十进制数！"},
        ConversionCase{"radix_36_name", "*", 36, 10, "参数错误-*不是一个有效的三十六进制数！"},
        ConversionCase{"from_below_two", "1", 1, 10, "参数错误-进制只能在2-36之间"},
        ConversionCase{"to_above_thirty_six", "1", 10, 37, "参数错误-进制只能在2-36之间"},
        ConversionCase{"bound_checked_before_digits", "xyz", 0, 10, "参数错误-进制只能在2-36之间"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NameCase {
  int radix;
  const char* name;
};

class RadixNames : public testing::TestWithParam<NameCase> {};

TEST_P(RadixNames, AreChineseAmounts) { EXPECT_EQ(RadixName(GetParam().radix), GetParam().name); }

INSTANTIATE_TEST_SUITE_P(
    Radixes, RadixNames,
    testing::Values(NameCase{2, "二"}, NameCase{8, "八"}, NameCase{9, "九"}, NameCase{10, "一十"},
                    NameCase{11, "一十一"}, NameCase{16, "一十六"}, NameCase{20, "二十"},
                    NameCase{36, "三十六"}),
    [](const auto& info) { return "radix_" + std::to_string(info.param.radix); });

// The digits of a 64-bit value in a radix, written the plain way.
std::string Digits(std::uint64_t value, int radix) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kAlphabet[value % radix]);
    value /= radix;
  } while (value != 0);
  return digits;
}

TEST(ConvertRadix, AgreesWithPlainConversionForEveryPairOfRadixes) {
  std::mt19937_64 random(36);
  for (int i = 0; i < 40; ++i) {
    const std::uint64_t value = i < 3 ? static_cast<std::uint64_t>(i) : random() >> (i % 64);
    for (int from = 2; from <= 36; ++from)
      for (int to = 2; to <= 36; ++to)
        ASSERT_EQ(ConvertRadix(Digits(value, from), from, to), Digits(value, to))
            << value << " from " << from << " to " << to;
  }
}

TEST(ConvertRadix, TwoToTheThousandRoundTrips) {
  const std::string binary = "1" + std::string(1000, '0');
  const std::string decimal = ConvertRadix(binary, 2, 10);
  EXPECT_EQ(decimal.size(), 302u);
  EXPECT_EQ(decimal.substr(0, 10), "1071508607");
  EXPECT_EQ(decimal.substr(decimal.size() - 10), "5668069376");
  EXPECT_EQ(ConvertRadix(decimal, 10, 2), binary);
  EXPECT_EQ(ConvertRadix(decimal, 10, 16), "1" + std::string(250, '0'));
  EXPECT_EQ(ConvertRadix(ConvertRadix(decimal, 10, 8), 8, 10), decimal);
}

TEST(ConvertRadix, FiveThousandDigitHexRoundTripsExactly) {
  std::mt19937 random(5000);
  std::string hex(1, kAlphabet[1 + random() % 15]);
  for (int i = 1; i < 5000; ++i) hex += kAlphabet[random() % 16];
  const std::string decimal = ConvertRadix(hex, 16, 10);
  EXPECT_GT(decimal.size(), 6000u);
  EXPECT_EQ(ConvertRadix(decimal, 10, 16), hex);
  EXPECT_EQ(ConvertRadix(ConvertRadix(hex, 16, 2), 2, 16), hex);
  EXPECT_EQ(ConvertRadix(ConvertRadix(hex, 16, 36), 36, 16), hex);

  // All sixteen-digits: 16^5000 - 1 is twenty thousand ones in binary.
  EXPECT_EQ(ConvertRadix(std::string(5000, 'F'), 16, 2), std::string(20000, '1'));
  EXPECT_EQ(ConvertRadix(std::string(5000, 'f'), 16, 4), std::string(10000, '3'));
}

}  // namespace
