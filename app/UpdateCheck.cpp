#include "UpdateCheck.h"

#include "BuildConfig.h"

#include <QStringEncoder>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QByteArray versionStartMarker = "1234567=";
const QByteArray versionEndMarker = "=7654321";

// The 1-based position of the first occurrence of `marker` at or after the 1-based position
// `from`, ignoring ASCII letter case; −1 when there is none.
qsizetype findIgnoringCase(const QByteArray& page, const QByteArray& marker, qsizetype from)
{
    if (marker.isEmpty())
        return -1;
    const qsizetype index = page.toLower().indexOf(marker.toLower(), qMax<qsizetype>(from - 1, 0));
    return index < 0 ? -1 : index + 1;
}

QByteArray lastGbkBytes(const QString& text, qsizetype count)
{
    // Without a GBK codec the caption's ASCII tail still reads the same in UTF-8.
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.isValid() ? QByteArray(gbk.encode(text)) : text.toUtf8();
    return bytes.right(count);
}

} // namespace

QByteArray extractBetweenMarkers(const QByteArray& page, const QByteArray& startMarker,
                                 const QByteArray& endMarker)
{
    const qsizetype p1 = findIgnoringCase(page, startMarker, 1);
    const qsizetype p2 = findIgnoringCase(page, endMarker, p1 + endMarker.size());
    const qsizetype start = p1 + startMarker.size();
    const qsizetype length = p2 - p1 - startMarker.size();
    if (start < 1 || start > page.size() || length <= 0)
        return {};
    return page.mid(start - 1, length);
}

void runUpdateCheck(HttpService& http, MessageBoxService& messageBox, const QString& versionCaption)
{
    QByteArray page = http.get(updatePageAddress());
    const qsizetype zero = page.indexOf('\0');
    if (zero >= 0)
        page.truncate(zero);
    // Without the start marker the extraction can still yield bytes; they name no version.
    if (findIgnoringCase(page, versionStartMarker, 1) < 0)
        return;
    const QByteArray version = extractBetweenMarkers(page, versionStartMarker, versionEndMarker);
    if (version.isEmpty() || version == lastGbkBytes(versionCaption, 3))
        return;
    messageBox.show(u"当前版本已过旧，,请及时更新!"_s, StyleOk);
}

} // namespace mirevo
