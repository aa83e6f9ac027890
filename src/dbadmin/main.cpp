// kalvor-admin: installs the Kalvor database on a server and runs a private server for one user.

#include "AdminError.h"
#include "DatabaseContext.h"
#include "DatabaseInstaller.h"
#include "DemoFederation.h"
#include "ExportCommands.h"
#include "LocalServer.h"
#include "ResultCommands.h"
#include "SchemaStatements.h"
#include "ServerConnection.h"
#include "ToolContext.h"
#include "UserCommands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QStringList>

#include <mysql++/mysql++.h>

#include <cstdio>
#include <exception>
#include <iostream>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Exit codes: 0 success, 1 failure, 2 bad command line, 3 private server not running.
enum ExitCode
{
    Success = 0,
    Failure = 1,
    Usage = 2,
    NotRunning = 3
};

const char kUsage[] =
    "Usage:\n"
    "  kalvor-admin db install --host H [--port P] [--socket S] [--tls-ca FILE] --user U --password-file F\n"
    "  kalvor-admin db check   --host H [--port P] [--socket S] --user U --password-file F\n"
    "  kalvor-admin local init|start|stop|status [--datadir DIR]\n"
    "  kalvor-admin user add NAME [--gui] [--web] --new-password-file F DB-OPTIONS\n"
    "  kalvor-admin user passwd NAME --new-password-file F DB-OPTIONS\n"
    "  kalvor-admin user delete NAME DB-OPTIONS\n"
    "  kalvor-admin user list DB-OPTIONS\n"
    "  kalvor-admin results compute --competition NUMBER DB-OPTIONS|--local\n"
    "  kalvor-admin results show --competition NUMBER [--format text|csv] DB-OPTIONS|--local\n"
    "  kalvor-admin results pdf --competition NUMBER --out FILE DB-OPTIONS|--local\n"
    "  kalvor-admin export --competition NUMBER [--with-members] --out FILE DB-OPTIONS|--local\n"
    "  kalvor-admin export --all --out FILE DB-OPTIONS|--local\n"
    "  kalvor-admin demo [--seed N] [--size small|large] [DB-OPTIONS|--datadir DIR]\n"
    "  kalvor-admin --help\n"
    "\n"
    "db install   creates the database \"kdb\" with its tables and seed data on an existing\n"
    "             server; refuses when \"kdb\" already holds tables.\n"
    "db check     prints the data model version of \"kdb\".\n"
    "             --host localhost reaches the server through its unix socket (the default\n"
    "             one, or --socket S); any other host through TCP on --port (default 3306).\n"
    "             The password is read from the first line of the file F.\n"
    "             Over TCP the connection is encrypted whenever the server offers TLS;\n"
    "             with --tls-ca FILE it must be, with a server certificate signed by the\n"
    "             authority in FILE and naming the host (any DB-OPTIONS take it).\n"
    "local ...    runs a private server for this user, reachable only through its unix\n"
    "             socket and 127.0.0.1. init sets it up (random root password in\n"
    "             DIR/root.password) and starts it; start, stop and status do what they say.\n"
    "             DIR defaults to the user's data directory, Kalvor/local-server.\n"
    "user ...     Kalvor's users and their database accounts. DB-OPTIONS are those of db\n"
    "             install, with --user root. add creates a user (--gui: may log in to the\n"
    "             program, --web: may use the web interface) with the password in the first\n"
    "             line of F; passwd sets a new one; delete removes the user, its account and\n"
    "             its data permissions; list prints every user. root is never changed.\n"
    "results ...  the results of the competition with the number NUMBER, logged in as a\n"
    "             Kalvor user (DB-OPTIONS as for db install), or with --local as root of\n"
    "             the running private server (--datadir DIR as for local). compute\n"
    "             computes and stores the four rankings for adults and youth, the\n"
    "             acceptance and the statistics, and prints their counts; show prints the\n"
    "             eight rankings as aligned text or as CSV (\";\"); pdf writes them with\n"
    "             the acceptance thresholds and score charts as a PDF (by kalvor-report).\n"
    "export       writes the competition with the number NUMBER (with --with-members also\n"
    "             its participants, jurors and their clubs, without personal member data),\n"
    "             or with --all the whole database, into FILE: a data file when FILE ends\n"
    "             in .csv, a ZIP archive with the pictures when it ends in .zip; the same\n"
    "             files as the program's export. An existing FILE is replaced only by a\n"
    "             complete one. Logged in as for results.\n"
    "demo         fills an empty Kalvor database with a demo federation: clubs in three\n"
    "             levels with officials, members of every type with titles, external\n"
    "             jurors, users with data permissions, and a competition in every state\n"
    "             with drawn pictures and keypad scores. --size small (default, about 200\n"
    "             members) or large (about 5 000); the same --seed (default 1) gives the\n"
    "             same data. Logged in as root of the running private server (--datadir DIR\n"
    "             as for local), or of the server of DB-OPTIONS (--user root). Refuses a\n"
    "             database that holds clubs, members, competitions or users already.\n"
    "             Progress goes to standard error.\n"
    "\n"
    "Exit codes: 0 success, 1 failure, 2 bad command line, 3 (status) server not running.\n";

