#include "ExamStatements.h"

#include "BankSchema.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString paperTableName(int subject, int paper)
{
    return paperTablePrefix(subject) + QString::number(paper);
}

} // namespace

QString paperStatement(int subject, int paper)
{
    return u"select  * from "_s + paperTableName(subject, paper);
}

QString paperTypeStatement(int subject, int paper, const QString& questionType)
{
    return u"select  * from "_s + paperTableName(subject, paper) + u"  where tx='"_s + questionType + u"'"_s;
}

QString paperQuestionStatement(int subject, int paper, qint64 id)
{
    return u"select top 1 * from "_s + paperTableName(subject, paper) + u" where ID="_s + QString::number(id);
}

QString choiceAnswerStatement(int subject, int paper, const QString& letters, qint64 id)
{
    return u"update "_s + paperTableName(subject, paper) + u"  set  XXDA='"_s + letters + u"' where ID="_s +
           QString::number(id);
}

QString judgementAnswerStatement(int subject, int paper, const QString& word, qint64 id)
{
    return u"update "_s + paperTableName(subject, paper) + u" set  XXDA='"_s + word + u"' where ID="_s +
           QString::number(id);
}

QString paperScoreStatement(int subject, int paper)
{
    return u"select * from  "_s + scoreTable(subject) + u"  where SJ='"_s + QString::number(paper) + u"'"_s;
}

QString storeScoreStatement(int subject, int paper, const QString& score)
{
    return u"update  "_s + paperTablePrefix(subject) + u"deifen  set  df='"_s + score + u"'   where ID="_s +
           QString::number(paper);
}

} // namespace mirevo
