#include "DataDirectory.h"

#include "ProgramNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

// An installation in a temporary prefix: bin/ for the executable, share/mirevo/ with the shipped
// files, and the user's data location under a temporary XDG_DATA_HOME.
class DataDirectoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(u"prefix/bin"_s));
        ASSERT_TRUE(QDir(root.path()).mkpath(u"prefix/share/mirevo"_s));
        ASSERT_TRUE(write(shipped(u"mini.dll"_s), "shipped bank"));
        ASSERT_TRUE(write(shipped(u"配置文件.ini"_s), "shipped settings"));
        m_savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", root.filePath(u"home/.local/share"_s).toUtf8());
        nameProgram();
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_savedDataHome); }

    QString bin() const { return root.filePath(u"prefix/bin"_s); }
    QString shipped(const QString& name) const { return root.filePath(u"prefix/share/mirevo/"_s + name); }
    static bool write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QTemporaryDir root;
    QString error;

private:
    QByteArray m_savedDataHome;
};

TEST_F(DataDirectoryTest, AnExecutableBesideAQuestionBankRunsPortable)
{
    ASSERT_TRUE(write(bin() + u"/mini.dll"_s, "portable bank"));
    const DataDirectory directory = DataDirectory::choose(bin() + u"/"_s);
    EXPECT_EQ(directory.mode(), DataDirectory::Mode::Portable);
    EXPECT_EQ(directory.path(), bin());
    EXPECT_TRUE(directory.shippedPath().isEmpty());

    // Nothing is made or copied beside a portable executable, not even a missing settings file.
    EXPECT_TRUE(directory.create(&error));
    EXPECT_TRUE(directory.copyMissingFiles(&error));
    EXPECT_EQ(QDir(bin()).entryList(QDir::Files), QStringList({u"mini.dll"_s}));
}

TEST_F(DataDirectoryTest, OtherwiseTheUserDataLocationIsUsedWithTheShippedFilesOfThePrefix)
{
    const DataDirectory directory = DataDirectory::choose(bin());
    EXPECT_EQ(directory.mode(), DataDirectory::Mode::Installed);
    EXPECT_EQ(directory.path(), root.filePath(u"home/.local/share/Mirevo"_s));
    EXPECT_EQ(directory.shippedPath(), root.filePath(u"prefix/share/mirevo"_s));
    EXPECT_EQ(directory.filePath(u"mini.dll"_s), root.filePath(u"home/.local/share/Mirevo/mini.dll"_s));

    // A folder named like the bank is no bank.
    ASSERT_TRUE(QDir(bin()).mkdir(u"mini.dll"_s));
    EXPECT_EQ(DataDirectory::choose(bin()).mode(), DataDirectory::Mode::Installed);
}

TEST_F(DataDirectoryTest, ADirectoryGivenOnTheCommandLineWinsEvenBesideABank)
{
    ASSERT_TRUE(write(bin() + u"/mini.dll"_s, "portable bank"));
    const DataDirectory directory = DataDirectory::choose(bin(), root.filePath(u"chosen/./data"_s));
    EXPECT_EQ(directory.mode(), DataDirectory::Mode::Chosen);
    EXPECT_EQ(directory.path(), root.filePath(u"chosen/data"_s));
    EXPECT_EQ(directory.shippedPath(), root.filePath(u"prefix/share/mirevo"_s));
}

TEST_F(DataDirectoryTest, FirstStartMakesTheDirectoryAndCopiesTheShippedFiles)
{
    const DataDirectory directory = DataDirectory::choose(bin());
    ASSERT_TRUE(directory.create(&error)) << error.toStdString();
    ASSERT_TRUE(directory.copyMissingFiles(&error)) << error.toStdString();
    EXPECT_EQ(read(directory.filePath(u"mini.dll"_s)), "shipped bank");
    EXPECT_EQ(read(directory.filePath(u"配置文件.ini"_s)), "shipped settings");
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({u"mini.dll"_s, u"配置文件.ini"_s}));
}

TEST_F(DataDirectoryTest, TheUsersFilesAreNeverReplacedAndOnlyMissingOnesAreCopied)
{
    const DataDirectory directory = DataDirectory::choose(bin(), root.filePath(u"data"_s));
    ASSERT_TRUE(directory.create(&error));
    ASSERT_TRUE(write(directory.filePath(u"mini.dll"_s), "the user's answers"));
    ASSERT_TRUE(directory.copyMissingFiles(&error)) << error.toStdString();
    EXPECT_EQ(read(directory.filePath(u"mini.dll"_s)), "the user's answers");
    EXPECT_EQ(read(directory.filePath(u"配置文件.ini"_s)), "shipped settings");
}

TEST_F(DataDirectoryTest, AMissingShippedSettingsFileIsLeftToTheDefaults)
{
    ASSERT_TRUE(QFile::remove(shipped(u"配置文件.ini"_s)));
    const DataDirectory directory = DataDirectory::choose(bin());
    ASSERT_TRUE(directory.create(&error));
    EXPECT_TRUE(directory.copyMissingFiles(&error)) << error.toStdString();
    EXPECT_EQ(read(directory.filePath(u"mini.dll"_s)), "shipped bank");
    EXPECT_FALSE(QFile::exists(directory.filePath(u"配置文件.ini"_s)));
}

TEST_F(DataDirectoryTest, AMissingShippedBankIsABrokenInstallationUnlessTheUserHasOne)
{
    ASSERT_TRUE(QFile::remove(shipped(u"mini.dll"_s)));
    const DataDirectory directory = DataDirectory::choose(bin());
    ASSERT_TRUE(directory.create(&error));
    EXPECT_FALSE(directory.copyMissingFiles(&error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(shipped(u"mini.dll"_s)))) << error.toStdString();
    EXPECT_TRUE(error.contains(u"重新安装"_s)) << error.toStdString();

    ASSERT_TRUE(write(directory.filePath(u"mini.dll"_s), "the user's answers"));
    EXPECT_TRUE(directory.copyMissingFiles(&error));
    EXPECT_EQ(read(directory.filePath(u"mini.dll"_s)), "the user's answers");
}

TEST_F(DataDirectoryTest, ADataDirectoryThatIsAFileIsRefusedByName)
{
    const QString file = root.filePath(u"records"_s);
    ASSERT_TRUE(write(file, "not a folder"));
    const DataDirectory directory = DataDirectory::choose(bin(), file);
    EXPECT_FALSE(directory.create(&error));
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file))) << error.toStdString();
    EXPECT_EQ(read(file), "not a folder");
}

} // namespace
} // namespace mirevo
