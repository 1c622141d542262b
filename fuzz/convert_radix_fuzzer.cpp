// ConvertRadix reads any text in any pair of radixes; a converted number
// converts back to the normalised text without its leading zeros.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "convert_radix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int from = 1 + data[0] % 37;  // 1 and 37 test the range message
  const int to = 1 + data[1] % 37;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string converted = ConvertRadix(text, from, to);
  if (converted.rfind("参数错误-", 0) == 0 || from == to) return 0;

  std::string normalised = ConvertRadix(text, from, from);
  normalised.erase(0, normalised.find_first_not_of('0'));
  if (normalised.empty()) normalised = "0";
  if (ConvertRadix(converted, to, from) != normalised) std::abort();
  return 0;
}
