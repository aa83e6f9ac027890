#include "ToolContext.h"

#include "AdminError.h"
#include "AnwendungsFehler.h"
#include "DatabaseContext.h"
#include "LocalServer.h"
#include "PersistenceException.h"
#include "controllers/WettbewerbController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Wettbewerb.h"

#include <mysql++/exceptions.h>

#include <QFileInfo>

namespace {

std::string text(const QString &string)
{
    return string.toStdString();
}

} // namespace

ServerAddress serverAddress(const QMap<QString, QString> &options, std::string *where)
{
    ServerAddress address;
    address.host = text(options.value(QStringLiteral("host")));
    address.port = 3306;
    if (options.contains(QStringLiteral("port"))) {
        bool ok = false;
        const uint port = options.value(QStringLiteral("port")).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            throw UsageError("The port " + text(options.value(QStringLiteral("port"))) +
                             " is no TCP port number.");
        address.port = port;
    }
    if (options.contains(QStringLiteral("socket"))) {
        if (address.host != "localhost")
            throw UsageError("--socket applies only to --host localhost.");
        const QString socket = options.value(QStringLiteral("socket"));
        const QFileInfo info(socket);
        if (!info.exists() || info.isFile() || info.isDir())
            throw AdminError("There is no server socket at " + text(socket) + ".");
        address.socket = text(info.absoluteFilePath());
    }
    if (options.contains(QStringLiteral("tls-ca"))) {
        const QFileInfo ca(options.value(QStringLiteral("tls-ca")));
        if (!ca.isFile() || !ca.isReadable())
            throw AdminError("Cannot read the certificate authority file " +
                             text(ca.filePath()) + ".");
        if (address.host == "localhost")
            throw UsageError("--tls-ca applies only to a server reached over TCP, not to "
                             "--host localhost.");
        address.tlsCa = text(ca.absoluteFilePath());
    }
    *where = address.host == "localhost"
                 ? (address.socket.empty() ? std::string("the local server") : address.socket)
                 : address.host + ":" + std::to_string(address.port);
    return address;
}

Login loginFromOptions(const QMap<QString, QString> &options, bool local)
{
    Login login;
    if (local) {
        const LocalServer server(
            options.value(QStringLiteral("datadir"), LocalServer::defaultDirectory()));
        server.checkDirectoryIsOurs();
        if (!server.isInitialised())
            throw AdminError("No private server has been set up in " + text(server.directory()) +
                             "; run \"kalvor-admin local init\" first.");
        if (!server.isRunning())
            throw AdminError("The private server in " + text(server.directory()) +
                             " is not running; start it with \"kalvor-admin local start\".");
        login.address = server.socketAddress();
        login.user = LocalServer::kRootUser;
        login.password = server.rootPassword();
        return login;
    }
    std::string where;
    login.address = serverAddress(options, &where);
    login.user = text(options.value(QStringLiteral("user")));
    login.password = readPasswordFile(options.value(QStringLiteral("password-file")));
    return login;
}

std::unique_ptr<DatabaseContext> openKalvorContext(const Login &login)
{
    auto verbindung = std::make_unique<DatenbankVerbindung>();
    verbindung->setBenutzername(QString::fromStdString(login.user));
    verbindung->setPassword(QString::fromStdString(login.password));
    const ServerAddress &a = login.address;
    // The connection code of the program: a socket path, or host:port.
    const std::string server = a.host == "localhost"
                                   ? (a.socket.empty() ? a.host : a.socket)
                                   : a.host + ":" + std::to_string(a.port ? a.port : 3306);
    verbindung->setConnectionURL(QString::fromStdString(server));
    if (!a.tlsCa.empty()) {
        verbindung->setTlsPruefen(true);
        verbindung->setTlsZertifizierungsstelle(QString::fromStdString(a.tlsCa));
    }
    try {
        auto ctx = std::make_unique<DatabaseContext>(std::move(verbindung));
        if (!ctx->isConnected())
            throw AdminError("Cannot log in to the database server.");
        return ctx;
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot log in to the database server: ") + error.what());
    } catch (const PersistenceException &error) {
        throw AdminError(text(error.longText().simplified()));
    }
}

std::unique_ptr<Wettbewerb> competitionByNumber(DatabaseContext &ctx, const QString &number)
{
    std::vector<std::unique_ptr<Wettbewerb>> found;
    withOneLineErrors([&] {
        found = WettbewerbController().select(ctx, {{QStringLiteral("nummer"), number}});
    });
    if (found.size() != 1)
        throw AdminError("There is no competition with the number " + text(number) + ".");
    return std::move(found.front());
}

void withOneLineErrors(const std::function<void()> &work)
{
    try {
        work();
    } catch (const PersistenceException &error) {
        throw AdminError(text(error.shortText() + QStringLiteral(": ") +
                              error.longText().simplified()));
    } catch (const NoSuchPrivilegeException &error) {
        throw AdminError(text(error.shortText() + QStringLiteral(": ") +
                              error.longText().simplified()));
    } catch (const AnwendungsFehler &error) {
        throw AdminError(text(error.meldung.titel + QStringLiteral(": ") +
                              error.meldung.text.simplified()));
    }
}
