#include "PracticeControls.h"

#include "Label.h"
#include "ValueText.h"
#include "Window.h"

#include <QAbstractButton>

namespace mirevo::practiceControls {

QStringList allOptions()
{
    QStringList names;
    for (const QString& letter : letters)
        names.append(singleRadio(letter));
    for (const QString& letter : letters)
        names.append(multipleBox(letter));
    names << trueRadio << falseRadio;
    return names;
}

int displayedNumber(const Window& window)
{
    return int(textToNumber(window.control<Label>(numberLabel)->caption()));
}

void checkAnswer(const Window& window, const QString& type, const QString& answer)
{
    const auto check = [&window](const QString& name, bool checked) {
        window.control<QAbstractButton>(name)->setChecked(checked);
    };
    if (type == QStringLiteral("单选题")) {
        for (const QString& letter : letters)
            check(singleRadio(letter), letter == answer);
    } else if (type == QStringLiteral("多选题")) {
        for (const QString& letter : letters)
            check(multipleBox(letter), answer.contains(letter, Qt::CaseSensitive));
    } else if (type == QStringLiteral("判断题")) {
        check(trueRadio, answer == trueAnswer);
        check(falseRadio, answer == falseAnswer);
    }
}

} // namespace mirevo::practiceControls
