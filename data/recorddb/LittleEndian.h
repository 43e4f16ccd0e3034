#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>
#include <cstring>

namespace mirevo {

// Size-checked little-endian reads from a byte buffer. A read outside the buffer yields 0 and
// clears the ok flag, which stays cleared.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(QByteArrayView bytes) : m_bytes(bytes) {}
    // the reader only views its bytes: a temporary buffer would be gone before the first read
    explicit LittleEndianReader(QByteArray&&) = delete;

    bool ok() const { return m_ok; }

    template <typename T> T at(qint64 offset)
    {
        if (!fits(offset, sizeof(T)))
            return T{};
        T value;
        std::memcpy(&value, m_bytes.data() + offset, sizeof(T));
        return qFromLittleEndian(value);
    }

    QByteArrayView bytesAt(qint64 offset, qint64 length)
    {
        if (!fits(offset, length))
            return {};
        return m_bytes.sliced(offset, length);
    }

private:
    bool fits(qint64 offset, qint64 length);

    QByteArrayView m_bytes;
    bool m_ok = true;
};

// Stores a little-endian value into a buffer that already holds the bytes at the offset.
template <typename T> void putLittleEndian(QByteArray& buffer, qint64 offset, T value)
{
    const T stored = qToLittleEndian(value);
    std::memcpy(buffer.data() + offset, &stored, sizeof(T));
}

} // namespace mirevo
