#pragma once

#include <QScrollBar>

namespace mirevo {

// A vertical scroll bar. Its range runs from the smaller to the larger of the minimum and
// `maxPosition`; a position outside it is shown at the nearer end. Wheel turns over it do not
// move it by themselves: they reach the screens as wheel events.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit ScrollBar(QWidget* parent = nullptr);

    int minPosition() const { return m_minimum; }
    void setMinPosition(int minimum);
    int maxPosition() const { return m_maximum; }
    void setMaxPosition(int maximum);
    int position() const { return value(); }
    void setPosition(int position) { setValue(position); }

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyRange();

    int m_minimum = 0;
    int m_maximum = 100;
};

} // namespace mirevo
