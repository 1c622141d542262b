#include "gbk.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts with iconv, putting `replacement` in place of every byte that
// starts an invalid or incomplete sequence and going on after it.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(input);

  std::string output;
  char buffer[4096];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    output.append(buffer, out - buffer);
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      output.append(replacement);
      ++in;
      --inLeft;
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(converter);
  return output;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, "?"); }

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk, "\uFFFD"); }
