#include "BankBuilder.h"

#include "BankChecker.h"
#include "BankRules.h"
#include "BankSchema.h"
#include "BankSources.h"
#include "PaperAssembly.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Each chapter file holds as many questions as the chapter's size.
QStringList sizeProblems(const BankSourcesRead& sources, const ChapterSizes& chapterSizes)
{
    QStringList problems;
    for (int subject = 1; subject <= 2; ++subject) {
        const QList<QList<BankQuestion>>& chapters = sources.subjects.at(subject - 1).chapters;
        const QList<int>& sizes = chapterSizes.at(subject - 1);
        for (qsizetype chapter = 0; chapter < chapters.size(); ++chapter) {
            const int expected = sizes.value(chapter);
            if (chapters.at(chapter).size() != expected)
                problems << u"%1/ch%2.csv: %3 questions where the catalogue has %4"_s
                                .arg(paperTablePrefix(subject))
                                .arg(chapter + 1, 2, 10, QLatin1Char('0'))
                                .arg(chapters.at(chapter).size())
                                .arg(expected);
        }
    }
    return problems;
}

struct CompiledSubject
{
    QList<BankQuestion> chapterRows;
    QList<QList<BankQuestion>> papers;
};

CompiledSubject compileSubject(const SubjectSources& sources, int subject, QStringList* errors)
{
    CompiledSubject tables;
    qint64 id = 0;
    for (const QList<BankQuestion>& chapter : sources.chapters) {
        for (BankQuestion question : chapter) {
            question.id = ++id;
            question.shucang = u""_s;
            question.xxda = u""_s;
            tables.chapterRows << question;
        }
    }
    QList<QList<CaseStudy>> casePools;
    for (const QList<BankQuestion>& pool : sources.casePools)
        casePools << splitCases(pool);
    PaperAssembly assembly = assemblePapers(sources.chapters, casePools);
    if (!assembly.error.isEmpty())
        *errors << u"%1: %2"_s.arg(subjectName(subject), assembly.error);
    tables.papers = std::move(assembly.papers);
    return tables;
}

bool writeTables(const QString& bankPath, const std::array<CompiledSubject, 2>& subjects, QStringList* errors)
{
    QString error;
    if (!createEmptyBank(bankPath, &error)) {
        *errors << error;
        return false;
    }
    for (int subject = 1; subject <= 2; ++subject) {
        const CompiledSubject& tables = subjects.at(subject - 1);
        bool written = insertQuestions(bankPath, chapterTable(subject), tables.chapterRows, &error);
        for (int paper = 1; written && paper <= paperCount; ++paper)
            written =
                insertQuestions(bankPath, paperTable(subject, paper), tables.papers.at(paper - 1), &error);
        if (!written) {
            *errors << error;
            return false;
        }
    }
    return true;
}

QString summaryLine(int subject, const SubjectSources& sources, const CompiledSubject& tables)
{
    QStringList chapters;
    for (const QList<BankQuestion>& chapter : sources.chapters)
        chapters << QString::number(chapter.size());
    qsizetype caseQuestions = 0;
    for (const QList<BankQuestion>& pool : sources.casePools)
        caseQuestions += pool.size();
    return u"%1: %2 chapter questions (%3 by chapter), %4 case questions, %5 papers of %6"_s
        .arg(subjectName(subject))
        .arg(tables.chapterRows.size())
        .arg(chapters.join(u" + "_s))
        .arg(caseQuestions)
        .arg(tables.papers.size())
        .arg(paperQuestionCount);
}

// Without force an existing file is never replaced, even one that appeared while building.
bool putInPlace(const QString& built, const QString& outPath, bool force)
{
    if (!force)
        return QFile::rename(built, outPath);
    std::error_code error;
    std::filesystem::rename(QFileInfo(built).filesystemAbsoluteFilePath(),
                            QFileInfo(outPath).filesystemAbsoluteFilePath(), error);
    return !error;
}

} // namespace

BankBuild buildBank(const QString& sourceDir, const QString& outPath, bool force,
                    const ChapterSizes& chapterSizes)
{
    BankBuild build;
    const QFileInfo target(outPath);
    if (target.exists() && (!force || !target.isFile())) {
        build.errors << (target.isFile() ? u"%1 exists; give --force to replace it"_s.arg(nativePath(outPath))
                                         : u"%1 exists and is not a file"_s.arg(nativePath(outPath)));
        return build;
    }
    if (!target.absoluteDir().exists()) {
        build.errors << u"the folder of %1 does not exist"_s.arg(nativePath(outPath));
        return build;
    }

    const BankSourcesRead sources = readBankSources(sourceDir);
    build.notes = sources.notes;
    build.errors = sources.errors;
    if (!build.succeeded())
        return build;
    build.errors = sizeProblems(sources, chapterSizes);
    if (!build.succeeded())
        return build;
    std::array<CompiledSubject, 2> subjects;
    for (int subject = 1; subject <= 2; ++subject)
        subjects.at(subject - 1) = compileSubject(sources.subjects.at(subject - 1), subject, &build.errors);
    if (!build.succeeded())
        return build;

    // beside the target, so that putting it in place is a rename within one file system
    QTemporaryDir building(target.absoluteDir().filePath(u".%1.XXXXXX"_s.arg(target.fileName())));
    if (!building.isValid()) {
        build.errors << u"no room to build beside %1: %2"_s.arg(nativePath(outPath), building.errorString());
        return build;
    }
    const QString bankPath = building.filePath(target.fileName());
    if (!writeTables(bankPath, subjects, &build.errors))
        return build;
    const BankCheck check = checkBank(bankPath, chapterSizes);
    if (!check.sound()) {
        build.errors << u"the built bank fails its check:"_s;
        if (!check.error.isEmpty())
            build.errors << check.error;
        for (const Violation& violation : check.violations)
            build.errors << violationText(violation);
        return build;
    }
    if (!putInPlace(bankPath, outPath, force)) {
        build.errors << u"the bank could not be put in place at %1"_s.arg(nativePath(outPath));
        return build;
    }
    for (int subject = 1; subject <= 2; ++subject)
        build.summary << summaryLine(subject, sources.subjects.at(subject - 1), subjects.at(subject - 1));
    return build;
}

} // namespace mirevo
