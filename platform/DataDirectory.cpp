#include "DataDirectory.h"

#include "FileCopy.h"
#include "PlatformConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

const QString bankFileName = u"mini.dll"_s;

QString clean(const QString& path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

DataDirectory::DataDirectory(Mode mode, QString path, QString shippedPath)
    : m_mode(mode), m_path(std::move(path)), m_shippedPath(std::move(shippedPath))
{}

DataDirectory DataDirectory::choose(const QString& executableDirectory, const QString& chosenDirectory)
{
    const QString shipped = clean(QDir(executableDirectory).filePath(shippedFilesFromExecutable()));
    if (!chosenDirectory.isEmpty())
        return DataDirectory(Mode::Chosen, clean(chosenDirectory), shipped);
    if (QFileInfo(QDir(executableDirectory).filePath(bankFileName)).isFile())
        return DataDirectory(Mode::Portable, clean(executableDirectory), QString());
    return DataDirectory(Mode::Installed,
                         clean(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), shipped);
}

QString DataDirectory::filePath(const QString& fileName) const
{
    return m_path + u'/' + fileName;
}

const QStringList& DataDirectory::shippedFileNames()
{
    static const QStringList names = {bankFileName, u"配置文件.ini"_s};
    return names;
}

bool DataDirectory::create(QString* error) const
{
    if (m_mode == Mode::Portable)
        return true;
    if (m_path.isEmpty()) {
        *error = u"找不到保存答题记录的用户数据文件夹，请检查 HOME 环境变量。"_s;
        return false;
    }
    const QFileInfo info(m_path);
    if (info.exists() && !info.isDir()) {
        *error = u"无法使用数据文件夹 %1：这是一个文件，不是文件夹。"_s.arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    if (!QDir().mkpath(m_path)) {
        *error = u"无法建立数据文件夹 %1。"_s.arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    return true;
}

bool DataDirectory::copyMissingFiles(QString* error) const
{
    if (m_mode == Mode::Portable)
        return true;
    for (const QString& name : shippedFileNames()) {
        const QString shipped = QDir(m_shippedPath).filePath(name);
        if (!QFileInfo(shipped).isFile()) {
            if (name != bankFileName || QFileInfo::exists(filePath(name)))
                continue;
            *error =
                u"找不到程序自带的题库文件 %1，请重新安装 Mirevo。"_s.arg(QDir::toNativeSeparators(shipped));
            return false;
        }
        if (copyFileIfMissing(shipped, filePath(name), error) == CopyResult::Failed)
            return false;
    }
    return true;
}

} // namespace mirevo
