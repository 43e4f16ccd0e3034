#pragma once

#include <QColor>
#include <QString>

class QPushButton;

namespace mirevo {

// Shows a button's picture as its whole face, stretched under the caption, as the exam
// screens draw their picture buttons (a push button would put the picture beside the caption).
void showPictureAsFace(QPushButton* button, const QString& pictureName, const QColor& captionColour);

} // namespace mirevo
