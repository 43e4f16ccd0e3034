#include "PaperAssembly.h"

#include "BankRules.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <tuple>
#include <vector>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// A question of a paper by where it was drawn from: its section, its place in that section's
// deal and, for a case, its place in the case.
using SourceKey = std::tuple<int, int, int>;

struct DrawnPaper
{
    QList<BankQuestion> questions;
    std::vector<SourceKey> sources;
};

bool sharesFirstHalf(const QString& a, const QString& b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype common = 0;
    while (common < shorter && a.at(common) == b.at(common))
        ++common;
    return shorter > 0 && common * 2 >= shorter;
}

// The questions of a type, dealt round the chapters: the first of each chapter, the second, …
QList<const BankQuestion*> dealRoundChapters(const QList<QList<BankQuestion>>& chapters, QuestionType type)
{
    QList<QList<const BankQuestion*>> ofType;
    for (const QList<BankQuestion>& chapter : chapters) {
        ofType.append(QList<const BankQuestion*>());
        for (const BankQuestion& question : chapter) {
            if (questionTypeFromText(question.tx) == type)
                ofType.back() << &question;
        }
    }
    QList<const BankQuestion*> deal;
    for (qsizetype round = 0;; ++round) {
        bool dealt = false;
        for (const auto& questions : ofType) {
            if (round < questions.size()) {
                deal << questions.at(round);
                dealt = true;
            }
        }
        if (!dealt)
            return deal;
    }
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

// An endless deal of case indexes: round r visits every case once, stepping by the r-th
// stride that is prime to the number of cases.
class CaseDeal
{
public:
    explicit CaseDeal(int caseCount) : m_caseCount(caseCount)
    {
        for (int stride = 1; stride <= caseCount; ++stride) {
            if (std::gcd(stride, caseCount) == 1)
                m_strides << stride;
        }
    }

    int next()
    {
        const int stride = m_strides.at(m_round % m_strides.size());
        const int index = int((qint64(m_step) * stride) % m_caseCount);
        if (++m_step == m_caseCount) {
            m_step = 0;
            ++m_round;
        }
        return index;
    }

private:
    int m_caseCount;
    QList<int> m_strides;
    int m_round = 0;
    int m_step = 0;
};

// How many questions of each taken case stay so that the cases hold exactly wanted: cut from
// the ends of the cases in turn, backwards from the case at firstCut, keeping three of each
// while that suffices. Moving firstCut from paper to paper lets every question of a case
// appear in some paper.
QList<int> keptQuestions(const QList<const CaseStudy*>& taken, int wanted, int firstCut)
{
    QList<int> kept;
    int surplus = -wanted;
    for (const CaseStudy* study : taken) {
        kept << int(study->size());
        surplus += int(study->size());
    }
    const int count = int(taken.size());
    int floor = 3;
    while (surplus > 0) {
        bool cut = false;
        for (int step = 0; step < count && surplus > 0; ++step) {
            const int i = ((firstCut - step) % count + count) % count;
            if (kept.at(i) > std::min(floor, int(taken.at(i)->size()))) {
                --kept[i];
                --surplus;
                cut = true;
            }
        }
        if (!cut)
            floor = 1;
    }
    return kept;
}

QString drawChapterSection(int section, const QList<QList<BankQuestion>>& chapters, QList<DrawnPaper>& drawn)
{
    const PaperSection& plan = paperSections.at(section);
    const QList<const BankQuestion*> deal = dealRoundChapters(chapters, plan.type);
    const int size = int(deal.size());
    if (size < plan.count)
        return u"the chapters hold %1 %2, and a paper needs %3"_s.arg(size)
            .arg(questionTypeText(plan.type))
            .arg(plan.count);
    for (int paper = 0; paper < paperCount; ++paper) {
        const int position = paper * plan.count;
        const int start = (position + position / size) % size;
        for (int i = 0; i < plan.count; ++i) {
            const int index = (start + i) % size;
            drawn[paper].questions << *deal.at(index);
            drawn[paper].sources.emplace_back(section, index, 0);
        }
    }
    return {};
}

QString drawCaseSection(int section, const QList<QList<CaseStudy>>& casePools, QList<DrawnPaper>& drawn)
{
    const PaperSection& plan = paperSections.at(section);
    const QList<const CaseStudy*> cases = interleaveCases(casePools);
    const qsizetype caseQuestions =
        std::accumulate(cases.cbegin(), cases.cend(), qsizetype(0),
                        [](qsizetype sum, const CaseStudy* c) { return sum + c->size(); });
    if (caseQuestions < plan.count)
        return u"the case pools hold %1 %2, and a paper needs %3"_s.arg(caseQuestions)
            .arg(questionTypeText(plan.type))
            .arg(plan.count);
    CaseDeal deal(int(cases.size()));
    for (int paper = 0; paper < paperCount; ++paper) {
        QList<int> takenIndexes;
        QList<const CaseStudy*> taken;
        int questions = 0;
        while (questions < plan.count) {
            const int index = deal.next();
            if (takenIndexes.contains(index))
                continue;
            takenIndexes << index;
            taken << cases.at(index);
            questions += int(cases.at(index)->size());
        }
        const QList<int> kept = keptQuestions(taken, plan.count, int(taken.size()) - 1 - paper);
        for (qsizetype i = 0; i < taken.size(); ++i) {
            for (int question = 0; question < kept.at(i); ++question) {
                drawn[paper].questions << taken.at(i)->at(question);
                drawn[paper].sources.emplace_back(section, takenIndexes.at(i), question);
            }
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
    QList<DrawnPaper> drawn(paperCount);
    for (int section = 0; section < int(paperSections.size()); ++section) {
        result.error = paperSections.at(section).type == QuestionType::Indefinite
                           ? drawCaseSection(section, casePools, drawn)
                           : drawChapterSection(section, chapters, drawn);
        if (!result.error.isEmpty())
            return result;
    }

    std::set<std::vector<SourceKey>> selections;
    for (int paper = 0; paper < paperCount; ++paper) {
        std::vector<SourceKey> selection = drawn.at(paper).sources;
        std::sort(selection.begin(), selection.end());
        if (!selections.insert(selection).second) {
            result.error = u"paper %1 would repeat an earlier paper's questions: the sources hold too few "
                           u"questions for %2 different papers"_s.arg(paper + 1)
                               .arg(paperCount);
            return result;
        }
    }

    for (DrawnPaper& paper : drawn) {
        qint64 id = 0;
        for (BankQuestion& question : paper.questions) {
            question.id = ++id;
            question.zj = QString();
            question.shucang = u""_s;
            question.xxda = u""_s;
        }
        result.papers << paper.questions;
    }
    return result;
}

} // namespace mirevo
