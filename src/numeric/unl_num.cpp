#include "unl_num.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr std::uint64_t kSmallPowersOfTen[] = {
    1ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL,
};
constexpr std::int64_t kLargestSmallPower = 19;

// log2(10^9): bits per fraction group.
constexpr double kBitsPerGroup = 29.897352853986263;

// The fraction digits of pi, truncated after 315 digits (35 groups). Longer pi
// is computed by Machin's formula.
constexpr std::string_view kPiFraction =
    "141592653589793238462643383279502884197169399375105820974944592"
    "307816406286208998628034825342117067982148086513282306647093844"
    "609550582231725359408128481117450284102701938521105559644622948"
    "954930381964428810975665933446128475648233786783165271201909145"
    "648566923460348610454326648213393607260249141273724587006606315";

// Working digits beyond the rounding position with which the sine series is
// first summed. Twenty leave the rounding undecided only when the exact sum
// lies within about 10^-20 ulp of a rounding boundary.
constexpr std::int32_t kSineGuardDigits = 20;

void SetUint64(mpz_class& target, std::uint64_t value) {
  if constexpr (sizeof(unsigned long) >= sizeof(std::uint64_t)) {
    mpz_set_ui(target.get_mpz_t(), static_cast<unsigned long>(value));
  } else {
    mpz_set_ui(target.get_mpz_t(), static_cast<unsigned long>(value >> 32));
    mpz_mul_2exp(target.get_mpz_t(), target.get_mpz_t(), 32);
    mpz_add_ui(target.get_mpz_t(), target.get_mpz_t(),
               static_cast<unsigned long>(value & 0xFFFFFFFFu));
  }
}

mpz_class PowerOfTen(std::int64_t exponent) {
  mpz_class result;
  if (exponent <= kLargestSmallPower)
    SetUint64(result, kSmallPowersOfTen[exponent]);
  else
    mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return result;
}

// value × 10^exponent, in place; exponent ≥ 0.
void ShiftLeftDecimal(mpz_class& value, std::int64_t exponent) {
  if (exponent == 0 || value == 0) return;
  if (exponent <= 9 || (sizeof(unsigned long) >= 8 && exponent <= kLargestSmallPower))
    mpz_mul_ui(value.get_mpz_t(), value.get_mpz_t(),
               static_cast<unsigned long>(kSmallPowersOfTen[exponent]));
  else
    value *= PowerOfTen(exponent);
}

// The decimal digits of a non-negative integer, without leading zeros.
std::string DecimalDigits(const mpz_class& value) {
  const std::size_t bound = mpz_sizeinbase(value.get_mpz_t(), 10);
  std::string digits(bound + 1, '\0');
  mpz_get_str(digits.data(), 10, value.get_mpz_t());
  digits.resize(digits[bound - 1] == '\0' ? bound - 1 : bound);
  return digits;
}

// The exact number of decimal digits of a positive integer.
std::int64_t ExactDecimalLength(const mpz_class& value) {
  const auto bound = static_cast<std::int64_t>(mpz_sizeinbase(value.get_mpz_t(), 10));
  if (bound > 1 && value < PowerOfTen(bound - 1)) return bound - 1;
  return bound;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsValidNumberText(std::string_view text) {
  if (text.empty()) return false;
  std::size_t i = 0;
  if (text[0] == '-') {
    if (text.size() < 2 || !IsDigit(text[1])) return false;
    if (text[1] == '0' && (text.size() < 4 || text[2] != '.')) return false;
    i = 1;
  } else if (!IsDigit(text[0])) {
    return false;
  }
  int points = 0;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) continue;
    if (text[i] != '.' || ++points > 1) return false;
  }
  return true;
}

std::int64_t GroupsForDigits(std::int64_t digits) { return (digits + 8) / 9; }

}  // namespace

// ---- Construction and text ---------------------------------------------------

UnlNum UnlNum::FromParts(bool negative, mpz_class magnitude, std::int64_t fractionGroups) {
  UnlNum result;
  result.negative_ = negative && magnitude != 0;
  result.magnitude_ = std::move(magnitude);
  result.fractionGroups_ = fractionGroups;
  return result;
}

