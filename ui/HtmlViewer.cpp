#include "HtmlViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

namespace mirevo {

namespace {

constexpr qint64 maximumDocumentSize = 8 * 1024 * 1024;

} // namespace

HtmlViewer::HtmlViewer(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
}

bool HtmlViewer::navigate(const QString& pathOrAddress)
{
    const QUrl url(pathOrAddress);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrAddress;
    m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumDocumentSize) {
        clear();
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder("GBK");
    setSearchPaths({QFileInfo(path).absolutePath()});
    setHtml(decoder.decode(bytes));
    return true;
}

} // namespace mirevo
