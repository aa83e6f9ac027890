// Opening a database context: accounts, data-model check, session, permission mode, settings.
#include "tst_persistence.h"

#include "AdminError.h"
#include "Clock.h"
#include "DataModel.h"
#include "DatabaseInstaller.h"
#include "TestRegistry.h"
#include "controllers/BenutzerController.h"
#include "controllers/SessionController.h"
#include "entities/DatenbankVerbindung.h"

#include <QSysInfo>
#include <QtTest>

#include <mysql++/mysql++.h>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<DatabaseContext> openAs(const char *user, const char *password)
{
    return TestDatabase::openContext(nullptr, user, password);
}

std::string sessionCount()
{
    return TestDatabase::scalar("SELECT COUNT(*) FROM Session");
}

} // namespace

class ContextTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
    }

    void accountNames()
    {
        using P = std::pair<QString, QString>;
        for (const auto &[user, account] : {P(u"root"_s, u"root"_s), P(u"anna"_s, u"kdb_anna"_s),
                                            P(u"Root"_s, u"kdb_Root"_s), P(QString(), u"kdb_"_s)})
            QCOMPARE(DatabaseContext::accountName(user), account);
    }

    void openRecordsSession()
    {
        const QString socket = QString::fromStdString(TestDatabase::socketAddress().socket);
        auto login = std::make_unique<DatenbankVerbindung>();
        login->setBenutzername(u"root"_s);
        login->setPassword(QString::fromStdString(TestDatabase::adminPassword()));
        login->setConnectionURL(socket);
        login->setDbName(u"andere"_s);
        DatabaseContext ctx(
            std::move(login), nullptr,
            std::make_shared<FixedClock>(QDateTime(QDate(2026, 12, 6), QTime(9, 15, 0, 345))));
        QCOMPARE(ctx.connectionRecord().getDbName(), u"kdb"_s);
        QCOMPARE(ctx.benutzer()->getBenutzername(), u"root"_s);
        QVERIFY(ctx.isConnected() && !ctx.permissionChecksActive());

        const auto stored = SessionController().readById(ctx, ctx.session()->getId());
        QCOMPARE(stored->getStart_tist(), QDateTime(QDate(2026, 12, 6), QTime(9, 15, 0)));
        QVERIFY(!stored->hasEnd_tist() && !stored->hasRetCode() && !stored->hasRetMessage());
        QCOMPARE(
            QStringList({stored->getDataModelVersion(), stored->getDmgenVersion(),
                         stored->getProgramVersion(), stored->getBenutzername(),
                         stored->getHostname(), stored->getConnectionURL(), stored->getOstype()}),
            QStringList({ctx.dataModel().version(), ctx.dataModel().generatorVersion(),
                         ctx.programVersion(), u"root"_s, QSysInfo::machineHostName(), socket,
                         u"Linux"_s}));
        QVERIFY(stored->getOsversion().contains(QSysInfo::kernelVersion()));

        // A worker's context takes over the session instead of recording one.
        const std::string before = sessionCount();
        DatabaseContext worker(
            std::make_unique<DatenbankVerbindung>(ctx.connectionRecord().toMap()), ctx.session());
        QCOMPARE(worker.session()->getId(), ctx.session()->getId());
        QCOMPARE(sessionCount(), before);
    }

    // The user row is found by its exact name (an underscore is no wildcard).
    void userAccountsAndLookup()
    {
        auto root = TestDatabase::openContext();
        for (const char *name : {"anna", "an_a"}) {
            TestDatabase::createAccount(name, std::string("pw-") + name);
            Benutzer user;
            user.setBenutzername(QString::fromLatin1(name));
            BenutzerController().insertOrUpdate(*root, user);
        }
        auto ctx = openAs("an_a", "pw-an_a");
        QCOMPARE(ctx->benutzer()->getBenutzername(), u"an_a"_s);
        QCOMPARE(TestDatabase::scalar(ctx->connection(), "SELECT CURRENT_USER()"),
                 std::string("kdb_an_a@localhost"));
        QVERIFY(ctx->permissionChecksActive());

        TestDatabase::createAccount("niemand", "pw");
        QVERIFY(!openAs("niemand", "pw")->benutzer());
        QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception, openAs("anna", "falsch"));
        QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception, openAs("unbekannt", "pw"));
    }

    void permissionMode_data()
    {
        const QString keine = u"UPDATE GlobaleEinstellung SET codeValue = (SELECT v.id FROM "
                              "CodeValue v, CodeType t WHERE v.type = t.id AND t.name = "
                              "'DatenBerechtigungsModus' AND v.name = 'KEINE')"_s;
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<bool>("active");
        QTest::newRow("seeded PRUEFEN") << QStringList() << true;
        QTest::newRow("KEINE") << QStringList(keine) << false;
        QTest::newRow("no setting") << QStringList(u"DELETE FROM GlobaleEinstellung"_s) << true;
        QTest::newRow("two settings")
            << QStringList({keine, u"INSERT INTO GlobaleEinstellung (name, codeValue) SELECT "
                                   "name, codeValue FROM GlobaleEinstellung"_s})
            << true;
        QTest::newRow("no value") << QStringList(
                                         u"UPDATE GlobaleEinstellung SET codeValue = NULL"_s)
                                  << true;
    }

    // Checks are off only for a single, valid KEINE setting, and never apply to root.
    void permissionMode()
    {
        QFETCH(QStringList, setup);
        QFETCH(bool, active);
        TestDatabase::reinstall();
        TestDatabase::createAccount("anna", "pw-anna");
        for (const QString &sql : setup)
            TestDatabase::run(sql.toStdString());
        QCOMPARE(openAs("anna", "pw-anna")->permissionChecksActive(), active);
        QVERIFY(!TestDatabase::openContext()->permissionChecksActive());
    }

    void damagedDataModelInfo_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("installer"); // part of the message of kalvor-admin db check
        QTest::addColumn<QStringList>("refusal");
        const QStringList broken = {
            u"Interner Fehler"_s,
            u"Die Datenbanktabelle, die Informationen ueber das Datenmodell bereitstellt hat hat "
            "einen fehlerhaften Inhalt.  Bitte kontaktieren Sie ihren Administrator."_s};
        QTest::newRow("two rows") << "INSERT INTO DataModelInfo (version) VALUES ('1.37')"
                                  << "2 rows" << broken;
        QTest::newRow("no row") << "DELETE FROM DataModelInfo"
                                << "0 rows" << broken;
        QTest::newRow("null version") << "UPDATE DataModelInfo SET version = NULL"
                                      << "no version" << broken;
        QTest::newRow("older version")
            << "UPDATE DataModelInfo SET version = '1.36'"
            << "1.36"
            << QStringList({u"Falsches Datenmodell"_s,
                            u"Die vorliegende Programmversion benoetigt ein Datenmodell der "
                            "Version 1.37, das auf der Datenbank vorliegende Datenmodell hat aber "
                            "Version 1.36. Verwenden Sie eine veraltete Programmversion? \n\nBitte "
                            "kontaktieren Sie noetigenfalls Ihren Administrator."_s});
    }

    // The installer reports the damage; a context refuses it before recording a session.
    void damagedDataModelInfo()
    {
        QFETCH(QString, damage);
        QFETCH(QString, installer);
        QFETCH(QStringList, refusal);
        TestDatabase::reinstall();
        TestDatabase::run(damage.toStdString());
        QString reported;
        try {
            reported = QString::fromStdString(
                DatabaseInstaller(*TestDatabase::connectAsAdmin()).installedVersion());
        } catch (const AdminError &error) {
            reported = QString::fromUtf8(error.what());
        }
        QVERIFY2(reported.contains(installer), qPrintable(reported));
        const std::string sessions = sessionCount();
        QCOMPARE(persistenceFailure([] { TestDatabase::openContext(); }), refusal);
        QCOMPARE(sessionCount(), sessions);
        TestDatabase::reinstall();
    }

    void serverVariables()
    {
        RecordingContext db;
        QVERIFY((*db).readServerVariable(u"max_allowed_packet"_s).toLongLong() >= 1024);
        QCOMPARE(db.last().query, u"SHOW VARIABLES LIKE \\\"max_allowed_packet\\\""_s);
        const std::string many = TestDatabase::scalar(
            (*db).connection(), "SELECT COUNT(*) FROM information_schema.SESSION_VARIABLES "
                                "WHERE VARIABLE_NAME LIKE 'max%'");
        for (const auto &variable : {std::pair(u"keine_solche_variable"_s, std::string("0")),
                                     std::pair(u"max%"_s, many)}) {
            QCOMPARE(persistenceFailure([&] { (*db).readServerVariable(variable.first); }),
                     QStringList({u"Interner Datenbankfehler"_s,
                                  u"Bei der Abfrage der MySQL-Einstellung %1 wurden %2 Werte "
                                  "zurückgegeben.  Erwartet wurde genau einer."_s.arg(
                                      variable.first, QString::fromStdString(variable.second))}));
        }
    }

    // A device belongs to one juror and a juror has one device.
    void keyboardAssignment()
    {
        auto ctx = TestDatabase::openContext();
        ctx->assignKeyboard(1, 100);
        ctx->assignKeyboard(2, 200);
        QVERIFY(ctx->hasKeyboard(1) && ctx->hasDevice(100));
        QCOMPARE(ctx->jurorForDevice(200), 2);
        ctx->assignKeyboard(2, 100);
        QVERIFY(!ctx->hasKeyboard(1) && !ctx->hasDevice(200));
        QCOMPARE(ctx->deviceForJuror(2), 100);
        QCOMPARE(ctx->jurorForDevice(100), 2);
        ctx->unassignJuror(2);
        ctx->unassignJuror(3);
        QVERIFY(!ctx->hasKeyboard(2) && !ctx->hasDevice(100));
    }
};

KALVOR_REGISTER_TEST(ContextTest)

#include "tst_context.moc"
