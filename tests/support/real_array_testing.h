#pragma once

#include <cstddef>
#include <ostream>
#include <utility>
#include <vector>

#include "real_array.h"

// Failures show the shape and the elements of an array.
inline void PrintTo(const RealArray& array, std::ostream* out) {
  *out << "dimensions";
  for (std::size_t d : array.Dimensions()) *out << ' ' << d;
  *out << ", elements";
  for (double value : array.Values()) *out << ' ' << value;
}

// A rows × columns matrix holding the values row by row.
inline RealArray MatrixOf(std::size_t rows, std::size_t columns, std::vector<double> values) {
  RealArray matrix = RealArray::Matrix(rows, columns);
  matrix.Values() = std::move(values);
  return matrix;
}
