#pragma once

#include <QString>

namespace mirevo {

enum class CopyResult
{
    Copied,
    AlreadyThere,
    Failed,
};

// Copies `source` to `target` unless `target` exists. The copy is written under a temporary
// name beside the target, flushed to the disk and renamed: `target` is never a partial file,
// and the rename never replaces a file that appeared meanwhile. On failure `*error` says why.
CopyResult copyFileIfMissing(const QString& source, const QString& target, QString* error);

} // namespace mirevo
