#include "BankSchema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <atomic>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString uniqueConnectionName()
{
    static std::atomic<quint64> counter{0};
    return u"mirevo.bankSchema.%1"_s.arg(++counter);
}

// A private SQLite connection that is removed again when it goes out of scope.
class ScopedSqlite
{
public:
    explicit ScopedSqlite(const QString& path)
        : m_name(uniqueConnectionName()), m_db(QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name))
    {
        m_db.setDatabaseName(path);
    }
    ~ScopedSqlite()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    ScopedSqlite(const ScopedSqlite&) = delete;
    ScopedSqlite& operator=(const ScopedSqlite&) = delete;

    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString questionColumnsSql(bool withChapter)
{
    QString columns = u"ID INTEGER PRIMARY KEY"_s;
    if (withChapter)
        columns += u", zj TEXT COLLATE NOCASE"_s;
    for (const auto* name : {"TM", "TX", "XXA", "XXB", "XXC", "XXD", "DA", "JX"})
        columns += u", "_s + QLatin1String(name) + u" TEXT COLLATE NOCASE"_s;
    // new rows are unmarked and unanswered without anyone writing the two columns
    columns += u", shucang TEXT COLLATE NOCASE DEFAULT '', XXDA TEXT COLLATE NOCASE DEFAULT ''"_s;
    return columns;
}

QStringList schemaStatements()
{
    QStringList statements;
    for (int subject = 1; subject <= 2; ++subject) {
        const QString chapters = chapterTable(subject);
        statements << u"CREATE TABLE %1 (%2)"_s.arg(chapters, questionColumnsSql(true))
                   << u"CREATE INDEX %1_zj ON %1 (zj)"_s.arg(chapters);
        for (int paper = 1; paper <= paperCount; ++paper)
            statements << u"CREATE TABLE %1 (%2)"_s.arg(paperTable(subject, paper),
                                                        questionColumnsSql(false));
        const QString scores = scoreTable(subject);
        statements << u"CREATE TABLE %1 (ID INTEGER PRIMARY KEY, SJ TEXT COLLATE NOCASE, "
                      u"DF TEXT COLLATE NOCASE DEFAULT '')"_s.arg(scores);
        for (int paper = 1; paper <= paperCount; ++paper)
            statements << u"INSERT INTO %1 (ID, SJ, DF) VALUES (%2, '%2', '')"_s.arg(scores).arg(paper);
    }
    return statements;
}

bool buildSchema(QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    // Qt reads text as UTF-16: stored so, it needs no conversion, and Chinese text takes 2 bytes, not 3
    if (!query.exec(u"PRAGMA encoding='UTF-16le'"_s) || !query.exec(u"PRAGMA synchronous=FULL"_s)) {
        setError(error, query.lastError().text());
        return false;
    }
    if (!db.transaction()) {
        setError(error, db.lastError().text());
        return false;
    }
    for (const QString& statement : schemaStatements()) {
        if (!query.exec(statement)) {
            setError(error, query.lastError().text());
            query.finish();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        setError(error, db.lastError().text());
        return false;
    }
    return true;
}

QVariant textOrNull(const QString& text)
{
    return text.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

} // namespace

QString subjectName(int subject)
{
    switch (subject) {
    case 1:
        return u"初级会计实务"_s;
    case 2:
        return u"经济法基础"_s;
    default:
        return {};
    }
}

QString chapterTable(int subject)
{
    switch (subject) {
    case 1:
        return u"swzj"_s;
    case 2:
        return u"jczj"_s;
    default:
        return {};
    }
}

QString paperTablePrefix(int subject)
{
    switch (subject) {
    case 1:
        return u"sw"_s;
    case 2:
        return u"jc"_s;
    default:
        return {};
    }
}

QString paperTable(int subject, int paper)
{
    const QString prefix = paperTablePrefix(subject);
    if (prefix.isEmpty() || paper < 1 || paper > paperCount)
        return {};
    return prefix + QString::number(paper);
}

QString scoreTable(int subject)
{
    const QString prefix = paperTablePrefix(subject);
    return prefix.isEmpty() ? QString() : prefix + u"deifen"_s;
}

QStringList subjectTables(int subject)
{
    if (chapterTable(subject).isEmpty())
        return {};
    QStringList tables{chapterTable(subject)};
    for (int paper = 1; paper <= paperCount; ++paper)
        tables << paperTable(subject, paper);
    tables << scoreTable(subject);
    return tables;
}

bool createEmptyBank(const QString& path, QString* error)
{
    const QFileInfo target(path);
    if (target.exists()) {
        setError(error, u"The file %1 already exists."_s.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    // built under a temporary name and renamed at the end, so a bank file is never half written
    QTemporaryFile building(target.absoluteDir().filePath(u".%1.XXXXXX"_s.arg(target.fileName())));
    if (!building.open()) {
        setError(error, building.errorString());
        return false;
    }
    building.close();
    bool built = false;
    {
        ScopedSqlite sqlite(building.fileName());
        if (!sqlite.db().open())
            setError(error, sqlite.db().lastError().text());
        else
            built = buildSchema(sqlite.db(), error);
    }
    if (!built)
        return false;
    // the temporary file was made private to its owner; a bank is an ordinary file
    building.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
    if (!QFile::rename(building.fileName(), path)) {
        setError(error, u"The bank could not be written to %1."_s.arg(QDir::toNativeSeparators(path)));
        return false;
    }
    building.setAutoRemove(false);
    return true;
}

bool insertQuestions(const QString& bankPath, const QString& table, const QList<BankQuestion>& questions,
                     QString* error)
{
    if (!QFileInfo(bankPath).isFile()) {
        setError(error, u"There is no bank at %1."_s.arg(QDir::toNativeSeparators(bankPath)));
        return false;
    }
    ScopedSqlite sqlite(bankPath);
    QSqlDatabase& db = sqlite.db();
    if (!db.open() || !db.transaction()) {
        setError(error, db.lastError().text());
        return false;
    }
    const bool withChapter = table.endsWith(u"zj"_s, Qt::CaseInsensitive);
    bool ok = true;
    {
        QSqlQuery insert(db);
        ok = insert.prepare(
            u"INSERT INTO %1 (ID, %2TM, TX, XXA, XXB, XXC, XXD, DA, JX, shucang, XXDA) "
            u"VALUES (?, %3?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(table, withChapter ? u"zj, "_s : QString(),
                                                                withChapter ? u"?, "_s : QString()));
        for (qsizetype row = 0; ok && row < questions.size(); ++row) {
            const BankQuestion& q = questions.at(row);
            insert.addBindValue(q.id);
            if (withChapter)
                insert.addBindValue(textOrNull(q.zj));
            for (const QString* text :
                 {&q.tm, &q.tx, &q.xxa, &q.xxb, &q.xxc, &q.xxd, &q.da, &q.jx, &q.shucang, &q.xxda})
                insert.addBindValue(textOrNull(*text));
            ok = insert.exec();
        }
        if (!ok)
            setError(error, insert.lastError().text());
    }
    if (!ok) {
        db.rollback();
        return false;
    }
    if (!db.commit()) {
        setError(error, db.lastError().text());
        return false;
    }
    return true;
}

} // namespace mirevo
