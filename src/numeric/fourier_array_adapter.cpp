#include "fourier_array_adapter.h"

#include <limits>

#include "fourier_transform.h"

namespace {

// The element count as the engine's length argument; a count beyond the
// 32-bit range becomes a length the engine refuses.
std::int32_t LengthOf(const RealArray& array) {
  return array.Size() <= FourierTransform::kMaxLength ? static_cast<std::int32_t>(array.Size())
                                                      : std::numeric_limits<std::int32_t>::max();
}

bool EmptyUnlessRan(bool ran, RealArray& re, RealArray& im) {
  if (!ran) {
    re = RealArray();
    im = RealArray();
  }
  return ran;
}

}  // namespace

bool FourierArrayAdapter::RunForward(RealArray& re, RealArray& im) const {
  return EmptyUnlessRan(FourierTransform::FftForward(re, im, LengthOf(re)), re, im);
}

bool FourierArrayAdapter::RunInverse(RealArray& re, RealArray& im) const {
  return EmptyUnlessRan(FourierTransform::FftInverse(re, im, LengthOf(re)), re, im);
}

bool FourierArrayAdapter::RunWindow(RealArray& re, RealArray& im, std::int32_t windowType) const {
  return EmptyUnlessRan(FourierTransform::ApplyDataWindow(re, im, LengthOf(re), windowType), re, im);
}

bool FourierArrayAdapter::RunRows(RealArray& re, RealArray& im, bool inverse) const {
  return EmptyUnlessRan(FourierTransform::FftRows(re, im, inverse), re, im);
}

bool FourierArrayAdapter::RunPeriodogram(RealArray& re, RealArray& im, double dt) const {
  return EmptyUnlessRan(FourierTransform::PowerPeriodogram(re, im, dt), re, im);
}
