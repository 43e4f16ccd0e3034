#pragma once

#include <QString>
#include <optional>

namespace mirevo {

struct ExamSession;

// Writes the examination answers into the paper table as they are given, and keeps the card
// item of the question and the label 标签_你的答案 in step with what was stored.
class ExamRecording
{
public:
    explicit ExamRecording(ExamSession& session);

    // Left button pressed on an option: the question's item becomes answered.
    void optionPressed();
    // The user's choice, by mouse or keyboard: stored at once.
    void singleChoiceClicked(const QString& letter);
    void judgementClicked(const QString& word);
    void multipleChoiceClicked();

    // The answer shown, stored once more when the question is left; only a question whose item
    // was answered is written, and nothing at all when no option is checked. False when an
    // answer was to be stored and was not.
    bool saveSingleChoice();
    bool saveJudgement();
    bool saveMultipleChoice();

private:
    struct Press
    {
        int question;
        int stateBefore;
    };

    QString checkedLetters() const;
    void recordChoice(int k, const QString& value, const QString& statement);
    bool store(int k, const QString& value, const QString& statement);
    // The options of the question on display set back to the answer the bank holds.
    void checkStoredAnswer() const;
    QString choiceStatement(int k, const QString& letters) const;
    QString judgementStatement(int k, const QString& word) const;

    ExamSession& m_session;
    std::optional<Press> m_press;
};

} // namespace mirevo
