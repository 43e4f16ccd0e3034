#include "BankChecker.h"

#include "BankRules.h"
#include "BankSchema.h"
#include "BankTableReader.h"
#include "QuestionBank.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString unreadableTable = u"the table is missing or cannot be read"_s;

int sectionOf(const QString& typeText)
{
    for (int section = 0; section < int(paperSections.size()); ++section) {
        if (typeText == questionTypeText(paperSections.at(section).type))
            return section;
    }
    return -1;
}

QString sectionPlan()
{
    QStringList sections;
    for (const PaperSection& section : paperSections)
        sections << u"%1 %2"_s.arg(section.count).arg(questionTypeText(section.type));
    return sections.join(u", "_s);
}

class Checker
{
public:
    explicit Checker(QuestionBank& bank) : m_bank(bank) {}

    void checkSubject(int subject)
    {
        const QString chapters = chapterTable(subject);
        if (const auto rows = questionRows(chapters))
            checkQuestions(chapters, *rows, subject, TableKind::Chapter);
        for (int paper = 1; paper <= paperCount; ++paper) {
            const QString table = paperTable(subject, paper);
            if (const auto rows = questionRows(table)) {
                checkQuestions(table, *rows, subject, TableKind::Paper);
                checkSections(table, *rows);
            }
        }
        checkScores(scoreTable(subject));
    }

    BankCheck& result() { return m_result; }

private:
    std::optional<QList<StoredQuestion>> questionRows(const QString& table)
    {
        auto rows = readStoredQuestions(m_bank, table);
        if (!rows)
            add(table, {}, unreadableTable);
        else
            m_result.questionCount += int(rows->size());
        return rows;
    }

    void add(const QString& table, const QString& id, const QString& text)
    {
        m_result.violations.append({table, id, text});
    }

    // IDs: positive whole numbers, each once; rows reported in ascending ID order.
    void checkIds(const QString& table, const QStringList& ids, const QList<qint64>& numbers)
    {
        QHash<QString, int> seen;
        for (const QString& id : ids)
            ++seen[id];
        for (qsizetype row = 0; row < ids.size(); ++row) {
            const QString& id = ids.at(row);
            if (numbers.at(row) == 0)
                add(table, id, u"ID \"%1\" is not a whole number greater than 0"_s.arg(id));
            else if (seen.value(id) > 1 && (row == 0 || ids.at(row - 1) != id))
                add(table, id, u"ID %1 is used by %2 rows"_s.arg(id).arg(seen.value(id)));
        }
    }

    void checkQuestions(const QString& table, const QList<StoredQuestion>& rows, int subject, TableKind kind)
    {
        QStringList ids;
        QList<qint64> numbers;
        for (const StoredQuestion& row : rows) {
            ids << row.idText;
            numbers << row.id;
        }
        checkIds(table, ids, numbers);
        for (const StoredQuestion& row : rows) {
            for (const QuestionProblem& problem : questionProblems(row.question, subject, kind))
                add(table, row.idText, problem.column + u": "_s + problem.text);
        }
    }

    void checkSections(const QString& table, const QList<StoredQuestion>& rows)
    {
        QList<int> counts(paperSections.size(), 0);
        int reached = 0;
        for (const StoredQuestion& row : rows) {
            const int section = sectionOf(row.question.tx);
            if (section < 0)
                continue;
            ++counts[section];
            if (section < reached)
                add(table, row.idText,
                    u"%1 after the %2 section: a paper holds %3 in that order of ascending ID"_s.arg(
                        row.question.tx, questionTypeText(paperSections.at(reached).type), sectionPlan()));
            reached = std::max(reached, section);
        }
        for (int section = 0; section < int(paperSections.size()); ++section) {
            const PaperSection& expected = paperSections.at(section);
            if (counts.at(section) != expected.count)
                add(table, {},
                    u"holds %1 %2 where a paper holds %3"_s.arg(counts.at(section))
                        .arg(questionTypeText(expected.type))
                        .arg(expected.count));
        }
    }

    void checkScores(const QString& table)
    {
        const auto rows = readStoredScores(m_bank, table);
        if (!rows) {
            add(table, {}, unreadableTable);
            return;
        }
        QStringList ids;
        QList<qint64> numbers;
        QHash<qint64, int> papers;
        for (const StoredScore& row : *rows) {
            ids << row.idText;
            numbers << row.id;
            ++papers[row.id];
            if (row.id > paperCount)
                add(table, row.idText,
                    u"there is no paper %1: score rows are 1 to %2"_s.arg(row.idText).arg(paperCount));
            else if (row.id > 0 && row.sj != row.idText)
                add(table, row.idText,
                    u"SJ: \"%1\" where the row of paper %2 holds \"%2\""_s.arg(row.sj, row.idText));
        }
        checkIds(table, ids, numbers);
        for (int paper = 1; paper <= paperCount; ++paper) {
            if (!papers.contains(paper))
                add(table, QString::number(paper), u"the score row of paper %1 is missing"_s.arg(paper));
        }
    }

    QuestionBank& m_bank;
    BankCheck m_result;
};

} // namespace

BankCheck checkBank(const QString& bankPath)
{
    BankCheck result;
    QuestionBank bank;
    if (!openBankForReading(bank, bankPath, &result.error))
        return result;
    Checker checker(bank);
    for (int subject = 1; subject <= 2; ++subject)
        checker.checkSubject(subject);
    return checker.result();
}

QString violationText(const Violation& violation)
{
    if (violation.id.isEmpty())
        return violation.table + u": "_s + violation.text;
    return u"%1 ID %2: %3"_s.arg(violation.table, violation.id, violation.text);
}

} // namespace mirevo
