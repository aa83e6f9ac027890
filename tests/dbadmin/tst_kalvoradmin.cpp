// kalvor-admin as its users run it: the built program against the throwaway test server, and
// private servers set up in fresh directories under /tmp.

#include "DatabaseInstaller.h"
#include "LocalServer.h"
#include "SchemaStatements.h"
#include "ServerConnection.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <mysql++/mysql++.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <set>

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runAdmin(const QStringList &arguments,
             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALVOR_ADMIN_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        run.err = "kalvor-admin did not finish\n";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString describe(const Run &run)
{
    return QStringLiteral("exit %1, stdout: %2, stderr: %3")
        .arg(run.exitCode)
        .arg(QString::fromLocal8Bit(run.out), QString::fromLocal8Bit(run.err));
}

// A failure as the tool must report it: a non-zero exit and exactly one line on stderr.
#define VERIFY_ONE_ERROR_LINE(run, part)                                                           \
    do {                                                                                           \
        QVERIFY2((run).exitCode > 0, qPrintable(describe(run)));                                   \
        QVERIFY2((run).err.startsWith("kalvor-admin: ") && (run).err.endsWith('\n') &&             \
                     (run).err.count('\n') == 1,                                                   \
                 qPrintable(describe(run)));                                                       \
        QVERIFY2((run).err.contains(QByteArray(part)), qPrintable(describe(run)));                 \
    } while (false)

#define VERIFY_SUCCESS(run)                                                                        \
    QVERIFY2((run).exitCode == 0 && (run).err.isEmpty(), qPrintable(describe(run)))

int unusedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

// PIDs of the mariadbd processes running on a data directory, read from /proc independently
// of the code under test.
std::set<qint64> serversOn(const QString &dataDirectory)
{
    std::set<qint64> pids;
    const QByteArray wanted = "--datadir=" + QFile::encodeName(dataDirectory);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = file.readAll().split('\0');
        if (!arguments.isEmpty() && arguments.first().endsWith("mariadbd") &&
            arguments.contains(wanted))
            pids.insert(pid);
    }
    return pids;
}

QStringList listing(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                     QDir::System);
}

// Databases and the checksums of every kdb table: what a refused command must leave alone.
QStringList serverSnapshot()
{
    auto connection = TestDatabase::connectAsAdmin();
    QStringList snapshot;
    mysqlpp::Query databases = connection->query("SHOW DATABASES");
    for (const mysqlpp::Row &row : databases.store())
        snapshot << QString::fromStdString(std::string(row[0].data(), row[0].length()));
    mysqlpp::Query tables = connection->query();
    tables << "SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
           << mysqlpp::quote << DatabaseInstaller::kDatabaseName << " ORDER BY TABLE_NAME";
    for (const mysqlpp::Row &row : tables.store()) {
        const std::string table(row[0].data(), row[0].length());
        mysqlpp::Query checksum = connection->query();
        checksum << "CHECKSUM TABLE `" << DatabaseInstaller::kDatabaseName << "`.`" << table << "`";
        const mysqlpp::StoreQueryResult result = checksum.store();
        snapshot << QString::fromStdString(table + "=" + std::string(result[0][1].c_str()));
    }
    return snapshot;
}

} // namespace

class TestKalvorAdmin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void helpOnlyPrintsUsage();
    void commandLineErrors_data();
    void commandLineErrors();

    void connectionErrors_data();
    void connectionErrors();

    void dbInstall_data();
    void dbInstall();
    void dbCheckFailures_data();
    void dbCheckFailures();

    void localRefusals_data();
    void localRefusals();
    void localDefaultDirectory();

    void localInitSetsUpPrivateServer();
    void localInitTwiceChangesNothing();
    void localStartStopAreIdempotent();
    void localStartRecovers_data();
    void localStartRecovers();

private:
    QStringList tcpLogin(const QString &passwordFile) const;
    QStringList socketLogin(const QString &passwordFile) const;
    void stopPrivateServer();

    QTemporaryDir m_scratch{QStringLiteral("/tmp/kalvor-admin-test.XXXXXX")};
    QString m_wrongPasswordFile;
    QString m_emptyPasswordFile;
    QString m_localDirectory;
};

