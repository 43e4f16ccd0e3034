#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>

namespace mirevo {

// The stored field types of a table; the numbers are those of the file.
enum class FieldType : qint32
{
    Byte = 1,
    Short = 2,
    Integer = 3,
    Long = 4,
    Float = 5,
    Double = 6,
    Boolean = 7,
    DateTime = 8,
    Subroutine = 9,
    Text = 10,
    ByteSet = 11,
    Memo = 12,
};

// A date-time as a day number, 0 = 1899-12-30.
struct DateTime
{
    double days = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// A subroutine reference as stored.
struct SubroutineRef
{
    qint32 address = 0;
    friend bool operator==(const SubroutineRef&, const SubroutineRef&) = default;
};

// The value of one field in its own type: text and memo fields give QString, byte-sets QByteArray.
using FieldValue = std::variant<std::uint8_t, qint16, qint32, qint64, float, double, bool, DateTime,
                                SubroutineRef, QString, QByteArray>;

// A field named by its 1-based number or by its name.
using FieldRef = std::variant<int, QString>;

} // namespace mirevo
