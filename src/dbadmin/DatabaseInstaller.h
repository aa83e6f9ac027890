#pragma once

#include <string>

namespace mysqlpp {
class Connection;
}

// Installs the schema and the seed data of an installed database into "kdb" of a server,
// and reads back which data model a database holds.
class DatabaseInstaller
{
public:
    static constexpr const char *kDatabaseName = "kdb";

    // The connection must be open as an administrator; no database needs to be selected.
    explicit DatabaseInstaller(mysqlpp::Connection &server);

    // Number of tables in the database (0 when it does not exist).
    int tableCount(const std::string &database = kDatabaseName);

    // Creates "kdb" when missing, then every table and the seed rows. Refuses with AdminError,
    // changing nothing, when "kdb" already holds tables. On a failure midway everything it
    // created is removed again before the AdminError is thrown.
    void install();

    // The version of the single DataModelInfo row of "kdb"; AdminError says what is wrong
    // (no database, no table, not exactly one row, no version).
    std::string installedVersion();

private:
    void createTables();
    void insertSeed();

    mysqlpp::Connection &m_server;
};
