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
                                     MessageBoxService& messageBox, WallClock& wallClock,
                                     const QList<qint64>& questionIds)
    : m_window(window), m_card(card), m_state(state), m_messageBox(messageBox), m_questionIds(questionIds),
      m_log(state, wallClock, messageBox)
{}

void PracticeRecording::questionShown(const QString& storedAnswer, const QString& chapter)
{
    m_storedAnswer = storedAnswer;
    m_log.questionShown(chapter);
}

void PracticeRecording::bindOptions()
{
    for (const QString& name : allOptions())
        m_window.bind(name, ControlEvent::LeftButtonPressed, [this] { markPracticeCellAnswered(); });
    // A click marks the cell as well: a choice made with the keyboard has had no press.
    for (const QString& letter : letters) {
        m_window.bind(singleRadio(letter), ControlEvent::Clicked, [this, letter] {
            markPracticeCellAnswered();
            savePracticeSingle(letter);
        });
        m_window.bind(multipleBox(letter), ControlEvent::Clicked, [this] {
            markPracticeCellAnswered();
            savePracticeMultiple();
        });
    }
    for (const QString& value : {trueAnswer, falseAnswer}) {
        m_window.bind(value == trueAnswer ? trueRadio : falseRadio, ControlEvent::Clicked, [this, value] {
            markPracticeCellAnswered();
            savePracticeTrueFalse(value);
        });
    }
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

bool PracticeRecording::isChoice() const
{
    const QObject* source = m_window.eventSource();
    return source && allOptions().contains(source->objectName());
}

void PracticeRecording::markPracticeCellAnswered()
{
    m_card.markAnswered(displayedNumber(m_window));
}

bool PracticeRecording::store(const QString& answer)
{
    const int number = displayedNumber(m_window);
    const std::optional<qint64> id = displayedQuestionId(number);
    if (!id)
        return true;
    // A correctness colour is shown only for an answer that was kept.
    const UpdateOutcome outcome = runRowUpdate(m_state, answerUpdate(m_state.currentSubject, answer, *id));
    if (outcome != UpdateOutcome::Stored) {
        m_messageBox.show(notStoredMessage(outcome));
        checkAnswer(m_window, m_window.control<Label>(u"透明标签_题型"_s)->caption(), m_storedAnswer);
        if (m_storedAnswer.isEmpty())
            m_card.unmarkAnswered(number);
        return false;
    }
    m_storedAnswer = answer;
    const bool right = m_window.control<Label>(standardAnswerLabel)->caption() == answer;
    m_log.answerStored(*id, answer, right, isChoice());
    if (!m_card.isMarkedAnswered(number))
        return true;
    m_card.setColour(number, right ? PracticeCard::Colour::Right : PracticeCard::Colour::Wrong);
    return true;
}

bool PracticeRecording::savePracticeSingle(const QString& letter)
{
    return store(letter);
}

bool PracticeRecording::savePracticeTrueFalse(const QString& value)
{
    return store(value);
}

bool PracticeRecording::savePracticeMultiple()
{
    QString ticked;
    for (const QString& letter : letters) {
        if (isChecked(multipleBox(letter)))
            ticked += letter;
    }
    return store(ticked);
}

bool PracticeRecording::resavePracticeSingle()
{
    for (const QString& letter : letters) {
        if (isChecked(singleRadio(letter)))
            return savePracticeSingle(letter);
    }
    return true;
}

bool PracticeRecording::resavePracticeTrueFalse()
{
    if (isChecked(trueRadio))
        return savePracticeTrueFalse(trueAnswer);
    if (isChecked(falseRadio))
        return savePracticeTrueFalse(falseAnswer);
    return true;
}

} // namespace mirevo
