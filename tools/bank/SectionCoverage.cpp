#include "SectionCoverage.h"

#include "Csv.h"
#include "TextDecoding.h"

#include <QHash>
#include <QMap>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QStringList coverageHeader{u"节"_s, u"名称"_s, u"题量"_s};

struct Section
{
    int row = 0;
    QString name;
    int count = 0;
};

// A whole number of at least minimum, written without blanks or leading zeros.
bool isWholeNumber(const QString& text, int minimum)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= minimum && text == QString::number(number);
}

} // namespace

QStringList coverageProblems(const QByteArray& table, const QList<CsvQuestion>& rows,
                             const CoverageFiles& files)
{
    const QString prefix = files.table + u": "_s;
    const DecodedText decoded = decodeSpreadsheetText(table);
    if (decoded.encoding.isEmpty())
        return {prefix + u"the file is neither UTF-8 nor GBK/GB18030 text"_s};
    const CsvParse parsed = parseCsv(decoded.text);
    if (!parsed.error.isEmpty())
        return {prefix + parsed.error};
    if (parsed.records.isEmpty() || parsed.records.front().fields != coverageHeader)
        return {prefix + u"the header is not %1"_s.arg(coverageHeader.join(u','))};

    QStringList problems;
    QMap<int, Section> sections; // by number
    for (const CsvRecord& record : parsed.records.mid(1)) {
        const QStringList& fields = record.fields;
        const QString at = prefix + u"row %1: "_s.arg(record.row);
        if (fields.size() != coverageHeader.size())
            problems << at + u"it has %1 fields where the header has 3"_s.arg(fields.size());
        else if (!isWholeNumber(fields.at(0), 1))
            problems << at + u"节: \"%1\" is not a section number (1, 2, …)"_s.arg(fields.at(0));
        else if (sections.contains(fields.at(0).toInt()))
            problems << at + u"节: section %1 is listed twice"_s.arg(fields.at(0));
        else if (fields.at(1).trimmed().isEmpty())
            problems << at + u"名称: the section has no name"_s;
        else if (!isWholeNumber(fields.at(2), 0))
            problems << at + u"题量: \"%1\" is not a number of questions"_s.arg(fields.at(2));
        else
            sections.insert(fields.at(0).toInt(), {record.row, fields.at(1), fields.at(2).toInt()});
    }
    if (!problems.isEmpty())
        return problems;

    QHash<int, int> recount;
    for (const CsvQuestion& row : rows) {
        const int number = isWholeNumber(row.section, 1) ? row.section.toInt() : 0;
        if (sections.contains(number))
            ++recount[number];
        else
            problems << u"%1: row %2: 节: \"%3\" is not a section of %4"_s.arg(files.chapter)
                            .arg(row.row)
                            .arg(row.section, files.table);
    }
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        const int counted = recount.value(it.key());
        const QString at = prefix + u"row %1: section %2 (%3) "_s.arg(it->row).arg(it.key()).arg(it->name);
        if (counted != it->count)
            problems << at + u"has 题量 %1, but %2 holds %3 of its questions"_s.arg(it->count)
                                 .arg(files.chapter)
                                 .arg(counted);
        if (counted == 0)
            problems << at + u"has no question"_s;
        else if (counted * 4 > rows.size())
            problems << at +
                            u"holds %1 of the %2 questions, more than a quarter of the chapter"_s.arg(counted)
                                .arg(rows.size());
    }
    return problems;
}

} // namespace mirevo
