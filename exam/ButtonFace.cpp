#include "ButtonFace.h"

#include "Pictures.h"

#include <QPushButton>

namespace mirevo {

using namespace Qt::StringLiterals;

void showPictureAsFace(QPushButton* button, const QString& pictureName, const QColor& captionColour)
{
    // The pictures are resources under :/pictures/; asking for one first makes sure they are
    // registered before the style sheet looks the file up.
    if (picture(pictureName).isNull())
        return;
    button->setIcon({});
    const QString colour = captionColour.isValid() ? captionColour.name() : u"black"_s;
    button->setStyleSheet(
        u"QPushButton { border: 0; border-image: url(:/pictures/%1) 0 0 0 0 stretch stretch;"
        " color: %2; }"
        " QPushButton:pressed { padding-top: 2px; padding-left: 2px; }"_s.arg(pictureName, colour));
}

} // namespace mirevo
