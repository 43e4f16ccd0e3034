#pragma once

#include <QList>
#include <QString>

namespace mirevo {

// One chapter as the chapter page lists it. The count is also the number of questions the
// chapter holds in the bank, as mirevo-bank checks.
struct ChapterEntry
{
    QString name;
    QString count;
};

// The chapters of a subject in order; chapter k (1-based) is the k-th entry. Empty for an
// unknown subject.
const QList<ChapterEntry>& chapterCatalogue(int subject);

} // namespace mirevo
