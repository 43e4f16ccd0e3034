#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

class QAbstractButton;

namespace mirevo {

class Window;

// Answering from the keyboard. A key presses a control as the mouse does, with a press and a
// release of the left button on it, so that it runs exactly the handlers a click runs. A key
// presses the first of its controls that is visible and enabled, and nothing when none is.
// Every control's tooltip names the keys that press it. Keys the window already uses (Esc,
// the arrow keys among radio boxes) are left to it.
class KeyboardAnswering : public QObject
{
    Q_OBJECT
public:
    // Belongs to the window.
    explicit KeyboardAnswering(Window& window);

    // `name` is the key as the tooltips write it; `keys` are the keys that stand for it.
    void bind(const QString& name, const QList<int>& keys, const QStringList& controls);

    // A press and a release of the left button in the middle of the button.
    static void pressLikeTheMouse(QAbstractButton* button);

private:
    void pressFirstAvailable(const QStringList& controls);
    void nameKey(const QString& control, const QString& name);

    Window& m_window;
    QHash<QString, QStringList> m_keyNames;
};

} // namespace mirevo
