#include "PracticeStatements.h"

#include "BankSchema.h"

#include <QStringList>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString idText(qint64 id)
{
    return QString::number(id);
}

} // namespace

QString favouritesQuery(int subject)
{
    switch (subject) {
    case 1:
        return u"select * from swzj where  shucang='yes'"_s;
    case 2:
        // jczj under the alias swzj, as the first subject's form reads
        return u"select * from jczj swzj where  shucang='yes'"_s;
    default:
        return {};
    }
}

QString chapterQuery(int subject, int chapter)
{
    return u"select  * from "_s + chapterTable(subject) + u" where zj='"_s + QString::number(chapter) +
           u"'"_s;
}

QString questionListQuery(int subject, const QList<qint64>& ids)
{
    QStringList list;
    for (const qint64 id : ids)
        list.append(idText(id));
    return u"select  * from "_s + chapterTable(subject) + u" where ID in ("_s + list.join(u","_s) + u")"_s;
}

QString questionQuery(int subject, qint64 id)
{
    return u"select top 1 * from "_s + chapterTable(subject) + u" where ID="_s + idText(id);
}

QString answerUpdate(int subject, const QString& answer, qint64 id)
{
    return u"update "_s + chapterTable(subject) + u" set  XXDA='"_s + answer + u"' where ID="_s + idText(id);
}

QString favouriteUpdate(int subject, bool marked, qint64 id)
{
    return u"update "_s + chapterTable(subject) + u" set  shucang='"_s + (marked ? u"YES"_s : QString()) +
           u"' where ID="_s + idText(id);
}

} // namespace mirevo
