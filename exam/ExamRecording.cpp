#include "ExamRecording.h"

#include "BankAccess.h"
#include "CheckBox.h"
#include "ExamSession.h"
#include "ExamStatements.h"
#include "Label.h"
#include "ProgramState.h"
#include "RadioBox.h"
#include "Window.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QStringList optionLetters = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
const QString rightWord = u"正确"_s;
const QString wrongWord = u"错误"_s;

} // namespace

ExamRecording::ExamRecording(ExamSession& session) : m_session(session) {}

void ExamRecording::optionPressed()
{
    const int k = m_session.currentQuestion();
    if (k == 0)
        return;
    m_press = Press{k, m_session.answerCard.state(k)};
    m_session.answerCard.setState(k, ExamCard::Answered);
}

void ExamRecording::singleChoiceClicked(const QString& letter)
{
    if (const int k = m_session.currentQuestion(); k != 0)
        recordChoice(k, letter, choiceStatement(k, letter));
}

void ExamRecording::judgementClicked(const QString& word)
{
    if (const int k = m_session.currentQuestion(); k != 0)
        recordChoice(k, word, judgementStatement(k, word));
}

void ExamRecording::multipleChoiceClicked()
{
    if (const int k = m_session.currentQuestion(); k != 0) {
        const QString letters = checkedLetters();
        recordChoice(k, letters, choiceStatement(k, letters));
    }
}

bool ExamRecording::saveSingleChoice()
{
    const int k = m_session.currentQuestion();
    if (k == 0 || m_session.answerCard.state(k) == ExamCard::Untouched)
        return true;
    for (const QString& letter : optionLetters) {
        if (m_session.window.control<RadioBox>(u"单选框_"_s + letter)->isChecked())
            return store(k, letter, choiceStatement(k, letter));
    }
    return true;
}

bool ExamRecording::saveJudgement()
{
    const int k = m_session.currentQuestion();
    if (k == 0 || m_session.answerCard.state(k) == ExamCard::Untouched)
        return true;
    for (const QString& word : {rightWord, wrongWord}) {
        if (m_session.window.control<RadioBox>(u"单选框_"_s + word)->isChecked())
            return store(k, word, judgementStatement(k, word));
    }
    return true;
}

bool ExamRecording::saveMultipleChoice()
{
    const int k = m_session.currentQuestion();
    if (k == 0 || m_session.answerCard.state(k) == ExamCard::Untouched)
        return true;
    const QString letters = checkedLetters();
    return store(k, letters, choiceStatement(k, letters));
}

QString ExamRecording::checkedLetters() const
{
    QString letters;
    for (const QString& letter : optionLetters) {
        if (m_session.window.control<CheckBox>(u"选择框_"_s + letter)->isChecked())
            letters += letter;
    }
    return letters;
}

void ExamRecording::recordChoice(int k, const QString& value, const QString& statement)
{
    // A choice made with the keyboard has had no press: it makes the item answered as well.
    ExamCard& card = m_session.answerCard;
    const int stateBefore = m_press && m_press->question == k ? m_press->stateBefore : card.state(k);
    m_press.reset();
    card.setState(k, ExamCard::Answered);
    if (!store(k, value, statement))
        card.setState(k, stateBefore);
}

bool ExamRecording::store(int k, const QString& value, const QString& statement)
{
    const UpdateOutcome outcome = runRowUpdate(m_session.state, statement);
    if (outcome != UpdateOutcome::Stored) {
        m_session.services.messageBox.show(notStoredMessage(outcome));
        checkStoredAnswer();
        return false;
    }
    m_press.reset();
    m_session.displayedAnswer = value;
    m_session.answerCard.setColour(k, ExamCard::answered);
    m_session.window.control<Label>(u"标签_你的答案"_s)->setCaption(value);
    return true;
}

void ExamRecording::checkStoredAnswer() const
{
    const QString& stored = m_session.displayedAnswer;
    const QString& type = m_session.currentQuestionType;
    const Window& window = m_session.window;
    if (type == u"判断题"_s) {
        window.control<RadioBox>(u"单选框_"_s + rightWord)->setChecked(stored == rightWord);
        window.control<RadioBox>(u"单选框_"_s + wrongWord)->setChecked(stored == wrongWord);
        return;
    }
    for (const QString& letter : optionLetters) {
        if (type == u"单选题"_s)
            window.control<RadioBox>(u"单选框_"_s + letter)->setChecked(stored == letter);
        else
            window.control<CheckBox>(u"选择框_"_s + letter)->setChecked(stored.contains(letter));
    }
}

QString ExamRecording::choiceStatement(int k, const QString& letters) const
{
    const ProgramState& state = m_session.state;
    return choiceAnswerStatement(state.currentSubject, state.currentPaper, letters, m_session.questionId(k));
}

QString ExamRecording::judgementStatement(int k, const QString& word) const
{
    const ProgramState& state = m_session.state;
    return judgementAnswerStatement(state.currentSubject, state.currentPaper, word, m_session.questionId(k));
}

} // namespace mirevo
