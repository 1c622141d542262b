#include "fourier_transform.h"

#include <cmath>
#include <new>
#include <numbers>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// The double nearest to 2π, 6.283185307179586, and to 4π.
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kFourPi = 4 * std::numbers::pi;

bool IsPowerOfTwo(std::size_t n) { return n != 0 && (n & (n - 1)) == 0; }

// The twiddle factors of one transform length: cos θ and ±sin θ for
// θ = k·2π/n, k < n/2 (the butterflies use no others). The sine carries the
// sign of the exponent: - for the forward, + for the inverse transform.
struct Twiddles {
  std::vector<double> cosine;
  std::vector<double> sine;
};

// False when the tables cannot be allocated; the data are not touched then.
bool MakeTwiddles(std::size_t n, bool inverse, Twiddles& twiddles) {
  try {
    const std::size_t count = n / 2;
    twiddles.cosine.assign(count, 0.0);
    twiddles.sine.assign(count, 0.0);
    const double step = kTwoPi / static_cast<double>(n);
    const double sign = inverse ? 1.0 : -1.0;
    for (std::size_t k = 0; k < count; ++k) {
      const double theta = static_cast<double>(k) * step;
      twiddles.cosine[k] = std::cos(theta);
      twiddles.sine[k] = sign * std::sin(theta);
    }
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return false;
}

// In-place radix-2 decimation-in-time transform of n samples (n a power of
// two) with twiddles made for n. The inverse scales by 1/n first; for a power
// of two this division is exact.
void Transform(double* re, double* im, std::size_t n, bool inverse, const Twiddles& twiddles) {
  if (inverse) {
    const double length = static_cast<double>(n);
    for (std::size_t k = 0; k < n; ++k) {
      re[k] /= length;
      im[k] /= length;
    }
  }

  // Bit-reversal permutation.
  std::size_t j = 0;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (i < j) {
      std::swap(re[i], re[j]);
      std::swap(im[i], im[j]);
    }
    std::size_t m = n / 2;
    while (m >= 1 && m <= j) {
      j -= m;
      m /= 2;
    }
    j += m;
  }

  for (std::size_t half = 1; half < n; half *= 2) {
    const std::size_t stride = n / (2 * half);
    for (std::size_t k = 0; k < half; ++k) {
      const double c = twiddles.cosine[k * stride];
      const double d = twiddles.sine[k * stride];
      for (std::size_t p = k; p < n; p += 2 * half) {
        const std::size_t q = p + half;
        double tRe = re[q];
        double tIm = im[q];
        if (k != 0) {
          tRe = c * re[q] - d * im[q];
          tIm = d * re[q] + c * im[q];
        }
        re[q] = re[p] - tRe;
        im[q] = im[p] - tIm;
        re[p] += tRe;
        im[p] += tIm;
      }
    }
  }
}

// The conditions of the one-dimensional transforms and the data window.
bool AcceptsSamples(const RealArray& re, const RealArray& im, std::int32_t n) {
  return re.DimensionCount() == 1 && im.DimensionCount() == 1 && n >= 1 &&
         n <= FourierTransform::kMaxLength && IsPowerOfTwo(static_cast<std::size_t>(n)) &&
         re.Size() >= static_cast<std::size_t>(n) && im.Size() >= static_cast<std::size_t>(n);
}

bool TransformSamples(RealArray& re, RealArray& im, std::int32_t n, bool inverse) {
  if (!AcceptsSamples(re, im, n)) return false;
  const auto length = static_cast<std::size_t>(n);
  Twiddles twiddles;
  if (!MakeTwiddles(length, inverse, twiddles)) return false;
  Transform(re.Values().data(), im.Values().data(), length, inverse, twiddles);
  return true;
}

double WindowValue(std::int32_t windowType, std::size_t n, std::size_t i) {
  // A single sample sits at the centre of every window, where each is 1; the
  // cosine windows would otherwise divide 0 by 0.
  if (windowType == 0 || n == 1) return 1.0;
  const double x = static_cast<double>(i);
  const double length = static_cast<double>(n);
  const double centre = (length - 1) / 2;
  const double halfWidth = (length + 1) / 2;
  const double last = length - 1;
  switch (windowType) {
    case 1:  // Parzen
      return 1 - std::fabs((x - centre) / halfWidth);
    case 2:  // Hanning
      return 0.5 * (1 - std::cos(kTwoPi * x / last));
    case 3: {  // Welch
      const double r = (x - centre) / halfWidth;
      return 1 - r * r;
    }
    case 4:  // Hamming
      return 0.54 - 0.46 * std::cos(kTwoPi * x / last);
    default:  // 5: Blackman
      return 0.42 - 0.5 * std::cos(kTwoPi * x / last) + 0.08 * std::cos(kFourPi * x / last);
  }
}

}  // namespace

bool FourierTransform::FftForward(RealArray& re, RealArray& im, std::int32_t n) {
  return TransformSamples(re, im, n, false);
}

bool FourierTransform::FftInverse(RealArray& re, RealArray& im, std::int32_t n) {
  return TransformSamples(re, im, n, true);
}

bool FourierTransform::ApplyDataWindow(RealArray& re, RealArray& im, std::int32_t n,
                                       std::int32_t windowType) {
  if (!AcceptsSamples(re, im, n) || windowType < 0 || windowType > 5) return false;
  const auto length = static_cast<std::size_t>(n);
  for (std::size_t i = 0; i < length; ++i) {
    const double w = WindowValue(windowType, length, i);
    re[i] *= w;
    im[i] *= w;
  }
  return true;
}

bool FourierTransform::FftRows(RealArray& re, RealArray& im, bool inverse) {
  if (!re.IsMatrix() || re.Dimensions() != im.Dimensions()) return false;
  const std::size_t rows = re.Dimension(0);
  const std::size_t columns = re.Dimension(1);
  if (!IsPowerOfTwo(columns)) return false;
  Twiddles twiddles;
  if (!MakeTwiddles(columns, inverse, twiddles)) return false;
  for (std::size_t r = 0; r < rows; ++r)
    Transform(re.Values().data() + r * columns, im.Values().data() + r * columns, columns, inverse,
              twiddles);
  return true;
}

bool FourierTransform::PowerPeriodogram(RealArray& re, RealArray& im, double dt) {
  if (re.DimensionCount() != 1 || im.DimensionCount() != 1 || re.Size() != im.Size() ||
      !IsPowerOfTwo(re.Size()))
    return false;
  const std::size_t n = re.Size();
  Twiddles twiddles;
  if (!MakeTwiddles(n, false, twiddles)) return false;
  Transform(re.Values().data(), im.Values().data(), n, false, twiddles);

  const auto power = [&](std::size_t k) { return re[k] * re[k] + im[k] * im[k]; };
  if (n == 1) {
    re[0] = power(0);
    im[0] = 0.0;
    return true;
  }
  const double length = static_cast<double>(n);
  const double d = 1.0 / (length * length);
  const std::size_t half = n / 2;
  // Each power is written after the values it reads: P(n-k) lies beyond n/2
  // and is never overwritten, and the frequencies come last.
  re[0] = d * power(0);
  for (std::size_t k = 1; k < half; ++k) re[k] = d * (power(k) + power(n - k));
  re[half] = d * power(half);
  for (std::size_t k = 0; k <= half; ++k) im[k] = static_cast<double>(k) / (length * dt);
  return true;
}
