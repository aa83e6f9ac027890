#pragma once

#include <string>

namespace mysqlpp {
class Connection;
}

// The session SQL mode every connection runs in. Our statements quote values in double quotes
// with the connection's escaping, which is sound only without ANSI_QUOTES (double quotes would
// name identifiers) and without NO_BACKSLASH_ESCAPES (the escaping would double single quotes
// only). The combination modes that imply ANSI_QUOTES go as well; STRICT_TRANS_TABLES keeps
// over-long values errors. Everything else of the server's mode stays.
namespace SqlMode {

// The pinned mode derived from a session mode as "SELECT @@SESSION.sql_mode" reports it.
// Empty when the mode holds anything but mode names (letters, digits, underscores).
std::string pinned(const std::string &currentMode);

// The statement that sets the pinned mode for the session (single quotes work in every mode).
std::string pinStatement(const std::string &currentMode);

// Reads the session mode and pins it. Throws PersistenceException when the server refuses.
void pin(mysqlpp::Connection &connection);

} // namespace SqlMode
