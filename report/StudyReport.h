#pragma once

#include "StudyRecords.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirevo {

struct ProgramState;

// How far one chapter of the subject has come.
struct ChapterProgress
{
    int chapter = 0;
    QString name;
    int catalogueCount = 0;
    // Questions with a stored answer in the bank, and those whose answer is the standard one.
    int answered = 0;
    int right = 0;
    // Questions in the wrong-answer book.
    int wrongAnswers = 0;
    // Among the three weakest chapters.
    bool weak = false;

    // right / answered; 0 while nothing is answered.
    double accuracy() const { return answered > 0 ? double(right) / answered : 0.0; }
};

// The last score the bank holds for a paper; none when it was never handed in or cleared.
struct PaperScore
{
    int paper = 0;
    std::optional<double> score;
};

// The learning report of one subject: what the bank holds (answers, last scores) beside what
// the study log has gathered (wrong-answer book, practice days, every hand-in).
struct StudyReport
{
    int subject = 0;
    QList<ChapterProgress> chapters;
    // The chapter table was read: answered and right are known.
    bool answersRead = false;
    QList<PaperScore> papers;
    bool scoresRead = false;
    bool logOpen = false;
    QList<HandIn> handIns;
    StudyActivity activity;
    // The bank tables that could not be read.
    QStringList unreadableTables;
};

// The weakest chapters are the lowest in accuracy among those with at least this many answers
// (and any wrong one), at most this many of them.
inline constexpr int weakChapterMinimumAnswered = 5;
inline constexpr int weakChapterCount = 3;

// Reads the report of state.currentSubject through the store's operations and the study log.
// A table that cannot be read leaves its part empty and is named in unreadableTables.
StudyReport collectStudyReport(ProgramState& state, const QDate& today);

} // namespace mirevo
