#include "tst_persistence.h"

#include "TestRegistry.h"

#include "Clock.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "TestDatabase.h"
#include "controllers/BenutzerController.h"
#include "controllers/GlobaleEinstellungController.h"
#include "controllers/SessionController.h"
#include "entities/DataModelInfo.h"
#include "entities/DatenbankVerbindung.h"

#include <QSysInfo>
#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

using TestDatabase::run;


std::unique_ptr<DatabaseContext> openAs(const QString &user, const QString &password)
{
    return TestDatabase::openContext(nullptr, user.toStdString(), password.toStdString());
}

} // namespace

void ContextTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
}

void ContextTest::accountNames_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("account");
    QTest::newRow("root") << QStringLiteral("root") << QStringLiteral("root");
    QTest::newRow("other") << QStringLiteral("anna") << QStringLiteral("kdb_anna");
    QTest::newRow("not quite root") << QStringLiteral("Root") << QStringLiteral("kdb_Root");
    QTest::newRow("empty") << QString() << QStringLiteral("kdb_");
}

void ContextTest::accountNames()
{
    QFETCH(QString, user);
    QFETCH(QString, account);
    QCOMPARE(DatabaseContext::accountName(user), account);
}

void ContextTest::openRecordsSession()
{
    const QDateTime start(QDate(2026, 12, 6), QTime(9, 15, 0, 345));
    auto login = std::make_unique<DatenbankVerbindung>();
    login->setBenutzername(QStringLiteral("root"));
    login->setPassword(QString::fromStdString(TestDatabase::adminPassword()));
    login->setConnectionURL(QString::fromStdString(TestDatabase::socketAddress().socket));
    login->setDbName(QStringLiteral("andere"));
    DatabaseContext ctx(std::move(login), nullptr, std::make_shared<FixedClock>(start));

    QVERIFY(ctx.isConnected());
    QCOMPARE(ctx.connectionRecord().getDbName(), QStringLiteral("kdb"));
    QCOMPARE(ctx.programVersion(), QStringLiteral("1.37.20"));
    QCOMPARE(ctx.dataModelInfo()->getVersion(), QStringLiteral("1.37"));
    QVERIFY(ctx.benutzer());
    QCOMPARE(ctx.benutzer()->getBenutzername(), QStringLiteral("root"));
    QCOMPARE(ctx.pictureDirectory(), QDir::current());
    QVERIFY(!ctx.permissionChecksActive());

    QVERIFY(ctx.session() && ctx.session()->hasId());
    const auto stored = SessionController().readById(ctx, ctx.session()->getId());
    QVERIFY(stored);
    QCOMPARE(stored->getStart_tist(), QDateTime(QDate(2026, 12, 6), QTime(9, 15, 0)));
    QVERIFY(!stored->hasEnd_tist());
    QVERIFY(!stored->hasImport_tist());
    QVERIFY(!stored->hasRetCode());
    QVERIFY(!stored->hasRetMessage());
    QCOMPARE(stored->getDataModelVersion(), QStringLiteral("1.37"));
    QCOMPARE(stored->getDmgenVersion(), QStringLiteral("0.8"));
    QCOMPARE(stored->getProgramVersion(), QStringLiteral("1.37.20"));
    QCOMPARE(stored->getBenutzername(), QStringLiteral("root"));
    QCOMPARE(stored->getHostname(), QSysInfo::machineHostName());
    QCOMPARE(stored->getConnectionURL(),
             QString::fromStdString(TestDatabase::socketAddress().socket));
    QCOMPARE(stored->getOstype(), QStringLiteral("Linux"));
    QVERIFY(stored->getOsversion().contains(QSysInfo::kernelVersion()));

    // A worker's context takes over the session instead of recording one.
    const std::string before = TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                                    "SELECT COUNT(*) FROM Session");
    auto workerLogin = std::make_unique<DatenbankVerbindung>(ctx.connectionRecord().toMap());
    DatabaseContext worker(std::move(workerLogin), ctx.session());
    QCOMPARE(worker.session()->getId(), ctx.session()->getId());
    QCOMPARE(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                  "SELECT COUNT(*) FROM Session"),
             before);
}

