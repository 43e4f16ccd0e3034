#pragma once

#include "Services.h"

#include <QByteArray>
#include <QString>

namespace mirevo {

// The part of `page` between the first start marker and the end marker after it. Positions
// are 1-based byte positions and the searches ignore ASCII letter case: p1 is the start
// marker's position (−1 when absent), p2 the end marker's, searched from p1 + the end marker's
// length (−1 when absent); the result starts at p1 + the start marker's length and is
// p2 − p1 − that length bytes long, empty when it would start outside the page or has no
// length. An empty marker is never found.
QByteArray extractBetweenMarkers(const QByteArray& page, const QByteArray& startMarker,
                                 const QByteArray& endMarker);

// Fetches the update page and shows the notice "当前版本已过旧，,请及时更新!" when the page
// names a version (the non-empty text between "1234567=" and "=7654321") other than the last
// 3 bytes, in GBK, of `versionCaption`. A failed fetch or a page without the version says
// nothing.
void runUpdateCheck(HttpService& http, MessageBoxService& messageBox, const QString& versionCaption);

} // namespace mirevo
