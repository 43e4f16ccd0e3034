#include "LoginWindow.h"

#include "Button.h"
#include "ButtonFace.h"
#include "ExamLayout.h"
#include "ExamWindow.h"
#include "ExamWindowDescriptions.h"
#include "Settings.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

LoginWindow::LoginWindow(const ExamContext& context)
    : QObject(new Window(examLoginWindowDescription())), m_context(context)
{
    Window& w = *window();
    showPictureAsFace(w.control<Button>(u"按钮_登录"_s), u"exam-login.png"_s, {});
    showPictureAsFace(w.control<Button>(u"按钮_重置"_s), u"exam-reset.png"_s, {});
    connect(&w, &Window::created, this, &LoginWindow::created);
    connect(&w, &Window::sizeChanged, this, [this] { centreLoginPanel(*window()); });
    connect(&w, &Window::aboutToBeDestroyed, this, &LoginWindow::closing);
    w.bind(u"按钮_登录"_s, ControlEvent::Clicked, [this] { logIn(); });
}

Window* LoginWindow::window() const
{
    return static_cast<Window*>(parent());
}

bool LoginWindow::open()
{
    return window()->open(false);
}

void LoginWindow::created()
{
    window()->setTitle(u"考生登录"_s);
    window()->setPosition(int(m_context.settings.readNumber(ExamWindowState)));
}

void LoginWindow::logIn()
{
    window()->hide();
    m_examWindow = new ExamWindow(m_context, window());
    m_examWindow->open();
}

void LoginWindow::closing()
{
    // Closed without sitting the paper (close box or Esc): back to the main window.
    const bool examinationOpen = m_examWindow && !m_examWindow->window()->isClosing();
    if (!examinationOpen && m_context.mainWindow)
        m_context.mainWindow->showRestored();
}

} // namespace mirevo