void TestKalvorAdmin::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    QVERIFY2(QFileInfo(QStringLiteral(KALVOR_ADMIN_BINARY)).isExecutable(), KALVOR_ADMIN_BINARY);
    QVERIFY(m_scratch.isValid());
    m_wrongPasswordFile = m_scratch.filePath(QStringLiteral("wrong.password"));
    writeFile(m_wrongPasswordFile, "not-the-password\n");
    m_emptyPasswordFile = m_scratch.filePath(QStringLiteral("empty.password"));
    writeFile(m_emptyPasswordFile, "");
    m_localDirectory = m_scratch.filePath(QStringLiteral("local"));
}

void TestKalvorAdmin::cleanupTestCase()
{
    stopPrivateServer();
    // The other test binaries expect an installed kdb.
    if (TestDatabase::isConfigured())
        TestDatabase::reinstall();
}

void TestKalvorAdmin::stopPrivateServer()
{
    if (m_localDirectory.isEmpty())
        return;
    for (qint64 pid : serversOn(m_localDirectory + QStringLiteral("/data")))
        ::kill(pid_t(pid), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(serversOn(m_localDirectory + QStringLiteral("/data")).empty(), 60000);
}

QStringList TestKalvorAdmin::tcpLogin(const QString &passwordFile) const
{
    return {QStringLiteral("--host"),          qEnvironmentVariable("KALVOR_TEST_HOST"),
            QStringLiteral("--port"),          qEnvironmentVariable("KALVOR_TEST_PORT"),
            QStringLiteral("--user"),          qEnvironmentVariable("KALVOR_TEST_USER"),
            QStringLiteral("--password-file"), passwordFile};
}

QStringList TestKalvorAdmin::socketLogin(const QString &passwordFile) const
{
    return {QStringLiteral("--host"),          QStringLiteral("localhost"),
            QStringLiteral("--socket"),        qEnvironmentVariable("KALVOR_TEST_SOCKET"),
            QStringLiteral("--user"),          qEnvironmentVariable("KALVOR_TEST_USER"),
            QStringLiteral("--password-file"), passwordFile};
}

// ---- the command line ------------------------------------------------------------------------

void TestKalvorAdmin::helpOnlyPrintsUsage()
{
    const QString directory = m_scratch.filePath(QStringLiteral("help"));
    const Run run = runAdmin({"local", "init", "--datadir", directory, "--help"});
    VERIFY_SUCCESS(run);
    QVERIFY(run.out.startsWith("Usage:"));
    QVERIFY2(!QFileInfo::exists(directory), "--help must not run the command");
}

void TestKalvorAdmin::commandLineErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString password = QString::fromStdString(TestDatabase::passwordFile());
    QTest::newRow("no command") << QStringList{} << "No command";
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << "Unknown command \"frobnicate\"";
    QTest::newRow("unknown db command")
        << QStringList{"db", "drop"} << "Unknown command \"db drop\"";
    QTest::newRow("unknown local command")
        << QStringList{"local", "restart"} << "Unknown command \"local restart\"";
    QTest::newRow("db without command") << QStringList{"db"} << "needs install or check";
    QTest::newRow("unknown option")
        << QStringList{"local", "status", "--verbose"} << "Unknown option --verbose";
    QTest::newRow("single-dash option")
        << QStringList{"local", "status", "-x"} << "Unknown option -x";
    QTest::newRow("option of another command")
        << QStringList{"local", "status", "--host", "localhost"} << "--host does not apply";
    QTest::newRow("option without value")
        << QStringList{"db", "check", "--host"} << "--host needs a value";
    QTest::newRow("option twice") << QStringList{"local", "status", "--datadir", "/tmp/a",
                                                 "--datadir=/tmp/b"}
                                  << "--datadir is given twice";
    QTest::newRow("missing user") << QStringList{"db",        "check",           "--host",
                                                 "127.0.0.1", "--password-file", password}
                                  << "needs --user";
    QTest::newRow("missing password file")
        << QStringList{"db", "install", "--host", "127.0.0.1", "--user", "root"}
        << "needs --password-file";
    QTest::newRow("port out of range")
        << QStringList{"db",    "check",  "--host", "127.0.0.1",       "--port",
                       "70000", "--user", "root",   "--password-file", password}
        << "no TCP port";
    QTest::newRow("socket with a TCP host")
        << QStringList{"db",          "check",  "--host", "127.0.0.1",       "--socket",
                       "/tmp/x.sock", "--user", "root",   "--password-file", password}
        << "--socket applies only to --host localhost";
    QTest::newRow("extra argument")
        << QStringList{"local", "status", "now"} << "Unexpected argument \"now\"";
}

