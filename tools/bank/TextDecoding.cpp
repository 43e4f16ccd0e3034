#include "TextDecoding.h"

#include <QStringDecoder>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// The whole input at once: an incomplete sequence at its end is an error, not a pending state.
bool decodeAll(QStringDecoder decoder, const QByteArray& bytes, QString* text)
{
    if (!decoder.isValid())
        return false;
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

DecodedText decodeSpreadsheetText(const QByteArray& bytes)
{
    constexpr auto wholeInput = QStringConverter::Flag::Stateless;
    DecodedText decoded;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        if (decodeAll(QStringDecoder(*marked, wholeInput), bytes, &decoded.text))
            decoded.encoding = QString::fromLatin1(QStringConverter::nameForEncoding(*marked));
    } else if (decodeAll(QStringDecoder(QStringConverter::Utf8, wholeInput), bytes, &decoded.text)) {
        decoded.encoding = u"UTF-8"_s;
    } else if (decodeAll(QStringDecoder("GB18030", wholeInput), bytes, &decoded.text)) {
        decoded.encoding = u"GB18030"_s;
    }
    if (decoded.encoding.isEmpty())
        decoded.text.clear();
    return decoded;
}

} // namespace mirevo
