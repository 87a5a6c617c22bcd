#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorvel {

// Numbers as numeric tools write them: one or more blanks (spaces or tabs)
// between the cells of a line, the lines perhaps indented. The text is read
// so when every line (the blank lines after the last aside) splits into the
// same number of cells, two or more, each of which reads whole as a number;
// otherwise not at all.
//
// A single blank between a digit and a group of exactly three digits, as in
// "1 234,5", may be a digit group's: the lines are first split with such
// blanks kept in their cells, and only when those counts differ from line to
// line, or give one cell a line, on every blank. So "1 234,5" over "2 000"
// is a column of two numbers, "1 234" over "5 6" two rows of two.
std::optional<QList<QStringList>> SplitOnBlanks(const QString& text);

}  // namespace zorvel
