#pragma once

// The benchmark workloads, shared by our benchmark and the raw-GMP peer so
// that both see the same operands. Operand digits come from a fixed seed.

#include <cstdint>
#include <fstream>
#include <map>
#include <random>
#include <string>

namespace workloads {

inline std::string RandomDigits(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::string digits(count, '0');
  for (char& c : digits) c = static_cast<char>('0' + random() % 10);
  if (count > 0 && digits[0] == '0') digits[0] = '7';
  if (count > 0 && digits.back() == '0') digits.back() = '3';
  return digits;
}

// W1: 3^200000 (95,425 digits).
constexpr unsigned long kPowerBase = 3;
constexpr unsigned long kPowerExponent = 200000;

// W2: two 1,000-digit decimals with 500 fraction digits each, quotient at 50
// places; and 1/7 at 100,000 places.
inline std::string QuotientDividend() {
  return RandomDigits(500, 21) + "." + RandomDigits(500, 22);
}
inline std::string QuotientDivisor() { return RandomDigits(500, 23) + "." + RandomDigits(500, 24); }
constexpr int kQuotientPlaces = 50;
constexpr int kSeventhPlaces = 100000;

// W3: a 100,000-digit decimal with 40,000 fraction digits, squared.
inline std::string SquareOperand() {
  return RandomDigits(60000, 31) + "." + RandomDigits(40000, 32);
}

// W4: a 20,000-digit decimal integer in radix 2 and 16 and back.
inline std::string RadixOperand() { return RandomDigits(20000, 41); }

// W5: sine and tangent of 30 degrees at precision 50.
constexpr int kTrigAngle = 30;
constexpr int kTrigPrecision = 50;

// W6: one key press: two display texts, their product and their quotient to
// 5 places.
constexpr const char* kKeyPressA = "12345.6789";
constexpr const char* kKeyPressB = "3.14159";
constexpr int kKeyPressPlaces = 5;

// The operand texts, for the peers outside this program.
inline std::map<std::string, std::string> Inputs() {
  return {{"quotient_dividend", QuotientDividend()},
          {"quotient_divisor", QuotientDivisor()},
          {"square_operand", SquareOperand()},
          {"radix_operand", RadixOperand()}};
}

inline void WriteText(const std::string& directory, const std::string& name,
                      const std::string& text) {
  std::ofstream(directory + "/" + name + ".txt", std::ios::binary) << text << "\n";
}

}  // namespace workloads
