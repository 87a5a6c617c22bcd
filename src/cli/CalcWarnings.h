#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "CalculationKinds.h"

namespace zorvel {

// What zorvel-calc says on standard error beside a result, each line a
// message of its own.

// One warning for every cell that is not read whole, naming the source, the
// cell, its text and the value it is read as at `places`, as the window's
// "Čítané ako" does:
//   zorvel-calc: A.tsv: riadok 1, stĺpec 2: „4,7k“ sa číta ako 47
QStringList CellsNotReadWhole(const QList<QStringList>& rows, const QString& source, int places);

// That the result holds a number too large to write, and by hand why and
// what to do (a second line); empty when none.
QString TooLargeInResult(const QList<QStringList>& rows, CalculationMode mode);

// The result's cells as they are printed: the too-large message in the
// language of the output.
void ShowValues(QList<QStringList>& rows);

}  // namespace zorvel
