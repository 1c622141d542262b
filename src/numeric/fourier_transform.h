#pragma once

#include <cstdint>

#include "real_array.h"

// Radix-2 Fourier transforms, data windows and the power periodogram, in
// place on a pair of arrays holding the real and the imaginary parts of
// complex samples. Every operation returns true when it ran and false when
// it refused its input or could not obtain its work storage; a refusal leaves
// the arrays untouched. Lengths never change.
class FourierTransform {
 public:
  // The largest transform length of the one-dimensional operations.
  static constexpr std::int32_t kMaxLength = 8192;

  // X[k] = Σ x[j]·e^(-2πi·jk/n), unscaled, over the first n samples. Runs when
  // re and im are one-dimensional with at least n elements each and n is a
  // power of two, 1 ≤ n ≤ 8192; further elements are left as they are.
  static bool FftForward(RealArray& re, RealArray& im, std::int32_t n);
  // x[j] = (1/n)·Σ X[k]·e^(+2πi·jk/n); the same conditions.
  static bool FftInverse(RealArray& re, RealArray& im, std::int32_t n);

  // Multiplies the first n samples of re and im by a data window; n as for
  // FftForward, windowType 0 … 5: rectangular, Parzen, Hanning, Welch,
  // Hamming, Blackman. Parzen is 1 - |(i - (n-1)/2) / ((n+1)/2)|, positive
  // everywhere like Welch. For n = 1 every window is 1, its value at the
  // centre.
  static bool ApplyDataWindow(RealArray& re, RealArray& im, std::int32_t n, std::int32_t windowType);

  // The forward (inverse when the flag is set) transform of every row of two
  // two-dimensional arrays of the same shape; the number of columns must be a
  // power of two. Columns are not transformed.
  static bool FftRows(RealArray& re, RealArray& im, bool inverse);

  // Forward transform of all n samples (re and im one-dimensional, of the same
  // length n, a power of two), then the one-sided power spectrum: with
  // P(k) = |X(k)|² and d = 1/n², re[0] = d·P(0), re[k] = d·(P(k) + P(n-k)) for
  // 0 < k < n/2, re[n/2] = d·P(n/2), and im[k] = k/(n·dt) for k ≤ n/2.
  // Elements beyond n/2 keep the transform's values. For n = 1, re[0] = P(0)
  // and im[0] = 0. dt = 0 gives infinite frequencies (and 0/0 at k = 0).
  static bool PowerPeriodogram(RealArray& re, RealArray& im, double dt);
};
