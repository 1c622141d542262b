#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <string_view>

// UnlNum: a signed decimal number of unlimited length, the number type of the
// button calculator.
//
// A value is a sign, a non-negative integer magnitude M and a count k of
// nine-digit fraction groups: value = ±M / 10^(9k). The scale (9k) is part of
// the state: two values of equal magnitude may differ in scale (0.5 read from
// "0.5" has scale 9, the product 0.5 × 0.2 has scale 18). GetText hides the
// scale; Div reads it, and every operation states the scale of its result.
// Zero is never negative.
//
// Values are plain copyable objects. Operations that produce a number are
// static functions that leave their operands unchanged and return a new value;
// none of them reports an error (division by zero gives 0, a negative digit
// count gives 0) and none caps the number of digits: sums, differences,
// products and powers are exact, quotients are truncated.
//
//   UnlNum a, b;
//   a.SetText("1");
//   b.SetText("3");
//   UnlNum::Div(a, b, 5).GetText();  // "0.33333"
class UnlNum {
 public:
  // 0 with scale 0.
  UnlNum() = default;

  // ---- Text and conversion -------------------------------------------------

  // Reads a plain decimal text: digits with at most one ".", optionally led by
  // "-" (then "-0" must be followed by "." and a digit: "-0.5" is valid, "-0",
  // "-0." and "-05" are not). No blanks, "+", exponent, separators or
  // full-width digits. d fraction digits give scale 9·ceil(d/9); "-0.000" reads
  // as 0 with scale 9. An invalid text leaves 0 with scale 0 and returns false.
  bool SetText(std::string_view text);

  // The shortest plain decimal text: "-" for a negative value, the integer part
  // without leading zeros, and the fraction without trailing zeros (no "." when
  // nothing follows it). SetText of GetText gives back the value.
  std::string GetText() const;

  // Integers of 8, 16, 32 and 64 bits are taken over exactly with scale 0.
  // A double (a float is widened to one) is taken over as its "%.13g" text;
  // when that text has an exponent (magnitudes from 9999999999999.5 upwards or
  // below 0.0001) or is not finite, the value becomes 0 and the result is
  // false. Other argument types do not compile.
  bool SetValue(std::int8_t value);
  bool SetValue(std::int16_t value);
  bool SetValue(std::int32_t value);
  bool SetValue(std::int64_t value);
  bool SetValue(float value);
  bool SetValue(double value);
  template <typename T>
  bool SetValue(T value) = delete;

  // The value as a 32-bit integer when it has scale 0 and fits; otherwise 0
  // (a value with any fraction group fails, even "3.0").
  std::int32_t ToInt() const;

  // The number of stored fraction digits, a multiple of 9.
  std::int64_t Scale() const { return 9 * fractionGroups_; }

  bool IsZero() const { return magnitude_ == 0; }
  bool IsNegative() const { return negative_; }

  // A cheap upper bound of the digits GetText can write before trailing zeros
  // are removed: the digits of the integer part plus the scale, overstated by
  // at most one. Meant for size guards before an operation makes a value
  // larger.
  std::uint64_t DigitCountEstimate() const;

  // ---- Comparison ----------------------------------------------------------

  // True exactly when a is greater than b; the scales do not matter
  // (0.5 with scale 9 and 0.5 with scale 18 are equal).
  static bool Compare(const UnlNum& a, const UnlNum& b);

  // ---- Operations returning a new value -------------------------------------

  // The value truncated toward zero, scale 0 (IntPart of -0.5 is 0).
  static UnlNum IntPart(const UnlNum& a);

  // a + b, with the larger of the two scales; an exact zero from operands of
  // opposite signs has scale 0.
  static UnlNum Add(const UnlNum& a, const UnlNum& b);

  // a - b, with the larger of the two scales; an exact zero from operands of
  // equal magnitude and sign has scale 0.
  static UnlNum Sub(const UnlNum& a, const UnlNum& b);

  // The exact product. A zero operand gives 0 with scale 0. When one operand
  // is 1 in magnitude (any scale) the result is the other operand with the
  // sign of the product and the other operand's scale (a is tried first);
  // otherwise the scale is the sum of the two scales.
  static UnlNum Mul(const UnlNum& a, const UnlNum& b);

