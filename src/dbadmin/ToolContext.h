#pragma once

#include "ServerConnection.h"

#include <QMap>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class DatabaseContext;
class Wettbewerb;

// What the command-line tools need to work in Kalvor's database: the server and login that
// their connection options name, a context logged in like the program, and the competition
// named by its number. Failures throw AdminError (UsageError for a bad option value) with one
// line for the user; no message holds a password.

// The server of --host, --port and --socket (values by option name without dashes):
// "localhost" is reached through its unix socket (the default one, or --socket S), any other
// host over TCP on --port (default 3306). `where` describes the server for messages.
ServerAddress serverAddress(const QMap<QString, QString> &options, std::string *where);

struct Login
{
    ServerAddress address;
    std::string user; // Kalvor's user name: root, or a user whose account is kdb_<name>
    std::string password;
};

// The login of --host/--port/--socket/--user/--password-file, or with `local` the user root of
// the user's private server (in --datadir, else its default directory), which must be running.
Login loginFromOptions(const QMap<QString, QString> &options, bool local);

// Logs in to Kalvor as the program does.
std::unique_ptr<DatabaseContext> openKalvorContext(const Login &login);

// The competition with the number; AdminError "There is no competition with the number X."
std::unique_ptr<Wettbewerb> competitionByNumber(DatabaseContext &ctx, const QString &number);

// Runs `work`, turning the failures of the persistence layer and of the services
// (AnwendungsFehler) into AdminError with one line.
void withOneLineErrors(const std::function<void()> &work);
