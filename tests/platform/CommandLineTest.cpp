#include "CommandLine.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace mirevo {
namespace {

using Request = CommandLine::Request;

struct CommandLineCase
{
    QStringList arguments;
    Request request;
};

class CommandLineRequestTest : public ::testing::TestWithParam<CommandLineCase>
{};

TEST_P(CommandLineRequestTest, TellsWhatTheArgumentsAskFor)
{
    CommandLine line;
    QStringList arguments = {u"mirevo"_s};
    arguments += GetParam().arguments;
    EXPECT_EQ(line.parse(arguments), GetParam().request) << arguments.join(u' ').toStdString();
    EXPECT_EQ(line.errorText().isEmpty(), GetParam().request != Request::Fail);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRequestTest,
    ::testing::Values(CommandLineCase{{}, Request::Run}, CommandLineCase{{u"--help"_s}, Request::ShowHelp},
                      CommandLineCase{{u"-h"_s}, Request::ShowHelp},
                      CommandLineCase{{u"--version"_s}, Request::ShowVersion},
                      CommandLineCase{{u"-v"_s}, Request::ShowVersion},
                      CommandLineCase{{u"--data-dir"_s, u"/tmp/x"_s}, Request::Run},
                      CommandLineCase{{u"--data-dir=/tmp/x"_s}, Request::Run},
                      CommandLineCase{{u"--data-dir"_s}, Request::Fail},
                      CommandLineCase{{u"--data-dir"_s, u""_s}, Request::Fail},
                      CommandLineCase{{u"--data-dir"_s, u"  "_s}, Request::Fail},
                      CommandLineCase{{u"--bogus"_s}, Request::Fail},
                      CommandLineCase{{u"questions.dll"_s}, Request::Fail},
                      CommandLineCase{{u"--data-dir"_s, u"/a"_s, u"--help"_s}, Request::ShowHelp}));

TEST(CommandLineTest, DataDirectoryIsMadeAbsoluteAndClean)
{
    CommandLine line;
    ASSERT_EQ(line.parse({u"mirevo"_s, u"--data-dir"_s, u"records/../mirevo-data/"_s}), Request::Run);
    EXPECT_EQ(line.dataDirectory(), QDir::current().absoluteFilePath(u"mirevo-data"_s));

    ASSERT_EQ(line.parse({u"mirevo"_s, u"--data-dir"_s, u"/srv//exam/"_s}), Request::Run);
    EXPECT_EQ(line.dataDirectory(), u"/srv/exam"_s);

    ASSERT_EQ(line.parse({u"mirevo"_s}), Request::Run);
    EXPECT_TRUE(line.dataDirectory().isEmpty()) << "a second parse forgets the first one's directory";
}

TEST(CommandLineTest, ErrorsNameTheWrongArgument)
{
    CommandLine line;
    ASSERT_EQ(line.parse({u"mirevo"_s, u"--colour"_s}), Request::Fail);
    EXPECT_TRUE(line.errorText().contains(u"colour"_s)) << line.errorText().toStdString();
    ASSERT_EQ(line.parse({u"mirevo"_s, u"bank.dll"_s}), Request::Fail);
    EXPECT_TRUE(line.errorText().contains(u"bank.dll"_s)) << line.errorText().toStdString();
    EXPECT_EQ(CommandLine::exitCode(Request::Fail), 2);
    EXPECT_EQ(CommandLine::exitCode(Request::ShowHelp), 0);
    EXPECT_EQ(CommandLine::exitCode(Request::ShowVersion), 0);
}

TEST(CommandLineTest, HelpNamesEveryOption)
{
    CommandLine line;
    const QString help = line.helpText();
    for (const QString& option : {u"--help"_s, u"--version"_s, u"--data-dir <DIR>"_s})
        EXPECT_TRUE(help.contains(option)) << option.toStdString() << " missing in\n" << help.toStdString();
}

} // namespace
} // namespace mirevo
