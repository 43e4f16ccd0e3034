#pragma once

#include <QString>

namespace mirevo {

// A data file name without an extension gets "EDB": "name." becomes "name.EDB" and "name"
// becomes "name.EDB"; a name that has an extension is returned unchanged.
QString withDefaultExtension(const QString& fileName);

// The auxiliary file of a data file: the same path with the extension replaced by "EDT".
QString auxiliaryPath(const QString& dataPath);

// An alias or field name: a half- or full-width letter or a Chinese character first, then
// letters, digits (half- or full-width) or Chinese characters.
bool isValidTableName(const QString& name);

} // namespace mirevo
