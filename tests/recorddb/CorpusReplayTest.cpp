#include "FuzzInput.h"
#include "RecordDbError.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace mirevo {
namespace {

// Every code the engine hands back must be one of its own numbers, with its own message.
bool isKnownCode(int code)
{
    return code == NoError || code == -1 || errorMessage(code) != errorMessage(-1);
}

TEST(CorpusReplay, EveryKeptInputRunsToTheEndWithKnownCodes)
{
    const QDir corpus(QStringLiteral(MIREVO_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    int opened = 0;
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const FuzzOutcome outcome = exerciseTable(file.readAll());
        EXPECT_TRUE(isKnownCode(outcome.openCode)) << name.toStdString() << ": " << outcome.openCode;
        for (const int code : outcome.accessCodes)
            EXPECT_TRUE(isKnownCode(code)) << name.toStdString() << ": " << code;
        opened += outcome.openCode == NoError ? 1 : 0;
    }
    // the corpus holds inputs that get past the open as well as inputs that fail it
    EXPECT_GT(opened, 0);
    EXPECT_LT(opened, names.size());
}

} // namespace
} // namespace mirevo
