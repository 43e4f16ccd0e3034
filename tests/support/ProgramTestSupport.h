#pragma once

#include "Label.h"
#include "Window.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>
#include <atomic>
#include <functional>

namespace mirevo::test {

// Runs events until `done` holds; false when timeoutMs passed first.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

// Every file under `root` by its relative path, with the digest of its content: two equal maps
// show that nothing was added, removed or changed.
inline QMap<QString, QByteArray> treeDigest(const QString& root)
{
    QMap<QString, QByteArray> digests;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        digests.insert(QDir(root).relativeFilePath(path),
                       file.open(QIODevice::ReadOnly)
                           ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                           : QByteArray("(unreadable)"));
    }
    return digests;
}

// The user's records in a data directory, as treeDigest: without the lock file that exists while
// a program runs on it, and without the study log, the program's own journal, which it keeps
// writing while it runs.
inline QMap<QString, QByteArray> dataFiles(const QString& dataDirectory)
{
    QMap<QString, QByteArray> files = treeDigest(dataDirectory);
    files.remove(QStringLiteral(".mirevo.lock"));
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        files.remove(QStringLiteral("学习记录.db") + suffix);
    return files;
}

// The first column of the first row of sql, read from the bank file with a read-only connection
// of its own; invalid when there is no row.
inline QVariant bankFileValue(const QString& bankPath, const QString& sql)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("mirevo.test.program.%1").arg(++counter);
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(bankPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(name);
    return value;
}

// The window of the program that is open besides `main`, if any.
inline Window* otherWindow(const Window* main)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Window*>(widget);
        if (window && window != main && !window->isClosing() && window->isVisible())
            return window;
    }
    return nullptr;
}

inline void click(Window* window, const QString& name)
{
    QTest::mouseClick(window->control<QWidget>(name), Qt::LeftButton);
}

// Opens chapter 1 of the current subject in the practice window through the main window's
// buttons; the practice window, or nullptr.
inline Window* openFirstChapter(Window* main)
{
    click(main, QStringLiteral("超级按钮_章节"));
    click(main, QStringLiteral("超级按钮_章节练习"));
    return otherWindow(main);
}

// Answers the question shown in the practice window with a click on its first choice, whatever
// its type; the answer text that the click stores.
inline QString answerShownQuestion(Window* practice)
{
    const QString type = practice->control<Label>(QStringLiteral("透明标签_题型"))->caption();
    struct Choice
    {
        QString type;
        QString control;
        QString answer;
    };
    const QList<Choice> choices = {
        {QStringLiteral("单选"), QStringLiteral("单选框_单选A"), QStringLiteral("A")},
        {QStringLiteral("多选"), QStringLiteral("选择框_多选A"), QStringLiteral("A")},
        {QStringLiteral("判断"), QStringLiteral("单选框_判断正确"), QStringLiteral("正确")}};
    for (const Choice& choice : choices) {
        if (type.contains(choice.type)) {
            QWidget* box = practice->control<QWidget>(choice.control);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
            return choice.answer;
        }
    }
    return {};
}

} // namespace mirevo::test
