// The expression parser on any bytes: validation, conversion, evaluation and
// a short integration never crash, whatever the length or nesting.
#include <cstdint>
#include <string_view>

#include "expression_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ExpressionParse parser;
  if (parser.SetExpression(text)) {
    double value = 0;
    for (double x : {0.0, 0.5, -1.0, 1e300}) parser.EvaluateAt(x, value);
  }
  // A tolerance no pass can miss keeps the integration to its fewest passes.
  double result = 0;
  ExpressionParse().Integrate(text, 1, 0, 1e308, result);
  return 0;
}
