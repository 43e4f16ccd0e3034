#pragma once

#include <QMetaType>
#include <QVariant>

namespace mirevo {

// What the store gives for a value its driver read from a column of the given type: NULL reads
// as the value a default-constructed value of the type has (0, empty text), and a boolean column
// reads as a boolean, whatever the engine stored it as.
QVariant columnValue(const QVariant& driverValue, QMetaType columnType);

} // namespace mirevo
