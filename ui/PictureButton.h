#pragma once

#include "Pictures.h"
#include "PlainCaption.h"

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace mirevo {

// A button drawn with pictures: up to three images (normal, pressed, pointer over), a caption
// and text and background colours for each of the three looks. Used for the navigation and
// subject buttons and for the answer-card cells.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum Look : int
    {
        Normal = 0,
        Pressed = 1,
        Hover = 2
    };
    enum Style : int
    {
        Flat = 0,
        Raised = 1,
        Rounded = 2
    };

    explicit PictureButton(QWidget* parent = nullptr);

    QString caption() const { return fromButtonText(text()); }
    void setCaption(const QString& caption) { setText(toButtonText(caption)); }

    int buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(int style);

    // The background colour of the normal look; an invalid colour draws no background.
    QColor backColour() const { return m_backColours[Normal]; }
    void setBackColour(const QColor& colour);

    QColor focusBackColour() const { return m_focusBackColour; }
    void setFocusBackColour(const QColor& colour);

    QColor lookTextColour(int look) const { return m_textColours[look]; }
    QColor lookBackColour(int look) const { return m_backColours[look]; }
    void setLookColours(int look, const QColor& text, const QColor& back);

    QPixmap lookPicture(int look) const { return m_pictures[look].pixmap(); }
    const Picture& lookPictureSource(int look) const { return m_pictures[look]; }
    void setLookPicture(int look, const Picture& picture);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int currentLook() const;
    void drawFace(QPainter& painter, const QColor& back) const;
    void drawContent(QPainter& painter, const QPixmap& pixmap, const QColor& text) const;

    Picture m_pictures[3];
    QColor m_textColours[3];
    QColor m_backColours[3];
    QColor m_focusBackColour;
    int m_buttonStyle = Flat;
};

} // namespace mirevo
