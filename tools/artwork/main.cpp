// mirevo-artwork OUTDIR CONTACT-URL: paints the pictures of the screens into OUTDIR as PNG and
// JPEG files, each also at twice the density ("name@2x.png") for high-density screens, with the
// resource list pictures.qrc that embeds them under ":/pictures". The contact code picture
// encodes CONTACT-URL.
// mirevo-artwork --icons OUTDIR NAME: paints the program's icon for the desktop's icon theme as
// OUTDIR/SIZExSIZE/apps/NAME.png at each size a menu asks for.
#include "Artwork.h"
#include "ArtworkScale.h"
#include "ProgramIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString doubleDensityName(const QString& fileName)
{
    const QFileInfo info(fileName);
    return info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
}

bool save(const QImage& image, const QString& path)
{
    // JPEG for the smooth opaque pictures (quick to decode), PNG for everything else.
    const bool jpeg = path.endsWith(QStringLiteral(".jpg"));
    return !image.isNull() && image.save(path, jpeg ? "JPEG" : "PNG", jpeg ? 92 : -1);
}

int paintIcons(const QDir& out, const QString& name)
{
    for (const int size : {32, 64, 128, 256}) {
        const QString directory = u"%1x%1/apps"_s.arg(size);
        const QString path = out.filePath(directory + u'/' + name + u".png"_s);
        if (!out.mkpath(directory) || !save(mirevo::programIcon(size), path)) {
            QTextStream(stderr) << "mirevo-artwork: cannot paint or write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == u"--icons"_s)
        return paintIcons(QDir(arguments[2]), arguments[3]);
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: mirevo-artwork OUTDIR CONTACT-URL\n"
                               "       mirevo-artwork --icons OUTDIR NAME\n";
        return 2;
    }
    const QDir out(arguments[1]);
    if (!out.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "mirevo-artwork: cannot create " << arguments[1] << '\n';
        return 1;
    }
    QString list = QStringLiteral("<RCC>\n<qresource prefix=\"/pictures\">\n");
    for (const mirevo::Artwork& artwork : mirevo::allArtwork(arguments[2])) {
        const QImage single = artwork.paint();
        const QString path = out.filePath(artwork.fileName);
        if (!save(single, path)) {
            QTextStream(stderr) << "mirevo-artwork: cannot paint or write " << path << '\n';
            return 1;
        }
        list += QStringLiteral("<file>") + artwork.fileName + QStringLiteral("</file>\n");

        QImage twice;
        {
            const mirevo::ArtworkScale scale(2);
            twice = artwork.paint();
        }
        // A picture painted without the scaled canvas has no double-density variant.
        if (twice.size() != single.size() * 2)
            continue;
        const QString name = doubleDensityName(artwork.fileName);
        if (!save(twice, out.filePath(name))) {
            QTextStream(stderr) << "mirevo-artwork: cannot write " << out.filePath(name) << '\n';
            return 1;
        }
        list += QStringLiteral("<file>") + name + QStringLiteral("</file>\n");
    }
    list += QStringLiteral("</qresource>\n</RCC>\n");
    QFile qrc(out.filePath(QStringLiteral("pictures.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate) || qrc.write(list.toUtf8()) < 0) {
        QTextStream(stderr) << "mirevo-artwork: cannot write pictures.qrc\n";
        return 1;
    }
    return 0;
}
