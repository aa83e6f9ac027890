#include "tst_persistence.h"

#include "TestRegistry.h"

#include "AdminError.h"
#include "DataModel.h"
#include "DatabaseInstaller.h"
#include "TestDatabase.h"
#include "entities/AllEntities.h"

#include <QRegularExpression>
#include <QtTest>

#include <mysql++/mysql++.h>

#include <set>
#include <sstream>

namespace {

QStringList names(const QList<const AttributeDescription *> &attributes)
{
    QStringList result;
    for (const AttributeDescription *attribute : attributes)
        result << attribute->codeName();
    return result;
}

// The column type the server reports for a declared SQL type.
QString serverColumnType(const QString &declared)
{
    if (declared == QLatin1String("bool"))
        return QStringLiteral("tinyint(1)");
    if (declared == QLatin1String("bigint"))
        return QStringLiteral("bigint(20)");
    if (declared == QLatin1String("int"))
        return QStringLiteral("int(11)");
    return declared;
}

std::vector<mysqlpp::Row> rows(mysqlpp::Connection &connection, const std::string &sql)
{
    mysqlpp::Query query = connection.query(sql);
    const mysqlpp::StoreQueryResult result = query.store();
    return std::vector<mysqlpp::Row>(result.begin(), result.end());
}

QString text(const mysqlpp::Row &row, int column)
{
    if (row[column].is_null())
        return QString();
    return QString::fromUtf8(row[column].data(), int(row[column].length()));
}

} // namespace

void SchemaTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
}

void SchemaTest::registryShape()
{
    const DataModel model;
    QCOMPARE(model.version(), QStringLiteral("1.37"));
    QCOMPARE(model.generatorVersion(), QStringLiteral("0.8"));
    QCOMPARE(model.entities().size(), 36);
    QCOMPARE(model.entities().first()->codeName(), QStringLiteral("Persistent"));
    QCOMPARE(model.entities().last()->codeName(), QStringLiteral("EventLogSettings"));

    const EntityDescription *mitglied = model.entity(QStringLiteral("Mitglied"));
    QVERIFY(mitglied);
    QCOMPARE(mitglied->base()->codeName(), QStringLiteral("Person"));
    QVERIFY(mitglied->base()->isAbstract());
    QVERIFY(mitglied->isOrDerivesFrom(QStringLiteral("Persistent")));
    QVERIFY(!mitglied->isOrDerivesFrom(QStringLiteral("Verein")));
    QVERIFY(mitglied->privilegesChecked());
    QCOMPARE(mitglied->attributeCount(), 3 + 14 + 10);
    QCOMPARE(names(mitglied->allAttributes()).mid(0, 4),
             QStringList({QStringLiteral("id"), QStringLiteral("create_tist"),
                          QStringLiteral("mut_tist"), QStringLiteral("datumGeburt")}));
    QVERIFY(!mitglied->attribute(QStringLiteral("datumGeburtInput"))); // not persisted
    QCOMPARE(mitglied->attribute(QStringLiteral("vorname"))->entity()->codeName(),
             QStringLiteral("Person"));
    QCOMPARE(names(mitglied->foreignKeyAttributes()),
             QStringList({QStringLiteral("staat"), QStringLiteral("verein"),
                          QStringLiteral("mitgliedsArt"), QStringLiteral("jugend"),
                          QStringLiteral("hoechsterTitel")}));

    const AttributeDescription *staat = mitglied->attribute(QStringLiteral("staat"));
    QCOMPARE(staat->referencedEntity(), model.entity(QStringLiteral("CodeValue")));
    QCOMPARE(staat->codeType(), QStringLiteral("qlonglong"));
    QCOMPARE(staat->dbType(), QStringLiteral("bigint"));
    QVERIFY(staat->isIndexed());
    QCOMPARE(staat->indexPrefixLength(), -1);
    QVERIFY(model.entity(QStringLiteral("Persistent"))->ownAttributes().first()->isPrimaryKey());
    QCOMPARE(model.entity(QStringLiteral("QueryLog"))
                 ->attribute(QStringLiteral("execution_tist"))
                 ->dbModifiers(),
             QStringLiteral("NULL DEFAULT NULL"));
    QVERIFY(model.entity(QStringLiteral("DatenbankVerbindung"))->isAbstract());

    // Every attribute's row addresses the same attribute in the generated class.
    for (const EntityDescription *entity : model.entities()) {
        for (const AttributeDescription *attribute : entity->allAttributes()) {
            QCOMPARE(QString::fromLatin1(entity->classInfo().slotAt(attribute->row()).name),
                     attribute->codeName());
        }
    }
}

