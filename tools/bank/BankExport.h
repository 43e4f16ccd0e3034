#pragma once

#include <QByteArray>
#include <QString>

namespace mirevo {

struct TableExport
{
    QByteArray csv;
    QString error;
};

// A chapter or paper table of the bank as CSV in our column layout (zj only for the chapter
// tables), rows in ascending ID order: what import-csv reads back unchanged.
TableExport exportTable(const QString& bankPath, const QString& table);

} // namespace mirevo
