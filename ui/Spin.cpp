#include "Spin.h"

#include <QToolButton>

namespace mirevo {

Spin::Spin(QWidget* parent) : QWidget(parent)
{
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    connect(up, &QToolButton::clicked, this, [this] { emit pressed(1); });
    connect(down, &QToolButton::clicked, this, [this] { emit pressed(-1); });
    m_up = up;
    m_down = down;
}

void Spin::resizeEvent(QResizeEvent* event)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

} // namespace mirevo