void ContextTest::userAccountsAndLookup()
{
    TestDatabase::createAccount("anna", "pw-anna");
    TestDatabase::createAccount("an_a", "pw-an_a");
    auto root = TestDatabase::openContext();
    for (const char *name : {"anna", "an_a"}) {
        Benutzer user;
        user.setBenutzername(QString::fromLatin1(name));
        user.setGuiBenutzer(true);
        BenutzerController().insertOrUpdate(*root, user);
    }

    auto ctx = openAs(QStringLiteral("an_a"), QStringLiteral("pw-an_a"));
    QVERIFY(ctx->benutzer());
    QCOMPARE(ctx->benutzer()->getBenutzername(), QStringLiteral("an_a"));
    QCOMPARE(TestDatabase::scalar(ctx->connection(), "SELECT CURRENT_USER()"),
             std::string("kdb_an_a@localhost"));
    QVERIFY(ctx->permissionChecksActive());

    TestDatabase::createAccount("niemand", "pw");
    QVERIFY(!openAs(QStringLiteral("niemand"), QStringLiteral("pw"))->benutzer());

    QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception,
                             openAs(QStringLiteral("anna"), QStringLiteral("falsch")));
    QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception,
                             openAs(QStringLiteral("unbekannt"), QStringLiteral("pw")));
}

void ContextTest::permissionMode_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("active");
    QTest::newRow("seeded PRUEFEN") << QString() << true;
    QTest::newRow("KEINE") << QStringLiteral("KEINE") << false;
    QTest::newRow("no setting") << QStringLiteral("-") << true;
    QTest::newRow("two settings") << QStringLiteral("KEINE KEINE") << true;
    QTest::newRow("no value") << QStringLiteral("NULL") << true;
}

void ContextTest::permissionMode()
{
    QFETCH(QString, setting);
    QFETCH(bool, active);
    TestDatabase::reinstall();
    TestDatabase::createAccount("anna", "pw-anna");
    const std::string keine =
        "(SELECT v.id FROM CodeValue v, CodeType t WHERE v.type = t.id AND t.name = "
        "'DatenBerechtigungsModus' AND v.name = 'KEINE')";
    if (setting == QLatin1String("KEINE")) {
        run("UPDATE GlobaleEinstellung SET codeValue = " + keine);
    } else if (setting == QLatin1String("-")) {
        run("DELETE FROM GlobaleEinstellung");
    } else if (setting == QLatin1String("KEINE KEINE")) {
        run("UPDATE GlobaleEinstellung SET codeValue = " + keine);
        run("INSERT INTO GlobaleEinstellung (name, codeValue) SELECT name, codeValue FROM "
            "GlobaleEinstellung");
    } else if (setting == QLatin1String("NULL")) {
        run("UPDATE GlobaleEinstellung SET codeValue = NULL");
    }
    QCOMPARE(openAs(QStringLiteral("anna"), QStringLiteral("pw-anna"))->permissionChecksActive(),
             active);
    QVERIFY(!TestDatabase::openContext()->permissionChecksActive()); // never for root
}

void ContextTest::dataModelCheck_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString broken = QStringLiteral(
        "Die Datenbanktabelle, die Informationen ueber das Datenmodell bereitstellt hat hat einen "
        "fehlerhaften Inhalt.  Bitte kontaktieren Sie ihren Administrator.");
    QTest::newRow("two rows") << QStringLiteral("INSERT INTO DataModelInfo (version) VALUES ('1.37')")
                              << QStringLiteral("Interner Fehler") << broken;
    QTest::newRow("no row") << QStringLiteral("DELETE FROM DataModelInfo")
                            << QStringLiteral("Interner Fehler") << broken;
    QTest::newRow("null version") << QStringLiteral("UPDATE DataModelInfo SET version = NULL")
                                  << QStringLiteral("Interner Fehler") << broken;
    QTest::newRow("older version")
        << QStringLiteral("UPDATE DataModelInfo SET version = '1.36'")
        << QStringLiteral("Falsches Datenmodell")
        << QStringLiteral("Die vorliegende Programmversion benoetigt ein Datenmodell der Version "
                          "1.37, das auf der Datenbank vorliegende Datenmodell hat aber Version "
                          "1.36. Verwenden Sie eine veraltete Programmversion? \n\nBitte "
                          "kontaktieren Sie noetigenfalls Ihren Administrator.");
}

