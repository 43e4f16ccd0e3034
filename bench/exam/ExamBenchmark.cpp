// The examination window's handlers on a bank of the delivered size (61 questions a paper) and
// on one whose papers are a hundred times larger. Headless, with the real widgets; an answer
// and a score wait for the disk.
#include "BankAccess.h"
#include "BankSchema.h"
#include "ExamContext.h"
#include "ExamWindow.h"
#include "Fonts.h"
#include "ProgramState.h"
#include "QuestionBank.h"
#include "RadioBox.h"
#include "RecordDatabase.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int questionsPerPaper = 61;

QString questionType(int k)
{
    const int position = (k - 1) % questionsPerPaper + 1;
    if (position <= 24)
        return u"单选题"_s;
    if (position <= 36)
        return u"多选题"_s;
    if (position <= 46)
        return u"判断题"_s;
    return u"不定项选择题"_s;
}

mirevo::BankQuestion paperQuestion(qint64 id)
{
    mirevo::BankQuestion q;
    q.id = id;
    q.tm = u"第%1题：企业发生的下列交易或事项中，应当计入当期损益并在利润表中单独列示的是哪一项？"_s.arg(id);
    q.tx = questionType(int(id));
    q.xxa = u"计入管理费用%1"_s.arg(id);
    q.xxb = u"计入财务费用%1"_s.arg(id);
    q.xxc = u"计入营业外收入%1"_s.arg(id);
    q.xxd = u"计入其他综合收益%1"_s.arg(id);
    q.da = q.tx == u"判断题"_s ? u"正确"_s : u"A"_s;
    q.jx = u"本题考查期间费用与利得的区分，选项A正确；其余选项不符合准则规定，第%1题。"_s.arg(id);
    q.xxda = id % 2 == 0 ? q.da : QString();
    return q;
}

bool fillBank(const QString& path, int scale)
{
    if (!mirevo::createEmptyBank(path))
        return false;
    QList<mirevo::BankQuestion> questions;
    for (int k = 1; k <= questionsPerPaper * scale; ++k)
        questions << paperQuestion(k);
    for (int subject = 1; subject <= 2; ++subject) {
        for (int paper = 1; paper <= mirevo::paperCount; ++paper) {
            if (!mirevo::insertQuestions(path, mirevo::paperTable(subject, paper), questions))
                return false;
        }
    }
    return true;
}

class YesMessageBox final : public mirevo::MessageBoxService
{
public:
    int show(const QString&, int, const QString&) override { return mirevo::ButtonYes; }
};

class NoProcess final : public mirevo::ProcessService
{
public:
    void startCalculator() override {}
};

class NoAddress final : public mirevo::AddressService
{
public:
    void open(const QString&) override {}
};

class NoHttp final : public mirevo::HttpService
{
public:
    QByteArray get(const QString&) override { return {}; }
};

class StillClock final : public mirevo::Clock
{
public:
    qint64 tickMs() const override { return 0; }
};

// One program directory with its bank and settings, and the program-wide state on it.
struct Sitting
{
    explicit Sitting(const QString& directory) : settings(mirevo::RecordDatabase::processTables())
    {
        state.questionBank = &bank;
        const QString settingsPath = directory + u"/配置文件.ini"_s;
        ready = mirevo::openQuestionBank(state, directory) &&
                mirevo::createDefaultSettingsFile(settingsPath) == 0 && settings.open(settingsPath) == 0;
        state.currentSubject = 1;
        state.currentPaper = 1;
    }
    ~Sitting() { settings.close(); }

    mirevo::ExamContext context()
    {
        return {nullptr, state, {messageBox, process, address, http, clock, wallClock}, settings, nullptr};
    }

    bool ready = false;
    mirevo::QuestionBank bank;
    mirevo::ProgramState state;
    mirevo::Settings settings;
    YesMessageBox messageBox;
    NoProcess process;
    NoAddress address;
    NoHttp http;
    StillClock clock;
    mirevo::SystemWallClock wallClock;
};

mirevo::ExamWindow* openExam(Sitting& sitting)
{
    auto* exam = new mirevo::ExamWindow(sitting.context(), nullptr);
    exam->open();
    return exam;
}

void openExamWindow(benchmark::State& state, const QString& directory)
{
    Sitting sitting(directory);
    if (!sitting.ready)
        state.SkipWithError("the program directory does not open");
    for (auto _ : state) {
        mirevo::ExamWindow* exam = openExam(sitting);
        state.PauseTiming();
        delete exam->window();
        state.ResumeTiming();
    }
}

void showQuestion(benchmark::State& state, const QString& directory)
{
    Sitting sitting(directory);
    if (!sitting.ready)
        state.SkipWithError("the program directory does not open");
    std::unique_ptr<mirevo::Window> window(openExam(sitting)->window());
    auto* exam = window->findChild<mirevo::ExamWindow*>();
    const int count = int(exam->session().examQuestionIds.size());
    int k = 0;
    for (auto _ : state)
        exam->showExamQuestion(k++ % count + 1);
}

void recordAnswer(benchmark::State& state, const QString& directory)
{
    Sitting sitting(directory);
    if (!sitting.ready)
        state.SkipWithError("the program directory does not open");
    std::unique_ptr<mirevo::Window> window(openExam(sitting)->window());
    auto* a = window->control<QAbstractButton>(u"单选框_A"_s);
    auto* b = window->control<QAbstractButton>(u"单选框_B"_s);
    bool first = true;
    for (auto _ : state) {
        (first ? a : b)->click();
        first = !first;
    }
}

void handIn(benchmark::State& state, const QString& directory)
{
    Sitting sitting(directory);
    if (!sitting.ready)
        state.SkipWithError("the program directory does not open");
    std::unique_ptr<mirevo::Window> window(openExam(sitting)->window());
    auto* button = window->control<QAbstractButton>(u"按钮_交卷"_s);
    bool right = true;
    for (auto _ : state) {
        // Question 1 alternates between right and wrong, so every hand-in stores a new score.
        state.PauseTiming();
        sitting.bank.ExecuteSql(right ? u"update sw1 set XXDA='A' where ID=1"_s
                                      : u"update sw1 set XXDA='B' where ID=1"_s);
        right = !right;
        state.ResumeTiming();
        button->click();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    mirevo::installFontSubstitutions();

    QTemporaryDir small;
    QTemporaryDir large;
    if (!small.isValid() || !large.isValid() || !fillBank(small.filePath(u"mini.dll"_s), 1) ||
        !fillBank(large.filePath(u"mini.dll"_s), 100)) {
        std::fprintf(stderr, "bench_exam: cannot build the banks\n");
        return 1;
    }
    for (const auto& [label, dir] : {std::pair{"small", &small}, std::pair{"large", &large}}) {
        const QString directory = dir->path();
        const std::string suffix = std::string("/") + label;
        benchmark::RegisterBenchmark(("open_exam_window" + suffix).c_str(), openExamWindow, directory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("show_question" + suffix).c_str(), showQuestion, directory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("record_answer" + suffix).c_str(), recordAnswer, directory)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("hand_in_and_score" + suffix).c_str(), handIn, directory)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
