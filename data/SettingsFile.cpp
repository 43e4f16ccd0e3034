#include "SettingsFile.h"

#include "TableCreator.h"

namespace mirevo {

const QList<SettingsField>& settingsFields()
{
    static const QList<SettingsField> fields{
        {UpdateNotice, QStringLiteral("UpdateNotice"), FieldType::Boolean, false},
        {AutoSavePractice, QStringLiteral("AutoSave"), FieldType::Boolean, true},
        {PracticeWindowState, QStringLiteral("PracticeState"), FieldType::Integer, qint32(3)},
        {ExamWindowState, QStringLiteral("ExamState"), FieldType::Integer, qint32(3)},
        {AnswerFontCode, QStringLiteral("FontCode"), FieldType::Integer, qint32(1)},
        {DefaultQuestionCount, QStringLiteral("QuestionCount"), FieldType::Double, 200.0},
    };
    return fields;
}

QString settingsPassword()
{
    return QStringLiteral("QQ100200300");
}

int createDefaultSettingsFile(const QString& path)
{
    QList<FieldDeclaration> declarations;
    QList<FieldValue> defaults;
    for (const SettingsField& field : settingsFields()) {
        declarations.append(FieldDeclaration{field.storedName, field.type, 0});
        defaults.append(field.defaultValue);
    }
    return createTable(path, declarations, {defaults}, settingsPassword());
}

} // namespace mirevo
