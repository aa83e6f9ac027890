#include "Clock.h"
#include "CodeManager.h"
#include "DataExporter.h"
#include "DataImporter.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "ImportException.h"
#include "TestDatabase.h"
#include "TestRegistry.h"

#include <mysql++/mysql++.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

const QDateTime kJetzt(QDate(2026, 3, 7), QTime(9, 5, 3));
// The file the test binary imports when it runs as the child of getoetetesImport.
const char *const kKindDatei = "KALVOR_IMPORT_KIND_DATEI";

// The entities of a competition with its members and clubs, in the order they are set up.
const QStringList kTabellen = {
    "Verein", "Mitglied", "FotographischerTitel", "Funktionstraeger", "Wettbewerb", "Sparte",
    "WettbewerbsTeilnahme", "BildDaten", "Bild", "Jurierung", "Durchgang", "Wertung",
    "ExternerJuror", "JuriertBei", "SpartenJurierung", "EinzelWertung", "TeilnehmerWertung",
    "TeilnehmerKombinationsWertung", "VereinsWertung", "VereinsKombinationsWertung"};

std::string code(const char *typ, const char *wert)
{
    return std::string("(SELECT v.id FROM CodeValue v JOIN CodeType t ON v.type = t.id WHERE t.name = '") +
           typ + "' AND v.name = '" + wert + "')";
}

// A competition of a club below a parent club: two members (one a non-member), a picture
// with bytes and one without, a round whose current score points back at its scores, an
// external juror's single score, and the rows around them.
void legeWettbewerbAn()
{
    const std::string statements[] = {
        "INSERT INTO Verein (id, vereinsNummerLokal, vereinsNummerKomplett, name, inaktiv) "
        "VALUES (1, '1', '1', 'Landesverband', 0)",
        "INSERT INTO Verein (id, vereinsNummerLokal, vereinsNummerKomplett, name, inaktiv, "
        "dachverband, ort, staat) VALUES (2, '01', '101', 'Fotoklub; \"Linse\"', 0, 1, '\xc3\x96hringen', " +
            code("Staat", "AT") + ")",
        "INSERT INTO Mitglied (id, verein, mitgliedsArt, mitgliedsNummerImVerein, "
        "mitgliedsNummerKomplett, mitgliedsNummerSchluessel, jugend, vorname, nachname, "
        "datumGeburt, telefon) VALUES (10, 2, " + code("Mitgliedsart", "Club") +
            ", '7', '1017C', '1017', " + code("Jugend", "Nein") +
            ", 'Eva', 'Berg', '1980-02-03', '+43-512-123456'), (11, 2, " +
            code("Mitgliedsart", "Nichtmitglied") + ", '1000', '101N1000', '1011000', " +
            code("Jugend", "Ja") + ", 'Udo', NULL, NULL, NULL)",
        "INSERT INTO Wettbewerb (id, verein, status, name, nummer, anzahlBilderFuerWertung, "
        "anzahlSpartenFuerKombination, anzahlTeilnehmerFuerVereinsW, jugendAb) VALUES (20, 2, " +
            code("WettbewerbsStatus", "BILDERANNAHME") + ", 'Landesfotoschau', 'W1', 4, 2, 3, '2008-01-01')",
        "INSERT INTO Sparte (id, wettbewerb, name, inKombinationVerwendet, sortierModus) VALUES "
        "(30, 20, 'Natur', 1, " + code("SpartenSortierModus", "ZUFAELLIG") + ")",
        "INSERT INTO WettbewerbsTeilnahme (id, mitglied, wettbewerb) VALUES (40, 10, 20), (41, 11, 20)",
        "INSERT INTO BildDaten (id, nummer, nummerProWettbewerb, dateiname, daten) VALUES "
        "(50, '1', '1', 'Bl\xc3\xbcte.jpg', 'JPEG\\0bytes'), (51, '2', '2', 'leer.jpg', NULL)",
        "INSERT INTO Bild (id, wettbewerbsTeilnahme, sparte, bildDaten, anzahlRotierSchritte, "
        "gueltig, titel) VALUES (60, 40, 30, 50, 0, 1, 'Abend; \"rot\"'), (61, 41, 30, 51, 1, 0, 'Morgen')",
        "INSERT INTO Jurierung (id, wettbewerb, jurierungsModus, anzahlDurchgaenge) VALUES (70, 20, " +
            code("JurierungsModus", "NORMAL") + ", " + code("DurchgangsAnzahl", "ZWEI") + ")",
        "INSERT INTO Durchgang (id, jurierung, sparte, jugend, art, sortierModus, status, "
        "minBewertung, maxBewertung, minRang, aktuelleWertung) VALUES (80, 70, 30, " +
            code("Jugend", "Nein") + ", " + code("DurchgangsArt", "ERSTER_DURCHGANG") + ", " +
            code("SpartenSortierModus", "ZUFAELLIG") + ", " + code("DurchgangsStatus", "ANGELEGT") +
            ", 1, 5, 2.5, 90)",
        "INSERT INTO Wertung (id, durchgang, bild, positionImDurchgang, bewertung) VALUES "
        "(90, 80, 60, 1, 4), (91, 80, 61, 2, NULL)",
        "INSERT INTO ExternerJuror (id, nummer, vorname, mobil) VALUES (100, 'X1', 'Max', '+49-30-1234')",
        "INSERT INTO JuriertBei (id, wettbewerb, art, externerJuror, alleSparten) VALUES (110, 20, " +
            code("JuriertBeiArt", "EXTERNER_JUROR") + ", 100, 1)",
        "INSERT INTO EinzelWertung (id, wertung, juror, bewertung) VALUES (120, 90, 110, 4)",
        // A member's highest title, whose key names the member again; an official; a member
        // as juror of the category; the four kinds of results.
        "INSERT INTO FotographischerTitel (id, mitglied, titel, art, datum) VALUES (130, 10, 'EFIAP', " +
            code("TitelArt", "FIAP") + ", '2020-05-01')",
        "UPDATE Mitglied SET hoechsterTitel = 130 WHERE id = 10",
        "INSERT INTO Funktionstraeger (id, funktion, mitglied, verein, funktionsCode) VALUES "
        "(140, 'Obmann', 10, 2, " + code("Funktionstraeger", "OBMANN") + ")",
        "INSERT INTO JuriertBei (id, wettbewerb, art, mitglied, alleSparten) VALUES (111, 20, " +
            code("JuriertBeiArt", "MITGLIED") + ", 11, 0)",
        "INSERT INTO SpartenJurierung (id, juriertBei, sparte) VALUES (150, 111, 30)",
        "INSERT INTO TeilnehmerWertung (id, wettbewerb, wettbewerbsTeilnahme, jugend, sparte, verein, "
        "punkte) VALUES (160, 20, 40, " + code("Jugend", "Nein") + ", 30, 2, 12)",
        "INSERT INTO TeilnehmerKombinationsWertung (id, wettbewerb, wettbewerbsTeilnahme, jugend, "
        "verein, punkte) VALUES (161, 20, 40, " + code("Jugend", "Nein") + ", 2, 12)",
        "INSERT INTO VereinsWertung (id, wettbewerb, jugend, verein, sparte, punkte) VALUES (162, 20, " +
            code("Jugend", "Nein") + ", 2, 30, 12)",
        "INSERT INTO VereinsKombinationsWertung (id, wettbewerb, jugend, verein, punkte) VALUES (163, 20, " +
            code("Jugend", "Nein") + ", 2, 12)"};
    for (const std::string &sql : statements)
        TestDatabase::run(sql);
}

