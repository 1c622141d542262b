#include "calculous.h"

#include <cmath>

namespace {

// 1/3 as the double nearest to it, 0.3333333333333333.
constexpr double kThird = 1.0 / 3;

// One Simpson panel over two intervals of width h.
double SimpsonPanel(double y0, double y1, double y2, double h) {
  return (4 * y1 + y0 + y2) * h * kThird;
}

// The three-eighths rule over three intervals of width h.
double ThreeEighths(double y0, double y1, double y2, double y3, double h) {
  return ((y1 + y2) * 3 + y0 + y3) * h * 0.375;
}

// The right-hand side of y' = e^(2x) + y.
double Slope(double x, double y) { return std::exp(2 * x) + y; }

}  // namespace

double Calculous::IntegrateSamples(const RealArray& samples, double h, std::int32_t lower,
                                   std::int32_t upper) {
  if (samples.DimensionCount() != 1 || lower < 0 || lower > upper ||
      static_cast<std::size_t>(upper) >= samples.Size())
    return 0.0;
  const auto y = [&](std::int64_t k) { return samples[static_cast<std::size_t>(k)]; };
  const std::int64_t intervals = std::int64_t{upper} - lower;
  if (intervals == 0) return 0.0;
  if (intervals == 1) return (y(lower) + y(upper)) * h * 0.5;

  // An odd number of intervals leaves the last three to the three-eighths
  // rule, so that the Simpson panels cover an even number.
  double tail = 0.0;
  std::int64_t simpsonEnd = upper;
  if (intervals % 2 == 1) {
    tail = ThreeEighths(y(upper - 3), y(upper - 2), y(upper - 1), y(upper), h);
    simpsonEnd = upper - 3;
  }
  double sum = 0.0;
  for (std::int64_t s = lower; s + 2 <= simpsonEnd; s += 2)
    sum += SimpsonPanel(y(s), y(s + 1), y(s + 2), h);
  return sum + tail;
}

double Calculous::IntegrateFunction(std::int32_t intervals, double a, double b) {
  if (intervals <= 0 || !(a < b)) return 0.0;
  const double h = (b - a) / intervals;
  if (intervals == 1) return (std::exp(a) + std::exp(b)) * h * 0.5;

  double tail = 0.0;
  std::int64_t simpsonIntervals = intervals;
  if (intervals % 2 == 1) {
    tail = ThreeEighths(std::exp(b - 3 * h), std::exp(b - 2 * h), std::exp(b - h), std::exp(b), h);
    simpsonIntervals = intervals - 3;
  }
  // The abscissas are computed from their index rather than accumulated, so
  // that no rounding drift adds or loses a panel for large n.
  double sum = 0.0;
  for (std::int64_t k = 0; k + 2 <= simpsonIntervals; k += 2) {
    const double x = a + static_cast<double>(k) * h;
    sum += SimpsonPanel(std::exp(x), std::exp(x + h), std::exp(x + 2 * h), h);
  }
  return sum + tail;
}

bool Calculous::SolveFirstOrderEquation(double x0, double y0, double requestedX, double tolerance,
                                        double initialStep, double minimalStep, double& y) {
  if (!(minimalStep > 0)) return false;
  if (!std::isfinite(x0) || !std::isfinite(requestedX) || !std::isfinite(initialStep) ||
      !std::isfinite(minimalStep))
    return false;

  double x = x0;
  double currentY = y0;
  // The first step too stays within the remaining distance; a requested x
  // not beyond x0 makes it zero or negative, and every try is then rejected.
  double h = initialStep;
  bool landing = false;  // true when h is the whole remaining distance
  if (h >= requestedX - x) {
    h = requestedX - x;
    landing = true;
  }

  for (;;) {
    const double k1 = Slope(x, currentY);
    const double k2 = Slope(x + h / 4, currentY + h * k1 / 4);
    const double k3 = Slope(x + 3 * h / 8, currentY + h * (3.0 / 32 * k1 + 9.0 / 32 * k2));
    const double k4 = Slope(x + 12 * h / 13, currentY + h * (1932.0 / 2197 * k1 - 7200.0 / 2197 * k2 +
                                                             7296.0 / 2197 * k3));
    const double k5 = Slope(x + h, currentY + h * (439.0 / 216 * k1 - 8 * k2 + 3680.0 / 513 * k3 -
                                                   845.0 / 4104 * k4));
    const double k6 = Slope(x + h / 2, currentY + h * (-8.0 / 27 * k1 + 2 * k2 - 3544.0 / 2565 * k3 +
                                                       1859.0 / 4104 * k4 - 11.0 / 40 * k5));
    const double error = std::fabs(h * (k1 / 360 - 128.0 / 4275 * k3 - 2197.0 / 75240 * k4 +
                                         k5 / 50 + 2.0 / 55 * k6));

    if (!(error < tolerance * h)) {
      h /= 2;
      landing = false;
      if (h < minimalStep) return false;
      continue;
    }

    // Accepted: advance by the fourth-order solution.
    const double nextX = landing ? requestedX : x + h;
    if (nextX == x) return false;  // the step is lost in the rounding of x
    currentY += h * (25.0 / 216 * k1 + 1408.0 / 2565 * k3 + 2197.0 / 4104 * k4 - k5 / 5);
    x = nextX;
    const double remaining = requestedX - x;
    if (std::fabs(remaining) <= 1e-20) {
      y = currentY;
      return true;
    }
    if (error <= tolerance * h / 32) h *= 2;
    landing = h >= remaining;
    if (landing) h = remaining;
  }
}
