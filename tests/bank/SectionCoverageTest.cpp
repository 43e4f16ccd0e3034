#include "SectionCoverage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using mirevo::CsvQuestion;

namespace {

const mirevo::CoverageFiles files{u"sw/coverage/ch01.csv"_s, u"sw/ch01.csv"_s};

// Chapter rows from row 2 on, naming the sections given.
QList<CsvQuestion> rows(const QStringList& sections)
{
    QList<CsvQuestion> result;
    for (const QString& section : sections)
        result.append({int(result.size()) + 2, {}, section});
    return result;
}

QStringList problems(const QString& table, const QStringList& sections)
{
    return mirevo::coverageProblems(table.toUtf8(), rows(sections), files);
}

// Eight questions, two of each of the sections 1 to 4.
const QStringList eight{u"1"_s, u"2"_s, u"1"_s, u"3"_s, u"2"_s, u"4"_s, u"4"_s, u"3"_s};

TEST(SectionCoverage, ReportsACountThatIsNotTheRecount)
{
    EXPECT_EQ(problems(u"节,名称,题量\n1,甲,2\n2,乙,2\n3,丙,2\n4,丁,2\n"_s, eight), QStringList());
    EXPECT_EQ(
        problems(u"节,名称,题量\n1,甲,2\n2,乙,3\n3,丙,2\n4,丁,2\n"_s, eight),
        QStringList{u"sw/coverage/ch01.csv: row 3: section 2 (乙) has 题量 3, but sw/ch01.csv holds 2 of its "
                    u"questions"_s});
}

TEST(SectionCoverage, ReportsARowNamingNoSectionOfTheTable)
{
    QStringList sections = eight;
    sections[4] = u"5"_s;
    sections[5] = u""_s;
    EXPECT_EQ(problems(u"节,名称,题量\n1,甲,2\n2,乙,1\n3,丙,2\n4,丁,1\n"_s, sections),
              (QStringList{u"sw/ch01.csv: row 6: 节: \"5\" is not a section of sw/coverage/ch01.csv"_s,
                           u"sw/ch01.csv: row 7: 节: \"\" is not a section of sw/coverage/ch01.csv"_s}));
}

TEST(SectionCoverage, ReportsAnEmptySectionAndOneOverAQuarter)
{
    const QStringList sections{u"1"_s, u"2"_s, u"1"_s, u"3"_s, u"2"_s, u"3"_s, u"1"_s, u"2"_s};
    EXPECT_EQ(
        problems(u"节,名称,题量\n1,甲,3\n2,乙,3\n3,丙,2\n4,丁,0\n"_s, sections),
        (QStringList{u"sw/coverage/ch01.csv: row 2: section 1 (甲) holds 3 of the 8 questions, more than a "
                     u"quarter of the chapter"_s,
                     u"sw/coverage/ch01.csv: row 3: section 2 (乙) holds 3 of the 8 questions, more than a "
                     u"quarter of the chapter"_s,
                     u"sw/coverage/ch01.csv: row 5: section 4 (丁) has no question"_s}));
}

TEST(SectionCoverage, ReportsTheRowsOfATableItCannotRead)
{
    EXPECT_EQ(problems(u"节,名称,数量\n"_s, eight),
              QStringList{u"sw/coverage/ch01.csv: the header is not 节,名称,题量"_s});
    EXPECT_EQ(problems(u"节,名称,题量\n01,甲,2\n2,乙\n3,,2\n4,丁,两\n4,丁,2\n4,丁,2\n"_s, eight),
              (QStringList{u"sw/coverage/ch01.csv: row 2: 节: \"01\" is not a section number (1, 2, …)"_s,
                           u"sw/coverage/ch01.csv: row 3: it has 2 fields where the header has 3"_s,
                           u"sw/coverage/ch01.csv: row 4: 名称: the section has no name"_s,
                           u"sw/coverage/ch01.csv: row 5: 题量: \"两\" is not a number of questions"_s,
                           u"sw/coverage/ch01.csv: row 7: 节: section 4 is listed twice"_s}));
}

} // namespace
