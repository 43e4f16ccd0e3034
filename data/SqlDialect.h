#pragma once

#include <QString>

namespace mirevo {

// Statements are kept in the Jet dialect; SQLite engines receive "select top N <rest>" as
// "select <rest> limit N" (unless the statement already has a limit). Every other statement
// passes unchanged, byte for byte.
QString toSqliteDialect(const QString& jetSql);

} // namespace mirevo
