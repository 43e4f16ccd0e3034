#pragma once

#include <QString>
#include <QVariant>

class QObject;
class QWidget;

namespace mirevo {

// The properties every control kind has beyond Qt's geometry, visibility and enabled state.

QString controlTag(const QObject* control);
void setControlTag(QObject* control, const QString& tag);

// The mouse pointer over a control: 0 is the default, other values are system cursor numbers
// (32512 arrow, 32513 I-beam, 32649 hand, …).
int controlCursor(const QWidget* control);
void setControlCursor(QWidget* control, int cursorNumber);

// Font sub-fields: 0 angle (tenths of a degree, modulo 3600), 1 bold, 2 italic, 3 underline,
// 4 strike-out, 5 size in points, 6 face name (1 to 31 bytes in GBK, otherwise the default face).
enum FontSubField : int
{
    FontAngle = 0,
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 3,
    FontStrikeOut = 4,
    FontPointSize = 5,
    FontFaceName = 6,
};
// Changes one sub-field of a control's font; a control that never had a font of its own starts
// from the default GUI font, never from its parent's.
void setFontSubField(QWidget* control, int subField, const QVariant& value);
int fontAngle(const QWidget* control);

} // namespace mirevo
