#pragma once

#include "PracticeAnswerLog.h"

#include <QList>
#include <QString>
#include <optional>

namespace mirevo {

class MessageBoxService;
class PracticeCard;
class WallClock;
class Window;
struct ProgramState;

// Stores the user's practice answers as they are given: a press on an option marks the
// question's card cell, the click that follows writes the answer into XXDA and, once it is
// kept, colours a marked cell by whether it equals the standard answer shown. A choice made
// with the keyboard marks the cell as a press would. An answer that is not kept is said so,
// and the options and the cell go back to the answer the bank holds. What the bank kept goes
// into the study log.
class PracticeRecording
{
public:
    PracticeRecording(Window& window, PracticeCard& card, ProgramState& state, MessageBoxService& messageBox,
                      WallClock& wallClock, const QList<qint64>& questionIds);

    // Binds the left-button press and the click of the ten option controls.
    void bindOptions();

    // The question on display, the answer the bank holds for it and its chapter (zj).
    void questionShown(const QString& storedAnswer, const QString& chapter);

    void markPracticeCellAnswered();
    // Each returns false when an answer was to be stored and was not.
    bool savePracticeSingle(const QString& letter);
    bool savePracticeTrueFalse(const QString& value);
    bool savePracticeMultiple();
    bool resavePracticeSingle();
    bool resavePracticeTrueFalse();

private:
    // The ID of the question on display; none while no question is shown.
    std::optional<qint64> displayedQuestionId(int number) const;
    bool store(const QString& answer);
    bool isChecked(const QString& name) const;
    // The event being handled is a press or click on an option: the user chose.
    bool isChoice() const;

    Window& m_window;
    PracticeCard& m_card;
    ProgramState& m_state;
    MessageBoxService& m_messageBox;
    const QList<qint64>& m_questionIds;
    QString m_storedAnswer;
    PracticeAnswerLog m_log;
};

} // namespace mirevo