  // The quotient a / b truncated (never rounded) after F fraction digits:
  // sign × floor(|a| / |b| × 10^F) / 10^F, scale 9·ceil(F/9), or 0 with scale 0
  // when that is zero. F is at least n: it starts at 9(ka - kb) when a has more
  // fraction groups (ka) than b (kb) and is raised to n; when the digits of
  // |a| (magnitude × 10^scale, without leading zeros) followed by the
  // F - 9(ka - kb) zeros of the raise are fewer than the digits of |b|, F grows
  // by the difference.
  // Special results: n < 0, a = 0 or b = 0 give 0 with scale 0; |b| = 1 gives
  // a with the sign of the quotient and a's scale, untruncated; a = b gives 1
  // with scale 9·ceil(n/9).
  static UnlNum Div(const UnlNum& a, const UnlNum& b, std::int32_t n);

  // The quotient truncated toward zero, scale 0; 0 when b is 0.
  static UnlNum IntDiv(const UnlNum& a, const UnlNum& b);

  // a - t × b with t = IntDiv(a, b), computed as Sub(a, Mul(t, b)), so the
  // remainder has the sign of a, a magnitude below |b|, and the scale those two
  // operations give (the larger of the scales of a and t × b; 0 for an exact
  // zero). Mod(a, 0) is a.
  static UnlNum Mod(const UnlNum& a, const UnlNum& b);

  // |a| with the scale of a.
  static UnlNum Abs(const UnlNum& a);

  // base^exponent by repeated squaring: the same value and scale as
  // multiplying base by itself exponent - 1 times with Mul. exponent 0 gives 1
  // with scale 0, exponent 1 a copy of base; a zero base gives 0 with scale 0,
  // a base of magnitude 1 keeps its scale; any other base gives scale
  // exponent × scale(base). The caller guards the size (PowerDigitEstimate).
  static UnlNum Power(const UnlNum& base, std::uint64_t exponent);

  // An upper bound (exceeding by at most a few digits) of the DigitCountEstimate
  // of Power(base, exponent), without computing the power; saturates at the
  // largest 64-bit value.
  static std::uint64_t PowerDigitEstimate(const UnlNum& base, std::uint64_t exponent);

  // ---- Trigonometry of whole degrees ----------------------------------------
  //
  // The angle counts in whole degrees truncated toward zero (30.7 is 30). It is
  // reduced to r = |d| mod 360, the quadrant q (r ≤ 90, ≤ 180, ≤ 270, above)
  // and p = r - 90q. The sine of 0 < p < 90 degrees is the Taylor series
  // x - x^3/3! + x^5/5! - … at x = Div(Mul(p, pi), 180, n), with exact powers
  // and factorials; every term is Div(x^k, k!, n); the terms are added up to,
  // not including, the first whose magnitude is below 10^-(n+12); the sum is
  // rounded half up to n + 2 fraction digits (scale 9·ceil((n+2)/9)). pi is
  // truncated to 9·ceil((n+20)/9) fraction digits. When p is a multiple of 9
  // the series is taken at p + 10^-(n+11) degrees. The sine of 90 degrees is 1
  // (scale 0) and of 0 degrees 0. Tan and Cot are quotients Div(…, …, n) of
  // these, truncated at n digits; at a pole they are 0. A negative n gives 0.
  static UnlNum Sin(const UnlNum& angle, std::int32_t n);
  static UnlNum Cos(const UnlNum& angle, std::int32_t n);
  static UnlNum Tan(const UnlNum& angle, std::int32_t n);
  static UnlNum Cot(const UnlNum& angle, std::int32_t n);

  // pi truncated to the given number of fraction digits (digits ≥ 0), with
  // scale 9·ceil(digits/9).
  static UnlNum Pi(std::int64_t digits);

 private:
  // Sine of a reduced angle 0 < p < 90 by the series, rounded to n + 2 digits;
  // guardDigits is the working precision beyond n + 2 used before falling back
  // to the exact sum.
  static UnlNum SineSeries(std::int32_t p, std::int32_t n, std::int32_t guardDigits);
  static UnlNum SineOfReduced(std::int32_t p, std::int32_t n);
  friend UnlNum SineSeriesForTest(std::int32_t p, std::int32_t n, std::int32_t guardDigits);

  static UnlNum FromParts(bool negative, mpz_class magnitude, std::int64_t fractionGroups);
  static int CompareMagnitudes(const UnlNum& a, const UnlNum& b);
  bool IsOneInMagnitude() const;
  std::int64_t ExactDigitCount() const;

  bool negative_ = false;
  mpz_class magnitude_;              // |value| × 10^(9 × fractionGroups_)
  std::int64_t fractionGroups_ = 0;  // scale / 9
};

// The series value of the sine of p degrees (0 < p < 90) with precision n,
// computed with the given number of guard digits before the exact fallback.
// Every guard count gives the same digits; tests use small ones to exercise the
// fallback.
UnlNum SineSeriesForTest(std::int32_t p, std::int32_t n, std::int32_t guardDigits);
