#pragma once

#include "EngineResult.h"

#include <QJsonObject>

namespace mirevo {

class RecordTable;

// The header, the field descriptors and every record of a table as one JSON object; the values
// in their fields' own types (byte-sets as lowercase hex, date-times as day numbers).
EngineResult<QJsonObject> tableToJson(RecordTable& table);

} // namespace mirevo
