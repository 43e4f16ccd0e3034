#include "LittleEndian.h"

namespace mirevo {

bool LittleEndianReader::fits(qint64 offset, qint64 length)
{
    if (m_ok && offset >= 0 && length >= 0 && length <= m_bytes.size() - offset)
        return true;
    m_ok = false;
    return false;
}

} // namespace mirevo
