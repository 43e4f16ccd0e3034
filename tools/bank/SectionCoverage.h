#pragma once

#include "QuestionCsv.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

// A chapter's coverage table, with the header 节,名称,题量: a row for each section of the
// chapter (its number, its name and how many questions it has), so that reviewers see at a
// glance how the chapter's questions spread over its sections.
struct CoverageFiles
{
    QString table;   // the coverage table, as error messages name it
    QString chapter; // the chapter file
};

// What keeps the coverage table from matching the chapter's rows: every row names a section of
// the table in its 节, each section's 题量 is the recount of the rows naming it, and every section
// has questions but no more than a quarter of the chapter's.
QStringList coverageProblems(const QByteArray& table, const QList<CsvQuestion>& rows,
                             const CoverageFiles& files);

} // namespace mirevo
