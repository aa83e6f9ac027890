#pragma once

#include "ServerConnection.h"

#include <memory>
#include <string>

namespace mysqlpp {
class Connection;
}
class Clock;
class DatabaseContext;

// The throwaway database servers that scripts/run-tests.sh starts for the tests. They are
// described by the environment: KALVOR_TEST_SOCKET, KALVOR_TEST_HOST, KALVOR_TEST_PORT,
// KALVOR_TEST_USER and KALVOR_TEST_PASSWORD_FILE; the second server, whose global SQL mode is
// ANSI_QUOTES,NO_BACKSLASH_ESCAPES, by KALVOR_TEST_HOSTILE_SOCKET and KALVOR_TEST_HOSTILE_PORT
// (same user and password).
namespace TestDatabase {

// While an object of this class lives, every helper below reaches the second server.
class HostileServer
{
public:
    HostileServer();
    ~HostileServer();
    HostileServer(const HostileServer &) = delete;
    HostileServer &operator=(const HostileServer &) = delete;

private:
    bool m_previous;
};

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
