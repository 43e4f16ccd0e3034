#include "RecordDatabase.h"
#include "RecordDbError.h"
#include "SettingsFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace mirevo;

// A fresh default settings file in a directory of its own, opened as the program opens it.
class SettingsFixture
{
public:
    SettingsFixture() : m_path(m_dir.filePath(QStringLiteral("配置文件.ini")))
    {
        m_created = createDefaultSettingsFile(m_path) == NoError;
        m_options.password = settingsPassword();
    }

    bool created() const { return m_created; }
    const QString& path() const { return m_path; }
    const OpenOptions& options() const { return m_options; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    OpenOptions m_options;
    bool m_created = false;
};

void openReadClose(benchmark::State& state)
{
    const SettingsFixture settings;
    if (!settings.created()) {
        state.SkipWithError("cannot create the settings file");
        return;
    }
    RecordDatabase tables;
    for (auto _ : state) {
        if (tables.open(settings.path(), settings.options()) != NoError) {
            state.SkipWithError("open failed");
            break;
        }
        benchmark::DoNotOptimize(tables.readField(UpdateNotice));
        tables.close();
    }
}
BENCHMARK(openReadClose);

void writeOneField(benchmark::State& state)
{
    const SettingsFixture settings;
    RecordDatabase tables;
    if (!settings.created() || tables.open(settings.path(), settings.options()) != NoError) {
        state.SkipWithError("cannot open the settings file");
        return;
    }
    qint32 font = 0;
    for (auto _ : state) {
        if (tables.writeField(AnswerFontCode, font) != NoError) {
            state.SkipWithError("write failed");
            break;
        }
        font = (font + 1) % 5;
    }
}
BENCHMARK(writeOneField);

void readOneField(benchmark::State& state)
{
    const SettingsFixture settings;
    RecordDatabase tables;
    if (!settings.created() || tables.open(settings.path(), settings.options()) != NoError) {
        state.SkipWithError("cannot open the settings file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(tables.readField(DefaultQuestionCount));
}
BENCHMARK(readOneField);

} // namespace

BENCHMARK_MAIN();
