#include "PictureButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

namespace mirevo {

using namespace Qt::StringLiterals;

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setButtonStyle(int style)
{
    m_buttonStyle = style;
    update();
}

void PictureButton::setFocusBackColour(const QColor& colour)
{
    m_focusBackColour = colour;
    setFocusPolicy(colour.isValid() ? Qt::ClickFocus : Qt::NoFocus);
    update();
}

void PictureButton::setBackColour(const QColor& colour)
{
    m_backColours[Normal] = colour;
    update();
}

void PictureButton::setLookColours(int look, const QColor& text, const QColor& back)
{
    m_textColours[look] = text;
    m_backColours[look] = back;
    update();
}

void PictureButton::setLookPicture(int look, const Picture& picture)
{
    m_pictures[look] = picture;
    update();
}

QSize PictureButton::sizeHint() const
{
    return {75, 25};
}

bool PictureButton::event(QEvent* event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave ||
        event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QAbstractButton::event(event);
}

int PictureButton::currentLook() const
{
    if (isDown())
        return Pressed;
    if (underMouse() && isEnabled())
        return Hover;
    return Normal;
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int look = currentLook();
    QColor back = m_backColours[look].isValid() ? m_backColours[look] : m_backColours[Normal];
    if (look == Normal && hasFocus() && m_focusBackColour.isValid())
        back = m_focusBackColour;
    QColor text = m_textColours[look].isValid() ? m_textColours[look] : m_textColours[Normal];
    if (!text.isValid())
        text = palette().color(QPalette::ButtonText);
    if (!isEnabled())
        text = palette().color(QPalette::Disabled, QPalette::ButtonText);

    drawFace(painter, back);

    QPixmap pixmap = m_pictures[look].isNull() ? m_pictures[Normal].pixmap() : m_pictures[look].pixmap();
    if (!isEnabled() && !pixmap.isNull()) {
        QStyleOption option;
        option.initFrom(this);
        pixmap = style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
    }
    drawContent(painter, pixmap, text);
}

void PictureButton::drawFace(QPainter& painter, const QColor& back) const
{
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (m_buttonStyle) {
    case Raised: {
        if (back.isValid())
            painter.fillRect(rect(), back);
        const bool sunken = isDown();
        const QColor light = sunken ? QColor(128, 128, 128) : QColor(255, 255, 255);
        const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
        painter.setPen(light);
        painter.drawLine(area.topLeft(), area.topRight());
        painter.drawLine(area.topLeft(), area.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(area.bottomLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomRight());
        break;
    }
    case Rounded: {
        QPainterPath path;
        path.addRoundedRect(area, 4, 4);
        const QColor base = back.isValid() ? back : palette().color(QPalette::Button);
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, isDown() ? base.darker(110) : base.lighter(115));
        gradient.setColorAt(1, isDown() ? base.lighter(105) : base.darker(108));
        painter.fillPath(path, gradient);
        painter.setPen(base.darker(140));
        painter.drawPath(path);
        break;
    }
    default:
        if (back.isValid())
            painter.fillRect(rect(), back);
        break;
    }
}

void PictureButton::drawContent(QPainter& painter, const QPixmap& pixmap, const QColor& text) const
{
    const QString caption = this->caption();
    painter.setPen(text);
    painter.setFont(font());

    // The Webdings "r" of a close button is a cross; draw it as one.
    if (font().family() == u"Webdings"_s && caption == u"r"_s) {
        const int side = qMin(width(), height()) / 3;
        const QPointF centre = QRectF(rect()).center();
        painter.setPen(QPen(text, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(-side / 2.0, -side / 2.0),
                         centre + QPointF(side / 2.0, side / 2.0));
        painter.drawLine(centre + QPointF(side / 2.0, -side / 2.0),
                         centre + QPointF(-side / 2.0, side / 2.0));
        return;
    }

    const QSize logical = (QSizeF(pixmap.size()) / qMax(1.0, pixmap.devicePixelRatio())).toSize();
    if (pixmap.isNull()) {
        painter.drawText(rect(), Qt::AlignCenter, caption);
        return;
    }
    if (caption.isEmpty()) {
        const QSize fitted = logical.scaled(size().boundedTo(logical), Qt::KeepAspectRatio);
        const QRect target((width() - fitted.width()) / 2, (height() - fitted.height()) / 2, fitted.width(),
                           fitted.height());
        painter.drawPixmap(target, pixmap);
        return;
    }
    // Picture above, caption below.
    const int textHeight = painter.fontMetrics().height();
    const int pictureHeight = qMin(logical.height(), height() - textHeight - 2);
    const QSize fitted = logical.scaled(QSize(width(), qMax(0, pictureHeight)), Qt::KeepAspectRatio);
    const int top = (height() - fitted.height() - textHeight - 2) / 2;
    painter.drawPixmap(QRect((width() - fitted.width()) / 2, top, fitted.width(), fitted.height()), pixmap);
    painter.drawText(QRect(0, top + fitted.height() + 2, width(), textHeight), Qt::AlignCenter, caption);
}

} // namespace mirevo
