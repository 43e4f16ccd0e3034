#pragma once

#include <QFont>

namespace mirevo {

struct DesignFont;

// Maps the Song faces of the screens (宋体, 新宋体, 宋体-PUA) to Noto Serif CJK SC and makes
// Noto Sans CJK SC the default GUI font. Call once after the application object exists.
void installFontSubstitutions();

// The font a control draws with when its description gives none.
QFont defaultGuiFont();

// The Qt font that draws a design font on this system.
QFont qtFont(const DesignFont& design);

// The face that stands in for a face of the screens on this system.
QString substitutedFace(const QString& face);

} // namespace mirevo
