#include "ValueText.h"

#include <QDateTime>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString numberText(double number, int significantDigits)
{
    // -0 is not a number a user ever typed
    if (number == 0)
        return u"0"_s;
    return QString::number(number, 'g', significantDigits);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString valueToText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? u"真"_s : u"假"_s;
    case QMetaType::Double:
        return numberText(value.toDouble(), 13);
    case QMetaType::Float:
        return numberText(value.toFloat(), 6);
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
    case QMetaType::Char:
        return QString::number(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return QString::number(value.toULongLong());
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    case QMetaType::QDateTime:
        return value.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
    default:
        return value.toString();
    }
}

double textToNumber(const QString& text)
{
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (pos < size && text.at(pos).isSpace())
        ++pos;
    const qsizetype start = pos;
    if (pos < size && (text.at(pos) == u'+' || text.at(pos) == u'-'))
        ++pos;
    qsizetype digits = 0;
    for (; pos < size && isAsciiDigit(text.at(pos)); ++pos)
        ++digits;
    if (pos + 1 < size && text.at(pos) == u'.' && isAsciiDigit(text.at(pos + 1))) {
        for (++pos; pos < size && isAsciiDigit(text.at(pos)); ++pos)
            ++digits;
    }
    if (digits == 0)
        return 0;
    if (pos < size && (text.at(pos) == u'e' || text.at(pos) == u'E')) {
        qsizetype exponent = pos + 1;
        if (exponent < size && (text.at(exponent) == u'+' || text.at(exponent) == u'-'))
            ++exponent;
        if (exponent < size && isAsciiDigit(text.at(exponent))) {
            while (exponent < size && isAsciiDigit(text.at(exponent)))
                ++exponent;
            pos = exponent;
        }
    }
    return QStringView(text).sliced(start, pos - start).toDouble();
}

QString trimmedBlanks(const QString& text)
{
    const auto isBlank = [](QChar c) {
        return c == u' ' || c == u'\u3000';
    };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

} // namespace mirevo
