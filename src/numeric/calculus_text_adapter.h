#pragma once

#include <cstdint>
#include <string>

#include "real_array.h"

// What the calculus window calls: tests the values typed by the user, runs
// Calculous and returns the result as NumberToText writes it, or a message
// text, or the empty text for a failed solve.
class CalculusTextAdapter {
 public:
  // The message texts IntegrateText returns instead of a number.
  static constexpr const char* kLowerLimitMessage = "000: 参数错误,积分下限必须为> 0 的正整数";
  static constexpr const char* kUpperLimitMessage = "000: 参数错误,积分上限必须为> 0 的正整数";
  static constexpr const char* kIntervalMessage = "000: 参数错误,样本区间必须为> 0 的正整数";

  // Mode 1: the sampled data, with interval the spacing and lower and upper
  // sample indices counted from 0, each of which must be a whole number ≥ 0.
  // Any other mode: e^x from lower to upper over interval intervals, which
  // must be a whole number ≥ 1; the samples are not used.
  //
  // A value is whole when it is at most 1e-7 away from a whole number
  // (values less than 1e-12 below a whole number count as that number) and
  // that number lies in 0 … 2147483647; it is then used as that number.
  std::string IntegrateText(std::int32_t mode, const RealArray& samples, double interval,
                            double lower, double upper) const;

  // NumberToText of y at requestedX; the empty text when the initial step is
  // below the minimal step by more than 1e-7 or when the solver fails.
  std::string SolveEquationText(double x0, double y0, double requestedX, double tolerance,
                                double initialStep, double minimalStep) const;
};
