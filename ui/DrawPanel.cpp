#include "DrawPanel.h"

#include "Pictures.h"

#include <QPainter>

namespace mirevo {

void DrawPanel::setBackColour(const QColor& colour)
{
    m_backColour = colour;
    update();
}

void DrawPanel::setBackPicture(const Picture& picture, int mode)
{
    m_backPicture = picture;
    m_mode = mode;
    update();
}

void DrawPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backColour.isValid())
        painter.fillRect(rect(), m_backColour);
    drawBackgroundPicture(painter, rect(), m_backPicture.pixmap(), m_mode);
}

} // namespace mirevo
