// The practice window's handlers as a user runs them: showing a question, recording an answer
// and opening the window over a chapter of 113 questions, on a bank of the delivered size and
// on one with a hundred times the rows. Figures are wall-clock, headless (offscreen platform):
// they include the statements and the widget updates, not the drawing of the next frame.
#include "BankAccess.h"
#include "BankSchema.h"
#include "ChapterCatalogue.h"
#include "Fonts.h"
#include "MainWindowDescription.h"
#include "PracticeWindow.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "RecordDatabase.h"
#include "Settings.h"
#include "StudyLog.h"
#include "SystemServices.h"
#include "Window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

using namespace mirevo;

constexpr int measuredChapterSize = 113;

// Counts the messages a handler would show; the benchmarks expect none.
class CountingMessageBox final : public MessageBoxService
{
public:
    int show(const QString&, int, const QString&) override
    {
        ++shown;
        return ButtonOk;
    }
    int shown = 0;
};

BankQuestion generatedQuestion(qint64 id, const QString& chapter)
{
    static const QString types[] = {u"单选题"_s, u"多选题"_s, u"判断题"_s};
    BankQuestion q;
    q.id = id;
    q.zj = chapter;
    q.tm = u"第%1题：企业发生的下列交易或事项中，应当计入当期损益并在利润表中单独列示的是哪一项？"_s.arg(id);
    q.tx = types[(id - 1) % 3];
    q.xxa = u"计入管理费用"_s;
    q.xxb = u"  计入财务费用 "_s;
    q.xxc = u"计入营业外收入"_s;
    q.xxd = u"计入其他综合收益"_s;
    q.da = (id - 1) % 3 == 2 ? u"正确"_s : u"A"_s;
    q.jx = u"本题考查期间费用与利得的区分，选项A正确；其余选项不符合准则规定，第%1题。"_s.arg(id);
    return q;
}

// Every chapter has its catalogue size times `scale`, except chapter 1 of 初级会计实务, which
// keeps its 113 questions: a large bank puts a large table around an ordinary chapter, and
// chapter 1 of 经济法基础 (134 × scale questions) shows the effect of a huge chapter.
bool fillBank(const QString& path, int scale)
{
    if (!createEmptyBank(path))
        return false;
    for (int subject = 1; subject <= 2; ++subject) {
        QList<BankQuestion> questions;
        qint64 id = 0;
        const QList<ChapterEntry>& chapters = chapterCatalogue(subject);
        for (int chapter = 1; chapter <= chapters.size(); ++chapter) {
            const bool keepSize = subject == 1 && chapter == 1;
            const qint64 count = chapters[chapter - 1].count.toLongLong() * (keepSize ? 1 : scale);
            for (qint64 i = 0; i < count; ++i)
                questions.append(generatedQuestion(++id, QString::number(chapter)));
        }
        if (!insertQuestions(path, chapterTable(subject), questions))
            return false;
    }
    return true;
}

struct Bank
{
    QString directory;
};

