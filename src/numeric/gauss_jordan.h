#pragma once

#include "real_array.h"

#include <cstddef>

// Simultaneous linear equations A·x = b by Gauss-Jordan elimination with full
// pivoting, giving the inverse of A and its determinant in the same pass.
class GaussJordan {
 public:
  // The largest number of equations Solve accepts.
  static constexpr std::size_t kMaxEquations = 50;

  // Solves a·x = b for a square matrix a of n rows (1 ≤ n ≤ kMaxEquations).
  // b and x are vectors of n values, inverse an n × n matrix. On success b and
  // x both hold the solution, inverse holds the inverse of a and det its
  // determinant: the product of the pivots, negated once per row exchange.
  //
  // Returns false, writing nothing, when the shapes do not agree, n is too
  // large, or a is singular: some pass of the elimination finds no element of
  // magnitude above 0 among the rows and columns not yet used. Zero elements
  // are otherwise welcome. A pivot that is merely tiny is divided by as it is.
  // a may be the same object as inverse, and b the same object as x.
  static bool Solve(const RealArray& a, RealArray& b, RealArray& x, RealArray& inverse,
                    double& det);
};
