#include "PaperAssembly.h"

#include "BankRules.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <utility>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Why the pools cannot fill a section of every paper, each item being in at most papersPerSource
// papers; empty when they hold enough.
QString poolShortage(const QString& pools, const QString& item, qsizetype held, const PaperSection& plan)
{
    if (held * papersPerSource >= paperCount * plan.count)
        return {};
    return u"%1 hold %2 %3; %4 papers of %5 need at least %6, %7 being in at most %8 papers"_s.arg(pools)
        .arg(held)
        .arg(questionTypeText(plan.type))
        .arg(paperCount)
        .arg(plan.count)
        .arg((paperCount * plan.count + papersPerSource - 1) / papersPerSource)
        .arg(item)
        .arg(papersPerSource);
}

constexpr int preferredCaseSize = 5;
static_assert(papersPerSource == 2, "an item in one paper is drawn for one other paper at most");
static_assert(paperSections.back().type == QuestionType::Indefinite, "the case section comes last");

bool sharesFirstHalf(const QString& a, const QString& b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype common = 0;
    while (common < shorter && a.at(common) == b.at(common))
        ++common;
    return shorter > 0 && common * 2 >= shorter;
}

// Cases of the pools taken in turn: the first of each pool, the second, …
QList<const CaseStudy*> interleaveCases(const QList<QList<CaseStudy>>& casePools)
{
    QList<const CaseStudy*> cases;
    for (qsizetype round = 0;; ++round) {
        bool dealt = false;
        for (const QList<CaseStudy>& pool : casePools) {
            if (round < pool.size()) {
                cases << &pool.at(round);
                dealt = true;
            }
        }
        if (!dealt)
            return cases;
    }
}

// How many items (chapter questions, or cases) each two papers share.
class PaperShares
{
public:
    int count(int a, int b) const { return m_counts.at(a * paperCount + b); }
    void add(int a, int b)
    {
        ++m_counts[a * paperCount + b];
        ++m_counts[b * paperCount + a];
    }

private:
    QList<int> m_counts = QList<int>(paperCount * paperCount, 0);
};

// The papers (numbered from 0) that the items of a pool are in: a chapter's questions of one
// type, or the cases.
class PoolDraw
{
public:
    explicit PoolDraw(int size) : m_uses(size, 0), m_firstPaper(size, -1) {}

    int size() const { return int(m_uses.size()); }
    int uses(int item) const { return m_uses.at(item); }
    int firstPaper(int item) const { return m_firstPaper.at(item); }
    int totalUses() const { return m_totalUses; }
    // The items that are in the paper and in no other.
    int aloneIn(int paper) const { return m_alone.at(paper); }

    // The unused items are rationed evenly over the papers: a paper prefers one while fewer are
    // in use than the papers up to it are due. Second uses so spread over all the papers
    // instead of falling on the last ones, which could then not keep to the limits.
    bool prefersUnused(int paper) const { return qint64(m_inUse) * paperCount < qint64(paper + 1) * size(); }

    // Whether the paper may take the item, sharing at most limit items with any other paper.
    bool admits(int item, int paper, const PaperShares& shares, int limit) const
    {
        const int uses = m_uses.at(item);
        return uses == 0 || (uses < papersPerSource && m_firstPaper.at(item) != paper &&
                             shares.count(paper, m_firstPaper.at(item)) < limit);
    }

    void take(int item, int paper, PaperShares& shares)
    {
        if (m_uses[item]++ == 0) {
            m_firstPaper[item] = paper;
            ++m_inUse;
            ++m_alone[paper];
        } else {
            --m_alone[m_firstPaper.at(item)];
            shares.add(paper, m_firstPaper.at(item));
        }
        ++m_totalUses;
    }

private:
    QList<int> m_uses;
    QList<int> m_firstPaper;
    QList<int> m_alone = QList<int>(paperCount, 0);
    int m_inUse = 0;
    int m_totalUses = 0;
};

// The item of least key that the paper may take; -1 when there is none.
template <typename Key>
int leastItem(const PoolDraw& pool, int paper, const PaperShares& shares, int limit, Key key)
{
    int best = -1;
    for (int item = 0; item < pool.size(); ++item) {
        if (pool.admits(item, paper, shares, limit) && (best < 0 || key(item) < key(best)))
            best = item;
    }
    return best;
}

