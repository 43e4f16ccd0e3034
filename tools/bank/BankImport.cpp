#include "BankImport.h"

#include "BankSchema.h"
#include "QuestionBank.h"
#include "QuestionCsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// A spreadsheet of questions is far below this; anything larger is not one.
constexpr qint64 maximumCsvSize = 64 * 1024 * 1024;

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool isSqliteFile(const QString& path)
{
    static const QByteArray sqliteHeader("SQLite format 3\0", 16);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(sqliteHeader.size()) == sqliteHeader;
}

QString destinationTable(const ImportRequest& request, QString* error)
{
    const int chapters = chapterCount(request.subject);
    if (chapters == 0) {
        *error = u"there is no subject %1: subjects are 1 (初级会计实务) and 2 (经济法基础)"_s.arg(
            request.subject);
        return {};
    }
    if (request.kind == TableKind::Chapter) {
        if (request.number < 1 || request.number > chapters) {
            *error = u"%1 has no chapter %2: its chapters are 1 to %3"_s.arg(subjectName(request.subject))
                         .arg(request.number)
                         .arg(chapters);
            return {};
        }
        return chapterTable(request.subject);
    }
    if (request.number < 1 || request.number > paperCount) {
        *error = u"there is no paper %1: papers are 1 to %2"_s.arg(request.number).arg(paperCount);
        return {};
    }
    return paperTable(request.subject, request.number);
}

// The highest ID in the table (0 when it is empty); nullopt when the table cannot be read.
std::optional<qint64> highestId(const QString& bankPath, const QString& table)
{
    QuestionBank bank;
    if (!bank.OpenDatabase(bankPath, {}, {}, true))
        return std::nullopt;
    const int rows = bank.OpenTable(u"select max(ID) as highest from "_s + table);
    if (rows == 0)
        return std::nullopt;
    const qint64 highest = bank.ReadColByName(rows, u"highest"_s).toLongLong();
    bank.CloseTable(rows);
    return highest;
}

std::optional<QByteArray> readCsvFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"%1 cannot be read: %2"_s.arg(nativePath(path), file.errorString());
        return std::nullopt;
    }
    if (file.size() > maximumCsvSize) {
        *error = u"%1 is larger than any question spreadsheet (over 64 MiB)"_s.arg(nativePath(path));
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

ImportOutcome importCsv(const ImportRequest& request)
{
    ImportOutcome outcome;
    outcome.table = destinationTable(request, &outcome.error);
    if (!outcome.error.isEmpty())
        return outcome;
    if (!QFileInfo(request.bankPath).isFile()) {
        outcome.error = u"there is no bank at %1"_s.arg(nativePath(request.bankPath));
        return outcome;
    }
    if (!isSqliteFile(request.bankPath)) {
        outcome.error = u"%1 is not a bank made by mirevo-bank (SQLite): only those can be written"_s.arg(
            nativePath(request.bankPath));
        return outcome;
    }
    const std::optional<qint64> highest = highestId(request.bankPath, outcome.table);
    if (!highest) {
        outcome.error = u"the table %1 is missing from %2 or cannot be read"_s.arg(
            outcome.table, nativePath(request.bankPath));
        return outcome;
    }
    const std::optional<QByteArray> bytes = readCsvFile(request.csvPath, &outcome.error);
    if (!bytes)
        return outcome;

    const QuestionCsvRead read = readQuestionCsv(
        *bytes, {request.subject, request.kind, request.kind == TableKind::Chapter ? request.number : 0});
    outcome.encoding = read.encoding;
    outcome.notes = read.notes;
    outcome.rejections = read.rejections;
    if (!read.error.isEmpty()) {
        outcome.error = u"%1: %2; nothing imported"_s.arg(nativePath(request.csvPath), read.error);
        return outcome;
    }
    if (!read.rejections.isEmpty()) {
        outcome.error = u"%1 row(s) cannot be imported; nothing imported"_s.arg(read.rejections.size());
        return outcome;
    }
    if (read.questions.isEmpty()) {
        outcome.error = u"%1 holds no questions; nothing imported"_s.arg(nativePath(request.csvPath));
        return outcome;
    }

    QList<BankQuestion> questions;
    qint64 id = *highest;
    for (const CsvQuestion& row : read.questions) {
        BankQuestion question = row.question;
        question.id = ++id;
        questions << question;
    }
    QString failure;
    if (!insertQuestions(request.bankPath, outcome.table, questions, &failure)) {
        outcome.error = u"the bank refused the rows (%1); nothing imported"_s.arg(failure);
        return outcome;
    }
    outcome.firstId = *highest + 1;
    outcome.imported = int(questions.size());
    return outcome;
}

} // namespace mirevo