bool UnlNum::SetText(std::string_view text) {
  *this = UnlNum();
  if (!IsValidNumberText(text)) return false;

  const bool negative = text[0] == '-';
  const std::string_view body = negative ? text.substr(1) : text;
  const std::size_t point = body.find('.');
  const std::string_view integerDigits = body.substr(0, point);
  const std::string_view fractionDigits =
      point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  const std::int64_t groups = GroupsForDigits(static_cast<std::int64_t>(fractionDigits.size()));
  const std::int64_t padding = 9 * groups - static_cast<std::int64_t>(fractionDigits.size());

  if (integerDigits.size() + 9 * groups <= 19) {
    // Short texts (every key press of the calculator) fit one machine word.
    std::uint64_t whole = 0, fraction = 0;
    std::from_chars(integerDigits.data(), integerDigits.data() + integerDigits.size(), whole);
    if (!fractionDigits.empty())
      std::from_chars(fractionDigits.data(), fractionDigits.data() + fractionDigits.size(),
                      fraction);
    SetUint64(magnitude_,
              whole * kSmallPowersOfTen[9 * groups] + fraction * kSmallPowersOfTen[padding]);
  } else {
    std::string digits;
    digits.reserve(integerDigits.size() + 9 * groups);
    digits.append(integerDigits);
    digits.append(fractionDigits);
    digits.append(static_cast<std::size_t>(padding), '0');
    mpz_set_str(magnitude_.get_mpz_t(), digits.c_str(), 10);
  }
  fractionGroups_ = groups;
  negative_ = negative && magnitude_ != 0;
  return true;
}

std::string UnlNum::GetText() const {
  if (magnitude_ == 0) return "0";
  std::string digits = DecimalDigits(magnitude_);
  const std::size_t scale = static_cast<std::size_t>(Scale());
  const std::size_t length = digits.size();
  if (scale > 0) {
    const std::size_t trailingZeros = length - 1 - digits.find_last_not_of('0');
    const std::size_t keptFraction = scale - std::min(trailingZeros, scale);
    if (length > scale) {
      // The point goes into the digits themselves; long results are not copied.
      digits.resize(length - scale + keptFraction);
      if (keptFraction > 0) digits.insert(length - scale, 1, '.');
    } else {
      // The fraction begins with scale - length zeros; the first digit is
      // nonzero, so keptFraction reaches beyond them.
      digits.resize(keptFraction - (scale - length));
      digits.insert(0, "0." + std::string(scale - length, '0'));
    }
  }
  if (negative_) digits.insert(0, 1, '-');
  return digits;
}

bool UnlNum::SetValue(std::int8_t value) { return SetValue(static_cast<std::int32_t>(value)); }
bool UnlNum::SetValue(std::int16_t value) { return SetValue(static_cast<std::int32_t>(value)); }

bool UnlNum::SetValue(std::int32_t value) { return SetValue(static_cast<std::int64_t>(value)); }

bool UnlNum::SetValue(std::int64_t value) {
  *this = UnlNum();
  negative_ = value < 0;
  // The magnitude of the smallest value does not fit a signed 64-bit integer.
  const std::uint64_t magnitude =
      negative_ ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
  SetUint64(magnitude_, magnitude);
  return true;
}

bool UnlNum::SetValue(float value) { return SetValue(static_cast<double>(value)); }

bool UnlNum::SetValue(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.13g", value);
  return SetText(text);
}

std::int32_t UnlNum::ToInt() const {
  if (fractionGroups_ != 0) return 0;
  // 2^31 is the largest magnitude of a 32-bit integer (negative only).
  if (mpz_cmp_ui(magnitude_.get_mpz_t(), 2147483648UL) > 0) return 0;
  const auto magnitude = static_cast<std::int64_t>(mpz_get_ui(magnitude_.get_mpz_t()));
  const std::int64_t value = negative_ ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return 0;
  return static_cast<std::int32_t>(value);
}

