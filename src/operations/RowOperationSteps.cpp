#include "RowOperationSteps.h"

#include "StepTexts.h"
#include "Symbols.h"

namespace zorvel {
namespace {

std::string RowName(int row) { return "R" + Subscript(row + 1); }

// A factor or divisor as an operand: in parentheses when it holds a sign, a
// space or a fraction bar.
std::string Factor(const std::string& text) {
  std::string operand = Operand(text);
  if (operand.front() != '(' && text.find('/') != std::string::npos) return '(' + text + ')';
  return operand;
}

}  // namespace

std::string SwapLine(int upper, int lower) {
  return RowName(upper) + " " + std::string(kSwapArrow) + " " + RowName(lower);
}

std::string DivideLine(int row, const std::string& divisor) {
  return RowName(row) + " := " + RowName(row) + " / " + Factor(divisor);
}

std::string SubtractLine(int row, const std::string& factor, int pivotRow) {
  std::string line = RowName(row) + " := " + RowName(row) + " ";
  line += kMinusSign;
  // A factor of 1 is left out, as it is written by hand.
  line += " " + (factor == "1" ? std::string() : Factor(factor) + "\xB7") + RowName(pivotRow);
  return line;
}

std::string MatrixRowLine(int row, const std::vector<std::string>& entries, int pivotCol, int bar) {
  std::string line = RowName(row) + ":";
  for (int c = 0; c < static_cast<int>(entries.size()); ++c) {
    if (c == bar) line += "   |";
    const std::string& entry = entries[static_cast<std::size_t>(c)];
    line += c == 0 ? " " : "   ";
    line += c == pivotCol ? '[' + entry + ']' : entry;
  }
  return line;
}

}  // namespace zorvel