void printLine(FILE *stream, const std::string &line)
{
    std::string single = line;
    for (char &c : single)
        if (c == '\n' || c == '\r')
            c = ' ';
    std::fprintf(stream, "%s\n", single.c_str());
}

std::string text(const QString &string)
{
    return string.toStdString();
}

struct CommandLine
{
    QStringList words;              // the command, e.g. {"db", "install"}
    QMap<QString, QString> options; // name without dashes -> value
    QStringList flags;              // options without value, e.g. "gui"
    bool help = false;
};

CommandLine parse(const QStringList &arguments)
{
    static const QStringList known{QStringLiteral("host"),          QStringLiteral("port"),
                                   QStringLiteral("socket"),        QStringLiteral("user"),
                                   QStringLiteral("password-file"), QStringLiteral("datadir"),
                                   QStringLiteral("new-password-file"), QStringLiteral("competition"),
                                   QStringLiteral("format"),        QStringLiteral("out"),
                                   QStringLiteral("seed"),          QStringLiteral("size"),
                                   QStringLiteral("tls-ca")};
    static const QStringList flags{QStringLiteral("gui"), QStringLiteral("web"),
                                   QStringLiteral("local"), QStringLiteral("all"),
                                   QStringLiteral("with-members")};
    CommandLine line;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            line.help = true;
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-'))) {
            line.words << argument;
            continue;
        }
        QString name = argument.startsWith(QLatin1String("--")) ? argument.mid(2) : QString();
        QString value;
        const int equals = name.indexOf(QLatin1Char('='));
        const bool inlineValue = equals >= 0;
        if (inlineValue) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (flags.contains(name) && !inlineValue) {
            line.flags << name;
            continue;
        }
        if (!known.contains(name))
            throw UsageError("Unknown option " + text(argument) + "; see kalvor-admin --help.");
        if (!inlineValue) {
            if (i + 1 >= arguments.size())
                throw UsageError("The option --" + text(name) + " needs a value.");
            value = arguments.at(++i);
        }
        if (line.options.contains(name))
            throw UsageError("The option --" + text(name) + " is given twice.");
        line.options.insert(name, value);
    }
    return line;
}

void allowOnly(const CommandLine &line, const QStringList &allowed, const QStringList &required)
{
    for (auto it = line.options.cbegin(); it != line.options.cend(); ++it)
        if (!allowed.contains(it.key()))
            throw UsageError("The option --" + text(it.key()) + " does not apply to \"" +
                             text(line.words.join(QLatin1Char(' '))) + "\".");
    for (const QString &name : required)
        if (line.options.value(name).isEmpty())
            throw UsageError("\"" + text(line.words.join(QLatin1Char(' '))) + "\" needs --" +
                             text(name) + ".");
}

