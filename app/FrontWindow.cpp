#include "FrontWindow.h"

#include "Window.h"

#include <QApplication>
#include <QWidget>

namespace mirevo {

void bringProgramToFront(const QString& activationToken)
{
    // Wayland moves the focus only with the token of the start the user made.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            shown << widget;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        shown.removeAll(modal);
        shown << modal;
    }
    for (QWidget* widget : std::as_const(shown)) {
        if (auto* window = qobject_cast<Window*>(widget)) {
            window->showRestored();
            continue;
        }
        widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
        widget->raise();
    }
    if (!shown.isEmpty())
        shown.last()->activateWindow();
}

} // namespace mirevo
