#include "BankExport.h"

#include "BankRules.h"
#include "BankSchema.h"
#include "BankTableReader.h"
#include "QuestionBank.h"
#include "QuestionCsv.h"

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// The kind of a question table of either subject; nullopt for any other name.
std::optional<TableKind> questionTableKind(const QString& table)
{
    for (int subject = 1; subject <= 2; ++subject) {
        if (table == chapterTable(subject))
            return TableKind::Chapter;
        for (int paper = 1; paper <= paperCount; ++paper) {
            if (table == paperTable(subject, paper))
                return TableKind::Paper;
        }
    }
    return std::nullopt;
}

} // namespace

TableExport exportTable(const QString& bankPath, const QString& table)
{
    TableExport result;
    const std::optional<TableKind> kind = questionTableKind(table);
    if (!kind) {
        result.error = u"\"%1\" is not a question table: name a chapter table (swzj, jczj) or a paper "
                       u"table (sw1 … sw20, jc1 … jc20)"_s.arg(table);
        return result;
    }
    QuestionBank bank;
    if (!openBankForReading(bank, bankPath, &result.error))
        return result;
    const auto rows = readStoredQuestions(bank, table);
    if (!rows) {
        result.error = u"the table %1 is missing or cannot be read"_s.arg(table);
        return result;
    }
    QList<BankQuestion> questions;
    for (const StoredQuestion& row : *rows)
        questions << row.question;
    result.csv = writeQuestionCsv(questions, *kind);
    return result;
}

} // namespace mirevo