std::uint64_t UnlNum::DigitCountEstimate() const {
  const auto digits = static_cast<std::uint64_t>(mpz_sizeinbase(magnitude_.get_mpz_t(), 10));
  const auto scale = static_cast<std::uint64_t>(Scale());
  const std::uint64_t integerDigits = digits > scale ? digits - scale : 1;
  return integerDigits + scale;
}

std::int64_t UnlNum::ExactDigitCount() const { return ExactDecimalLength(magnitude_); }

// ---- Comparison ----------------------------------------------------------------

int UnlNum::CompareMagnitudes(const UnlNum& a, const UnlNum& b) {
  const bool aZero = a.magnitude_ == 0, bZero = b.magnitude_ == 0;
  if (aZero || bZero) return aZero == bZero ? 0 : (aZero ? -1 : 1);
  if (a.fractionGroups_ == b.fractionGroups_) {
    const int c = mpz_cmp(a.magnitude_.get_mpz_t(), b.magnitude_.get_mpz_t());
    return (c > 0) - (c < 0);
  }
  // The binary orders decide unless they are within two bits of each other.
  const double aOrder = static_cast<double>(mpz_sizeinbase(a.magnitude_.get_mpz_t(), 2)) -
                        kBitsPerGroup * static_cast<double>(a.fractionGroups_);
  const double bOrder = static_cast<double>(mpz_sizeinbase(b.magnitude_.get_mpz_t(), 2)) -
                        kBitsPerGroup * static_cast<double>(b.fractionGroups_);
  if (aOrder > bOrder + 2) return 1;
  if (aOrder < bOrder - 2) return -1;
  int c;
  if (a.fractionGroups_ < b.fractionGroups_) {
    mpz_class aligned = a.magnitude_;
    ShiftLeftDecimal(aligned, 9 * (b.fractionGroups_ - a.fractionGroups_));
    c = mpz_cmp(aligned.get_mpz_t(), b.magnitude_.get_mpz_t());
  } else {
    mpz_class aligned = b.magnitude_;
    ShiftLeftDecimal(aligned, 9 * (a.fractionGroups_ - b.fractionGroups_));
    c = mpz_cmp(a.magnitude_.get_mpz_t(), aligned.get_mpz_t());
  }
  return (c > 0) - (c < 0);
}

bool UnlNum::Compare(const UnlNum& a, const UnlNum& b) {
  if (a.negative_ != b.negative_) return b.negative_;
  const int magnitudeOrder = CompareMagnitudes(a, b);
  return a.negative_ ? magnitudeOrder < 0 : magnitudeOrder > 0;
}

bool UnlNum::IsOneInMagnitude() const {
  if (fractionGroups_ == 0) return magnitude_ == 1;
  if (magnitude_ == 0) return false;
  // 10^(9k) has exactly 9k trailing zero bits; most values fail this cheaply.
  if (mpz_scan1(magnitude_.get_mpz_t(), 0) != static_cast<mp_bitcnt_t>(9 * fractionGroups_))
    return false;
  return magnitude_ == PowerOfTen(9 * fractionGroups_);
}

// ---- Arithmetic ------------------------------------------------------------------

UnlNum UnlNum::IntPart(const UnlNum& a) {
  if (a.fractionGroups_ == 0) return a;
  mpz_class whole;
  if (9 * a.fractionGroups_ <= kLargestSmallPower && sizeof(unsigned long) >= 8)
    mpz_tdiv_q_ui(whole.get_mpz_t(), a.magnitude_.get_mpz_t(),
                  static_cast<unsigned long>(kSmallPowersOfTen[9 * a.fractionGroups_]));
  else
    mpz_tdiv_q(whole.get_mpz_t(), a.magnitude_.get_mpz_t(),
               PowerOfTen(9 * a.fractionGroups_).get_mpz_t());
  return FromParts(a.negative_, std::move(whole), 0);
}

