#pragma once

#include <QFile>
#include <QString>
#include <QStringEncoder>

namespace mirevo::test {

// Writes a small HTML page encoded in GBK, declaring its charset as the guide page does.
inline bool writeGbkPage(const QString& path, const QString& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(
        QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=GBK\">"
                       "</head><body>") +
        body + QStringLiteral("</body></html>"));
    return file.write(bytes) == bytes.size();
}

} // namespace mirevo::test
