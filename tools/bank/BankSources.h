#pragma once

#include "BankSchema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace mirevo {

// The question sources of one subject: its chapter files in chapter order and its case pools.
struct SubjectSources
{
    QList<QList<BankQuestion>> chapters;
    QList<QList<BankQuestion>> casePools;
};

struct BankSourcesRead
{
    std::array<SubjectSources, 2> subjects; // subject 1 and subject 2
    QStringList notes;                      // normalisations, file by file
    QStringList errors;                     // what keeps the sources from being built
};

// Reads SOURCE_DIR/<prefix>/ for each subject (prefix sw, jc): one file chNN.csv for every
// chapter of the catalogue (NN = 01 …) with its coverage table coverage/chNN.csv (see
// coverageProblems), and one or more case pools cases-K.csv (K = 1, 2, …, read in that order)
// holding only 不定项选择题. Any other CSV file there is an error: a misnamed file would
// otherwise be left out of the bank unnoticed. So is a stem that another stem of the subject's
// chapter files, or of its case pools, repeats (stemKey).
BankSourcesRead readBankSources(const QString& sourceDir);

} // namespace mirevo
