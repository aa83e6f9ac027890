#pragma once

#include "ServerConnection.h"

#include <memory>
#include <string>

namespace mysqlpp {
class Connection;
}
class Clock;
class DatabaseContext;

// The throwaway database server that scripts/run-tests.sh starts for the tests. It is
// described by the environment: KALVOR_TEST_SOCKET, KALVOR_TEST_HOST, KALVOR_TEST_PORT,
// KALVOR_TEST_USER and KALVOR_TEST_PASSWORD_FILE.
namespace TestDatabase {

// False (with the reason) when the environment does not describe a server.
bool isConfigured(std::string *reason = nullptr);

ServerAddress socketAddress(); // through the unix socket
ServerAddress tcpAddress();    // through loopback TCP
std::string adminUser();
std::string adminPassword();
std::string passwordFile();

// An administrator connection through the socket; `database` may be empty.
std::unique_ptr<mysqlpp::Connection> connectAsAdmin(const std::string &database = {});

// Creates (or replaces) the database account of a program user ("kdb_" + user) with all
// rights on "kdb".
void createAccount(const std::string &user, const std::string &password);

// Drops "kdb" and installs schema and seed afresh.
void reinstall();
void dropKdb();

// A context logged in as the administrator, through the socket.
std::unique_ptr<DatabaseContext> openContext(std::shared_ptr<Clock> clock = nullptr,
                                             const std::string &user = adminUser(),
                                             const std::string &password = adminPassword());

// The single value of a one-row, one-column query (empty for NULL).
std::string scalar(mysqlpp::Connection &connection, const std::string &sql);
// The same on "kdb" as the administrator.
std::string scalar(const std::string &sql);
// Runs a statement on "kdb" as the administrator (setting up or damaging test data).
void run(const std::string &sql);

} // namespace TestDatabase

// Fails the current test function when no server is configured.
#define REQUIRE_TEST_DATABASE()                                                                    \
    do {                                                                                           \
        std::string reason_;                                                                       \
        if (!TestDatabase::isConfigured(&reason_))                                                 \
            QFAIL(reason_.c_str());                                                                \
    } while (false)
