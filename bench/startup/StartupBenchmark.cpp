// Whole-process start-up to the first exposed main window, against a bare Qt Widgets window and
// a window showing one line of Chinese started the same way in the same run. Each probe reports
// its own peak resident set size, so time and memory come from the same runs.
//
// The text window runs twice: in startup_floor, linked with Qt Widgets alone (the floor), and in
// startup_probe, which links every library the program links and so also pays for loading them.
//
// MIREVO_BASELINE_PROBE names the startup_probe of another build (an earlier commit, say): its
// Mirevo then takes its turn in the same alternation, so a change is measured before and after
// under one load.
#include "BankSchema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>
#include <vector>

namespace {

// The program directory the probe starts on: the shipped bank when it is staged, else an empty one.
const QString& programDirectory()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        const QString bank = dir.filePath(QStringLiteral("mini.dll"));
        return QFile::copy(QStringLiteral(SHIPPED_BANK), bank) || mirevo::createEmptyBank(bank);
    }();
    static const QString path = ready ? dir.path() : QString();
    return path;
}

struct ProbeRun
{
    double ms = 0;
    double peakMiB = 0;
};

std::optional<ProbeRun> runProbe(const QString& probe, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(probe, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    bool ok = false;
    const qlonglong peakKiB = process.readAllStandardOutput().trimmed().split('\n').last().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return ProbeRun{ms, double(peakKiB) / 1024};
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One contender of the alternation and what its runs measured.
struct Contender
{
    const char* name;
    QString probe;
    QStringList arguments;
    std::vector<double> ms;
    std::vector<double> peakMiB;
};

// The contenders take turns, one run each per iteration, so that every ratio is taken under
// the same load; medians keep a run disturbed by something else from moving the figure.
void BM_StartupRatio(benchmark::State& state)
{
    const QString probe = QStringLiteral(STARTUP_PROBE);
    const QString floor = QStringLiteral(STARTUP_FLOOR);
    std::vector<Contender> contenders = {
        {"bare", floor, {QStringLiteral("bare")}, {}, {}},
        {"text", floor, {QStringLiteral("text")}, {}, {}},
        {"mirevo", probe, {QStringLiteral("mirevo"), programDirectory()}, {}, {}},
        {"linked_text", probe, {QStringLiteral("text")}, {}, {}},
    };
    const QString baseline = qEnvironmentVariable("MIREVO_BASELINE_PROBE");
    if (!baseline.isEmpty())
        contenders.push_back({"baseline", baseline, {QStringLiteral("mirevo"), programDirectory()}, {}, {}});
    for (auto _ : state) {
        for (Contender& contender : contenders) {
            const std::optional<ProbeRun> run = runProbe(contender.probe, contender.arguments);
            if (!run) {
                state.SkipWithError("a probe did not start, or did not report its memory");
                return;
            }
            contender.ms.push_back(run->ms);
            contender.peakMiB.push_back(run->peakMiB);
        }
    }
    for (const Contender& contender : contenders) {
        state.counters[std::string(contender.name) + "_ms"] = median(contender.ms);
        state.counters[std::string(contender.name) + "_MiB"] = median(contender.peakMiB);
    }
    const auto ratio = [&](size_t a, size_t b, bool memory) {
        return memory ? median(contenders[a].peakMiB) / median(contenders[b].peakMiB)
                      : median(contenders[a].ms) / median(contenders[b].ms);
    };
    state.counters["time_to_bare"] = ratio(2, 0, false);
    state.counters["time_to_text"] = ratio(2, 1, false);
    state.counters["memory_to_text"] = ratio(2, 1, true);
    state.counters["time_to_linked_text"] = ratio(2, 3, false);
    state.counters["memory_to_linked_text"] = ratio(2, 3, true);
    if (contenders.size() > 4) {
        state.counters["baseline_time_to_text"] = ratio(4, 1, false);
        state.counters["baseline_memory_to_text"] = ratio(4, 1, true);
    }
}

BENCHMARK(BM_StartupRatio)->Unit(benchmark::kMillisecond)->Iterations(21);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
