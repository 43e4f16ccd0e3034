#pragma once

#include "Pictures.h"

#include <QPixmap>
#include <QWidget>

namespace mirevo {

// A picture box: a container that shows a picture at its top left, stretched or centred.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr) : QWidget(parent) {}

    QPixmap picture() const { return m_picture.pixmap(); }
    void setPicture(const Picture& picture);
    // Decodes a JPEG, PNG, BMP, GIF or ICO image; false when the bytes are no picture.
    bool setPictureData(const QByteArray& bytes);
    int displayMode() const { return m_mode; }
    void setDisplayMode(int mode);
    void setBorder(int border);
    void setBackColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture m_picture;
    QColor m_backColour;
    int m_mode = 0;
    int m_border = 0;
};

} // namespace mirevo
