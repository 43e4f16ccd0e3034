#include "TableJson.h"

#include "RecordTable.h"

#include <QJsonArray>
#include <charconv>
#include <cmath>

namespace mirevo {

namespace {

template <class... Ts> struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

// The double whose shortest text is the float's shortest text, so that 0.1f shows as 0.1.
double shortestDouble(float value)
{
    if (!std::isfinite(value))
        return value;
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return QByteArray(text, end.ptr - text).toDouble();
}

QJsonValue jsonOf(const FieldValue& value)
{
    return std::visit(Overloaded{
                          [](bool v) { return QJsonValue(v); },
                          [](float v) { return QJsonValue(shortestDouble(v)); },
                          [](double v) { return QJsonValue(v); },
                          [](DateTime v) { return QJsonValue(v.days); },
                          [](SubroutineRef v) { return QJsonValue(v.address); },
                          [](const QString& v) { return QJsonValue(v); },
                          [](const QByteArray& v) { return QJsonValue(QString::fromLatin1(v.toHex())); },
                          [](auto v) { return QJsonValue(qint64(v)); },
                      },
                      value);
}

QJsonArray fieldsOf(const RecordTable& table)
{
    QJsonArray fields;
    for (const FieldDescriptor& field : table.fields()) {
        fields.append(QJsonObject{
            {QStringLiteral("name"), field.name},
            {QStringLiteral("type"), static_cast<qint32>(field.type)},
            {QStringLiteral("offset"), field.offset},
            {QStringLiteral("size"), field.declaredSize},
        });
    }
    return fields;
}

} // namespace

EngineResult<QJsonObject> tableToJson(RecordTable& table)
{
    QJsonArray records;
    for (qint32 record = 0; record < table.recordCount(); ++record) {
        if (const int code = table.setCurrentRecord(record); code != NoError)
            return {code, {}};
        const EngineResult<bool> deleted = table.isCurrentRecordDeleted();
        if (!deleted.ok())
            return {deleted.code, {}};
        QJsonArray values;
        for (int field = 1; field <= table.fields().size(); ++field) {
            const EngineResult<FieldValue> value = table.readField(field);
            if (!value.ok())
                return {value.code, {}};
            values.append(jsonOf(value.value));
        }
        records.append(
            QJsonObject{{QStringLiteral("deleted"), deleted.value}, {QStringLiteral("values"), values}});
    }
    return {NoError, QJsonObject{
                         {QStringLiteral("magic"), QString::fromLatin1(table.magic())},
                         {QStringLiteral("version"), table.version()},
                         {QStringLiteral("recordCount"), table.recordCount()},
                         {QStringLiteral("recordSize"), table.recordSize()},
                         {QStringLiteral("fields"), fieldsOf(table)},
                         {QStringLiteral("records"), records},
                     }};
}

} // namespace mirevo
