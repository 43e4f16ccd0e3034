// Whole-process start-up to the first exposed main window, against a bare Qt Widgets window
// started the same way in the same run.
#include "BankSchema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString probePath()
{
    return QStringLiteral(STARTUP_PROBE);
}

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

double runProbe(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(probePath(), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

void reportRun(benchmark::State& state, const QStringList& arguments)
{
    for (auto _ : state) {
        const double ms = runProbe(arguments);
        if (ms < 0) {
            state.SkipWithError("the probe did not start");
            return;
        }
        state.SetIterationTime(ms / 1000);
    }
}

void BM_BareWindowStartup(benchmark::State& state)
{
    reportRun(state, {QStringLiteral("bare")});
}

void BM_MirevoStartup(benchmark::State& state)
{
    reportRun(state, {QStringLiteral("mirevo"), programDirectory()});
}

// The three, alternating, so the ratios are measured under the same load. The text window
// shows what a first line of Chinese costs on its own: the font database and the CJK faces.
void BM_StartupRatio(benchmark::State& state)
{
    double bare = 0;
    double text = 0;
    double mirevo = 0;
    for (auto _ : state) {
        const double b = runProbe({QStringLiteral("bare")});
        const double t = runProbe({QStringLiteral("text")});
        const double m = runProbe({QStringLiteral("mirevo"), programDirectory()});
        if (b < 0 || t < 0 || m < 0) {
            state.SkipWithError("the probe did not start");
            return;
        }
        bare += b;
        text += t;
        mirevo += m;
    }
    const auto n = double(state.iterations());
    state.counters["bare_ms"] = bare / n;
    state.counters["text_ms"] = text / n;
    state.counters["mirevo_ms"] = mirevo / n;
    state.counters["ratio_to_bare"] = mirevo / bare;
    state.counters["ratio_to_text"] = mirevo / text;
}

BENCHMARK(BM_BareWindowStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_MirevoStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupRatio)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