void ContextTest::dataModelCheck()
{
    QFETCH(QString, damage);
    QFETCH(QString, title);
    QFETCH(QString, text);
    TestDatabase::reinstall();
    run(damage.toStdString());
    const std::string sessions = TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                                      "SELECT COUNT(*) FROM Session");
    try {
        TestDatabase::openContext();
        QFAIL("the damaged data model went unnoticed");
    } catch (const PersistenceException &error) {
        QCOMPARE(error.shortText(), title);
        QCOMPARE(error.longText(), text);
    }
    QCOMPARE(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                  "SELECT COUNT(*) FROM Session"),
             sessions);
    TestDatabase::reinstall();
}

void ContextTest::serverVariables()
{
    auto ctx = TestDatabase::openContext();
    std::vector<QueryReport> reports;
    ctx->setQueryObserver([&](const QueryReport &report) { reports.push_back(report); });
    QVERIFY(ctx->readServerVariable(QStringLiteral("max_allowed_packet")).toLongLong() >= 1024);
    QCOMPARE(reports.back().query,
             QStringLiteral("SHOW VARIABLES LIKE \\\"max_allowed_packet\\\""));

    const auto expectFailure = [&](const QString &name, const QString &text) {
        try {
            ctx->readServerVariable(name);
            QFAIL("no failure");
        } catch (const PersistenceException &error) {
            QCOMPARE(error.shortText(), QStringLiteral("Interner Datenbankfehler"));
            QCOMPARE(error.longText(), text);
        }
    };
    expectFailure(QStringLiteral("keine_solche_variable"),
                  QStringLiteral("Bei der Abfrage der MySQL-Einstellung keine_solche_variable "
                                 "wurden 0 Werte zurückgegeben.  Erwartet wurde genau einer."));
    const int many = std::stoi(TestDatabase::scalar(
        ctx->connection(), "SELECT COUNT(*) FROM information_schema.SESSION_VARIABLES WHERE "
                           "VARIABLE_NAME LIKE 'max%'"));
    expectFailure(QStringLiteral("max%"),
                  QStringLiteral("Bei der Abfrage der MySQL-Einstellung max% wurden %1 Werte "
                                 "zurückgegeben.  Erwartet wurde genau einer.")
                      .arg(many));
}

void ContextTest::keyboardAssignment()
{
    auto ctx = TestDatabase::openContext();
    ctx->assignKeyboard(1, 100);
    ctx->assignKeyboard(2, 200);
    QVERIFY(ctx->hasKeyboard(1) && ctx->hasDevice(100));
    QCOMPARE(ctx->jurorForDevice(200), 2);

    ctx->assignKeyboard(2, 100); // the device moves; juror 2 gives up device 200
    QVERIFY(!ctx->hasKeyboard(1));
    QVERIFY(!ctx->hasDevice(200));
    QCOMPARE(ctx->deviceForJuror(2), 100);
    QCOMPARE(ctx->jurorForDevice(100), 2);

    ctx->unassignJuror(2);
    ctx->unassignJuror(3);
    QVERIFY(!ctx->hasKeyboard(2));
    QVERIFY(!ctx->hasDevice(100));
}

void ContextTest::codesAreLoaded()
{
    auto ctx = TestDatabase::openContext();
    CodeManager &codes = ctx->codeManager();
    const auto states = codes.getCodeValues(QStringLiteral("DurchgangsStatus"));
    QCOMPARE(states.size(), size_t(3));
    QCOMPARE(states.front()->getName(), QStringLiteral("ANGELEGT"));
    const qlonglong roundCreated = codes.idOf(QStringLiteral("DurchgangsStatus"),
                                              QStringLiteral("ANGELEGT"));
    const qlonglong competitionCreated = codes.idOf(QStringLiteral("WettbewerbsStatus"),
                                                    QStringLiteral("ANGELEGT"));
    QVERIFY(roundCreated > 0 && competitionCreated > 0 && roundCreated != competitionCreated);
    QVERIFY(codes.isCodeValue(competitionCreated, QStringLiteral("WettbewerbsStatus"),
                              QStringLiteral("ANGELEGT")));
    QVERIFY(!codes.isCodeValue(roundCreated, QStringLiteral("WettbewerbsStatus"),
                               QStringLiteral("ANGELEGT")));
    QVERIFY(!codes.getCodeValue(QStringLiteral("Jugend"), QStringLiteral("ja")));
    QCOMPARE(codes.getCodeValueById(roundCreated)->getName(), QStringLiteral("ANGELEGT"));
    QVERIFY(!codes.getCodeValueById(-5));
    QVERIFY(codes.getCodeValues(QStringLiteral("GibtEsNicht")).empty());
}

KALVOR_REGISTER_TEST(ContextTest)
