#include "FieldCodec.h"

#include "GbkText.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mirevo::fieldcodec {

namespace {

constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// A number given for a numeric field, kept exact when it is whole.
struct Number
{
    bool integral = true;
    qint64 whole = 0;
    double real = 0;
};

std::optional<Number> numberOf(const FieldValue& value)
{
    return std::visit(Overloaded{
                          [](bool v) -> std::optional<Number> {
                              return Number{true, v ? 1 : 0, 0};
                          },
                          [](float v) -> std::optional<Number> {
                              return Number{false, 0, v};
                          },
                          [](double v) -> std::optional<Number> {
                              return Number{false, 0, v};
                          },
                          [](DateTime v) -> std::optional<Number> {
                              return Number{false, 0, v.days};
                          },
                          [](SubroutineRef) -> std::optional<Number> { return std::nullopt; },
                          [](const QString&) -> std::optional<Number> { return std::nullopt; },
                          [](const QByteArray&) -> std::optional<Number> { return std::nullopt; },
                          [](auto v) -> std::optional<Number> {
                              return Number{true, qint64(v), 0};
                          },
                      },
                      value);
}

template <typename T> T saturated(const Number& number)
{
    constexpr auto lowest = std::numeric_limits<T>::lowest();
    constexpr auto highest = std::numeric_limits<T>::max();
    if (number.integral)
        return static_cast<T>(std::clamp<qint64>(number.whole, lowest, highest));
    if (std::isnan(number.real))
        return 0;
    if (number.real <= static_cast<double>(lowest))
        return lowest;
    if (number.real >= static_cast<double>(highest))
        return highest;
    return static_cast<T>(number.real);
}

double realOf(const Number& number)
{
    return number.integral ? static_cast<double>(number.whole) : number.real;
}

float floatOf(const Number& number)
{
    const double real = realOf(number);
    // beyond the float range the conversion itself would be undefined
    constexpr float infinity = std::numeric_limits<float>::infinity();
    if (real > std::numeric_limits<float>::max())
        return infinity;
    if (real < std::numeric_limits<float>::lowest())
        return -infinity;
    return static_cast<float>(real);
}

bool isNonZero(const Number& number)
{
    return number.integral ? number.whole != 0 : number.real != 0;
}

template <typename T> QByteArray littleEndianBytes(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    putLittleEndian(bytes, 0, value);
    return bytes;
}

QByteArrayView untilNul(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

} // namespace

bool isValidType(qint32 type)
{
    return type >= static_cast<qint32>(FieldType::Byte) && type <= static_cast<qint32>(FieldType::Memo);
}

qint64 storedSize(FieldType type, qint32 declaredSize)
{
    switch (type) {
    case FieldType::Byte:
    case FieldType::Boolean:
        return 1;
    case FieldType::Short:
        return 2;
    case FieldType::Integer:
    case FieldType::Float:
    case FieldType::Subroutine:
    case FieldType::ByteSet:
    case FieldType::Memo:
        return 4;
    case FieldType::Long:
    case FieldType::Double:
    case FieldType::DateTime:
        return 8;
    case FieldType::Text:
        return declaredSize;
    }
    return 0;
}

bool usesAuxiliaryFile(FieldType type)
{
    return type == FieldType::ByteSet || type == FieldType::Memo;
}

std::optional<FieldValue> convertTo(FieldType type, const FieldValue& value)
{
    if (type == FieldType::Text || type == FieldType::Memo) {
        if (std::holds_alternative<QString>(value))
            return value;
        return std::nullopt;
    }
    if (type == FieldType::ByteSet) {
        if (std::holds_alternative<QByteArray>(value))
            return value;
        return std::nullopt;
    }
    if (type == FieldType::Subroutine && std::holds_alternative<SubroutineRef>(value))
        return value;
    const std::optional<Number> number = numberOf(value);
    if (!number)
        return std::nullopt;
    switch (type) {
    case FieldType::Byte:
        return saturated<std::uint8_t>(*number);
    case FieldType::Short:
        return saturated<qint16>(*number);
    case FieldType::Integer:
        return saturated<qint32>(*number);
    case FieldType::Long:
        return saturated<qint64>(*number);
    case FieldType::Float:
        return floatOf(*number);
    case FieldType::Double:
        return realOf(*number);
    case FieldType::Boolean:
        return isNonZero(*number);
    case FieldType::DateTime:
        return DateTime{realOf(*number)};
    case FieldType::Subroutine:
        return SubroutineRef{saturated<qint32>(*number)};
    case FieldType::Text:
    case FieldType::ByteSet:
    case FieldType::Memo:
        break;
    }
    return std::nullopt;
}

std::optional<QByteArray> encodeStored(const FieldDescriptor& field, const FieldValue& value)
{
    if (field.type == FieldType::Text) {
        const auto* text = std::get_if<QString>(&value);
        if (!text)
            return std::nullopt;
        const std::optional<QByteArray> bytes = encodeGbk(*text);
        if (!bytes)
            return std::nullopt;
        QByteArray stored = cutGbk(*bytes, field.declaredSize);
        stored.append(field.declaredSize - stored.size(), '\0');
        return stored;
    }
    return std::visit(
        Overloaded{
            [](bool v) -> std::optional<QByteArray> { return QByteArray(1, v ? '\1' : '\0'); },
            [](DateTime v) -> std::optional<QByteArray> { return littleEndianBytes(v.days); },
            [](SubroutineRef v) -> std::optional<QByteArray> { return littleEndianBytes(v.address); },
            [](const QString&) -> std::optional<QByteArray> { return std::nullopt; },
            [](const QByteArray&) -> std::optional<QByteArray> { return std::nullopt; },
            [](auto v) -> std::optional<QByteArray> { return littleEndianBytes(v); },
        },
        value);
}

std::optional<FieldValue> decodeStored(const FieldDescriptor& field, QByteArrayView bytes)
{
    LittleEndianReader reader(bytes);
    FieldValue value;
    switch (field.type) {
    case FieldType::Byte:
        value = reader.at<std::uint8_t>(0);
        break;
    case FieldType::Short:
        value = reader.at<qint16>(0);
        break;
    case FieldType::Integer:
        value = reader.at<qint32>(0);
        break;
    case FieldType::Long:
        value = reader.at<qint64>(0);
        break;
    case FieldType::Float:
        value = reader.at<float>(0);
        break;
    case FieldType::Double:
        value = reader.at<double>(0);
        break;
    case FieldType::Boolean:
        value = reader.at<std::uint8_t>(0) != 0;
        break;
    case FieldType::DateTime: {
        const double days = reader.at<double>(0);
        value = DateTime{std::isnan(days) ? days : std::clamp(days, kFirstDay, kLastDay)};
        break;
    }
    case FieldType::Subroutine:
        value = SubroutineRef{reader.at<qint32>(0)};
        break;
    case FieldType::Text: {
        std::optional<QString> text = decodeGbk(untilNul(bytes));
        if (!text)
            return std::nullopt;
        value = *text;
        break;
    }
    case FieldType::ByteSet:
    case FieldType::Memo:
        return std::nullopt;
    }
    if (!reader.ok())
        return std::nullopt;
    return value;
}

std::optional<QByteArray> encodeChain(FieldType type, const FieldValue& value)
{
    if (type == FieldType::ByteSet) {
        if (const auto* bytes = std::get_if<QByteArray>(&value))
            return *bytes;
        return std::nullopt;
    }
    if (const auto* text = std::get_if<QString>(&value)) {
        std::optional<QByteArray> bytes = encodeGbk(*text);
        if (bytes)
            return untilNul(*bytes).toByteArray();
    }
    return std::nullopt;
}

std::optional<FieldValue> decodeChain(FieldType type, const QByteArray& bytes)
{
    if (type == FieldType::ByteSet)
        return bytes;
    std::optional<QString> text = decodeGbk(untilNul(bytes));
    if (!text)
        return std::nullopt;
    return *text;
}

} // namespace mirevo::fieldcodec
