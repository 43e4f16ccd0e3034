#pragma once

#include "EngineResult.h"
#include "FieldValue.h"
#include "SettingsFile.h"

#include <QString>

namespace mirevo {

class RecordDatabase;

// The settings table "配置文件.ini": open from start-up to exit as the current table of the
// record-database engine; every write goes to the file when it is made.
class Settings
{
public:
    explicit Settings(RecordDatabase& tables);

    // Opens the file with its password and makes it the current table; 0 or the engine's error.
    // A file that takes no writes is opened read-only.
    int open(const QString& path);
    bool isOpen() const { return m_open; }
    // The open file takes no writes: every write fails.
    bool isReadOnly() const { return m_readOnly; }
    void close();

    // The field in its own type, or the engine's error.
    EngineResult<FieldValue> read(SettingsFieldNumber field) const;
    // A boolean field; any other stored type reads as false.
    bool readBool(SettingsFieldNumber field) const;
    // A numeric field as a number (booleans as 1 and 0); any other stored type reads as 0.
    double readNumber(SettingsFieldNumber field) const;

    // Writes a value converted to the field's declared type (a number is truncated for the
    // integer types); 0 or the engine's error.
    int writeNumber(SettingsFieldNumber field, double value);
    int writeBool(SettingsFieldNumber field, bool value);

private:
    RecordDatabase& m_tables;
    bool m_open = false;
    bool m_readOnly = false;
};

} // namespace mirevo
