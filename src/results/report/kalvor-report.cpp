// kalvor-report: writes the printable results of a competition as PDF, without a display.
//
//   kalvor-report --competition NUMBER --out FILE
//                 (--host H [--port P] [--socket S] --user U --password-file F | --local [--datadir D])

#include "AdminError.h"
#include "DatabaseContext.h"
#include "ErgebnisBericht.h"
#include "ToolContext.h"
#include "entities/Wettbewerb.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

void fail(const QString &line)
{
    std::fprintf(stderr, "kalvor-report: %s\n", line.simplified().toUtf8().constData());
}

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QStringList mitWert{QStringLiteral("competition"), QStringLiteral("out"),
                              QStringLiteral("host"),        QStringLiteral("port"),
                              QStringLiteral("socket"),      QStringLiteral("user"),
                              QStringLiteral("password-file"), QStringLiteral("datadir")};
    for (const QString &name : mitWert)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    parser.addOption(QCommandLineOption(QStringLiteral("local")));
    if (!parser.parse(arguments))
        throw UsageError(parser.errorText().toStdString());
    if (!parser.positionalArguments().isEmpty())
        throw UsageError("Unexpected argument \"" + parser.positionalArguments().first().toStdString() +
                         "\".");
    QMap<QString, QString> options;
    for (const QString &name : mitWert)
        if (parser.isSet(name))
            options.insert(name, parser.value(name));
    const bool local = parser.isSet(QStringLiteral("local"));
    QStringList required{QStringLiteral("competition"), QStringLiteral("out")};
    if (!local)
        required << QStringLiteral("host") << QStringLiteral("user")
                 << QStringLiteral("password-file");
    for (const QString &name : required)
        if (options.value(name).isEmpty())
            throw UsageError("The option --" + name.toStdString() + " is missing.");

    const auto ctx = openKalvorContext(loginFromOptions(options, local));
    const QString nummer = options.value(QStringLiteral("competition"));
    const auto wettbewerb = competitionByNumber(*ctx, nummer);
    const QString pfad = options.value(QStringLiteral("out"));
    withOneLineErrors([&] {
        const int seiten = ErgebnisBericht::schreibePdf(*ctx, *wettbewerb, pfad);
        std::printf("Wrote the results of the competition %s to %s (%d pages).\n",
                    nummer.toUtf8().constData(), pfad.toUtf8().constData(), seiten);
    });
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // No display is needed: the pages are painted offscreen unless a platform is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const UsageError &error) {
        fail(QString::fromStdString(error.what()));
        return 2;
    } catch (const std::exception &error) {
        fail(QString::fromStdString(error.what()));
        return 1;
    }
}
