#pragma once

#include "real_array.h"

// Descriptive statistics of each row of a table of doubles.
class SummaryStats {
 public:
  // For every row j of data (p rows of q values) writes element j of the nine
  // outputs: minimum, maximum, range, sum, mean, sample variance (divisor
  // q − 1, by the sum-of-squares formula), standard deviation √|variance|,
  // standard error of the mean deviation / √q, and median. Sums run over the
  // row in ascending order of its values. A row of one value has a variance
  // of 0/0, so its variance, deviation and error are not-a-number values.
  //
  // Returns false, writing nothing, unless data is a matrix with both
  // dimensions at least 1 and each output a vector of exactly p values.
  static bool Summarize(const RealArray& data, RealArray& minimum, RealArray& maximum,
                        RealArray& range, RealArray& sum, RealArray& mean, RealArray& variance,
                        RealArray& deviation, RealArray& error, RealArray& median);
};
