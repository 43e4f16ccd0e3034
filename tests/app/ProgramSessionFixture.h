#pragma once

#include "FakeServices.h"
#include "MainWindow.h"
#include "ProgramNames.h"
#include "ProgramSession.h"
#include "ProgramTestSupport.h"
#include "SettingsFile.h"
#include "TempProgramDir.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace mirevo::test {

// An installation in a temporary prefix (bin/ and share/mirevo/ with a bank of two chapter-1
// questions and the default settings file), the user's data location under a temporary
// XDG_DATA_HOME, and the program sessions started on them with fake services.
class ProgramSessionFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(bank.isValid()) << bank.error().toStdString();
        nameProgram();
        m_savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home/.local/share")).toUtf8());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("prefix/bin")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("prefix/share/mirevo")));
        ASSERT_TRUE(
            bank.insertQuestions(QStringLiteral("swzj"), {TempProgramDir::question(1, QStringLiteral("1")),
                                                          TempProgramDir::question(2, QStringLiteral("1"))}))
            << bank.error().toStdString();
        ASSERT_TRUE(QFile::copy(bank.bankPath(), shipped(QStringLiteral("mini.dll"))));
        ASSERT_EQ(createDefaultSettingsFile(shipped(QStringLiteral("配置文件.ini"))), 0);
    }
    void TearDown() override
    {
        stop();
        qputenv("XDG_DATA_HOME", m_savedDataHome);
    }

    QString bin() const { return root.filePath(QStringLiteral("prefix/bin")); }
    QString prefix() const { return root.filePath(QStringLiteral("prefix")); }
    QString shipped(const QString& name) const
    {
        return root.filePath(QStringLiteral("prefix/share/mirevo/") + name);
    }
    QString userDirectory() const { return root.filePath(QStringLiteral("home/.local/share/Mirevo")); }

    bool start(const QString& executableDirectory, const QString& chosen = {})
    {
        session = std::make_unique<ProgramSession>(fakes.services());
        return session->start(executableDirectory, chosen);
    }
    // Program exit: every window goes, then the session with its files and lock.
    void stop()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget); window && window != mainWindow())
                window->closeWindow();
        }
        settle();
        session.reset();
        settle();
    }
    Window* mainWindow() const
    {
        return session && session->mainWindow() ? session->mainWindow()->window() : nullptr;
    }
    // How many answers equal to `answer` the chapter table of the bank at `path` holds.
    static int storedAnswers(const QString& bankPath, const QString& answer)
    {
        return bankFileValue(bankPath,
                             QStringLiteral("select count(*) from swzj where XXDA='%1'").arg(answer))
            .toInt();
    }

    QTemporaryDir root;
    TempProgramDir bank;
    FakeServices fakes;
    std::unique_ptr<ProgramSession> session;

private:
    QByteArray m_savedDataHome;
};

} // namespace mirevo::test
