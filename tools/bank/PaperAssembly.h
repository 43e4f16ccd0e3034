#pragma once

#include "BankSchema.h"

#include <QList>
#include <QString>

namespace mirevo {

// The questions of one case study, in order; each stem restates the case.
using CaseStudy = QList<BankQuestion>;

// The cases of a pool: consecutive rows whose stems share at least their first half (the
// restated case) belong to one case.
QList<CaseStudy> splitCases(const QList<BankQuestion>& pool);

struct PaperAssembly
{
    QList<QList<BankQuestion>> papers; // paperCount papers, IDs from 1 in section order
    QString error;
};

// Draws the mock papers of a subject, the same way every time, from its chapters' 单选题,
// 多选题 and 判断题 and from its case pools (不定项选择题).
//
// Each chapter section deals its type's questions round the chapters (the first of every
// chapter, then the second, …) and gives each paper the next run of the deal, the run moving on
// by one after every full round so that later rounds do not repeat earlier papers.
// The case section deals the cases in rounds, each round stepping through the cases with a
// different stride; a paper takes the next cases of the deal until it has its 15 questions,
// never a case twice, and cuts the surplus from the ends of its cases, beginning with another
// case from paper to paper and keeping at least three questions of each where it can. Fails when a type has
// fewer questions than its section or when two papers would hold the same selection.
PaperAssembly assemblePapers(const QList<QList<BankQuestion>>& chapters,
                             const QList<QList<CaseStudy>>& casePools);

} // namespace mirevo
