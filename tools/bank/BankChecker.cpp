#include "BankChecker.h"

#include "BankRules.h"
#include "BankSchema.h"
#include "BankTableReader.h"
#include "PaperOverlap.h"
#include "QuestionBank.h"

#include <QHash>
#include <QMap>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <utility>

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

QString typeSharePlan()
{
    QStringList shares;
    for (const TypeShare& share : chapterTypeShares)
        shares << u"%1 % %2"_s.arg(share.percent).arg(questionTypeText(share.type));
    return shares.join(u" / "_s);
}

QList<BankQuestion> questionsOf(const QList<StoredQuestion>& rows)
{
    QList<BankQuestion> questions;
    for (const StoredQuestion& row : rows)
        questions << row.question;
    return questions;
}

// The rows of each chapter, chapter 1 first; rows naming no chapter of the catalogue are in none.
QList<QList<BankQuestion>> questionsByChapter(const QList<StoredQuestion>& rows, int subject)
{
    QList<QList<BankQuestion>> chapters(chapterCount(subject));
    for (const StoredQuestion& row : rows) {
        if (const int chapter = chapterNumber(row.question.zj, subject))
            chapters[chapter - 1] << row.question;
    }
    return chapters;
}

QString overlapFigures(int subject, const PaperOverlap& overlap)
{
    return u"%1 papers: chapter questions in at most %2 papers, at most %3 shared by two papers; cases in "
           u"at most %4 papers, at most %5 shared by two papers; chapter shares off by at most %6"_s
               .arg(subjectName(subject))
               .arg(overlap.mostPapersOfAQuestion)
               .arg(overlap.mostSharedQuestions)
               .arg(overlap.mostPapersOfACase)
               .arg(overlap.mostSharedCases)
               .arg(overlap.largestShareDeviation, 0, 'f', 2);
}

class Checker
{
public:
    Checker(QuestionBank& bank, const ChapterSizes& chapterSizes) : m_bank(bank), m_chapterSizes(chapterSizes)
    {}

    void checkSubject(int subject)
    {
        const QList<int>& sizes = m_chapterSizes.at(subject - 1);
        const QString chapters = chapterTable(subject);
        const auto chapterRows = questionRows(chapters);
        if (chapterRows) {
            checkQuestions(chapters, *chapterRows, subject, TableKind::Chapter);
            checkRepeatedStems(chapters, *chapterRows);
            checkChapters(subject, questionsByChapter(*chapterRows, subject), sizes);
        }
        QMap<int, QList<BankQuestion>> papers;
        for (int paper = 1; paper <= paperCount; ++paper) {
            const QString table = paperTable(subject, paper);
            if (const auto rows = questionRows(table)) {
                checkQuestions(table, *rows, subject, TableKind::Paper);
                checkSections(table, *rows);
                papers.insert(paper, questionsOf(*rows));
            }
        }
        checkCaseStems(subject, papers);
        // without the chapter table no paper question has a known source
        if (chapterRows) {
            const PaperOverlap overlap =
                measurePaperOverlap(subject, questionsOf(*chapterRows), papers, sizes);
            m_result.violations << overlap.violations;
            m_result.figures << overlapFigures(subject, overlap);
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

    void checkChapters(int subject, const QList<QList<BankQuestion>>& chapters, const QList<int>& sizes)
    {
        const QString table = chapterTable(subject);
        for (int chapter = 1; chapter <= int(chapters.size()); ++chapter) {
            const QList<BankQuestion>& questions = chapters.at(chapter - 1);
            const int count = int(questions.size());
            const int expected = chapter <= sizes.size() ? sizes.at(chapter - 1) : 0;
            QStringList mix;
            bool offMix = false;
            for (const TypeShare& share : chapterTypeShares) {
                const QString type = questionTypeText(share.type);
                const int ofType = int(std::count_if(questions.cbegin(), questions.cend(),
                                                     [&](const BankQuestion& q) { return q.tx == type; }));
                mix << u"%1 %2"_s.arg(type.chopped(1)).arg(ofType); // 单选题 → 单选
                offMix =
                    offMix || std::abs(100 * ofType - share.percent * count) > typeShareTolerance * count;
            }
            m_result.figures
                << u"%1 第%2章: %3 of %4, %5"_s.arg(table).arg(chapter).arg(count).arg(expected).arg(
                       mix.join(u" / "_s));
            if (count != expected)
                add(table, {},
                    u"chapter %1 holds %2 questions where the catalogue has %3"_s.arg(chapter).arg(count).arg(
                        expected));
            if (offMix)
                add(table, {},
                    u"chapter %1 holds %2 of %3 questions, where each type's share is within %4 points of %5"_s
                        .arg(chapter)
                        .arg(mix.join(u" / "_s))
                        .arg(count)
                        .arg(typeShareTolerance)
                        .arg(typeSharePlan()));
        }
    }

    // Papers tell their sources by their stems, so no two chapter questions may be alike.
    void checkRepeatedStems(const QString& table, const QList<StoredQuestion>& rows)
    {
        QHash<QString, QString> first; // the ID of the first row with a stem key
        for (const StoredQuestion& row : rows) {
            const QString key = stemKey(row.question.tm);
            if (key.isEmpty())
                continue; // an empty stem is a fault of its own
            if (const auto seen = first.constFind(key); seen != first.cend())
                add(table, row.idText,
                    u"TM: the stem is that of ID %1, spaces and punctuation aside"_s.arg(*seen));
            else
                first.insert(key, row.idText);
        }
    }

    // A case question is copied whole into each paper that has it; two stems alike that differ
    // are one question written twice.
    void checkCaseStems(int subject, const QMap<int, QList<BankQuestion>>& papers)
    {
        const QString indefinite = questionTypeText(QuestionType::Indefinite);
        QHash<QString, std::pair<QString, QString>> first; // by stem key: the stem and where it was
        for (auto paper = papers.cbegin(); paper != papers.cend(); ++paper) {
            const QString table = paperTable(subject, paper.key());
            for (const BankQuestion& question : *paper) {
                const QString key = stemKey(question.tm);
                if (question.tx != indefinite || key.isEmpty())
                    continue;
                const QString id = QString::number(question.id);
                if (const auto seen = first.constFind(key); seen == first.cend())
                    first.insert(key, {question.tm, u"%1 ID %2"_s.arg(table, id)});
                else if (seen->first != question.tm)
                    add(table, id,
                        u"TM: the stem is that of %1, spaces and punctuation aside"_s.arg(seen->second));
            }
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
    const ChapterSizes& m_chapterSizes;
    BankCheck m_result;
};

} // namespace

BankCheck checkBank(const QString& bankPath, const ChapterSizes& chapterSizes)
{
    BankCheck result;
    QuestionBank bank;
    if (!openBankForReading(bank, bankPath, &result.error))
        return result;
    Checker checker(bank, chapterSizes);
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
