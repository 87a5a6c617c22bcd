#pragma once

#include <string>
#include <string_view>

namespace zorvel {

// The pieces step lines are written from (Windows-1250): plain notation that
// reads the same in every language of the window.

// "a(2, 1)": a matrix's element, row and column counted from 1. The comma
// is followed by a space, so a decimal comma (always followed by a digit)
// can be told from it.
std::string ElementName(std::string_view matrix, int row, int col);

// A text as an operand of a written operation: in parentheses when it holds
// a sign or a space ("(1+2i)", "(-3)"), and "0" for the empty text, which
// every operation reads as 0.
std::string Operand(std::string_view text);

// " · ", between the factors of a product.
inline constexpr std::string_view kTimes = " \xB7 ";

// The sign of a cofactor or an expansion term as a factor: "1" or "(-1)".
std::string SignFactor(bool negative);

}  // namespace zorvel
