#pragma once

#include "BankRules.h"

#include <QString>
#include <QStringList>

namespace mirevo {

// Rows of a CSV file appended to a chapter of a subject (kind Chapter, number = chapter) or to
// one of its papers (kind Paper, number = paper).
struct ImportRequest
{
    QString csvPath;
    QString bankPath;
    int subject = 1;
    TableKind kind = TableKind::Chapter;
    int number = 1;
};

struct ImportOutcome
{
    QString table;
    QString encoding;
    QStringList notes;      // each normalisation and each row or column passed over
    QStringList rejections; // each row that cannot be imported, with its reasons
    QString error;          // why nothing was imported; empty on success
    qint64 firstId = 0;     // the rows take the IDs firstId, firstId + 1, … in file order
    int imported = 0;
    bool succeeded() const { return error.isEmpty(); }
};

// All or nothing: when any row is rejected, or the bank refuses a row, the bank is left as it
// was. New rows take the IDs after the table's highest and are unmarked and unanswered.
ImportOutcome importCsv(const ImportRequest& request);

} // namespace mirevo
