#pragma once

#include <QWidget>

namespace mirevo {

// Up-down arrows; a press reports +1 for the up arrow and −1 for the down arrow.
class Spin : public QWidget
{
    Q_OBJECT
public:
    explicit Spin(QWidget* parent = nullptr);

    QWidget* upArrow() const { return m_up; }
    QWidget* downArrow() const { return m_down; }

signals:
    void pressed(int step);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_up = nullptr;
    QWidget* m_down = nullptr;
};

} // namespace mirevo