namespace {

// a + b where b carries the sign bNegative (b's own sign for Add, the opposite
// for Sub). Same signs add the magnitudes and keep the sign; opposite signs
// subtract the smaller magnitude from the larger and take the larger's sign.
// Equal magnitudes of opposite signs give 0 with scale 0.
struct SignedSum {
  bool negative;
  mpz_class magnitude;
  std::int64_t groups;
};

SignedSum AddSigned(bool aNegative, const mpz_class& aMagnitude, std::int64_t aGroups,
                    bool bNegative, const mpz_class& bMagnitude, std::int64_t bGroups) {
  const std::int64_t groups = std::max(aGroups, bGroups);
  const mpz_class* x = &aMagnitude;
  const mpz_class* y = &bMagnitude;
  mpz_class alignedA, alignedB;
  if (aGroups < groups) {
    alignedA = aMagnitude;
    ShiftLeftDecimal(alignedA, 9 * (groups - aGroups));
    x = &alignedA;
  }
  if (bGroups < groups) {
    alignedB = bMagnitude;
    ShiftLeftDecimal(alignedB, 9 * (groups - bGroups));
    y = &alignedB;
  }
  SignedSum result{aNegative, mpz_class(), groups};
  if (aNegative == bNegative) {
    mpz_add(result.magnitude.get_mpz_t(), x->get_mpz_t(), y->get_mpz_t());
    return result;
  }
  const int order = mpz_cmp(x->get_mpz_t(), y->get_mpz_t());
  if (order == 0) return SignedSum{false, mpz_class(), 0};
  if (order > 0) {
    mpz_sub(result.magnitude.get_mpz_t(), x->get_mpz_t(), y->get_mpz_t());
  } else {
    mpz_sub(result.magnitude.get_mpz_t(), y->get_mpz_t(), x->get_mpz_t());
    result.negative = bNegative;
  }
  return result;
}

}  // namespace

UnlNum UnlNum::Add(const UnlNum& a, const UnlNum& b) {
  SignedSum sum = AddSigned(a.negative_, a.magnitude_, a.fractionGroups_, b.negative_, b.magnitude_,
                            b.fractionGroups_);
  return FromParts(sum.negative, std::move(sum.magnitude), sum.groups);
}

UnlNum UnlNum::Sub(const UnlNum& a, const UnlNum& b) {
  SignedSum sum = AddSigned(a.negative_, a.magnitude_, a.fractionGroups_, !b.negative_,
                            b.magnitude_, b.fractionGroups_);
  return FromParts(sum.negative, std::move(sum.magnitude), sum.groups);
}

UnlNum UnlNum::Mul(const UnlNum& a, const UnlNum& b) {
  if (a.IsZero() || b.IsZero()) return UnlNum();
  const bool negative = a.negative_ != b.negative_;
  if (a.IsOneInMagnitude()) return FromParts(negative, b.magnitude_, b.fractionGroups_);
  if (b.IsOneInMagnitude()) return FromParts(negative, a.magnitude_, a.fractionGroups_);
  mpz_class product;
  mpz_mul(product.get_mpz_t(), a.magnitude_.get_mpz_t(), b.magnitude_.get_mpz_t());
  return FromParts(negative, std::move(product), a.fractionGroups_ + b.fractionGroups_);
}

UnlNum UnlNum::Div(const UnlNum& a, const UnlNum& b, std::int32_t n) {
  if (n < 0 || a.IsZero() || b.IsZero()) return UnlNum();
  const bool negative = a.negative_ != b.negative_;
  if (b.IsOneInMagnitude()) return FromParts(negative, a.magnitude_, a.fractionGroups_);
  if (a.negative_ == b.negative_ && CompareMagnitudes(a, b) == 0) {
    const std::int64_t groups = GroupsForDigits(n);
    return FromParts(false, PowerOfTen(9 * groups), groups);
  }

  // |a| / |b| = Ma·10^(9kb) / (Mb·10^(9ka)); the quotient is taken at F
  // fraction digits, which means multiplying Ma by 10^Z before dividing by Mb.
  std::int64_t fractionDigits =
      9 * std::max<std::int64_t>(a.fractionGroups_ - b.fractionGroups_, 0);
  std::int64_t zeros = 9 * std::max<std::int64_t>(b.fractionGroups_ - a.fractionGroups_, 0);
  if (fractionDigits < n) {
    zeros += n - fractionDigits;
    fractionDigits = n;
  }
  // A dividend whose digits (with the zeros) are fewer than the divisor's is
  // padded to the divisor's length, and F grows with it. The estimates from
  // mpz_sizeinbase exceed the true lengths by at most one.
  const auto aBound = static_cast<std::int64_t>(mpz_sizeinbase(a.magnitude_.get_mpz_t(), 10));
  const auto bBound = static_cast<std::int64_t>(mpz_sizeinbase(b.magnitude_.get_mpz_t(), 10));
  if (aBound - 1 + zeros < bBound) {
    const std::int64_t shortfall = b.ExactDigitCount() - (a.ExactDigitCount() + zeros);
    if (shortfall > 0) {
      zeros += shortfall;
      fractionDigits += shortfall;
    }
  }

  mpz_class quotient = a.magnitude_;
  ShiftLeftDecimal(quotient, zeros);
  mpz_tdiv_q(quotient.get_mpz_t(), quotient.get_mpz_t(), b.magnitude_.get_mpz_t());
  if (quotient == 0) return UnlNum();
  const std::int64_t groups = GroupsForDigits(fractionDigits);
  ShiftLeftDecimal(quotient, 9 * groups - fractionDigits);
  return FromParts(negative, std::move(quotient), groups);
}

