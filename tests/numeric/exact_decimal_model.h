#pragma once

// An independent model of the decimal number type for tests: a value is an
// exact rational (mpq_class) together with its scale, and every operation is
// written from the closed forms of the rules (value and scale), not from the
// way the production code computes them.

#include <gmpxx.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

struct ModelNum {
  mpq_class value;
  std::int64_t scale = 0;
};

inline mpz_class ModelPowerOfTen(std::int64_t exponent) {
  mpz_class result;
  mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return result;
}

inline std::int64_t ModelGroupsScale(std::int64_t digits) { return 9 * ((digits + 8) / 9); }

// Reads a text that is known to be a valid number: [-]digits[.digits].
inline ModelNum ModelFromText(std::string_view text) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  std::string digits(text.substr(0, point));
  std::int64_t fractionDigits = 0;
  if (point != std::string_view::npos) {
    digits += text.substr(point + 1);
    fractionDigits = static_cast<std::int64_t>(text.size() - point - 1);
  }
  mpq_class value(mpz_class(digits, 10), ModelPowerOfTen(fractionDigits));
  value.canonicalize();
  if (negative) value = -value;
  return ModelNum{value, ModelGroupsScale(fractionDigits)};
}

inline bool ModelIsOneInMagnitude(const ModelNum& a) { return abs(a.value) == 1; }

inline ModelNum ModelAdd(const ModelNum& a, const ModelNum& b) {
  const mpq_class sum = a.value + b.value;
  // A zero from two nonzero operands of opposite signs has scale 0.
  const bool cancelled = sum == 0 && a.value != 0;
  return ModelNum{sum, cancelled ? 0 : std::max(a.scale, b.scale)};
}

inline ModelNum ModelSub(const ModelNum& a, const ModelNum& b) {
  const mpq_class difference = a.value - b.value;
  return ModelNum{difference, difference == 0 ? 0 : std::max(a.scale, b.scale)};
}

inline ModelNum ModelMul(const ModelNum& a, const ModelNum& b) {
  if (a.value == 0 || b.value == 0) return ModelNum{};
  const mpq_class product = a.value * b.value;
  if (ModelIsOneInMagnitude(a)) return ModelNum{product, b.scale};
  if (ModelIsOneInMagnitude(b)) return ModelNum{product, a.scale};
  return ModelNum{product, a.scale + b.scale};
}

// Number of decimal digits of a positive integer, counted on its text.
inline std::int64_t ModelDigitCount(const mpz_class& value) {
  return static_cast<std::int64_t>(value.get_str(10).size());
}

// The digits of |a| × 10^scale without leading zeros, as an integer.
inline mpz_class ModelDigitString(const ModelNum& a) {
  const mpq_class shifted = abs(a.value) * mpq_class(ModelPowerOfTen(a.scale));
  return shifted.get_num();  // an integer: the denominator is 1
}

inline ModelNum ModelDiv(const ModelNum& a, const ModelNum& b, std::int64_t n) {
  if (n < 0 || a.value == 0 || b.value == 0) return ModelNum{};
  if (ModelIsOneInMagnitude(b)) return ModelNum{a.value / b.value, a.scale};
  if (a.value == b.value) return ModelNum{mpq_class(1), ModelGroupsScale(n)};
  std::int64_t f = std::max<std::int64_t>(a.scale - b.scale, 0);
  std::int64_t z = std::max<std::int64_t>(b.scale - a.scale, 0);
  if (f < n) {
    z += n - f;
    f = n;
  }
  const std::int64_t dividendLength = ModelDigitCount(ModelDigitString(a)) + z;
  const std::int64_t divisorLength = ModelDigitCount(ModelDigitString(b));
  if (dividendLength < divisorLength) f += divisorLength - dividendLength;
  const mpq_class scaled = abs(a.value / b.value) * mpq_class(ModelPowerOfTen(f));
  mpz_class quotient;
  mpz_fdiv_q(quotient.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
  if (quotient == 0) return ModelNum{};
  mpq_class value(quotient, ModelPowerOfTen(f));
  value.canonicalize();
  if ((a.value < 0) != (b.value < 0)) value = -value;
  return ModelNum{value, ModelGroupsScale(f)};
}

inline mpz_class ModelTruncatedQuotient(const mpq_class& a, const mpq_class& b) {
  const mpq_class quotient = a / b;
  mpz_class whole;
  mpz_tdiv_q(whole.get_mpz_t(), quotient.get_num_mpz_t(), quotient.get_den_mpz_t());
  return whole;
}

inline ModelNum ModelIntDiv(const ModelNum& a, const ModelNum& b) {
  if (b.value == 0) return ModelNum{};
  return ModelNum{mpq_class(ModelTruncatedQuotient(a.value, b.value)), 0};
}

inline ModelNum ModelMod(const ModelNum& a, const ModelNum& b) {
  const ModelNum t = b.value == 0 ? ModelNum{} : ModelIntDiv(a, b);
  return ModelSub(a, ModelMul(t, b));
}

// floor(|value| × 10^digits + 1/2) / 10^digits, non-negative, with the scale of
// a text of that many fraction digits.
inline ModelNum ModelRoundHalfUp(const ModelNum& a, std::int64_t digits) {
  const mpq_class shifted = abs(a.value) * mpq_class(ModelPowerOfTen(digits)) + mpq_class(1, 2);
  mpz_class rounded;
  mpz_fdiv_q(rounded.get_mpz_t(), shifted.get_num_mpz_t(), shifted.get_den_mpz_t());
  mpq_class value(rounded, ModelPowerOfTen(digits));
  value.canonicalize();
  return ModelNum{value, ModelGroupsScale(digits)};
}

// The value of a text as an exact rational, by the test's own reading.
inline mpq_class ModelValueOfText(std::string_view text) { return ModelFromText(text).value; }

// A text in the shortest plain form: optional "-", no leading zeros, and a
// fraction without trailing zeros; zero is "0".
inline bool ModelIsCanonicalText(std::string_view text) {
  if (text == "0") return true;
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  if (text.empty() || text[0] == '.') return false;
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  if (whole.empty() || whole.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  if (whole.size() > 1 && whole[0] == '0') return false;
  if (point == std::string_view::npos) return whole != "0";
  const std::string_view fraction = text.substr(point + 1);
  if (fraction.empty() || fraction.find_first_not_of("0123456789") != std::string_view::npos)
    return false;
  return fraction.back() != '0';
}
