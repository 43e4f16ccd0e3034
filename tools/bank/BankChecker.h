#pragma once

#include <QList>
#include <QString>

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
    QString error; // the bank cannot be opened at all
    int questionCount = 0;
    bool sound() const { return error.isEmpty() && violations.isEmpty(); }
};

// Checks every invariant the program relies on, in the tables of both subjects: IDs positive
// and unique; each question's chapter, type, stem, options and answer; every paper's 24 单选题,
// 12 多选题, 10 判断题 and 15 不定项选择题 in that order of ascending ID; score rows 1 … 20 with
// ID = N and SJ = N. The bank is opened read-only.
BankCheck checkBank(const QString& bankPath);

// "swzj ID 12: DA: …", or "sw3: …" for a table as a whole.
QString violationText(const Violation& violation);

} // namespace mirevo
