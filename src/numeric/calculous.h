#pragma once

#include <cstdint>

#include "real_array.h"

// Numerical integration of sampled values and of e^x, and the solver of the
// built-in equation y' = e^(2x) + y. The integrands and the equation are
// fixed; callers supply data, limits, steps and the tolerance.
class Calculous {
 public:
  // The integral of equally spaced samples y[0 … N-1] with spacing h (any
  // double, zero and negative included) from index lower to index upper.
  // With m = upper - lower intervals: m = 0 gives 0, m = 1 the trapezoid,
  // m even the composite Simpson rule, m odd ≥ 3 Simpson up to upper - 3 and
  // the three-eighths rule on the last three intervals. All of these are exact
  // for cubics (the trapezoid for straight lines). 0.0 unless samples is
  // one-dimensional with more than upper elements and 0 ≤ lower ≤ upper.
  static double IntegrateSamples(const RealArray& samples, double h, std::int32_t lower,
                                 std::int32_t upper);

  // The integral of e^x from a to b over n equal intervals by the same rules
  // (n = 1 the trapezoid, n = 3 the three-eighths rule alone). 0.0 when
  // n ≤ 0 or when a < b does not hold.
  static double IntegrateFunction(std::int32_t intervals, double a, double b);

  // y at requestedX of the solution of y' = e^(2x) + y through (x0, y0), by
  // Runge-Kutta-Fehlberg 4(5). A step h is accepted when its error estimate
  // |e| < tolerance·h, and then doubled when |e| ≤ tolerance·h/32; a rejected
  // step is halved. No step reaches beyond requestedX, and the last one lands
  // on it. Fails (false, y untouched) when minimalStep ≤ 0, when a halved
  // step falls below minimalStep (so for requestedX ≤ x0 and for a tolerance
  // ≤ 0), when an argument is not finite, or when an accepted step is too
  // small to move x at all.
  static bool SolveFirstOrderEquation(double x0, double y0, double requestedX, double tolerance,
                                      double initialStep, double minimalStep, double& y);
};
