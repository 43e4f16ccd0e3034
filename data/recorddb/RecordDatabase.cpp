#include "RecordDatabase.h"

#include "RecordDbError.h"
#include "TableNames.h"

#include <QFileInfo>
#include <algorithm>

namespace mirevo {

namespace {

// Two names of one file must meet as one table, so links are resolved where the file exists.
QString fullPathOf(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

bool samePath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

} // namespace

RecordDatabase& RecordDatabase::processTables()
{
    static RecordDatabase tables;
    return tables;
}

int RecordDatabase::open(const QString& fileName, const OpenOptions& options)
{
    if (fileName.isEmpty())
        return ErrorFileNotFound;
    if (!options.alias.isEmpty() && !isValidTableName(options.alias))
        return ErrorInvalidAlias;
    const QString fullPath = fullPathOf(withDefaultExtension(fileName));
    const bool alreadyOpen = std::any_of(m_tables.cbegin(), m_tables.cend(), [&](const auto& table) {
        return samePath(table->fullPath(), fullPath);
    });
    if (alreadyOpen)
        return ErrorAlreadyOpen;
    EngineResult<std::unique_ptr<RecordTable>> opened = RecordTable::open(fullPath, options);
    if (!opened.ok())
        return opened.code;
    m_current = opened.value.get();
    m_tables.push_back(std::move(opened.value));
    return NoError;
}

EngineResult<FieldValue> RecordDatabase::readField(const FieldRef& field)
{
    if (!m_current)
        return {ErrorNoOpenTable, {}};
    return m_current->readField(field);
}

int RecordDatabase::writeField(const FieldRef& field, const FieldValue& value)
{
    if (!m_current)
        return ErrorNoOpenTable;
    return m_current->writeField(field, value);
}

int RecordDatabase::close()
{
    if (!m_current)
        return ErrorNoOpenTable;
    std::erase_if(m_tables, [this](const auto& table) { return table.get() == m_current; });
    m_current = m_tables.empty() ? nullptr : m_tables.back().get();
    return NoError;
}

} // namespace mirevo
