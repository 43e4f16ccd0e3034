#include "PracticeControls.h"

#include "Label.h"
#include "ValueText.h"
#include "Window.h"

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

} // namespace mirevo::practiceControls
