#include "PracticeKeys.h"

#include "KeyboardAnswering.h"
#include "PracticeControls.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;
using namespace practiceControls;

void bindPracticeKeys(Window& window)
{
    auto* keys = new KeyboardAnswering(window);
    const QList<int> letterKeys = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D};
    const QList<int> digitKeys = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int i = 0; i < 4; ++i) {
        const QString& letter = letters[i];
        const QStringList options = {singleRadio(letter), multipleBox(letter)};
        keys->bind(letter, {letterKeys[i]}, options);
        // 1 and 2 also answer a true-or-false question; only its own controls are shown then.
        QStringList numbered = options;
        if (i == 0)
            numbered.append(trueRadio);
        if (i == 1)
            numbered.append(falseRadio);
        keys->bind(QString::number(i + 1), {digitKeys[i]}, numbered);
    }
    keys->bind(u"Y"_s, {Qt::Key_Y}, {trueRadio});
    keys->bind(u"N"_s, {Qt::Key_N}, {falseRadio});
    keys->bind(u"PageDown"_s, {Qt::Key_PageDown}, {u"按钮_下一题"_s});
    keys->bind(u"Enter"_s, {Qt::Key_Return, Qt::Key_Enter}, {u"按钮_下一题"_s});
    keys->bind(u"PageUp"_s, {Qt::Key_PageUp}, {u"按钮_上一题"_s});
    keys->bind(u"空格"_s, {Qt::Key_Space}, {u"按钮_显示答案"_s});
}

} // namespace mirevo