void SchemaTest::importExportKeys_data()
{
    QTest::addColumn<QString>("entity");
    QTest::addColumn<QString>("key");
    const char *keys[][2] = {
        {"Persistent", ""},
        {"DataModelInfo", ""},
        {"Session", "benutzername,hostname,connectionURL,start_tist"},
        {"GlobaleEinstellung", "name"},
        {"CodeType", "name"},
        {"CodeValue", "type,name"},
        {"Verein", "vereinsNummerKomplett"},
        {"Person", ""},
        {"Mitglied", "mitgliedsNummerSchluessel"},
        {"FotographischerTitel", "mitglied,titel,art"},
        {"Funktionstraeger", "funktion,mitglied,verein"},
        {"Wettbewerb", "nummer"},
        {"WettbewerbsTeilnahme", "mitglied,wettbewerb"},
        {"ExternerJuror", "nummer"},
        {"JuriertBei", "wettbewerb,mitglied,externerJuror"},
        {"SpartenJurierung", "juriertBei,sparte"},
        {"Sparte", "wettbewerb,name"},
        {"Bild", "bildDaten"},
        {"BildDaten", "nummer"},
        {"Jurierung", "wettbewerb"},
        {"Durchgang", "jurierung,art,sparte,jugend"},
        {"Wertung", "durchgang,bild"},
        {"EinzelWertung", "wertung,juror"},
        {"StatistikData", "wettbewerb,label"},
        {"TeilnehmerWertung", "wettbewerbsTeilnahme,sparte"},
        {"TeilnehmerKombinationsWertung", "wettbewerbsTeilnahme"},
        {"VereinsWertung", "wettbewerb,verein,sparte,jugend"},
        {"VereinsKombinationsWertung", "wettbewerb,verein,jugend"},
        {"Benutzer", "benutzername"},
        {"DatenbankVerbindung", ""},
        {"VereinsDatenBerechtigung", "benutzer,verein,ausdehnung,art,objektTyp"},
        {"QueryLog", ""},
        {"QueryLogSettings", "queryType,entity"},
        {"EventLogCategory", "name"},
        {"EventLog", ""},
        {"EventLogSettings", "category,location,level,levelOperand"},
    };
    for (const auto &row : keys)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void SchemaTest::importExportKeys()
{
    QFETCH(QString, entity);
    QFETCH(QString, key);
    const DataModel model;
    const EntityDescription *description = model.entity(entity);
    QVERIFY(description);
    QCOMPARE(names(description->impExpKey()).join(QLatin1Char(',')), key);
    QCOMPARE(description->hasImpExpKey(), !key.isEmpty());
}

void SchemaTest::printOut()
{
    const DataModel model;
    std::ostringstream out;
    model.print(out);
    const QStringList lines = QString::fromStdString(out.str()).split(QLatin1Char('\n'));
    QCOMPARE(lines.first(),
             QStringLiteral("Datamodel (version = 1.37, generated by dmgen version 0.8 is:"));
    QVERIFY(lines.contains(QStringLiteral(
        "  Abstract entity (baseclass: none) with dbname Persistent and codename Persistent, "
        "privileges are  not  checked, having ")));
    QVERIFY(lines.contains(QStringLiteral(
        "   entity (baseclass: Persistent) with dbname Verein and codename Verein, "
        "privileges are  checked, having ")));
    QVERIFY(lines.contains(QStringLiteral(
        "    Primary key attribute with dbtype bigint, dbname id and dbModifiers , codetype "
        "qlonglong, codename id, index 0, indexPrefixLength -1")));
    QVERIFY(lines.contains(QStringLiteral(
        "    Foreign key attribute to Entity Verein with dbname dachverband and dbModifiers , "
        "codetype qlonglong, codename dachverband, index 1, indexPrefixLength -1")));
    QVERIFY(lines.contains(QStringLiteral(
        "    Attribute with dbtype timestamp, dbname import_tist and dbModifiers NULL DEFAULT "
        "NULL, codetype QDateTime, codename import_tist, index 0, indexPrefixLength -1")));
    QCOMPARE(lines.count(QStringLiteral(
                 "    ImpExpKey of this entity contains the following attributes:")),
             36);
}

void SchemaTest::tablesMatchRegistry()
{
    const DataModel model;
    auto connection = TestDatabase::connectAsAdmin();

    std::set<QString> expectedTables;
    for (const EntityDescription *entity : model.entities()) {
        if (entity->isAbstract())
            continue;
        expectedTables.insert(entity->dbName());
        const auto columns = rows(
            *connection,
            "SELECT COLUMN_NAME, COLUMN_TYPE, IS_NULLABLE, EXTRA, COLUMN_DEFAULT "
            "FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = 'kdb' AND TABLE_NAME = '" +
                entity->dbName().toStdString() + "' ORDER BY ORDINAL_POSITION");
        const auto attributes = entity->allAttributes();
        QCOMPARE(int(columns.size()), int(attributes.size()));
        for (int i = 0; i < attributes.size(); ++i) {
            const AttributeDescription *attribute = attributes[i];
            const QString where = entity->dbName() + QLatin1Char('.') + attribute->dbName();
            QCOMPARE(text(columns[size_t(i)], 0), attribute->dbName());
            QVERIFY2(text(columns[size_t(i)], 1) == serverColumnType(attribute->dbType()),
                     qPrintable(where + QLatin1Char(' ') + text(columns[size_t(i)], 1)));
            if (attribute->isPrimaryKey()) {
                QCOMPARE(text(columns[size_t(i)], 2), QStringLiteral("NO"));
                QCOMPARE(text(columns[size_t(i)], 3), QStringLiteral("auto_increment"));
            } else {
                QVERIFY2(text(columns[size_t(i)], 2) == QLatin1String("YES"), qPrintable(where));
                // The server never fills or changes a column by itself.
                QVERIFY2(text(columns[size_t(i)], 3).isEmpty(), qPrintable(where));
                QVERIFY2(text(columns[size_t(i)], 4).isEmpty() ||
                             text(columns[size_t(i)], 4) == QLatin1String("NULL"),
                         qPrintable(where));
            }
            if (attribute->isForeignKey()) {
                const std::string indexed = TestDatabase::scalar(
                    *connection,
                    "SELECT COUNT(*) FROM information_schema.STATISTICS WHERE TABLE_SCHEMA = "
                    "'kdb' AND TABLE_NAME = '" + entity->dbName().toStdString() +
                        "' AND COLUMN_NAME = '" + attribute->dbName().toStdString() +
                        "' AND SEQ_IN_INDEX = 1");
                QVERIFY2(indexed != "0", qPrintable(where + QStringLiteral(" is not indexed")));
            }
        }
    }

    const auto tables = rows(*connection, "SELECT TABLE_NAME, ENGINE, TABLE_COLLATION FROM "
                                          "information_schema.TABLES WHERE TABLE_SCHEMA = 'kdb'");
    QCOMPARE(tables.size(), expectedTables.size());
    for (const mysqlpp::Row &row : tables) {
        QVERIFY2(expectedTables.count(text(row, 0)), qPrintable(text(row, 0)));
        QCOMPARE(text(row, 1), QStringLiteral("InnoDB"));
        QVERIFY(text(row, 2).startsWith(QLatin1String("utf8mb4")));
    }
}

void SchemaTest::serverLeavesTimestampsAlone()
{
    auto connection = TestDatabase::connectAsAdmin("kdb");
    mysqlpp::Query insert = connection->query(
        "INSERT INTO QueryLog (query) VALUES ('SELECT 1')");
    insert.execute();
    const std::string id = std::to_string(insert.insert_id());
    const auto row = rows(*connection, "SELECT create_tist, mut_tist, import_tist, "
                                       "execution_tist FROM QueryLog WHERE id = " + id);
    QCOMPARE(row.size(), size_t(1));
    for (int column = 0; column < 4; ++column)
        QVERIFY(row[0][column].is_null());

    connection->query("UPDATE QueryLog SET query = 'SELECT 2' WHERE id = " + id).execute();
    QCOMPARE(TestDatabase::scalar(*connection,
                                  "SELECT COUNT(*) FROM QueryLog WHERE mut_tist IS NULL AND id = " +
                                      id),
             std::string("1"));
}

void SchemaTest::seedContent_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("values");
    const auto list = [](const char *text) {
        return QString::fromLatin1(text).split(QLatin1Char(' '));
    };
    QTest::newRow("WettbewerbsStatus")
        << QStringLiteral("WettbewerbsStatus")
        << list("ANGELEGT BILDERANNAHME ANNAHMESCHLUSS_VERSTRICHEN WERTUNG_LAEUFT "
                "WERTUNG_ABGESCHLOSSEN");
    QTest::newRow("JurierungsModus") << QStringLiteral("JurierungsModus") << list("NORMAL");
    QTest::newRow("DurchgangsAnzahl") << QStringLiteral("DurchgangsAnzahl") << list("ZWEI");
    QTest::newRow("DurchgangsModus")
        << QStringLiteral("DurchgangsModus")
        << list("NUR_ERWACHSENE NUR_JUGEND ERWACHSENE_UND_JUGEND JUGEND_ALS_ERWACHSENE");
    QTest::newRow("SpartenSortierModus")
        << QStringLiteral("SpartenSortierModus") << list("ZUFAELLIG VEREIN_MITGLIED");
    QTest::newRow("DurchgangsArt")
        << QStringLiteral("DurchgangsArt")
        << list("ERSTER_DURCHGANG ZWEITER_DURCHGANG_SCHLECHTE ZWEITER_DURCHGANG_MITTLERE "
                "ZWEITER_DURCHGANG_BESTE GESAMTWERTUNG");
    QTest::newRow("DurchgangsStatus")
        << QStringLiteral("DurchgangsStatus") << list("ANGELEGT WIRD_JURIERT BEENDET");
    QTest::newRow("Jugend") << QStringLiteral("Jugend") << list("Ja Nein");
    QTest::newRow("JuriertBeiArt") << QStringLiteral("JuriertBeiArt")
                                   << list("MITGLIED EXTERNER_JUROR");
    QTest::newRow("AbrundungPunkteBeiAnnahmen")
        << QStringLiteral("AbrundungPunkteBeiAnnahmen") << list("JA");
    QTest::newRow("Mitgliedsart") << QStringLiteral("Mitgliedsart")
                                  << list("Club Nichtmitglied Landesverband Dachverband");
    QTest::newRow("Funktionstraeger") << QStringLiteral("Funktionstraeger")
                                      << list("OBMANN KASSIER EHRENMITGLIED");
    QTest::newRow("Staat") << QStringLiteral("Staat") << list("AT");
    QTest::newRow("QueryType")
        << QStringLiteral("QueryType")
        << list("SELECT INSERT UPDATE DELETE USER GRANT ATTRIBUTEPATH READ WRITE ALL");
    QTest::newRow("DatenBerechtigungsArt")
        << QStringLiteral("DatenBerechtigungsArt") << list("LESEN LESEN_UND_SCHREIBEN");
    QTest::newRow("DatenBerechtigungsObjektTyp")
        << QStringLiteral("DatenBerechtigungsObjektTyp") << list("Mitglied Verein Wettbewerb");
    QTest::newRow("VereinsDatenBerechtigungsAusdehnung")
        << QStringLiteral("VereinsDatenBerechtigungsAusdehnung")
        << list("VEREIN LANDESVERBAND DACHVERBAND");
    QTest::newRow("DatenBerechtigungsModus")
        << QStringLiteral("DatenBerechtigungsModus") << list("KEINE PRUEFEN");
}

