#include "ReadOnlyNotice.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace mirevo {

using namespace Qt::StringLiterals;

QString readOnlyNotice(const QString& dataDirectory)
{
    const QDir directory(dataDirectory);
    const QFileInfo bank(directory.filePath(u"mini.dll"_s));
    const QFileInfo settings(directory.filePath(u"配置文件.ini"_s));
    const bool directoryWritable = QFileInfo(dataDirectory).isWritable();
    QStringList lines;
    // Every update of the bank writes a journal beside it: a read-only directory stops them all.
    // A missing bank is reported by the main window when it fails to open it.
    if (bank.exists() && !directoryWritable)
        lines << u"数据文件夹 %1 是只读的，答案、收藏和考试得分无法保存。"_s.arg(
            QDir::toNativeSeparators(dataDirectory));
    else if (bank.exists() && !bank.isWritable())
        lines << u"题库文件 %1 是只读的，答案、收藏和考试得分无法保存。"_s.arg(
            QDir::toNativeSeparators(bank.filePath()));
    // The settings file is written in place; only a missing one needs the directory.
    const QString settingsPath = QDir::toNativeSeparators(settings.filePath());
    if (settings.exists() && !settings.isWritable())
        lines << u"配置文件 %1 是只读的，设置无法保存。"_s.arg(settingsPath);
    else if (!settings.exists() && !directoryWritable)
        lines << u"配置文件 %1 不存在，也无法在只读的文件夹中建立。"_s.arg(settingsPath);
    if (lines.isEmpty())
        return {};
    return lines.join(u'\n') + u"\n\n程序照常运行，但以上内容不会被保存。"_s;
}

} // namespace mirevo
