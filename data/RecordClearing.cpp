#include "RecordClearing.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "ProgramState.h"
#include "QuestionBank.h"

#include <functional>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Opens `select`, then for every row runs the update that `updateFor` builds for it; a row
// for which it builds no statement is passed over.
bool walkAndClear(ProgramState& state, const QString& select, const std::function<QString()>& updateFor)
{
    const int recordSet = openQuery(state, select);
    if (recordSet == 0)
        return false;
    QuestionBank& bank = *state.questionBank;
    bool cleared = true;
    while (!bank.IsEOF(recordSet)) {
        const QString update = updateFor();
        if (!update.isEmpty() && !runUpdate(state, update)) {
            cleared = false;
            break;
        }
        bank.MoveNext(recordSet);
    }
    bank.CloseTable(recordSet);
    return cleared;
}

QString rowId(const ProgramState& state)
{
    return readColumnText(state, u"ID"_s);
}

} // namespace

bool clearPracticeAnswers(ProgramState& state)
{
    const QString table = chapterTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  xxda<>''"_s, [&] {
        return u"update "_s + table + u" "_s + u"set  XXDA=''   where ID="_s + rowId(state);
    });
}

bool clearFavouriteMarks(ProgramState& state)
{
    const QString table = chapterTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  shucang<>''"_s, [&] {
        return u"update "_s + table + u" "_s + u"set  shucang=''   where ID="_s + rowId(state);
    });
}

bool clearPaperScores(ProgramState& state)
{
    const QString table = scoreTable(state.currentSubject);
    return walkAndClear(state, u"select * from "_s + table + u" where  DF<>''"_s, [&] {
        if (readColumnText(state, u"DF"_s).isEmpty())
            return QString();
        return u"update "_s + table + u" set  DF=''   where ID="_s + rowId(state);
    });
}

bool clearPaperAnswers(ProgramState& state)
{
    // Spelled from the prefix and the number as they stand, so that paper 0 names "sw0" and
    // fails to open like any missing paper table.
    const QString table = paperTablePrefix(state.currentSubject) + QString::number(state.currentPaper);
    return walkAndClear(state, u"select * from "_s + table + u" where  xxda<>''"_s, [&] {
        return u"update "_s + table + u" "_s + u"set  XXDA='' where ID="_s + rowId(state);
    });
}

} // namespace mirevo
