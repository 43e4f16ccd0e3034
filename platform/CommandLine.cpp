#include "CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace mirevo {

using namespace Qt::StringLiterals;

CommandLine::CommandLine()
    : m_helpOption({u"h"_s, u"help"_s, u"?"_s}, u"Displays help on the options."_s),
      m_dataDirectoryOption(u"data-dir"_s,
                            u"Keep the question bank, the settings and the study records in DIR, made from "
                            u"the shipped files where they are missing."_s,
                            u"DIR"_s)
{
    m_parser.setApplicationDescription(
        u"Exam practice for China's primary accounting qualification.\n\n"
        u"Beside a question bank (mini.dll) the program keeps its files in its own directory; "
        u"installed, it keeps them in the user's data directory."_s);
    // Not addHelpOption(): its --help-all needs the application object this parser precedes.
    m_parser.addOption(m_helpOption);
    m_parser.addVersionOption();
    m_parser.addOption(m_dataDirectoryOption);
}

CommandLine::Request CommandLine::parse(const QStringList& arguments)
{
    m_dataDirectory.clear();
    m_error.clear();
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return Request::Fail;
    }
    if (m_parser.isSet(m_helpOption))
        return Request::ShowHelp;
    if (m_parser.isSet(u"version"_s))
        return Request::ShowVersion;
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error = u"Unexpected argument '%1'."_s.arg(m_parser.positionalArguments().constFirst());
        return Request::Fail;
    }
    if (m_parser.isSet(m_dataDirectoryOption)) {
        const QString value = m_parser.value(m_dataDirectoryOption);
        if (value.trimmed().isEmpty()) {
            m_error = u"The option '--data-dir' needs a directory."_s;
            return Request::Fail;
        }
        m_dataDirectory = QDir::cleanPath(QDir::current().absoluteFilePath(value));
    }
    return Request::Run;
}

QString CommandLine::helpText() const
{
    return m_parser.helpText();
}

QString CommandLine::versionText() const
{
    return QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
}

void CommandLine::print(Request request) const
{
    switch (request) {
    case Request::ShowHelp:
        QTextStream(stdout) << helpText();
        break;
    case Request::ShowVersion:
        QTextStream(stdout) << versionText();
        break;
    case Request::Fail:
        QTextStream(stderr) << QFileInfo(QCoreApplication::applicationFilePath()).fileName() << u": "_s
                            << m_error << u'\n' << u"Try '--help' for the options.\n"_s;
        break;
    case Request::Run:
        break;
    }
}

int CommandLine::exitCode(Request request)
{
    return request == Request::Fail ? 2 : 0;
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace mirevo