UnlNum UnlNum::IntDiv(const UnlNum& a, const UnlNum& b) {
  if (a.IsZero() || b.IsZero()) return UnlNum();
  mpz_class numerator = a.magnitude_;
  mpz_class denominator = b.magnitude_;
  const std::int64_t common = std::min(a.fractionGroups_, b.fractionGroups_);
  ShiftLeftDecimal(numerator, 9 * (b.fractionGroups_ - common));
  ShiftLeftDecimal(denominator, 9 * (a.fractionGroups_ - common));
  mpz_tdiv_q(numerator.get_mpz_t(), numerator.get_mpz_t(), denominator.get_mpz_t());
  return FromParts(a.negative_ != b.negative_, std::move(numerator), 0);
}

UnlNum UnlNum::Mod(const UnlNum& a, const UnlNum& b) { return Sub(a, Mul(IntDiv(a, b), b)); }

UnlNum UnlNum::Abs(const UnlNum& a) { return FromParts(false, a.magnitude_, a.fractionGroups_); }

UnlNum UnlNum::Power(const UnlNum& base, std::uint64_t exponent) {
  if (exponent == 0) return FromParts(false, mpz_class(1), 0);
  if (exponent == 1) return base;
  const bool negative = base.negative_ && (exponent % 2 == 1);
  if (base.IsZero()) return UnlNum();
  // Repeated Mul keeps the scale of a factor of magnitude 1.
  if (base.IsOneInMagnitude()) return FromParts(negative, base.magnitude_, base.fractionGroups_);

  mpz_class result;
  if (exponent <= ULONG_MAX) {
    mpz_pow_ui(result.get_mpz_t(), base.magnitude_.get_mpz_t(),
               static_cast<unsigned long>(exponent));
  } else {
    // Only where unsigned long is narrower than the exponent: square and
    // multiply over the bits.
    mpz_class square = base.magnitude_;
    result = 1;
    for (std::uint64_t bits = exponent; bits != 0; bits >>= 1) {
      if (bits & 1) result *= square;
      if (bits > 1) square *= square;
    }
  }
  const std::uint64_t groups = static_cast<std::uint64_t>(base.fractionGroups_) * exponent;
  return FromParts(negative, std::move(result), static_cast<std::int64_t>(groups));
}

std::uint64_t UnlNum::PowerDigitEstimate(const UnlNum& base, std::uint64_t exponent) {
  if (exponent == 0) return 1;
  if (exponent == 1 || base.IsOneInMagnitude()) return base.DigitCountEstimate();
  if (base.IsZero()) return 1;
  constexpr double kSaturated = 1.8e19;
  long binaryExponent = 0;
  const double mantissa = mpz_get_d_2exp(&binaryExponent, base.magnitude_.get_mpz_t());
  const double digitsPerFactor =
      std::log10(mantissa) + static_cast<double>(binaryExponent) * std::log10(2.0);
  const double e = static_cast<double>(exponent);
  const double magnitudeDigits = std::floor(e * digitsPerFactor * (1 + 1e-12)) + 2;
  const double scale = 9.0 * static_cast<double>(base.fractionGroups_) * e;
  const double digits = std::max(magnitudeDigits, scale + 1) + 1;
  if (!(digits < kSaturated)) return std::numeric_limits<std::uint64_t>::max();
  return static_cast<std::uint64_t>(digits);
}

