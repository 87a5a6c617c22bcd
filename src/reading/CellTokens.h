#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvel {

// The pieces of a cell text in the forms people write beyond the program's
// own: numbers with digit groups and prefixes, the imaginary unit i or j
// before or after a number, fractions, parentheses and the polar form.
struct CellToken {
  enum class Kind { Number, Unit, Plus, Minus, Slash, Open, Close, Angle, Degree, Radian };
  Kind kind = Kind::Number;
  // A number as TextToReal reads it: its digits without group blanks, its
  // point and exponent, and a prefix's power of ten as an exponent of its own.
  std::string number;
  // Whether the number was written with digit groups or a prefix.
  bool grouped = false;
  bool prefixed = false;
  // An exponent with its sign ("4,068E-10"), as significant digits are
  // written, which the program's own reading splits at the sign.
  bool signedExponent = false;
};

// What the text's characters say about the forms, for the reason of a text
// that fits none of them.
struct CellTokenHints {
  bool angle = false;      // "∠" or "<"
  bool slash = false;      // "/"
  bool bothUnits = false;  // "i" and "j" in one text
  bool unitJ = false;      // "j" is the unit
};

// The tokens of a whole text, or nothing when some character fits no token.
// "j" is the imaginary unit only in a text without "i".
std::optional<std::vector<CellToken>> TokenizeCell(std::string_view text, CellTokenHints& hints);

}  // namespace zorvel
