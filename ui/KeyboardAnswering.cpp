#include "KeyboardAnswering.h"

#include "Window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

namespace mirevo {

using namespace Qt::StringLiterals;

KeyboardAnswering::KeyboardAnswering(Window& window) : QObject(&window), m_window(window) {}

void KeyboardAnswering::bind(const QString& name, const QList<int>& keys, const QStringList& controls)
{
    for (const int key : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), &m_window);
        shortcut->setContext(Qt::WindowShortcut);
        // A held key answers once, not once per repeat.
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, controls] { pressFirstAvailable(controls); });
    }
    for (const QString& control : controls)
        nameKey(control, name);
}

void KeyboardAnswering::nameKey(const QString& control, const QString& name)
{
    auto* widget = m_window.control<QWidget>(control);
    if (!widget)
        return;
    QStringList& names = m_keyNames[control];
    names.append(name);
    widget->setToolTip(u"快捷键："_s + names.join(u" 或 "_s));
}

void KeyboardAnswering::pressFirstAvailable(const QStringList& controls)
{
    for (const QString& name : controls) {
        auto* button = m_window.control<QAbstractButton>(name);
        if (button && button->isVisible() && button->isEnabled()) {
            pressLikeTheMouse(button);
            return;
        }
    }
}

void KeyboardAnswering::pressLikeTheMouse(QAbstractButton* button)
{
    const QPointer<QAbstractButton> target(button);
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    // The press may have closed the window.
    if (!target)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace mirevo
