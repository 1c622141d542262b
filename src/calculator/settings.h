#pragma once

#include <string>

// The two settings, as texts exactly as read from the settings file or as
// accepted by the "数据配置" window. They are converted at every use; a value
// below 0 counts as 0 and one above 50 as 50, so that a hand-edited file cannot
// make a key press run for hours.
struct Settings {
  std::string 计算精度;      // precision of the trigonometric keys
  std::string 小数保留位数;  // fraction digits of a quotient and of every result shown

  static constexpr int kLargest = 50;

  // The precision as a whole count of digits.
  int PrecisionDigits() const;
  // The decimal places as a whole count of digits (the digits of a quotient).
  int DecimalPlaces() const;
  // The decimal places as the number the fraction cut compares with.
  double DecimalPlacesLimit() const;
};