// The server that the db options name; `extra` are further options of the command.
ServerAddress addressFromOptions(const CommandLine &line, std::string *where,
                                 const QStringList &extra = {})
{
    allowOnly(line,
              QStringList{QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("socket"),
                          QStringLiteral("user"), QStringLiteral("password-file"),
                          QStringLiteral("tls-ca")} +
                  extra,
              QStringList{QStringLiteral("host"), QStringLiteral("user"),
                          QStringLiteral("password-file")} +
                  extra);
    return serverAddress(line.options, where);
}

// Logs in to the server that the db options name.
std::unique_ptr<mysqlpp::Connection> connectFromOptions(const CommandLine &line, std::string *where)
{
    const ServerAddress address = addressFromOptions(line, where);
    const std::string user = text(line.options.value(QStringLiteral("user")));
    const std::string password =
        readPasswordFile(line.options.value(QStringLiteral("password-file")));
    return connectToServer(address, user, password);
}

int runDb(const CommandLine &line)
{
    const QString action = line.words.value(1);
    if (action != QLatin1String("install") && action != QLatin1String("check"))
        throw UsageError(action.isEmpty() ? std::string("\"db\" needs install or check.")
                                          : "Unknown command \"db " + text(action) + "\".");
    std::string where;
    auto connection = connectFromOptions(line, &where);
    DatabaseInstaller installer(*connection);
    if (action == QLatin1String("install")) {
        installer.install();
        printLine(stdout, std::string("Installed the database \"") +
                              DatabaseInstaller::kDatabaseName + "\" (data model version " +
                              Schema::kDataModelVersion + ") on " + where + ".");
        return Success;
    }
    const std::string version = installer.installedVersion();
    if (version != Schema::kDataModelVersion)
        throw AdminError(std::string("The database \"") + DatabaseInstaller::kDatabaseName +
                         "\" holds data model version " + version +
                         ", this program needs version " + Schema::kDataModelVersion + ".");
    printLine(stdout, "Data model version " + version);
    return Success;
}

int runUser(const CommandLine &line)
{
    static const QStringList actions{QStringLiteral("add"), QStringLiteral("passwd"),
                                     QStringLiteral("delete"), QStringLiteral("list")};
    UserCommand command;
    command.action = line.words.value(1);
    if (!actions.contains(command.action))
        throw UsageError(command.action.isEmpty()
                             ? std::string("\"user\" needs add, passwd, delete or list.")
                             : "Unknown command \"user " + text(command.action) + "\".");
    const bool named = command.action != QLatin1String("list");
    command.name = line.words.value(2);
    if (named && command.name.isEmpty())
        throw UsageError("\"user " + text(command.action) + "\" needs the name of the user.");
    if (line.words.size() > (named ? 3 : 2))
        throw UsageError("Unexpected argument \"" + text(line.words.last()) +
                         "\"; see kalvor-admin --help.");
    const bool add = command.action == QLatin1String("add");
    for (const QString &flag : line.flags)
        if (!add)
            throw UsageError("The option --" + text(flag) + " applies only to \"user add\".");
    command.gui = line.flags.contains(QStringLiteral("gui"));
    command.web = line.flags.contains(QStringLiteral("web"));
    const bool withPassword = add || command.action == QLatin1String("passwd");
    std::string where;
    command.address = addressFromOptions(
        line, &where,
        withPassword ? QStringList{QStringLiteral("new-password-file")} : QStringList());
    command.adminUser = text(line.options.value(QStringLiteral("user")));
    command.adminPassword = readPasswordFile(line.options.value(QStringLiteral("password-file")));
    if (withPassword)
        command.newPassword =
            readPasswordFile(line.options.value(QStringLiteral("new-password-file")));
    runUserCommand(command);
    return Success;
}

// Allows the command's own and required options with the login options of --local or of db
// install; returns the login options.
QStringList allowWithLogin(const CommandLine &line, const QStringList &own,
                           const QStringList &required, bool local)
{
    const QStringList connection =
        local ? QStringList{QStringLiteral("datadir")}
              : QStringList{QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("socket"),
                            QStringLiteral("user"), QStringLiteral("password-file"),
                            QStringLiteral("tls-ca")};
    allowOnly(line, own + required + connection,
              local ? required
                    : required + QStringList{QStringLiteral("host"), QStringLiteral("user"),
                                             QStringLiteral("password-file")});
    return connection;
}

