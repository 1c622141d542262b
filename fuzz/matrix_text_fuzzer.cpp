// Matrix texts of any bytes: a text that reads as a matrix is written and read
// back to the same shape, and the operations on it never crash.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "matrix_text_adapter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const MatrixTextAdapter adapter;
  const RealArray matrix = adapter.ParseMatrixText(text);
  if (!matrix.IsMatrix()) return 0;
  const std::string written = adapter.FormatMatrixText(matrix);
  if (adapter.ParseMatrixText(written).Dimensions() != matrix.Dimensions()) std::abort();
  // Keep the cubic operations small enough for the time limit.
  if (matrix.Size() <= 400) {
    adapter.InvertText(text);
    adapter.MultiplyTexts(text, adapter.TransposeText(text));
    adapter.AddTexts(text, text);
  }
  return 0;
}
