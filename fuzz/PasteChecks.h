#pragma once

// What a paste must leave: the tab-separated reader gives back its text,
// line ends aside; both matrices stay within their limits with size fields
// that match their grids; the other matrix is untouched; the block stands
// from the current cell on, as far as the limits allow (a cell may be cut
// when it is longer than a cell holds).
#include <QList>
#include <QString>
#include <QStringList>

#include "Grid.h"

namespace zorvel {
class StringGrid;
class TMain;
}  // namespace zorvel

namespace zorvel::fuzz {

void CheckReader(const QString& text, const QList<QStringList>& rows);

// `top` and `left`: the matrix row and column of the block's first cell.
void CheckPasted(const TMain& window, const StringGrid* pole, const QList<QStringList>& block, int top, int left,
                 const Grid& otherBefore);

}  // namespace zorvel::fuzz
