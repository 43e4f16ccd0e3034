#include "Settings.h"

#include "RecordDatabase.h"

#include <QFileInfo>
#include <cmath>
#include <limits>

namespace mirevo {

namespace {

FieldType declaredType(SettingsFieldNumber field)
{
    for (const SettingsField& f : settingsFields()) {
        if (f.number == field)
            return f.type;
    }
    return FieldType::Double;
}

template <typename Int> Int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t <= double(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (t >= double(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return Int(t);
}

// A table is written only once it is known to be whole: a read-only open validates it without
// correcting anything, and a table without its one record is as damaged as any. The check's
// file is closed before the table is opened for writing (closing a file drops every lock the
// process holds on it).
int validate(const QString& path, OpenOptions options)
{
    options.readOnly = true;
    const EngineResult<std::unique_ptr<RecordTable>> checked = RecordTable::open(path, options);
    if (!checked.ok())
        return checked.code;
    return checked.value->recordCount() < 1 ? ErrorDataFileSize : NoError;
}

} // namespace

Settings::Settings(RecordDatabase& tables) : m_tables(tables) {}

int Settings::open(const QString& path)
{
    OpenOptions options;
    options.password = settingsPassword();
    if (const int code = validate(path, options); code != NoError)
        return code;
    // A file that takes no writes (read-only file or medium) is still read: the program runs
    // on it, and every write is refused as read-only.
    options.readOnly = !QFileInfo(path).isWritable();
    const int code = m_tables.open(path, options);
    m_open = code == NoError;
    m_readOnly = m_open && options.readOnly;
    return code;
}

void Settings::close()
{
    if (m_open)
        m_tables.close();
    m_open = false;
    m_readOnly = false;
}

EngineResult<FieldValue> Settings::read(SettingsFieldNumber field) const
{
    if (!m_open)
        return {ErrorNoOpenTable, {}};
    return m_tables.readField(int(field));
}

bool Settings::readBool(SettingsFieldNumber field) const
{
    const EngineResult<FieldValue> result = read(field);
    const bool* value = std::get_if<bool>(&result.value);
    return result.ok() && value && *value;
}

double Settings::readNumber(SettingsFieldNumber field) const
{
    const EngineResult<FieldValue> result = read(field);
    if (!result.ok())
        return 0;
    return std::visit(
        [](const auto& value) -> double {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_arithmetic_v<T>)
                return double(value);
            else if constexpr (std::is_same_v<T, DateTime>)
                return value.days;
            else
                return 0;
        },
        result.value);
}

int Settings::writeNumber(SettingsFieldNumber field, double value)
{
    if (!m_open)
        return ErrorNoOpenTable;
    FieldValue stored;
    switch (declaredType(field)) {
    case FieldType::Byte:
        stored = truncated<std::uint8_t>(value);
        break;
    case FieldType::Short:
        stored = truncated<qint16>(value);
        break;
    case FieldType::Integer:
        stored = truncated<qint32>(value);
        break;
    case FieldType::Long:
        stored = truncated<qint64>(value);
        break;
    case FieldType::Float:
        stored = float(value);
        break;
    case FieldType::Boolean:
        stored = value != 0;
        break;
    default:
        stored = value;
        break;
    }
    return m_tables.writeField(int(field), stored);
}

int Settings::writeBool(SettingsFieldNumber field, bool value)
{
    if (!m_open)
        return ErrorNoOpenTable;
    if (declaredType(field) == FieldType::Boolean)
        return m_tables.writeField(int(field), value);
    return writeNumber(field, value ? 1 : 0);
}

} // namespace mirevo
