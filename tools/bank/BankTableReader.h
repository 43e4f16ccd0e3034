#pragma once

#include "BankSchema.h"
#include "QuestionBank.h"

#include <QList>
#include <QString>
#include <optional>

namespace mirevo {

// Rows of a bank read through the program's own store, so that what is read is what the
// program will see, whatever the bank's driver.

struct StoredQuestion
{
    QString idText;
    qint64 id = 0; // 0 unless idText is a positive whole number
    BankQuestion question;
};

struct StoredScore
{
    QString idText;
    qint64 id = 0;
    QString sj;
    QString df;
};

// Opens an existing bank read-only; false with *error saying why when there is none or it does
// not open.
bool openBankForReading(QuestionBank& bank, const QString& bankPath, QString* error);

// The rows of a chapter or paper table in ascending ID order; nullopt when it cannot be read.
std::optional<QList<StoredQuestion>> readStoredQuestions(QuestionBank& bank, const QString& table);
// The rows of a score table in ascending ID order; nullopt when it cannot be read.
std::optional<QList<StoredScore>> readStoredScores(QuestionBank& bank, const QString& table);

} // namespace mirevo
