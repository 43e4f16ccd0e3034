#pragma once

#include <QtGlobal>

namespace mirevo {

enum class LockKind
{
    Shared,
    Exclusive,
};

// Byte-range locks between processes sharing a file. `handle` is the descriptor QFile::handle()
// returns. Both return false when the range cannot be locked or unlocked.
bool lockRange(int handle, qint64 offset, qint64 length, LockKind kind);
bool unlockRange(int handle, qint64 offset, qint64 length);

// Holds a range locked for the length of a scope.
class RangeLockGuard
{
public:
    RangeLockGuard(int handle, qint64 offset, qint64 length, LockKind kind);
    ~RangeLockGuard();
    RangeLockGuard(const RangeLockGuard&) = delete;
    RangeLockGuard& operator=(const RangeLockGuard&) = delete;

    bool locked() const { return m_locked; }

private:
    int m_handle;
    qint64 m_offset;
    qint64 m_length;
    bool m_locked;
};

} // namespace mirevo
