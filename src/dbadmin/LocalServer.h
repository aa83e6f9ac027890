#pragma once

#include "ServerConnection.h"

#include <QString>

#include <memory>
#include <string>

namespace mysqlpp {
class Connection;
}

// A private MariaDB server for one user, kept in one directory of that user:
//
//   kalvor-local.conf   our marker and configuration (the TCP port chosen at init)
//   data/               the server's data directory
//   mysqld.sock         unix socket (only while running)
//   mysqld.pid          PID file (only while running)
//   mysqld.log          the server's log
//   install.log         output of mariadb-install-db
//   root.password       the password of the database user root (mode 0600)
//
// The directory is 0700. The server listens on the socket and on 127.0.0.1 only; the database
// user root (root@localhost for the socket, root@127.0.0.1 for TCP) is the only account that can
// log in. Methods throw AdminError with one line for the user.
class LocalServer
{
public:
    static constexpr const char *kConfigFileName = "kalvor-local.conf";
    static constexpr const char *kRootUser = "root";
    // The longest unix socket path the kernel accepts (sun_path without its terminating NUL).
    static constexpr int kMaxSocketPathLength = 107;

    // The directory of the user's private server: <data home>/Kalvor/local-server, for example
    // ~/.local/share/Kalvor/local-server. It does not depend on the application or organisation
    // names a program sets, so the admin tool and the application agree on it.
    static QString defaultDirectory();

    explicit LocalServer(const QString &directory = defaultDirectory());

    QString directory() const { return m_directory; }
    QString dataDirectory() const;
    QString socketPath() const;
    QString pidFile() const;
    QString logFile() const;
    QString passwordFile() const;
    QString configFile() const;

    // True when the directory holds a server set up by init (our configuration file exists).
    bool isInitialised() const;
    // Throws AdminError when the directory exists but is no directory, or is not empty and
    // holds no configuration file of ours.
    void checkDirectoryIsOurs() const;

    // The TCP port on 127.0.0.1 remembered at init; 0 when not initialised.
    int port() const;

    // The PID of the server running on this directory, 0 when none runs. A stale PID file
    // (process gone, or not a server on this directory) does not count.
    qint64 runningPid() const;
    bool isRunning() const { return runningPid() != 0; }

    enum class InitResult
    {
        Created,
        AlreadyInitialised
    };
    // Creates the directory (it must be missing or empty), the server's data, a random root
    // password, the Kalvor database with its seed, and leaves the server running. On a failure
    // the server is stopped and whatever init created is removed again. Never touches an
    // initialised directory.
    InitResult init();

    // Starts the server detached from this process and waits until it accepts connections.
    // Returns false when it was running already.
    bool start();
    // Ends the server with SIGTERM and waits until it is gone. Returns false when it was not
    // running.
    bool stop();

    // How to log in as root through the socket, and as root through loopback TCP.
    ServerAddress socketAddress() const;
    ServerAddress tcpAddress() const;
    std::string rootPassword() const;
    std::unique_ptr<mysqlpp::Connection> connectAsRoot(const std::string &database = {}) const;

private:
    void requireInitialised() const;
    void checkSocketPathLength() const;
    qint64 launch(int port) const;
    void waitUntilGone(qint64 pid) const;
    void secureAccounts(const std::string &password) const;
    void writeConfig(int port) const;
    bool isServerOfThisDirectory(qint64 pid) const;

    QString m_directory;
};

// Reads the password from the first line of a file. AdminError when the file is missing, no
// regular file, unreadable or empty.
std::string readPasswordFile(const QString &path);
