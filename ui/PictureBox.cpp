#include "PictureBox.h"

#include "Pictures.h"

#include <QPainter>

namespace mirevo {

void PictureBox::setPicture(const Picture& picture)
{
    m_picture = picture;
    update();
}

bool PictureBox::setPictureData(const QByteArray& bytes)
{
    QPixmap pixmap;
    if (!pixmap.loadFromData(bytes))
        return false;
    setPicture(pixmap);
    return true;
}

void PictureBox::setDisplayMode(int mode)
{
    m_mode = mode;
    update();
}

void PictureBox::setBorder(int border)
{
    m_border = border;
    update();
}

void PictureBox::setBackColour(const QColor& colour)
{
    m_backColour = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_backColour.isValid())
        painter.fillRect(rect(), m_backColour);
    drawPictureBoxPicture(painter, rect(), m_picture.pixmap(), m_mode);
    if (m_border != 0) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace mirevo
