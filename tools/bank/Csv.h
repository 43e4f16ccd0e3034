#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

// Comma-separated values as RFC 4180 has them: fields that hold a comma, a double quote or
// a line break are quoted, inner quotes doubled. The reader takes CRLF, LF and CR line ends
// and, as spreadsheets do, a quote inside an unquoted field as an ordinary character.

struct CsvRecord
{
    int row = 0; // 1-based record number, as a spreadsheet numbers its rows
    QStringList fields;
};

struct CsvParse
{
    QList<CsvRecord> records;
    QString error; // empty when the whole text was read
};

CsvParse parseCsv(QStringView text);

// Records ending in LF, as the question sources are kept.
QString formatCsv(const QList<QStringList>& records);

} // namespace mirevo
