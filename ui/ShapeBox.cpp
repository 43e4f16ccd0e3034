#include "ShapeBox.h"

#include <QPainter>

namespace mirevo {

void ShapeBox::setShape(int shape)
{
    m_shape = shape;
    update();
}

void ShapeBox::setColours(const QColor& line, const QColor& fill)
{
    m_line = line;
    m_fill = fill;
    update();
}

void ShapeBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(m_line.isValid() ? QPen(m_line) : QPen(Qt::NoPen));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_shape) {
    case RoundedRectangle:
        painter.drawRoundedRect(area, 6, 6);
        break;
    case Ellipse:
        painter.drawEllipse(area);
        break;
    case HorizontalLine:
        painter.drawLine(QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y()));
        break;
    default:
        painter.drawRect(area);
        break;
    }
}

} // namespace mirevo
