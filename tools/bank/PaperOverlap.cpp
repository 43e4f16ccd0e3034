#include "PaperOverlap.h"

#include "BankRules.h"
#include "PaperAssembly.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// The runs of case questions that turn out to be one case, joined as common stems are found.
class CaseRuns
{
public:
    int add(int paper, qint64 firstId)
    {
        m_parent << int(m_parent.size());
        m_papers << paper;
        m_firstIds << firstId;
        return int(m_parent.size()) - 1;
    }
    int caseOf(int run)
    {
        while (m_parent.at(run) != run)
            run = m_parent[run] = m_parent.at(m_parent.at(run));
        return run;
    }
    void join(int a, int b) { m_parent[caseOf(a)] = caseOf(b); }
    int count() const { return int(m_parent.size()); }
    int paper(int run) const { return m_papers.at(run); }
    qint64 firstId(int run) const { return m_firstIds.at(run); }

private:
    QList<int> m_parent;
    QList<int> m_papers;
    QList<qint64> m_firstIds;
};

// The papers' sources, gathered paper by paper, then measured.
class Measure
{
public:
    Measure(int subject, const QList<BankQuestion>& chapterRows, const QList<int>& chapterSizes)
        : m_subject(subject), m_chapterRows(chapterRows), m_sizes(chapterSizes)
    {
        for (const BankQuestion& question : chapterRows) {
            if (!m_chapterOf.contains(question.tm))
                m_chapterOf.insert(question.tm, chapterNumber(question.zj, subject));
        }
    }

    void addPaper(int paper, const QList<BankQuestion>& rows)
    {
        const QString indefinite = questionTypeText(QuestionType::Indefinite);
        QList<BankQuestion> caseRows;
        QList<int> counts(m_sizes.size(), 0);
        for (const BankQuestion& row : rows) {
            if (row.tm.trimmed().isEmpty())
                continue; // a fault of its own
            if (row.tx == indefinite) {
                caseRows << row;
                continue;
            }
            const auto chapter = m_chapterOf.constFind(row.tm);
            if (chapter == m_chapterOf.cend()) {
                add(paperName(paper), QString::number(row.id),
                    u"TM: the stem is not one of %1: a paper's %2 copy its chapter questions"_s.arg(
                        chapterTable(m_subject), chapterTypes()));
                continue;
            }
            if (!m_drawn[paper].contains(row.tm)) {
                m_drawn[paper].insert(row.tm);
                m_papersOf[row.tm] << paper;
            }
            if (*chapter >= 1 && *chapter <= counts.size())
                ++counts[*chapter - 1];
        }
        checkShares(paper, counts);
        for (const CaseStudy& study : splitCases(caseRows)) {
            const int run = m_runs.add(paper, study.front().id);
            for (const BankQuestion& question : study) {
                if (const auto other = m_runOfStem.constFind(question.tm); other != m_runOfStem.cend())
                    m_runs.join(run, *other);
                else
                    m_runOfStem.insert(question.tm, run);
            }
        }
    }

    PaperOverlap result()
    {
        measureQuestions();
        measureCases();
        return m_result;
    }

private:
    static QString chapterTypes()
    {
        QStringList types;
        for (const TypeShare& share : chapterTypeShares)
            types << questionTypeText(share.type);
        return types.join(u", "_s);
    }

    QString paperName(int paper) const { return paperTable(m_subject, paper); }

    void add(const QString& table, const QString& id, const QString& text)
    {
        m_result.violations.append({table, id, text});
    }

    void checkShares(int paper, const QList<int>& counts)
    {
        const double total = std::accumulate(m_sizes.cbegin(), m_sizes.cend(), 0.0);
        if (total == 0)
            return;
        for (qsizetype chapter = 0; chapter < m_sizes.size(); ++chapter) {
            const double share = paperChapterQuestionCount * m_sizes.at(chapter) / total;
            const double deviation = std::abs(counts.at(chapter) - share);
            m_result.largestShareDeviation = std::max(m_result.largestShareDeviation, deviation);
            if (deviation > chapterShareTolerance)
                add(paperName(paper), {},
                    u"holds %1 questions of chapter %2 where its share is %3 ± %4"_s.arg(counts.at(chapter))
                        .arg(chapter + 1)
                        .arg(share, 0, 'f', 2)
                        .arg(chapterShareTolerance));
        }
    }

