// kalvor-admin as its users run it: the built program against the throwaway test server, and
// private servers set up in fresh directories under /tmp.

#include "ArchiveHelper.h"
#include "DatabaseContext.h"
#include "DatabaseInstaller.h"
#include "ErgebnisHelper.h"
#include "LocalServer.h"
#include "SchemaStatements.h"
#include "ServerConnection.h"
#include "StatistikHelper.h"
#include "TestDatabase.h"
#include "ToolContext.h"
#include "ergebnisfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

// Passwords that must never appear in what kalvor-admin writes.
QList<QByteArray> secrets = {"not-the-password"};

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
    process.start(KALVOR_ADMIN_BINARY, arguments);
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
    for (const QByteArray &secret : secrets) {
        if (run.out.contains(secret) || run.err.contains(secret))
            return Run{-1, {}, "kalvor-admin wrote a password\n"};
    }
    return run;
}

QString describe(const Run &run)
{
    return QStringLiteral("exit %1, stdout: %2, stderr: %3")
        .arg(run.exitCode)
        .arg(QString::fromLocal8Bit(run.out), QString::fromLocal8Bit(run.err));
}

// A failure as the tool must report it: the exit code and exactly one line on stderr, none on
// stdout.
#define VERIFY_ONE_ERROR_LINE(expression, code, part)                                              \
    do {                                                                                           \
        const Run run_ = (expression);                                                             \
        QVERIFY2(run_.exitCode == (code) && run_.out.isEmpty() &&                                  \
                     run_.err.startsWith("kalvor-admin: ") && run_.err.endsWith('\n') &&           \
                     run_.err.count('\n') == 1 && run_.err.contains(QByteArray(part)),             \
                 qPrintable(describe(run_)));                                                      \
    } while (false)

#define VERIFY_SUCCESS(expression, part)                                                           \
    do {                                                                                           \
        const Run run_ = (expression);                                                             \
        QVERIFY2(run_.exitCode == 0 && run_.err.isEmpty() && run_.out.contains(part),              \
                 qPrintable(describe(run_)));                                                      \
    } while (false)

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
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        const QList<QByteArray> arguments = readFile("/proc/" + entry + "/cmdline").split('\0');
        if (arguments.first().endsWith("mariadbd") && arguments.contains(wanted))
            pids.insert(entry.toLongLong());
    }
    return pids;
}

QStringList listing(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                     QDir::System);
}

// The databases and the checksums of every kdb table: what a refused command must leave alone.
QStringList serverSnapshot()
{
    auto connection = TestDatabase::connectAsAdmin();
    QStringList snapshot{QString::fromStdString(TestDatabase::scalar(
        *connection,
        "SELECT GROUP_CONCAT(SCHEMA_NAME ORDER BY 1) FROM information_schema.SCHEMATA"))};
    const std::string tables = TestDatabase::scalar(
        *connection, "SELECT GROUP_CONCAT(CONCAT('kdb.`', TABLE_NAME, '`') ORDER BY 1) FROM "
                     "information_schema.TABLES WHERE TABLE_SCHEMA = 'kdb'");
    if (!tables.empty()) {
        for (const mysqlpp::Row &row : connection->query("CHECKSUM TABLE " + tables).store())
            snapshot << QString::fromStdString(std::string(row[0].c_str()) + "=" + row[1].c_str());
    }
    return snapshot;
}

QStringList
tcpLogin(const QString &passwordFile = QString::fromStdString(TestDatabase::passwordFile()))
{
    return {"--host",          qEnvironmentVariable("KALVOR_TEST_HOST"),
            "--port",          qEnvironmentVariable("KALVOR_TEST_PORT"),
            "--user",          qEnvironmentVariable("KALVOR_TEST_USER"),
            "--password-file", passwordFile};
}

QStringList
socketLogin(const QString &passwordFile = QString::fromStdString(TestDatabase::passwordFile()))
{
    return {"--host",          "localhost",
            "--socket",        qEnvironmentVariable("KALVOR_TEST_SOCKET"),
            "--user",          qEnvironmentVariable("KALVOR_TEST_USER"),
            "--password-file", passwordFile};
}

} // namespace

