#pragma once

#include "real_array.h"

// Sum, product, transpose, scalar multiple and inverse of real matrices. A
// matrix is a two-dimensional RealArray, rows first, with at least one row and
// one column. Every operation returns a new array and leaves its operands
// unchanged. On failure (an operand that is not a matrix, shapes that do not
// fit, a singular matrix, no storage for the result) it returns the failure
// array: one dimension, one element 0.0. A caller tells success by the result
// being two-dimensional (RealArray::IsMatrix).
class MatrixCalc {
 public:
  // A (r × c) + B (r × c).
  static RealArray MatrixAdd(const RealArray& a, const RealArray& b);
  // A (r × n) · B (n × p). Each element is accumulated from 0.0 over k in
  // increasing order, rounding after every step.
  static RealArray MatrixMultiply(const RealArray& a, const RealArray& b);
  static RealArray MatrixTranspose(const RealArray& a);
  static RealArray MatrixScale(const RealArray& a, double x);
  // Gauss-Jordan elimination with full pivoting. The matrix counts as
  // singular when a pivot d satisfies 1.0 + d == 1.0 (d ≤ 2^-53): an absolute
  // test, so [1e-17] is singular while [1e-15] is not.
  static RealArray MatrixInverse(const RealArray& a);

  static RealArray FailureArray();
};
