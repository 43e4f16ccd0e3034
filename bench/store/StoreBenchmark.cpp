// The store operations a practice session repeats, on a bank of the delivered size and on one
// a hundred times larger. Figures are wall-clock: an update waits for the disk.
#include "BankAccess.h"
#include "BankSchema.h"
#include "ProgramState.h"
#include "QuestionBank.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int questionsPerChapter = 100;
constexpr int questionsPerPaper = 61;

const QStringList columns{u"ID"_s,  u"zj"_s,  u"TM"_s, u"TX"_s, u"XXA"_s,     u"XXB"_s,
                          u"XXC"_s, u"XXD"_s, u"DA"_s, u"JX"_s, u"shucang"_s, u"XXDA"_s};

mirevo::BankQuestion generatedQuestion(qint64 id, const QString& chapter)
{
    static const QString types[] = {u"单选题"_s, u"多选题"_s, u"判断题"_s};
    mirevo::BankQuestion q;
    q.id = id;
    q.zj = chapter;
    q.tm = u"第%1题：企业发生的下列交易或事项中，应当计入当期损益并在利润表中单独列示的是哪一项？"_s.arg(id);
    q.tx = types[id % 3];
    q.xxa = u"计入管理费用%1"_s.arg(id);
    q.xxb = u"计入财务费用%1"_s.arg(id);
    q.xxc = u"计入营业外收入%1"_s.arg(id);
    q.xxd = u"计入其他综合收益%1"_s.arg(id);
    q.da = u"A"_s;
    q.jx = u"本题考查期间费用与利得的区分，选项A正确；其余选项不符合准则规定，第%1题。"_s.arg(id);
    return q;
}

// Chapters of the usual size; with scale > 1 chapter 1 alone is scale times its usual size,
// so that the effect of a huge chapter shows next to that of a huge table.
QString chapterOf(qint64 index, int scale)
{
    const qint64 firstChapterSize = qint64(questionsPerChapter) * scale;
    if (index < firstChapterSize)
        return u"1"_s;
    return QString::number(2 + (index - firstChapterSize) / questionsPerChapter);
}

bool fillBank(const QString& path, int scale)
{
    if (!mirevo::createEmptyBank(path))
        return false;
    for (int subject = 1; subject <= 2; ++subject) {
        const qint64 chapterQuestions = qint64(subject == 1 ? 10 : 7) * questionsPerChapter * scale;
        QList<mirevo::BankQuestion> questions;
        for (qint64 index = 0; index < chapterQuestions; ++index)
            questions << generatedQuestion(index + 1, chapterOf(index, scale));
        if (!mirevo::insertQuestions(path, mirevo::chapterTable(subject), questions))
            return false;
        questions.clear();
        for (int row = 1; row <= questionsPerPaper * scale; ++row)
            questions << generatedQuestion(row, {});
        for (int paper = 1; paper <= mirevo::paperCount; ++paper) {
            if (!mirevo::insertQuestions(path, mirevo::paperTable(subject, paper), questions))
                return false;
        }
    }
    return true;
}

struct Bank
{
    QString path;
    int questions; // rows of swzj
};

void openDatabase(benchmark::State& state, const Bank& bank)
{
    mirevo::QuestionBank questionBank;
    for (auto _ : state) {
        if (!questionBank.OpenDatabase(bank.path))
            state.SkipWithError("the bank does not open");
    }
}

// C2: the IDs of one chapter, as the practice window lists them.
void chapterList(benchmark::State& state, const Bank& bank, const QString& chapter)
{
    mirevo::QuestionBank questionBank;
    mirevo::ProgramState program;
    program.questionBank = &questionBank;
    if (!mirevo::openQuestionBank(program, QFileInfo(bank.path).path()))
        state.SkipWithError("the bank does not open");
    const QString sql = u"select  * from swzj where zj='"_s + chapter + u"'"_s;
    qsizetype rows = 0;
    for (auto _ : state) {
        const int handle = mirevo::openQuery(program, sql);
        QStringList ids;
        for (; !questionBank.IsEOF(handle); questionBank.MoveNext(handle))
            ids << mirevo::readColumnText(program, u"ID"_s);
        questionBank.CloseTable(handle);
        rows = ids.size();
        benchmark::DoNotOptimize(ids);
    }
    state.counters["rows"] = double(rows);
}

// C3: one question with every column, as the practice window shows it.
void oneQuestion(benchmark::State& state, const Bank& bank)
{
    mirevo::QuestionBank questionBank;
    mirevo::ProgramState program;
    program.questionBank = &questionBank;
    if (!mirevo::openQuestionBank(program, QFileInfo(bank.path).path()))
        state.SkipWithError("the bank does not open");
    qint64 id = 0;
    for (auto _ : state) {
        id = id * 7919 % bank.questions + 1;
        const int handle =
            mirevo::openQuery(program, u"select top 1 * from swzj where ID="_s + QString::number(id));
        QStringList texts;
        for (const QString& column : columns)
            texts << mirevo::readColumnText(program, column);
        questionBank.CloseTable(handle);
        if (texts.front().isEmpty())
            state.SkipWithError("the question is missing");
        benchmark::DoNotOptimize(texts);
    }
}

// C4: one recorded answer, on disk when the call returns.
void answerUpdate(benchmark::State& state, const Bank& bank)
{
    mirevo::QuestionBank questionBank;
    mirevo::ProgramState program;
    program.questionBank = &questionBank;
    if (!mirevo::openQuestionBank(program, QFileInfo(bank.path).path()))
        state.SkipWithError("the bank does not open");
    qint64 id = 0;
    for (auto _ : state) {
        id = id * 7919 % bank.questions + 1;
        const QChar letter(u'A' + int(id % 4));
        if (!mirevo::runUpdate(program, u"update swzj set  XXDA='"_s + letter + u"' where ID="_s +
                                            QString::number(id)))
            state.SkipWithError("the update failed");
    }
}

template <typename Function> void add(const std::string& name, Function function)
{
    benchmark::RegisterBenchmark(name.c_str(), function)
        ->UseRealTime()
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"small"_s));
    QDir().mkpath(dir.filePath(u"large"_s));
    const Bank small{dir.filePath(u"small/mini.dll"_s), 10 * questionsPerChapter};
    const Bank large{dir.filePath(u"large/mini.dll"_s), 100 * 10 * questionsPerChapter};
    if (!dir.isValid() || !fillBank(small.path, 1) || !fillBank(large.path, 100)) {
        std::fputs("the benchmark banks could not be generated\n", stderr);
        return 1;
    }
    for (const auto& [label, bank] : {std::pair{"small", small}, std::pair{"large", large}}) {
        const std::string size(label);
        add("OpenDatabase/" + size, [bank](benchmark::State& state) { openDatabase(state, bank); });
        add("ChapterList/" + size, [bank](benchmark::State& state) { chapterList(state, bank, u"5"_s); });
        add("OneQuestion/" + size, [bank](benchmark::State& state) { oneQuestion(state, bank); });
        add("AnswerUpdate/" + size, [bank](benchmark::State& state) { answerUpdate(state, bank); });
    }
    add("ChapterList/large/hugeChapter",
        [large](benchmark::State& state) { chapterList(state, large, u"1"_s); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
