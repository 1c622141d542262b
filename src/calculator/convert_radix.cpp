#include "convert_radix.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>
#include <utility>

#include "number_text.h"

namespace {

constexpr const char* kChineseDigits[] = {"零", "一", "二", "三", "四",
                                          "五", "六", "七", "八", "九"};

constexpr int kNotADigit = 99;

// The value of each byte as a digit in radix 36, letters of either case;
// kNotADigit for every other byte, including all bytes of multi-byte
// characters.
constexpr std::array<unsigned char, 256> MakeDigitValues() {
  std::array<unsigned char, 256> values{};
  for (auto& value : values) value = kNotADigit;
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<unsigned char>(c - '0');
  for (int c = 'A'; c <= 'Z'; ++c) values[c] = static_cast<unsigned char>(c - 'A' + 10);
  for (int c = 'a'; c <= 'z'; ++c) values[c] = static_cast<unsigned char>(c - 'a' + 10);
  return values;
}
constexpr std::array<unsigned char, 256> kDigitValues = MakeDigitValues();

// True when every byte is a digit of the radix (either letter case).
bool AllDigitsOf(std::string_view text, int radix) {
  unsigned char largest = 0;
  for (char c : text) largest = std::max(largest, kDigitValues[static_cast<unsigned char>(c)]);
  return largest < radix;
}

std::string UpperCased(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

std::string RadixName(int radix) {
  if (radix < 0 || radix > 99) return "";
  if (radix < 10) return kChineseDigits[radix];
  std::string name = kChineseDigits[radix / 10];
  name += "十";
  if (radix % 10 != 0) name += kChineseDigits[radix % 10];
  return name;
}

std::string ConvertRadix(std::string_view text, int from, int to) {
  if (from < 2 || from > 36 || to < 2 || to > 36) return "参数错误-进制只能在2-36之间";

  // A text of plain digits (the usual case) needs neither the full-width
  // decoding nor upper-casing before GMP reads it: mpz_set_str takes both
  // letter cases. Anything else is normalised first.
  std::string digits;
  if (AllDigitsOf(text, from)) {
    digits = text;
  } else {
    digits = UpperCased(NormalizeFullWidth(text));
    if (!AllDigitsOf(digits, from))
      return "参数错误-" + digits + "不是一个有效的" + RadixName(from) + "进制数！";
  }
  if (from == to) return UpperCased(std::move(digits));
  if (digits.empty()) return "0";

  // Every character is a digit of radix from, so mpz_set_str cannot fail.
  mpz_class value;
  mpz_set_str(value.get_mpz_t(), digits.c_str(), from);
  const std::size_t bound = mpz_sizeinbase(value.get_mpz_t(), to);
  std::string result(bound + 1, '\0');
  // A negative base asks GMP for upper-case letters.
  mpz_get_str(result.data(), -to, value.get_mpz_t());
  result.resize(result[bound - 1] == '\0' ? bound - 1 : bound);
  return result;
}
