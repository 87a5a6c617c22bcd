#pragma once

#include <QString>

#include <optional>

#include "MatrixText.h"

namespace zorvel {

// How the cells of a matrix text are told apart.
struct TextLayout {
  enum class Kind { Separated, Blanks };
  Kind kind = Kind::Separated;
  QChar separator = u'\t';  // of Separated
  bool quoting = false;     // Separated as CSV: a quoted cell may hold the separator
};

// The layout of a text read from a file or standard input, found from the
// text itself:
// - Tsv (a ".tsv" name): tabs, no quoting;
// - Csv (a ".csv" name): ";" when one stands outside quotes, else a tab when
//   one does, else "," when CommasSeparate, else ";" (one column);
// - no format (another name, standard input): tabs when the text holds one,
//   else ";" or "," as for Csv, else Blanks when every line splits into the
//   same number of numbers on blanks (BlankSeparated.h), else tabs (one
//   column, quotes kept as text).
TextLayout ChooseLayout(const QString& text, std::optional<MatrixFormat> format);

// Whether the commas outside quotes of a text that has no ";" and no tab
// outside them separate cells rather than stand as decimal commas: some such
// comma has no digit after it or neither a digit, a sign, a blank nor the
// line's start before it ('"a","b"', "1+2i,3"); or some run of digits and
// commas holds two of them ("1,2,3", no number has two decimal commas); or
// the text writes its decimals with a point ("1.5,2"). "1,5" alone, or
// "1,5+2,5i", is one number.
bool CommasSeparate(const QString& text);

}  // namespace zorvel
