#pragma once

#include <QList>
#include <QString>

namespace mirevo {

struct ProgramState;

// Walking the queries of a paper table. Rows whose ID is not a positive number are no
// questions and are skipped by every list and count.

// The ID of the current row of currentRecordSet; 0 when it is not a positive number.
qint64 currentRowId(const ProgramState& state);

// The number of rows of the statement with a positive ID; 0 when it cannot be opened.
int countPaperRows(ProgramState& state, const QString& statement);

// The positive IDs of the rows of currentSql in ascending order; false when it cannot be opened.
bool readPaperIds(ProgramState& state, QList<qint64>& ids);

} // namespace mirevo
