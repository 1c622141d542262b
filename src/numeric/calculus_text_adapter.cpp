#include "calculus_text_adapter.h"

#include <cmath>
#include <limits>
#include <optional>

#include "calculous.h"
#include "number_text.h"

namespace {

// The whole number a typed value stands for, if any: the value may lie up to
// 1e-7 above a whole number, and a value less than 1e-12 below one counts as
// that number. Negative numbers, not-a-number and numbers beyond the 32-bit
// range are not whole numbers here.
std::optional<std::int32_t> WholeNumber(double value) {
  const double whole = std::floor(value + 1e-12);
  if (!(std::fabs(whole - value) <= 1e-7) || value < -1e-7) return std::nullopt;
  if (!(whole >= 0 && whole <= std::numeric_limits<std::int32_t>::max())) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace

std::string CalculusTextAdapter::IntegrateText(std::int32_t mode, const RealArray& samples,
                                               double interval, double lower, double upper) const {
  if (mode == 1) {
    const std::optional<std::int32_t> lowerIndex = WholeNumber(lower);
    if (!lowerIndex) return kLowerLimitMessage;
    const std::optional<std::int32_t> upperIndex = WholeNumber(upper);
    if (!upperIndex) return kUpperLimitMessage;
    return NumberToText(Calculous::IntegrateSamples(samples, interval, *lowerIndex, *upperIndex));
  }
  // The number of intervals must be at least 1, as the message says.
  const std::optional<std::int32_t> intervals = WholeNumber(interval);
  if (!intervals || *intervals == 0) return kIntervalMessage;
  return NumberToText(Calculous::IntegrateFunction(*intervals, lower, upper));
}

std::string CalculusTextAdapter::SolveEquationText(double x0, double y0, double requestedX,
                                                   double tolerance, double initialStep,
                                                   double minimalStep) const {
  if (initialStep - minimalStep < -1e-7) return {};
  double y = 0.0;
  if (!Calculous::SolveFirstOrderEquation(x0, y0, requestedX, tolerance, initialStep, minimalStep, y))
    return {};
  return NumberToText(y);
}
