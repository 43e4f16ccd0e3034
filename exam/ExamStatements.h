#pragma once

#include <QString>

namespace mirevo {

// The statements of the mock examination, built exactly as the bank's callers expect them:
// numbers unquoted, the fixed texts with their own spacing. A subject other than 1 or 2 has
// no paper tables; the callers do not build statements for it.

// All questions of a paper: "select  * from sw3".
QString paperStatement(int subject, int paper);
// The rows of one question type of a paper, for the section counts.
QString paperTypeStatement(int subject, int paper, const QString& questionType);
// One question of a paper by its ID.
QString paperQuestionStatement(int subject, int paper, qint64 id);
// A single, multiple or indefinite choice answer (letters, possibly none) of one question.
QString choiceAnswerStatement(int subject, int paper, const QString& letters, qint64 id);
// A judgement answer, "正确" or "错误", of one question.
QString judgementAnswerStatement(int subject, int paper, const QString& word, qint64 id);
// The stored score of a paper row of the catalogue, looked up by its SJ text.
QString paperScoreStatement(int subject, int paper);
// Stores the score text of a handed-in paper.
QString storeScoreStatement(int subject, int paper, const QString& score);

} // namespace mirevo
