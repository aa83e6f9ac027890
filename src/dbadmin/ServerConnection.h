#pragma once

#include <memory>
#include <string>

namespace mysqlpp {
class Connection;
}

// Where a database server is reached: "localhost" means its unix socket (the default one,
// or `socket` when given); any other host is reached over TCP on `port` (0: the default),
// encrypted whenever the server offers TLS. With `tlsCa` the connection must be encrypted and
// the server's certificate signed by the authority in that file.
struct ServerAddress
{
    std::string host = "localhost";
    unsigned port = 0;
    std::string socket;
    std::string tlsCa;
};

// Opens a connection with exceptions enabled, the utf8mb4 character set and the pinned SQL
// mode, so that the connection's own escaping and the server agree on the bytes. `database` may be empty.
// Throws AdminError with one line for the user when the server refuses or cannot be reached.
std::unique_ptr<mysqlpp::Connection> connectToServer(const ServerAddress &address,
                                                     const std::string &user,
                                                     const std::string &password,
                                                     const std::string &database = {});
