// The learning report as the user opens it: its page read and filled from the bank and the
// study log, over a bank of the delivered size whose every question has a stored answer and a
// log of 100 000 practice answers and 1 000 hand-ins. Figures are wall-clock, headless
// (offscreen platform); "and drawn" adds the painting of the page as it shows.
#include "BankAccess.h"
#include "BankSchema.h"
#include "ChapterCatalogue.h"
#include "Fonts.h"
#include "MainWindowDescription.h"
#include "PageControl.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "ReportPage.h"
#include "StudyLog.h"
#include "StudyReport.h"
#include "WallClock.h"
#include "Window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

using namespace mirevo;

constexpr int practiceAnswers = 100000;
constexpr int handIns = 1000;
const QDateTime today(QDate(2024, 5, 15), QTime(18, 0));

class FixedWallClock final : public WallClock
{
public:
    QDateTime now() const override { return today; }
};

// Every question of both subjects, in the catalogue's chapter sizes, with a stored answer;
// two in three of them right. Every paper has a score.
bool fillBank(const QString& path)
{
    if (!createEmptyBank(path))
        return false;
    for (int subject = 1; subject <= 2; ++subject) {
        QList<BankQuestion> questions;
        qint64 id = 0;
        const QList<ChapterEntry>& chapters = chapterCatalogue(subject);
        for (int chapter = 1; chapter <= chapters.size(); ++chapter) {
            for (int i = 0; i < chapters[chapter - 1].count.toInt(); ++i) {
                BankQuestion q;
                q.id = ++id;
                q.zj = QString::number(chapter);
                q.tm = u"第%1题：企业发生的下列交易或事项中，应当计入当期损益的是哪一项？"_s.arg(id);
                q.tx = u"单选题"_s;
                q.xxa = u"计入管理费用"_s;
                q.xxb = u"计入财务费用"_s;
                q.xxc = u"计入营业外收入"_s;
                q.xxd = u"计入其他综合收益"_s;
                q.da = u"A"_s;
                q.jx = u"本题考查期间费用与利得的区分。"_s;
                q.xxda = id % 3 == 0 ? u"B"_s : u"A"_s;
                questions.append(q);
            }
        }
        if (!insertQuestions(path, chapterTable(subject), questions))
            return false;
    }
    QuestionBank bank;
    ProgramState state;
    state.questionBank = &bank;
    if (!bank.OpenDatabase(path))
        return false;
    for (int subject = 1; subject <= 2; ++subject) {
        for (int paper = 1; paper <= paperCount; ++paper) {
            if (!runUpdate(state, u"update %1 set DF='%2' where ID=%3"_s.arg(scoreTable(subject))
                                      .arg(40 + paper * 3)
                                      .arg(paper)))
                return false;
        }
    }
    return true;
}

// A year of study of subject 1: attempts of one to three choices at the chapter questions,
// about a third of them wrong, and the hand-ins spread over the same days.
bool fillLog(const QString& path)
{
    StudyLog log;
    if (log.open(path, today) != StudyLog::Opening::Created)
        return false;
    QRandomGenerator random(13);
    const QList<ChapterEntry>& chapters = chapterCatalogue(1);
    QList<int> chapterOf;
    for (int chapter = 1; chapter <= chapters.size(); ++chapter)
        chapterOf.insert(chapterOf.size(), chapters[chapter - 1].count.toInt(), chapter);
    int written = 0;
    while (written < practiceAnswers) {
        const qint64 question = random.bounded(int(chapterOf.size())) + 1;
        const qint64 attempt = log.newAttempt();
        const QDateTime at = today.addSecs(-qint64(practiceAnswers - written) * 300);
        const int choices = 1 + random.bounded(3);
        for (int i = 0; i < choices && written < practiceAnswers; ++i, ++written) {
            const bool right = random.bounded(3) != 0;
            if (!log.recordPracticeAnswer({1, chapterOf[question - 1], question, right ? u"A"_s : u"B"_s,
                                           right, i + 1 < choices || random.bounded(4) != 0, attempt, at}))
                return false;
        }
    }
    for (int i = 0; i < handIns; ++i) {
        HandIn h;
        h.subject = 1;
        h.paper = i % paperCount + 1;
        h.score = 30 + random.bounded(70);
        h.endedAt = today.addSecs(-qint64(handIns - i) * 30000);
        h.startedAt = h.endedAt.addSecs(-5400);
        h.secondsUsed = 5400;
        if (!log.recordHandIn(h))
            return false;
    }
    return true;
}

