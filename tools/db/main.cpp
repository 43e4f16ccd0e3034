#include "RecordDatabase.h"
#include "RecordDbError.h"
#include "SettingsFile.h"
#include "TableJson.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QStringList>
#include <cstdio>

namespace {

using namespace mirevo;

constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usage()
{
    std::fputs("usage: mirevo-db dump FILE [--password P]\n"
               "       mirevo-db create-settings FILE\n",
               stderr);
    return kUsage;
}

int failure(int code)
{
    std::fprintf(stderr, "mirevo-db: %d %s\n", code, qPrintable(errorMessage(code)));
    return kFailed;
}

int dump(const QStringList& arguments)
{
    OpenOptions options;
    // a dump never changes the file, not even a record count that needs correcting
    options.readOnly = true;
    if (arguments.size() == 4 && arguments[2] == QLatin1String("--password"))
        options.password = arguments[3];
    else if (arguments.size() != 2)
        return usage();
    RecordDatabase tables;
    if (const int code = tables.open(arguments[1], options); code != NoError)
        return failure(code);
    const EngineResult<QJsonObject> json = tableToJson(*tables.current());
    if (!json.ok())
        return failure(json.code);
    const QByteArray text = QJsonDocument(json.value).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return 0;
}

int createSettings(const QStringList& arguments)
{
    if (arguments.size() != 2)
        return usage();
    if (const int code = createDefaultSettingsFile(arguments[1]); code != NoError)
        return failure(code);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    if (arguments[0] == QLatin1String("dump"))
        return dump(arguments);
    if (arguments[0] == QLatin1String("create-settings"))
        return createSettings(arguments);
    return usage();
}
