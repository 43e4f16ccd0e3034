#pragma once

#include "FieldValue.h"

#include <QList>
#include <QString>

namespace mirevo {

// The fields of the settings table by their 1-based number.
enum SettingsFieldNumber : int
{
    UpdateNotice = 1,
    AutoSavePractice = 2,
    PracticeWindowState = 3,
    ExamWindowState = 4,
    AnswerFontCode = 5,
    DefaultQuestionCount = 6,
};

// One field of the settings table: its number, the name stored in the file (at most 16 bytes),
// its type and the value 恢复默认 restores.
struct SettingsField
{
    SettingsFieldNumber number;
    QString storedName;
    FieldType type;
    FieldValue defaultValue;
};

// The settings table's fields in number order.
const QList<SettingsField>& settingsFields();

// The password that protects the settings table.
QString settingsPassword();

// Writes a settings file with one record holding the defaults; returns 0 or the engine's error.
int createDefaultSettingsFile(const QString& path);

} // namespace mirevo
