#include "SqlMode.h"

#include "PersistenceException.h"

#include <mysql++/mysql++.h>

#include <algorithm>
#include <array>
#include <sstream>

namespace {

// ANSI_QUOTES, NO_BACKSLASH_ESCAPES and every combination mode that contains ANSI_QUOTES.
constexpr std::array<const char *, 8> kRemoved = {"ANSI_QUOTES", "NO_BACKSLASH_ESCAPES", "ANSI",
                                                  "DB2",         "MAXDB",                "MSSQL",
                                                  "ORACLE",      "POSTGRESQL"};

bool isModeName(const std::string &name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

} // namespace

namespace SqlMode {

std::string pinned(const std::string &currentMode)
{
    std::string result;
    bool strict = false;
    std::istringstream modes(currentMode);
    for (std::string mode; std::getline(modes, mode, ',');) {
        if (mode.empty())
            continue;
        if (!isModeName(mode))
            return {};
        std::string upper = mode;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        if (std::find(kRemoved.begin(), kRemoved.end(), upper) != kRemoved.end())
            continue;
        strict = strict || upper == "STRICT_TRANS_TABLES";
        result += (result.empty() ? "" : ",") + upper;
    }
    if (!strict)
        result += (result.empty() ? "" : ",") + std::string("STRICT_TRANS_TABLES");
    return result;
}

std::string pinStatement(const std::string &currentMode)
{
    const std::string mode = pinned(currentMode);
    return mode.empty() ? std::string() : "SET SESSION sql_mode = '" + mode + "'";
}

void pin(mysqlpp::Connection &connection)
{
    try {
        mysqlpp::Query read = connection.query("SELECT @@SESSION.sql_mode");
        const mysqlpp::StoreQueryResult rows = read.store();
        const std::string current =
            rows.num_rows() == 1 ? std::string(rows[0][0].data(), rows[0][0].length()) : "";
        const std::string statement = pinStatement(current);
        if (statement.empty())
            throw PersistenceException::databaseError(
                QStringLiteral("Der SQL-Modus der Sitzung ist unbekannt: ") +
                QString::fromStdString(current));
        mysqlpp::Query set = connection.query(statement);
        set.execute();
    } catch (const mysqlpp::Exception &error) {
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
}

} // namespace SqlMode
