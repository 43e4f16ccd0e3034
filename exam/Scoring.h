#pragma once

#include "HandInLog.h"

#include <QString>

namespace mirevo {

struct ExamSession;

// Hands a paper in: scores every row against its standard answer, colours the answer card,
// stores the score and tells it. A stored score goes into the study log.
class Scoring
{
public:
    explicit Scoring(ExamSession& session);

    // Asks first while time is left; stores nothing when the user says no.
    void submitPaper();
    // A hand-in is under way (its message boxes are open).
    bool isRunning() const { return m_running; }
    // A score of this sitting has been stored.
    bool hasHandedIn() const { return m_handedIn; }

    // The points of a right answer of the question type; 0 for an unknown type.
    static float pointsOf(const QString& questionType);
    // At most six significant digits, no trailing zeros: 88.5, 100, 0, 1.5.
    static QString scoreText(float total);

private:
    void scorePaper();
    bool storeScore(const QString& score);

    ExamSession& m_session;
    HandInLog m_log;
    bool m_running = false;
    bool m_handedIn = false;
};

} // namespace mirevo
