#pragma once

#include <QString>

namespace mysqlpp {
class Connection;
}

// How a connection to a database server is protected. A server reached over the network is
// asked for TLS whenever it offers it; with `verifyServer` the connection is refused unless it
// is encrypted and the server's certificate is signed by the authority in `caFile` (the
// system's authorities when empty) and names the host. A unix socket (the private server,
// "localhost") is local and stays as it is.
struct TlsSetting
{
    bool verifyServer = false;
    QString caFile;
};

namespace ConnectionSecurity {

// Whether the client library reaches `server` (a socket path, "localhost", a host or
// host:port) over TCP.
bool overNetwork(const QString &server);

// Sets the TLS options on `connection` before it connects to `server`.
void prepare(mysqlpp::Connection &connection, const QString &server, const TlsSetting &setting);

// Whether a failed connect (the client library's error number) failed in the TLS handshake or
// the check of the server's certificate.
bool isTlsFailure(int errnum);

} // namespace ConnectionSecurity
