// The complex-number reader on any bytes; a number it writes back as
// "a+bi" reads as the same number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "complex_text.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ComplexCalc z = TextToComplex(std::string_view(reinterpret_cast<const char*>(data), size));
  const double re = z.GetRealPart();
  const double im = z.GetImagPart();
  if (!std::isfinite(re) || !std::isfinite(im)) return 0;
  const std::string written = NumberToText(re) + (im < 0 ? "" : "+") + NumberToText(im) + "i";
  const ComplexCalc reread = TextToComplex(written);
  if (NumberToText(reread.GetRealPart()) != NumberToText(re) ||
      NumberToText(reread.GetImagPart()) != NumberToText(im))
    std::abort();
  return 0;
}
