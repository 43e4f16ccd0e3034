#include "BankCommand.h"

#include "BankBuilder.h"
#include "BankChecker.h"
#include "BankExport.h"
#include "BankImport.h"
#include "BankRules.h"
#include "BankSchema.h"

#include <QDir>
#include <QHash>
#include <optional>

namespace mirevo {

using namespace Qt::StringLiterals;

namespace {

constexpr int done = 0;
constexpr int failed = 1;
constexpr int misused = 2;

const QString usageText = u"usage: mirevo-bank build SRC_DIR OUT [--force]\n"
                          u"       mirevo-bank check BANK\n"
                          u"       mirevo-bank import-csv CSV BANK --subject 1|2 (--chapter N | --paper N)\n"
                          u"       mirevo-bank export-csv BANK TABLE\n"
                          u"       mirevo-bank create OUT\n"_s;

// A command's positional arguments and its options ("--name" or "--name VALUE").
struct CommandLine
{
    QStringList positional;
    QHash<QString, QString> options;
};

std::optional<CommandLine> splitCommandLine(const QStringList& arguments, const QStringList& flags,
                                            const QStringList& valued)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(u"--"_s)) {
            line.positional << argument;
            continue;
        }
        if (line.options.contains(argument))
            return std::nullopt;
        if (flags.contains(argument)) {
            line.options.insert(argument, {});
        } else if (valued.contains(argument) && i + 1 < arguments.size()) {
            line.options.insert(argument, arguments.at(++i));
        } else {
            return std::nullopt;
        }
    }
    return line;
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && text == QString::number(number) ? std::optional<int>(number) : std::nullopt;
}

class Command
{
public:
    Command(QIODevice& out, QIODevice& err) : m_out(out), m_err(err) {}

    int run(const QStringList& arguments)
    {
        if (arguments.isEmpty())
            return usage();
        const QString& name = arguments.front();
        const QStringList rest = arguments.mid(1);
        if (name == u"build"_s)
            return build(rest);
        if (name == u"check"_s)
            return check(rest);
        if (name == u"import-csv"_s)
            return importRows(rest);
        if (name == u"export-csv"_s)
            return exportRows(rest);
        if (name == u"create"_s)
            return create(rest);
        return usage();
    }

private:
    void print(const QString& line) { m_out.write((line + u'\n').toUtf8()); }
    void complain(const QString& line) { m_err.write((u"mirevo-bank: "_s + line + u'\n').toUtf8()); }

    int usage()
    {
        m_err.write(usageText.toUtf8());
        return misused;
    }

    int build(const QStringList& arguments)
    {
        const auto line = splitCommandLine(arguments, {u"--force"_s}, {});
        if (!line || line->positional.size() != 2)
            return usage();
        const QString& out = line->positional.at(1);
        const BankBuild result =
            buildBank(line->positional.at(0), out, line->options.contains(u"--force"_s), catalogueSizes());
        for (const QString& note : result.notes)
            print(u"note: "_s + note);
        for (const QString& error : result.errors)
            complain(error);
        if (!result.succeeded())
            return failed;
        print(u"built %1"_s.arg(QDir::toNativeSeparators(out)));
        for (const QString& summary : result.summary)
            print(u"  "_s + summary);
        return done;
    }

    int check(const QStringList& arguments)
    {
        const auto line = splitCommandLine(arguments, {}, {});
        if (!line || line->positional.size() != 1)
            return usage();
        const QString bank = QDir::toNativeSeparators(line->positional.front());
        const BankCheck result = checkBank(line->positional.front(), catalogueSizes());
        if (!result.error.isEmpty()) {
            complain(result.error);
            return failed;
        }
        for (const QString& figures : result.figures)
            print(figures);
        for (const Violation& violation : result.violations)
            print(violationText(violation));
        if (!result.sound()) {
            complain(u"%1: %2 violation(s)"_s.arg(bank).arg(result.violations.size()));
            return failed;
        }
        print(u"%1: sound, %2 questions"_s.arg(bank).arg(result.questionCount));
        return done;
    }

    int importRows(const QStringList& arguments)
    {
        const auto line = splitCommandLine(arguments, {}, {u"--subject"_s, u"--chapter"_s, u"--paper"_s});
        if (!line || line->positional.size() != 2 || !line->options.contains(u"--subject"_s) ||
            line->options.contains(u"--chapter"_s) == line->options.contains(u"--paper"_s))
            return usage();
        const bool toChapter = line->options.contains(u"--chapter"_s);
        const std::optional<int> subject = wholeNumber(line->options.value(u"--subject"_s));
        const std::optional<int> number =
            wholeNumber(line->options.value(toChapter ? u"--chapter"_s : u"--paper"_s));
        if (!subject || !number)
            return usage();
        const ImportOutcome outcome = importCsv({line->positional.at(0), line->positional.at(1), *subject,
                                                 toChapter ? TableKind::Chapter : TableKind::Paper, *number});
        if (!outcome.encoding.isEmpty())
            print(u"read as %1"_s.arg(outcome.encoding));
        for (const QString& note : outcome.notes)
            print(u"note: "_s + note);
        for (const QString& rejection : outcome.rejections)
            complain(u"rejected: "_s + rejection);
        if (!outcome.succeeded()) {
            complain(outcome.error);
            return failed;
        }
        print(u"imported %1 question(s) into %2 as ID %3 to %4"_s.arg(outcome.imported)
                  .arg(outcome.table)
                  .arg(outcome.firstId)
                  .arg(outcome.firstId + outcome.imported - 1));
        return done;
    }

    int exportRows(const QStringList& arguments)
    {
        const auto line = splitCommandLine(arguments, {}, {});
        if (!line || line->positional.size() != 2)
            return usage();
        const TableExport result = exportTable(line->positional.at(0), line->positional.at(1));
        if (!result.error.isEmpty()) {
            complain(result.error);
            return failed;
        }
        m_out.write(result.csv);
        return done;
    }

    int create(const QStringList& arguments)
    {
        const auto line = splitCommandLine(arguments, {}, {});
        if (!line || line->positional.size() != 1)
            return usage();
        QString error;
        if (!createEmptyBank(line->positional.front(), &error)) {
            complain(error);
            return failed;
        }
        return done;
    }

    QIODevice& m_out;
    QIODevice& m_err;
};

} // namespace

int runBankCommand(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    return Command(out, err).run(arguments);
}

} // namespace mirevo
