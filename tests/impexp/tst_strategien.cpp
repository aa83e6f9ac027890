#include "Clock.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "ExportFortschritt.h"
#include "ExportStrategien.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "controllers/WettbewerbController.h"
#include "entities/Wettbewerb.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using Fabrik = std::function<std::unique_ptr<ExportCallStrategy>(DatabaseContext &)>;

QByteArray datei(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The data lines of a data file per entity: the cells after "Daten" and the entity name,
// headed by the schema line's columns.
struct Block
{
    QStringList kopf;
    QList<QStringList> zeilen;
};

QMap<QString, Block> bloecke(const QByteArray &inhalt)
{
    QMap<QString, Block> result;
    for (const QString &zeile : QString::fromUtf8(inhalt.mid(3)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList zellen = zeile.split(QLatin1Char(';'));
        if (zellen.size() < 2 || (zellen[0] != QLatin1String("Schema") && zellen[0] != QLatin1String("Daten")))
            continue;
        const QString art = zellen.takeFirst();
        const QString entitaet = zellen.takeFirst();
        if (art == QLatin1String("Schema"))
            result[entitaet].kopf = zellen;
        else
            result[entitaet].zeilen.append(zellen);
    }
    return result;
}

// Stops the export at the n-th line or picture.
class Abbruch : public ExportFortschritt
{
public:
    Abbruch(int zeilen, int bilder) : m_zeilen(zeilen), m_bilder(bilder) {}
    bool zeile() override { return --m_zeilen != 0; }
    bool bild(qint64) override { return --m_bilder != 0; }

private:
    int m_zeilen;
    int m_bilder;
};

} // namespace

Q_DECLARE_METATYPE(Fabrik)

// The strategies of the export actions against a small club and competition fixture.
class ExportStrategienTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DatabaseContext> m_ctx;
    QTemporaryDir m_dir;

    QByteArray exportiere(ExportCallStrategy &strategie, const QString &name = QStringLiteral("x.csv"))
    {
        const QString pfad = m_dir.filePath(name);
        strategie.exportiere(*m_ctx, pfad);
        return datei(pfad);
    }

private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        const char *code = "(SELECT v.id FROM CodeValue v JOIN CodeType t ON v.type = t.id WHERE t.name = '%1' "
                           "AND v.name = '%2')";
        const auto cv = [code](const char *typ, const char *wert) {
            return QString::fromLatin1(code).arg(QLatin1String(typ), QLatin1String(wert)).toStdString();
        };
        // Club 1 over club 2 over club 3; club 4 apart. Competition 50 with two members
        // (10, 11), a member juror (12) and an external juror; competition 51 apart; competition 52
        // of club 3 without participants.
        for (const std::string &sql : std::initializer_list<std::string>{
                 "INSERT INTO Verein (id, vereinsNummerKomplett, name, inaktiv, staat, dachverband) VALUES "
                 "(1, 'V1', 'Foto; \"Klub\" S\u00fcd', 0, " + cv("Staat", "AT") + ", NULL), "
                 "(2, 'V1-2', 'Unter', 1, NULL, 1), (3, 'V1-2-3', NULL, NULL, NULL, 2), (4, 'V4', 'Fremd', 0, NULL, NULL)",
                 "INSERT INTO Mitglied (id, verein, vorname, nachname, datumGeburt, email, telefon, strasse, ort, "
                 "mitgliedsNummerKomplett, mitgliedsNummerSchluessel, jugend, beitragBezahltBis, staat) VALUES "
                 "(10, 1, 'Eva', 'Berg', '1980-05-04', 'eva@x.at', '0664 1', 'Weg 1\nHof', '\u00d6d', 'V1-001', 'S10', " +
                     cv("Jugend", "Nein") + ", '2026-12-31', " + cv("Staat", "AT") + "), "
                 "(11, 2, 'Udo', 'Rot', '1990-01-02', 'udo@x.at', NULL, 'Gasse 2', 'Linz', 'V1-2-001', 'S11', NULL, NULL, NULL), "
                 "(12, 3, 'Ina', 'Gr\u00fcn', '1970-07-07', NULL, NULL, NULL, NULL, 'V1-2-3-001', 'S12', NULL, NULL, NULL), "
                 "(13, 4, 'Kai', 'Blau', NULL, NULL, NULL, NULL, NULL, 'V4-001', 'S13', NULL, NULL, NULL)",
                 "INSERT INTO FotographischerTitel (id, mitglied, titel, art, datum) VALUES (500, 10, 'AFIAP', " +
                     cv("TitelArt", "FIAP") + ", '2020-02-03')",
                 "UPDATE Mitglied SET hoechsterTitel = 500 WHERE id = 10",
                 "UPDATE Verein SET mut_tist = '2026-03-07 08:05:09' WHERE id = 1",
                 "INSERT INTO Funktionstraeger (id, funktion, mitglied, verein, funktionsCode) VALUES "
                 "(600, 'Kasse', 10, 1, " + cv("Funktionstraeger", "KASSIER") + ")",
                 "INSERT INTO Benutzer (id, benutzername, password, mitglied) VALUES (700, 'ute', 'geheim', 10)",
                 "INSERT INTO VereinsDatenBerechtigung (benutzer, verein, art) VALUES (700, 1, " +
                     cv("DatenBerechtigungsArt", "LESEN") + ")",
                 "INSERT INTO Wettbewerb (id, nummer, name, verein) VALUES (50, 'W50', 'Natur', 1), (51, 'W51', 'Andere', 4), "
                 "(52, 'W52', 'Leer', 3)",
                 "INSERT INTO WettbewerbsTeilnahme (id, mitglied, wettbewerb) VALUES (80, 10, 50), (81, 11, 50), (82, 13, 51)",
                 "INSERT INTO ExternerJuror (id, nummer, vorname, nachname, datumGeburt, email) VALUES "
                 "(97, 'X1', 'Max', 'Ott', '1960-06-06', 'max@x.at')",
                 "INSERT INTO JuriertBei (id, wettbewerb, mitglied, externerJuror) VALUES (95, 50, 12, NULL), (96, 50, NULL, 97)",
                 "INSERT INTO Sparte (id, wettbewerb, name) VALUES (60, 50, 'Natur'), (61, 50, NULL), (62, 51, 'X')",
                 "INSERT INTO SpartenJurierung (juriertBei, sparte) VALUES (95, 60), (96, 61)",
                 "INSERT INTO BildDaten (id, nummer, nummerProWettbewerb, dateiname, daten) VALUES "
                 "(300, 'N1', '1', 'a.jpg', 'aaa'), (301, 'N2', '2', 'b.jpg', 'bbb'), (302, 'N3', '3', 'c.jpg', 'ccc')",
                 "INSERT INTO Bild (id, wettbewerbsTeilnahme, sparte, bildDaten, bewertung, titel) VALUES "
                 "(200, 80, 60, 300, 9, 'Baum'), (201, 81, 60, 301, 7, 'See'), (202, 82, 62, 302, 5, 'Weg')",
                 "INSERT INTO Jurierung (id, wettbewerb) VALUES (90, 50)",
                 "INSERT INTO Durchgang (id, jurierung, sparte, art) VALUES (91, 90, 60, " +
                     cv("DurchgangsArt", "ERSTER_DURCHGANG") + ")",
                 "INSERT INTO Wertung (id, durchgang, bild, positionImDurchgang, bewertung) VALUES "
                 "(310, 91, 200, 2, 9), (311, 91, 201, 1, 7)",
                 "INSERT INTO EinzelWertung (wertung, juror, bewertung) VALUES (310, 95, 5), (310, 96, 4), (311, 95, 3)",
                 "INSERT INTO TeilnehmerWertung (wettbewerb, wettbewerbsTeilnahme, sparte, jugend, verein, punkte) "
                 "VALUES (50, 80, 60, " + cv("Jugend", "Nein") + ", 1, 9)"})
            TestDatabase::run(sql);
        m_ctx = TestDatabase::openContext(std::make_shared<FixedClock>(QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0))));
    }

    // A data file byte for byte: texts with separator, quotes, line feeds and umlauts,
    // dates, booleans, empty values, references written as the referenced rows' keys.
    void vereinsDatei()
    {
        auto strategie = ExportStrategien::verein(*m_ctx, 1, ExportStrategien::VereinsUmfang::Verein);
        const QByteArray erwartet = datei(QStringLiteral(IMPEXP_TESTDATA "/verein.csv"))
                                        .replace("@VERSION@", m_ctx->dataModel().version().toUtf8())
                                        .replace("@GENERATOR@", m_ctx->dataModel().generatorVersion().toUtf8());
        QCOMPARE(exportiere(*strategie), erwartet);
    }

    // Which entities and how many rows each export holds; no password ever leaves.
    void entitaeten_data()
    {
        QTest::addColumn<Fabrik>("fabrik");
        // entity=rows; entity=* every row of the table; entity=+ present when the table has rows
        // (the logs grow while the export runs)
        QTest::addColumn<QString>("erwartet");
        const auto fest = [](std::unique_ptr<ExportCallStrategy> (*f)()) {
            return Fabrik([f](DatabaseContext &) { return f(); });
        };
        const auto verein = [](qlonglong id, ExportStrategien::VereinsUmfang umfang) {
            return Fabrik([=](DatabaseContext &ctx) { return ExportStrategien::verein(ctx, id, umfang); });
        };
        using U = ExportStrategien::VereinsUmfang;
        QTest::newRow("Datenberechtigungen") << fest(&ExportStrategien::datenberechtigungen)
                                             << "VereinsDatenBerechtigung=*";
        QTest::newRow("technische Daten")
            << fest(&ExportStrategien::technischeDaten)
            << "Benutzer=* CodeType=* CodeValue=* DataModelInfo=* EventLog=+ EventLogCategory=* EventLogSettings=* "
               "GlobaleEinstellung=* QueryLog=+ QueryLogSettings=* Session=+";
        QTest::newRow("fachliche Daten")
            << fest(&ExportStrategien::fachlicheDaten)
            << "Bild=* BildDaten=* Durchgang=* EinzelWertung=* ExternerJuror=* FotographischerTitel=* "
               "Funktionstraeger=* JuriertBei=* Jurierung=* Mitglied=* Sparte=* TeilnehmerWertung=* Verein=* "
               "Wertung=* Wettbewerb=* WettbewerbsTeilnahme=*";
        QTest::newRow("Wettbewerb alleine")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::wettbewerbAlleine(50); })
            << "Bild=2 BildDaten=2 Durchgang=1 EinzelWertung=3 JuriertBei=2 Jurierung=1 Sparte=2 "
               "SpartenJurierung=2 TeilnehmerWertung=1 Wertung=2 Wettbewerb=1 WettbewerbsTeilnahme=2";
        QTest::newRow("Wettbewerb mit Mitgliedern")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::wettbewerbMitMitgliedern(50); })
            << "Bild=2 BildDaten=2 Durchgang=1 EinzelWertung=3 ExternerJuror=1 JuriertBei=2 Jurierung=1 "
               "Mitglied=3 Sparte=2 SpartenJurierung=2 TeilnehmerWertung=1 Verein=3 Wertung=2 Wettbewerb=1 "
               "WettbewerbsTeilnahme=2";
        // The clubs travel with the clubs above them, whose numbers theirs are built on.
        QTest::newRow("Wettbewerb mit Dachverbaenden")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::wettbewerbMitMitgliedern(52); })
            << "Verein=3 Wettbewerb=1";
        QTest::newRow("Mitglieder des Vereins") << verein(2, U::Mitglieder) << "Mitglied=1";
        QTest::newRow("Vereinshierarchie")
            << verein(2, U::Hierarchie) << "Mitglied=2 Verein=2";
        QTest::newRow("Mitglieder der Vereinshierarchie")
            << verein(1, U::HierarchieMitglieder) << "FotographischerTitel=1 Mitglied=3";
    }

    void entitaeten()
    {
        QFETCH(Fabrik, fabrik);
        QFETCH(QString, erwartet);
        QMap<QString, int> soll;
        for (const QString &eintrag : erwartet.split(QLatin1Char(' '))) {
            const QString entitaet = eintrag.section(QLatin1Char('='), 0, 0);
            const QString anzahl = eintrag.section(QLatin1Char('='), 1);
            const int n = anzahl.toInt() > 0 ? anzahl.toInt()
                                             : QString::fromStdString(TestDatabase::scalar(
                                                   "SELECT COUNT(*) FROM " + entitaet.toStdString())).toInt();
            if (n > 0)
                soll.insert(entitaet, anzahl == QLatin1String("+") ? -1 : n);
        }
        auto strategie = fabrik(*m_ctx);
        const QByteArray inhalt = exportiere(*strategie);
        QMap<QString, int> ist;
        const QMap<QString, Block> gelesen = bloecke(inhalt);
        for (auto it = gelesen.cbegin(); it != gelesen.cend(); ++it)
            ist.insert(it.key(), soll.value(it.key()) == -1 ? -1 : int(it->zeilen.size()));
        QCOMPARE(ist, soll);
        QVERIFY(!inhalt.contains("geheim"));
    }

    // List files: the rows in the order given (unknown ids left out), references followed
    // to texts of the referenced rows.
    void listenDateien_data()
    {
        QTest::addColumn<Fabrik>("fabrik");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Funktionstraeger")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::funktionstraeger(); })
            << "Verein;Mitgliedsnummer;Vorname;Nachname;Anrede;Titel;Mail;Strasse;Staat;Funktion;Funktion (Freitext)\n"
               "\"Foto; \\\"Klub\\\" S\u00fcd\";V1-001;Eva;Berg;;;eva@x.at;Weg 1Hof;\u00d6sterreich;Kassier;Kasse\n";
        QTest::newRow("Adressdaten")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::adressdaten({11, 99, 10}); })
            << "Geburtsdatum;Anrede;Titel;Vorname;Nachname;Mitgliedsnummer;Mail;Strasse;PLZ;Ort;Staat;"
               "Beitrag Bezahlt Bis;Hoechster Titel\n"
               "2.1.1990;;;Udo;Rot;V1-2-001;udo@x.at;Gasse 2;;Linz;;;\n"
               "4.5.1980;;;Eva;Berg;V1-001;eva@x.at;Weg 1Hof;;\u00d6d;\u00d6sterreich;31.12.2026;AFIAP\n";
        QTest::newRow("Bildnummern eines Durchgangs")
            << Fabrik([](DatabaseContext &) { return ExportStrategien::bildNummern(91); })
            << "Reihenfolge;Bildnummer im Wettbewerb;Titel;Vorname;Nachname;Mitgliedsnummer\n"
               "1;2;See;Udo;Rot;V1-2-001\n2;1;Baum;Eva;Berg;V1-001\n";
    }

    void listenDateien()
    {
        QFETCH(Fabrik, fabrik);
        QFETCH(QString, erwartet);
        auto strategie = fabrik(*m_ctx);
        QCOMPARE(exportiere(*strategie), QByteArray("\xEF\xBB\xBF") + erwartet.toUtf8());
    }

    // The competition with its members leaves their personal data at home; the database
    // keeps it.
    void persoenlicheDatenGefiltert()
    {
        auto strategie = ExportStrategien::wettbewerbMitMitgliedern(50);
        const QMap<QString, Block> gelesen = bloecke(exportiere(*strategie));
        for (const QString entitaet : {"Mitglied", "ExternerJuror"}) {
            const Block &block = gelesen[entitaet];
            QVERIFY(!block.zeilen.isEmpty());
            for (const QString attribut : {"datumGeburt", "email", "telefon", "strasse", "ort"}) {
                const int spalte = int(block.kopf.indexOf(attribut));
                QVERIFY2(spalte >= 0, qPrintable(attribut));
                for (const QStringList &zeile : block.zeilen)
                    QVERIFY2(zeile.value(spalte).isEmpty(), qPrintable(entitaet + QLatin1Char('.') + attribut));
            }
            const int vorname = int(block.kopf.indexOf(QStringLiteral("vorname")));
            for (const QStringList &zeile : block.zeilen)
                QVERIFY(!zeile.value(vorname).isEmpty());
        }
        QCOMPARE(QString::fromStdString(TestDatabase::scalar("SELECT CONCAT(datumGeburt, email) FROM Mitglied WHERE id = 10")),
                 QStringLiteral("1980-05-04eva@x.at"));
    }

    // Members ordered by their best picture, then the second best ...; a shorter list counts
    // 0 where it ends; members equal in every position stand together.
    void einzelWertungenReihenfolge_data()
    {
        QTest::addColumn<QString>("bilder"); // picture:member:points ("-" unset), as stored
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Gleichstand und kuerzere Listen")
            << "1:100:9 2:100:5 3:200:9 4:200:5 5:200:3 6:300:5 7:300:9 8:400:7"
            << "3 4 5 1 2 7 6 8";
        QTest::newRow("ohne Punkte zuletzt") << "1:100:- 2:200:2 3:200:- 4:300:0" << "2 3 4 1";
        QTest::newRow("zweitbestes Bild entscheidet") << "1:100:8 2:100:4 3:200:8 4:200:6" << "3 4 1 2";
    }

    void einzelWertungenReihenfolge()
    {
        QFETCH(QString, bilder);
        QFETCH(QString, erwartet);
        QList<ExportStrategien::EinzelWertungen::Bild> eingabe;
        for (const QString &bild : bilder.split(QLatin1Char(' '))) {
            const QStringList teile = bild.split(QLatin1Char(':'));
            eingabe.append({teile[0].toLongLong(), teile[1].toLongLong(),
                            teile[2] == QLatin1String("-") ? std::nullopt : std::optional<int>(teile[2].toInt())});
        }
        QStringList ist;
        for (const qlonglong id : ExportStrategien::EinzelWertungen::ordne(*m_ctx, eingabe))
            ist << QString::number(id);
        QCOMPARE(ist.join(QLatin1Char(' ')), erwartet);
    }

    // A cancelled export leaves neither the file nor any picture behind.
    void abbruch_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("bilder");
        QTest::newRow("beim zweiten Bild") << -1 << 2;
        QTest::newRow("bei der neunten Zeile, nach den Bildern") << 9 << -1;
    }

    void abbruch()
    {
        QFETCH(int, zeilen);
        QFETCH(int, bilder);
        QTemporaryDir dir;
        auto strategie = ExportStrategien::wettbewerbAlleine(50);
        Abbruch abbruch(zeilen, bilder);
        strategie->setzeFortschritt(&abbruch);
        QVERIFY_THROWS_EXCEPTION(ExportAbgebrochen, strategie->exportiere(*m_ctx, dir.filePath("w.csv")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // The results archive's files: addresses, the eight rankings, the statistics and the
    // single scores per category and age class ("ohne Name" for a category without one).
    void ergebnisDateien()
    {
        auto wettbewerb = WettbewerbController().readById(*m_ctx, 50, true);
        QVERIFY(wettbewerb);
        auto composite = ExportStrategien::ergebnisse(*m_ctx, *wettbewerb, QDate(2026, 12, 7));
        QTemporaryDir dir;
        composite->exportiere(*m_ctx, dir.path());
        const QStringList erwartet = {
            "20261207_Adressen.csv", "20261207_E_T.csv", "20261207_E_TK.csv", "20261207_E_V.csv",
            "20261207_E_VK.csv", "20261207_J_T.csv", "20261207_J_TK.csv", "20261207_J_V.csv",
            "20261207_J_VK.csv", "statistik.csv", "E_20261207_Natur.csv", "J_20261207_Natur.csv",
            "E_20261207_ohne Name.csv", "J_20261207_ohne Name.csv"};
        QCOMPARE(composite->fileNames(), erwartet);
        QStringList sortiert = erwartet;
        sortiert.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), sortiert);
        // The adults' single scores of "Natur": Eva's picture (9 points) before Udo's (7).
        const QStringList zeilen = QString::fromUtf8(datei(dir.filePath("E_20261207_Natur.csv")).mid(3))
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(zeilen.size(), 3);
        QVERIFY(zeilen[1].startsWith(QStringLiteral("1;Baum;;Natur;Eva;Berg;V1-001;")));
        QVERIFY(zeilen[2].startsWith(QStringLiteral("2;See;;Natur;Udo;Rot;V1-2-001;Unter;")));
    }
};

KALVOR_REGISTER_TEST(ExportStrategienTest)

#include "tst_strategien.moc"
