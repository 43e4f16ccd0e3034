#pragma once

#include "Pictures.h"

#include <QLabel>
#include <QPixmap>

namespace mirevo {

// A label: a caption with its own font, text colour and an optional background colour,
// picture and border. Captions use "\r\n" for line breaks, as stored.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setTextColour(const QColor& colour);
    QColor textColour() const;
    void setBackColour(const QColor& colour);
    QColor backColour() const { return m_backColour; }
    void setBackPicture(const Picture& picture);
    void setBorder(int border);
    int border() const { return m_border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_backColour;
    Picture m_backPicture;
    int m_border = 0;
};

// A label without a background of its own: the parent always shows through.
class TransparentLabel : public Label
{
    Q_OBJECT
public:
    explicit TransparentLabel(QWidget* parent = nullptr) : Label(parent) {}
};

} // namespace mirevo
