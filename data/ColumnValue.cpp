#include "ColumnValue.h"

namespace mirevo {

namespace {

QVariant emptyValueOf(QMetaType type)
{
    if (!type.isValid())
        return QString();
    const QVariant blank(type);
    return QVariant(type, blank.constData());
}

} // namespace

QVariant columnValue(const QVariant& driverValue, QMetaType columnType)
{
    if (driverValue.isNull())
        return emptyValueOf(columnType);
    // SQLite stores booleans as integers while reporting the column as boolean
    if (columnType.id() == QMetaType::Bool && driverValue.typeId() != QMetaType::Bool)
        return driverValue.toBool();
    return driverValue;
}

} // namespace mirevo
