#pragma once

#include "Pictures.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace mirevo {

// A draw panel: a container with a background colour and a background picture.
class DrawPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DrawPanel(QWidget* parent = nullptr) : QWidget(parent) {}

    void setBackColour(const QColor& colour);
    void setBackPicture(const Picture& picture, int mode);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_backColour;
    Picture m_backPicture;
    int m_mode = 0;
};

} // namespace mirevo
