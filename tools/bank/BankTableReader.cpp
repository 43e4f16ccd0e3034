#include "BankTableReader.h"

#include "ValueText.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

qint64 positiveWholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok && number > 0 ? number : 0;
}

// Walks every row of "select * from table", reading each with read.
template <typename Row, typename Read>
std::optional<QList<Row>> readRows(QuestionBank& bank, const QString& table, Read read)
{
    const int rows = bank.OpenTable(u"select * from "_s + table);
    if (rows == 0)
        return std::nullopt;
    QList<Row> result;
    const auto text = [&](const QString& column) {
        return valueToText(bank.ReadColByName(rows, column));
    };
    for (bank.MoveFirst(rows); !bank.IsEOF(rows); bank.MoveNext(rows)) {
        result << read(text);
    }
    bank.CloseTable(rows);
    std::stable_sort(result.begin(), result.end(), [](const Row& a, const Row& b) {
        return textToNumber(a.idText) < textToNumber(b.idText);
    });
    return result;
}

} // namespace

bool openBankForReading(QuestionBank& bank, const QString& bankPath, QString* error)
{
    if (!QFileInfo(bankPath).isFile()) {
        *error = u"there is no bank at %1"_s.arg(QDir::toNativeSeparators(bankPath));
        return false;
    }
    if (!bank.OpenDatabase(bankPath, {}, {}, true)) {
        *error = u"%1 cannot be opened as a question bank"_s.arg(QDir::toNativeSeparators(bankPath));
        return false;
    }
    return true;
}

std::optional<QList<StoredQuestion>> readStoredQuestions(QuestionBank& bank, const QString& table)
{
    return readRows<StoredQuestion>(bank, table, [](const auto& text) {
        StoredQuestion row;
        row.idText = text(u"ID"_s);
        row.id = positiveWholeNumber(row.idText);
        BankQuestion& q = row.question;
        q.id = row.id;
        q.zj = text(u"zj"_s);
        q.tm = text(u"TM"_s);
        q.tx = text(u"TX"_s);
        q.xxa = text(u"XXA"_s);
        q.xxb = text(u"XXB"_s);
        q.xxc = text(u"XXC"_s);
        q.xxd = text(u"XXD"_s);
        q.da = text(u"DA"_s);
        q.jx = text(u"JX"_s);
        q.shucang = text(u"shucang"_s);
        q.xxda = text(u"XXDA"_s);
        return row;
    });
}

std::optional<QList<StoredScore>> readStoredScores(QuestionBank& bank, const QString& table)
{
    return readRows<StoredScore>(bank, table, [](const auto& text) {
        StoredScore row;
        row.idText = text(u"ID"_s);
        row.id = positiveWholeNumber(row.idText);
        row.sj = text(u"SJ"_s);
        row.df = text(u"DF"_s);
        return row;
    });
}

} // namespace mirevo
