#pragma once

#include "FieldValue.h"

#include <QList>
#include <QString>

namespace mirevo {

// A field of a table to be created; `size` is used only by text fields.
struct FieldDeclaration
{
    QString name;
    FieldType type = FieldType::Integer;
    qint32 size = 0;
};

// Writes a new table, replacing any file of that name: the data file and, when a byte-set or
// memo field is declared, its auxiliary file. Each record gives one value per field. A
// non-empty password makes the table protected. Returns 0 or the error number.
int createTable(const QString& fileName, const QList<FieldDeclaration>& fields,
                const QList<QList<FieldValue>>& records, const QString& password = {});

} // namespace mirevo
