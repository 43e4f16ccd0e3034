#pragma once

#include <QString>
#include <optional>

namespace mirevo {

struct ProgramState;

// The operations every caller builds on top of the question bank component. Each one stores
// its statement in currentSql and its record set in currentRecordSet, as the callers expect.

// Opens programDir + "/mini.dll" through state.questionBank.
bool openQuestionBank(ProgramState& state, const QString& programDir);

// currentSql := sql; currentRecordSet := OpenTable(sql); on success moves to the first row.
// Returns the handle (0 on failure).
int openQuery(ProgramState& state, const QString& sql);

// currentSql := sql; ExecuteSql(sql).
bool runUpdate(ProgramState& state, const QString& sql);

// What became of an update that stores a user's answer or mark in one row.
enum class UpdateOutcome
{
    Stored,
    NoRow,    // it ran and changed nothing: nothing is stored
    Busy,     // another program holds the bank
    ReadOnly, // the bank takes no writes
    Failed,
};

// runUpdate for a statement that must change a row: an update that changes none did not store
// anything.
UpdateOutcome runRowUpdate(ProgramState& state, const QString& sql);

// What the user is told when an answer or a mark was not stored.
QString notStoredMessage(UpdateOutcome outcome);
// What the user is told when an update of the bank other than an answer failed: that another
// program holds the bank or that it takes no writes, followed by `lost` ("收藏未保存。"), or else
// "错误代码！".
QString writeFailureMessage(const ProgramState& state, const QString& lost);
// What the user is told when a question could not be read.
QString notReadMessage(const ProgramState& state);

// The column of the current row of currentRecordSet, converted by the value-to-text rule.
QString readColumnText(const ProgramState& state, const QString& column);

// The column of the current row read as a number (text: its leading decimal number, else 0).
double readColumnNumber(const ProgramState& state, const QString& column);

// The column of the current row as an exact 64-bit integer: an integer value, a floating-point
// value without a fraction that a 64-bit integer holds exactly, or a text of decimal digits
// with an optional sign. Anything else is no integer.
std::optional<qint64> readColumnInteger(const ProgramState& state, const QString& column);

} // namespace mirevo
