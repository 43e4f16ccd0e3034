#include "PracticeRecording.h"

#include "BankAccess.h"
#include "Label.h"
#include "PracticeCard.h"
#include "PracticeControls.h"
#include "PracticeStatements.h"
#include "ProgramState.h"
#include "Services.h"
#include "Window.h"

#include <QAbstractButton>

namespace mirevo {

using namespace Qt::StringLiterals;
using namespace practiceControls;

PracticeRecording::PracticeRecording(Window& window, PracticeCard& card, ProgramState& state,
                                     MessageBoxService& messageBox, const QList<qint64>& questionIds)
    : m_window(window), m_card(card), m_state(state), m_messageBox(messageBox), m_questionIds(questionIds)
{}

void PracticeRecording::bindOptions()
{
    for (const QString& name : allOptions())
        m_window.bind(name, ControlEvent::LeftButtonPressed, [this] { markPracticeCellAnswered(); });
    for (const QString& letter : letters) {
        m_window.bind(singleRadio(letter), ControlEvent::Clicked,
                      [this, letter] { savePracticeSingle(letter); });
        m_window.bind(multipleBox(letter), ControlEvent::Clicked, [this] { savePracticeMultiple(); });
    }
    m_window.bind(trueRadio, ControlEvent::Clicked, [this] { savePracticeTrueFalse(trueAnswer); });
    m_window.bind(falseRadio, ControlEvent::Clicked, [this] { savePracticeTrueFalse(falseAnswer); });
}

std::optional<qint64> PracticeRecording::displayedQuestionId(int number) const
{
    if (number < 1 || number > m_questionIds.size())
        return std::nullopt;
    return m_questionIds[number - 1];
}

bool PracticeRecording::isChecked(const QString& name) const
{
    return m_window.control<QAbstractButton>(name)->isChecked();
}

void PracticeRecording::markPracticeCellAnswered()
{
    m_card.markAnswered(displayedNumber(m_window));
}

void PracticeRecording::store(const QString& answer)
{
    const int number = displayedNumber(m_window);
    const std::optional<qint64> id = displayedQuestionId(number);
    if (!id)
        return;
    // A correctness colour is shown only for an answer that was kept.
    if (!runUpdate(m_state, answerUpdate(m_state.currentSubject, answer, *id))) {
        m_messageBox.show(u"错误代码！"_s);
        return;
    }
    if (!m_card.isMarkedAnswered(number))
        return;
    const bool right = m_window.control<Label>(standardAnswerLabel)->caption() == answer;
    m_card.setColour(number, right ? PracticeCard::Colour::Right : PracticeCard::Colour::Wrong);
}

void PracticeRecording::savePracticeSingle(const QString& letter)
{
    store(letter);
}

void PracticeRecording::savePracticeTrueFalse(const QString& value)
{
    store(value);
}

void PracticeRecording::savePracticeMultiple()
{
    QString ticked;
    for (const QString& letter : letters) {
        if (isChecked(multipleBox(letter)))
            ticked += letter;
    }
    store(ticked);
}

void PracticeRecording::resavePracticeSingle()
{
    for (const QString& letter : letters) {
        if (isChecked(singleRadio(letter))) {
            savePracticeSingle(letter);
            return;
        }
    }
}

void PracticeRecording::resavePracticeTrueFalse()
{
    if (isChecked(trueRadio))
        savePracticeTrueFalse(trueAnswer);
    else if (isChecked(falseRadio))
        savePracticeTrueFalse(falseAnswer);
}

} // namespace mirevo
