#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace mirevo {

// GBK conversions of the texts a table stores; nullopt when this Qt has no GBK codec.
std::optional<QByteArray> encodeGbk(const QString& text);
std::optional<QString> decodeGbk(QByteArrayView bytes);

// The longest prefix of GBK bytes, at most `limit` long, that does not split a character.
QByteArray cutGbk(const QByteArray& bytes, qsizetype limit);

} // namespace mirevo
