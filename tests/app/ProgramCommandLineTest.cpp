#include "PlatformConfig.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

enum class Display
{
    None,
    Offscreen,
};

ProgramRun runProgram(const QStringList& arguments, Display display = Display::None)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
        environment.remove(name);
    if (display == Display::Offscreen)
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MIREVO_EXECUTABLE), arguments);
    ProgramRun run;
    if (!program.waitForFinished(15000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = program.exitCode();
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

TEST(ProgramCommandLineTest, VersionPrintsTheProjectVersion)
{
    const ProgramRun run = runProgram({u"--version"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"Mirevo "_s + programVersion() + u'\n');
}

TEST(ProgramCommandLineTest, HelpDescribesTheOptionsWithoutADisplay)
{
    const ProgramRun run = runProgram({u"--help"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(u"Usage: "_s)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u"mirevo [options]"_s)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u"--data-dir <DIR>"_s)) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(u"--help-all"_s)) << "no help on options the program does not take";
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(ProgramCommandLineTest, QtsOwnOptionsAreTakenBeforeTheProgramsAreRead)
{
    const ProgramRun run = runProgram({u"-platform"_s, u"offscreen"_s, u"--version"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"Mirevo "_s + programVersion() + u'\n');
}

TEST(ProgramCommandLineTest, AWrongArgumentIsNamedAndEndsWithCodeTwo)
{
    const QList<std::pair<QString, QString>> cases = {{u"--colour=blue"_s, u"colour"_s},
                                                      {u"bank.dll"_s, u"bank.dll"_s}};
    for (const auto& [argument, named] : cases) {
        const ProgramRun run = runProgram({argument}, Display::Offscreen);
        EXPECT_EQ(run.exitCode, 2) << argument.toStdString();
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(u"--help"_s)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}

} // namespace
} // namespace mirevo
