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
    QFont font(guiFace);
    font.setPixelSize(12);
    QApplication::setFont(font);
}

QFont defaultGuiFont()
{
    return QApplication::font();
}

QFont fontFromSpec(const FontSpec& spec)
{
    QFont font(spec.face);
    if (spec.pixelHeight > 0)
        font.setPixelSize(spec.pixelHeight);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

} // namespace mirevo