void SchemaTest::seedContent()
{
    QFETCH(QString, type);
    QFETCH(QStringList, values);
    auto connection = TestDatabase::connectAsAdmin("kdb");
    for (const QString &value : values) {
        mysqlpp::Query query = connection->query();
        query << "SELECT v.kurzText, v.reihenfolge FROM CodeValue v, CodeType t WHERE v.type = "
                 "t.id AND BINARY t.name = "
              << mysqlpp::quote << type.toStdString() << " AND BINARY v.name = " << mysqlpp::quote
              << value.toStdString();
        const mysqlpp::StoreQueryResult result = query.store();
        QVERIFY2(result.num_rows() == 1, qPrintable(type + QLatin1Char('/') + value));
        QVERIFY(!result[0][0].is_null() && result[0][0].length() > 0);
        QVERIFY(!result[0][1].is_null());
    }
    // Per type, positions in choice lists are distinct.
    mysqlpp::Query duplicates = connection->query();
    duplicates << "SELECT COUNT(*) - COUNT(DISTINCT v.reihenfolge) FROM CodeValue v, CodeType t "
                  "WHERE v.type = t.id AND t.name = "
               << mysqlpp::quote << type.toStdString();
    QCOMPARE(std::string(duplicates.store()[0][0]), std::string("0"));
}