int anzahl(const QString &tabelle)
{
    return std::stoi(TestDatabase::scalar("SELECT COUNT(*) FROM " + tabelle.toStdString()));
}

QMap<QString, int> anzahlen()
{
    QMap<QString, int> result;
    for (const QString &tabelle : kTabellen)
        result.insert(tabelle, anzahl(tabelle));
    return result;
}

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A data file without the time it was written and without the columns that differ between
// databases (ids and stamps); data lines sorted.
QStringList vergleichbar(const QByteArray &datei)
{
    QStringList result;
    QList<int> weg;
    for (const QString &zeile : QString::fromUtf8(datei).split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1String("GeschriebenAm")))
            continue;
        QStringList tokens = CSVDataImporter::tokens(zeile, 0);
        if (tokens.first() == QLatin1String("Schema")) {
            weg.clear();
            for (int i = int(tokens.size()) - 1; i >= 0; --i)
                if (tokens[i] == QLatin1String("id") || tokens[i].endsWith(QLatin1String("_tist")))
                    weg << i;
        }
        if (tokens.first() == QLatin1String("Schema") || tokens.first() == QLatin1String("Daten"))
            for (int i : weg)
                tokens.removeAt(i);
        result << tokens.join(QLatin1Char('|'));
    }
    std::sort(result.begin(), result.end());
    return result;
}

} // namespace

// Importing data files: the reader, the refusals, the resolution of references by the keys
// of the rows they name, and the writing in one transaction.
class ImportTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DatabaseContext> m_ctx;
    QTemporaryDir m_dir;

    QString meta() const
    {
        return QStringLiteral("DatenmodellVersion;%1\nGeneratorVersion;%2\nGeschriebenAm;07.03.2026 09:05:03\n")
            .arg(m_ctx->dataModel().version(), m_ctx->dataModel().generatorVersion());
    }

    QString datei(const QString &text, const QString &name = QStringLiteral("import.csv")) const
    {
        const QString pfad = m_dir.filePath(name);
        QFile datei(pfad);
        datei.open(QIODevice::WriteOnly | QIODevice::Truncate);
        datei.write(text.toUtf8());
        return pfad;
    }

    void neueDatenbank()
    {
        m_ctx.reset();
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext(std::make_shared<FixedClock>(kJetzt));
    }

    // Exports the competition's tables into `verzeichnis`/daten.csv with the picture files.
    QString exportiere(const QString &verzeichnis)
    {
        QDir().mkpath(verzeichnis);
        DataSet daten;
        for (const QString &tabelle : kTabellen) {
            QList<qlonglong> ids;
            auto verbindung = TestDatabase::connectAsAdmin("kdb");
            mysqlpp::Query query = verbindung->query("SELECT id FROM " + tabelle.toStdString());
            for (const auto &zeile : query.store())
                ids << QByteArray(zeile[0].data(), int(zeile[0].length())).toLongLong();
            DataExporter::addStoredRows(*m_ctx, daten, tabelle, ids);
        }
        const QString pfad = QDir(verzeichnis).filePath(QStringLiteral("daten.csv"));
        CSVDataExporter().exportiere(*m_ctx, pfad, daten, nullptr, QDir(verzeichnis));
        return pfad;
    }

