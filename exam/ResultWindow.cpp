#include "ResultWindow.h"

#include "EditBox.h"
#include "ExamSession.h"
#include "ExamWindowDescriptions.h"
#include "Label.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

struct TypeRow
{
    QString type;
    QString points;
};

const TypeRow typeRows[] = {
    {u"单选题"_s, u"1.5"_s},
    {u"多选题"_s, u"2"_s},
    {u"判断题"_s, u"1"_s},
    {u"不定项选择题"_s, u"2"_s},
};

} // namespace

ResultWindow::ResultWindow(const ExamSession& session)
    : QObject(new Window(examResultWindowDescription())), m_session(session)
{
    connect(window(), &Window::created, this, &ResultWindow::fill);
}

Window* ResultWindow::window() const
{
    return static_cast<Window*>(parent());
}

bool ResultWindow::open()
{
    return window()->open(false);
}

void ResultWindow::refresh()
{
    fill();
    Window* w = window();
    if (w->isMinimized())
        w->showNormal();
    w->raise();
    w->activateWindow();
}

void ResultWindow::fill()
{
    Window& w = *window();
    const Window& exam = m_session.window;
    auto* standard = w.control<Label>(u"标签_标准答案"_s);
    auto* given = w.control<Label>(u"标签_你的答案"_s);
    auto* points = w.control<Label>(u"标签_本题得分"_s);
    standard->setCaption(exam.control<Label>(u"标签_答案"_s)->caption());
    // The answer the bank holds for the question: the one given during this visit, else the
    // one stored on an earlier visit.
    given->setCaption(m_session.displayedAnswer);
    w.control<EditBox>(u"编辑框1"_s)->setContent(exam.control<EditBox>(u"编辑框_答题解析"_s)->content());

    const QString number = exam.control<Label>(u"标签_题号"_s)->caption();
    for (const TypeRow& row : typeRows) {
        if (row.type == m_session.currentQuestionType) {
            w.control<Label>(u"标签_当前题"_s)->setCaption(row.type + u" 题号："_s + number);
            points->setCaption(row.points);
        }
    }

    auto* mark = w.control<PictureBox>(u"图片框1"_s);
    if (!given->caption().isEmpty() && standard->caption() == given->caption()) {
        mark->setPicture(Picture::named(u"exam-tick.png"_s));
    } else {
        points->setCaption(u"0"_s);
        mark->setPicture(Picture::named(u"exam-cross.png"_s));
    }
}

} // namespace mirevo
