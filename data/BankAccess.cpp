#include "BankAccess.h"

#include "ProgramState.h"
#include "QuestionBank.h"
#include "ValueText.h"

#include <QDir>
#include <cmath>
#include <limits>

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

UpdateOutcome runRowUpdate(ProgramState& state, const QString& sql)
{
    if (runUpdate(state, sql))
        return state.questionBank->lastRowsAffected() == 0 ? UpdateOutcome::NoRow : UpdateOutcome::Stored;
    if (!state.questionBank)
        return UpdateOutcome::Failed;
    switch (state.questionBank->lastFailure()) {
    case QuestionBank::Failure::Busy:
        return UpdateOutcome::Busy;
    case QuestionBank::Failure::ReadOnly:
        return UpdateOutcome::ReadOnly;
    default:
        return UpdateOutcome::Failed;
    }
}

QString notStoredMessage(UpdateOutcome outcome)
{
    switch (outcome) {
    case UpdateOutcome::Busy:
        return u"题库文件正被其他程序使用，本题答案未保存。"_s;
    case UpdateOutcome::ReadOnly:
        return u"题库文件是只读的，本题答案未保存。"_s;
    default:
        return u"错误代码！"_s;
    }
}

QString writeFailureMessage(const ProgramState& state, const QString& lost)
{
    switch (state.questionBank ? state.questionBank->lastFailure() : QuestionBank::Failure::Other) {
    case QuestionBank::Failure::Busy:
        return u"题库文件正被其他程序使用，"_s + lost;
    case QuestionBank::Failure::ReadOnly:
        return u"题库文件是只读的，"_s + lost;
    default:
        return u"错误代码！"_s;
    }
}

QString notReadMessage(const ProgramState& state)
{
    if (state.questionBank && state.questionBank->lastFailure() == QuestionBank::Failure::Busy)
        return u"题库文件正被其他程序使用，无法读取本题，请稍后再试。"_s;
    return u"无法读取本题。"_s;
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

std::optional<qint64> readColumnInteger(const ProgramState& state, const QString& column)
{
    if (!state.questionBank)
        return std::nullopt;
    const QVariant value = state.questionBank->ReadColByName(state.currentRecordSet, column);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > qulonglong(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return qint64(unsignedValue);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        // 2^63 itself is out of range; every double below it in magnitude is exact when integral
        if (!std::isfinite(number) || std::trunc(number) != number ||
            std::fabs(number) >= 9223372036854775808.0)
            return std::nullopt;
        return qint64(number);
    }
    default: {
        bool ok = false;
        const qint64 number = valueToText(value).trimmed().toLongLong(&ok, 10);
        return ok ? std::optional<qint64>(number) : std::nullopt;
    }
    }
}

} // namespace mirevo
