#include "PasswordDigest.h"

#include "GbkText.h"

#include <QCryptographicHash>
#include <algorithm>
#include <utility>

namespace mirevo {

QByteArray passwordDigest(const QString& password)
{
    QByteArray hex =
        QCryptographicHash::hash(encodeGbk(password).value_or(password.toUtf8()), QCryptographicHash::Md5)
            .toHex();
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2)
        std::swap(hex[i], hex[i + 1]);
    std::reverse(hex.begin(), hex.end());
    return hex;
}

} // namespace mirevo
