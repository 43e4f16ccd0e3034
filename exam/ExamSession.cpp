#include "ExamSession.h"

#include "Label.h"
#include "ValueText.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

ExamSession::ExamSession(Window& window, ProgramState& state, Services services)
    : window(window), state(state), services(services), answerCard(window)
{}

int ExamSession::shownNumber() const
{
    const double number = textToNumber(window.control<Label>(u"标签_题号"_s)->caption());
    return int(qBound(-1.0e9, number, 1.0e9));
}

int ExamSession::currentQuestion() const
{
    const QString caption = window.control<Label>(u"标签_题号"_s)->caption();
    bool ok = false;
    const int k = caption.toInt(&ok);
    if (!ok || k < 1 || k > examQuestionIds.size() || QString::number(k) != caption)
        return 0;
    return k;
}

} // namespace mirevo
