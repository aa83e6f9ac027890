#include "TestDatabase.h"

#include "Clock.h"
#include "DatabaseContext.h"
#include "DatabaseInstaller.h"
#include "entities/DatenbankVerbindung.h"

#include <QFile>
#include <QString>

#include <mysql++/mysql++.h>

namespace TestDatabase {

static std::string env(const char *name)
{
    return qEnvironmentVariable(name).toStdString();
}

static bool g_hostile = false;

HostileServer::HostileServer() : m_previous(g_hostile)
{
    g_hostile = true;
}

HostileServer::~HostileServer()
{
    g_hostile = m_previous;
}

bool isConfigured(std::string *reason)
{
    for (const char *name : {"KALVOR_TEST_SOCKET", "KALVOR_TEST_HOST", "KALVOR_TEST_PORT",
                             "KALVOR_TEST_USER", "KALVOR_TEST_PASSWORD_FILE",
                             "KALVOR_TEST_HOSTILE_SOCKET", "KALVOR_TEST_HOSTILE_PORT"}) {
        if (env(name).empty()) {
            if (reason)
                *reason = std::string(name) +
                          " is not set: run the tests through scripts/run-tests.sh, which starts "
                          "the test database server";
            return false;
        }
    }
    return true;
}

ServerAddress socketAddress()
{
    ServerAddress address;
    address.host = "localhost";
    address.socket = env(g_hostile ? "KALVOR_TEST_HOSTILE_SOCKET" : "KALVOR_TEST_SOCKET");
    return address;
}

ServerAddress tcpAddress()
{
    ServerAddress address;
    address.host = env("KALVOR_TEST_HOST");
    address.port =
        QString::fromStdString(env(g_hostile ? "KALVOR_TEST_HOSTILE_PORT" : "KALVOR_TEST_PORT"))
            .toUInt();
    return address;
}

std::string adminUser()
{
    return env("KALVOR_TEST_USER");
}

std::string passwordFile()
{
    return env("KALVOR_TEST_PASSWORD_FILE");
}

std::string adminPassword()
{
    QFile file(QString::fromStdString(passwordFile()));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed().toStdString();
}

std::unique_ptr<mysqlpp::Connection> connectAsAdmin(const std::string &database)
{
    return connectToServer(socketAddress(), adminUser(), adminPassword(), database);
}

void createAccount(const std::string &user, const std::string &password)
{
    auto admin = connectAsAdmin();
    mysqlpp::Query create = admin->query();
    create << "CREATE OR REPLACE USER " << mysqlpp::quote << ("kdb_" + user)
           << "@'localhost' IDENTIFIED BY " << mysqlpp::quote << password;
    create.execute();
    mysqlpp::Query grant = admin->query();
    grant << "GRANT ALL ON kdb.* TO " << mysqlpp::quote << ("kdb_" + user) << "@'localhost'";
    grant.execute();
}

void dropKdb()
{
    auto connection = connectAsAdmin();
    mysqlpp::Query query = connection->query();
    query << "DROP DATABASE IF EXISTS `" << DatabaseInstaller::kDatabaseName << "`";
    query.execute();
}

void reinstall()
{
    dropKdb();
    auto connection = connectAsAdmin();
    DatabaseInstaller(*connection).install();
}

std::unique_ptr<DatabaseContext> openContext(std::shared_ptr<Clock> clock, const std::string &user,
                                             const std::string &password)
{
    auto login = std::make_unique<DatenbankVerbindung>();
    login->setBenutzername(QString::fromStdString(user));
    login->setPassword(QString::fromStdString(password));
    login->setConnectionURL(QString::fromStdString(socketAddress().socket));
    return std::make_unique<DatabaseContext>(std::move(login), nullptr, std::move(clock));
}

std::string scalar(mysqlpp::Connection &connection, const std::string &sql)
{
    mysqlpp::Query query = connection.query(sql);
    const mysqlpp::StoreQueryResult result = query.store();
    if (result.num_rows() == 0 || result[0][0].is_null())
        return {};
    return std::string(result[0][0].data(), result[0][0].length());
}

std::string scalar(const std::string &sql)
{
    return scalar(*connectAsAdmin("kdb"), sql);
}

void run(const std::string &sql)
{
    connectAsAdmin("kdb")->query(sql).execute();
}

} // namespace TestDatabase
