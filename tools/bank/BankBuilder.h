#pragma once

#include "BankRules.h"

#include <QString>
#include <QStringList>

namespace mirevo {

struct BankBuild
{
    QStringList notes;   // normalisations of the sources
    QStringList errors;  // why no bank was written; empty on success
    QStringList summary; // what the bank holds, a line per subject
    bool succeeded() const { return errors.isEmpty(); }
};

// Compiles the sources (see readBankSources), whose chapters must have the sizes chapterSizes,
// into a new bank at outPath: the chapter tables numbered from 1 in file order (ch01 first),
// the papers assembled by assemblePapers, the score rows with empty DF. The bank is written
// under a temporary name, checked (checkBank) and only then put in place, so outPath is either
// the whole new bank or untouched. An existing outPath is replaced only when force is set.
BankBuild buildBank(const QString& sourceDir, const QString& outPath, bool force,
                    const ChapterSizes& chapterSizes);

} // namespace mirevo
