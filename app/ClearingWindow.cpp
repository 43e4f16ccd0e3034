#include "ClearingWindow.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "CheckBox.h"
#include "ClearingWindowDescription.h"
#include "ProgramState.h"
#include "RecordClearing.h"
#include "StudyLogClearing.h"
#include "Window.h"

#include <array>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

struct ClearingChoice
{
    const char16_t* checkBox;
    bool (*clear)(ProgramState&);
    // The matching part of the study log, cleared once the bank's records are.
    bool (*clearLog)(ProgramState&);
};

// The order in which the checked kinds are cleared.
constexpr std::array<ClearingChoice, 4> clearingChoices{{
    {u"选择框_章节做题记录", clearPracticeAnswers, clearPracticeLog},
    {u"选择框_错题收藏记录", clearFavouriteMarks, nullptr},
    {u"选择框_考试得分记录", clearPaperScores, clearHandInLog},
    {u"选择框_考试做题记录", clearPaperAnswers, nullptr},
}};

// Clears every checked kind in order after the user has agreed, stopping at the first failure.
void clearChecked(const Window& window, ProgramState& state, MessageBoxService& messageBox,
                  const std::function<void()>& cleared)
{
    QList<const ClearingChoice*> checked;
    QStringList kinds;
    for (const ClearingChoice& choice : clearingChoices) {
        const auto* box = window.control<CheckBox>(QString::fromUtf16(choice.checkBox));
        if (box->isChecked()) {
            checked << &choice;
            kinds << box->caption();
        }
    }
    if (checked.isEmpty()) {
        messageBox.show(u"请选择要清除的记录。"_s);
        return;
    }
    if (messageBox.show(u"确定要清除"_s + subjectName(state.currentSubject) + u"的"_s + kinds.join(u"、"_s) +
                            u"吗？"_s,
                        StyleYesNo) != ButtonYes)
        return;
    QString outcome = u"清除完毕！"_s;
    for (const ClearingChoice* choice : std::as_const(checked)) {
        if (!choice->clear(state)) {
            // Worded now: the main window refills its grids below, which reads the bank again.
            outcome = writeFailureMessage(state, u"记录未能清除。"_s);
            break;
        }
        if (choice->clearLog && !choice->clearLog(state)) {
            outcome = u"错误代码！"_s;
            break;
        }
    }
    // What was cleared before a failure is gone: the main window shows it either way.
    if (cleared)
        cleared();
    messageBox.show(outcome);
}

} // namespace

void openClearingWindow(ProgramState& state, Services services, std::function<void()> cleared)
{
    auto* window = new Window(clearingWindowDescription());
    QObject::connect(window, &Window::created, window, [window] { window->setTitle(u"清除记录"_s); });
    window->bind(u"按钮_确定"_s, ControlEvent::Clicked, [window, &state, services, cleared] {
        clearChecked(*window, state, services.messageBox, cleared);
    });
    window->open(false);
}

} // namespace mirevo
