#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace mirevo {

// The program's command line: --help, --version and --data-dir DIR. It is read before the
// application object exists, so that --help and --version need no display, and read again
// once Qt has taken its own options (-platform, -style, …) out of the arguments.
class CommandLine
{
public:
    enum class Request
    {
        Run,
        ShowHelp,
        ShowVersion,
        Fail,
    };

    CommandLine();

    // Reads the arguments, the program's name first.
    Request parse(const QStringList& arguments);

    // The directory given with --data-dir, absolute and clean; empty when none was given.
    QString dataDirectory() const { return m_dataDirectory; }

    // What a request other than Run prints: the help or the version on standard output, the
    // error and a hint on standard error. Needs the application object for the program's name.
    void print(Request request) const;
    // The exit code of a request other than Run.
    static int exitCode(Request request);

    QString helpText() const;
    QString versionText() const;
    QString errorText() const { return m_error; }

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_helpOption;
    QCommandLineOption m_dataDirectoryOption;
    QString m_dataDirectory;
    QString m_error;
};

// The arguments as the system passed them, decoded from the local 8-bit encoding.
QStringList argumentsOf(int argc, char* argv[]);

} // namespace mirevo
