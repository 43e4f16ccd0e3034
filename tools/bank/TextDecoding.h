#pragma once

#include <QByteArray>
#include <QString>

namespace mirevo {

struct DecodedText
{
    QString text;
    QString encoding; // the encoding the bytes were read in; empty when none fits
};

// Reads the bytes of a spreadsheet export: by their byte order mark (UTF-8, UTF-16, UTF-32),
// else as UTF-8 when they are valid UTF-8, else as GB18030, the superset of GBK that Chinese
// Windows writes. The mark is not part of the text.
DecodedText decodeSpreadsheetText(const QByteArray& bytes);

} // namespace mirevo
