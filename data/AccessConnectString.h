#pragma once

#include <QString>

namespace mirevo {

// The ODBC connect string for an Access database file, built exactly as the Windows
// program builds it (DBQ, DefaultDir when the path has a backslash, driver, UID, PWD).
QString accessConnectString(const QString& databaseFile, const QString& userName = {},
                            const QString& password = {});

} // namespace mirevo
