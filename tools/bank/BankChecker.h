#pragma once

#include "BankRules.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

// One broken invariant: the table, the ID of the row (empty when the table as a whole is at
// fault) and what is wrong.
struct Violation
{
    QString table;
    QString id;
    QString text;
};

struct BankCheck
{
    QList<Violation> violations;
    QStringList figures; // a line for each chapter, and for each subject's papers, as they are
    QString error;       // the bank cannot be opened at all
    int questionCount = 0;
    bool sound() const { return error.isEmpty() && violations.isEmpty(); }
};

// Checks every invariant the program relies on, in the tables of both subjects: IDs positive
// and unique; each question's chapter, type, stem, options, answer and explanation; each
// chapter holding as many questions as chapterSizes gives it, in the mix of chapterTypeShares;
// no stem of the chapter table, and no case question, like another (stemKey); every paper's 24
// 单选题, 12 多选题, 10 判断题 and 15 不定项选择题 in that order of ascending ID; the papers'
// overlap within the limits of BankRules.h (measurePaperOverlap); score rows 1 … 20 with ID = N
// and SJ = N. The bank is opened read-only.
BankCheck checkBank(const QString& bankPath, const ChapterSizes& chapterSizes);

// "swzj ID 12: DA: …", or "sw3: …" for a table as a whole.
QString violationText(const Violation& violation);

} // namespace mirevo
