#pragma once

#include <QDateTime>
#include <QString>

namespace mirevo {

// One answer that chapter practice stored in the bank (from a chapter, the favourites or a
// wrong-answer retry alike).
struct PracticeAnswer
{
    int subject = 0;
    int chapter = 0;
    qint64 question = 0;
    QString answer;
    bool correct = false;
    // The user chose it; otherwise the answer on display was stored again as the question was
    // left, which is no new attempt.
    bool chosen = false;
    // One showing of the question: the last choice made while it was shown is its attempt's answer.
    qint64 attempt = 0;
    QDateTime answeredAt;
};

// The points a hand-in scored in each section of the paper.
struct SectionPoints
{
    double single = 0;
    double multiple = 0;
    double judgement = 0;
    double indefinite = 0;

    // Adds the points of a right answer to the section of the question type; other types have none.
    void add(const QString& questionType, double points);
};

// One hand-in of a mock paper whose score the bank kept.
struct HandIn
{
    int subject = 0;
    int paper = 0;
    double score = 0;
    SectionPoints points;
    QDateTime startedAt;
    QDateTime endedAt;
    // Counted by the examination's own countdown, so a clock set back never makes it negative.
    int secondsUsed = 0;
    bool timedOut = false;
};

// How much of a subject was practised: distinct questions today, this week (from Monday) and
// ever, and the study days in a row.
struct StudyActivity
{
    int today = 0;
    int thisWeek = 0;
    int total = 0;
    int daysInARow = 0;
};

} // namespace mirevo
