#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CellForms.h"
#include "ComplexText.h"
#include "ExactComplex.h"
#include "FloatError.h"

namespace zorvel {

// How one matrix cell is read, once, for every mode and every place that
// asks: the window's marks and tooltips, the status line, the calculations,
// the files and the command line. A text that the program's own reading reads
// whole keeps exactly that value; otherwise the forms people write (digit
// groups, prefixes, j, fractions, polar) are tried on the whole text; a text
// that fits none keeps the program's own partial reading and is marked.
struct CellReading {
  CellForm form = CellForm::Today;
  // Why a text fits no form, where that can be told.
  CellMiss miss = CellMiss::None;
  // Read whole, by the program's own rules or in a new form: not marked.
  bool whole = true;
  // The pair of doubles the hand arithmetic starts from.
  Complex hand;
  // A text in the program's own form that reads as `hand`, for the hand
  // arithmetic, which works on texts; empty when the cell's own text is it.
  std::string handText;
  // The exact value, when asked for; `approximate` when it holds a polar
  // cell's parts to kPolarDigits significant digits.
  ExactComplex exact;
  bool approximate = false;
  // Reading the text fails with this error, in both modes, as it always did
  // for a number beyond the double range.
  std::optional<FloatError::Kind> error;
};

CellReading ReadCell(std::string_view text, bool withExact = false);

// The reason a cell that fits no form is marked, in Windows-1250 Slovak
// (empty where none can be told): "delenie nulou", ...
std::string_view MissReason(CellMiss miss);

}  // namespace zorvel