int runExport(const CommandLine &line)
{
    if (line.words.size() > 1)
        throw UsageError("Unexpected argument \"" + text(line.words.at(1)) +
                         "\"; see kalvor-admin --help.");
    for (const QString &flag : line.flags)
        if (flag != QLatin1String("local") && flag != QLatin1String("all") &&
            flag != QLatin1String("with-members"))
            throw UsageError("The option --" + text(flag) + " does not apply to \"export\".");
    ExportCommand command;
    command.all = line.flags.contains(QStringLiteral("all"));
    command.withMembers = line.flags.contains(QStringLiteral("with-members"));
    const bool local = line.flags.contains(QStringLiteral("local"));
    if (command.all && (command.withMembers || line.options.contains(QStringLiteral("competition"))))
        throw UsageError("--all exports the whole database; it takes neither --competition nor "
                         "--with-members.");
    QStringList required{QStringLiteral("out")};
    if (!command.all)
        required << QStringLiteral("competition");
    allowWithLogin(line, {}, required, local);
    command.competition = line.options.value(QStringLiteral("competition"));
    command.out = QFileInfo(line.options.value(QStringLiteral("out"))).absoluteFilePath();
    if (!command.out.endsWith(QLatin1String(".zip")) && !command.out.endsWith(QLatin1String(".csv")))
        throw UsageError("The file of --out must end in .zip or .csv.");
    command.login = loginFromOptions(line.options, local);
    runExportCommand(command);
    return Success;
}

int runResults(const CommandLine &line)
{
    static const QStringList actions{QStringLiteral("compute"), QStringLiteral("show"),
                                     QStringLiteral("pdf")};
    ResultCommand command;
    command.action = line.words.value(1);
    const QString name = "results " + command.action;
    if (!actions.contains(command.action))
        throw UsageError(command.action.isEmpty()
                             ? std::string("\"results\" needs compute, show or pdf.")
                             : "Unknown command \"" + text(name) + "\".");
    if (line.words.size() > 2)
        throw UsageError("Unexpected argument \"" + text(line.words.at(2)) +
                         "\"; see kalvor-admin --help.");
    for (const QString &flag : line.flags)
        if (flag != QLatin1String("local"))
            throw UsageError("The option --" + text(flag) + " does not apply to \"" + text(name) +
                             "\".");
    const bool local = line.flags.contains(QStringLiteral("local"));
    QStringList own{QStringLiteral("competition")};
    if (command.action == QLatin1String("show"))
        own << QStringLiteral("format");
    QStringList required{QStringLiteral("competition")};
    if (command.action == QLatin1String("pdf"))
        required << QStringLiteral("out");
    const QStringList connection = allowWithLogin(line, own, required, local);
    command.competition = line.options.value(QStringLiteral("competition"));
    command.format = line.options.value(QStringLiteral("format"), QStringLiteral("text"));
    if (command.format != QLatin1String("text") && command.format != QLatin1String("csv"))
        throw UsageError("Unknown format \"" + text(command.format) + "\"; use text or csv.");
    command.out = QFileInfo(line.options.value(QStringLiteral("out"))).absoluteFilePath();
    if (local)
        command.connectionArguments << QStringLiteral("--local");
    for (const QString &option : connection)
        if (line.options.contains(option))
            command.connectionArguments << "--" + option << line.options.value(option);
    if (command.action != QLatin1String("pdf"))
        command.login = loginFromOptions(line.options, local);
    runResultCommand(command);
    return Success;
}

