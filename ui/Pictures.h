#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace mirevo {

// The pictures of the screens, built into the program as resources and decoded by Qt's
// image readers. An unknown name gives a null pixmap.
QPixmap picture(const QString& name);

// Draws a picture into a rectangle in one of the picture-box modes (0 top left, 1 stretched,
// 2 centred) or background modes (0 top left, 1 tiled, 2 centred, 3 stretched).
void drawPictureBoxPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode);
void drawBackgroundPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode);

} // namespace mirevo
