#include "convert_radix.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>

#include "number_text.h"

namespace {

constexpr const char* kChineseDigits[] = {"零", "一", "二", "三", "四",
                                          "五", "六", "七", "八", "九"};

constexpr int kNotADigit = 99;

// The value of each byte as a digit in radix 36 (upper-case letters only, as
// the text is upper-cased before the look-up); kNotADigit for other bytes.
constexpr std::array<unsigned char, 256> MakeDigitValues() {
  std::array<unsigned char, 256> values{};
  for (auto& value : values) value = kNotADigit;
  for (int c = '0'; c <= '9'; ++c) values[c] = static_cast<unsigned char>(c - '0');
  for (int c = 'A'; c <= 'Z'; ++c) values[c] = static_cast<unsigned char>(c - 'A' + 10);
  return values;
}
constexpr std::array<unsigned char, 256> kDigitValues = MakeDigitValues();

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

  // Full-width forms only occur outside ASCII; plain texts skip the decoding.
  std::string normalised = IsAscii(text) ? std::string(text) : NormalizeFullWidth(text);
  for (char& c : normalised)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');

  const bool allDigits = std::all_of(normalised.begin(), normalised.end(), [from](char c) {
    return kDigitValues[static_cast<unsigned char>(c)] < from;
  });
  if (!allDigits)
    return "参数错误-" + normalised + "不是一个有效的" + RadixName(from) + "进制数！";
  if (from == to) return normalised;
  if (normalised.empty()) return "0";

  // Every character is a digit of radix from, so mpz_set_str cannot fail.
  mpz_class value;
  mpz_set_str(value.get_mpz_t(), normalised.c_str(), from);
  const std::size_t bound = mpz_sizeinbase(value.get_mpz_t(), to);
  std::string result(bound + 1, '\0');
  // A negative base asks GMP for upper-case letters.
  mpz_get_str(result.data(), -to, value.get_mpz_t());
  result.resize(result[bound - 1] == '\0' ? bound - 1 : bound);
  return result;
}
