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
// 多选题 and 判断题 and from its case pools (不定项选择题), keeping to the limits of BankRules.h:
// a chapter question or a case in at most two papers, two papers sharing at most six chapter
// questions and one case.
//
// A paper takes from each chapter its part of its chapter questions by the chapters' sizes, within
// two of its exact share and exact over the papers; the types come from the chapters' pools (a
// chapter's questions of one type) in step with the pools' sizes. Its case section holds cases
// of five where it can, each whole but the last, which is cut to the 15 questions. From a pool a
// paper takes an unused question or case while the pool's unused ones are not yet used up beyond
// an even ration per paper, else one already in another paper, so that second uses spread over
// all the papers. Chapter sections hold their questions in chapter order, then in file order.
// Fails, saying why, when the pools are too small or no question or case is left that keeps to
// the limits.
PaperAssembly assemblePapers(const QList<QList<BankQuestion>>& chapters,
                             const QList<QList<CaseStudy>>& casePools);

} // namespace mirevo