class TestKalvorAdmin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        QVERIFY2(QFileInfo(KALVOR_ADMIN_BINARY).isExecutable(), KALVOR_ADMIN_BINARY);
        QVERIFY(m_scratch.isValid());
        secrets << QByteArray::fromStdString(TestDatabase::adminPassword());
        writeFile(m_scratch.filePath("wrong.password"), "not-the-password\n");
        writeFile(m_scratch.filePath("empty.password"), "");
        m_local = m_scratch.filePath("local");
    }

    void cleanupTestCase()
    {
        if (!m_local.isEmpty()) {
            for (qint64 pid : serversOn(m_local + "/data"))
                ::kill(pid_t(pid), SIGTERM);
            QTRY_VERIFY_WITH_TIMEOUT(serversOn(m_local + "/data").empty(), 60000);
        }
        // The other test binaries expect an installed kdb.
        if (TestDatabase::isConfigured())
            TestDatabase::reinstall();
    }

    // ---- the command line -------------------------------------------------------------------

    void helpOnlyPrintsUsage()
    {
        const QString directory = m_scratch.filePath("help");
        const Run run = runAdmin({"local", "init", "--datadir", directory, "--help"});
        VERIFY_SUCCESS(run, "Usage:");
        QVERIFY2(!QFileInfo::exists(directory), "--help must not run the command");
    }

    void commandLineErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        const QString password = QString::fromStdString(TestDatabase::passwordFile());
        const QString status = "status", check = "check";
        QTest::newRow("no command") << QStringList{} << "No command";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << "Unknown command \"frobnicate\"";
        QTest::newRow("db without command") << QStringList{"db"} << "needs install or check";
        QTest::newRow("unknown option")
            << QStringList{"local", status, "--verbose"} << "Unknown option --verbose";
        QTest::newRow("option of another command")
            << QStringList{"local", status, "--host", "localhost"} << "--host does not apply";
        QTest::newRow("option without value")
            << QStringList{"db", check, "--host"} << "--host needs a value";
        QTest::newRow("option twice")
            << QStringList{"local", status, "--datadir", "/tmp/a", "--datadir=/tmp/b"}
            << "--datadir is given twice";
        QTest::newRow("missing user")
            << QStringList{"db", check, "--host", "127.0.0.1", "--password-file", password}
            << "needs --user";
        QTest::newRow("missing password file")
            << QStringList{"db", "install", "--host", "127.0.0.1", "--user", "root"}
            << "needs --password-file";
        QTest::newRow("port out of range")
            << QStringList{"db", check, "--host", "127.0.0.1", "--port", "70000"} +
                   tcpLogin().mid(4)
            << "no TCP port";
        QTest::newRow("socket with a TCP host")
            << QStringList{"db", check, "--socket", "/tmp/x.sock"} + tcpLogin()
            << "--socket applies only to --host localhost";
        QTest::newRow("extra argument")
            << QStringList{"local", status, "now"} << "Unexpected argument \"now\"";
        const QStringList w1{"--competition", "W1"};
        const QStringList zip{"--out", "/tmp/x.zip"};
        QTest::newRow("export without file")
            << QStringList{"export"} + w1 + tcpLogin() << "\"export\" needs --out";
        QTest::newRow("export without competition")
            << QStringList{"export"} + zip + tcpLogin() << "\"export\" needs --competition";
        QTest::newRow("export, all and a competition")
            << QStringList{"export", "--all"} + w1 + zip + tcpLogin() << "neither --competition";
        QTest::newRow("export, unknown ending")
            << QStringList{"export", "--out", "/tmp/x.ZIP"} + w1 + tcpLogin() << "must end in .zip or .csv";
        QTest::newRow("results without command") << QStringList{"results"}
                                                 << "\"results\" needs compute, show or pdf.";
        QTest::newRow("results, unknown command")
            << QStringList{"results", "print"} + w1 << "Unknown command \"results print\"";
        QTest::newRow("results without competition")
            << QStringList{"results", "compute"} + tcpLogin() << "needs --competition";
        QTest::newRow("results, unknown format")
            << QStringList{"results", "show", "--format", "xml"} + w1 + tcpLogin()
            << "Unknown format \"xml\"; use text or csv.";
        QTest::newRow("results, format of show only")
            << QStringList{"results", "compute", "--format", "csv"} + w1 + tcpLogin()
            << "--format does not apply";
        QTest::newRow("results pdf without file")
            << QStringList{"results", "pdf"} + w1 + tcpLogin() << "needs --out";
        QTest::newRow("results, flag of user add")
            << QStringList{"results", "show", "--gui"} + w1 + tcpLogin() << "--gui does not apply";
        QTest::newRow("results, local and a host")
            << QStringList{"results", "show", "--local", "--host", "localhost"} + w1
            << "--host does not apply";
    }

    void commandLineErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        VERIFY_ONE_ERROR_LINE(runAdmin(arguments), 2, message.toUtf8());
    }

    // ---- db install and db check ------------------------------------------------------------

    void connectionErrors_data()
    {
        QTest::addColumn<QStringList>("login");
        QTest::addColumn<QString>("message");

        const QString wrong = m_scratch.filePath("wrong.password");
        QTest::newRow("wrong password over TCP") << tcpLogin(wrong) << "Access denied";
        QTest::newRow("wrong password over the socket") << socketLogin(wrong) << "Access denied";
        QStringList closedPort = tcpLogin();
        closedPort[3] = QString::number(unusedPort());
        QTest::newRow("nothing listens on the port")
            << closedPort << "Cannot connect to the database server";
        QStringList noSocket = socketLogin();
        noSocket[3] = m_scratch.filePath("no-such.sock");
        QTest::newRow("no socket at the path") << noSocket << "no server socket";
        QTest::newRow("password file missing")
            << tcpLogin(m_scratch.filePath("missing.password")) << "does not exist";
        QTest::newRow("password file is a directory")
            << tcpLogin(m_scratch.path()) << "is not a regular file";
        QTest::newRow("password file empty")
            << tcpLogin(m_scratch.filePath("empty.password")) << "is empty";
        const QString refused("No encrypted connection with a certificate checked against");
        QTest::newRow("certificate of another authority")
            << tcpLogin() + QStringList{"--tls-ca", qEnvironmentVariable("KALVOR_TEST_TLS_OTHER_CA")}
            << refused;
        QStringList withoutTls = tcpLogin() + QStringList{"--tls-ca", qEnvironmentVariable("KALVOR_TEST_TLS_CA")};
        withoutTls[3] = qEnvironmentVariable("KALVOR_TEST_HOSTILE_PORT");
        QTest::newRow("verification required, server without TLS") << withoutTls << refused;
        QTest::newRow("authority file missing")
            << tcpLogin() + QStringList{"--tls-ca", m_scratch.filePath("missing.pem")}
            << "Cannot read the certificate authority file";
    }

    void connectionErrors()
    {
        QFETCH(QStringList, login);
        QFETCH(QString, message);
        const QStringList before = serverSnapshot();
        for (const char *action : {"check", "install"})
            VERIFY_ONE_ERROR_LINE(runAdmin(QStringList{"db", action} + login), 1, message.toUtf8());
        QCOMPARE(serverSnapshot(), before);
    }

    void dbInstall_data()
    {
        QTest::addColumn<QStringList>("login");
        QTest::newRow("over TCP") << tcpLogin();
        QTest::newRow("over the socket") << socketLogin();
        QTest::newRow("over TCP with a verified certificate")
            << tcpLogin() + QStringList{"--tls-ca", qEnvironmentVariable("KALVOR_TEST_TLS_CA")};
    }

    void dbInstall()
    {
        QFETCH(QStringList, login);
        TestDatabase::dropKdb();
        const Run install = runAdmin(QStringList{"db", "install"} + login);
        VERIFY_SUCCESS(install, "\"kdb\"");
        QCOMPARE(install.out.count('\n'), 1);
        {
            auto connection = TestDatabase::connectAsAdmin();
            DatabaseInstaller installed(*connection);
            QCOMPARE(installed.tableCount(), int(Schema::createStatements().size()));
            QCOMPARE(installed.installedVersion(), std::string(Schema::kDataModelVersion));
        }
        const Run check = runAdmin(QStringList{"db", "check"} + login);
        VERIFY_SUCCESS(check, "");
        QCOMPARE(check.out, QByteArray("Data model version ") + Schema::kDataModelVersion + "\n");

        // A second install must refuse and leave every table as it is.
        const QStringList before = serverSnapshot();
        VERIFY_ONE_ERROR_LINE(runAdmin(QStringList{"db", "install"} + login), 1,
                              "already holds tables");
        QCOMPARE(serverSnapshot(), before);
    }

    void dbCheckFailures_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("no kdb") << "DROP DATABASE kdb"
                                << "\"kdb\" does not exist or holds no tables";
        QTest::newRow("other data model version")
            << "UPDATE kdb.DataModelInfo SET version = '0.9'"
            << QStringLiteral("holds data model version 0.9, this program needs version %1")
                   .arg(Schema::kDataModelVersion);
        QTest::newRow("no version row") << "DELETE FROM kdb.DataModelInfo"
                                        << "holds 0 rows";
    }

    void dbCheckFailures()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        TestDatabase::reinstall();
        TestDatabase::connectAsAdmin()->query(damage.toStdString()).execute();
        VERIFY_ONE_ERROR_LINE(runAdmin(QStringList{"db", "check"} + tcpLogin()), 1,
                              message.toUtf8());
    }

    // ---- the private server -----------------------------------------------------------------

    void localRefusals_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("message");
        for (const char *action : {"init", "start", "stop", "status"}) {
            QTest::addRow("foreign directory, %s", action)
                << "foreign" << action << "is not empty and holds no Kalvor private server";
            QTest::addRow("a file instead of a directory, %s", action)
                << "file" << action << "is not a directory";
        }
        const QString empty = "empty";
        QTest::newRow("start before init") << empty << "start"
                                           << "local init\" first";
        QTest::newRow("stop before init") << empty << "stop"
                                          << "local init\" first";
        QTest::newRow("socket path too long") << "long"
                                              << "init"
                                              << "at most 107 are possible";
    }

    // Refusals leave everything as it was.
    void localRefusals()
    {
        QFETCH(QString, situation);
        QFETCH(QString, action);
        QFETCH(QString, message);
        QTemporaryDir base("/tmp/kalvor-refusal.XXXXXX");
        QString directory = base.filePath("server");
        if (situation == QLatin1String("file"))
            writeFile(directory, "keep me");
        else if (situation == QLatin1String("long"))
            directory = base.filePath(QString(100, QLatin1Char('d')));
        else
            QVERIFY(QDir().mkpath(directory));
        if (situation == QLatin1String("foreign"))
            writeFile(directory + "/precious.txt", "keep me");
        const QStringList before = listing(base.path());

        VERIFY_ONE_ERROR_LINE(runAdmin({"local", action, "--datadir", directory}), 1,
                              message.toUtf8());
        QCOMPARE(listing(base.path()), before);
        if (situation == QLatin1String("foreign")) {
            QCOMPARE(listing(directory), QStringList{"precious.txt"});
            QCOMPARE(readFile(directory + "/precious.txt"), QByteArray("keep me"));
        }
    }

    void localDefaultDirectory()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString dataHome = m_scratch.filePath("xdg");
        environment.insert("XDG_DATA_HOME", dataHome);
        const Run run = runAdmin({"local", "status"}, environment);
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.out.contains(QFile::encodeName(dataHome + "/Kalvor/local-server")),
                 qPrintable(describe(run)));
        QVERIFY2(!QFileInfo::exists(dataHome), "status must not create the directory");
    }

    void localInitSetsUpPrivateServer()
    {
        QCOMPARE(runAdmin({"local", "status", "--datadir", m_local}).exitCode, 3);
        const Run init = runAdmin({"local", "init", "--datadir", m_local});
        VERIFY_SUCCESS(init, "");
        QCOMPARE(init.out.count('\n'), 1);

        const LocalServer server(m_local);
        QVERIFY(server.isInitialised());
        QCOMPARE(QFileInfo(m_local).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadUser |
                                                       QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(QFileInfo(server.passwordFile()).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QVERIFY(server.port() > 0);
        const std::string password = readPasswordFile(server.passwordFile());
        QVERIFY(password.size() >= 20);
        QVERIFY(!readFile(server.configFile()).contains(QByteArray::fromStdString(password)));
        secrets << QByteArray::fromStdString(password);

        // The server outlived "init", without its password on its command line; status names
        // everything a login needs.
        const std::set<qint64> pids = serversOn(server.dataDirectory());
        QCOMPARE(pids.size(), size_t(1));
        QVERIFY(!readFile(QStringLiteral("/proc/%1/cmdline").arg(*pids.begin()))
                     .contains(QByteArray::fromStdString(password)));
        const Run status = runAdmin({"local", "status", "--datadir", m_local});
        for (const QString &expected :
             {QStringLiteral("running"), server.socketPath(), QString::number(server.port()),
              server.passwordFile(), "Data model version " + QString(Schema::kDataModelVersion)})
            VERIFY_SUCCESS(status, expected.toUtf8());

        // The generated password works for root through the socket and through loopback TCP.
        ServerAddress socket;
        socket.socket = server.socketPath().toStdString();
        ServerAddress tcp;
        tcp.host = "127.0.0.1";
        tcp.port = unsigned(server.port());
        for (const ServerAddress &address : {socket, tcp}) {
            auto connection = connectToServer(address, "root", password);
            QCOMPARE(DatabaseInstaller(*connection).installedVersion(),
                     std::string(Schema::kDataModelVersion));
            QVERIFY_THROWS_EXCEPTION(std::exception, connectToServer(address, "root", ""));
        }

        // Only root can log in, and TCP is bound to loopback.
        auto connection = connectToServer(socket, "root", password);
        QCOMPARE(TestDatabase::scalar(*connection, "SELECT @@bind_address"), "127.0.0.1");
        QCOMPARE(TestDatabase::scalar(*connection, "SELECT @@port"), std::to_string(server.port()));
        QCOMPARE(TestDatabase::scalar(*connection, "SELECT GROUP_CONCAT(CONCAT(User, '@', Host) "
                                                   "ORDER BY User, Host) FROM mysql.global_priv"),
                 "mariadb.sys@localhost,root@127.0.0.1,root@localhost");
        // mariadb.sys stays: it owns system views and cannot log in.
        const std::string sysAccount =
            TestDatabase::scalar(*connection, "SHOW CREATE USER 'mariadb.sys'@'localhost'");
        QVERIFY2(sysAccount.find("ACCOUNT LOCK") != std::string::npos, sysAccount.c_str());
    }

    // A second init, start or stop changes nothing.
    void localInitStartStopAreIdempotent()
    {
        const LocalServer server(m_local);
        QVERIFY2(server.isInitialised(), "needs localInitSetsUpPrivateServer");
        const QStringList datadir{"--datadir", m_local};
        const std::set<qint64> pids = serversOn(server.dataDirectory());
        QCOMPARE(pids.size(), size_t(1));
        const QByteArray password = readFile(server.passwordFile());
        const QByteArray config = readFile(server.configFile());
        VERIFY_SUCCESS(runAdmin(QStringList{"local", "init"} + datadir), "set up already");
        QCOMPARE(readFile(server.passwordFile()), password);
        QCOMPARE(readFile(server.configFile()), config);
        QCOMPARE(serversOn(server.dataDirectory()), pids);

        VERIFY_SUCCESS(runAdmin(QStringList{"local", "start"} + datadir), "already running");
        QCOMPARE(serversOn(server.dataDirectory()), pids);

        VERIFY_SUCCESS(runAdmin(QStringList{"local", "stop"} + datadir), "");
        QVERIFY(serversOn(server.dataDirectory()).empty());
        QVERIFY(!QFileInfo::exists(server.socketPath()));
        QVERIFY(!QFileInfo::exists(server.pidFile()));
        const Run status = runAdmin(QStringList{"local", "status"} + datadir);
        QCOMPARE(status.exitCode, 3);
        QVERIFY2(status.out.contains("not running"), status.out.constData());
        VERIFY_SUCCESS(runAdmin(QStringList{"local", "stop"} + datadir), "not running");

        VERIFY_SUCCESS(runAdmin(QStringList{"local", "start"} + datadir), "");
        QCOMPARE(serversOn(server.dataDirectory()).size(), size_t(1));
        QCOMPARE(DatabaseInstaller(*server.connectAsRoot()).installedVersion(),
                 std::string(Schema::kDataModelVersion));
    }

    void localStartRecovers_data()
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

    void localStartRecovers()
    {
        QFETCH(QString, mishap);
        QFETCH(bool, restarts);
        const LocalServer server(m_local);
        QVERIFY2(server.isInitialised(), "needs localInitSetsUpPrivateServer");
        std::set<qint64> running = serversOn(server.dataDirectory());
        QCOMPARE(running.size(), size_t(1));
        const qint64 pid = *running.begin();

        if (mishap == QLatin1String("removed")) {
            QVERIFY(QFile::remove(server.pidFile()));
        } else {
            ::kill(pid_t(pid), SIGKILL);
            QTRY_VERIFY_WITH_TIMEOUT(serversOn(server.dataDirectory()).empty(), 10000);
            writeFile(server.pidFile(), QByteArray::number(pid) + "\n");
        }
        if (mishap == QLatin1String("foreign pid")) {
            writeFile(server.pidFile(), QByteArray::number(qint64(::getpid())) + "\n");
        } else if (mishap == QLatin1String("dead pid")) {
            QProcess gone;
            gone.start("true");
            QVERIFY(gone.waitForStarted());
            writeFile(server.pidFile(), QByteArray::number(gone.processId()) + "\n");
            QVERIFY(gone.waitForFinished());
        } else if (mishap == QLatin1String("garbled")) {
            writeFile(server.pidFile(), "not a pid\n");
        }

        const QStringList datadir{"--datadir", m_local};
        VERIFY_SUCCESS(runAdmin(QStringList{"local", "start"} + datadir),
                       restarts ? "Started" : "already running");
        running = serversOn(server.dataDirectory());
        QCOMPARE(running.size(), size_t(1));
        if (!restarts)
            QCOMPARE(*running.begin(), pid);
        VERIFY_SUCCESS(runAdmin(QStringList{"local", "status"} + datadir),
                       "PID " + QByteArray::number(*running.begin()));
    }

    // ---- results ----------------------------------------------------------------------------

    // compute prints the counts it stored (adults, youth) and the statistics nodes.
    void resultsCompute()
    {
        legeErgebnisseAn(false);
        const Run run = runAdmin(QStringList{"results", "compute", "--competition", "W1"} +
                                 tcpLogin());
        VERIFY_SUCCESS(run, "");
        QStringList expected;
        for (const char *table : {"TeilnehmerWertung", "TeilnehmerKombinationsWertung",
                                  "VereinsWertung", "VereinsKombinationsWertung"})
            for (const char *youth : {"Nein", "Ja"})
                expected << QString::fromStdString(TestDatabase::scalar(
                    std::string("SELECT COUNT(*) FROM ") + table +
                    " WHERE jugend = (SELECT v.id FROM CodeValue v JOIN CodeType t ON "
                    "v.type = t.id WHERE t.name = 'Jugend' AND v.name = '" +
                    youth + "')"));
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.first(), "Teilnehmerwertungen Erwachsene: 8");
        for (int i = 0; i < 8; ++i)
            QCOMPARE(lines[i].section(": ", 1), expected[i]);
        QCOMPARE(lines[8], QStringLiteral("Angenommene Bilder: %1 von %2")
                               .arg(QString::fromStdString(TestDatabase::scalar(
                                        "SELECT COUNT(*) FROM Bild WHERE angenommen")),
                                    QString::fromStdString(TestDatabase::scalar(
                                        "SELECT COUNT(*) FROM Bild WHERE bewertungString "
                                        "IS NOT NULL"))));
        QCOMPARE(lines[9], "Statistikeinträge: " +
                               QString::fromStdString(
                                   TestDatabase::scalar("SELECT COUNT(*) FROM StatistikData")));
    }

    // CSV: one header, the ranking and age class first, fields with ";" or quotes quoted.
    void resultsShowCsv()
    {
        legeErgebnisseAn(true);
        TestDatabase::run("UPDATE Verein SET name = 'Licht;blick \"Süd\"' WHERE name = 'Lichtblick'");
        const Run run = runAdmin(
            QStringList{"results", "show", "--format", "csv", "--competition", "W1"} + socketLogin());
        VERIFY_SUCCESS(run, "");
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 31);
        QCOMPARE(lines[0], "Rangliste;Altersklasse;Rang;Verein;Sparte;Mitgliedsnummer;Vorname;"
                           "Nachname;Punkte;Vereinsnummer;Vereinsname");
        QCOMPARE(lines[1], "Teilnehmer;Erwachsene;1;Fotoklub;Portrait;1-002;Bernd;Adler;27;;");
        QVERIFY(lines.contains(
            "Vereine;Jugend;1;;Jugendfoto;;;;19;;\"Licht;blick \"\"Süd\"\"\""));
        QCOMPARE(lines.last().section(';', 0, 1), "Vereins-Kombination;Jugend");
    }

    // Text: the eight rankings under their titles, each in aligned columns.
    void resultsShowText()
    {
        legeErgebnisseAn(true);
        const Run run = runAdmin(QStringList{"results", "show", "--competition", "W1"} + tcpLogin());
        VERIFY_SUCCESS(run, "");
        const QStringList blocks = QString::fromUtf8(run.out).split("\n\n", Qt::SkipEmptyParts);
        QStringList titles;
        for (const QString &block : blocks) {
            const QStringList lines = block.split('\n', Qt::SkipEmptyParts);
            titles << lines[0];
            QCOMPARE(lines[1], QString(lines[0].size(), '='));
            for (const QString &line : lines.mid(3))
                QCOMPARE(line.size(), lines[2].size());
        }
        QCOMPARE(titles, QStringList({"Teilnehmer – Erwachsene", "Teilnehmer – Jugend",
                                      "Teilnehmer-Kombination – Erwachsene",
                                      "Teilnehmer-Kombination – Jugend", "Vereine – Erwachsene",
                                      "Vereine – Jugend", "Vereins-Kombination – Erwachsene",
                                      "Vereins-Kombination – Jugend"}));
        QVERIFY2(blocks[0].split('\n')[3].contains(QRegularExpression(
                     "^ +1  Fotoklub +Portrait +1-002 +Bernd +Adler +27$")),
                 qPrintable(blocks[0]));
    }

    void resultsPdf()
    {
        legeErgebnisseAn(true);
        const QString file = m_scratch.filePath("results.pdf");
        const Run run = runAdmin(QStringList{"results", "pdf", "--competition", "W1", "--out", file} +
                                 socketLogin());
        VERIFY_SUCCESS(run, "Wrote the results of the competition W1 to " + file.toUtf8() +
                                " (6 pages).\n");
        QVERIFY(readFile(file).startsWith("%PDF-"));
    }

    // Failures: one line, exit code 1, the results as they were and no PDF.
    void resultsFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        const QString wrong = m_scratch.filePath("wrong.password");
        const QString pdf = m_scratch.filePath("failed.pdf");
        const QStringList actions[] = {{"compute"}, {"show"}, {"pdf", "--out", pdf}};
        for (const QStringList &action : actions) {
            const QStringList results = QStringList{"results"} + action;
            QTest::addRow("%s, no such competition", qPrintable(action[0]))
                << results + QStringList{"--competition", "W9"} + tcpLogin() << QString()
                << "kalvor-admin: There is no competition with the number W9.\n";
            QTest::addRow("%s, wrong password", qPrintable(action[0]))
                << results + QStringList{"--competition", "W1"} + tcpLogin(wrong) << QString()
                << "Access denied";
            QTest::addRow("%s, no private server", qPrintable(action[0]))
                << results + QStringList{"--competition", "W1", "--local", "--datadir",
                                         m_scratch.filePath("none")}
                << QString() << "No private server has been set up in";
        }
        QTest::newRow("compute, a table missing in the middle")
            << QStringList{"results", "compute", "--competition", "W1"} + tcpLogin()
            << "VereinsKombinationsWertung" << "Interner Datenbankfehler";
        QTest::newRow("compute, the statistics failing after the results")
            << QStringList{"results", "compute", "--competition", "W1"} + tcpLogin()
            << "StatistikData" << "Interner Datenbankfehler";
    }

    void resultsFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        legeErgebnisseAn(true);
        const QStringList before = resultSnapshot();
        if (!damage.isEmpty())
            TestDatabase::run("RENAME TABLE " + damage.toStdString() + " TO Weg");
        const Run run = runAdmin(arguments);
        if (!damage.isEmpty())
            TestDatabase::run("RENAME TABLE Weg TO " + damage.toStdString());
        VERIFY_ONE_ERROR_LINE(run, 1, message.toUtf8());
        QCOMPARE(resultSnapshot(), before);
        QVERIFY(!QFileInfo::exists(m_scratch.filePath("failed.pdf")));
    }

    // --local logs in as root of the running private server.
    void resultsOnThePrivateServer()
    {
        const LocalServer server(m_local);
        QVERIFY2(server.isRunning(), "needs localStartRecovers");
        {
            const auto ctx = openKalvorContext(
                {server.socketAddress(), "root", readPasswordFile(server.passwordFile())});
            ErgebnisFixture::legeErgebniswettbewerbAn(*ctx);
        }
        const Run run = runAdmin(
            {"results", "compute", "--local", "--datadir", m_local, "--competition", "W1"});
        VERIFY_SUCCESS(run, "Vereins-Kombinationswertungen Jugend: 2\n");
    }

    // ---- export -----------------------------------------------------------------------------

    // The competition (alone or with its members) or all data, as a data file or an archive
    // holding it under the archive's name; a failure (exit 1, one line) keeps an existing file.
    void exportFiles_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        const QStringList w1{"export", "--competition", "W1"};
        QTest::newRow("competition into an archive")
            << w1 << "w1.sicherung.zip" << QString() << "Wrote the competition W1 to ";
        QTest::newRow("with members into a data file")
            << w1 + QStringList{"--with-members"} << "w1.csv" << QString()
            << "Wrote the competition W1 with its members and clubs to ";
        QTest::newRow("all data") << QStringList{"export", "--all"} << "alles.zip" << QString()
                                  << "Wrote all data to ";
        QTest::newRow("no such competition")
            << QStringList{"export", "--competition", "W9"} << "w9.zip" << QString()
            << "kalvor-admin: There is no competition with the number W9.\n";
        QTest::newRow("pictures unreadable")
            << w1 << "w1.zip" << "BildDaten" << "Interner Datenbankfehler";
    }

    void exportFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        legeErgebnisseAn(true);
        const QString out = m_scratch.filePath(file);
        const bool fails = !message.startsWith("Wrote");
        if (fails)
            writeFile(out, "vorher");
        if (!damage.isEmpty())
            TestDatabase::run("RENAME TABLE " + damage.toStdString() + " TO Weg");
        const Run run = runAdmin(arguments + QStringList{"--out", out} + tcpLogin());
        if (!damage.isEmpty())
            TestDatabase::run("RENAME TABLE Weg TO " + damage.toStdString());
        if (fails) {
            VERIFY_ONE_ERROR_LINE(run, 1, message.toUtf8());
            QCOMPARE(readFile(out), QByteArray("vorher"));
            QCOMPARE(QDir(m_scratch.path()).entryList({"tmp*", ".*.zip.*"}, QDir::AllEntries | QDir::Hidden),
                     QStringList());
            QFile::remove(out);
            return;
        }
        VERIFY_SUCCESS(run, message.toUtf8() + out.toUtf8());
        QString csv = out;
        const auto ctx = TestDatabase::openContext();
        if (out.endsWith(".zip")) {
            csv = ArchiveHelper::findeCsvDatei(*ctx, out);
            QCOMPARE(QFileInfo(csv).fileName(), file.section('.', 0, 0) + ".csv");
        }
        const QByteArray data = readFile(csv);
        QVERIFY2(data.startsWith("\xEF\xBB\xBF" "DatenmodellVersion;"), data.left(100).constData());
        QVERIFY(data.contains("\nDaten;Wettbewerb;"));
        if (csv != out)
            ArchiveHelper::loescheTempVerzeichnis(*ctx, QFileInfo(csv).dir());
        QFile::remove(out);
    }

