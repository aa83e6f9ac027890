#include "LocalServer.h"

#include "AdminError.h"
#include "DatabaseInstaller.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <mysql++/mysql++.h>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 60000;
constexpr int kStopTimeoutMs = 60000;
constexpr int kInstallTimeoutMs = 180000;
constexpr int kPollIntervalMs = 100;
constexpr int kPasswordLength = 24;

std::string text(const QString &string)
{
    return string.toStdString();
}

// Finds a server program; /usr/sbin is not on the PATH of ordinary users on Debian.
QString findProgram(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"),
                   QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
    if (path.isEmpty())
        throw AdminError(text(name) +
                         " was not found; install the Debian package mariadb-server-core.");
    return path;
}

std::string osUserName()
{
    const passwd *entry = ::getpwuid(::geteuid());
    if (!entry)
        throw AdminError("Cannot find the name of the user running this program.");
    return entry->pw_name;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// Whole contents of a small file such as /proc/<pid>/cmdline (whose size reads as 0).
QByteArray readProcFile(const QString &path)
{
    QByteArray contents;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return contents;
    char buffer[4096];
    ssize_t count;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
        contents.append(buffer, count);
    ::close(fd);
    return contents;
}

int pickFreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw AdminError(std::string("Cannot look for a free TCP port: ") + std::strerror(errno));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0;
    const int error = errno;
    ::close(fd);
    if (!ok)
        throw AdminError(std::string("Cannot look for a free TCP port: ") + std::strerror(error));
    return ntohs(address.sin_port);
}

// True when a server listens on the socket and greets a new client.
bool greetsOnSocket(const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.size() >= int(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    timeval timeout{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    char byte;
    const bool greeted =
        ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::recv(fd, &byte, 1, 0) == 1;
    ::close(fd);
    return greeted;
}

bool processGone(qint64 pid)
{
    const QByteArray stat = readProcFile(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.isEmpty())
        return true;
    // "<pid> (<comm>) <state> ...": a zombie has exited already.
    const int close = stat.lastIndexOf(')');
    return close >= 0 && stat.size() > close + 2 && stat.at(close + 2) == 'Z';
}

// The most telling line of the server's log after a failed start.
QString lastErrorLine(const QString &logFile)
{
    QFile file(logFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = file.readAll().split('\n');
    QString last;
    for (const QByteArray &line : lines) {
        const QString trimmed = QString::fromLocal8Bit(line).trimmed();
        if (trimmed.contains(QLatin1String("[ERROR]")))
            return trimmed;
        if (!trimmed.isEmpty())
            last = trimmed;
    }
    return last;
}

std::string randomPassword()
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string password;
    for (int i = 0; i < kPasswordLength; ++i)
        password += alphabet[QRandomGenerator::system()->bounded(int(sizeof alphabet) - 1)];
    return password;
}

// Serialises init, start and stop on one directory.
class DirectoryLock
{
public:
    explicit DirectoryLock(const QString &directory)
        : m_lock(directory + QStringLiteral("/.kalvor-admin.lock"))
    {
        m_lock.setStaleLockTime(0);
        if (!m_lock.tryLock(kStartTimeoutMs))
            throw AdminError("Another kalvor-admin is working on " + text(directory) + ".");
    }

private:
    QLockFile m_lock;
};

} // namespace

QString LocalServer::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kalvor/local-server");
}

