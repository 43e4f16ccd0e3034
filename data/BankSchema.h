#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

// Mock papers per subject: paper tables <prefix>1 … <prefix>20 and one score row each.
inline constexpr int paperCount = 20;

// Table names of a subject (1 = 初级会计实务, 2 = 经济法基础); empty for any other subject.
QString subjectName(int subject);      // "初级会计实务", "经济法基础"
QString chapterTable(int subject);     // "swzj", "jczj"
QString paperTablePrefix(int subject); // "sw", "jc"
QString paperTable(int subject, int paper);
QString scoreTable(int subject); // "swdeifen", "jcdeifen"
// The chapter table, the paper tables 1…20 and the score table of the subject.
QStringList subjectTables(int subject);

// One row of a chapter or paper table. A null QString is stored as NULL, an empty one as ''.
struct BankQuestion
{
    qint64 id = 0;
    QString zj; // chapter tables only; ignored for paper tables
    QString tm;
    QString tx;
    QString xxa;
    QString xxb;
    QString xxc;
    QString xxd;
    QString da;
    QString jx;
    QString shucang = QStringLiteral("");
    QString xxda = QStringLiteral("");
};

// Writes a new, empty question bank (SQLite) with the whole schema: the chapter tables
// swzj and jczj, the paper tables sw1…sw20 and jc1…jc20, and the score tables swdeifen and
// jcdeifen with their 20 rows (ID = N, SJ = N as text, DF empty). Text columns compare
// without letter case. Fails (false, with *error set) when the file already exists.
bool createEmptyBank(const QString& path, QString* error = nullptr);

// Adds rows to a chapter or paper table of an SQLite bank, all in one transaction. The column
// zj is written when the table is a chapter table (its name ends in "zj").
bool insertQuestions(const QString& bankPath, const QString& table, const QList<BankQuestion>& questions,
                     QString* error = nullptr);

} // namespace mirevo
