#include "Csv.h"

#include "TextDecoding.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CsvCase
{
    const char* name;
    QString text;
    QList<QStringList> records;
};

void PrintTo(const CsvCase& c, std::ostream* os)
{
    *os << c.name;
}

class CsvParseTest : public ::testing::TestWithParam<CsvCase>
{};

TEST_P(CsvParseTest, ReadsTheRecords)
{
    const mirevo::CsvParse parsed = mirevo::parseCsv(GetParam().text);
    ASSERT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
    QList<QStringList> records;
    for (const mirevo::CsvRecord& record : parsed.records) {
        records << record.fields;
        EXPECT_EQ(record.row, records.size());
    }
    EXPECT_EQ(records, GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, CsvParseTest,
    ::testing::Values(
        CsvCase{"LineEnds",
                u"a,b\r\nc,d\ne,f\rg,h"_s,
                {{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}, {u"e"_s, u"f"_s}, {u"g"_s, u"h"_s}}},
        CsvCase{"FinalLineEndMakesNoRecord", u"a\n"_s, {{u"a"_s}}},
        CsvCase{"EmptyFields", u",\n,x,\n"_s, {{u""_s, u""_s}, {u""_s, u"x"_s, u""_s}}},
        CsvCase{"QuotedSeparatorsAndQuotes",
                u"\"a,b\",\"say \"\"hi\"\"\",\"\"\n"_s,
                {{u"a,b"_s, u"say \"hi\""_s, u""_s}}},
        CsvCase{"LineBreakInsideQuotes", u"\"one\r\ntwo\",x\ny\n"_s, {{u"one\r\ntwo"_s, u"x"_s}, {u"y"_s}}},
        CsvCase{"QuoteInsideUnquotedFieldIsText", u"5\"\"x,b\n"_s, {{u"5\"\"x"_s, u"b"_s}}},
        CsvCase{"BlanksArePartOfFields", u" a , b \n"_s, {{u" a "_s, u" b "_s}}},
        CsvCase{"ChineseText", u"题干，含逗号,单选题\n"_s, {{u"题干，含逗号"_s, u"单选题"_s}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvParse, ReportsTheRowOfAnUnclosedQuote)
{
    const mirevo::CsvParse parsed = mirevo::parseCsv(u"a\nb\n\"c,\nd\n"_s);
    EXPECT_EQ(parsed.error, u"row 3: a quoted field is not closed"_s);
}

TEST(CsvParse, RejectsTextAfterAClosingQuote)
{
    const mirevo::CsvParse parsed = mirevo::parseCsv(u"\"a\"b,c\n"_s);
    EXPECT_EQ(parsed.error, u"row 1: text follows the closing quote of a field"_s);
}

TEST(CsvFormat, QuotesOnlyWhatNeedsItAndReadsBack)
{
    const QList<QStringList> records{{u"plain"_s, u"a,b"_s, u"q\"q"_s, u"line\nbreak"_s, u""_s},
                                     {u"cr\r"_s, u"（全角，标点）"_s}};
    const QString text = mirevo::formatCsv(records);
    EXPECT_EQ(text, u"plain,\"a,b\",\"q\"\"q\",\"line\nbreak\",\n\"cr\r\",（全角，标点）\n"_s);
    QList<QStringList> back;
    for (const mirevo::CsvRecord& record : mirevo::parseCsv(text).records)
        back << record.fields;
    EXPECT_EQ(back, records);
}

TEST(TextDecoding, TakesUtf8WithAndWithoutMark)
{
    const QByteArray utf8 = u"题干,单选题"_s.toUtf8();
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        const mirevo::DecodedText decoded = mirevo::decodeSpreadsheetText(bytes);
        EXPECT_EQ(decoded.text, u"题干,单选题"_s);
        EXPECT_EQ(decoded.encoding, u"UTF-8"_s);
    }
}

TEST(TextDecoding, TakesGbk)
{
    QStringEncoder gbk("GBK");
    ASSERT_TRUE(gbk.isValid());
    const QByteArray bytes = gbk.encode(u"题干,正确答案\n应收账款,√"_s);
    const mirevo::DecodedText decoded = mirevo::decodeSpreadsheetText(bytes);
    EXPECT_EQ(decoded.text, u"题干,正确答案\n应收账款,√"_s);
    EXPECT_EQ(decoded.encoding, u"GB18030"_s);
}

TEST(TextDecoding, RefusesBytesOfNeitherEncoding)
{
    // 0xFF never starts a character in UTF-8 or GB18030; a lead byte at the end is cut short
    for (const QByteArray& bytes : {QByteArray("ok\xFF\xFF", 4), QByteArray("ok\xC4", 3)}) {
        const mirevo::DecodedText decoded = mirevo::decodeSpreadsheetText(bytes);
        EXPECT_TRUE(decoded.encoding.isEmpty()) << bytes.toHex().toStdString();
        EXPECT_TRUE(decoded.text.isEmpty());
    }
}

} // namespace
