#include "real_array.h"

#include <utility>

RealArray::RealArray() : dimensions_{0} {}

RealArray::RealArray(std::vector<std::size_t> dimensions, std::vector<double> values)
    : dimensions_(std::move(dimensions)), values_(std::move(values)) {}

RealArray RealArray::Vector(std::size_t size) {
  return RealArray({size}, std::vector<double>(size, 0.0));
}

RealArray RealArray::Matrix(std::size_t rows, std::size_t columns) {
  return RealArray({rows, columns}, std::vector<double>(rows * columns, 0.0));
}

RealArray RealArray::FromValues(std::vector<double> values) {
  const std::size_t size = values.size();
  return RealArray({size}, std::move(values));
}