// ---- Trigonometry -------------------------------------------------------------

namespace {

// floor(10^digits × arctan(1/x)) approximately, by the alternating series
// 1/x - 1/(3x^3) + 1/(5x^5) - …; returns the error bound in units of
// 10^-digits.
std::int64_t ArctanOfReciprocal(unsigned long x, std::int64_t digits, mpz_class& sum) {
  mpz_class power = PowerOfTen(digits);
  mpz_tdiv_q_ui(power.get_mpz_t(), power.get_mpz_t(), x);
  sum = power;
  mpz_class term;
  std::int64_t steps = 1;
  const unsigned long xSquared = x * x;
  for (unsigned long k = 3; power != 0; k += 2, ++steps) {
    mpz_tdiv_q_ui(power.get_mpz_t(), power.get_mpz_t(), xSquared);
    mpz_tdiv_q_ui(term.get_mpz_t(), power.get_mpz_t(), k);
    if ((k / 2) % 2 == 1)
      sum -= term;
    else
      sum += term;
  }
  // Each step truncates twice; the omitted tail is below one unit.
  return 2 * steps + 2;
}

}  // namespace

UnlNum UnlNum::Pi(std::int64_t digits) {
  if (digits < 0) digits = 0;
  const std::int64_t groups = GroupsForDigits(digits);
  if (digits <= static_cast<std::int64_t>(kPiFraction.size())) {
    std::string text = "3";
    text.append(kPiFraction.substr(0, static_cast<std::size_t>(digits)));
    text.append(static_cast<std::size_t>(9 * groups - digits), '0');
    mpz_class magnitude(text, 10);
    return FromParts(false, std::move(magnitude), groups);
  }
  // pi = 16 arctan(1/5) - 4 arctan(1/239) (Machin), summed with guard digits
  // until the error bound cannot change the truncated digits.
  for (std::int64_t guard = 20;; guard *= 2) {
    mpz_class fifth, twoHundredThirtyNinth;
    const std::int64_t fifthError = ArctanOfReciprocal(5, digits + guard, fifth);
    const std::int64_t otherError = ArctanOfReciprocal(239, digits + guard, twoHundredThirtyNinth);
    const mpz_class approximation = 16 * fifth - 4 * twoHundredThirtyNinth;
    const mpz_class error(static_cast<long>(16 * fifthError + 4 * otherError));
    const mpz_class unit = PowerOfTen(guard);
    mpz_class low = approximation - error, high = approximation + error;
    mpz_fdiv_q(low.get_mpz_t(), low.get_mpz_t(), unit.get_mpz_t());
    mpz_fdiv_q(high.get_mpz_t(), high.get_mpz_t(), unit.get_mpz_t());
    if (low == high) {
      ShiftLeftDecimal(low, 9 * groups - digits);
      return FromParts(false, std::move(low), groups);
    }
  }
}

namespace {

// 10^-digits as a value (the text "0." followed by digits - 1 zeros and "1").
UnlNum TenToMinus(std::int64_t digits) {
  UnlNum value;
  value.SetText("0." + std::string(static_cast<std::size_t>(digits - 1), '0') + "1");
  return value;
}

UnlNum WholeNumber(std::int64_t value) {
  UnlNum number;
  number.SetValue(value);
  return number;
}

// floor(value × 10^m + 1/2): a non-negative value rounded half up to m
// fraction digits, given as value = numerator / 10^digits with digits ≥ m.
mpz_class RoundHalfUp(const mpz_class& numerator, std::int64_t digits, std::int64_t m) {
  const mpz_class unit = PowerOfTen(digits - m);
  mpz_class rounded = 2 * numerator + unit;
  const mpz_class twoUnits = 2 * unit;
  mpz_fdiv_q(rounded.get_mpz_t(), rounded.get_mpz_t(), twoUnits.get_mpz_t());
  return rounded;
}

}  // namespace

