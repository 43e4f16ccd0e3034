#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

namespace mirevo {

// One picture of the screens: its file name and how it is painted.
struct Artwork
{
    QString fileName;
    std::function<QImage()> paint;
};

// Every picture of the screens; the contact code picture encodes contactUrl.
QList<Artwork> allArtwork(const QString& contactUrl);

} // namespace mirevo
