#include "BankAccess.h"

#include "ProgramState.h"
#include "QuestionBank.h"
#include "ValueText.h"

#include <QDir>

namespace mirevo {

using namespace Qt::StringLiterals;

bool openQuestionBank(ProgramState& state, const QString& programDir)
{
    if (!state.questionBank)
        return false;
    const QString bankFile = QDir::toNativeSeparators(QDir(programDir).filePath(u"mini.dll"_s));
    return state.questionBank->OpenDatabase(bankFile, {}, {}, false, true);
}

int openQuery(ProgramState& state, const QString& sql)
{
    state.currentSql = sql;
    state.currentRecordSet = state.questionBank ? state.questionBank->OpenTable(sql) : 0;
    if (state.currentRecordSet != 0)
        state.questionBank->MoveFirst(state.currentRecordSet);
    return state.currentRecordSet;
}

bool runUpdate(ProgramState& state, const QString& sql)
{
    state.currentSql = sql;
    return state.questionBank && state.questionBank->ExecuteSql(sql);
}

QString readColumnText(const ProgramState& state, const QString& column)
{
    if (!state.questionBank)
        return {};
    return valueToText(state.questionBank->ReadColByName(state.currentRecordSet, column));
}

double readColumnNumber(const ProgramState& state, const QString& column)
{
    if (!state.questionBank)
        return 0;
    const QVariant value = state.questionBank->ReadColByName(state.currentRecordSet, column);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        return textToNumber(valueToText(value));
    }
}

} // namespace mirevo
