#pragma once

#include <QIcon>
#include <QPixmap>

namespace zorvel {

// The program's own pictures, drawn in code so that they stay sharp at any
// scale: the buttons' images (32 x 32), the window icon and the about
// panel's picture of a small matrix (128 x 72).
QIcon SwapIcon();    // two circling arrows: swap the matrices
QIcon CopyUpIcon();  // an upward arrow: copy the inverse into matrix 2
QIcon AboutIcon();   // an i in a speech bubble: the about panel
QIcon WindowIcon();  // a bracketed matrix with an i
QPixmap MatrixPicture(qreal devicePixelRatio);

}  // namespace zorvel
