// startup_probe mirevo DIR | bare | text: starts the program on the files in DIR, a bare Qt
// Widgets window, or a window showing one line of Chinese text, and exits as soon as its first
// window is exposed.
#include "Program.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    FirstExposure probe;
    application.installEventFilter(&probe);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("mirevo"))
        return mirevo::runProgram(QCoreApplication::applicationDirPath(), arguments[2]);
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
