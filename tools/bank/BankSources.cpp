#include "BankSources.h"

#include "BankRules.h"
#include "QuestionCsv.h"
#include "SectionCoverage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <utility>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

// A source file is reviewed by people; nothing this size is one.
constexpr qint64 maximumSourceSize = 64 * 1024 * 1024;

// The rows of one source file, by its name.
using SourceFile = std::pair<QString, QList<CsvQuestion>>;

class SubjectReader
{
public:
    SubjectReader(const QDir& root, int subject, BankSourcesRead& result)
        : m_subject(subject), m_prefix(paperTablePrefix(subject)), m_dir(root.filePath(m_prefix)),
          m_result(result)
    {}

    void read()
    {
        if (!QFileInfo(m_dir.path()).isDir()) {
            m_result.errors << u"%1/: the folder of %2 is missing"_s.arg(m_prefix, subjectName(m_subject));
            return;
        }
        QMap<int, QString> chapterFiles;
        QMap<int, QString> poolFiles;
        static const QRegularExpression chapterName(u"^ch(\\d\\d)\\.csv$"_s);
        static const QRegularExpression poolName(u"^cases-([1-9]\\d*)\\.csv$"_s);
        for (const QString& name : m_dir.entryList({u"*.csv"_s}, QDir::Files, QDir::Name)) {
            const QRegularExpressionMatch chapter = chapterName.match(name);
            const QRegularExpressionMatch pool = poolName.match(name);
            const int chapterNumber = chapter.hasMatch() ? chapter.captured(1).toInt() : 0;
            if (chapterNumber >= 1 && chapterNumber <= chapterCount(m_subject))
                chapterFiles.insert(chapterNumber, name);
            else if (pool.hasMatch())
                poolFiles.insert(pool.captured(1).toInt(), name);
            else
                m_result.errors << u"%1: not a source of %2 (chapter files ch01.csv … ch%3.csv, case pools "
                                   u"cases-1.csv, cases-2.csv, …)"_s
                                       .arg(relative(name), subjectName(m_subject))
                                       .arg(chapterCount(m_subject), 2, 10, QLatin1Char('0'));
        }
        SubjectSources& sources = m_result.subjects.at(m_subject - 1);
        QList<SourceFile> chapters;
        for (int chapter = 1; chapter <= chapterCount(m_subject); ++chapter) {
            const QString name = u"ch%1.csv"_s.arg(chapter, 2, 10, QLatin1Char('0'));
            const QList<CsvQuestion> rows = readFile(name, {m_subject, TableKind::Chapter, chapter});
            if (chapterFiles.contains(chapter))
                readCoverage(name, rows);
            else
                m_result.errors << u"%1: missing; every chapter of %2 has a file"_s.arg(
                    relative(name), subjectName(m_subject));
            chapters.append({name, rows});
            sources.chapters << questionsOf(rows);
        }
        checkRepeatedStems(chapters);
        if (poolFiles.isEmpty())
            m_result.errors << u"%1/: no case pool cases-1.csv for the 不定项选择题 of the papers"_s.arg(
                m_prefix);
        QList<SourceFile> pools;
        for (const QString& name : poolFiles) {
            pools.append({name, readCasePool(name)});
            sources.casePools << questionsOf(pools.back().second);
        }
        checkRepeatedStems(pools);
    }

private:
    QString relative(const QString& name) const { return m_prefix + u'/' + name; }

    static QList<BankQuestion> questionsOf(const QList<CsvQuestion>& rows)
    {
        QList<BankQuestion> questions;
        for (const CsvQuestion& row : rows)
            questions << row.question;
        return questions;
    }

    QList<CsvQuestion> readFile(const QString& name, const CsvDestination& destination)
    {
        QFile file(m_dir.filePath(name));
        if (!file.exists())
            return {};
        if (!file.open(QIODevice::ReadOnly) || file.size() > maximumSourceSize) {
            m_result.errors << u"%1: cannot be read"_s.arg(relative(name));
            return {};
        }
        const QuestionCsvRead read = readQuestionCsv(file.readAll(), destination);
        const QString prefix = relative(name) + u": "_s;
        if (!read.error.isEmpty())
            m_result.errors << prefix + read.error;
        for (const QString& rejection : read.rejections)
            m_result.errors << prefix + rejection;
        for (const QString& note : read.notes)
            m_result.notes << prefix + note;
        return read.questions;
    }

    // The chapter file chNN.csv has its coverage table coverage/chNN.csv.
    void readCoverage(const QString& name, const QList<CsvQuestion>& rows)
    {
        const QString tableName = u"coverage/"_s + name;
        QFile file(m_dir.filePath(tableName));
        if (!file.exists()) {
            m_result.errors << u"%1: missing; every chapter file has a coverage table (节,名称,题量)"_s.arg(
                relative(tableName));
            return;
        }
        if (!file.open(QIODevice::ReadOnly) || file.size() > maximumSourceSize) {
            m_result.errors << u"%1: cannot be read"_s.arg(relative(tableName));
            return;
        }
        m_result.errors << coverageProblems(file.readAll(), rows, {relative(tableName), relative(name)});
    }

    // The papers' questions are told apart by their stems, so no two may be alike: among the
    // chapter files of a subject, and among its case pools.
    void checkRepeatedStems(const QList<SourceFile>& files)
    {
        QHash<QString, QString> first; // by stem key, where it was first seen
        for (const auto& [name, rows] : files) {
            for (const CsvQuestion& row : rows) {
                const QString key = stemKey(row.question.tm);
                if (const auto seen = first.constFind(key); seen != first.cend())
                    m_result.errors
                        << u"%1: row %2: TM: the stem is that of %3, spaces and punctuation aside"_s
                               .arg(relative(name))
                               .arg(row.row)
                               .arg(*seen);
                else
                    first.insert(key, u"%1 row %2"_s.arg(relative(name)).arg(row.row));
            }
        }
    }

    // Case questions are 不定项选择题; their zj, when given, names the chapter the case is about.
    QList<CsvQuestion> readCasePool(const QString& name)
    {
        const QList<CsvQuestion> rows = readFile(name, {m_subject, TableKind::Paper, 0});
        const QString indefinite = questionTypeText(QuestionType::Indefinite);
        for (const CsvQuestion& row : rows) {
            const BankQuestion& question = row.question;
            if (question.tx != indefinite)
                m_result.errors << u"%1: row %2: TX: %3 in a case pool, which holds %4 only"_s
                                       .arg(relative(name))
                                       .arg(row.row)
                                       .arg(question.tx, indefinite);
            bool ok = false;
            const int chapter = question.zj.toInt(&ok);
            if (!question.zj.isEmpty() && (!ok || chapter < 1 || chapter > chapterCount(m_subject)))
                m_result.errors << u"%1: row %2: zj: \"%3\" is not a chapter of %4"_s.arg(relative(name))
                                       .arg(row.row)
                                       .arg(question.zj, subjectName(m_subject));
        }
        return rows;
    }

    int m_subject;
    QString m_prefix;
    QDir m_dir;
    BankSourcesRead& m_result;
};

} // namespace

BankSourcesRead readBankSources(const QString& sourceDir)
{
    BankSourcesRead result;
    if (!QFileInfo(sourceDir).isDir()) {
        result.errors << u"%1 is not a folder"_s.arg(QDir::toNativeSeparators(sourceDir));
        return result;
    }
    const QDir root(sourceDir);
    for (int subject = 1; subject <= 2; ++subject)
        SubjectReader(root, subject, result).read();
    return result;
}

} // namespace mirevo
