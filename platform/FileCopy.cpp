#include "FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

bool exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString failure(const QString& source, const QString& target, const QString& reason)
{
    return u"无法把 %1 复制为 %2：%3"_s.arg(QDir::toNativeSeparators(source),
                                            QDir::toNativeSeparators(target), reason);
}

bool copyContent(QFile& in, QFileDevice& out)
{
    constexpr qint64 chunk = 64 * 1024;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(chunk);
        if (bytes.isEmpty() || out.write(bytes) != bytes.size())
            return false;
    }
    if (!out.flush())
        return false;
#ifdef Q_OS_UNIX
    // On the disk before the rename, so that a crash never leaves an empty file under the name.
    return ::fsync(out.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

CopyResult copyFileIfMissing(const QString& source, const QString& target, QString* error)
{
    if (exists(target))
        return CopyResult::AlreadyThere;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = failure(source, target, in.errorString());
        return CopyResult::Failed;
    }
    QTemporaryFile out(target + u".XXXXXX"_s);
    if (!out.open()) {
        *error = failure(source, target, out.errorString());
        return CopyResult::Failed;
    }
    if (!copyContent(in, out)) {
        *error = failure(source, target,
                         in.error() != QFileDevice::NoError ? in.errorString() : out.errorString());
        return CopyResult::Failed;
    }
    // QFile::rename refuses an existing target: another start may have made it meanwhile.
    if (!out.rename(target)) {
        if (exists(target))
            return CopyResult::AlreadyThere;
        *error = failure(source, target, out.errorString());
        return CopyResult::Failed;
    }
    out.setAutoRemove(false);
    return CopyResult::Copied;
}

} // namespace mirevo
