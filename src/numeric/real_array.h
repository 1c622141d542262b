#pragma once

#include <cstddef>
#include <vector>

// A one- or two-dimensional array of doubles with its list of dimensions.
// Two-dimensional arrays are stored row by row, the first dimension counting
// the rows. Indices count from 0.
class RealArray {
 public:
  // An empty one-dimensional array: one dimension of size 0.
  RealArray();
  static RealArray Vector(std::size_t size);
  static RealArray Matrix(std::size_t rows, std::size_t columns);
  static RealArray FromValues(std::vector<double> values);

  std::size_t DimensionCount() const { return dimensions_.size(); }
  // Size of dimension d (0-based); 0 for a dimension the array does not have.
  std::size_t Dimension(std::size_t d) const { return d < dimensions_.size() ? dimensions_[d] : 0; }
  const std::vector<std::size_t>& Dimensions() const { return dimensions_; }
  std::size_t Size() const { return values_.size(); }

  // One dimension with at least one element.
  bool IsVector() const { return DimensionCount() == 1 && dimensions_[0] >= 1; }
  // Two dimensions, each with at least one element.
  bool IsMatrix() const { return DimensionCount() == 2 && dimensions_[0] >= 1 && dimensions_[1] >= 1; }

  double& operator[](std::size_t i) { return values_[i]; }
  double operator[](std::size_t i) const { return values_[i]; }
  double& At(std::size_t row, std::size_t column) { return values_[row * dimensions_[1] + column]; }
  double At(std::size_t row, std::size_t column) const { return values_[row * dimensions_[1] + column]; }

  std::vector<double>& Values() { return values_; }
  const std::vector<double>& Values() const { return values_; }

  bool operator==(const RealArray&) const = default;

 private:
  RealArray(std::vector<std::size_t> dimensions, std::vector<double> values);

  std::vector<std::size_t> dimensions_;
  std::vector<double> values_;
};
