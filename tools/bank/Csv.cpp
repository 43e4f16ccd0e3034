#include "Csv.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Skips one line end (CRLF counts as one) at pos.
qsizetype skipLineEnd(QStringView text, qsizetype pos)
{
    if (text.at(pos) == u'\r' && pos + 1 < text.size() && text.at(pos + 1) == u'\n')
        return pos + 2;
    return pos + 1;
}

bool needsQuotes(const QString& field)
{
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || isLineEnd(c))
            return true;
    }
    return false;
}

} // namespace

CsvParse parseCsv(QStringView text)
{
    CsvParse result;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    int row = 0;
    while (pos < size) {
        CsvRecord record;
        record.row = ++row;
        // one field per turn; a record ends at a line end or at the end of the text
        while (true) {
            QString field;
            if (pos < size && text.at(pos) == u'"') {
                ++pos;
                while (true) {
                    if (pos >= size) {
                        result.error = u"row %1: a quoted field is not closed"_s.arg(record.row);
                        return result;
                    }
                    if (text.at(pos) == u'"') {
                        if (pos + 1 < size && text.at(pos + 1) == u'"') {
                            field += u'"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    field += text.at(pos++);
                }
                if (pos < size && text.at(pos) != u',' && !isLineEnd(text.at(pos))) {
                    result.error = u"row %1: text follows the closing quote of a field"_s.arg(record.row);
                    return result;
                }
            } else {
                const qsizetype start = pos;
                while (pos < size && text.at(pos) != u',' && !isLineEnd(text.at(pos)))
                    ++pos;
                field = text.sliced(start, pos - start).toString();
            }
            record.fields << field;
            if (pos < size && text.at(pos) == u',') {
                ++pos;
                continue;
            }
            if (pos < size)
                pos = skipLineEnd(text, pos);
            break;
        }
        result.records << record;
    }
    return result;
}

QString formatCsv(const QList<QStringList>& records)
{
    QString text;
    for (const QStringList& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += u',';
            const QString& field = record.at(i);
            if (needsQuotes(field)) {
                QString quoted = field;
                quoted.replace(u"\""_s, u"\"\""_s);
                text += u'"' + quoted + u'"';
            } else {
                text += field;
            }
        }
        text += u'\n';
    }
    return text;
}

} // namespace mirevo
