#include "ValueText.h"

#include <QDateTime>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct TextCase
{
    const char* name;
    QVariant value;
    QString text;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class ValueToText : public ::testing::TestWithParam<TextCase>
{};

TEST_P(ValueToText, FollowsTheValueToTextRule)
{
    EXPECT_EQ(mirevo::valueToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueToText,
    ::testing::Values(
        TextCase{"invalid", QVariant(), u""_s},
        TextCase{"nullInt", QVariant(QMetaType::fromType<int>()), u""_s},
        TextCase{"int", QVariant(42), u"42"_s}, TextCase{"negativeInt", QVariant(-7), u"-7"_s},
        TextCase{"longlong", QVariant(qlonglong(9007199254740993LL)), u"9007199254740993"_s},
        TextCase{"ulonglong", QVariant(std::numeric_limits<qulonglong>::max()), u"18446744073709551615"_s},
        TextCase{"wholeDouble", QVariant(3.0), u"3"_s}, TextCase{"halfDouble", QVariant(1.5), u"1.5"_s},
        TextCase{"score", QVariant(58.5), u"58.5"_s}, TextCase{"sumOfTenths", QVariant(0.1 + 0.2), u"0.3"_s},
        TextCase{"thirteenDigits", QVariant(1234567890.123), u"1234567890.123"_s},
        TextCase{"roundedToThirteen", QVariant(2.0 / 3.0), u"0.6666666666667"_s},
        TextCase{"large", QVariant(1e20), u"1e+20"_s}, TextCase{"small", QVariant(1e-5), u"1e-05"_s},
        TextCase{"negativeZero", QVariant(-0.0), u"0"_s}, TextCase{"float", QVariant(0.1f), u"0.1"_s},
        TextCase{"floatSixDigits", QVariant(3.14159265f), u"3.14159"_s},
        TextCase{"true", QVariant(true), u"真"_s}, TextCase{"false", QVariant(false), u"假"_s},
        TextCase{"text", QVariant(u"ACD"_s), u"ACD"_s},
        TextCase{"chineseText", QVariant(u"正确"_s), u"正确"_s},
        TextCase{"emptyText", QVariant(QString()), u""_s},
        TextCase{"bytes", QVariant(QByteArray("\xe8\xa7\xa3\xe6\x9e\x90")), u"解析"_s},
        TextCase{"dateTime", QVariant(QDateTime(QDate(2024, 5, 1), QTime(9, 5, 7))),
                 u"2024-05-01 09:05:07"_s}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase
{
    QString text;
    double number;
};

void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << '"' << c.text.toStdString() << '"';
}

class TextToNumber : public ::testing::TestWithParam<NumberCase>
{};

TEST_P(TextToNumber, ReadsTheLeadingDecimalNumber)
{
    EXPECT_DOUBLE_EQ(mirevo::textToNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumber,
    ::testing::Values(NumberCase{u"12abc"_s, 12}, NumberCase{u"  3.5"_s, 3.5}, NumberCase{u"-2"_s, -2},
                      NumberCase{u"+7"_s, 7}, NumberCase{u"abc"_s, 0}, NumberCase{u""_s, 0},
                      NumberCase{u"   "_s, 0}, NumberCase{u"-"_s, 0}, NumberCase{u".5"_s, 0.5},
                      NumberCase{u"5."_s, 5}, NumberCase{u"58.5分"_s, 58.5}, NumberCase{u"1e+20"_s, 1e20},
                      NumberCase{u"2e"_s, 2}, NumberCase{u"3e-x"_s, 3}, NumberCase{u"1.2.3"_s, 1.2},
                      NumberCase{u"\t\n100"_s, 100}, NumberCase{u"x12"_s, 0}, NumberCase{u"- 3"_s, 0},
                      NumberCase{u"１２"_s, 0}));

TEST(ValueTextRoundTrip, NumbersWrittenAsTextReadBackEqual)
{
    for (const double number : {0.0, 1.0, 58.5, 100.0, -2.25, 1e20, 1234567.5})
        EXPECT_DOUBLE_EQ(mirevo::textToNumber(mirevo::valueToText(number)), number) << number;
}

TEST(TrimmedBlanks, RemovesAsciiAndFullWidthSpacesAtBothEndsOnly)
{
    EXPECT_EQ(mirevo::trimmedBlanks(u"  \u3000库存 现金 "_s), u"库存 现金"_s);
    EXPECT_EQ(mirevo::trimmedBlanks(u"\t甲\n"_s), u"\t甲\n"_s) << "other white space stays";
    EXPECT_EQ(mirevo::trimmedBlanks(u"\u3000 "_s), QString());
}

} // namespace
