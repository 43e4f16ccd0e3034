#include "QuestionCsv.h"

#include "AnswerNormalisation.h"
#include "Csv.h"
#include "TextDecoding.h"

#include <array>
#include <optional>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

enum Column
{
    Tm,
    Tx,
    Xxa,
    Xxb,
    Xxc,
    Xxd,
    Da,
    Jx,
    Zj,
    Section, // sources only: the question's section of its chapter, not stored in the bank
    ColumnCount
};

struct ColumnNames
{
    QString bank;
    QStringList others; // spellings of the Chinese layout
};

const std::array<ColumnNames, ColumnCount>& columnNames()
{
    static const std::array<ColumnNames, ColumnCount> names{{
        {u"TM"_s, {u"题干"_s, u"题目"_s}},
        {u"TX"_s, {u"题型"_s}},
        {u"XXA"_s, {u"选项A"_s}},
        {u"XXB"_s, {u"选项B"_s}},
        {u"XXC"_s, {u"选项C"_s}},
        {u"XXD"_s, {u"选项D"_s}},
        {u"DA"_s, {u"正确答案"_s, u"答案"_s, u"标准答案"_s}},
        {u"JX"_s, {u"解析"_s, u"答案解析"_s}},
        {u"zj"_s, {u"章节"_s}},
        {u"节"_s, {}},
    }};
    return names;
}

std::optional<Column> columnOf(const QString& header)
{
    const QString name = header.normalized(QString::NormalizationForm_KC).trimmed();
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnNames& names = columnNames().at(column);
        if (name.compare(names.bank, Qt::CaseInsensitive) == 0 ||
            names.others.contains(name, Qt::CaseInsensitive))
            return static_cast<Column>(column);
    }
    return std::nullopt;
}

// The header of the file: for each column the index of its field, -1 when absent.
struct Layout
{
    std::array<qsizetype, ColumnCount> field;
    QStringList headers;

    QString nameOf(Column column) const
    {
        return field.at(column) < 0 ? columnNames().at(column).bank : headers.at(field.at(column)).trimmed();
    }
    QString value(const QStringList& fields, Column column) const
    {
        return field.at(column) < 0 ? u""_s : fields.at(field.at(column));
    }
};

std::optional<Layout> readLayout(const QStringList& headers, QStringList* notes, QString* error)
{
    Layout layout;
    layout.field.fill(-1);
    layout.headers = headers;
    for (qsizetype index = 0; index < headers.size(); ++index) {
        const std::optional<Column> column = columnOf(headers.at(index));
        if (!column) {
            if (!headers.at(index).trimmed().isEmpty())
                *notes << u"column \"%1\" is not a question column: passed over"_s.arg(headers.at(index));
            continue;
        }
        if (layout.field.at(*column) >= 0) {
            *error = u"the header names the column %1 twice"_s.arg(columnNames().at(*column).bank);
            return std::nullopt;
        }
        layout.field.at(*column) = index;
    }
    QStringList missing;
    for (const Column required : {Tm, Tx, Da}) {
        if (layout.field.at(required) < 0)
            missing << columnNames().at(required).bank + u"/"_s + columnNames().at(required).others.front();
    }
    if (!missing.isEmpty()) {
        *error = u"the header lacks the column(s) %1; it must name our columns (TM, TX, XXA…XXD, DA, JX, "
                 u"zj) or the Chinese ones (题干, 题型, 选项A…选项D, 正确答案, 解析, 章节)"_s.arg(
                     missing.join(u", "_s));
        return std::nullopt;
    }
    return layout;
}

bool isBlank(const QStringList& fields)
{
    for (const QString& field : fields) {
        if (!field.trimmed().isEmpty())
            return false;
    }
    return true;
}

class RowReader
{
public:
    RowReader(const Layout& layout, const CsvDestination& destination, QuestionCsvRead& result)
        : m_layout(layout), m_destination(destination), m_result(result)
    {}

