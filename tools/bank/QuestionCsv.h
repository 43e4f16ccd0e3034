#pragma once

#include "BankRules.h"
#include "BankSchema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

// Question rows as CSV: the columns TM, TX, XXA … XXD, DA, JX, zj (zj only for chapter tables)
// or the common Chinese layout 题干, 题型, 选项A … 选项D, 正确答案, 解析, 章节, in any order; and
// 节, the section of the chapter that the sources give each question.

// Where the rows are to go: a chapter of the subject (kind Chapter, chapter 1 … count) or a
// paper (kind Paper, chapter 0). Rows bound for a paper keep the zj they name, unchecked.
struct CsvDestination
{
    int subject = 1;
    TableKind kind = TableKind::Chapter;
    int chapter = 0;
};

struct CsvQuestion
{
    int row = 0; // the record number in the file, the header being row 1
    BankQuestion question;
    QString section; // the 节 field, trimmed; not part of the bank
};

struct QuestionCsvRead
{
    QString encoding;
    QList<CsvQuestion> questions; // every row that can be stored, in file order
    QStringList notes;            // each normalisation and each row or column passed over
    QStringList rejections;       // each row that cannot be stored, with its reasons
    QString error;                // the file as a whole cannot be read
    bool succeeded() const { return error.isEmpty() && rejections.isEmpty(); }
};

QuestionCsvRead readQuestionCsv(const QByteArray& bytes, const CsvDestination& destination);

// UTF-8 without byte order mark, our column names (no 节), rows in the order given; empty texts
// for NULLs. readQuestionCsv gives back the same questions.
QByteArray writeQuestionCsv(const QList<BankQuestion>& questions, TableKind kind);

} // namespace mirevo
