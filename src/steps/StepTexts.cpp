#include "StepTexts.h"

namespace zorvel {

std::string ElementName(std::string_view matrix, int row, int col) {
  return std::string(matrix) + '(' + std::to_string(row) + ", " + std::to_string(col) + ')';
}

std::string Operand(std::string_view text) {
  if (text.empty()) return "0";
  if (text.find_first_of("+- ") == std::string_view::npos) return std::string(text);
  return '(' + std::string(text) + ')';
}

std::string SignFactor(bool negative) { return negative ? "(-1)" : "1"; }

}  // namespace zorvel
