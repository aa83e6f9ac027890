// Every connection pins its SQL mode, so that the connection's escaping holds on servers whose
// administrators set ANSI_QUOTES or NO_BACKSLASH_ESCAPES.

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "SqlMode.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "controllers/CodeTypeController.h"
#include "entities/CodeType.h"
#include "entities/Session.h"

#include <QtTest>

#include <mysql++/mysql++.h>

#include <optional>

class SqlModeTest : public QObject
{
    Q_OBJECT
private slots:
    void pinned_data();
    void pinned();
    void loginOnServer_data();
    void loginOnServer();
    void cleanupTestCase();
};

void SqlModeTest::pinned_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("session");
    QTest::newRow("empty") << "" << "STRICT_TRANS_TABLES";
    QTest::newRow("hostile") << "ANSI_QUOTES,NO_BACKSLASH_ESCAPES" << "STRICT_TRANS_TABLES";
    QTest::newRow("MariaDB default")
        << "STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_AUTO_CREATE_USER,"
           "NO_ENGINE_SUBSTITUTION"
        << "STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_AUTO_CREATE_USER,"
           "NO_ENGINE_SUBSTITUTION";
    // A combination mode would bring ANSI_QUOTES back when set again.
    QTest::newRow("ANSI") << "REAL_AS_FLOAT,PIPES_AS_CONCAT,ANSI_QUOTES,IGNORE_SPACE,ANSI"
                          << "REAL_AS_FLOAT,PIPES_AS_CONCAT,IGNORE_SPACE,STRICT_TRANS_TABLES";
    QTest::newRow("oracle") << "PIPES_AS_CONCAT,ANSI_QUOTES,IGNORE_SPACE,ORACLE,NO_KEY_OPTIONS"
                            << "PIPES_AS_CONCAT,IGNORE_SPACE,NO_KEY_OPTIONS,STRICT_TRANS_TABLES";
    QTest::newRow("not a mode name") << "STRICT_ALL_TABLES,X' OR '1" << "";
}

void SqlModeTest::pinned()
{
    QFETCH(QString, server);
    QFETCH(QString, session);
    QCOMPARE(QString::fromStdString(SqlMode::pinned(server.toStdString())), session);
}

void SqlModeTest::loginOnServer_data()
{
    QTest::addColumn<bool>("hostile");
    QTest::newRow("as installed") << false;
    QTest::newRow("ANSI_QUOTES,NO_BACKSLASH_ESCAPES") << true;
}

// A login records its session, reads server variables and stores a text that would write a
// second column if a double quote ended the literal.
void SqlModeTest::loginOnServer()
{
    REQUIRE_TEST_DATABASE();
    QFETCH(bool, hostile);
    std::optional<TestDatabase::HostileServer> server;
    if (hostile)
        server.emplace();
    const std::string serverMode =
        TestDatabase::scalar(*TestDatabase::connectAsAdmin(), "SELECT @@GLOBAL.sql_mode");
    QCOMPARE(serverMode.find("ANSI_QUOTES") != std::string::npos, hostile);
    TestDatabase::reinstall();

    auto ctx = TestDatabase::openContext();
    QVERIFY(ctx->isConnected());
    QVERIFY(ctx->session() && ctx->session()->hasId());
    QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM Session"), std::string("1"));
    const std::string mode = TestDatabase::scalar(ctx->connection(), "SELECT @@SESSION.sql_mode");
    QVERIFY2(mode.find("ANSI_QUOTES") == std::string::npos &&
                 mode.find("NO_BACKSLASH_ESCAPES") == std::string::npos &&
                 mode.find("STRICT_TRANS_TABLES") != std::string::npos,
             mode.c_str());
    QVERIFY(ctx->readServerVariable(QStringLiteral("max_allowed_packet")).toLongLong() >= 1024);

    const QString injection = QStringLiteral("x\", name = \"666\\\" OR '1'='1");
    CodeTypeController controller;
    CodeType first;
    first.setName(QStringLiteral("erster"));
    controller.insertOrUpdate(*ctx, first);
    CodeType type;
    type.setName(injection);
    controller.insertOrUpdate(*ctx, type);
    QCOMPARE(controller.readById(*ctx, type.getId())->getName(), injection);
    QCOMPARE(controller.readById(*ctx, first.getId())->getName(), QStringLiteral("erster"));
    QCOMPARE(controller.select(*ctx, {{QStringLiteral("name"), injection}}).size(), size_t(1));

    // The session is strict: the server refuses an over-long value instead of cutting it.
    mysqlpp::Query tooLong = ctx->connection().query(
        "UPDATE CodeType SET name = REPEAT('x', 5000) WHERE id = " + std::to_string(first.getId()));
    QVERIFY_THROWS_EXCEPTION(mysqlpp::BadQuery, tooLong.execute());
}

void SqlModeTest::cleanupTestCase()
{
    TestDatabase::HostileServer server;
    TestDatabase::dropKdb();
}

KALVOR_REGISTER_TEST(SqlModeTest)
#include "tst_sqlmode.moc"