// A chapter's questions of one section's type.
struct ChapterPool
{
    int section;
    int chapter;
    QList<int> questions; // indexes into the chapter
    PoolDraw draw;
};

// The chapter sections of the papers, drawn paper after paper.
class ChapterDraw
{
public:
    explicit ChapterDraw(const QList<QList<BankQuestion>>& chapters)
        : m_chapters(chapters), m_allotted(chapters.size(), 0)
    {
        for (const QList<BankQuestion>& chapter : chapters)
            m_total += chapter.size();
        for (int section = 0; section + 1 < int(paperSections.size()); ++section) {
            const QString type = questionTypeText(paperSections.at(section).type);
            for (int chapter = 0; chapter < int(chapters.size()); ++chapter) {
                QList<int> questions;
                for (int index = 0; index < int(chapters.at(chapter).size()); ++index) {
                    if (chapters.at(chapter).at(index).tx == type)
                        questions << index;
                }
                if (!questions.isEmpty())
                    m_pools.append({section, chapter, questions, PoolDraw(int(questions.size()))});
            }
        }
    }

    // Why the chapters cannot fill the sections; empty when their pools are large enough.
    QString shortage() const
    {
        for (int section = 0; section + 1 < int(paperSections.size()); ++section) {
            const PaperSection& plan = paperSections.at(section);
            int held = 0;
            for (const ChapterPool& pool : m_pools)
                held += pool.section == section ? pool.draw.size() : 0;
            if (const QString shortage = poolShortage(u"the chapters"_s, u"a question"_s, held, plan);
                !shortage.isEmpty())
                return shortage;
        }
        return {};
    }

    // Draws a paper's chapter sections: each question goes to the pool drawn least for its size
    // among the chapters short of their share and the sections not yet full, so that each pool
    // is drawn in step with its size.
    QString drawPaper(int paper, QList<BankQuestion>& questions)
    {
        QList<int> chapterLeft = shares(paper);
        QList<int> sectionLeft;
        for (const PaperSection& section : paperSections)
            sectionLeft << section.count;
        QList<std::tuple<int, int, int>> drawn; // section, chapter, index in the chapter
        for (int seat = 0; seat < paperChapterQuestionCount; ++seat) {
            ChapterPool* chosen = nullptr;
            int chosenItem = -1;
            for (ChapterPool& pool : m_pools) {
                if (chapterLeft.at(pool.chapter) == 0 || sectionLeft.at(pool.section) == 0 ||
                    (chosen && qint64(pool.draw.totalUses() + 1) * chosen->draw.size() >=
                                   qint64(chosen->draw.totalUses() + 1) * pool.draw.size()))
                    continue;
                if (const int item = pickQuestion(pool, paper); item >= 0) {
                    chosen = &pool;
                    chosenItem = item;
                }
            }
            if (!chosen)
                return u"paper %1: no chapter question it still lacks can be drawn, each being in at most %2 "
                       u"papers and two papers sharing at most %3"_s.arg(paper + 1)
                           .arg(papersPerSource)
                           .arg(sharedQuestionLimit);
            chosen->draw.take(chosenItem, paper, m_shares);
            --chapterLeft[chosen->chapter];
            --sectionLeft[chosen->section];
            drawn.append({chosen->section, chosen->chapter, chosen->questions.at(chosenItem)});
        }
        std::sort(drawn.begin(), drawn.end());
        for (const auto& [section, chapter, index] : drawn)
            questions << m_chapters.at(chapter).at(index);
        return {};
    }

private:
    // Each chapter's part of the paper's chapter questions: one at a time to the chapter furthest
    // behind its share, by its size, of the papers up to this one. Over the papers the chapters
    // get their exact shares, and each paper is within two of them.
    QList<int> shares(int paper)
    {
        QList<int> shares(m_chapters.size(), 0);
        for (int seat = 0; seat < paperChapterQuestionCount; ++seat) {
            qint64 furthest = 0;
            int chosen = -1;
            for (int chapter = 0; chapter < int(m_chapters.size()); ++chapter) {
                const qint64 behind =
                    qint64(paper + 1) * paperChapterQuestionCount * m_chapters.at(chapter).size() -
                    m_total * (m_allotted.at(chapter) + shares.at(chapter));
                if (chosen < 0 || behind > furthest) {
                    furthest = behind;
                    chosen = chapter;
                }
            }
            ++shares[chosen];
        }
        for (int chapter = 0; chapter < int(m_chapters.size()); ++chapter)
            m_allotted[chapter] += shares.at(chapter);
        return shares;
    }