void SchemaTest::seedSettings()
{
    auto connection = TestDatabase::connectAsAdmin("kdb");
    const auto scalar = [&](const char *sql) { return TestDatabase::scalar(*connection, sql); };
    QCOMPARE(scalar("SELECT COUNT(*) FROM DataModelInfo"), std::string("1"));
    QCOMPARE(scalar("SELECT CONCAT(version, '/', generatorVersion) FROM DataModelInfo"),
             std::string("1.37/0.8"));
    QVERIFY(!scalar("SELECT generation_tist FROM DataModelInfo").empty());
    QCOMPARE(scalar("SELECT v.name FROM CodeValue v, CodeType t WHERE v.type = t.id AND t.name = "
                    "'Staat' ORDER BY v.reihenfolge LIMIT 1"),
             std::string("AT"));
    QVERIFY(std::stoi(scalar("SELECT COUNT(*) FROM CodeValue v, CodeType t WHERE v.type = t.id "
                             "AND t.name = 'Staat'")) >= 20);
    QVERIFY(std::stoi(scalar("SELECT COUNT(*) FROM CodeValue v, CodeType t WHERE v.type = t.id "
                             "AND t.name = 'TitelArt'")) >= 2);
    QCOMPARE(scalar("SELECT COUNT(*) FROM EventLogCategory WHERE name IN ('Dialog', "
                    "'Fehlermeldung', 'ImportExport', 'Import', 'Archive', 'Wertung', "
                    "'Ergebnisse', 'Permissions', 'Benutzer', 'Keyboards', 'Bild', 'CommandLine', "
                    "'Wettbewerb', 'Codes', 'Mitglied', 'Session', 'Debug', 'Log')"),
             std::string("18"));
    QCOMPARE(scalar("SELECT COUNT(*) FROM EventLogSettings WHERE level = 9 AND toStdOut = 1 AND "
                    "category IS NULL AND location IS NULL AND (levelOperand IS NULL OR "
                    "levelOperand IN ('>=', '='))"),
             std::string("1"));
    QCOMPARE(scalar("SELECT v.name FROM GlobaleEinstellung g, CodeValue v, CodeType t WHERE "
                    "g.codeValue = v.id AND v.type = t.id AND t.name = 'DatenBerechtigungsModus' "
                    "AND g.name = 'DatenBerechtigungsModus'"),
             std::string("PRUEFEN"));
    QCOMPARE(scalar("SELECT CONCAT(guiBenutzer, '/', COUNT(*)) FROM Benutzer WHERE benutzername = "
                    "'root'"),
             std::string("1/1"));
    QCOMPARE(scalar("SELECT COUNT(*) FROM Benutzer WHERE password IS NOT NULL"), std::string("0"));
    // Seed rows carry their timestamps like rows the program writes.
    QCOMPARE(scalar("SELECT COUNT(*) FROM CodeValue WHERE create_tist IS NULL OR mut_tist IS NULL"),
             std::string("0"));
}

