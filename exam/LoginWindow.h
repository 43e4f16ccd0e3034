#pragma once

#include "ExamContext.h"
#include "ExamWindow.h"

#include <QObject>
#include <QPointer>

namespace mirevo {

// The candidate login screen in front of the examination. It stays, hidden, while the
// examination window is open; the examination window closes it.
class LoginWindow : public QObject
{
    Q_OBJECT
public:
    // Creates the window (not yet open); the object belongs to it.
    explicit LoginWindow(const ExamContext& context);

    Window* window() const;
    bool open();

private:
    void created();
    void logIn();
    void closing();

    ExamContext m_context;
    QPointer<ExamWindow> m_examWindow;
};

} // namespace mirevo
