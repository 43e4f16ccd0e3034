#pragma once

#include <QString>
#include <QStringList>

namespace mirevo {

class Window;

// The practice window's controls that the question display, the answer recording and the
// answer card share.
namespace practiceControls {

inline const QString numberLabel = QStringLiteral("标签_通用号");
inline const QString standardAnswerLabel = QStringLiteral("标签_单选答案");
inline const QString trueRadio = QStringLiteral("单选框_判断正确");
inline const QString falseRadio = QStringLiteral("单选框_判断错误");
inline const QString trueAnswer = QStringLiteral("正确");
inline const QString falseAnswer = QStringLiteral("错误");

// The option letters in the order in which answers are composed and tested.
inline const QStringList letters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                    QStringLiteral("D")};

inline QString singleRadio(const QString& letter)
{
    return QStringLiteral("单选框_单选") + letter;
}

inline QString multipleBox(const QString& letter)
{
    return QStringLiteral("选择框_多选") + letter;
}

// The ten option controls: four single-choice radios, four check boxes, two true/false radios.
QStringList allOptions();

// The number of the question on display, read from 标签_通用号 as an integer.
int displayedNumber(const Window& window);

// Sets the option controls of a question of the type to the answer text, by writing `checked`
// (no click is raised); the controls of the other types are left as they are.
void checkAnswer(const Window& window, const QString& type, const QString& answer);

} // namespace practiceControls

} // namespace mirevo
