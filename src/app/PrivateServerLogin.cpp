#include "PrivateServerLogin.h"

#include "AdminError.h"
#include "LocalServer.h"
#include "RememberedConnections.h"
#include "entities/DatenbankVerbindung.h"

#include <QFile>

#include <iostream>

namespace PrivateServerLogin {

namespace {

const QString kLocalhost = QStringLiteral("localhost");
const QString kRoot = QString::fromLatin1(LocalServer::kRootUser);

bool reachesPrivateServer(const LocalServer &server)
{
    return server.isRunning() && qEnvironmentVariable("MYSQL_UNIX_PORT") == server.socketPath();
}

bool lastLoginWasRootOnLocalhost()
{
    const auto remembered = RememberedConnections::load();
    if (remembered.empty())
        return true;
    const DatenbankVerbindung &last = *remembered.back();
    return last.hasBenutzername() && last.getBenutzername() == kRoot && last.hasConnectionURL() &&
           last.getConnectionURL() == kLocalhost;
}

} // namespace

void startWhenSetUp(LocalServer &server)
{
    try {
        if (server.isInitialised() && !server.isRunning()) {
            std::cout << "Starte den privaten Datenbankserver" << std::endl;
            server.start();
        }
    } catch (const AdminError &error) {
        std::cout << "Privater Datenbankserver: " << error.what() << std::endl;
    }
}

void preferPrivateServer(const LocalServer &server)
{
    if (!qEnvironmentVariableIsSet("MYSQL_UNIX_PORT") && server.isRunning())
        qputenv("MYSQL_UNIX_PORT", QFile::encodeName(server.socketPath()));
}

std::unique_ptr<DatenbankVerbindung> record(const LocalServer &server)
{
    if (!reachesPrivateServer(server) || !lastLoginWasRootOnLocalhost())
        return nullptr;
    std::string password;
    try {
        password = readPasswordFile(server.passwordFile());
    } catch (const AdminError &) {
        return nullptr; // the login dialog asks instead
    }
    auto login = std::make_unique<DatenbankVerbindung>();
    login->setBenutzername(kRoot);
    login->setPassword(QString::fromStdString(password));
    login->setConnectionURL(kLocalhost);
    return login;
}

MainWindow::LoginPrompt prompt(std::unique_ptr<DatenbankVerbindung> first,
                               MainWindow::LoginPrompt dialog)
{
    auto pending = std::make_shared<std::unique_ptr<DatenbankVerbindung>>(std::move(first));
    return [pending, dialog](QWidget *parent) {
        if (*pending)
            return std::move(*pending);
        return dialog(parent);
    };
}

} // namespace PrivateServerLogin
