#pragma once

#include <cstdint>

#include "real_array.h"

// What the Fourier window calls. Each operation runs one FourierTransform
// operation over the whole of the window's arrays and, when the engine
// refuses, replaces both arrays by empty one-dimensional arrays. The result
// tells whether the engine ran; the emptied arrays tell the same.
class FourierArrayAdapter {
 public:
  bool RunForward(RealArray& re, RealArray& im) const;
  bool RunInverse(RealArray& re, RealArray& im) const;
  // windowType is the position of the chosen window in the window list,
  // counted from 0 (-1 when none is chosen, which is refused).
  bool RunWindow(RealArray& re, RealArray& im, std::int32_t windowType) const;
  bool RunRows(RealArray& re, RealArray& im, bool inverse) const;
  bool RunPeriodogram(RealArray& re, RealArray& im, double dt) const;
};
