#include "complex_text.h"

#include <string>

#include "number_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// The end of the unsigned number digits [. digits] [exponent] starting at
// text[i], with at least one digit before or after the point; i itself when
// no number starts there. The exponent belongs to the number only when digits
// follow its letter and optional sign, as in TextToNumber.
std::size_t UnsignedNumberEnd(std::string_view text, std::size_t i) {
  std::size_t end = SkipDigits(text, i);
  bool anyDigit = end > i;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, end + 1);
    if (anyDigit || fractionEnd > end + 1) {
      anyDigit = true;
      end = fractionEnd;
    }
  }
  if (!anyDigit) return i;

  if (end < text.size() && (text[end] == 'e' || text[end] == 'E' || text[end] == 'd' ||
                            text[end] == 'D')) {
    std::size_t j = end + 1;
    if (j < text.size() && IsSign(text[j])) ++j;
    const std::size_t exponentEnd = SkipDigits(text, j);
    if (exponentEnd > j) end = exponentEnd;
  }
  return end;
}

// One part of a complex number: an optional sign and an optional number,
// read from text[begin, end). The value goes through TextToNumber so that the
// rounding and the overflow to infinity are exactly those of every number box.
struct Part {
  std::size_t end = 0;      // first character after the part
  bool hasNumber = false;   // false for a bare sign or nothing
  bool negative = false;
  double magnitude = 1.0;   // 1 when the number is missing ("i", "-i")
};

Part ReadPart(std::string_view text, std::size_t i) {
  Part part;
  if (i < text.size() && IsSign(text[i])) part.negative = text[i++] == '-';
  const std::size_t numberEnd = UnsignedNumberEnd(text, i);
  if (numberEnd > i) {
    part.hasNumber = true;
    part.magnitude = TextToNumber(text.substr(i, numberEnd - i));
  }
  part.end = numberEnd;
  return part;
}

double SignedValue(const Part& part) { return part.negative ? -part.magnitude : part.magnitude; }

}  // namespace

ComplexCalc TextToComplex(std::string_view input) {
  const std::string normalised = NormalizeFullWidth(input);
  const std::string_view text(normalised);

  const Part first = ReadPart(text, SkipBlanks(text, 0));
  if (first.end < text.size() && text[first.end] == 'i') return {0.0, SignedValue(first)};
  if (!first.hasNumber) return {};

  // A real part, possibly followed by "+ bi" or "- bi" with blanks around the
  // sign. The second part needs its sign and its closing "i"; without them the
  // real part alone is the number.
  const ComplexCalc realOnly(SignedValue(first), 0.0);
  std::size_t i = SkipBlanks(text, first.end);
  if (i >= text.size() || !IsSign(text[i])) return realOnly;
  const bool negative = text[i] == '-';
  i = SkipBlanks(text, i + 1);
  const std::size_t numberEnd = UnsignedNumberEnd(text, i);
  if (numberEnd >= text.size() || text[numberEnd] != 'i') return realOnly;
  const double magnitude = numberEnd > i ? TextToNumber(text.substr(i, numberEnd - i)) : 1.0;
  return {SignedValue(first), negative ? -magnitude : magnitude};
}
