#pragma once

#include "real_array.h"

// Curve fitting over data points: a least-squares polynomial with its
// statistics, and the natural cubic spline through a set of points.
//
// Every operation returns false and writes nothing when an array argument
// lacks its number of dimensions, has a dimension below 1, or does not agree
// in size with the others.
class CurveFit {
 public:
  // The least-squares polynomial of degree m − 1 through the n points (x, y),
  // m being the length of coefficients. x, y, estimates and residuals have n
  // values; coefficients and coefficientErrors have m values.
  //
  // Writes the coefficients (constant term first), the estimates ŷ, the
  // residuals ŷ − y (estimate minus observation), the standard error
  // s = √(SSE / (n − m)), the estimated standard error of each coefficient,
  // r² = 1 − SSE / (Σy² − (Σy)²/n), r = √r² (not a number for a negative r²)
  // and singular, which is true when the determinant of the normal matrix is
  // below 1e-7; all of them are written also when singular is true.
  //
  // When m ≥ n no fit can be made: singular becomes true, nothing else is
  // written, and the result is true. When the normal matrix is singular (for
  // example two coefficients fitted to points that all share one x value, or
  // more coefficients than the solver takes) singular becomes true, nothing
  // else is written and the result is false, so that no caller shows
  // coefficients that were never computed.
  static bool LeastSquaresFit(const RealArray& x, const RealArray& y, RealArray& coefficients,
                              RealArray& estimates, RealArray& residuals, double& standardError,
                              RealArray& coefficientErrors, double& rSquared, double& r,
                              bool& singular);

  // The natural cubic spline (second derivative 0 at both ends) through the n
  // points (x, y), taken in the given order. table is an n × 4 matrix; row i
  // holds (a, b, c, d) of the cubic a + b·t + c·t² + d·t³, t = X − x_i, that
  // starts at knot i. The last row continues the spline as the straight line
  // with the end slope (c = d = 0); a single point gives the constant row
  // (y, 0, 0, 0). Equal neighbouring x values give infinities or not-a-number
  // values, stored as they come.
  static bool SplineCoefficients(const RealArray& x, const RealArray& y, RealArray& table);

  // The spline of table (n × 4, from SplineCoefficients over the n knots x)
  // at the point: the row of the first i with x_i ≤ point < x_{i+1}, or the
  // last row when there is none and x_0 ≤ point ≤ x_{n−1}. Returns false,
  // writing nothing, when no interval holds the point and it lies below x_0 or
  // above x_{n−1}; for ascending knots, when it lies outside the knots.
  static bool SplineValue(const RealArray& x, const RealArray& table, double point,
                          double& value);
};
