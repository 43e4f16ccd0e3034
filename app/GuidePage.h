#pragma once

#include <QByteArray>
#include <QString>

namespace mirevo {

// The guide page "备考宝典": one constant XHTML 1.0 Transitional document, GBK-encoded, with
// the exam advice of the guide page. Empty only where the platform has no GBK codec.
QByteArray guidePageDocument();

// Writes the guide page to BaoDian.html in the program directory when no such file exists, and
// marks it read-only. An existing file, whatever its content, is left as it is; a failed write
// leaves no file behind, so that the next start tries again. Nothing is reported.
void writeGuidePageIfMissing(const QString& programDirectory);

} // namespace mirevo
