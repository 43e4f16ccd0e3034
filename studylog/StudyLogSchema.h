#pragma once

#include <QSqlDatabase>
#include <QString>

namespace mirevo::studyLogSchema {

// The version written into meta.schema_version by this program.
inline constexpr int version = 1;

// Creates every table and the meta row in one transaction; false when anything fails.
bool create(QSqlDatabase& db);

// What an open database file holds.
enum class Content
{
    Empty,   // no table at all: a log that was never written
    Sound,   // the tables of this version, each with its columns, and the version row
    Damaged, // anything else: foreign tables, missing columns, a broken file
    Newer,   // a later program's log
};
Content inspect(QSqlDatabase& db);

} // namespace mirevo::studyLogSchema