private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        if (qEnvironmentVariableIsSet(kKindDatei))
            m_ctx = TestDatabase::openContext(); // the importing child of getoetetesImport
        else
            neueDatenbank();
    }

    // Export, empty the tables, import: the same rows again; the second import of the same
    // file finds every row by its key and inserts nothing.
    void rundreise()
    {
        neueDatenbank();
        legeWettbewerbAn();
        const QMap<QString, int> vorher = anzahlen();
        const QString original = exportiere(m_dir.filePath(QStringLiteral("eins")));
        for (auto it = kTabellen.crbegin(); it != kTabellen.crend(); ++it)
            TestDatabase::run("DELETE FROM " + it->toStdString());

        CSVDataImporter importer(*m_ctx);
        QStringList status;
        importer.setStatusmeldung([&](const QString &text) { status << text; });
        const ImportResult erstes = importer.importiere(original);
        QCOMPARE(status.first(), QStringLiteral("Import begonnen"));
        QCOMPARE(status.last(), QStringLiteral("Import erfolgreich beendet"));
        QCOMPARE(anzahlen(), vorher);
        QCOMPARE(erstes.eingefuegt, 27);
        QCOMPARE(erstes.ueberschrieben, 0);

        const QString wieder = exportiere(m_dir.filePath(QStringLiteral("zwei")));
        QCOMPARE(vergleichbar(inhalt(wieder)), vergleichbar(inhalt(original)));
        QCOMPARE(inhalt(m_dir.filePath(QStringLiteral("zwei/1_Bluete.jpg"))), QByteArray("JPEG\0bytes", 10));
        // The round's current score and the club's parent were fixed after the rows were written.
        QCOMPARE(TestDatabase::scalar("SELECT w.positionImDurchgang FROM Durchgang d JOIN Wertung w ON d.aktuelleWertung = w.id"),
                 std::string("1"));
        QCOMPARE(TestDatabase::scalar("SELECT p.name FROM Verein v JOIN Verein p ON v.dachverband = p.id"),
                 std::string("Landesverband"));
        QCOMPARE(TestDatabase::scalar("SELECT t.titel FROM Mitglied m JOIN FotographischerTitel t "
                                      "ON m.hoechsterTitel = t.id AND t.mitglied = m.id"),
                 std::string("EFIAP"));

        const ImportResult zweites = importer.importiere(original);
        QCOMPARE(zweites.eingefuegt, 0);
        QCOMPARE(zweites.ueberschrieben, 27);
        QCOMPARE(anzahlen(), vorher);

        // Overwritten rows take the file's values, every column in its place.
        const QByteArray geaendert = inhalt(original).replace("Landesfotoschau", "Herbstschau").replace("Morgen", "Abend");
        QCOMPARE(importer.importiere(datei(QString::fromUtf8(geaendert), QStringLiteral("eins/geaendert.csv"))).eingefuegt, 0);
        QCOMPARE(vergleichbar(inhalt(exportiere(m_dir.filePath(QStringLiteral("drei"))))), vergleichbar(geaendert));
    }

    // The technical rows (codes as installed, settings, users and their permissions, sessions
    // and log rows) of a database read back into it: every row finds itself by its key, also
    // where a key column is empty; log rows by their content, equal ones each once.
    void technischeDatenFindenSichWieder()
    {
        neueDatenbank();
        TestDatabase::run("INSERT INTO Verein (id, vereinsNummerLokal, vereinsNummerKomplett, name, inaktiv) "
                          "VALUES (1, '1', '1', 'Klub', 0)");
        TestDatabase::run("INSERT INTO VereinsDatenBerechtigung (benutzer, verein, ausdehnung, art, objektTyp) "
                          "SELECT b.id, 1, " + code("VereinsDatenBerechtigungsAusdehnung", "VEREIN") + ", " +
                          code("DatenBerechtigungsArt", "LESEN") + ", " +
                          code("DatenBerechtigungsObjektTyp", "Mitglied") + " FROM Benutzer b");
        TestDatabase::run("INSERT INTO QueryLogSettings (queryType, entity, toStdOut, toDB) VALUES (" +
                          code("QueryType", "SELECT") + ", 'Verein', 0, 0)");
        for (const char *text : {"zweimal", "zweimal", "einmal"})
            TestDatabase::run(std::string("INSERT INTO EventLog (session, execution_tist, category, location, "
                                          "level, text) SELECT MIN(s.id), '2026-03-01 10:00:00', MIN(c.id), "
                                          "'Ort', 5, '") + text + "' FROM Session s, EventLogCategory c");
        TestDatabase::run("INSERT INTO QueryLog (session, execution_tist, numberOfRows, query, queryType) "
                          "SELECT MIN(id), '2026-03-01 10:00:01', 2, 'SELECT 1', " + code("QueryType", "SELECT") +
                          " FROM Session");
        const QStringList tabellen = {"CodeType", "CodeValue", "GlobaleEinstellung", "EventLogCategory",
                                      "EventLogSettings", "QueryLogSettings", "Benutzer",
                                      "VereinsDatenBerechtigung", "Session", "EventLog", "QueryLog"};
        DataSet daten;
        int zeilen = 0;
        auto verbindung = TestDatabase::connectAsAdmin("kdb");
        for (const QString &tabelle : tabellen) {
            QList<qlonglong> ids;
            mysqlpp::Query query = verbindung->query("SELECT id FROM " + tabelle.toStdString());
            for (const auto &zeile : query.store())
                ids << QByteArray(zeile[0].data(), int(zeile[0].length())).toLongLong();
            zeilen += int(ids.size());
            DataExporter::addStoredRows(*m_ctx, daten, tabelle, ids);
        }
        const QString pfad = m_dir.filePath(QStringLiteral("technisch.csv"));
        CSVDataExporter().exportiere(*m_ctx, pfad, daten, nullptr, QDir(m_dir.path()));
        const ImportResult ergebnis = CSVDataImporter(*m_ctx).importiere(pfad);
        QCOMPARE(ergebnis.eingefuegt, 0);
        QCOMPARE(ergebnis.ueberschrieben, zeilen);
    }

    void tokens_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("einfach") << "Daten;Verein;a" << QStringList{"Daten", "Verein", "a"};
        QTest::newRow("leere Worte") << ";a;;" << QStringList{"", "a", "", ""};
        QTest::newRow("Leerraum") << " a ; b\t" << QStringList{"a", "b"};
        QTest::newRow("Trenner in Anfuehrungszeichen") << "a;\"b; c;d\";e" << QStringList{"a", "b; c;d", "e"};
        QTest::newRow("maskierte Anfuehrungszeichen") << "a;\\\"b\\\";c" << QStringList{"a", "\"b\"", "c"};
        QTest::newRow("beides") << "\"Preis \\\"Natur\\\"; Sued\"" << QStringList{"Preis \"Natur\"; Sued"};
    }

    void tokens()
    {
        QFETCH(QString, zeile);
        QFETCH(QStringList, tokens);
        QCOMPARE(CSVDataImporter::tokens(zeile, 1), tokens);
    }

    void ungeradeAnfuehrungszeichen()
    {
        try {
            CSVDataImporter::tokens(QStringLiteral("a;\"b;c"), 7);
            QFAIL("accepted");
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, QStringLiteral("Fehlerhafte Anfuehrungszeichen in Zeile 7"));
            QVERIFY(e.meldungFuer(QStringLiteral("x.csv"))
                        .startsWith(QStringLiteral("Fehler beim Einlesen von Zeile 7 der Datei x.csv: \n\nBeim Einlesen")));
        }
    }

    void dateiNichtLesbar()
    {
        const QString pfad = m_dir.filePath(QStringLiteral("gibt/es/nicht.csv"));
        try {
            CSVDataImporter(*m_ctx).importiere(pfad);
            QFAIL("accepted");
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, QStringLiteral("Datei nicht lesbar"));
            QCOMPARE(e.meldung.text, QStringLiteral("Kann die Datei %1 nicht oeffnen.").arg(pfad));
            QCOMPARE(e.meldungFuer(QStringLiteral("x.csv")),
                     QStringLiteral("Fehler beim Einlesen der Datei x.csv: \n\nKann die Datei %1 nicht "
                                    "oeffnen.\n\nDaher konnten die Daten NICHT importiert werden.Bitte "
                                    "beheben Sie den Fehler und versuchen Sie es nochmals.")
                         .arg(pfad));
        }
    }

    void abgelehnt_data()
    {
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("text"); // checked when given
        const QString verein = QStringLiteral("Schema;Verein;vereinsNummerLokal;name;inaktiv\n");
        const QString codeValue = QStringLiteral("Schema;CodeValue;type.name;name;kurzText;globalText;reihenfolge\n");
        QTest::newRow("Zeilenart") << "Kopf;x" << "Zeile 4 der CSV-Datei ist weder Schema- noch Datenzeile" << 4 << "";
        QTest::newRow("kurze Zeile") << "Schema" << "Zeile 4 der CSV-Datei ist zu kurz" << 4 << "";
        QTest::newRow("Anfuehrungszeichen") << "Schema;CodeType;\"name" << "Fehlerhafte Anfuehrungszeichen in Zeile 4" << 4 << "";
        QTest::newRow("ohne Schema") << "Daten;CodeType;x" << "Fehlende Schemainformation" << 4
                                     << "Zur Tabelle CodeType ist keine Schemainformation vorhanden. Bitte ergaenzen Sie eine Schema-Zeile fuer diese Tabelle.";
        QTest::newRow("Schema doppelt") << "Schema;CodeType;name\nSchema;CodeType;name"
                                        << "CSV-Datei enthaelt mehrfache Schemainformation zur Entitaet CodeType" << 5 << "";
        QTest::newRow("abstrakt") << "Schema;Person;vorname" << "Import in abstrakte Entitaet nicht moeglich." << 4 << "";
        QTest::newRow("unbekannt") << "Schema;Gibts;x" << "Die Entitaet ist nicht bekannt." << 4 << "";
        QTest::newRow("Datenzeile kurz") << "Schema;CodeType;id;name\nDaten;CodeType;1" << "Datenzeile zu kurz" << 5 << "";
        QTest::newRow("Datenzeile lang") << "Schema;CodeType;name\nDaten;CodeType;a;b"
                                         << "Datenwort ohne Entsprechung im Schema" << 5 << "";
        QTest::newRow("Datum") << "Schema;ExternerJuror;nummer;datumGeburt\nDaten;ExternerJuror;X9;31.2.2020"
                               << "Datum falsch angegeben" << 5 << "";
        QTest::newRow("Wahrheitswert") << verein + "Daten;Verein;9;Klub;ja" << "Wahrheitswert falsch angegeben" << 5 << "";
        QTest::newRow("Zahl") << "Schema;Wertung;positionImDurchgang\nDaten;Wertung;1.5" << "Zahl falsch angegeben" << 5 << "";
        QTest::newRow("Pfad") << "Schema;Verein;vereinsNummerLokal;name;inaktiv;staat.kurzText\nDaten;Verein;9;Klub;false;AT"
                              << "Unbekannter Pfad gefunden" << 4 << "";
        QTest::newRow("Attribut") << verein + "Daten;Verein;9;;false" << "Attribut nicht angegeben" << 5
                                  << "Im Datensatz in Zeile 5 ist fuer das Attribut name  der Tabelle Verein kein Wert angegeben. Bitte geben Sie einen Wert an.";
        QTest::newRow("Verweis") << codeValue + "Daten;CodeValue;;X;x;x;1" << "Verweis nicht angegeben" << 5 << "";
        QTest::newRow("Juror") << "Schema;JuriertBei;wettbewerb.nummer;art.type.name;art.name\nDaten;JuriertBei;W1;JuriertBeiArt;EXTERNER_JUROR"
                               << "Verweis nicht angegeben" << 5 << "";
        QTest::newRow("nicht aufloesbar") << codeValue + "Daten;CodeValue;GibtEsNicht;X;x;x;1" << "Verweis nicht aufloesbar" << 5
                                          << "Zeile 5: Der Verweis type auf die Tabelle CodeType konnte nicht aufgeloest werden.  In der Importdatei steht folgendes: type.name=GibtEsNicht";
        QTest::newRow("Telefon") << "Schema;ExternerJuror;nummer;telefon\nDaten;ExternerJuror;X9;0512 123"
                                 << "Telefonnummer falsch angegeben." << 5 << "Die Telefonnummer 0512 123 wurde falsch angegeben.";
        QTest::newRow("Duplikat") << "Schema;CodeType;name\nDaten;CodeType;Farbe\nDaten;CodeType;Farbe"
                                  << "Datensatz nicht eindeutig" << 6 << "";
    }

    // Every refusal names its line and writes nothing.
    void abgelehnt()
    {
        QFETCH(QString, daten);
        QFETCH(QString, titel);
        QFETCH(int, zeile);
        QFETCH(QString, text);
        const int codes = anzahl(QStringLiteral("CodeType"));
        try {
            CSVDataImporter(*m_ctx).importiere(datei(meta() + daten + QLatin1Char('\n')));
            QFAIL("accepted");
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, titel);
            QCOMPARE(e.zeile, zeile);
            if (!text.isEmpty())
                QCOMPARE(e.meldung.text, text);
        }
        QCOMPARE(anzahl(QStringLiteral("CodeType")), codes);
    }

    void metaInformationen_data()
    {
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        const QString v = QStringLiteral("DatenmodellVersion;%1\n").arg(DataModel().version());
        const QString g = QStringLiteral("GeneratorVersion;x\n");
        const QString z = QStringLiteral("GeschriebenAm;07.03.2026 09:05:03\n");
        QTest::newRow("ohne Zeitstempel") << v + g << "Fehlende Zeile"
                                          << "Es muss in der CSV-Datei genau eine Zeile geben, die mit dem Schluesselwort GeschriebenAm beginnt.  Diese fehlt.";
        QTest::newRow("doppelt") << v + g + g + z << "Doppelte Zeile"
                                 << "Es darf in der CSV-Datei nur genau eine Zeile geben, die mit dem Schluesselwort GeneratorVersion beginnt.";
        QTest::newRow("Zeilenlaenge") << v + g + "GeschriebenAm;07.03.2026 09:05:03;x\n" << "Falsche Zeilenlaenge"
                                      << "Die Zeile, die mit dem Schluesselwort GeschriebenAm beginnt muss inklusive des Schluesselworts genau zwei Datenworte haben.  Sie hat aber 3 Datenworte.";
        QTest::newRow("Zeitstempel") << v + g + "GeschriebenAm;7.3.2026\n" << "Ungueltiger Zeitstempel"
                                     << "Der Zeitstempel 7.3.2026 ist nicht gueltig.  Zeitstempel in csv-Dateien muessen das Format dd.MM.yyyy hh:mm:ss haben.";
        QTest::newRow("Version") << "DatenmodellVersion;0.9\n" + g + z << "Abweichende Datenmodellversion erkannt"
                                 << QStringLiteral("Die Datenmodellversion des Programms ist %1, die in der Importdatei aber 0.9.").arg(DataModel().version());
    }

    // The checks before an import from the window; the import itself does not need the
    // time stamp.
    void metaInformationen()
    {
        QFETCH(QString, kopf);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        const QString pfad = datei(kopf + QStringLiteral("Schema;CodeType;name\nDaten;CodeType;Metatest\n"));
        try {
            CSVDataImporter::pruefeDatenmodellVersion(*m_ctx, CSVDataImporter::leseMetaInformationen(pfad));
            QFAIL("accepted");
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, titel);
            QCOMPARE(e.meldung.text, text);
        }
        if (QByteArray(QTest::currentDataTag()) == "ohne Zeitstempel") {
            QCOMPARE(CSVDataImporter(*m_ctx).importiere(pfad).eingefuegt, 1);
            QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM CodeType WHERE name = 'Metatest'"), std::string("1"));
        }
    }

    void datumsformate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("gespeichert"); // empty: refused
        QTest::newRow("Tag zuerst") << "7.3.2026" << "2026-03-07";
        QTest::newRow("fuehrende Nullen") << "07.03.2026" << "2026-03-07";
        QTest::newRow("Jahr zuerst") << "2026-3-07" << "2026-03-07";
        QTest::newRow("kurzes Jahr") << "7.3.26" << "";
        QTest::newRow("kein Tag") << "30.2.2026" << "";
        QTest::newRow("Uhrzeit") << "07.03.2026 10:00:00" << "";
        QTest::newRow("Vorzeichen") << "+7.3.2026" << "";
    }

    // The written forms of dates, and what is not a date.
    void datumsformate()
    {
        QFETCH(QString, text);
        QFETCH(QString, gespeichert);
        const QString pfad = datei(meta() + "Schema;ExternerJuror;nummer;datumGeburt\nDaten;ExternerJuror;D1;" +
                                   text + QLatin1Char('\n'));
        try {
            CSVDataImporter(*m_ctx).importiere(pfad);
            QCOMPARE(QString::fromStdString(TestDatabase::scalar("SELECT datumGeburt FROM ExternerJuror WHERE nummer = 'D1'")),
                     gespeichert);
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, QStringLiteral("Datum falsch angegeben"));
            QVERIFY(gespeichert.isEmpty());
        }
    }

    void fremdeDateienAbgelehnt_data()
    {
        QTest::addColumn<QString>("zelle");
        QTest::newRow("Elternverzeichnis") << "../geheim.txt";
        QTest::newRow("absolut") << QDir(m_dir.path()).absoluteFilePath(QStringLiteral("geheim.txt"));
        QTest::newRow("Verzeichnis") << "unter/geheim.txt";
        QTest::newRow("Verknuepfung") << "verweis.jpg";
        QTest::newRow("fehlt") << "fehlt.jpg";
    }

    // A picture cell names a plain file beside the import file, nothing else, even when the
    // file it names exists.
    void fremdeDateienAbgelehnt()
    {
        QFETCH(QString, zelle);
        QDir basis(m_dir.path());
        basis.mkpath(QStringLiteral("import/unter"));
        for (const QString &name : {QStringLiteral("geheim.txt"), QStringLiteral("import/unter/geheim.txt")}) {
            QFile geheim(basis.filePath(name));
            geheim.open(QIODevice::WriteOnly);
            geheim.write("geheim");
        }
        QFile::link(basis.filePath(QStringLiteral("geheim.txt")), basis.filePath(QStringLiteral("import/verweis.jpg")));
        const QString pfad = datei(meta() + "Schema;BildDaten;nummer;nummerProWettbewerb;daten\nDaten;BildDaten;77;77;" +
                                       zelle + QLatin1Char('\n'),
                                   QStringLiteral("import/daten.csv"));
        const int vorher = anzahl(QStringLiteral("BildDaten"));
        try {
            CSVDataImporter(*m_ctx).importiere(pfad);
            QFAIL("accepted");
        } catch (const ImportException &e) {
            QCOMPARE(e.meldung.titel, QStringLiteral("Kann Datei nicht oeffnen"));
            QVERIFY(e.meldung.text.endsWith(QStringLiteral("Die Binaerdatei %1 ist entweder nicht vorhanden, oder konnte nicht geoeffnet werden.").arg(zelle)));
            QCOMPARE(e.zeile, 5);
        }
        QCOMPARE(anzahl(QStringLiteral("BildDaten")), vorher);
    }

    void schreiben_data()
    {
        QTest::addColumn<bool>("schreibfehler");
        QTest::addColumn<QString>("abbruchIn"); // the phase in which the caller cancels
        QTest::newRow("Fehler beim Schreiben") << true << QString();
        for (const char *phase : {"Lesen", "Verweise", "Schreiben", "Nachbearbeiten"})
            QTest::newRow(phase) << false << QString::fromLatin1(phase);
        QTest::newRow("geschrieben") << false << QString();
    }

    // All or nothing: a failing statement after the first rows were written, or a cancel
    // in any phase up to the commit, leaves the database and the code catalogue as they were.
    // The phases are told in their order.
    void schreiben()
    {
        QFETCH(bool, schreibfehler);
        QFETCH(QString, abbruchIn);
        const bool fortsetzen = abbruchIn.isEmpty();
        neueDatenbank();
        const QString name = schreibfehler ? QString(150, QLatin1Char('x')) : QStringLiteral("Klub");
        const QString pfad = datei(meta() + "Schema;CodeType;name\nDaten;CodeType;Neu\n"
                                            "Schema;CodeValue;type.name;name;kurzText;globalText;reihenfolge\n"
                                            "Daten;CodeValue;Neu;A;a;a;1\n"
                                            "Schema;Verein;vereinsNummerLokal;name;inaktiv\nDaten;Verein;9;" +
                                   name + ";false\n");
        const int codes = anzahl(QStringLiteral("CodeValue"));
        CSVDataImporter importer(*m_ctx);
        QStringList phasen;
        importer.setFortschritt([&](const ImportFortschritt &stand) {
            if (phasen.isEmpty() || phasen.last() != stand.phase)
                phasen << stand.phase;
            QVERIFY(stand.erledigt <= stand.gesamt);
        });
        importer.setFortsetzen([&] { return phasen.last() != abbruchIn; });
        bool fehler = false;
        try {
            QCOMPARE(importer.importiere(pfad).abgebrochen, !fortsetzen);
        } catch (const ImportException &e) {
            fehler = true;
            QCOMPARE(e.meldung.titel, QStringLiteral("Eingabe zu lang"));
        }
        QCOMPARE(fehler, schreibfehler);
        const bool geschrieben = fortsetzen && !schreibfehler;
        QCOMPARE(anzahl(QStringLiteral("CodeValue")), codes + (geschrieben ? 1 : 0));
        QCOMPARE(anzahl(QStringLiteral("Verein")), geschrieben ? 1 : 0);
        QCOMPARE(m_ctx->codeManager().idOf(QStringLiteral("Neu"), QStringLiteral("A")) >= 0, geschrieben);
        if (geschrieben)
            QCOMPARE(phasen, QStringList({"Lesen", "Pruefen", "Verweise", "Abbilden", "Duplikate",
                                          "Schreiben", "Nachbearbeiten"}));
    }

    // What the import computes itself: club numbers below their parent (also when the file
    // holds another one), member numbers by type, the import time of sessions; users are
    // there exactly once afterwards, without the password the file gives.
    void berechneteWerte()
    {
        neueDatenbank();
        const QString pfad = datei(meta() +
            "Schema;Verein;vereinsNummerLokal;vereinsNummerKomplett;name;inaktiv;dachverband.vereinsNummerKomplett\n"
            "Daten;Verein;5;falsch;Oben;false;\n"
            "Daten;Verein;07;;Unten;false;5\n"
            "Schema;Mitglied;verein.vereinsNummerKomplett;mitgliedsArt.type.name;mitgliedsArt.name;"
            "mitgliedsNummerImVerein;mitgliedsNummerKomplett;jugend.type.name;jugend.name\n"
            "Daten;Mitglied;507;Mitgliedsart;Club;3;x;Jugend;Nein\n"
            "Daten;Mitglied;507;Mitgliedsart;Nichtmitglied;1001;;Jugend;Ja\n"
            "Daten;Mitglied;507;Mitgliedsart;Landesverband;4;;Jugend;Nein\n"
            "Schema;Session;benutzername;hostname;connectionURL;start_tist\n"
            "Daten;Session;eva;pc;socket;01.03.2026 10:00:00\n"
            "Schema;Benutzer;benutzername;password;guiBenutzer\nDaten;Benutzer;eva;geheim;true\n");
        CSVDataImporter(*m_ctx).importiere(pfad);
        QCOMPARE(TestDatabase::scalar("SELECT GROUP_CONCAT(vereinsNummerKomplett ORDER BY id) FROM Verein"),
                 std::string("5,507"));
        QCOMPARE(TestDatabase::scalar("SELECT GROUP_CONCAT(CONCAT(mitgliedsNummerKomplett, '/', "
                                      "mitgliedsNummerSchluessel) ORDER BY id) FROM Mitglied"),
                 std::string("5073C/5073,507N1001/5071001,5074L/5074"));
        QCOMPARE(TestDatabase::scalar("SELECT import_tist FROM Session WHERE benutzername = 'eva'"),
                 std::string("2026-03-07 09:05:03"));
        QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM Benutzer WHERE benutzername = 'eva' "
                                      "AND password IS NULL"),
                 std::string("1"));
    }

    // Randomly damaged files: each import either succeeds or ends in an ImportException
    // that leaves the tables as they were; none crashes.
    void beschaedigteDateien()
    {
        neueDatenbank();
        const QString gut = meta() +
            "Schema;Verein;vereinsNummerLokal;name;inaktiv;dachverband.vereinsNummerKomplett;ort\n"
            "Daten;Verein;5;\"Oben; \\\"Mitte\\\"\";false;;\n"
            "Daten;Verein;07;Unten;false;5;Wien\n"
            "Schema;Mitglied;verein.vereinsNummerKomplett;mitgliedsArt.type.name;mitgliedsArt.name;"
            "mitgliedsNummerImVerein;jugend.type.name;jugend.name;datumGeburt;telefon\n"
            "Daten;Mitglied;507;Mitgliedsart;Club;3;Jugend;Nein;3.2.1980;+43-1-2\n"
            "Schema;CodeType;name\nDaten;CodeType;Farbe\n"
            "Schema;BildDaten;nummer;nummerProWettbewerb;daten\nDaten;BildDaten;1;1;bild.jpg\n";
        QFile bild(m_dir.filePath(QStringLiteral("bild.jpg")));
        QVERIFY(bild.open(QIODevice::WriteOnly));
        bild.write("JPEG");
        bild.close();
        const QString zeichen = QStringLiteral(";\"\\.\n x9");
        QRandomGenerator zufall(20261207);
        for (int runde = 0; runde < 150; ++runde) {
            QString text = gut;
            for (int i = zufall.bounded(1, 4); i > 0; --i) {
                const int stelle = zufall.bounded(int(text.size()));
                if (zufall.bounded(2))
                    text.remove(stelle, zufall.bounded(1, 6));
                else
                    text.insert(stelle, zeichen.at(zufall.bounded(int(zeichen.size()))));
            }
            const QMap<QString, int> vorher = anzahlen();
            try {
                CSVDataImporter(*m_ctx).importiere(datei(text));
            } catch (const ImportException &) {
                QCOMPARE(anzahlen(), vorher);
            }
        }
    }

    // All or nothing also when the importing process is killed at any moment: the table
    // then holds either every member of the file or none.
    void getoetetesImport()
    {
        neueDatenbank();
        QString text = meta() + QStringLiteral("Schema;Verein;vereinsNummerLokal;name;inaktiv\n");
        for (int v = 0; v < 30; ++v)
            text += QStringLiteral("Daten;Verein;K%1;Klub;false\n").arg(v, 3, 10, QLatin1Char('0'));
        text += QStringLiteral("Schema;Mitglied;verein.vereinsNummerKomplett;mitgliedsArt.type.name;"
                               "mitgliedsArt.name;mitgliedsNummerImVerein;jugend.type.name;jugend.name\n");
        for (int m = 0; m < 3000; ++m)
            text += QStringLiteral("Daten;Mitglied;K%1;Mitgliedsart;Club;%2;Jugend;Nein\n")
                        .arg(m / 100, 3, 10, QLatin1Char('0'))
                        .arg(m % 100, 3, 10, QLatin1Char('0'));
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QString::fromLatin1(kKindDatei), datei(text));
        for (const int ms : {200, 300, 400, 500, 600, 700, 1500}) {
            QProcess kind;
            kind.setProcessEnvironment(umgebung);
            kind.start(QCoreApplication::applicationFilePath(), {QStringLiteral("importiereAlsKind")});
            QVERIFY(kind.waitForStarted());
            QThread::msleep(ms);
            kind.kill();
            kind.waitForFinished();
            const int mitglieder = anzahl(QStringLiteral("Mitglied"));
            QVERIFY2(mitglieder == 0 || mitglieder == 3000, qPrintable(QString::number(mitglieder)));
            QCOMPARE(anzahl(QStringLiteral("Verein")), mitglieder ? 30 : 0);
            TestDatabase::run("DELETE FROM Mitglied");
            TestDatabase::run("DELETE FROM Verein");
        }
    }

    // Runs only as the child process of getoetetesImport.
    void importiereAlsKind()
    {
        const QString pfad = qEnvironmentVariable(kKindDatei);
        if (pfad.isEmpty())
            QSKIP("the importing process of getoetetesImport");
        CSVDataImporter(*m_ctx).importiere(pfad);
    }

    // Rows of the data model information and of logins are skipped, the others imported.
    void ignorierteZeilen()
    {
        const QString pfad = datei(meta() + "Schema;DataModelInfo;version\nDaten;DataModelInfo;0.1\n"
                                            "Schema;DatenbankVerbindung;benutzername;password\n"
                                            "Daten;DatenbankVerbindung;eva;geheim\n"
                                            "Schema;CodeType;name\nDaten;CodeType;Ignoriertest\n");
        const ImportResult ergebnis = CSVDataImporter(*m_ctx).importiere(pfad);
        QCOMPARE(ergebnis.ignoriert, 2);
        QCOMPARE(ergebnis.eingefuegt, 1);
        QCOMPARE(anzahl(QStringLiteral("DataModelInfo")), 1);
    }
};

KALVOR_REGISTER_TEST(ImportTest)

#include "tst_import.moc"
