#include "AnwendungsFehler.h"
#include "Clock.h"
#include "DataExporter.h"
#include "DataModel.h"
#include "DataSet.h"
#include "DatabaseContext.h"
#include "ExportCallStrategy.h"
#include "ImpExpSchema.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "entities/Funktionstraeger.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDateTime kJetzt(QDate(2026, 3, 7), QTime(9, 5, 3));

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

DataExportColumn spalte(const QString &pfad, const QString &kopf = QString(),
                        std::shared_ptr<ExportConverter> wandler = nullptr)
{
    return DataExportColumn{pfad.split(QLatin1Char('.')), kopf, std::move(wandler)};
}

// A list file of one competition row holding `name`.
class NamensListe : public DataSetExportCallStrategy
{
public:
    explicit NamensListe(const QString &name) : m_name(name) {}

protected:
    void collect(DatabaseContext &, DataSet &daten) override
    {
        daten.addTuple(QStringLiteral("Wettbewerb")).setValue("name", m_name);
    }
    std::optional<ExportBlock> block() const override
    {
        return ExportBlock::listFile("Wettbewerb", {spalte("name", "Titel")});
    }

private:
    QString m_name;
};

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<ExportConverter>)
Q_DECLARE_METATYPE(std::shared_ptr<ExportCallStrategy>)

// The schemas of data files, and the files the CSV writer produces, byte for byte.
class ExportTest : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DatabaseContext> m_ctx;
    QTemporaryDir m_dir;

    // The expected file with the data model's versions in place of the placeholders.
    QByteArray erwartet(const QString &name) const
    {
        return inhalt(QStringLiteral(IMPEXP_TESTDATA "/") + name)
            .replace("@VERSION@", m_ctx->dataModel().version().toUtf8())
            .replace("@GENERATOR@", m_ctx->dataModel().generatorVersion().toUtf8());
    }

    QByteArray exportiere(DataSet &daten, const ExportBlock *block, const QDir &blobs = QDir())
    {
        const QString pfad = m_dir.filePath(QStringLiteral("export.csv"));
        CSVDataExporter().exportiere(*m_ctx, pfad, daten, block, blobs);
        return inhalt(pfad);
    }