// While it lives, what goes to standard output is dropped: the services echo their steps on
// the console as the program does, but the demo's standard output is its summary alone.
class QuietStdout
{
public:
    QuietStdout()
    {
        std::cout.flush();
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        const int null = ::open("/dev/null", O_WRONLY);
        if (m_saved >= 0 && null >= 0)
            ::dup2(null, STDOUT_FILENO);
        if (null >= 0)
            ::close(null);
    }
    ~QuietStdout()
    {
        std::cout.flush();
        std::fflush(stdout);
        if (m_saved >= 0) {
            ::dup2(m_saved, STDOUT_FILENO);
            ::close(m_saved);
        }
    }
    QuietStdout(const QuietStdout &) = delete;
    QuietStdout &operator=(const QuietStdout &) = delete;

private:
    int m_saved = -1;
};

int runDemo(const CommandLine &line)
{
    if (line.words.size() > 1)
        throw UsageError("Unexpected argument \"" + text(line.words.at(1)) +
                         "\"; see kalvor-admin --help.");
    for (const QString &flag : line.flags)
        if (flag != QLatin1String("local"))
            throw UsageError("The option --" + text(flag) + " does not apply to \"demo\".");
    // The private server unless a server is named.
    const bool local = !line.options.contains(QStringLiteral("host"));
    if (!local && line.flags.contains(QStringLiteral("local")))
        throw UsageError("--local and --host exclude each other.");
    allowWithLogin(line, {QStringLiteral("seed"), QStringLiteral("size")}, {}, local);
    bool ok = true;
    const quint32 seed =
        line.options.value(QStringLiteral("seed"), QStringLiteral("1")).toUInt(&ok);
    if (!ok)
        throw UsageError("The seed must be a whole number from 0 to 4294967295.");
    const QString size = line.options.value(QStringLiteral("size"), QStringLiteral("small"));
    if (size != QLatin1String("small") && size != QLatin1String("large"))
        throw UsageError("Unknown size \"" + text(size) + "\"; use small or large.");
    const Login login = loginFromOptions(line.options, local);
    if (login.user != LocalServer::kRootUser)
        throw UsageError("\"demo\" logs in as root (--user root): it creates database accounts.");
    const auto ctx = openKalvorContext(login);
    std::optional<QString> vorhanden;
    withOneLineErrors([&] { vorhanden = DemoFederation::vorhandeneDaten(*ctx); });
    if (vorhanden)
        throw AdminError(text(*vorhanden));

    QElapsedTimer uhr;
    uhr.start();
    DemoFederation::Zahlen zahlen;
    try {
        withOneLineErrors([&] {
            const QuietStdout quiet;
            zahlen = DemoFederation::fuelle(
                *ctx, seed,
                size == QLatin1String("large") ? DemoFederation::Groesse::Gross
                                               : DemoFederation::Groesse::Klein,
                [&uhr](const QString &schritt) {
                    printLine(stderr, "demo: " + text(schritt) + " (" +
                                          text(QString::number(uhr.elapsed() / 1000.0, 'f', 1)) +
                                          " s)");
                });
        });
    } catch (const AdminError &error) {
        // The steps finished before the failure stay stored, and the demo goes only into an
        // empty database: say how to begin again.
        throw AdminError(std::string(error.what()) +
                         " The demo federation is incomplete; to try again, install the "
                         "database afresh (the private server: kalvor-admin local stop, remove "
                         "its directory, kalvor-admin local init).");
    }
    printLine(stdout, "Installed the demo federation (seed " + std::to_string(seed) + ", " +
                          text(size) + "): " + std::to_string(zahlen.vereine) + " clubs, " +
                          std::to_string(zahlen.mitglieder) + " members, " +
                          std::to_string(zahlen.externeJuroren) + " external jurors, " +
                          std::to_string(zahlen.benutzer) + " users, " +
                          std::to_string(zahlen.wettbewerbe) + " competitions, " +
                          std::to_string(zahlen.bilder) + " images, " +
                          std::to_string(zahlen.tastendruecke) + " key presses in " +
                          text(QString::number(uhr.elapsed() / 1000.0, 'f', 1)) + " s.");
    return Success;
}

