#include "SqlDialect.h"

#include <QRegularExpression>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

bool hasLimitClause(const QString& tail)
{
    // a "limit" inside a quoted text value is data, not a clause
    static const QRegularExpression quotedText(uR"('(?:[^']|'')*')"_s);
    static const QRegularExpression limitWord(uR"(\blimit\b)"_s, QRegularExpression::CaseInsensitiveOption);
    return QString(tail).remove(quotedText).contains(limitWord);
}

} // namespace

QString toSqliteDialect(const QString& jetSql)
{
    static const QRegularExpression topForm(
        uR"(^(\s*select)\s+top\s+([0-9]+)(?:\s+|(?=\*))(.*?)(\s*;?\s*)$)"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    if (!jetSql.contains(u"top"_s, Qt::CaseInsensitive))
        return jetSql;
    const QRegularExpressionMatch match = topForm.match(jetSql);
    if (!match.hasMatch() || match.capturedLength(3) == 0 || hasLimitClause(match.captured(3)))
        return jetSql;
    return match.captured(1) + u' ' + match.captured(3) + u" limit "_s + match.captured(2) +
           match.captured(4);
}

} // namespace mirevo