    void read(const CsvRecord& record)
    {
        m_row = record.row;
        m_reasons.clear();
        if (isBlank(record.fields)) {
            m_result.notes << u"row %1: empty, passed over"_s.arg(m_row);
            return;
        }
        if (!fieldsFit(record.fields)) {
            reject();
            return;
        }
        BankQuestion q;
        q.tm = m_layout.value(record.fields, Tm);
        q.tx = normalised(record.fields, Tx, normalisedTypeText);
        q.xxa = m_layout.value(record.fields, Xxa);
        q.xxb = m_layout.value(record.fields, Xxb);
        q.xxc = m_layout.value(record.fields, Xxc);
        q.xxd = m_layout.value(record.fields, Xxd);
        q.da = normalised(record.fields, Da,
                          [&](const QString& answer) { return normalisedAnswer(q.tx, answer); });
        q.jx = m_layout.value(record.fields, Jx);
        q.zj = normalised(record.fields, Zj, normalisedChapter);
        bool otherChapter = false;
        if (m_destination.kind == TableKind::Chapter) {
            const QString chapter = QString::number(m_destination.chapter);
            if (q.zj.isEmpty())
                q.zj = chapter;
            otherChapter = q.zj != chapter;
            if (otherChapter)
                m_reasons << u"%1: \"%2\" is not the chapter being imported (%3)"_s.arg(m_layout.nameOf(Zj),
                                                                                        q.zj, chapter);
        }
        for (const QuestionProblem& problem :
             questionProblems(q, m_destination.subject, m_destination.kind)) {
            if (!(otherChapter && problem.column == u"zj"_s))
                m_reasons << nameOfBankColumn(problem.column) + u": "_s + problem.text;
        }
        if (!m_reasons.isEmpty()) {
            reject();
            return;
        }
        m_result.notes << m_pendingNotes;
        m_result.questions.append({m_row, q, m_layout.value(record.fields, Section).trimmed()});
        m_pendingNotes.clear();
    }

private:
    bool fieldsFit(const QStringList& fields)
    {
        const qsizetype expected = m_layout.headers.size();
        if (fields.size() < expected) {
            m_reasons << u"it has %1 fields where the header has %2"_s.arg(fields.size()).arg(expected);
            return false;
        }
        if (!isBlank(fields.mid(expected))) {
            m_reasons << u"it has text beyond the %1 columns of the header"_s.arg(expected);
            return false;
        }
        return true;
    }

    template <typename Normalise>
    QString normalised(const QStringList& fields, Column column, Normalise normalise)
    {
        const QString raw = m_layout.value(fields, column);
        const QString value = normalise(raw);
        if (value != raw)
            m_pendingNotes << u"row %1, %2: \"%3\" read as \"%4\""_s.arg(m_row).arg(m_layout.nameOf(column),
                                                                                    raw, value);
        return value;
    }

    QString nameOfBankColumn(const QString& bankName) const
    {
        for (int column = 0; column < ColumnCount; ++column) {
            if (columnNames().at(column).bank == bankName)
                return m_layout.nameOf(static_cast<Column>(column));
        }
        return bankName;
    }

    void reject()
    {
        m_result.rejections << u"row %1: %2"_s.arg(m_row).arg(m_reasons.join(u"; "_s));
        m_pendingNotes.clear();
    }

    const Layout& m_layout;
    const CsvDestination& m_destination;
    QuestionCsvRead& m_result;
    int m_row = 0;
    QStringList m_reasons;
    QStringList m_pendingNotes;
};

} // namespace

QuestionCsvRead readQuestionCsv(const QByteArray& bytes, const CsvDestination& destination)
{
    QuestionCsvRead result;
    const DecodedText decoded = decodeSpreadsheetText(bytes);
    if (decoded.encoding.isEmpty()) {
        result.error = u"the file is neither UTF-8 nor GBK/GB18030 text"_s;
        return result;
    }
    result.encoding = decoded.encoding;
    const CsvParse parsed = parseCsv(decoded.text);
    if (!parsed.error.isEmpty()) {
        result.error = parsed.error;
        return result;
    }
    if (parsed.records.isEmpty()) {
        result.error = u"the file is empty: it needs a header row"_s;
        return result;
    }
    const std::optional<Layout> layout =
        readLayout(parsed.records.front().fields, &result.notes, &result.error);
    if (!layout)
        return result;
    RowReader reader(*layout, destination, result);
    for (qsizetype index = 1; index < parsed.records.size(); ++index)
        reader.read(parsed.records.at(index));
    return result;
}

QByteArray writeQuestionCsv(const QList<BankQuestion>& questions, TableKind kind)
{
    const bool withChapter = kind == TableKind::Chapter;
    QList<QStringList> records;
    QStringList header;
    for (int column = 0; column < (withChapter ? Zj + 1 : Zj); ++column)
        header << columnNames().at(column).bank;
    records << header;
    for (const BankQuestion& q : questions) {
        QStringList fields{q.tm, q.tx, q.xxa, q.xxb, q.xxc, q.xxd, q.da, q.jx};
        if (withChapter)
            fields << q.zj;
        records << fields;
    }
    return formatCsv(records).toUtf8();
}

} // namespace mirevo
