// The import from the main window: file dialog, extraction, meta check, the import thread and
// the closing messages, against the test database.
#include "ArchiveHelper.h"
#include "DataModel.h"
#include "ExportStrategien.h"
#include "Exportdatei.h"
#include "FileDialogs.h"
#include "ImportFortschrittsDialog.h"
#include "Kontextzeile.h"
#include "TestRegistry.h"
#include "ergebnisfixture.h"
#include "wettbewerbsdialoge.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

namespace {

const QString kName = QStringLiteral("Landesfotoschau");

QStringList dateien(const QString &verzeichnis)
{
    return QDir(verzeichnis).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

int anzahl(const QString &tabelle)
{
    return std::stoi(TestDatabase::scalar("SELECT COUNT(*) FROM " + tabelle.toStdString()));
}

// Presses "Abbrechen" as soon as the progress dialog of an import shows, before its thread
// has started.
struct SofortAbbrechen : QObject
{
    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (auto *dialog = qobject_cast<ImportFortschrittsDialog *>(objekt))
            if (ereignis->type() == QEvent::Show)
                dialog->abbrechenKnopf()->click();
        return false;
    }
};

} // namespace

class ImportUiTest : public QObject
{
    Q_OBJECT
private slots:
    // An exported competition with its members, clubs and pictures, unpacked: the CSV file
    // that the rows of the test change, and the pictures beside it.
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        QVERIFY(m_quelle.isValid() && m_ziel.isValid());
        TestDatabase::reinstall();
        auto ctx = TestDatabase::openContext();
        auto w = ErgebnisFixture::legeErgebniswettbewerbAn(*ctx);
        // Pictures with their bytes, club and member numbers, as the dialogs enter them.
        TestDatabase::run("INSERT INTO BildDaten (nummer, nummerProWettbewerb, dateiname, daten) "
                          "SELECT id, id, CONCAT('Bild', id, '.jpg'), REPEAT('x', 1000 + id) "
                          "FROM Bild");
        TestDatabase::run("UPDATE Bild b JOIN BildDaten d ON d.nummer = b.id "
                          "SET b.bildDaten = d.id, b.anzahlRotierSchritte = 0");
        TestDatabase::run("UPDATE Verein SET vereinsNummerLokal = id, vereinsNummerKomplett = id, "
                          "inaktiv = 0");
        TestDatabase::run("UPDATE Mitglied m JOIN Verein v ON m.verein = v.id SET "
                          "m.mitgliedsNummerImVerein = m.id, m.mitgliedsNummerKomplett = "
                          "CONCAT(v.id, m.id, 'C'), m.mitgliedsNummerSchluessel = CONCAT(v.id, "
                          "m.id), m.mitgliedsArt = (SELECT c.id FROM CodeValue c JOIN CodeType t "
                          "ON c.type = t.id WHERE t.name = 'Mitgliedsart' AND c.name = 'Club')");
        m_bytes = TestDatabase::scalar("SELECT SUM(LENGTH(daten)) FROM BildDaten");
        const QString archiv = m_quelle.filePath(kName + ".zip");
        Exportdatei::schreibe(*ctx, *ExportStrategien::wettbewerbMitMitgliedern(w.wettbewerb().getId()),
                              archiv);
        ArchiveHelper::entpacke(*ctx, archiv, QDir(m_quelle.path()));
        QFile::remove(archiv);
        QFile csv(m_quelle.filePath(kName + ".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        for (const QByteArray &zeile : csv.readAll().split('\n'))
            if (zeile.startsWith("Daten;")) {
                ++m_datenZeilen;
                m_tabellen.insert(QString::fromUtf8(zeile.split(';').at(1)));
            }
        m_tabellen.remove("DatenbankVerbindung");
        m_version = ctx->dataModel().version();
        MessageBoxes::install(&m_boxen);
        FileDialogs::install(&m_dateien);
    }
    void cleanupTestCase()
    {
        MessageBoxes::install(nullptr);
        FileDialogs::install(nullptr);
    }

    // Every road through the window ends in one message, with the menu bar enabled again, no
    // status left, no temporary directory beside the file, and rows only after a success.
    void fenster_data()
    {
        QTest::addColumn<QString>("endung");    // of the file chosen
        QTest::addColumn<QString>("aenderung"); // of the CSV file before it is packed
        QTest::addColumn<QString>("eingriff");  // j/n: the answer to the version question,
                                                // a: "Abbrechen" in the progress dialog
        QTest::addColumn<QString>("titel");     // of the last box; %1 the CSV file as read,
        QTest::addColumn<QString>("text");      // %2 the program's version, %3 the line added
        const QString schluss = "\n\nDaher konnten die Daten NICHT importiert werden.Bitte "
                                "beheben Sie den Fehler und versuchen Sie es nochmals.";
        const QString erfolg = erfolgTitel();
        QTest::newRow("archive") << ".zip" << "" << "" << erfolg << "";
        QTest::newRow("csv file of another version, go on")
            << ".csv" << "version" << "j" << erfolg << "";
        QTest::newRow("another version, stop")
            << ".zip" << "version" << "n" << "Abweichende Datenmodellversion erkannt"
            << "Die Datenmodellversion des Programms ist %2, die in der Importdatei aber 0.9.\n\n"
               "Kalvor kann versuchen, die Datei trotzdem zu importieren.  Da Importdateien mit "
               "veraltetem Datenformat nicht unbegrenzt unterstuetzt werden, koennte es dabei zu "
               "Fehlermeldungen kommen.  Falls dies der Fall ist, wenden Sie sich bitte an den "
               "Administrator. \n\nWollen Sie mit dem Import fortfahren?";
        QTest::newRow("without GeschriebenAm")
            << ".zip" << "ohne GeschriebenAm" << "" << "Fehlende Zeile"
            << "Fehler beim Einlesen der Datei %1: \n\nEs muss in der CSV-Datei genau eine Zeile "
               "geben, die mit dem Schluesselwort GeschriebenAm beginnt.  Diese fehlt." + schluss;
        QTest::newRow("line of no kind, in the thread")
            << ".zip" << "unsinn" << "" << "Zeile %3 der CSV-Datei ist weder Schema- noch Datenzeile"
            << "Fehler beim Einlesen von Zeile %3 der Datei %1: \n\nDas erste Wort jeder Zeile "
               "der CSV-Datei muss die Art der in der Zeile gespeicherten Information angeben. "
               "Erlaubt sind Schema, Daten, DatenmodellVersion, GeneratorVersion und "
               "GeschriebenAm. Das erste Wort von Zeile %3 ist aber keines dieser "
               "Schluesselwoerter!" + schluss;
        QTest::newRow("ending in capitals")
            << ".ZIP" << "" << "" << "Falsches Dateiformat"
            << "Es koennen nur csv-Dateien mit der Endung .csv sowie ZIP-Dateien mit der Endung "
               ".zip importiert werden.  Die Datei %1 hat somit keine unterstuetzte Endung.";
        QTest::newRow("cancelled") << ".zip" << "" << "a" << "Import abgebrochen"
                                   << "Der Import wurde abgebrochen. Es wurden keine Daten "
                                      "geaendert.";
    }
    void fenster()
    {
        QFETCH(QString, endung);
        QFETCH(QString, aenderung);
        QFETCH(QString, eingriff);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        m_boxen = RecordingMessageBoxes();
        m_dateien = ScriptedFileDialogs();
        QDir(m_ziel.path()).removeRecursively();
        QDir().mkpath(m_ziel.path());
        TestDatabase::reinstall();
        const int zeile = legeDateiAn(endung, aenderung);
        const QString gewaehlt = m_ziel.filePath(kName + endung);
        const QString gelesen = endung == ".ZIP" ? gewaehlt : m_gelesen;
        const QStringList vorher = dateien(m_ziel.path());
        const int zeilenVorher = zeilen();
        const int sitzungen = anzahl("Session WHERE import_tist IS NULL");
        if (eingriff != "a")
            for (QChar antwort : eingriff)
                m_boxen.answer(antwort == 'j');
        SofortAbbrechen abbrecher;
        if (eingriff == "a")
            qApp->installEventFilter(&abbrecher);

        MainWindow fenster(wettbewerbsdialoge::alsAdministrator());
        m_dateien.answer(gewaehlt);
        fenster.action("importiere")->trigger();
        QVERIFY(!fenster.menuBar()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.importLaeuft(), 60000);
        qApp->removeEventFilter(&abbrecher);

        const auto einsetzen = [&](QString vorlage) {
            return vorlage.replace("%1", gelesen)
                .replace("%2", m_version)
                .replace("%3", QString::number(zeile));
        };
        QCOMPARE(m_boxen.shown().size(), size_t(eingriff == "j" ? 2 : 1));
        const auto &letzte = m_boxen.shown().back();
        QVERIFY2(letzte.title == einsetzen(titel), qPrintable(letzte.title + ": " + letzte.text));
        // The directory of the extraction has a time in its name.
        const QString erwartet =
            QRegularExpression::escape(einsetzen(text)).replace("\\@\\@", "\\d{8}_\\d{6}");
        QVERIFY2(text.isEmpty() || QRegularExpression("^" + erwartet + "$").match(letzte.text).hasMatch(),
                 qPrintable(letzte.text));
        QVERIFY(fenster.menuBar()->isEnabled());
        QCOMPARE(fenster.kontextzeile()->statusText(), QString());
        QCOMPARE(dateien(m_ziel.path()), vorher);
        // The worker threads work in the session of the window's login.
        QCOMPARE(anzahl("Session WHERE import_tist IS NULL"), sitzungen + 1);
        if (titel == erfolgTitel())
            pruefeErfolg(letzte.text, zeilenVorher);
        else
            QCOMPARE(zeilen(), zeilenVorher);
    }

private:
    static QString erfolgTitel() { return QStringLiteral("Import erfolgreich beendet"); }

    // Places the file of a row in the target directory (a CSV file with the pictures beside
    // it, or an archive of them) and returns the number of its last line.
    int legeDateiAn(const QString &endung, const QString &aenderung)
    {
        QFile quelle(m_quelle.filePath(kName + ".csv"));
        if (!quelle.open(QIODevice::ReadOnly))
            return -1;
        QStringList zeilen = QString::fromUtf8(quelle.readAll()).trimmed().split('\n');
        if (aenderung == "version")
            zeilen.replaceInStrings(QRegularExpression("^DatenmodellVersion;.*"),
                                    "DatenmodellVersion;0.9");
        else if (aenderung == "ohne GeschriebenAm")
            zeilen = zeilen.filter(QRegularExpression("^(?!GeschriebenAm)"));
        else if (aenderung == "unsinn")
            zeilen << "Unsinn;1";
        const QDir paket(endung == ".csv" ? m_ziel.path() : m_ziel.filePath("paket"));
        QDir().mkpath(paket.path());
        for (const QString &datei : dateien(m_quelle.path()))
            QFile::copy(m_quelle.filePath(datei), paket.filePath(datei));
        QFile csv(paket.filePath(kName + ".csv"));
        if (!csv.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1;
        csv.write((zeilen.join('\n') + '\n').toUtf8());
        csv.close();
        m_gelesen = csv.fileName();
        if (endung != ".csv") {
            ArchiveHelper::schreibeArchiv(*TestDatabase::openContext(), paket, m_ziel.path(), kName,
                                          true);
            QFile::rename(m_ziel.filePath(kName + ".zip"), m_ziel.filePath(kName + endung));
            // Extracted beside the archive, into a directory "tmp" + date and time.
            m_gelesen = m_ziel.filePath("tmp@@/") + kName + ".csv";
        }
        return int(zeilen.size());
    }

    // The rows of all tables the file names.
    int zeilen() const
    {
        int summe = 0;
        for (const QString &tabelle : std::as_const(m_tabellen))
            summe += anzahl(tabelle);
        return summe;
    }

    // The counts of the success message agree with the file and the rows the import added;
    // the pictures arrived.
    void pruefeErfolg(const QString &text, int vorher)
    {
        static const QRegularExpression muster(
            "^Die Daten wurden erfolgreich importiert: (\\d+) Datensaetze gelesen, davon (\\d+) "
            "neu eingefuegt, (\\d+) ueberschrieben und (\\d+) uebergangen.\n\nDauer: \\d+ "
            "Sekunden$");
        const auto treffer = muster.match(text);
        QVERIFY2(treffer.hasMatch(), qPrintable(text));
        const int eingefuegt = treffer.captured(2).toInt();
        QCOMPARE(treffer.captured(1).toInt(), m_datenZeilen);
        QCOMPARE(eingefuegt + treffer.captured(3).toInt() + treffer.captured(4).toInt(),
                 m_datenZeilen);
        QCOMPARE(zeilen() - vorher, eingefuegt);
        QCOMPARE(TestDatabase::scalar("SELECT SUM(LENGTH(daten)) FROM BildDaten"), m_bytes);
    }

    RecordingMessageBoxes m_boxen;
    ScriptedFileDialogs m_dateien;
    QTemporaryDir m_quelle;
    QTemporaryDir m_ziel;
    QString m_version;
    QString m_gelesen;
    QSet<QString> m_tabellen;
    int m_datenZeilen = 0;
    std::string m_bytes; // of all pictures
};

KALVOR_REGISTER_TEST(ImportUiTest)

#include "tst_import_ui.moc"
