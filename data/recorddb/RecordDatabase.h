#pragma once

#include "EngineResult.h"
#include "FieldValue.h"
#include "RecordTable.h"

#include <QString>
#include <memory>
#include <vector>

namespace mirevo {

// The list of open tables, one of them current: the commands without a table address the
// current one. The program keeps one list for the process; tests make their own.
class RecordDatabase
{
public:
    static RecordDatabase& processTables();

    // Opens a table and makes it current; returns 0 or the error number.
    int open(const QString& fileName, const OpenOptions& options = {});

    // The current table, nullptr when none is open.
    RecordTable* current() const { return m_current; }
    qsizetype openCount() const { return qsizetype(m_tables.size()); }

    EngineResult<FieldValue> readField(const FieldRef& field);
    int writeField(const FieldRef& field, const FieldValue& value);

    // Closes the current table; the table opened last among the others becomes current.
    int close();

private:
    std::vector<std::unique_ptr<RecordTable>> m_tables;
    RecordTable* m_current = nullptr;
};

} // namespace mirevo
