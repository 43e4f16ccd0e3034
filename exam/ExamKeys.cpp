#include "ExamKeys.h"

#include "KeyboardAnswering.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

void bindExamKeys(Window& window)
{
    auto* keys = new KeyboardAnswering(window);
    const QStringList letters = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    const QList<int> letterKeys = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D};
    const QList<int> digitKeys = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int i = 0; i < 4; ++i) {
        const QStringList options = {u"单选框_"_s + letters[i], u"选择框_"_s + letters[i]};
        keys->bind(letters[i], {letterKeys[i]}, options);
        // 1 and 2 also answer a judgement question; only its own controls are shown then.
        QStringList numbered = options;
        if (i == 0)
            numbered.append(u"单选框_正确"_s);
        if (i == 1)
            numbered.append(u"单选框_错误"_s);
        keys->bind(QString::number(i + 1), {digitKeys[i]}, numbered);
    }
    keys->bind(u"Y"_s, {Qt::Key_Y}, {u"单选框_正确"_s});
    keys->bind(u"N"_s, {Qt::Key_N}, {u"单选框_错误"_s});
    keys->bind(u"PageDown"_s, {Qt::Key_PageDown}, {u"按钮_下一题1"_s});
    keys->bind(u"Enter"_s, {Qt::Key_Return, Qt::Key_Enter}, {u"按钮_下一题1"_s});
    keys->bind(u"PageUp"_s, {Qt::Key_PageUp}, {u"按钮_上一题1"_s});
    keys->bind(u"M"_s, {Qt::Key_M}, {u"选择框_标记"_s});
}

} // namespace mirevo
