#pragma once

#include <QString>

namespace mirevo {

class MessageBoxService;
class WallClock;
struct ProgramState;

// Writes the practice answers the bank kept into the study log, each showing of a question
// as one attempt. Says once when the log cannot take an entry; the practice goes on.
class PracticeAnswerLog
{
public:
    PracticeAnswerLog(ProgramState& state, WallClock& clock, MessageBoxService& messageBox);

    // A question of the chapter (its zj) is shown: what is stored from now on is a new attempt.
    void questionShown(const QString& chapter);
    // The bank has kept `answer` for question `id`; `chosen` when the user's choice stored it.
    void answerStored(qint64 id, const QString& answer, bool correct, bool chosen);

private:
    ProgramState& m_state;
    WallClock& m_clock;
    MessageBoxService& m_messageBox;
    int m_chapter = 0;
    qint64 m_attempt = 0;
    bool m_failureTold = false;
};

} // namespace mirevo
