#include "PaperQuery.h"

#include "BankAccess.h"
#include "ProgramState.h"
#include "QuestionBank.h"

#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;

qint64 currentRowId(const ProgramState& state)
{
    // A row whose ID is no positive integer cannot be addressed exactly: it is no question.
    const std::optional<qint64> id = readColumnInteger(state, u"ID"_s);
    return id && *id > 0 ? *id : 0;
}

int countPaperRows(ProgramState& state, const QString& statement)
{
    const int handle = openQuery(state, statement);
    if (handle == 0)
        return 0;
    int count = 0;
    for (; !state.questionBank->IsEOF(handle); state.questionBank->MoveNext(handle)) {
        if (currentRowId(state) > 0)
            ++count;
    }
    state.questionBank->CloseTable(handle);
    return count;
}

bool readPaperIds(ProgramState& state, QList<qint64>& ids)
{
    const int handle = openQuery(state, state.currentSql);
    if (handle == 0)
        return false;
    for (; !state.questionBank->IsEOF(handle); state.questionBank->MoveNext(handle)) {
        if (const qint64 id = currentRowId(state); id > 0)
            ids.append(id);
    }
    state.questionBank->CloseTable(handle);
    std::sort(ids.begin(), ids.end());
    return true;
}

} // namespace mirevo
