#include "matrix_text_adapter.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <vector>

#include "matrix_calc.h"
#include "number_text.h"

namespace {

// Each separator closes the piece before it, and what follows the last
// separator is a piece when it is not empty; of these pieces an empty one at
// the very end is dropped. So "1,2," has the two pieces 1 and 2, "," has none,
// ",5" has an empty piece and 5, and the empty text has no pieces.
std::vector<std::string_view> Cut(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();
  return pieces;
}

}  // namespace

RealArray MatrixTextAdapter::ParseMatrixText(std::string_view text) const {
  try {
    const std::vector<std::string_view> lines = Cut(text, "\r\n");
    if (lines.empty()) return RealArray();
    std::vector<std::vector<std::string_view>> fields;
    fields.reserve(lines.size());
    for (std::string_view line : lines) fields.push_back(Cut(line, ","));

    const std::size_t columns = fields.back().size();
    if (columns == 0) return RealArray();
    for (const auto& row : fields)
      if (row.size() != columns) return RealArray();

    RealArray matrix = RealArray::Matrix(lines.size(), columns);
    for (std::size_t i = 0; i < lines.size(); ++i)
      for (std::size_t j = 0; j < columns; ++j) matrix.At(i, j) = TextToNumber(fields[i][j]);
    return matrix;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return RealArray();
}

std::string MatrixTextAdapter::FormatMatrixText(const RealArray& matrix) const {
  if (!matrix.IsMatrix()) return {};
  try {
    const std::size_t rows = matrix.Dimension(0);
    const std::size_t columns = matrix.Dimension(1);
    std::vector<std::string> texts;
    texts.reserve(matrix.Size());
    std::size_t width = 0;
    for (double value : matrix.Values()) {
      texts.push_back(NumberToText(value));
      width = std::max(width, texts.back().size());
    }

    std::string result;
    result.reserve(rows * (columns * (width + 1) + 1));
    for (std::size_t i = 0; i < rows; ++i) {
      if (i > 0) result += "\r\n";
      for (std::size_t j = 0; j < columns; ++j) {
        if (j > 0) result += ',';
        const std::string& element = texts[i * columns + j];
        result += element;
        result.append(width - element.size(), ' ');
      }
    }
    return result;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  return {};
}

std::string MatrixTextAdapter::MultiplyTexts(std::string_view left, std::string_view right) const {
  return FormatMatrixText(MatrixCalc::MatrixMultiply(ParseMatrixText(left), ParseMatrixText(right)));
}

std::string MatrixTextAdapter::AddTexts(std::string_view first, std::string_view second) const {
  return FormatMatrixText(MatrixCalc::MatrixAdd(ParseMatrixText(first), ParseMatrixText(second)));
}

std::string MatrixTextAdapter::InvertText(std::string_view text) const {
  return FormatMatrixText(MatrixCalc::MatrixInverse(ParseMatrixText(text)));
}

std::string MatrixTextAdapter::TransposeText(std::string_view text) const {
  return FormatMatrixText(MatrixCalc::MatrixTranspose(ParseMatrixText(text)));
}

std::string MatrixTextAdapter::ScaleMatrix(const RealArray& matrix, double x) const {
  return FormatMatrixText(MatrixCalc::MatrixScale(matrix, x));
}
