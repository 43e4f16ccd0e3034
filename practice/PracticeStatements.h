#pragma once

#include <QList>
#include <QString>

namespace mirevo {

// The statements of chapter practice, built by concatenation exactly as the question bank
// expects them. An unknown subject names no table, so its statements fail in the bank.

// The favourite questions of the subject (C1).
QString favouritesQuery(int subject);
// The questions of one chapter (C2).
QString chapterQuery(int subject, int chapter);
// The questions of a list of IDs, as a wrong-answer retry practises them.
QString questionListQuery(int subject, const QList<qint64>& ids);
// One question by its ID (C3).
QString questionQuery(int subject, qint64 id);
// Records an answer text in XXDA: a letter, "正确"/"错误" or the ticked letters (C4, C5, C6).
QString answerUpdate(int subject, const QString& answer, qint64 id);
// Marks or unmarks a favourite (C7).
QString favouriteUpdate(int subject, bool marked, qint64 id);

} // namespace mirevo