void SchemaTest::installRefusesNonEmptyDatabase()
{
    auto connection = TestDatabase::connectAsAdmin();
    const std::string before =
        TestDatabase::scalar(*connection, "SELECT COUNT(*) FROM kdb.CodeValue");
    connection->query("INSERT INTO kdb.CodeType (name) VALUES ('Lokal')").execute();
    DatabaseInstaller installer(*connection);
    QVERIFY_THROWS_EXCEPTION(AdminError, installer.install());
    QCOMPARE(TestDatabase::scalar(*connection, "SELECT COUNT(*) FROM kdb.CodeType WHERE name = "
                                               "'Lokal'"),
             std::string("1"));
    QCOMPARE(TestDatabase::scalar(*connection, "SELECT COUNT(*) FROM kdb.CodeValue"), before);
    QCOMPARE(installer.installedVersion(), std::string("1.37"));
}

void SchemaTest::failedInstallLeavesNothing()
{
    // An account that may create and drop tables but not insert rows fails midway.
    auto admin = TestDatabase::connectAsAdmin();
    TestDatabase::dropKdb();
    admin->query("CREATE DATABASE kdb").execute();
    admin->query("DROP USER IF EXISTS 'kalvor_limited'@'localhost'").execute();
    admin->query("CREATE USER 'kalvor_limited'@'localhost' IDENTIFIED BY 'limited-pw'").execute();
    admin->query("GRANT CREATE, DROP, SELECT ON kdb.* TO 'kalvor_limited'@'localhost'").execute();

    {
        auto limited = connectToServer(TestDatabase::socketAddress(), "kalvor_limited",
                                       "limited-pw");
        DatabaseInstaller installer(*limited);
        try {
            installer.install();
            QFAIL("the installation should have failed");
        } catch (const AdminError &error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains(QLatin1String("INSERT")),
                     error.what());
        }
        QCOMPARE(installer.tableCount(), 0);
        QVERIFY_THROWS_EXCEPTION(AdminError, installer.installedVersion());
    }
    admin->query("DROP USER 'kalvor_limited'@'localhost'").execute();
    TestDatabase::reinstall();
}

