#include "Scoring.h"

#include "BankAccess.h"
#include "ExamSession.h"
#include "ExamStatements.h"
#include "Label.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "StudyRecords.h"
#include "ValueText.h"
#include "Window.h"

#include <QScopedValueRollback>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

bool sameAnswer(const QVariant& given, const QVariant& standard)
{
    return given.typeId() == standard.typeId() && given == standard;
}

} // namespace

Scoring::Scoring(ExamSession& session) : m_session(session), m_log(session) {}

float Scoring::pointsOf(const QString& questionType)
{
    if (questionType == u"单选题"_s)
        return 1.5f;
    if (questionType == u"多选题"_s || questionType == u"不定项选择题"_s)
        return 2.0f;
    if (questionType == u"判断题"_s)
        return 1.0f;
    return 0.0f;
}

QString Scoring::scoreText(float total)
{
    return valueToText(QVariant::fromValue(total));
}

void Scoring::submitPaper()
{
    const QScopedValueRollback running(m_running, true);
    if (m_session.examClock.remainingSeconds() != 0 &&
        m_session.services.messageBox.show(u"确定要交卷吗？"_s, StyleYesNo) != ButtonYes)
        return;
    scorePaper();
}

void Scoring::scorePaper()
{
    ProgramState& state = m_session.state;
    QuestionBank& bank = *state.questionBank;
    const int handle = openQuery(state, paperStatement(state.currentSubject, state.currentPaper));
    if (handle == 0) {
        m_session.window.control<Label>(u"标签_题号"_s)->setCaption(u"-1"_s);
        return;
    }
    float total = 0;
    SectionPoints sections;
    // Row i is question i; rows beyond the card's items are scored without a colour.
    int i = 0;
    for (; !bank.IsEOF(handle); bank.MoveNext(handle)) {
        ++i;
        if (sameAnswer(bank.ReadColByName(handle, u"XXDA"_s), bank.ReadColByName(handle, u"DA"_s))) {
            const QString type = valueToText(bank.ReadColByName(handle, u"TX"_s));
            total += pointsOf(type);
            sections.add(type, pointsOf(type));
            m_session.answerCard.setColour(i, ExamCard::right);
        } else {
            m_session.answerCard.setColour(i, ExamCard::wrong);
        }
    }
    bank.CloseTable(handle);

    const QString score = scoreText(total);
    if (!storeScore(score)) {
        m_session.services.messageBox.show(writeFailureMessage(state, u"本次得分未保存。"_s));
        return;
    }
    m_handedIn = true;
    m_log.handedIn(total, sections);
    m_session.services.messageBox.show(u"你本次考试得分为：\r\n\r\n"_s + score + u"分"_s,
                                       StyleIconInformation, u"评分"_s);
}

bool Scoring::storeScore(const QString& score)
{
    // An update that finds no row of the paper succeeds without storing anything: the score
    // counts as stored only when the update changed a row.
    ProgramState& state = m_session.state;
    return runUpdate(state, storeScoreStatement(state.currentSubject, state.currentPaper, score)) &&
           state.questionBank->lastRowsAffected() != 0;
}

} // namespace mirevo
