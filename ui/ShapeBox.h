#pragma once

#include <QColor>
#include <QWidget>

namespace mirevo {

// A shape box: a container drawn as a rectangle, rounded rectangle, ellipse or line.
class ShapeBox : public QWidget
{
    Q_OBJECT
public:
    enum Shape : int
    {
        Rectangle = 0,
        RoundedRectangle = 1,
        Ellipse = 2,
        HorizontalLine = 3
    };

    explicit ShapeBox(QWidget* parent = nullptr) : QWidget(parent) {}

    void setShape(int shape);
    void setColours(const QColor& line, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_shape = Rectangle;
    QColor m_line;
    QColor m_fill;
};

} // namespace mirevo
