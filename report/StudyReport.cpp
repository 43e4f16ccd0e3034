#include "StudyReport.h"

#include "BankAccess.h"
#include "BankSchema.h"
#include "ChapterCatalogue.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "StudyLog.h"

#include <algorithm>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// Only the answered rows, and only the columns counted: a table that lacks one fails to open.
bool readAnswers(ProgramState& state, QList<ChapterProgress>& chapters)
{
    const QString table = chapterTable(state.currentSubject);
    const int recordSet =
        openQuery(state, u"select ID, zj, DA, XXDA from "_s + table + u" where  xxda<>''"_s);
    if (recordSet == 0)
        return false;
    QuestionBank& bank = *state.questionBank;
    for (; !bank.IsEOF(recordSet); bank.MoveNext(recordSet)) {
        const std::optional<qint64> id = readColumnInteger(state, u"ID"_s);
        bool numeric = false;
        const int chapter = readColumnText(state, u"zj"_s).trimmed().toInt(&numeric);
        if (!id || *id <= 0 || !numeric || chapter < 1 || chapter > chapters.size())
            continue;
        ChapterProgress& progress = chapters[chapter - 1];
        ++progress.answered;
        if (readColumnText(state, u"XXDA"_s) == readColumnText(state, u"DA"_s))
            ++progress.right;
    }
    bank.CloseTable(recordSet);
    return true;
}

// Paper n's score is the DF of its row with SJ = n, as the paper catalogue finds it.
bool readScores(ProgramState& state, QList<PaperScore>& papers)
{
    const int recordSet = openQuery(state, u"select ID, SJ, DF from "_s + scoreTable(state.currentSubject));
    if (recordSet == 0)
        return false;
    QuestionBank& bank = *state.questionBank;
    for (; !bank.IsEOF(recordSet); bank.MoveNext(recordSet)) {
        bool isPaper = false;
        const int paper = readColumnText(state, u"SJ"_s).trimmed().toInt(&isPaper);
        const std::optional<qint64> id = readColumnInteger(state, u"ID"_s);
        if (!isPaper || paper < 1 || paper > papers.size() || !id || *id <= 0)
            continue;
        bool isScore = false;
        const double score = readColumnText(state, u"DF"_s).trimmed().toDouble(&isScore);
        papers[paper - 1].score = isScore ? std::optional<double>(score) : std::nullopt;
    }
    bank.CloseTable(recordSet);
    return true;
}

void markWeakChapters(QList<ChapterProgress>& chapters)
{
    QList<ChapterProgress*> candidates;
    for (ChapterProgress& chapter : chapters) {
        if (chapter.answered >= weakChapterMinimumAnswered && chapter.right < chapter.answered)
            candidates.append(&chapter);
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const ChapterProgress* a, const ChapterProgress* b) { return a->accuracy() < b->accuracy(); });
    for (qsizetype i = 0; i < candidates.size() && i < weakChapterCount; ++i)
        candidates[i]->weak = true;
}

} // namespace

StudyReport collectStudyReport(ProgramState& state, const QDate& today)
{
    StudyReport report;
    report.subject = state.currentSubject;
    const QList<ChapterEntry>& catalogue = chapterCatalogue(report.subject);
    for (qsizetype i = 0; i < catalogue.size(); ++i)
        report.chapters.append({int(i + 1), catalogue[i].name.trimmed(), catalogue[i].count.toInt()});
    for (int paper = 1; paper <= paperCount; ++paper)
        report.papers.append({paper, std::nullopt});
    if (catalogue.isEmpty())
        return report;

    report.answersRead = readAnswers(state, report.chapters);
    if (!report.answersRead)
        report.unreadableTables.append(chapterTable(report.subject));
    report.scoresRead = readScores(state, report.papers);
    if (!report.scoresRead)
        report.unreadableTables.append(scoreTable(report.subject));

    const StudyLog* log = state.studyLog;
    report.logOpen = log && log->isOpen();
    if (report.logOpen) {
        const QHash<int, int> wrong = log->wrongAnswerCounts(report.subject);
        for (ChapterProgress& chapter : report.chapters)
            chapter.wrongAnswers = wrong.value(chapter.chapter);
        report.activity = log->activity(report.subject, today);
        report.handIns = log->handIns(report.subject);
    }
    if (report.answersRead)
        markWeakChapters(report.chapters);
    return report;
}

} // namespace mirevo
