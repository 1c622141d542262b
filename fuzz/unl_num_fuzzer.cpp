// SetText reads any text; a valid one writes back through GetText to a text
// that reads as the same value, and the quotient rules hold between two read
// values: (a + b) - b = a, a = IntDiv(a, b) × b + Mod(a, b), and the truncated quotient at n
// places lies within one unit of its last place below |a / b|.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "unl_num.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::int32_t places = data[0] % 64;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = rest.find('/');
  const std::string_view first = rest.substr(0, split);
  const std::string_view second = split == std::string_view::npos ? "" : rest.substr(split + 1);

  UnlNum a, b;
  const bool aValid = a.SetText(first);
  b.SetText(second);
  if (!aValid && (a.GetText() != "0" || a.Scale() != 0)) std::abort();
  if (aValid) {
    UnlNum reread;
    if (!reread.SetText(a.GetText())) std::abort();
    if (reread.GetText() != a.GetText()) std::abort();
    if (UnlNum::Compare(reread, a) || UnlNum::Compare(a, reread)) std::abort();
  }

  const UnlNum sumBack = UnlNum::Sub(UnlNum::Add(a, b), b);
  if (UnlNum::Compare(sumBack, a) || UnlNum::Compare(a, sumBack) || sumBack.GetText() != a.GetText()) std::abort();

  const UnlNum quotient = UnlNum::IntDiv(a, b);
  const UnlNum remainder = UnlNum::Mod(a, b);
  const UnlNum back = UnlNum::Add(UnlNum::Mul(quotient, b), remainder);
  if (UnlNum::Compare(back, a) || UnlNum::Compare(a, back)) std::abort();
  if (!b.IsZero() && UnlNum::Compare(UnlNum::Abs(remainder), UnlNum::Abs(b))) std::abort();

  // |Div(a, b, n)| ≤ |a / b|: the product with |b| does not exceed |a|.
  const UnlNum truncated = UnlNum::Abs(UnlNum::Div(a, b, places));
  if (!b.IsZero() && UnlNum::Compare(UnlNum::Mul(truncated, UnlNum::Abs(b)), UnlNum::Abs(a)))
    std::abort();
  return 0;
}
