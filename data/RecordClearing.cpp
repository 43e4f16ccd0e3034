#include "RecordClearing.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "ProgramState.h"
#include "QuestionBank.h"

#include <functional>
#include <optional>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Opens `select`, then for every row runs the update that `updateFor` builds for it; a row
// for which it builds an empty statement is passed over, one for which it builds none fails
// the walk.
bool walkAndClear(ProgramState& state, const QString& select,
                  const std::function<std::optional<QString>()>& updateFor)
{
    const int recordSet = openQuery(state, select);
    if (recordSet == 0)
        return false;
    QuestionBank& bank = *state.questionBank;
    bool cleared = true;
    while (!bank.IsEOF(recordSet)) {
        const std::optional<QString> update = updateFor();
        if (!update || (!update->isEmpty() && !runUpdate(state, *update))) {
            cleared = false;
            break;
        }
        bank.MoveNext(recordSet);
    }
    bank.CloseTable(recordSet);
    return cleared;
}

// The statement for the row, its ID written as an integer: a row whose ID is no integer has
// none, and nothing read from a row other than its number reaches the statement.
std::optional<QString> updateOfRow(const ProgramState& state, const QString& update)
{
    const std::optional<qint64> id = readColumnInteger(state, u"ID"_s);
    if (!id)
        return std::nullopt;
    return update + QString::number(*id);
}

} // namespace

bool clearPracticeAnswers(ProgramState& state)
{
    const QString table = chapterTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  xxda<>''"_s, [&] {
        return updateOfRow(state, u"update "_s + table + u" "_s + u"set  XXDA=''   where ID="_s);
    });
}

bool clearFavouriteMarks(ProgramState& state)
{
    const QString table = chapterTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  shucang<>''"_s, [&] {
        return updateOfRow(state, u"update "_s + table + u" "_s + u"set  shucang=''   where ID="_s);
    });
}

bool clearPaperScores(ProgramState& state)
{
    const QString table = scoreTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  DF<>''"_s, [&] {
        if (readColumnText(state, u"DF"_s).isEmpty())
            return std::optional<QString>(QString());
        return updateOfRow(state, u"update "_s + table + u" set  DF=''   where ID="_s);
    });
}

bool clearPaperAnswers(ProgramState& state)
{
    // Spelled from the prefix and the number as they stand, so that paper 0 names "sw0" and
    // fails to open like any missing paper table.
    const QString table = paperTablePrefix(state.currentSubject) + QString::number(state.currentPaper);
    return walkAndClear(state, u"select * from "_s + table + u" where  xxda<>''"_s, [&] {
        return updateOfRow(state, u"update "_s + table + u" "_s + u"set  XXDA='' where ID="_s);
    });
}

} // namespace mirevo
