#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvel {

// Matrices in the forms people hand in: LaTeX and Markdown. Cells are the
// texts as shown, row by row.

// A `pmatrix` (amsmath) with one matrix row per line, cells joined by " & ".
// The decimal comma is written "{,}" so that math mode adds no space after
// it; LaTeX's special characters in a text that is no number come out
// escaped.
QString ToLatexMatrix(const QList<QStringList>& rows);

// One value in LaTeX math, written the same way (a determinant).
QString ToLatexValue(const QString& text);

// A Markdown (GitHub) table: a header of the column numbers counted from
// `firstColumn`, then the rows, the columns right-aligned as numbers are.
// A "|" in a cell is escaped.
QString ToMarkdownTable(const QList<QStringList>& rows, int firstColumn = 1);

}  // namespace zorvel
