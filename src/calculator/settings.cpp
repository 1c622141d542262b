#include "settings.h"

#include "number_text.h"

namespace {

double Clamped(double value) {
  if (!(value >= 0)) return 0;  // negative, or not a number
  return value > Settings::kLargest ? Settings::kLargest : value;
}

int ClampedCount(const std::string& text) {
  const double value = TextToNumber(text);
  if (!(value >= 0)) return 0;
  if (value > Settings::kLargest) return Settings::kLargest;
  return TextToInteger(text);
}

}  // namespace

int Settings::PrecisionDigits() const { return ClampedCount(计算精度); }

int Settings::DecimalPlaces() const { return ClampedCount(小数保留位数); }

double Settings::DecimalPlacesLimit() const { return Clamped(TextToNumber(小数保留位数)); }