LocalServer::LocalServer(const QString &directory)
{
    const QFileInfo info(directory);
    m_directory =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

QString LocalServer::dataDirectory() const
{
    return m_directory + QStringLiteral("/data");
}

QString LocalServer::socketPath() const
{
    return m_directory + QStringLiteral("/mysqld.sock");
}

QString LocalServer::pidFile() const
{
    return m_directory + QStringLiteral("/mysqld.pid");
}

QString LocalServer::logFile() const
{
    return m_directory + QStringLiteral("/mysqld.log");
}

QString LocalServer::passwordFile() const
{
    return m_directory + QStringLiteral("/root.password");
}

QString LocalServer::configFile() const
{
    return m_directory + QLatin1Char('/') + QLatin1String(kConfigFileName);
}

bool LocalServer::isInitialised() const
{
    return QFileInfo(configFile()).isFile();
}

void LocalServer::checkDirectoryIsOurs() const
{
    const QFileInfo info(m_directory);
    if (!info.exists())
        return;
    if (!info.isDir())
        throw AdminError(text(m_directory) + " is not a directory.");
    if (isInitialised())
        return;
    if (!info.isReadable() || !info.isExecutable())
        throw AdminError("Cannot read the directory " + text(m_directory) + ".");
    if (!QDir(m_directory)
             .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        throw AdminError(text(m_directory) +
                         " is not empty and holds no Kalvor private server; choose another "
                         "directory.");
}

void LocalServer::requireInitialised() const
{
    checkDirectoryIsOurs();
    if (!isInitialised())
        throw AdminError("No private server has been set up in " + text(m_directory) +
                         "; run \"kalvor-admin local init\" first.");
}

void LocalServer::checkSocketPathLength() const
{
    const int length = int(QFile::encodeName(socketPath()).size());
    if (length > kMaxSocketPathLength)
        throw AdminError("The socket path " + text(socketPath()) + " is " + std::to_string(length) +
                         " characters long, at most " + std::to_string(kMaxSocketPathLength) +
                         " are possible; choose a shorter directory.");
}

int LocalServer::port() const
{
    QFile file(configFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("port="))
            return line.mid(5).toInt();
    }
    return 0;
}

void LocalServer::writeConfig(int portNumber) const
{
    QSaveFile file(configFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw AdminError("Cannot write " + text(configFile()) + ": " + text(file.errorString()));
    file.write("# Kalvor private database server, set up by \"kalvor-admin local init\".\n");
    file.write("port=" + QByteArray::number(portNumber) + "\n");
    if (!file.commit())
        throw AdminError("Cannot write " + text(configFile()) + ": " + text(file.errorString()));
}

bool LocalServer::isServerOfThisDirectory(qint64 pid) const
{
    if (pid <= 0)
        return false;
    const QList<QByteArray> arguments =
        readProcFile(QStringLiteral("/proc/%1/cmdline").arg(pid)).split('\0');
    if (arguments.isEmpty())
        return false;
    const QByteArray program = arguments.first().mid(arguments.first().lastIndexOf('/') + 1);
    if (program != "mariadbd" && program != "mysqld")
        return false;
    return arguments.contains("--datadir=" + QFile::encodeName(dataDirectory()));
}

qint64 LocalServer::runningPid() const
{
    QFile file(pidFile());
    if (file.open(QIODevice::ReadOnly)) {
        const qint64 pid = file.readAll().trimmed().toLongLong();
        if (isServerOfThisDirectory(pid))
            return pid;
    }
    // Without a (valid) PID file a server may still run on this directory.
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && isServerOfThisDirectory(pid))
            return pid;
    }
    return 0;
}

qint64 LocalServer::launch(int portNumber) const
{
    QStringList arguments{QStringLiteral("--no-defaults")};
    if (runningAsRoot())
        arguments << QStringLiteral("--user=root");
    arguments << QStringLiteral("--datadir=") + dataDirectory()
              << QStringLiteral("--socket=") + socketPath()
              << QStringLiteral("--bind-address=127.0.0.1")
              << QStringLiteral("--port=%1").arg(portNumber)
              << QStringLiteral("--skip-name-resolve") << QStringLiteral("--pid-file=") + pidFile()
              << QStringLiteral("--log-error=") + logFile();

    QProcess process;
    process.setProgram(findProgram(QStringLiteral("mariadbd")));
    process.setArguments(arguments);
    process.setWorkingDirectory(m_directory);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(logFile(), QIODevice::Append);
    process.setStandardErrorFile(logFile(), QIODevice::Append);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        throw AdminError("Cannot start the database server: " + text(process.errorString()));

    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!greetsOnSocket(socketPath())) {
        if (processGone(pid))
            throw AdminError("The database server did not start: " +
                             text(lastErrorLine(logFile())) + " (see " + text(logFile()) + ")");
        if (deadline.hasExpired()) {
            ::kill(pid_t(pid), SIGTERM);
            throw AdminError("The database server did not accept connections within " +
                             std::to_string(kStartTimeoutMs / 1000) + " s; see " + text(logFile()) +
                             ".");
        }
        QThread::msleep(kPollIntervalMs);
    }
    return pid;
}

