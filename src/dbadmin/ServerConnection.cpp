#include "ServerConnection.h"

#include "AdminError.h"
#include "ConnectionSecurity.h"
#include "PersistenceException.h"
#include "SqlMode.h"

#include <mysql++/mysql++.h>

std::unique_ptr<mysqlpp::Connection> connectToServer(const ServerAddress &address,
                                                     const std::string &user,
                                                     const std::string &password,
                                                     const std::string &database)
{
    auto connection = std::make_unique<mysqlpp::Connection>(true);
    try {
        connection->set_option(new mysqlpp::SetCharsetNameOption("utf8mb4"));
        // A server name with a slash is taken as the path of a unix socket.
        std::string server = address.host;
        if (address.host == "localhost" && !address.socket.empty())
            server = address.socket;
        ConnectionSecurity::prepare(*connection, QString::fromStdString(address.host),
                                    TlsSetting{!address.tlsCa.empty(),
                                               QString::fromStdString(address.tlsCa)});
        connection->connect(database.empty() ? nullptr : database.c_str(), server.c_str(),
                            user.c_str(), password.c_str(), address.port);
    } catch (const mysqlpp::ConnectionFailed &error) {
        if (!address.tlsCa.empty() && ConnectionSecurity::isTlsFailure(error.errnum()))
            throw AdminError("No encrypted connection with a certificate checked against " +
                             address.tlsCa + " came about: " + error.what());
        throw AdminError(std::string("Cannot connect to the database server: ") + error.what());
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot connect to the database server: ") + error.what());
    }
    try {
        SqlMode::pin(*connection);
    } catch (const PersistenceException &error) {
        throw AdminError("Cannot set the SQL mode of the connection: " +
                         error.longText().simplified().toStdString());
    }
    return connection;
}