private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        TestDatabase::run("INSERT INTO Verein (vereinsNummerKomplett, name) VALUES ('V-01', 'Club')");
        m_ctx = TestDatabase::openContext(std::make_shared<FixedClock>(kJetzt));
        // Results of two members in two categories, and two statistics trees.
        for (const char *sql : {
                 "INSERT INTO Wettbewerb (id, nummer) VALUES (50, 'W50')",
                 "INSERT INTO Sparte (id, wettbewerb, name) VALUES (60, 50, 'A'), (61, 50, 'B')",
                 "INSERT INTO Mitglied (id, vorname) VALUES (70, 'Eva'), (71, 'Udo'), (72, 'Ina')",
                 "INSERT INTO WettbewerbsTeilnahme (id, mitglied, wettbewerb) VALUES (80, 70, 50), (81, 71, 50)",
                 "INSERT INTO TeilnehmerWertung (id, wettbewerb, wettbewerbsTeilnahme, sparte, punkte) "
                 "VALUES (400, 50, 80, 60, 12), (401, 50, 80, 61, 5), (402, 50, 81, 60, 9)",
                 "INSERT INTO StatistikData (id, parent, wettbewerb, topLevel, text) VALUES "
                 "(101, NULL, 50, 1, 'Wettbewerb'), (102, 101, 50, 0, 'Sparte A'), "
                 "(103, 102, 50, 0, NULL), (104, 101, 50, 0, 'Sparte B'), (105, NULL, 50, 1, 'Zweiter')",
                 // Single scores of two jurors (one without last name) in a first and a
                 // second round.
                 "INSERT INTO Bild (id, sparte) VALUES (200, 60), (201, 60), (202, 60)",
                 "INSERT INTO ExternerJuror (id, vorname, nachname) VALUES (97, 'Max', 'Ott')",
                 "INSERT INTO JuriertBei (id, wettbewerb, mitglied, externerJuror) VALUES "
                 "(95, 50, 72, NULL), (96, 50, NULL, 97)",
                 "INSERT INTO Durchgang (id, sparte, art) SELECT 91, 60, v.id FROM CodeValue v JOIN "
                 "CodeType t ON v.type = t.id WHERE t.name = 'DurchgangsArt' AND v.name = 'ERSTER_DURCHGANG'",
                 "INSERT INTO Durchgang (id, sparte, art) SELECT 92, 60, v.id FROM CodeValue v JOIN CodeType t "
                 "ON v.type = t.id WHERE t.name = 'DurchgangsArt' AND v.name = 'ZWEITER_DURCHGANG_BESTE'",
                 "INSERT INTO Wertung (id, durchgang, bild, bewertung) VALUES "
                 "(300, 91, 200, 7), (301, 91, 201, NULL), (302, 92, 200, 4)",
                 "INSERT INTO EinzelWertung (wertung, juror, bewertung) VALUES "
                 "(300, 95, 3), (300, 96, 4), (301, 95, NULL), (302, 96, 4)"})
            TestDatabase::run(sql);
    }

    void schemaFehler_data()
    {
        QTest::addColumn<QString>("entitaet");
        QTest::addColumn<QStringList>("spalten");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        const QString kette = QStringLiteral(
            "Eine Spaltenueberschrift der Form a.b.c kennzeichnet eine Kette von Verweisen auf "
            "andere Tabelle, um das Ziel eines Verweises eindeutig bestimmen zu koennen. ");
        QTest::newRow("unbekannte Entitaet")
            << "Fotoapparat" << QStringList{"name"} << "Die Entitaet ist nicht bekannt."
            << "Eine Entitaet (Tabelle) namens Fotoapparat gibt es im Datenmodell nicht.";
        QTest::newRow("unbekanntes Attribut im Verweisziel")
            << "Funktionstraeger" << QStringList{"funktion", "verein.farbe"}
            << "Attribut nicht vorhanden"
            << "In der Tabelle Verein gibt es kein Attribut namens farbe.Bitte pruefen Sie Ihre "
               "Spaltenueberschriften in der Schemazeile.";
        QTest::newRow("Kette nach einfachem Attribut")
            << "Funktionstraeger" << QStringList{"funktion.name"} << "Fehlerhafte Verweiskette"
            << kette + "Nur das letzte Glied einer solchen Kette darf ein Attribut bezeichnen, das "
                       "keinen Verweis darstellt.  Diese Regel wurde hier verletzt.Bitte "
                       "ueberpruefen Sie das Glied funktion in der Schemazeile zur Tabelle "
                       "Funktionstraeger.";
        QTest::newRow("Verweis am Ende")
            << "Funktionstraeger" << QStringList{"verein"} << "Fehlerhafte Verweiskette"
            << kette + "Das letzte Glied einer solchen Kette muss ein Attribut bezeichnen, das "
                       "keinen Verweis darstellt.  Diese Regel wurde hier verletzt.Bitte "
                       "ueberpruefen Sie das Glied verein in der Schemazeile zur Tabelle "
                       "Funktionstraeger.";
        const QString doppelt = QStringLiteral("In der Schemazeile zur Tabelle Funktionstraeger "
                                               "gibt es einen doppelten Eintrag.  Bitte "
                                               "ueberpruefen Sie diese Zeile.");
        QTest::newRow("einfaches Attribut doppelt")
            << "Funktionstraeger" << QStringList{"funktion", "verein.name", "funktion"}
            << "Attribut doppelt angegeben" << doppelt;
        QTest::newRow("Schluesselattribut doppelt")
            << "Funktionstraeger" << QStringList{"verein.name", "funktion", "verein.name"}
            << "Attribut doppelt angegeben" << doppelt;
    }

    void schemaFehler()
    {
        QFETCH(QString, entitaet);
        QFETCH(QStringList, spalten);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        QList<QStringList> pfade;
        for (const QString &s : spalten)
            pfade.append(s.split(QLatin1Char('.')));
        try {
            ImpExpSchema::constructFromAttributePaths(*m_ctx, entitaet, pfade);
            QFAIL("no error");
        } catch (const AnwendungsFehler &fehler) {
            QCOMPARE(fehler.kategorie, QStringLiteral("ImportExport"));
            QCOMPARE(fehler.ort, QStringLiteral("ImpExpSchema"));
            QCOMPARE(fehler.meldung.titel, titel);
            QCOMPARE(fehler.meldung.text, text);
        }
    }

    // Rows found by their content: values, references by database id and references to
    // rows of the same set are told apart.
    void tupelNachInhalt()
    {
        DataSet daten;
        DataTuple &a1 = daten.addTuple(QStringLiteral("Sparte"));
        a1.setValue("name", QStringLiteral("A"));
        a1.setForeignKey("wettbewerb", 1);
        DataTuple &a2 = daten.addTuple(QStringLiteral("Sparte"));
        a2.setValue("name", QStringLiteral("A"));
        a2.setForeignKey("wettbewerb", 2);
        DataTuple &b = daten.addTuple(QStringLiteral("Sparte"));
        b.setValue("name", QStringLiteral("B"));
        b.setTuple("wettbewerb", a1);
        const auto finde = [&](const QMap<QString, QVariant> &werte, const QMap<QString, qlonglong> &ids,
                               const QMap<QString, const DataTuple *> &tupel) {
            return daten.getTuplesByContent(*m_ctx, QStringLiteral("Sparte"), werte, ids, tupel);
        };
        QCOMPARE(finde({{"name", "A"}}, {}, {}), (QList<DataTuple *>{&a1, &a2}));
        QCOMPARE(finde({{"name", "A"}}, {{"wettbewerb", 2}}, {}), QList<DataTuple *>{&a2});
        QCOMPARE(finde({}, {}, {{"wettbewerb", &a1}}), QList<DataTuple *>{&b});
        QCOMPARE(finde({{"wettbewerb", qlonglong(1)}}, {}, {}), QList<DataTuple *>{});
        QCOMPARE(finde({}, {{"wettbewerb", 3}}, {}), QList<DataTuple *>{});
    }

    // Paths of a file's schema line and the default schema: references through the keys of
    // the referenced entities, down to plain values, in column order.
    void schemaPfade()
    {
        const auto ausDatei = ImpExpSchema::constructFromAttributePaths(
            *m_ctx, QStringLiteral("Funktionstraeger"),
            {{"verein", "name"}, {"funktion"}, {"mitglied", "verein", "vereinsNummerKomplett"}});
        QList<QStringList> pfade = ausDatei->allPaths();
        QCOMPARE(pfade, (QList<QStringList>{{"verein", "name"},
                                            {"funktion"},
                                            {"mitglied", "verein", "vereinsNummerKomplett"}}));

        const auto standard = ImpExpSchema::construct(
            *m_ctx, *m_ctx->dataModel().entity(QStringLiteral("EinzelWertung")));
        QStringList spalten;
        for (const QStringList &pfad : standard->allPaths())
            spalten << pfad.join(QLatin1Char('.'));
        QVERIFY2(spalten.contains(QStringLiteral("wertung.bild.bildDaten.nummer")),
                 qPrintable(spalten.join(QLatin1Char(' '))));
        QVERIFY(spalten.contains(QStringLiteral("wertung.durchgang.jurierung.wettbewerb.nummer")));
        for (const QString &s : spalten)
            QVERIFY2(s != QLatin1String("wertung") && !s.endsWith(QLatin1String(".wertung")), qPrintable(s));
    }

    // Every value kind, quotes, the separator, line feeds, umlauts, unset values, a reference
    // written as the key of the referenced row; entities in name order.
    void datenDatei()
    {
        const qlonglong verein =
            QString::fromStdString(TestDatabase::scalar("SELECT id FROM Verein WHERE vereinsNummerKomplett = 'V-01'"))
                .toLongLong();
        DataSet daten;
        DataTuple &eins = daten.addTuple(QStringLiteral("Wettbewerb"));
        eins.setValue("name", QStringLiteral("Preis \"Natur\"; S\u00fcd"));
        eins.setValue("datum", QDate(2026, 3, 7));
        eins.setValue("anzahlBilderFuerWertung", 12);
        eins.setValue("nurVollstaendigeKombination", true);
        eins.setValue("mut_tist", QDateTime(QDate(2026, 3, 7), QTime(8, 5, 9)));
        eins.setForeignKey("verein", verein);
        DataTuple &zwei = daten.addTuple(QStringLiteral("Wettbewerb"));
        zwei.setValue("name", QStringLiteral("Zeile1\nZeile2 \"zitiert\""));
        zwei.setValue("datum", QDate(2026, 12, 31));
        zwei.setValue("anzahlBilderFuerWertung", 0);
        zwei.setValue("nurVollstaendigeKombination", false);
        zwei.setValue("mut_tist", QDateTime());
        zwei.setValue("ort", QStringLiteral("\u00d6hringen"));
        DataTuple &code = daten.addTuple(QStringLiteral("CodeType"));
        code.setValue("id", qlonglong(5));
        code.setValue("name", QStringLiteral("Farbe"));

        ExportBlock block;
        block.columns.insert("Wettbewerb", {spalte("name", "Name"), spalte("datum"),
                                            spalte("anzahlBilderFuerWertung"),
                                            spalte("nurVollstaendigeKombination"), spalte("mut_tist"),
                                            spalte("ort"), spalte("verein.vereinsNummerKomplett")});
        QCOMPARE(exportiere(daten, &block), erwartet("datendatei.csv"));
    }

    // An object added as it is stored: the default columns of its entity, its references
    // as the keys of the referenced rows (read from the database), unset ones empty.
    void standardSpaltenEinesObjekts()
    {
        const QByteArray verein =
            QByteArray::fromStdString(TestDatabase::scalar("SELECT id FROM Verein WHERE vereinsNummerKomplett = 'V-01'"));
        QVERIFY(!verein.isEmpty());
        Funktionstraeger funktionstraeger;
        funktionstraeger.setFunktion(QStringLiteral("Kassenwart"));
        funktionstraeger.setVerein(verein.toLongLong());
        DataSet daten;
        DataExporter::addInstance(*m_ctx, daten, funktionstraeger);
        const QList<QByteArray> zeilen = exportiere(daten, nullptr).split('\n');
        QCOMPARE(zeilen.mid(3), (QList<QByteArray>{
            "Schema;Funktionstraeger;id;create_tist;mut_tist;funktion;"
            "mitglied.mitgliedsNummerSchluessel;verein.vereinsNummerKomplett;"
            "funktionsCode.type.name;funktionsCode.name",
            "Daten;Funktionstraeger;;;;Kassenwart;;V-01;;", ""}));
    }

    void metaFehler_data()
    {
        QTest::addColumn<QString>("schaden");
        QTest::addColumn<QString>("behebung");
        QTest::addColumn<QString>("text");
        const QString zurueck = QStringLiteral("UPDATE DataModelInfo SET version = '%1', generatorVersion = '%2'")
                                    .arg(DataModel().version(), DataModel().generatorVersion());
        QTest::newRow("zwei Zeilen")
            << "INSERT INTO DataModelInfo (version, generatorVersion) SELECT version, generatorVersion FROM DataModelInfo"
            << "DELETE FROM DataModelInfo ORDER BY id DESC LIMIT 1"
            << "Die Datenmodell-Informationen (Version etc.) konnten nicht sauber geladen werden. "
               "\n\nBitte kontaktieren Sie den Administrator.";
        QTest::newRow("ohne Version") << "UPDATE DataModelInfo SET version = NULL" << zurueck
            << "Die Datenmodellversion fehlt auf der Datenbank. Bitte kontaktieren Sie den Administrator.";
        QTest::newRow("ohne Generatorversion") << "UPDATE DataModelInfo SET generatorVersion = ''" << zurueck
            << "Die Generatorversion fehlt auf der Datenbank. Bitte kontaktieren Sie den Administrator.";
    }

    void metaFehler()
    {
        QFETCH(QString, schaden);
        QFETCH(QString, behebung);
        QFETCH(QString, text);
        TestDatabase::run(schaden.toStdString());
        DataSet daten;
        QString gemeldet;
        try {
            exportiere(daten, nullptr);
        } catch (const AnwendungsFehler &fehler) {
            QCOMPARE(fehler.meldung.titel, QStringLiteral("Datenmodell-Information fehlerhaft"));
            gemeldet = fehler.meldung.text;
        }
        TestDatabase::run(behebung.toStdString());
        QCOMPARE(gemeldet, text);
    }

    // A list file: headers only, no meta lines, no line keys; the rank numbers each id once.
    void listenDateiMitRang()
    {
        DataSet daten;
        const std::pair<const char *, qlonglong> zeilen[] = {{"Erstes", 7}, {"Zweites", 7}, {"Drittes", 9}};
        for (const auto &zeile : zeilen) {
            DataTuple &tupel = daten.addTuple(QStringLiteral("Wettbewerb"));
            tupel.setValue("name", QString::fromUtf8(zeile.first));
            tupel.setValue("id", zeile.second);
        }
        const ExportBlock block = ExportBlock::listFile(
            "Wettbewerb", {spalte("name", "Titel"), spalte("id", "Rang", std::make_shared<RangConverter>())});
        QCOMPARE(exportiere(daten, &block), erwartet("listendatei.csv"));
    }

    // Converted columns in a list file: a block of several columns takes its place in the
    // header line and may add lines; plain columns follow it.
    void wandler_data()
    {
        QTest::addColumn<QString>("entitaet");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<std::shared_ptr<ExportConverter>>("wandler");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("Statistikbaeume flach, keine Zahl uebersprungen")
            << "StatistikData" << QStringList{"101", "x", "105"}
            << std::shared_ptr<ExportConverter>(std::make_shared<StatistikConverter>())
            << QByteArray("0;1;2;Id\nWettbewerb;;;101\n;Sparte A;;x\n;;(keine Daten;105\n;Sparte B\nZweiter\n");
        QTest::newRow("Summe der Sparte beim ersten Bild")
            << "Mitglied" << QStringList{"70", "70", "71", "72"}
            << std::shared_ptr<ExportConverter>(std::make_shared<SummenWertungConverter>(50, 60))
            << QByteArray("Summe;Id\n12;70\n;70\n9;71\n;72\n");
        QTest::newRow("Summe ueber alle Sparten")
            << "Mitglied" << QStringList{"71", "70", "70"}
            << std::shared_ptr<ExportConverter>(std::make_shared<SummenWertungConverter>(50))
            << QByteArray("Summe;Id\n9;71\n17;70\n;70\n");
        QTest::newRow("Einzelwertungen je Durchgangsart")
            << "Bild" << QStringList{"200", "201", "202"}
            << std::shared_ptr<ExportConverter>(std::make_shared<EinzelWertungenConverter>())
            << QByteArray("Ina (kein Nachname);Max Ott;Summe;Max Ott;Summe;Id\n3;4;7;4;4;200\n"
                          "-;-;-;-;-;201\n-;-;-;-;-;202\n");
    }

    void wandler()
    {
        QFETCH(QString, entitaet);
        QFETCH(QStringList, ids);
        QFETCH(std::shared_ptr<ExportConverter>, wandler);
        QFETCH(QByteArray, datei);
        DataSet daten;
        for (const QString &id : ids)
            daten.addTuple(entitaet).setValue("id", id);
        const ExportBlock block =
            ExportBlock::listFile(entitaet, {spalte("id", "Summe", wandler), spalte("id", "Id")});
        QCOMPARE(exportiere(daten, &block), "\xEF\xBB\xBF" + datei);
    }

    // One file per named strategy in one directory; names stay plain names inside it and
    // never overwrite each other.
    void mehrereDateien()
    {
        QTemporaryDir ziel;
        CompositeExportCallStrategy alle;
        const QStringList namen{"statistik", "E_20261207_../A/B", "E_20261207_..\\A\\B"};
        for (const QString &name : namen)
            alle.add(name, std::make_unique<NamensListe>(name));
        alle.exportiere(*m_ctx, ziel.path());
        const QStringList dateien{"statistik.csv", "E_20261207_.._A_B.csv", "E_20261207_.._A_B_2.csv"};
        QCOMPARE(alle.fileNames(), dateien);
        QCOMPARE(QDir(ziel.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{dateien[1], dateien[2], dateien[0]}));
        for (int i = 0; i < namen.size(); ++i)
            QCOMPARE(inhalt(ziel.filePath(dateien[i])), "\xEF\xBB\xBFTitel\n" + namen[i].toUtf8() + "\n");
    }

    // Lists of stored rows in the order given, references followed to their values; an
    // unknown id is left out.
    void listeGespeicherterZeilen_data()
    {
        QTest::addColumn<std::shared_ptr<ExportCallStrategy>>("strategie");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("Teilnehmerwertungen")
            << std::shared_ptr<ExportCallStrategy>(
                   std::make_shared<ListExportCallStrategy>(ListExportCallStrategy::TeilnehmerWertung,
                                                            QList<qlonglong>{401, 400, 999, 402}))
            << QByteArray("Titel;Vorname;Nachname;Mitgliedsnummer;Verein;Sparte;Punkte\n"
                          ";Eva;;;;B;5\n;Eva;;;;A;12\n;Udo;;;;A;9\n");
        QTest::newRow("Statistik")
            << std::shared_ptr<ExportCallStrategy>(
                   std::make_shared<ListExportCallStrategy>(ListExportCallStrategy::StatistikData,
                                                            QList<qlonglong>{105, 101}))
            << QByteArray("0;1;2\nZweiter\nWettbewerb\n;Sparte A\n;;(keine Daten\n;Sparte B\n");
    }

    void listeGespeicherterZeilen()
    {
        QFETCH(std::shared_ptr<ExportCallStrategy>, strategie);
        QFETCH(QByteArray, datei);
        const QString pfad = m_dir.filePath(QStringLiteral("liste.csv"));
        strategie->exportiere(*m_ctx, pfad);
        QCOMPARE(inhalt(pfad), "\xEF\xBB\xBF" + datei);
    }

    void leererDatensatz()
    {
        DataSet daten;
        QCOMPARE(exportiere(daten, nullptr), erwartet("leer.csv"));
    }

    void dateiNichtZuOeffnen()
    {
        DataSet daten;
        const QString pfad = m_dir.filePath(QStringLiteral("fehlt/export.csv"));
        try {
            CSVDataExporter().exportiere(*m_ctx, pfad, daten, nullptr, QDir());
            QFAIL("no error");
        } catch (const AnwendungsFehler &fehler) {
            QCOMPARE(fehler.meldung.titel, QStringLiteral("Kann Datei nicht oeffnen"));
            QCOMPARE(fehler.meldung.text,
                     QStringLiteral("Die Datei %1 kann leider nicht geoeffnet bzw. angelegt werden.").arg(pfad));
        }
    }

    // A picture that cannot be written fails the export, and the file chosen keeps its
    // previous content instead of a truncated one.
    void fehlgeschlagenerExportLaesstDateiStehen()
    {
        const QString pfad = m_dir.filePath(QStringLiteral("alt.csv"));
        QFile alt(pfad);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("vorher\n");
        alt.close();
        DataSet daten;
        DataTuple &bild = daten.addTuple(QStringLiteral("BildDaten"));
        bild.setValue("nummer", QStringLiteral("1"));
        bild.setValue("dateiname", QStringLiteral("a.jpg"));
        bild.setValue("daten", QByteArray("x"));
        const QDir fehlt(m_dir.filePath(QStringLiteral("gibt/es/nicht")));
        QVERIFY_THROWS_EXCEPTION(AnwendungsFehler,
                                 CSVDataExporter().exportiere(*m_ctx, pfad, daten, nullptr, fehlt));
        QCOMPARE(inhalt(pfad), QByteArray("vorher\n"));
    }

    // Picture files land inside the export directory whatever number and file name the
    // database holds; the cell names the file written; equal names are told apart; bytes
    // not held by the row are read from the database.
    void bildDateienBleibenImVerzeichnis()
    {
        TestDatabase::run("INSERT INTO BildDaten (nummer, dateiname, daten) VALUES ('9', 'db.jpg', 'aus der DB')");
        const qlonglong gespeichert =
            QString::fromStdString(TestDatabase::scalar("SELECT id FROM BildDaten WHERE nummer = '9'")).toLongLong();
        struct Zeile
        {
            QString nummer, dateiname;
            QByteArray bytes;
            QString name;
        };
        const QList<Zeile> zeilen = {
            {"../../x", "bild.jpg", "a", "______x_bild.jpg"},
            {"12", "..\\..\\b\u00f6se.jpg", "b", "12_..____boese.jpg"},
            {"3", "Sonnenuntergang.jpg", "c", "3_Sonnenuntergang.jpg"},
            {"7", "a.jpg", "d", "7_a.jpg"},
            {"7", "a.jpg", "e", "7_a_2.jpg"},
            {"8", QString(), "f", "InternalError"},
            {"10", "leer.jpg", QByteArray(), QString()},
        };
        DataSet daten;
        for (const Zeile &zeile : zeilen) {
            DataTuple &tupel = daten.addTuple(QStringLiteral("BildDaten"));
            tupel.setValue("nummer", zeile.nummer);
            if (!zeile.dateiname.isNull())
                tupel.setValue("dateiname", zeile.dateiname);
            if (!zeile.bytes.isNull())
                tupel.setValue("daten", zeile.bytes);
        }
        DataTuple &ausDb = daten.addTuple(QStringLiteral("BildDaten"));
        ausDb.setValue("nummer", QStringLiteral("9"));
        ausDb.setValue("dateiname", QStringLiteral("db.jpg"));
        ausDb.setDatabaseId(gespeichert);

        QTemporaryDir wurzel;
        QDir(wurzel.path()).mkpath(QStringLiteral("export/bilder"));
        const QDir bilder(wurzel.filePath(QStringLiteral("export/bilder")));
        const ExportBlock block = ExportBlock::listFile("BildDaten", {spalte("daten")});
        const QString csv = wurzel.filePath(QStringLiteral("export/daten.csv"));
        CSVDataExporter().exportiere(*m_ctx, csv, daten, &block, bilder);

        const QByteArray bytes = inhalt(csv);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList zellen = QString::fromUtf8(bytes.mid(3)).split(QLatin1Char('\n'));
        QCOMPARE(zellen.takeFirst(), QStringLiteral("daten"));
        QStringList namen;
        for (const Zeile &zeile : zeilen) {
            namen << zeile.name;
            if (!zeile.name.isEmpty())
                QCOMPARE(inhalt(bilder.filePath(zeile.name)), zeile.bytes);
        }
        namen << QStringLiteral("9_db.jpg") << QString();
        QCOMPARE(zellen, namen);
        QCOMPARE(inhalt(bilder.filePath(QStringLiteral("9_db.jpg"))), QByteArray("aus der DB"));
        QCOMPARE(bilder.entryList(QDir::Files | QDir::Hidden).size(), 7);
        QCOMPARE(QDir(wurzel.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"export"});
        QCOMPARE(QDir(wurzel.filePath("export")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"bilder", "daten.csv"}));
    }
};

KALVOR_REGISTER_TEST(ExportTest)

#include "tst_export.moc"