void TestKalvorAdmin::commandLineErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runAdmin(arguments);
    VERIFY_ONE_ERROR_LINE(run, message.toUtf8());
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
}

// ---- db install and db check ---------------------------------------------------------------

void TestKalvorAdmin::connectionErrors_data()
{
    QTest::addColumn<QStringList>("login");
    QTest::addColumn<QString>("message");

    const QString password = QString::fromStdString(TestDatabase::passwordFile());
    QTest::newRow("wrong password over TCP") << tcpLogin(m_wrongPasswordFile) << "Access denied";
    QTest::newRow("wrong password over the socket")
        << socketLogin(m_wrongPasswordFile) << "Access denied";
    QStringList unknownUser = tcpLogin(password);
    unknownUser[5] = QStringLiteral("nobody_kalvor");
    QTest::newRow("unknown user") << unknownUser << "Access denied";
    QStringList closedPort = tcpLogin(password);
    closedPort[3] = QString::number(unusedPort());
    QTest::newRow("nothing listens on the port")
        << closedPort << "Cannot connect to the database server";
    QStringList noSocket = socketLogin(password);
    noSocket[3] = m_scratch.filePath(QStringLiteral("no-such.sock"));
    QTest::newRow("no socket at the path") << noSocket << "no server socket";
    QTest::newRow("password file missing")
        << tcpLogin(m_scratch.filePath(QStringLiteral("missing.password"))) << "does not exist";
    QTest::newRow("password file is a directory")
        << tcpLogin(m_scratch.path()) << "is not a regular file";
    QTest::newRow("password file empty") << tcpLogin(m_emptyPasswordFile) << "is empty";
}

void TestKalvorAdmin::connectionErrors()
{
    QFETCH(QStringList, login);
    QFETCH(QString, message);
    const QStringList before = serverSnapshot();
    for (const char *action : {"check", "install"}) {
        const Run run = runAdmin(QStringList{"db", action} + login);
        VERIFY_ONE_ERROR_LINE(run, message.toUtf8());
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
    }
    QCOMPARE(serverSnapshot(), before);
}

void TestKalvorAdmin::dbInstall_data()
{
    QTest::addColumn<QStringList>("login");
    const QString password = QString::fromStdString(TestDatabase::passwordFile());
    QTest::newRow("over TCP") << tcpLogin(password);
    QTest::newRow("over the socket") << socketLogin(password);
}

void TestKalvorAdmin::dbInstall()
{
    QFETCH(QStringList, login);
    TestDatabase::dropKdb();

    const Run install = runAdmin(QStringList{"db", "install"} + login);
    VERIFY_SUCCESS(install);
    QCOMPARE(install.out.count('\n'), 1);
    QVERIFY2(install.out.contains("\"kdb\""), install.out.constData());

    {
        auto connection = TestDatabase::connectAsAdmin();
        DatabaseInstaller installed(*connection);
        QCOMPARE(installed.tableCount(), int(Schema::createStatements().size()));
        QCOMPARE(installed.installedVersion(), std::string(Schema::kDataModelVersion));
    }

    const Run check = runAdmin(QStringList{"db", "check"} + login);
    VERIFY_SUCCESS(check);
    QCOMPARE(check.out, QByteArray("Data model version ") + Schema::kDataModelVersion + "\n");

    // A second install must refuse and leave every table as it is.
    const QStringList before = serverSnapshot();
    const Run again = runAdmin(QStringList{"db", "install"} + login);
    VERIFY_ONE_ERROR_LINE(again, "already holds tables");
    QVERIFY(again.out.isEmpty());
    QCOMPARE(serverSnapshot(), before);
}