void SchemaTest::installedVersionReportsDamage_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("message");
    QTest::newRow("two rows") << QStringLiteral(
        "INSERT INTO kdb.DataModelInfo (version) VALUES ('1.37')")
                              << QStringLiteral("2 rows");
    QTest::newRow("no version") << QStringLiteral("UPDATE kdb.DataModelInfo SET version = NULL")
                                << QStringLiteral("no version");
    QTest::newRow("no table") << QStringLiteral("DROP TABLE kdb.DataModelInfo")
                              << QStringLiteral("DataModelInfo");
    QTest::newRow("no database") << QStringLiteral("DROP DATABASE kdb")
                                 << QStringLiteral("does not exist");
}

void SchemaTest::installedVersionReportsDamage()
{
    QFETCH(QString, damage);
    QFETCH(QString, message);
    TestDatabase::reinstall();
    auto connection = TestDatabase::connectAsAdmin();
    connection->query(damage.toStdString()).execute();
    try {
        DatabaseInstaller(*connection).installedVersion();
        QFAIL("the damage went unnoticed");
    } catch (const AdminError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(message), error.what());
    }
}

void SchemaTest::cleanupTestCase()
{
    if (TestDatabase::isConfigured())
        TestDatabase::reinstall();
}

KALVOR_REGISTER_TEST(SchemaTest)
