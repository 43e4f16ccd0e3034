// mirevo-screenshots BANK OUTDIR: opens every window of the program, headless, over a copy of
// the question bank BANK and writes what they show to PNG files in OUTDIR.
#include "Fonts.h"
#include "ScreenshotTour.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // A screen as large as a common desktop, so that maximized windows show at their full size.
    QTemporaryDir scratch;
    const QString screenConfig = scratch.filePath(QStringLiteral("screen.json"));
    QFile config(screenConfig);
    if (!scratch.isValid() || !config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                            "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0) {
        QTextStream(stderr) << "mirevo-screenshots: cannot write the screen configuration\n";
        return 1;
    }
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screenConfig));

    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    mirevo::installFontSubstitutions();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: mirevo-screenshots BANK OUTDIR\n";
        return 2;
    }
    mirevo::ScreenshotTour tour(arguments[1], arguments[2]);
    if (!tour.run()) {
        QTextStream(stderr) << "mirevo-screenshots: " << tour.error() << '\n';
        return 1;
    }
    return 0;
}
