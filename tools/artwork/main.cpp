// mirevo-artwork OUTDIR: paints the pictures of the screens into OUTDIR as PNG files, with
// the resource list pictures.qrc that embeds them under ":/pictures".
#include "Artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: mirevo-artwork OUTDIR\n";
        return 2;
    }
    const QDir out(arguments[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "mirevo-artwork: cannot create " << arguments[1] << '\n';
        return 1;
    }
    QString list = QStringLiteral("<RCC>\n<qresource prefix=\"/pictures\">\n");
    for (const mirevo::Artwork& artwork : mirevo::allArtwork()) {
        const QString path = out.filePath(artwork.fileName);
        // JPEG for the smooth opaque pictures (quick to decode), PNG for everything else.
        const bool jpeg = artwork.fileName.endsWith(QStringLiteral(".jpg"));
        if (!artwork.paint().save(path, jpeg ? "JPEG" : "PNG", jpeg ? 92 : -1)) {
            QTextStream(stderr) << "mirevo-artwork: cannot write " << path << '\n';
            return 1;
        }
        list += QStringLiteral("<file>") + artwork.fileName + QStringLiteral("</file>\n");
    }
    list += QStringLiteral("</qresource>\n</RCC>\n");
    QFile qrc(out.filePath(QStringLiteral("pictures.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) || qrc.write(list.toUtf8()) < 0) {
        QTextStream(stderr) << "mirevo-artwork: cannot write pictures.qrc\n";
        return 1;
    }
    return 0;
}