int printStatus(const LocalServer &server)
{
    server.checkDirectoryIsOurs();
    if (!server.isInitialised()) {
        printLine(stdout, "Private server: not set up in " + text(server.directory()) +
                              " (run \"kalvor-admin local init\")");
        return NotRunning;
    }
    const qint64 pid = server.runningPid();
    printLine(stdout, pid ? "Private server: running (PID " + std::to_string(pid) + ")"
                          : std::string("Private server: not running"));
    printLine(stdout, "Directory: " + text(server.directory()));
    printLine(stdout, "Socket: " + text(server.socketPath()));
    printLine(stdout, "TCP: 127.0.0.1 port " + std::to_string(server.port()));
    printLine(stdout, "Root password file: " + text(server.passwordFile()) + " (user " +
                          LocalServer::kRootUser + ")");
    if (!pid)
        return NotRunning;
    try {
        auto connection = server.connectAsRoot();
        printLine(stdout,
                  "Data model version " + DatabaseInstaller(*connection).installedVersion());
    } catch (const std::exception &error) {
        printLine(stdout, std::string("Data model: ") + error.what());
    }
    return Success;
}

int runLocal(const CommandLine &line)
{
    const QString action = line.words.value(1);
    static const QStringList actions{QStringLiteral("init"), QStringLiteral("start"),
                                     QStringLiteral("stop"), QStringLiteral("status")};
    if (!actions.contains(action))
        throw UsageError(action.isEmpty()
                             ? std::string("\"local\" needs init, start, stop or status.")
                             : "Unknown command \"local " + text(action) + "\".");
    allowOnly(line, {QStringLiteral("datadir")}, {});
    LocalServer server(
        line.options.value(QStringLiteral("datadir"), LocalServer::defaultDirectory()));
    if (action == QLatin1String("status"))
        return printStatus(server);
    if (action == QLatin1String("init")) {
        if (server.init() == LocalServer::InitResult::AlreadyInitialised) {
            printLine(stdout, "The private server in " + text(server.directory()) +
                                  " is set up already; nothing was changed.");
        } else {
            printLine(stdout, "Set up the private server in " + text(server.directory()) +
                                  " and started it; the root password is in " +
                                  text(server.passwordFile()) + ".");
        }
        return Success;
    }
    if (action == QLatin1String("start")) {
        printLine(stdout, server.start()
                              ? "Started the private server (socket " + text(server.socketPath()) +
                                    ", port " + std::to_string(server.port()) + ")."
                              : std::string("The private server is already running."));
        return Success;
    }
    printLine(stdout,
              server.stop() ? "Stopped the private server." : "The private server is not running.");
    return Success;
}

int run(const QStringList &arguments)
{
    const CommandLine line = parse(arguments);
    if (line.help) {
        std::fputs(kUsage, stdout);
        return Success;
    }
    const QString area = line.words.value(0);
    if (area == QLatin1String("user"))
        return runUser(line);
    if (area == QLatin1String("results"))
        return runResults(line);
    if (area == QLatin1String("export"))
        return runExport(line);
    if (area == QLatin1String("demo"))
        return runDemo(line);
    if (!line.flags.isEmpty())
        throw UsageError("Unknown option --" + text(line.flags.first()) +
                         "; see kalvor-admin --help.");
    if (line.words.size() > 2)
        throw UsageError("Unexpected argument \"" + text(line.words.at(2)) +
                         "\"; see kalvor-admin --help.");
    if (area == QLatin1String("db"))
        return runDb(line);
    if (area == QLatin1String("local"))
        return runLocal(line);
    throw UsageError(area.isEmpty()
                         ? std::string("No command given; see kalvor-admin --help.")
                         : "Unknown command \"" + text(area) + "\"; see kalvor-admin --help.");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    try {
        const int code = run(arguments);
        std::fflush(stdout);
        return code;
    } catch (const UsageError &error) {
        printLine(stderr, std::string("kalvor-admin: ") + error.what());
        return Usage;
    } catch (const std::exception &error) {
        printLine(stderr, std::string("kalvor-admin: ") + error.what());
        return Failure;
    }
}
