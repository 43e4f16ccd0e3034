#include "ClearingWindow.h"

#include "CheckBox.h"
#include "ClearingWindowDescription.h"
#include "ProgramState.h"
#include "RecordClearing.h"
#include "Window.h"

#include <algorithm>
#include <array>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

struct ClearingChoice
{
    const char16_t* checkBox;
    bool (*clear)(ProgramState&);
};

// The order in which the boxes are looked at: the first checked one decides.
constexpr std::array<ClearingChoice, 4> clearingChoices{{
    {u"选择框_章节做题记录", clearPracticeAnswers},
    {u"选择框_错题收藏记录", clearFavouriteMarks},
    {u"选择框_考试得分记录", clearPaperScores},
    {u"选择框_考试做题记录", clearPaperAnswers},
}};

void clearFirstChecked(const Window& window, ProgramState& state, MessageBoxService& messageBox)
{
    const auto checked =
        std::find_if(clearingChoices.begin(), clearingChoices.end(), [&](const ClearingChoice& c) {
            return window.control<CheckBox>(QString::fromUtf16(c.checkBox))->isChecked();
        });
    if (checked != clearingChoices.end() && !checked->clear(state)) {
        messageBox.show(u"错误代码！"_s);
        return;
    }
    messageBox.show(u"清除完毕！"_s);
}

} // namespace

void openClearingWindow(ProgramState& state, Services services)
{
    auto* window = new Window(clearingWindowDescription());
    QObject::connect(window, &Window::created, window, [window] { window->setTitle(u"清除记录"_s); });
    window->bind(u"按钮_确定"_s, ControlEvent::Clicked,
                 [window, &state, services] { clearFirstChecked(*window, state, services.messageBox); });
    window->open(false);
}

} // namespace mirevo
