#include "ProgramSession.h"

#include "DataDirectory.h"
#include "FrontWindow.h"
#include "ReadOnlyNotice.h"

#include <QDir>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// A lock that nobody answers for: another user's program, or one on another computer that shares
// the directory. Only the user can tell that it is left from a crash there.
QString inUseMessage(const QString& dataDirectory, const QString& lockFile)
{
    return u"数据文件夹 %1 正由另一个 Mirevo 使用，而它没有响应"_s.arg(
               QDir::toNativeSeparators(dataDirectory)) +
           u"（它可能属于另一位用户，或运行在另一台电脑上）。\n\n"_s +
           u"如果确实没有别的 Mirevo 在使用这个文件夹，请删除锁文件 %1 后重新启动。"_s.arg(
               QDir::toNativeSeparators(lockFile));
}

} // namespace

ProgramSession::ProgramSession(Services services) : m_services(services) {}

ProgramSession::~ProgramSession() = default;

bool ProgramSession::start(const QString& executableDirectory, const QString& chosenDataDirectory)
{
    const DataDirectory directory = DataDirectory::choose(executableDirectory, chosenDataDirectory);
    m_dataDirectory = directory.path();
    QString error;
    if (!directory.create(&error))
        return fail(error);

    m_instance = std::make_unique<SingleInstance>(m_dataDirectory);
    switch (m_instance->claim(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"))) {
    case SingleInstance::Claim::Claimed:
        break;
    case SingleInstance::Claim::Activated:
        m_exitCode = 0;
        return false;
    case SingleInstance::Claim::Unanswered:
        return fail(inUseMessage(m_dataDirectory, m_instance->lockFilePath()));
    }
    // Copied only while the directory is held, so that two starts never copy at once.
    if (!directory.copyMissingFiles(&error))
        return fail(error);
    if (const QString notice = readOnlyNotice(m_dataDirectory); !notice.isEmpty())
        m_services.messageBox.show(notice, StyleOk | StyleIconWarning);

    m_mainWindow = std::make_unique<MainWindow>(m_state, m_services, m_dataDirectory);
    connect(m_mainWindow.get(), &MainWindow::closed, this, &ProgramSession::closed);
    connect(m_instance.get(), &SingleInstance::activationRequested, this, &bringProgramToFront);
    m_mainWindow->open();
    return true;
}

bool ProgramSession::fail(const QString& message)
{
    m_services.messageBox.show(message, StyleOk | StyleIconError);
    m_exitCode = 1;
    return false;
}

} // namespace mirevo
