#include "Label.h"

#include <QPainter>

namespace mirevo {

using namespace Qt::StringLiterals;

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(u"\r\n"_s, u"\n"_s);
    setText(shown);
}

void Label::setTextColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour.isValid() ? colour : QColor(Qt::black));
    setPalette(palette);
}

QColor Label::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void Label::setBackColour(const QColor& colour)
{
    m_backColour = colour;
    update();
}

void Label::setBackPicture(const Picture& picture)
{
    m_backPicture = picture;
    update();
}

void Label::setBorder(int border)
{
    m_border = border;
    setFrameStyle(border == 0 ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
}

void Label::paintEvent(QPaintEvent* event)
{
    if (m_backColour.isValid() || !m_backPicture.isNull()) {
        QPainter painter(this);
        if (m_backColour.isValid())
            painter.fillRect(rect(), m_backColour);
        if (!m_backPicture.isNull())
            painter.drawPixmap(rect(), m_backPicture.pixmap());
    }
    QLabel::paintEvent(event);
}

} // namespace mirevo
