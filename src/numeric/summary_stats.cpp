#include "summary_stats.h"

#include <cmath>
#include <cstddef>
#include <vector>

bool SummaryStats::Summarize(const RealArray& data, RealArray& minimum, RealArray& maximum,
                             RealArray& range, RealArray& sum, RealArray& mean,
                             RealArray& variance, RealArray& deviation, RealArray& error,
                             RealArray& median) {
  if (!data.IsMatrix()) return false;
  const std::size_t p = data.Dimension(0);
  const std::size_t q = data.Dimension(1);
  for (const RealArray* output :
       {&minimum, &maximum, &range, &sum, &mean, &variance, &deviation, &error, &median}) {
    if (output->DimensionCount() != 1 || output->Dimension(0) != p) return false;
  }

  const double count = static_cast<double>(q);
  std::vector<double> v(q);
  for (std::size_t j = 0; j < p; ++j) {
    for (std::size_t i = 0; i < q; ++i) v[i] = data.At(j, i);

    // Insertion sort: a value moves left only past greater values, so equal
    // values keep their order (and a not-a-number value stays where it is).
    for (std::size_t i = 1; i < q; ++i) {
      const double value = v[i];
      std::size_t k = i;
      while (k > 0 && v[k - 1] > value) {
        v[k] = v[k - 1];
        --k;
      }
      v[k] = value;
    }

    median[j] = q % 2 == 1 ? v[(q - 1) / 2] : (v[q / 2 - 1] + v[q / 2]) * 0.5;

    double low = v[0], high = v[0];
    for (std::size_t i = 1; i < q; ++i) {
      if (v[i] < low) low = v[i];
      if (v[i] > high) high = v[i];
    }
    minimum[j] = low;
    maximum[j] = high;
    range[j] = high - low;

    double total = v[0], squares = v[0] * v[0];
    for (std::size_t i = 1; i < q; ++i) {
      total += v[i];
      squares += v[i] * v[i];
    }
    const double average = total / count;
    sum[j] = total;
    mean[j] = average;
    const double spread = (squares - count * average * average) / (count - 1);
    variance[j] = spread;
    deviation[j] = std::sqrt(std::fabs(spread));
    error[j] = deviation[j] / std::sqrt(count);
  }
  return true;
}
