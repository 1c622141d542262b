#include "number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// The bit pattern of the "indefinite" NaN that invalid operations such as
// 0/0 produce on x86.
constexpr std::uint64_t kIndefiniteNanBits = 0xFFF8000000000000ULL;

std::string NonFiniteText(double value) {
  if (std::isinf(value)) return value > 0 ? "1.#INF" : "-1.#INF";
  if (std::bit_cast<std::uint64_t>(value) == kIndefiniteNanBits) return "-1.#IND";
  return "1.#QNAN";
}

void RemoveTrailingFractionZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
}

// "%.<significant>g" with the exponent written with at least three digits.
std::string FormatSignificant(double value, int significant) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return "0";

  // "%.*e" rounds to the significant digits and tells the exponent of the
  // rounded value.
  char scientific[64];
  std::snprintf(scientific, sizeof scientific, "%.*e", significant - 1, value);
  std::string_view text(scientific);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(scientific + e + 1);
  const bool negative = text.front() == '-';

  std::string mantissaDigits;  // the significant digits without the point
  for (char c : text.substr(0, e))
    if (c >= '0' && c <= '9') mantissaDigits += c;

  std::string result = negative ? "-" : "";
  if (exponent >= -4 && exponent < significant) {
    if (exponent < 0) {
      std::string plain = "0." + std::string(-exponent - 1, '0') + mantissaDigits;
      RemoveTrailingFractionZeros(plain);
      return result + plain;
    }
    std::string plain = mantissaDigits.substr(0, exponent + 1) + "." +
                        mantissaDigits.substr(exponent + 1);
    RemoveTrailingFractionZeros(plain);
    return result + plain;
  }

  std::string mantissa = mantissaDigits.substr(0, 1) + "." + mantissaDigits.substr(1);
  RemoveTrailingFractionZeros(mantissa);
  const std::string exponentDigits = std::to_string(std::abs(exponent));
  return result + mantissa + "e" + (exponent < 0 ? "-" : "+") +
         std::string(exponentDigits.size() < 3 ? 3 - exponentDigits.size() : 0, '0') +
         exponentDigits;
}

// Reads one UTF-8 code point at text[i]; returns its length in bytes
// (1 for a byte that does not start a valid sequence).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& codePoint) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                       : (lead >> 3) == 0x1E ? 4 : 0;
  if (length <= 1 || i + length > text.size()) {
    codePoint = lead;
    return 1;
  }
  codePoint = lead & (0xFF >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      codePoint = lead;
      return 1;
    }
    codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
  }
  return length;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeadingWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length of the run of digits starting at text[i].
std::size_t DigitRun(std::string_view text, std::size_t i) {
  std::size_t n = 0;
  while (i + n < text.size() && IsDigit(text[i + n])) ++n;
  return n;
}

// The power of ten of the first significant digit of a number text made of
// digits, an optional point and an optional exponent "e[sign]digits"; the
// exponent saturates, so that any text gets an order of the right sign.
long long DecimalOrder(std::string_view number) {
  const std::size_t e = number.find('e');
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  long long order = first < point ? static_cast<long long>(point - first) - 1
                                  : -static_cast<long long>(first - point);
  if (e != std::string_view::npos) {
    long long exponent = 0;
    for (char c : number.substr(e + 1))
      if (IsDigit(c)) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000'000LL);
    order += number[e + 1] == '-' ? -exponent : exponent;
  }
  return order;
}

}  // namespace

std::string NumberToText(double value) { return FormatSignificant(value, 13); }
std::string NumberToText(float value) { return FormatSignificant(value, 6); }
std::string NumberToText(std::int32_t value) { return std::to_string(value); }
std::string NumberToText(std::int64_t value) { return std::to_string(value); }

std::string NormalizeFullWidth(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t codePoint;
    const std::size_t length = DecodeUtf8(text, i, codePoint);
    if (codePoint >= 0xFF01 && codePoint <= 0xFF5E)
      result += static_cast<char>(codePoint - 0xFF01 + 0x21);
    else if (codePoint == 0x3000)
      result += ' ';
    else if (codePoint == 0x2606 || codePoint == 0x2605)
      result += '*';
    else
      result.append(text.substr(i, length));
    i += length;
  }
  return result;
}

double TextToNumber(std::string_view input) {
  const std::string text = NormalizeFullWidth(input);
  std::size_t start = 0;
  while (start < text.size() && IsLeadingWhiteSpace(text[start])) ++start;

  std::size_t i = start;
  std::string number;  // the prefix, spelled for from_chars
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  const std::size_t integerDigits = DigitRun(text, i);
  number.append(text, i, integerDigits);
  i += integerDigits;
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    fractionDigits = DigitRun(text, i + 1);
    if (integerDigits + fractionDigits > 0) {
      number += '.';
      number.append(text, i + 1, fractionDigits);
      i += 1 + fractionDigits;
    }
  }
  if (integerDigits + fractionDigits == 0) return 0;

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t exponentDigits = DigitRun(text, j);
    if (exponentDigits > 0) number += exponent + text.substr(j, exponentDigits);
  }

  double value = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), value).ec ==
      std::errc::result_out_of_range)
    value = DecimalOrder(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -value : value;
}

std::int32_t TextToInteger(std::string_view text) {
  const double truncated = std::trunc(TextToNumber(text));
  // 2^63 is the first value beyond the 64-bit range.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(truncated >= -kLimit && truncated < kLimit)) return 0;
  const auto whole = static_cast<std::int64_t>(truncated);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}
