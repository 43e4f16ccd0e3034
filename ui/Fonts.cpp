#include "Fonts.h"

#include "WindowDescription.h"

#include <QApplication>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString guiFace = u"Noto Sans CJK SC"_s;
const QString songFace = u"Noto Serif CJK SC"_s;

} // namespace

void installFontSubstitutions()
{
    for (const QString& face : {u"宋体"_s, u"新宋体"_s, u"宋体-PUA"_s, u"SimSun"_s, u"NSimSun"_s})
        QFont::insertSubstitution(face, songFace);
    // The close button's Webdings cross is drawn by the button itself; mapping the face spares
    // the font database a search for a face it does not have.
    QFont::insertSubstitution(u"Webdings"_s, guiFace);
    QFont font(guiFace);
    font.setPixelSize(12);
    QApplication::setFont(font);
}

QFont defaultGuiFont()
{
    return QApplication::font();
}

QString substitutedFace(const QString& face)
{
    // Named directly rather than through QFont's substitution table: a family the font
    // database knows spares it a fallback search at every new font.
    static const QStringList songFaces = {u"宋体"_s, u"新宋体"_s, u"宋体-PUA"_s, u"SimSun"_s, u"NSimSun"_s};
    if (songFaces.contains(face))
        return songFace;
    return face;
}

QFont qtFont(const DesignFont& design)
{
    QFont font(substitutedFace(design.face));
    if (design.pixelHeight > 0)
        font.setPixelSize(design.pixelHeight);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    return font;
}

} // namespace mirevo
