#pragma once

#include <QString>

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

// The column of the current row of currentRecordSet, converted by the value-to-text rule.
QString readColumnText(const ProgramState& state, const QString& column);

// The column of the current row read as a number (text: its leading decimal number, else 0).
double readColumnNumber(const ProgramState& state, const QString& column);

} // namespace mirevo
