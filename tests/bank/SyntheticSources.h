#pragma once

#include "BankRules.h"
#include "BankSchema.h"
#include "BankTestSupport.h"
#include "Csv.h"

#include <QDir>

namespace mirevo::test {

// Questions that keep every rule of the bank: stems name the subject, the chapter or case and
// the question, so no two are alike.

inline BankQuestion question(const QString& tm, const QString& tx, const QString& da)
{
    const bool choice = tx != QStringLiteral("判断题");
    const QString option = choice ? QStringLiteral("选项") : QString();
    return {0, {}, tm, tx, option, option, option, option, da, QStringLiteral("解析。")};
}

// The question at index (from 0) of a chapter: types in the mix 单选, 单选, 多选, 判断; its
// section is index % 5 + 1.
inline BankQuestion chapterQuestion(int subject, int chapter, int index)
{
    static const QStringList types{QStringLiteral("单选题"), QStringLiteral("单选题"),
                                   QStringLiteral("多选题"), QStringLiteral("判断题")};
    static const QStringList answers{QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("AB"),
                                     QStringLiteral("正确")};
    BankQuestion q = question(QStringLiteral("%1第%2章第%3题：关于该项业务的处理，下列说法正确的是（　　）。")
                                  .arg(paperTablePrefix(subject))
                                  .arg(chapter)
                                  .arg(index + 1),
                              types.at(index % 4), answers.at(index % 4));
    q.zj = QString::number(chapter);
    return q;
}

inline QList<BankQuestion> chapterQuestions(int subject, int chapter, int size)
{
    QList<BankQuestion> questions;
    for (int index = 0; index < size; ++index)
        questions << chapterQuestion(subject, chapter, index);
    return questions;
}

// Question number (from 1) of a case, whose material makes most of the stem.
inline BankQuestion caseQuestion(int subject, int caseNumber, int number)
{
    return question(QStringLiteral("%1案例%2：甲公司本月发生若干项经济业务，金额以万元表示，不考虑其他因素。"
                                   "要求：根据上述资料，回答下列问题。（%3）下列处理正确的是（　）。")
                        .arg(paperTablePrefix(subject))
                        .arg(caseNumber)
                        .arg(number),
                    QStringLiteral("不定项选择题"), QStringLiteral("AB"));
}

// Case pools given as the sizes of their cases, numbered on through the pools.
inline QList<QList<QList<BankQuestion>>> casePools(int subject, const QList<QList<int>>& caseSizes)
{
    QList<QList<QList<BankQuestion>>> pools;
    int caseNumber = 0;
    for (const QList<int>& sizes : caseSizes) {
        QList<QList<BankQuestion>> pool;
        for (const int size : sizes) {
            pool.emplaceBack();
            ++caseNumber;
            for (int number = 1; number <= size; ++number)
                pool.back() << caseQuestion(subject, caseNumber, number);
        }
        pools << pool;
    }
    return pools;
}

// A small catalogue of 580 and 574 questions: enough for the papers, though most questions are
// in two of them.
inline ChapterSizes smallCatalogue()
{
    return {QList<int>{40, 44, 48, 52, 56, 60, 64, 68, 72, 76}, QList<int>{70, 74, 78, 82, 86, 90, 94}};
}

// Two pools of 32 cases of five and 3 of four.
inline QList<QList<int>> smallCasePools()
{
    return {{5, 5, 4, 5, 5, 5, 5, 4, 5, 5, 5, 5, 5, 4, 5, 5, 5, 5, 5}, QList<int>(16, 5)};
}

inline QStringList fieldsOf(const BankQuestion& q)
{
    return {q.tm, q.tx, q.xxa, q.xxb, q.xxc, q.xxd, q.da, q.jx, q.zj};
}

// Writes sw/ and jc/ beneath dir: the chapter files with their 节 column and coverage tables, and
// the case pools. False when a file cannot be written.
inline bool writeSources(const QString& dir, const ChapterSizes& sizes = smallCatalogue(),
                         const QList<QList<int>>& caseSizes = smallCasePools())
{
    const QStringList header = QStringLiteral("TM,TX,XXA,XXB,XXC,XXD,DA,JX,zj").split(u',');
    bool written = true;
    const auto write = [&](const QString& path, const QList<QStringList>& records) {
        written = written && writeFile(path, formatCsv(records).toUtf8());
    };
    for (int subject = 1; subject <= 2; ++subject) {
        const QDir folder(QDir(dir).filePath(paperTablePrefix(subject)));
        written = written && folder.mkpath(QStringLiteral("coverage"));
        for (int chapter = 1; chapter <= int(sizes.at(subject - 1).size()); ++chapter) {
            QList<QStringList> rows{header + QStringList{QStringLiteral("节")}};
            QList<QStringList> coverage{QStringLiteral("节,名称,题量").split(u',')};
            for (const BankQuestion& q :
                 chapterQuestions(subject, chapter, sizes.at(subject - 1).at(chapter - 1)))
                rows << fieldsOf(q) + QStringList{QString::number((rows.size() - 1) % 5 + 1)};
            for (int section = 1; section <= 5; ++section)
                coverage << QStringList{QString::number(section), QStringLiteral("第%1节").arg(section),
                                        QString::number((rows.size() - 1 + 5 - section) / 5)};
            const QString name = QStringLiteral("ch%1.csv").arg(chapter, 2, 10, QLatin1Char('0'));
            write(folder.filePath(name), rows);
            write(folder.filePath(QStringLiteral("coverage/") + name), coverage);
        }
        const auto pools = casePools(subject, caseSizes);
        for (qsizetype pool = 0; pool < pools.size(); ++pool) {
            QList<QStringList> rows{header};
            for (const QList<BankQuestion>& study : pools.at(pool)) {
                for (const BankQuestion& q : study)
                    rows << fieldsOf(q);
            }
            write(folder.filePath(QStringLiteral("cases-%1.csv").arg(pool + 1)), rows);
        }
    }
    return written;
}

} // namespace mirevo::test