UnlNum UnlNum::SineSeries(std::int32_t p, std::int32_t n, std::int32_t guardDigits) {
  // The angle in radians, exactly as the definition has it.
  UnlNum t = WholeNumber(p);
  if (p % 9 == 0) t = Add(t, TenToMinus(static_cast<std::int64_t>(n) + 11));
  const std::int64_t piDigits = 9 * GroupsForDigits(static_cast<std::int64_t>(n) + 20);
  const UnlNum x = Div(Mul(t, Pi(piDigits)), WholeNumber(180), n);
  const std::int64_t xScale = x.Scale();
  const std::int64_t m = static_cast<std::int64_t>(n) + 2;
  const std::int64_t stopExponent = static_cast<std::int64_t>(n) + 12;

  // The exact stopping test for the term x^k/k!: the definition's truncated
  // term is below 10^-(n+12) exactly when x^k/k! is, because 10^-(n+12) has
  // fewer fraction digits than the term keeps.
  const auto exactTermBelowThreshold = [&](unsigned long k) {
    mpz_class left, right;
    mpz_pow_ui(left.get_mpz_t(), x.magnitude_.get_mpz_t(), k);
    ShiftLeftDecimal(left, stopExponent);
    mpz_fac_ui(right.get_mpz_t(), k);
    ShiftLeftDecimal(right, static_cast<std::int64_t>(k) * xScale);
    return left < right;
  };

  // First pass: fixed point at W = n + 2 + guard digits. With x < 1.6 every
  // term is within 8 units of x^k/k! × 10^W (the error of a term shrinks by
  // the factor x²/(k(k-1)) < 0.43 and gains at most 3.6 units per step), and
  // the exact truncated term lies within one more unit.
  const std::int64_t guard =
      std::clamp<std::int64_t>(guardDigits, 0, 2 * static_cast<std::int64_t>(n) + 58);
  const std::int64_t w = m + guard;
  mpz_class xFixed = x.magnitude_;
  if (w >= xScale)
    ShiftLeftDecimal(xFixed, w - xScale);
  else
    mpz_tdiv_q(xFixed.get_mpz_t(), xFixed.get_mpz_t(), PowerOfTen(xScale - w).get_mpz_t());
  const mpz_class unit = PowerOfTen(w);
  mpz_class xSquared = xFixed * xFixed;
  mpz_tdiv_q(xSquared.get_mpz_t(), xSquared.get_mpz_t(), unit.get_mpz_t());
  const std::int64_t stopUnitsExponent = w - stopExponent;
  const mpz_class threshold = stopUnitsExponent >= 0 ? PowerOfTen(stopUnitsExponent) : mpz_class(0);
  constexpr long kTermError = 8;

  mpz_class term = xFixed, sum = xFixed;
  std::int64_t error = 1;
  for (unsigned long k = 3;; k += 2) {
    term *= xSquared;
    mpz_tdiv_q(term.get_mpz_t(), term.get_mpz_t(), unit.get_mpz_t());
    mpz_tdiv_q_ui(term.get_mpz_t(), term.get_mpz_t(), (k - 1) * k);
    bool below;
    if (stopUnitsExponent >= 0 && term + kTermError < threshold)
      below = true;
    else if (term - kTermError >= (stopUnitsExponent >= 0 ? threshold : mpz_class(1)))
      below = false;
    else
      below = exactTermBelowThreshold(k);
    if (below) break;
    if ((k / 2) % 2 == 1)
      sum -= term;
    else
      sum += term;
    error += kTermError + 1;
  }

  const std::int64_t groups = GroupsForDigits(m);
  mpz_class low = RoundHalfUp(sum - error, w, m);
  const mpz_class high = RoundHalfUp(sum + error, w, m);
  if (low == high) {
    ShiftLeftDecimal(low, 9 * groups - m);
    return FromParts(false, std::move(low), groups);
  }

  // The guard digits leave the rounding open: sum the definition exactly.
  const UnlNum threshold10 = TenToMinus(stopExponent);
  const UnlNum xSquaredExact = Mul(x, x);
  UnlNum power = x, series = x;
  mpz_class factorial = 1;
  for (unsigned long k = 3;; k += 2) {
    power = Mul(power, xSquaredExact);
    factorial *= (k - 1) * k;
    UnlNum factorialNumber;
    factorialNumber.magnitude_ = factorial;
    const UnlNum exactTerm = Div(power, factorialNumber, n);
    if (Compare(threshold10, exactTerm)) break;
    series = (k / 2) % 2 == 1 ? Sub(series, exactTerm) : Add(series, exactTerm);
  }
  mpz_class rounded = RoundHalfUp(series.magnitude_, series.Scale(), m);
  ShiftLeftDecimal(rounded, 9 * groups - m);
  return FromParts(false, std::move(rounded), groups);
}