void TestKalvorAdmin::dbCheckFailures_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("no kdb") << "DROP DATABASE kdb"
                            << "\"kdb\" does not exist or holds no tables";
    QTest::newRow("other data model version")
        << "UPDATE kdb.DataModelInfo SET version = '0.9'"
        << QStringLiteral("holds data model version 0.9, this program needs version %1")
               .arg(QLatin1String(Schema::kDataModelVersion));
    QTest::newRow("no version row") << "DELETE FROM kdb.DataModelInfo"
                                    << "holds 0 rows";
}

void TestKalvorAdmin::dbCheckFailures()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    TestDatabase::reinstall();
    {
        auto connection = TestDatabase::connectAsAdmin();
        connection->query(damage.toStdString()).execute();
    }
    const Run check = runAdmin(QStringList{"db", "check"} +
                               tcpLogin(QString::fromStdString(TestDatabase::passwordFile())));
    VERIFY_ONE_ERROR_LINE(check, message.toUtf8());
    QVERIFY(check.out.isEmpty());
}

// ---- the private server ----------------------------------------------------------------------

void TestKalvorAdmin::localRefusals_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    for (const char *action : {"init", "start", "stop", "status"})
        QTest::addRow("foreign directory, %s", action)
            << "foreign" << action << "is not empty and holds no Kalvor private server";
    for (const char *action : {"init", "start", "stop", "status"})
        QTest::addRow("a file instead of a directory, %s", action)
            << "file" << action << "is not a directory";
    QTest::newRow("start before init") << "empty"
                                       << "start"
                                       << "local init\" first";
    QTest::newRow("stop before init") << "empty"
                                      << "stop"
                                      << "local init\" first";
    QTest::newRow("socket path too long") << "long"
                                          << "init"
                                          << "at most 107 are possible";
}

void TestKalvorAdmin::localRefusals()
{
    QFETCH(QString, situation);
    QFETCH(QString, action);
    QFETCH(QString, message);

    QTemporaryDir base(QStringLiteral("/tmp/kalvor-refusal.XXXXXX"));
    QString directory = base.filePath(QStringLiteral("server"));
    if (situation == QLatin1String("foreign")) {
        QVERIFY(QDir().mkpath(directory));
        writeFile(directory + QStringLiteral("/precious.txt"), "keep me");
    } else if (situation == QLatin1String("file")) {
        writeFile(directory, "keep me");
    } else if (situation == QLatin1String("empty")) {
        QVERIFY(QDir().mkpath(directory));
    } else {
        directory = base.filePath(QString(100, QLatin1Char('d')));
    }
    const QStringList before = listing(base.path());
    const QByteArray contentsBefore = readFile(directory + QStringLiteral("/precious.txt"));

    const Run run =
        runAdmin({QStringLiteral("local"), action, QStringLiteral("--datadir"), directory});
    VERIFY_ONE_ERROR_LINE(run, message.toUtf8());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(listing(base.path()), before);
    if (situation == QLatin1String("foreign")) {
        QCOMPARE(listing(directory), QStringList{QStringLiteral("precious.txt")});
        QCOMPARE(readFile(directory + QStringLiteral("/precious.txt")), contentsBefore);
    }
}

void TestKalvorAdmin::localDefaultDirectory()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString dataHome = m_scratch.filePath(QStringLiteral("xdg"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    const Run run = runAdmin({QStringLiteral("local"), QStringLiteral("status")}, environment);
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.out.contains(QFile::encodeName(dataHome + QStringLiteral("/Kalvor/local-server"))),
             qPrintable(describe(run)));
    QVERIFY2(!QFileInfo::exists(dataHome), "status must not create the directory");
}