void LocalServer::waitUntilGone(qint64 pid) const
{
    const QDeadlineTimer deadline(kStopTimeoutMs);
    while (isServerOfThisDirectory(pid)) {
        if (deadline.hasExpired())
            throw AdminError("The database server (PID " + std::to_string(pid) +
                             ") did not stop within " + std::to_string(kStopTimeoutMs / 1000) +
                             " s; see " + text(logFile()) + ".");
        QThread::msleep(kPollIntervalMs);
    }
}

bool LocalServer::start()
{
    requireInitialised();
    checkSocketPathLength();
    DirectoryLock lock(m_directory);
    if (isRunning())
        return false;
    QFile::remove(pidFile()); // stale
    launch(port());
    return true;
}

bool LocalServer::stop()
{
    requireInitialised();
    DirectoryLock lock(m_directory);
    const qint64 pid = runningPid();
    if (pid == 0) {
        QFile::remove(pidFile()); // stale
        return false;
    }
    if (::kill(pid_t(pid), SIGTERM) != 0)
        throw AdminError("Cannot stop the database server (PID " + std::to_string(pid) +
                         "): " + std::strerror(errno));
    waitUntilGone(pid);
    return true;
}

void LocalServer::secureAccounts(const std::string &password) const
{
    try {
        // Right after mariadb-install-db only root and the user running it may log in, both
        // through the socket and only as themselves (unix_socket authentication).
        {
            auto installer = connectToServer(socketAddress(), osUserName(), std::string());
            mysqlpp::Query query = installer->query();
            query << "ALTER USER 'root'@'localhost' IDENTIFIED BY " << mysqlpp::quote << password;
            query.execute();
            query.reset();
            query << "CREATE OR REPLACE USER 'root'@'127.0.0.1' IDENTIFIED BY " << mysqlpp::quote
                  << password;
            query.execute();
            query.reset();
            query << "GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION";
            query.execute();
        }
        // Every other account that could log in goes; mariadb.sys is locked and owns system
        // views.
        auto root = connectToServer(socketAddress(), kRootUser, password);
        mysqlpp::Query accounts = root->query("SELECT User, Host FROM mysql.global_priv");
        const mysqlpp::StoreQueryResult rows = accounts.store();
        for (const mysqlpp::Row &row : rows) {
            const std::string user(row[0].data(), row[0].length());
            const std::string host(row[1].data(), row[1].length());
            if ((user == kRootUser && (host == "localhost" || host == "127.0.0.1")) ||
                (user == "mariadb.sys" && host == "localhost"))
                continue;
            mysqlpp::Query drop = root->query();
            drop << "DROP USER " << mysqlpp::quote << user << "@" << mysqlpp::quote << host;
            drop.execute();
        }
    } catch (const mysqlpp::Exception &error) {
        throw AdminError(std::string("Cannot set up the accounts of the database server: ") +
                         error.what());
    }
}