private:
    // The fixture competition W1 in a fresh kdb, its results computed when `computed`.
    static void legeErgebnisseAn(bool computed)
    {
        TestDatabase::reinstall();
        const auto ctx = TestDatabase::openContext();
        auto competition = ErgebnisFixture::legeErgebniswettbewerbAn(*ctx);
        if (computed) {
            ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*ctx, competition.wettbewerb());
            StatistikHelper::berechneStatistik(*ctx, competition.wettbewerb());
        }
    }

    // The checksums of the tables that the results commands write.
    static QStringList resultSnapshot()
    {
        QStringList snapshot;
        auto connection = TestDatabase::connectAsAdmin("kdb");
        for (const mysqlpp::Row &row :
             connection->query("CHECKSUM TABLE TeilnehmerWertung, TeilnehmerKombinationsWertung, "
                               "VereinsWertung, VereinsKombinationsWertung, StatistikData, Bild, "
                               "Sparte")
                 .store())
            snapshot << QString::fromStdString(std::string(row[0].c_str()) + "=" + row[1].c_str());
        return snapshot;
    }

    QTemporaryDir m_scratch{"/tmp/kalvor-admin-test.XXXXXX"};
    QString m_local; // the private server's directory
};

QTEST_GUILESS_MAIN(TestKalvorAdmin)
#include "tst_kalvoradmin.moc"
