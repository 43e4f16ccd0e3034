#include "GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace mirevo {

namespace {

constexpr char kGbk[] = "GBK";

bool isLeadByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x81 && value <= 0xFE;
}

} // namespace

std::optional<QByteArray> encodeGbk(const QString& text)
{
    QStringEncoder encoder(kGbk);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

std::optional<QString> decodeGbk(QByteArrayView bytes)
{
    QStringDecoder decoder(kGbk);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    return text;
}

QByteArray cutGbk(const QByteArray& bytes, qsizetype limit)
{
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype step = isLeadByte(bytes[end]) ? 2 : 1;
        if (end + step > limit)
            break;
        end += step;
    }
    return bytes.left(end);
}

} // namespace mirevo
