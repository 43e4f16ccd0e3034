#pragma once

#include "FieldValue.h"

#include <QString>

namespace mirevo {

// One field of a table as its descriptor declares it.
struct FieldDescriptor
{
    QString name;
    FieldType type = FieldType::Integer;
    qint32 offset = 0;
    // Used only by text fields; other types have a fixed stored size.
    qint32 declaredSize = 0;
};

} // namespace mirevo
