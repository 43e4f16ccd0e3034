#include "FileCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

class FileCopyTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString path(const QString& name) const { return dir.filePath(name); }
    static bool write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    QString error;
};

TEST_F(FileCopyTest, CopiesTheWholeFileAndLeavesNoTemporaryFileBehind)
{
    // Larger than one chunk of the copy, and not a multiple of it.
    QByteArray content;
    for (int i = 0; i < 200000; ++i)
        content.append(char(i * 7 % 251));
    ASSERT_TRUE(write(path(u"shipped.dll"_s), content));

    EXPECT_EQ(copyFileIfMissing(path(u"shipped.dll"_s), path(u"mini.dll"_s), &error), CopyResult::Copied);
    EXPECT_EQ(read(path(u"mini.dll"_s)), content);
    EXPECT_EQ(entries(), QStringList({u"mini.dll"_s, u"shipped.dll"_s}));
}

TEST_F(FileCopyTest, AnExistingFileIsNeverReplaced)
{
    ASSERT_TRUE(write(path(u"shipped.dll"_s), "shipped"));
    ASSERT_TRUE(write(path(u"mini.dll"_s), "the user's answers"));
    EXPECT_EQ(copyFileIfMissing(path(u"shipped.dll"_s), path(u"mini.dll"_s), &error),
              CopyResult::AlreadyThere);
    EXPECT_EQ(read(path(u"mini.dll"_s)), "the user's answers");

    // Nor is an empty one, or a link that points nowhere.
    ASSERT_TRUE(write(path(u"empty.ini"_s), ""));
    EXPECT_EQ(copyFileIfMissing(path(u"shipped.dll"_s), path(u"empty.ini"_s), &error),
              CopyResult::AlreadyThere);
    EXPECT_EQ(read(path(u"empty.ini"_s)), "");
    ASSERT_TRUE(QFile::link(path(u"nowhere"_s), path(u"dangling.dll"_s)));
    EXPECT_EQ(copyFileIfMissing(path(u"shipped.dll"_s), path(u"dangling.dll"_s), &error),
              CopyResult::AlreadyThere);
    EXPECT_FALSE(QFile::exists(path(u"nowhere"_s)));
}

TEST_F(FileCopyTest, AMissingSourceFailsWithItsNameAndMakesNothing)
{
    EXPECT_EQ(copyFileIfMissing(path(u"absent.dll"_s), path(u"mini.dll"_s), &error), CopyResult::Failed);
    EXPECT_TRUE(error.contains(u"absent.dll"_s)) << error.toStdString();
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(FileCopyTest, ATargetDirectoryThatIsMissingFailsWithoutAPartialFile)
{
    ASSERT_TRUE(write(path(u"shipped.dll"_s), "shipped"));
    const QString target = path(u"missing/mini.dll"_s);
    EXPECT_EQ(copyFileIfMissing(path(u"shipped.dll"_s), target, &error), CopyResult::Failed);
    EXPECT_TRUE(error.contains(u"mini.dll"_s)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(target));
}

} // namespace
} // namespace mirevo
