#pragma once

#include "ExamCard.h"
#include "ExamClock.h"
#include "Services.h"

#include <QList>
#include <QString>

namespace mirevo {

struct ProgramState;
class Window;

// The state of one sitting, shared by the examination window's handlers; rebuilt with every
// examination window. The number of the question on display is the caption of 标签_题号.
struct ExamSession
{
    ExamSession(Window& window, ProgramState& state, Services services);

    // The caption of 标签_题号 converted to an integer (0 when it holds no number).
    int shownNumber() const;
    // The question on display: the caption of 标签_题号 when it is exactly the number of a
    // question of the paper, 1 … N; 0 otherwise.
    int currentQuestion() const;
    qint64 questionId(int k) const { return examQuestionIds.value(k - 1); }

    Window& window;
    ProgramState& state;
    Services services;
    QList<qint64> examQuestionIds;
    QString currentQuestionType;
    // The answer the bank holds for the question on display: read when it is shown, then what
    // each kept choice stored.
    QString displayedAnswer;
    ExamCard answerCard;
    ExamClock examClock;
};

} // namespace mirevo
