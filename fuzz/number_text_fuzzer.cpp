// TextToNumber and TextToInteger read any text; NumberToText writes a text
// that reads back as the same double to 13 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = TextToNumber(text);
  TextToInteger(text);
  const std::string written = NumberToText(value);
  if (std::isfinite(value)) {
    const double reread = TextToNumber(written);
    if (NumberToText(reread) != written) std::abort();
  }
  return 0;
}
