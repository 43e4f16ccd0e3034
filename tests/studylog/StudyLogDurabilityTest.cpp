#include "StudyLog.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

TEST(StudyLogDurabilityTest, EveryEntrySurvivesAKillRightAfterItWasWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"学习记录.db"_s);
    QProcess helper;
    helper.start(QStringLiteral(STUDY_LOG_CRASH_HELPER), {path, u"25"_s});
    ASSERT_TRUE(helper.waitForFinished(30000));
    ASSERT_EQ(helper.exitStatus(), QProcess::CrashExit) << "exit code " << helper.exitCode();

    StudyLog log;
    ASSERT_EQ(log.open(path, QDateTime::currentDateTime()), StudyLog::Opening::Opened);
    QList<qint64> all;
    for (qint64 question = 1; question <= 25; ++question)
        all.append(question);
    EXPECT_EQ(log.wrongAnswers(1), all);
    EXPECT_TRUE(log.setAsidePath().isEmpty()) << "the log was whole";
}

} // namespace
} // namespace mirevo
