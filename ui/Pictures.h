#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

namespace mirevo {

// The pictures of the screens, built into the program as resources and decoded by Qt's
// image readers. An unknown name gives a null pixmap.
QPixmap picture(const QString& name);

// The picture of a control: a named picture of the screens, decoded when it is first drawn (the
// pages that are not shown cost nothing at start-up), or a pixmap the program set.
class Picture
{
public:
    Picture() = default;
    Picture(const QPixmap& pixmap) : m_pixmap(pixmap), m_decoded(true) {}
    static Picture named(const QString& name);

    const QPixmap& pixmap() const;
    bool isNull() const { return m_name.isEmpty() && m_pixmap.isNull(); }

private:
    QString m_name;
    mutable QPixmap m_pixmap;
    mutable bool m_decoded = false;
};

// Draws a picture into a rectangle in one of the picture-box modes (0 top left, 1 stretched,
// 2 centred) or background modes (0 top left, 1 tiled, 2 centred, 3 stretched).
void drawPictureBoxPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode);
void drawBackgroundPicture(QPainter& painter, const QRect& area, const QPixmap& pixmap, int mode);

} // namespace mirevo
