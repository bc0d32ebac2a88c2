#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>

namespace art {

// The program's icon, drawn for any square size (16, 32, 48 ...).
QImage programIcon(int size);

// The pointing hand that game windows show as their mouse cursor; the hot spot is the fingertip.
struct CursorArt {
    QPixmap pixmap;
    QPoint hotSpot;
};
// Needs a running GUI application, as every pixmap does.
CursorArt gameCursor();
// The same hand as an image, for use without one.
QImage gameCursorImage();

}  // namespace art