    // Among questions in one paper, the one whose paper shares least with this one.
    int pickQuestion(const ChapterPool& pool, int paper) const
    {
        const bool unusedFirst = pool.draw.prefersUnused(paper);
        return leastItem(pool.draw, paper, m_shares, sharedQuestionLimit, [&](int item) {
            const int uses = pool.draw.uses(item);
            return std::tuple(unusedFirst ? uses : -uses,
                              uses ? m_shares.count(paper, pool.draw.firstPaper(item)) : 0, item);
        });
    }

    const QList<QList<BankQuestion>>& m_chapters;
    qint64 m_total = 0;         // the chapters' questions
    QList<int> m_allotted;      // each chapter's questions in the papers drawn
    QList<ChapterPool> m_pools; // in section order, then chapter order
    PaperShares m_shares;
};

// Draws every paper's case section: cases of five first, each taken whole but the last, which
// is cut to what the section still lacks. Among cases in one paper, the one whose paper has the
// most cases in it alone, so that those left for a second paper are spread over many.
QString drawCaseSections(const QList<QList<CaseStudy>>& casePools, QList<QList<BankQuestion>>& papers)
{
    const PaperSection& plan = paperSections.back();
    const QList<const CaseStudy*> cases = interleaveCases(casePools);
    const qsizetype held = std::accumulate(cases.cbegin(), cases.cend(), qsizetype(0),
                                           [](qsizetype sum, const CaseStudy* c) { return sum + c->size(); });
    if (const QString shortage = poolShortage(u"the case pools"_s, u"a case"_s, held, plan);
        !shortage.isEmpty())
        return shortage;
    PoolDraw draw(int(cases.size()));
    PaperShares shares;
    for (int paper = 0; paper < paperCount; ++paper) {
        int questions = 0;
        while (questions < plan.count) {
            const bool unusedFirst = draw.prefersUnused(paper);
            const int item = leastItem(draw, paper, shares, sharedCaseLimit, [&](int c) {
                const int uses = draw.uses(c);
                return std::tuple(cases.at(c)->size() != preferredCaseSize, unusedFirst ? uses : -uses,
                                  uses ? -draw.aloneIn(draw.firstPaper(c)) : 0, c);
            });
            if (item < 0)
                return u"paper %1: no case is left to draw, each being in at most %2 papers and two papers "
                       u"sharing at most %3"_s.arg(paper + 1)
                           .arg(papersPerSource)
                           .arg(sharedCaseLimit);
            draw.take(item, paper, shares);
            const int kept = std::min(int(cases.at(item)->size()), plan.count - questions);
            papers[paper] << cases.at(item)->first(kept);
            questions += kept;
        }
    }
    return {};
}

} // namespace

QList<CaseStudy> splitCases(const QList<BankQuestion>& pool)
{
    QList<CaseStudy> cases;
    for (const BankQuestion& question : pool) {
        if (cases.isEmpty() || !sharesFirstHalf(cases.back().back().tm, question.tm))
            cases.append(CaseStudy());
        cases.back() << question;
    }
    return cases;
}

PaperAssembly assemblePapers(const QList<QList<BankQuestion>>& chapters,
                             const QList<QList<CaseStudy>>& casePools)
{
    PaperAssembly result;
    ChapterDraw chapterDraw(chapters);
    result.error = chapterDraw.shortage();
    if (!result.error.isEmpty())
        return result;
    QList<QList<BankQuestion>> papers(paperCount);
    for (int paper = 0; paper < paperCount && result.error.isEmpty(); ++paper)
        result.error = chapterDraw.drawPaper(paper, papers[paper]);
    if (result.error.isEmpty())
        result.error = drawCaseSections(casePools, papers);
    if (!result.error.isEmpty())
        return result;

    for (QList<BankQuestion>& paper : papers) {
        qint64 id = 0;
        for (BankQuestion& question : paper) {
            question.id = ++id;
            question.zj = QString();
            question.shucang = u""_s;
            question.xxda = u""_s;
        }
    }
    result.papers = papers;
    return result;
}

} // namespace mirevo