UnlNum SineSeriesForTest(std::int32_t p, std::int32_t n, std::int32_t guardDigits) {
  return UnlNum::SineSeries(p, n, guardDigits);
}

UnlNum UnlNum::SineOfReduced(std::int32_t p, std::int32_t n) {
  if (p == 0) return UnlNum();
  if (p == 90) return WholeNumber(1);
  return SineSeries(p, n, kSineGuardDigits);
}

namespace {

struct ReducedAngle {
  bool negative;   // the whole degrees d are negative
  int quadrant;    // q
  std::int32_t p;  // the angle within the quadrant, 0 … 90
};

UnlNum Negated(const UnlNum& value) { return UnlNum::Sub(UnlNum(), value); }

}  // namespace

// The reduction shared by the four functions: d = whole degrees,
// r = |d| mod 360, quadrant q and p = r - 90q.
static ReducedAngle Reduce(const UnlNum& angle) {
  const UnlNum degrees = UnlNum::IntPart(angle);
  UnlNum threeSixty;
  threeSixty.SetValue(std::int32_t{360});
  const std::int32_t r = UnlNum::Abs(UnlNum::Mod(degrees, threeSixty)).ToInt();
  const int quadrant = r <= 90 ? 0 : r <= 180 ? 1 : r <= 270 ? 2 : 3;
  return ReducedAngle{degrees.IsNegative(), quadrant, r - 90 * quadrant};
}

UnlNum UnlNum::Sin(const UnlNum& angle, std::int32_t n) {
  if (n < 0) return UnlNum();
  const ReducedAngle reduced = Reduce(angle);
  const bool mirrored = reduced.quadrant == 1 || reduced.quadrant == 3;
  UnlNum value = SineOfReduced(mirrored ? 90 - reduced.p : reduced.p, n);
  if (reduced.quadrant >= 2) value = Negated(value);
  if (reduced.negative) value = Negated(value);
  return value;
}

UnlNum UnlNum::Cos(const UnlNum& angle, std::int32_t n) {
  if (n < 0) return UnlNum();
  const ReducedAngle reduced = Reduce(angle);
  const bool even = reduced.quadrant == 0 || reduced.quadrant == 2;
  UnlNum value = SineOfReduced(even ? 90 - reduced.p : reduced.p, n);
  if (reduced.quadrant == 1 || reduced.quadrant == 2) value = Negated(value);
  return value;
}

UnlNum UnlNum::Tan(const UnlNum& angle, std::int32_t n) {
  if (n < 0) return UnlNum();
  const ReducedAngle reduced = Reduce(angle);
  const UnlNum p = WholeNumber(reduced.p);
  UnlNum value = reduced.quadrant % 2 == 0 ? Div(Sin(p, n), Cos(p, n), n) : Negated(Cot(p, n));
  if (reduced.negative) value = Negated(value);
  return value;
}

UnlNum UnlNum::Cot(const UnlNum& angle, std::int32_t n) {
  if (n < 0) return UnlNum();
  const ReducedAngle reduced = Reduce(angle);
  const UnlNum p = WholeNumber(reduced.p);
  UnlNum value = reduced.quadrant % 2 == 0 ? Div(Cos(p, n), Sin(p, n), n) : Negated(Tan(p, n));
  if (reduced.negative) value = Negated(value);
  return value;
}
