#include "settings.h"

#include <cmath>

#include "number_text.h"

namespace {

// The setting's number, with a value below 0 (or not a number) taken as 0
// and one above 50 as 50.
double Clamped(const std::string& text) {
  const double value = TextToNumber(text);
  if (!(value >= 0)) return 0;
  return value > Settings::kLargest ? Settings::kLargest : value;
}

// As a count: the clamped number truncated toward zero, which within 0…50 is
// what TextToInteger gives.
int ClampedCount(const std::string& text) { return static_cast<int>(std::trunc(Clamped(text))); }

}  // namespace

int Settings::PrecisionDigits() const { return ClampedCount(计算精度); }

int Settings::DecimalPlaces() const { return ClampedCount(小数保留位数); }

double Settings::DecimalPlacesLimit() const { return Clamped(小数保留位数); }
