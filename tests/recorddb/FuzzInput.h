#pragma once

#include <QByteArrayView>
#include <QList>

namespace mirevo {

// What one run of arbitrary bytes through the engine gave: the open's code and the code of
// every field access that followed.
struct FuzzOutcome
{
    int openCode = 0;
    QList<int> accessCodes;
};

// Opens arbitrary bytes as a table and reads, then rewrites, its fields. The first byte chooses
// the run: bit 0 adds an auxiliary file (the next two bytes, little-endian, give the data
// file's length, the rest is the auxiliary file), bit 1 opens read-only. A "WCDB" table is
// opened with the settings password so that inputs grown from a real file get past the digest.
FuzzOutcome exerciseTable(QByteArrayView input);

} // namespace mirevo