LocalServer::InitResult LocalServer::init()
{
    checkDirectoryIsOurs();
    if (isInitialised())
        return InitResult::AlreadyInitialised;
    checkSocketPathLength();
    const QString installDb = findProgram(QStringLiteral("mariadb-install-db"));
    findProgram(QStringLiteral("mariadbd"));

    const bool created = !QFileInfo::exists(m_directory);
    if (!QDir().mkpath(m_directory))
        throw AdminError("Cannot create the directory " + text(m_directory) + ".");
    m_directory = QFileInfo(m_directory).canonicalFilePath();
    qint64 pid = 0;
    try {
        if (::chmod(QFile::encodeName(m_directory).constData(), 0700) != 0)
            throw AdminError("Cannot make " + text(m_directory) +
                             " private: " + std::strerror(errno));
        checkSocketPathLength();
        DirectoryLock lock(m_directory);

        QProcess install;
        QStringList arguments{QStringLiteral("--no-defaults")};
        if (runningAsRoot())
            arguments << QStringLiteral("--user=root");
        arguments << QStringLiteral("--datadir=") + dataDirectory()
                  << QStringLiteral("--skip-test-db") << QStringLiteral("--skip-name-resolve")
                  << QStringLiteral("--auth-root-authentication-method=socket")
                  << QStringLiteral("--auth-root-socket-user=") +
                         QString::fromStdString(osUserName());
        install.setProgram(installDb);
        install.setArguments(arguments);
        install.setWorkingDirectory(m_directory);
        install.setStandardInputFile(QProcess::nullDevice());
        install.setProcessChannelMode(QProcess::MergedChannels);
        const QString installLog = m_directory + QStringLiteral("/install.log");
        install.setStandardOutputFile(installLog);
        install.start();
        if (!install.waitForFinished(kInstallTimeoutMs) ||
            install.exitStatus() != QProcess::NormalExit || install.exitCode() != 0)
            throw AdminError("mariadb-install-db failed; see " + text(installLog) + ".");

        const int portNumber = pickFreePort();
        pid = launch(portNumber);
        const std::string password = randomPassword();
        secureAccounts(password);

        QFile passwordOut(passwordFile());
        if (!passwordOut.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
            passwordOut.write((password + "\n").c_str()) < 0 || !passwordOut.flush())
            throw AdminError("Cannot write " + text(passwordFile()) + ": " +
                             text(passwordOut.errorString()));
        passwordOut.close();

        auto root = connectAsRoot();
        DatabaseInstaller(*root).install();
        writeConfig(portNumber);
    } catch (const std::exception &error) {
        // Leave nothing half made behind: the directory was missing or empty before.
        if (pid != 0) {
            ::kill(pid_t(pid), SIGTERM);
            try {
                waitUntilGone(pid);
            } catch (const AdminError &) {
            }
        }
        if (created) {
            QDir(m_directory).removeRecursively();
        } else {
            QDir directory(m_directory);
            for (const QFileInfo &entry : directory.entryInfoList(
                     QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
                if (entry.isDir() && !entry.isSymLink())
                    QDir(entry.filePath()).removeRecursively();
                else
                    QFile::remove(entry.filePath());
            }
        }
        if (dynamic_cast<const AdminError *>(&error))
            throw;
        throw AdminError(std::string("Setting up the private server failed: ") + error.what());
    }
    return InitResult::Created;
}

ServerAddress LocalServer::socketAddress() const
{
    ServerAddress address;
    address.host = "localhost";
    address.socket = text(socketPath());
    return address;
}

ServerAddress LocalServer::tcpAddress() const
{
    ServerAddress address;
    address.host = "127.0.0.1";
    address.port = unsigned(port());
    return address;
}

std::string LocalServer::rootPassword() const
{
    return readPasswordFile(passwordFile());
}

std::unique_ptr<mysqlpp::Connection> LocalServer::connectAsRoot(const std::string &database) const
{
    return connectToServer(socketAddress(), kRootUser, rootPassword(), database);
}

std::string readPasswordFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AdminError("The password file " + text(path) + " does not exist.");
    if (!info.isFile())
        throw AdminError("The password file " + text(path) + " is not a regular file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AdminError("Cannot read the password file " + text(path) + ": " +
                         text(file.errorString()));
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        throw AdminError("The password file " + text(path) + " is empty.");
    return line.toStdString();
}
