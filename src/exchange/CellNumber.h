#pragma once

#include <QString>

namespace zorvel {

// Whether a cell's text reads whole as one number, the one question the
// reading of a file asks of a cell: of its first rows (is the first a
// header?) and of the pieces of a line split on blanks, answered by the
// one reading of a cell (ReadCell), so that every form it reads whole
// counts: digit groups as in "1 234,5", prefixes, j, fractions, polar. A
// number beyond the range of the arithmetic ("1e999") counts as a number
// too: its text is one, and no error of its reading leaves this function.
bool ReadsWholeAsNumber(const QString& cell);

}  // namespace zorvel
