#include "ScrollBar.h"

#include <QWheelEvent>

namespace mirevo {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    applyRange();
}

void ScrollBar::setMinPosition(int minimum)
{
    m_minimum = minimum;
    applyRange();
}

void ScrollBar::setMaxPosition(int maximum)
{
    m_maximum = maximum;
    applyRange();
}

void ScrollBar::applyRange()
{
    setRange(qMin(m_minimum, m_maximum), qMax(m_minimum, m_maximum));
}

void ScrollBar::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

} // namespace mirevo