void TestKalvorAdmin::localInitSetsUpPrivateServer()
{
    const QStringList datadir{QStringLiteral("--datadir"), m_localDirectory};
    const Run before = runAdmin(QStringList{"local", "status"} + datadir);
    QCOMPARE(before.exitCode, 3);

    const Run init = runAdmin(QStringList{"local", "init"} + datadir);
    VERIFY_SUCCESS(init);
    QCOMPARE(init.out.count('\n'), 1);

    const LocalServer server(m_localDirectory);
    QVERIFY(server.isInitialised());
    QCOMPARE(QFileInfo(m_localDirectory).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::ReadUser |
                                                            QFile::WriteUser | QFile::ExeUser);
    QCOMPARE(QFileInfo(server.passwordFile()).permissions(),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    QVERIFY(server.port() > 0);
    QCOMPARE(serversOn(server.dataDirectory()).size(), size_t(1));

    // The server outlived "init"; status names everything a login needs.
    const Run status = runAdmin(QStringList{"local", "status"} + datadir);
    VERIFY_SUCCESS(status);
    for (const QString &expected :
         {QStringLiteral("running"), server.socketPath(), QString::number(server.port()),
          server.passwordFile(),
          QStringLiteral("Data model version ") + QLatin1String(Schema::kDataModelVersion)})
        QVERIFY2(status.out.contains(expected.toUtf8()), qPrintable(describe(status)));

    // The generated password works for root through the socket and through loopback TCP.
    const std::string password = readPasswordFile(server.passwordFile());
    QVERIFY(password.size() >= 20);
    ServerAddress socket;
    socket.socket = server.socketPath().toStdString();
    ServerAddress tcp;
    tcp.host = "127.0.0.1";
    tcp.port = unsigned(server.port());
    for (const ServerAddress &address : {socket, tcp}) {
        auto connection = connectToServer(address, "root", password);
        QCOMPARE(DatabaseInstaller(*connection).installedVersion(),
                 std::string(Schema::kDataModelVersion));
        QVERIFY_THROWS_EXCEPTION(std::exception, connectToServer(address, "root", std::string()));
    }

    // Only root can log in, and TCP is bound to loopback.
    auto connection = connectToServer(socket, "root", password);
    const std::string bindAddress = TestDatabase::scalar(*connection, "SELECT @@bind_address");
    QCOMPARE(bindAddress, std::string("127.0.0.1"));
    QCOMPARE(TestDatabase::scalar(*connection, "SELECT @@port"), std::to_string(server.port()));
    QCOMPARE(TestDatabase::scalar(*connection, "SELECT GROUP_CONCAT(CONCAT(User, '@', Host) "
                                               "ORDER BY User, Host) FROM mysql.global_priv"),
             std::string("mariadb.sys@localhost,root@127.0.0.1,root@localhost"));
    // mariadb.sys stays: it owns system views and cannot log in.
    const std::string sysAccount =
        TestDatabase::scalar(*connection, "SHOW CREATE USER 'mariadb.sys'@'localhost'");
    QVERIFY2(sysAccount.find("ACCOUNT LOCK") != std::string::npos, sysAccount.c_str());
}

void TestKalvorAdmin::localInitTwiceChangesNothing()
{
    const LocalServer server(m_localDirectory);
    QVERIFY2(server.isInitialised(), "needs localInitSetsUpPrivateServer");
    const QByteArray password = readFile(server.passwordFile());
    const QByteArray config = readFile(server.configFile());
    const std::set<qint64> pids = serversOn(server.dataDirectory());

    const Run again = runAdmin({"local", "init", "--datadir", m_localDirectory});
    VERIFY_SUCCESS(again);
    QVERIFY2(again.out.contains("set up already"), again.out.constData());
    QCOMPARE(readFile(server.passwordFile()), password);
    QCOMPARE(readFile(server.configFile()), config);
    QCOMPARE(serversOn(server.dataDirectory()), pids);
}

void TestKalvorAdmin::localStartStopAreIdempotent()
{
    const LocalServer server(m_localDirectory);
    QVERIFY2(server.isInitialised(), "needs localInitSetsUpPrivateServer");
    const QStringList datadir{QStringLiteral("--datadir"), m_localDirectory};
    const std::set<qint64> pids = serversOn(server.dataDirectory());
    QCOMPARE(pids.size(), size_t(1));

    const Run startRunning = runAdmin(QStringList{"local", "start"} + datadir);
    VERIFY_SUCCESS(startRunning);
    QVERIFY2(startRunning.out.contains("already running"), startRunning.out.constData());
    QCOMPARE(serversOn(server.dataDirectory()), pids);

    const Run stop = runAdmin(QStringList{"local", "stop"} + datadir);
    VERIFY_SUCCESS(stop);
    QVERIFY(serversOn(server.dataDirectory()).empty());
    QVERIFY(!QFileInfo::exists(server.socketPath()));
    QVERIFY(!QFileInfo::exists(server.pidFile()));

    const Run status = runAdmin(QStringList{"local", "status"} + datadir);
    QCOMPARE(status.exitCode, 3);
    QVERIFY2(status.out.contains("not running"), status.out.constData());

    const Run stopStopped = runAdmin(QStringList{"local", "stop"} + datadir);
    VERIFY_SUCCESS(stopStopped);
    QVERIFY2(stopStopped.out.contains("not running"), stopStopped.out.constData());

    const Run start = runAdmin(QStringList{"local", "start"} + datadir);
    VERIFY_SUCCESS(start);
    QCOMPARE(serversOn(server.dataDirectory()).size(), size_t(1));
    auto connection = server.connectAsRoot();
    QCOMPARE(DatabaseInstaller(*connection).installedVersion(),
             std::string(Schema::kDataModelVersion));
}

void TestKalvorAdmin::localStartRecovers_data()
{
    QTest::addColumn<QString>("mishap");
    QTest::addColumn<bool>("restarts");
    // A crash leaves PID file and socket behind.
    QTest::newRow("server was killed") << "kill" << true;
    QTest::newRow("PID file names another process") << "foreign pid" << true;
    QTest::newRow("PID file names no process") << "dead pid" << true;
    QTest::newRow("PID file garbled") << "garbled" << true;
    // The server still runs: a second one on the same data must not start.
    QTest::newRow("PID file removed while running") << "removed" << false;
}

void TestKalvorAdmin::localStartRecovers()
{
    QFETCH(QString, mishap);
    QFETCH(bool, restarts);
    const LocalServer server(m_localDirectory);
    QVERIFY2(server.isInitialised(), "needs localInitSetsUpPrivateServer");
    const QStringList datadir{QStringLiteral("--datadir"), m_localDirectory};
    std::set<qint64> running = serversOn(server.dataDirectory());
    QCOMPARE(running.size(), size_t(1));
    const qint64 pid = *running.begin();

    if (mishap != QLatin1String("removed")) {
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(serversOn(server.dataDirectory()).empty(), 10000);
        writeFile(server.pidFile(), QByteArray::number(pid) + "\n");
    }
    if (mishap == QLatin1String("foreign pid")) {
        writeFile(server.pidFile(), QByteArray::number(qint64(::getpid())) + "\n");
    } else if (mishap == QLatin1String("dead pid")) {
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 gonePid = gone.processId();
        QVERIFY(gone.waitForFinished());
        writeFile(server.pidFile(), QByteArray::number(gonePid) + "\n");
    } else if (mishap == QLatin1String("garbled")) {
        writeFile(server.pidFile(), "not a pid\n");
    } else if (mishap == QLatin1String("removed")) {
        QVERIFY(QFile::remove(server.pidFile()));
    }

    const Run start = runAdmin(QStringList{"local", "start"} + datadir);
    VERIFY_SUCCESS(start);
    QVERIFY2(start.out.contains(restarts ? "Started" : "already running"), start.out.constData());
    running = serversOn(server.dataDirectory());
    QCOMPARE(running.size(), size_t(1));
    if (!restarts)
        QCOMPARE(*running.begin(), pid);

    const Run status = runAdmin(QStringList{"local", "status"} + datadir);
    VERIFY_SUCCESS(status);
    QVERIFY2(status.out.contains("PID " + QByteArray::number(*running.begin())),
             status.out.constData());
}

QTEST_GUILESS_MAIN(TestKalvorAdmin)
#include "tst_kalvoradmin.moc"