struct Program
{
    explicit Program(QString programDirectory) : directory(std::move(programDirectory)) {}

    QString directory;
    ProgramState state;
    QuestionBank bank;
    StudyLog log;
    FixedWallClock clock;

    bool open()
    {
        state.questionBank = &bank;
        state.currentSubject = 1;
        if (!openQuestionBank(state, directory) ||
            log.open(QDir(directory).filePath(u"学习记录.db"_s), today) != StudyLog::Opening::Opened)
            return false;
        state.studyLog = &log;
        return true;
    }
};

void collect(benchmark::State& state, Program& program, bool withLog)
{
    program.state.studyLog = withLog ? &program.log : nullptr;
    for (auto _ : state) {
        const StudyReport report = collectStudyReport(program.state, today.date());
        benchmark::DoNotOptimize(report.handIns.size());
    }
    program.state.studyLog = &program.log;
}

// The parts of the log the report reads, one by one.
void readLog(benchmark::State& state, const StudyLog& log, int part)
{
    for (auto _ : state) {
        switch (part) {
        case 0:
            benchmark::DoNotOptimize(log.wrongAnswerCounts(1).size());
            break;
        case 1:
            benchmark::DoNotOptimize(log.activity(1, today.date()).total);
            break;
        default:
            benchmark::DoNotOptimize(log.handIns(1).size());
            break;
        }
    }
}

// The report page on the main window's sixth page, shown on one of its tabs; each round fills
// it again.
void fill(benchmark::State& state, Program& program, bool draw, int tab = 0)
{
    Window main(mainWindowDescription());
    QWidget* page = main.control<PageControl>(u"高级选择夹1"_s)->page(5);
    auto* report = new ReportPage(program.state, program.clock, page);
    report->setGeometry(216, 6, 676, 430);
    main.control<PageControl>(u"高级选择夹1"_s)->setCurrentPage(5);
    main.show();
    QApplication::processEvents();
    report->findChild<QTabWidget*>(u"分页_学习报告"_s)->setCurrentIndex(tab);
    QApplication::processEvents();
    for (auto _ : state) {
        report->refresh();
        if (draw)
            report->repaint();
    }
    state.counters["hand-ins"] = double(program.log.handIns(1).size());
}

template <typename Function> void add(const char* name, Function function)
{
    benchmark::RegisterBenchmark(name, function)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    // The log is written in a memory file system where there is one: 100 000 durable
    // transactions on a disk only make the set-up slow.
    QTemporaryDir scratch(QDir(u"/dev/shm"_s).exists() ? u"/dev/shm/mirevo-bench-XXXXXX"_s : QString());
    QElapsedTimer setUp;
    setUp.start();
    const QString logPath = scratch.filePath(u"学习记录.db"_s);
    if (!dir.isValid() || !scratch.isValid() || !fillBank(dir.filePath(u"mini.dll"_s)) || !fillLog(logPath) ||
        !QFile::copy(logPath, dir.filePath(u"学习记录.db"_s))) {
        std::fputs("the benchmark bank and log could not be generated\n", stderr);
        return 1;
    }
    std::fprintf(stderr, "bank and log generated in %.1f s\n", setUp.elapsed() / 1000.0);
    Program program(dir.path());
    if (!program.open()) {
        std::fputs("the benchmark bank or log does not open\n", stderr);
        return 1;
    }

    add("CollectReport", [&program](benchmark::State& state) { collect(state, program, true); });
    add("CollectReport/bankOnly", [&program](benchmark::State& state) { collect(state, program, false); });
    add("Log/wrongAnswerCounts", [&program](benchmark::State& state) { readLog(state, program.log, 0); });
    add("Log/activity", [&program](benchmark::State& state) { readLog(state, program.log, 1); });
    add("Log/handIns", [&program](benchmark::State& state) { readLog(state, program.log, 2); });
    add("FillReportPage", [&program](benchmark::State& state) { fill(state, program, false); });
    add("FillReportPageAndDraw/chapters",
        [&program](benchmark::State& state) { fill(state, program, true, 0); });
    add("FillReportPageAndDraw/scores",
        [&program](benchmark::State& state) { fill(state, program, true, 1); });
    add("FillReportPageAndDraw/trend",
        [&program](benchmark::State& state) { fill(state, program, true, 2); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
