#pragma once

#include "BankChecker.h"
#include "BankSchema.h"

#include <QList>
#include <QMap>

namespace mirevo {

// How the papers of a subject share what they draw from its chapters and case pools.
struct PaperOverlap
{
    int mostPapersOfAQuestion = 0; // the most papers any chapter question is in
    int mostSharedQuestions = 0;   // the most chapter questions two papers share
    int mostPapersOfACase = 0;     // the most papers any case is in
    int mostSharedCases = 0;       // the most cases two papers share
    double largestShareDeviation =
        0;                       // the furthest a paper's count of a chapter's questions is from its share
    QList<Violation> violations; // each breach of the limits in BankRules.h
};

// Measures the papers (by paper number) of a subject against the rows of its chapter table.
// Paper rows copy their sources, so a paper's 单选题, 多选题 and 判断题 are the chapter questions
// with their stems, and each case of its 不定项选择题 (splitCases) is the case of any other
// paper holding one of its stems, however the two were cut. A chapter's share of a paper is
// paperChapterQuestionCount × its size in chapterSizes over their total; questions whose zj
// names no chapter count for none.
PaperOverlap measurePaperOverlap(int subject, const QList<BankQuestion>& chapterRows,
                                 const QMap<int, QList<BankQuestion>>& papers,
                                 const QList<int>& chapterSizes);

} // namespace mirevo