    void measureQuestions()
    {
        for (const BankQuestion& question : m_chapterRows) {
            const QList<int> papers = m_papersOf.take(question.tm); // a stem twice is reported once
            m_result.mostPapersOfAQuestion = std::max(m_result.mostPapersOfAQuestion, int(papers.size()));
            if (papers.size() > papersPerSource)
                add(chapterTable(m_subject), QString::number(question.id),
                    u"in %1 papers (%2): a chapter question is in at most %3"_s.arg(papers.size())
                        .arg(paperList(papers))
                        .arg(papersPerSource));
        }
        for (auto a = m_drawn.cbegin(); a != m_drawn.cend(); ++a) {
            for (auto b = std::next(a); b != m_drawn.cend(); ++b) {
                const int shared = int(std::count_if(b->cbegin(), b->cend(),
                                                     [&](const QString& stem) { return a->contains(stem); }));
                m_result.mostSharedQuestions = std::max(m_result.mostSharedQuestions, shared);
                if (shared > sharedQuestionLimit)
                    add(paperName(b.key()), {},
                        u"shares %1 chapter questions with %2: two papers share at most %3"_s.arg(shared)
                            .arg(paperName(a.key()))
                            .arg(sharedQuestionLimit));
            }
        }
    }

    void measureCases()
    {
        // the papers of each case in paper order, with the first row of its run in each
        QMap<int, QList<int>> papersOfCase;
        QMap<int, QList<qint64>> firstIds;
        for (int run = 0; run < m_runs.count(); ++run) {
            QList<int>& papers = papersOfCase[m_runs.caseOf(run)];
            if (papers.isEmpty() || papers.back() != m_runs.paper(run)) {
                papers << m_runs.paper(run);
                firstIds[m_runs.caseOf(run)] << m_runs.firstId(run);
            }
        }
        QMap<std::pair<int, int>, int> shared;
        for (auto it = papersOfCase.cbegin(); it != papersOfCase.cend(); ++it) {
            const QList<int>& papers = *it;
            m_result.mostPapersOfACase = std::max(m_result.mostPapersOfACase, int(papers.size()));
            if (papers.size() > papersPerSource)
                add(paperName(papers.at(papersPerSource)),
                    QString::number(firstIds.value(it.key()).at(papersPerSource)),
                    u"the case is in %1 papers (%2): a case is in at most %3"_s.arg(papers.size())
                        .arg(paperList(papers))
                        .arg(papersPerSource));
            for (qsizetype a = 0; a < papers.size(); ++a) {
                for (qsizetype b = a + 1; b < papers.size(); ++b)
                    ++shared[{papers.at(a), papers.at(b)}];
            }
        }
        for (auto it = shared.cbegin(); it != shared.cend(); ++it) {
            m_result.mostSharedCases = std::max(m_result.mostSharedCases, *it);
            if (*it > sharedCaseLimit)
                add(paperName(it.key().second), {},
                    u"shares %1 cases with %2: two papers share at most %3"_s.arg(*it)
                        .arg(paperName(it.key().first))
                        .arg(sharedCaseLimit));
        }
    }

    QString paperList(const QList<int>& papers) const
    {
        QStringList names;
        for (const int paper : papers)
            names << paperName(paper);
        return names.join(u", "_s);
    }

    int m_subject;
    const QList<BankQuestion>& m_chapterRows;
    const QList<int>& m_sizes;
    QHash<QString, int> m_chapterOf;       // the chapter number of a chapter question, by stem
    QHash<QString, QList<int>> m_papersOf; // the papers of a chapter question, by stem
    QMap<int, QSet<QString>> m_drawn;      // each paper's chapter questions, by stem
    CaseRuns m_runs;
    QHash<QString, int> m_runOfStem; // the first run holding a case question
    PaperOverlap m_result;
};

} // namespace

PaperOverlap measurePaperOverlap(int subject, const QList<BankQuestion>& chapterRows,
                                 const QMap<int, QList<BankQuestion>>& papers, const QList<int>& chapterSizes)
{
    Measure measure(subject, chapterRows, chapterSizes);
    for (auto it = papers.cbegin(); it != papers.cend(); ++it)
        measure.addPaper(it.key(), *it);
    return measure.result();
}

} // namespace mirevo
