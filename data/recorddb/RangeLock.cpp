#include "RangeLock.h"

#include <QThread>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#endif

namespace mirevo {

namespace {

// Another process holds a record only for the length of one access, so a short wait is enough;
// waiting without limit would hang the user interface.
constexpr int kLockAttempts = 50;
constexpr int kLockRetryMs = 20;

enum class Attempt
{
    Locked,
    Busy,
    Failed,
};

#ifdef Q_OS_WIN

HANDLE nativeHandle(int handle)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(handle));
}

OVERLAPPED overlappedAt(qint64 offset)
{
    OVERLAPPED overlapped{};
    overlapped.Offset = static_cast<DWORD>(offset & 0xffffffff);
    overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return overlapped;
}

Attempt tryLock(int handle, qint64 offset, qint64 length, LockKind kind)
{
    OVERLAPPED overlapped = overlappedAt(offset);
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (kind == LockKind::Exclusive)
        flags |= LOCKFILE_EXCLUSIVE_LOCK;
    if (LockFileEx(nativeHandle(handle), flags, 0, static_cast<DWORD>(length & 0xffffffff),
                   static_cast<DWORD>(length >> 32), &overlapped))
        return Attempt::Locked;
    return GetLastError() == ERROR_LOCK_VIOLATION ? Attempt::Busy : Attempt::Failed;
}

#else

bool setLock(int handle, qint64 offset, qint64 length, short type)
{
    struct flock request
    {};
    request.l_type = type;
    request.l_whence = SEEK_SET;
    request.l_start = static_cast<off_t>(offset);
    request.l_len = static_cast<off_t>(length);
    return fcntl(handle, F_SETLK, &request) == 0;
}

Attempt tryLock(int handle, qint64 offset, qint64 length, LockKind kind)
{
    if (setLock(handle, offset, length, kind == LockKind::Exclusive ? F_WRLCK : F_RDLCK))
        return Attempt::Locked;
    return errno == EAGAIN || errno == EACCES ? Attempt::Busy : Attempt::Failed;
}

#endif

} // namespace

bool lockRange(int handle, qint64 offset, qint64 length, LockKind kind)
{
    if (handle < 0 || offset < 0 || length <= 0)
        return false;
    for (int round = 0; round < kLockAttempts; ++round) {
        const Attempt attempt = tryLock(handle, offset, length, kind);
        if (attempt != Attempt::Busy)
            return attempt == Attempt::Locked;
        QThread::msleep(kLockRetryMs);
    }
    return false;
}

bool unlockRange(int handle, qint64 offset, qint64 length)
{
    if (handle < 0 || offset < 0 || length <= 0)
        return false;
#ifdef Q_OS_WIN
    return UnlockFile(nativeHandle(handle), static_cast<DWORD>(offset & 0xffffffff),
                      static_cast<DWORD>(offset >> 32), static_cast<DWORD>(length & 0xffffffff),
                      static_cast<DWORD>(length >> 32));
#else
    return setLock(handle, offset, length, F_UNLCK);
#endif
}

RangeLockGuard::RangeLockGuard(int handle, qint64 offset, qint64 length, LockKind kind)
    : m_handle(handle), m_offset(offset), m_length(length), m_locked(lockRange(handle, offset, length, kind))
{}

RangeLockGuard::~RangeLockGuard()
{
    if (m_locked)
        unlockRange(m_handle, m_offset, m_length);
}

} // namespace mirevo