// The main window and an open bank over which the chapter page opens practice windows.
class OpenPractice
{
public:
    OpenPractice(const Bank& bank, int subject, Services services, Settings& settings,
                 StudyLog* log = nullptr)
        : m_main(mainWindowDescription()), m_services(services), m_settings(settings)
    {
        m_state.studyLog = log;
        m_state.questionBank = &m_questionBank;
        m_state.currentSubject = subject;
        m_state.currentChapter = 1;
        m_bankOpen = openQuestionBank(m_state, bank.directory);
    }
    ~OpenPractice()
    {
        delete m_practice.data();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What the chapter page does on 进入答题: a new practice window over chapter 1, modal.
    bool open()
    {
        m_practice = new PracticeWindow(m_main, m_state, m_services, m_settings);
        return m_bankOpen && m_practice->open(true);
    }
    PracticeWindow& practice() { return *m_practice; }
    Window& window() { return *m_practice->window(); }

private:
    Window m_main;
    Services m_services;
    Settings& m_settings;
    QuestionBank m_questionBank;
    ProgramState m_state;
    QPointer<PracticeWindow> m_practice;
    bool m_bankOpen = false;
};

struct Context
{
    Services services;
    Settings& settings;
    CountingMessageBox& messageBox;
};

void checkNoMessage(benchmark::State& state, const Context& context)
{
    if (context.messageBox.shown != 0)
        state.SkipWithError("a handler showed a message");
}

void showQuestion(benchmark::State& state, const Context& context, const Bank& bank)
{
    OpenPractice open(bank, 1, context.services, context.settings);
    if (!open.open())
        state.SkipWithError("the practice window did not open");
    int number = 0;
    for (auto _ : state) {
        number = number % measuredChapterSize + 1;
        open.practice().showPracticeQuestion(number);
    }
    checkNoMessage(state, context);
}

void recordAnswer(benchmark::State& state, const Context& context, const Bank& bank, StudyLog* log = nullptr)
{
    OpenPractice open(bank, 1, context.services, context.settings, log);
    if (!open.open())
        state.SkipWithError("the practice window did not open");
    // Question 1 is a single-choice one: press and release on B, then on C, and so on.
    QWidget* options[] = {open.window().control<QWidget>(u"单选框_单选B"_s),
                          open.window().control<QWidget>(u"单选框_单选C"_s)};
    int turn = 0;
    for (auto _ : state)
        QTest::mouseClick(options[turn++ % 2], Qt::LeftButton);
    checkNoMessage(state, context);
}

void openWindow(benchmark::State& state, const Context& context, const Bank& bank, int subject)
{
    qsizetype widgets = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            OpenPractice open(bank, subject, context.services, context.settings);
            state.ResumeTiming();
            if (!open.open())
                state.SkipWithError("the practice window did not open");
            state.PauseTiming();
            widgets = open.window().findChildren<QWidget*>().size();
        }
        state.ResumeTiming();
    }
    state.counters["widgets"] = double(widgets);
    checkNoMessage(state, context);
}

template <typename Function> void add(const std::string& name, Function function)
{
    benchmark::RegisterBenchmark(name.c_str(), function)
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
    const Bank small{dir.filePath(u"small"_s)};
    const Bank large{dir.filePath(u"large"_s)};
    const QString settingsPath = dir.filePath(u"配置文件.ini"_s);
    if (!dir.isValid() || !QDir().mkpath(small.directory) || !QDir().mkpath(large.directory) ||
        !fillBank(small.directory + u"/mini.dll"_s, 1) || !fillBank(large.directory + u"/mini.dll"_s, 100) ||
        createDefaultSettingsFile(settingsPath) != 0) {
        std::fputs("the benchmark banks could not be generated\n", stderr);
        return 1;
    }
    Settings settings(RecordDatabase::processTables());
    if (settings.open(settingsPath) != 0) {
        std::fputs("the settings file does not open\n", stderr);
        return 1;
    }
    SystemServices system;
    CountingMessageBox messageBox;
    const Services s = system.services();
    const Context context{
        {messageBox, s.process, s.address, s.http, s.clock, s.wallClock}, settings, messageBox};

    for (const auto& [label, bank] : {std::pair{"small", small}, std::pair{"large", large}}) {
        const std::string size(label);
        add("ShowQuestion/" + size,
            [&context, bank](benchmark::State& state) { showQuestion(state, context, bank); });
        add("RecordAnswer/" + size,
            [&context, bank](benchmark::State& state) { recordAnswer(state, context, bank); });
        // The same with the study log beside the bank: every stored answer is also logged.
        add("RecordAnswerLogged/" + size, [&context, bank](benchmark::State& state) {
            StudyLog log;
            if (log.open(bank.directory + u"/学习记录.db"_s, QDateTime::currentDateTime()) ==
                StudyLog::Opening::Failed)
                state.SkipWithError("the study log does not open");
            recordAnswer(state, context, bank, &log);
            if (log.activity(1, QDate::currentDate()).total == 0)
                state.SkipWithError("nothing was logged");
        });
        add("OpenWindow113/" + size,
            [&context, bank](benchmark::State& state) { openWindow(state, context, bank, 1); });
    }
    // The largest chapter of the delivered bank: chapter 1 of 经济法基础, 134 questions.
    add("OpenWindow134/small",
        [&context, small](benchmark::State& state) { openWindow(state, context, small, 2); });
    add("OpenWindow/large/hugeChapter",
        [&context, large](benchmark::State& state) { openWindow(state, context, large, 2); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    settings.close();
    return 0;
}
