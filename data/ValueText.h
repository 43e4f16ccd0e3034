#pragma once

#include <QString>
#include <QVariant>

namespace mirevo {

// Value to text: integers as decimal digits; doubles in the shortest form with up to 13
// significant digits (exponent form, as "1e+20", beyond that); singles with up to 6; booleans
// "真" or "假"; NULL as the empty text. Bytes are read as UTF-8 text, date-times as
// "yyyy-MM-dd HH:mm:ss".
QString valueToText(const QVariant& value);

// Text to number: the leading decimal number of the text (after leading blanks; an optional
// sign, digits with an optional fraction and exponent), 0 when none.
double textToNumber(const QString& text);

// The text without its leading and trailing blanks, ASCII and full-width (U+3000); any other
// white space stays.
QString trimmedBlanks(const QString& text);

} // namespace mirevo
