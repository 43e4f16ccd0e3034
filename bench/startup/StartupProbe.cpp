// startup_probe mirevo DIR | bare | text: starts the program on the files in DIR, a bare Qt
// Widgets window, or a window showing one line of Chinese text, and exits as soon as its first
// window is exposed. On exit it prints its peak resident set size in KiB, so the benchmark
// reads time and memory of the same run.
//
// Built twice: as startup_probe, linked with the program, and as startup_floor, linked with Qt
// Widgets alone (MIREVO_FLOOR), whose windows are what a Qt program cannot start faster than.
#ifndef MIREVO_FLOOR
#include "Program.h"
#endif

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

class FirstExposure : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType())
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

int run(const QStringList& arguments)
{
#ifndef MIREVO_FLOOR
    if (arguments.size() == 3 && arguments[1] == QLatin1String("mirevo"))
        return mirevo::runProgram(QCoreApplication::applicationDirPath(), arguments[2]);
#endif
    if (arguments.size() == 2 && arguments[1] == QLatin1String("bare")) {
        QWidget window;
        window.resize(900, 582);
        window.show();
        return QApplication::exec();
    }
    if (arguments.size() == 2 && arguments[1] == QLatin1String("text")) {
        QLabel window(QStringLiteral("会计初级职称"));
        window.setFont(QFont(QStringLiteral("Noto Sans CJK SC")));
        window.resize(900, 582);
        window.show();
        return QApplication::exec();
    }
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FirstExposure probe;
    application.installEventFilter(&probe);
    const int exitCode = run(QCoreApplication::arguments());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return exitCode;
}
