#pragma once

#include <QByteArray>
#include <QString>

namespace mirevo {

// The 32 characters a protected table stores for its password: the lowercase hexadecimal MD5 of
// the password's GBK bytes with each pair of characters swapped, then reversed.
QByteArray passwordDigest(const QString& password);

} // namespace mirevo
