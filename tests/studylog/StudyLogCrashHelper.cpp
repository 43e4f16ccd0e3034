// Opens a study log, records the given number of wrong practice answers, and dies by SIGKILL
// the moment the last one returns, so that nothing after the write (no close, no exit handler)
// can help it persist. Usage: study_log_crash_helper <log> <answers>
#include "StudyLog.h"

#include <QCoreApplication>
#include <QStringList>
#include <csignal>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    mirevo::StudyLog log;
    const QDateTime now(QDate(2024, 5, 15), QTime(9, 30));
    if (log.open(args.at(1), now) != mirevo::StudyLog::Opening::Created)
        return 3;
    for (int question = 1; question <= args.at(2).toInt(); ++question) {
        if (!log.recordPracticeAnswer(
                {1, 1, question, QStringLiteral("B"), false, true, log.newAttempt(), now}))
            return 4;
    }
    std::raise(SIGKILL);
    return 5;
}
