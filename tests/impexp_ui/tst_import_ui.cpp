// The import from the main window: file dialog, extraction, meta check, the import thread and
// the closing messages, against the test database.
#include "ArchiveHelper.h"
#include "DataModel.h"
#include "ExportStrategien.h"
#include "Exportdatei.h"
#include "FileDialogs.h"
#include "ImportFortschrittsDialog.h"
#include "Kontextzeile.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "TestRegistry.h"
#include "ergebnisfixture.h"
#include "wettbewerbsdialoge.h"

#include <QMenuBar>
#include <QPushButton>
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
        if (ereignis->type() == QEvent::Show)
            if (auto *dialog = qobject_cast<ImportFortschrittsDialog *>(objekt))
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
        // Every picture with its bytes, as the picture dialog enters them.
        TestDatabase::run("INSERT INTO BildDaten (nummer, nummerProWettbewerb, dateiname, daten) "
                          "SELECT id, id, CONCAT('Bild', id, '.jpg'), REPEAT('x', 1000 + id) "
                          "FROM Bild");
        TestDatabase::run("UPDATE Bild b JOIN BildDaten d ON d.nummer = b.id "
                          "SET b.bildDaten = d.id, b.anzahlRotierSchritte = 0");
        // Club and member numbers as their dialogs give them.
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
        QTest::addColumn<QString>("endung");   // of the file chosen
        QTest::addColumn<QString>("aenderung"); // of the CSV file before it is packed
        QTest::addColumn<QString>("antwort");   // to the version question
        QTest::addColumn<bool>("abbrechen");    // "Abbrechen" in the progress dialog
        QTest::addColumn<QString>("titel");     // of the last box; %1 the CSV file as read,
        QTest::addColumn<QString>("text");      // %2 the program's version, %3 the line added
        const QString schluss = "\n\nDaher konnten die Daten NICHT importiert werden.Bitte "
                                "beheben Sie den Fehler und versuchen Sie es nochmals.";
        const QString frage = "Die Datenmodellversion des Programms ist %2, die in der "
                              "Importdatei aber 0.9.\n\nKalvor kann versuchen, die Datei trotzdem "
                              "zu importieren.  Da Importdateien mit veraltetem Datenformat nicht "
                              "unbegrenzt unterstuetzt werden, koennte es dabei zu "
                              "Fehlermeldungen kommen.  Falls dies der Fall ist, wenden Sie sich "
                              "bitte an den Administrator. \n\nWollen Sie mit dem Import "
                              "fortfahren?";
        const QString erfolg = "Import erfolgreich beendet";
        QTest::newRow("archive") << ".zip" << "" << "" << false << erfolg << "";
        QTest::newRow("csv file") << ".csv" << "" << "" << false << erfolg << "";
        QTest::newRow("other version, go on") << ".csv" << "version" << "j" << false << erfolg << "";
        QTest::newRow("other version, stop")
            << ".zip" << "version" << "n" << false << "Abweichende Datenmodellversion erkannt"
            << frage;
        QTest::newRow("without GeschriebenAm")
            << ".zip" << "ohne GeschriebenAm" << "" << false << "Fehlende Zeile"
            << "Fehler beim Einlesen der Datei %1: \n\nEs muss in der CSV-Datei genau eine Zeile "
               "geben, die mit dem Schluesselwort GeschriebenAm beginnt.  Diese fehlt." +
                   schluss;
        QTest::newRow("line of no kind, in the thread")
            << ".zip" << "unsinn" << "" << false
            << "Zeile %3 der CSV-Datei ist weder Schema- noch Datenzeile"
            << "Fehler beim Einlesen von Zeile %3 der Datei %1: \n\nDas erste Wort jeder Zeile "
               "der CSV-Datei muss die Art der in der Zeile gespeicherten Information angeben. "
               "Erlaubt sind Schema, Daten, DatenmodellVersion, GeneratorVersion und "
               "GeschriebenAm. Das erste Wort von Zeile %3 ist aber keines dieser "
               "Schluesselwoerter!" +
                   schluss;
        QTest::newRow("ending in capitals")
            << ".ZIP" << "" << "" << false << "Falsches Dateiformat"
            << "Es koennen nur csv-Dateien mit der Endung .csv sowie ZIP-Dateien mit der Endung "
               ".zip importiert werden.  Die Datei %1 hat somit keine unterstuetzte Endung.";
        QTest::newRow("cancelled") << ".zip" << "" << "" << true << "Import abgebrochen"
                                   << "Der Import wurde abgebrochen. Es wurden keine Daten "
                                      "geaendert.";
    }
    void fenster()
    {
        QFETCH(QString, endung);
        QFETCH(QString, aenderung);
        QFETCH(QString, antwort);
        QFETCH(bool, abbrechen);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        m_boxen = RecordingMessageBoxes();
        m_dateien = ScriptedFileDialogs();
        QDir(m_ziel.path()).removeRecursively();
        QDir().mkpath(m_ziel.path());
        TestDatabase::reinstall();

        const int zeile = legeDateiAn(endung, aenderung);
        const QString gewaehlt = m_ziel.filePath(kName + endung);
        const QStringList vorher = dateien(m_ziel.path());
        const QString gelesen = endung == ".ZIP" ? gewaehlt : m_gelesen;
        const QMap<QString, int> zeilenVorher = zeilen();
        for (QChar a : antwort)
            m_boxen.answer(a == 'j');
        SofortAbbrechen abbrecher;
        if (abbrechen)
            qApp->installEventFilter(&abbrecher);

        const int sitzungen = anzahl("Session WHERE import_tist IS NULL");
        MainWindow fenster(wettbewerbsdialoge::alsAdministrator());
        m_dateien.answer(gewaehlt);
        fenster.action("importiere")->trigger();
        QVERIFY(fenster.importLaeuft());
        QVERIFY(!fenster.menuBar()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.importLaeuft(), 60000);
        qApp->removeEventFilter(&abbrecher);

        QVERIFY(!m_boxen.shown().empty());
        const auto &letzte = m_boxen.shown().back();
        const auto einsetzen = [&](QString vorlage) {
            return vorlage.replace("%1", gelesen)
                .replace("%2", m_version)
                .replace("%3", QString::number(zeile));
        };
        QVERIFY2(letzte.title == einsetzen(titel), qPrintable(letzte.title + ": " + letzte.text));
        const bool erfolg = titel == "Import erfolgreich beendet";
        if (!erfolg) {
            // The extraction's directory has a time in its name.
            const QString erwartet = QRegularExpression::escape(einsetzen(text))
                                         .replace("\\@\\@", "\\d{8}_\\d{6}");
            QVERIFY2(QRegularExpression("^" + erwartet + "$").match(letzte.text).hasMatch(),
                     qPrintable(letzte.text));
        }
        QCOMPARE(m_boxen.shown().size(), size_t(antwort.size() + 1 - (antwort == "n")));
        QVERIFY(fenster.menuBar()->isEnabled());
        QCOMPARE(fenster.kontextzeile()->statusText(), QString());
        QCOMPARE(dateien(m_ziel.path()), vorher);
        // The worker threads work in the session of the window's login.
        QCOMPARE(anzahl("Session WHERE import_tist IS NULL"), sitzungen + 1);
        if (erfolg)
            pruefeErfolg(letzte.text, zeilenVorher);
        else
            QCOMPARE(zeilen(), zeilenVorher);
    }

private:
    // Places the file of a row in the target directory (a CSV file with the picture beside
    // it, or an archive of both) and returns the number of a line added, if any.
    int legeDateiAn(const QString &endung, const QString &aenderung)
    {
        QFile quelle(m_quelle.filePath(kName + ".csv"));
        if (!quelle.open(QIODevice::ReadOnly))
            return -1;
        QStringList zeilen = QString::fromUtf8(quelle.readAll()).split('\n');
        while (!zeilen.isEmpty() && zeilen.back().isEmpty())
            zeilen.removeLast();
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
        csv.remove();
        csv.open(QIODevice::WriteOnly);
        csv.write((zeilen.join('\n') + '\n').toUtf8());
        csv.close();
        m_gelesen = csv.fileName();
        if (endung != ".csv") {
            auto ctx = TestDatabase::openContext();
            ArchiveHelper::schreibeArchiv(*ctx, paket, m_ziel.path(), kName, true);
            QFile::rename(m_ziel.filePath(kName + ".zip"), m_ziel.filePath(kName + endung));
            // Extracted beside the archive, into a directory whose name starts with "tmp".
            m_gelesen = m_ziel.filePath("tmp@@/") + kName + ".csv";
        }
        return int(zeilen.size());
    }

    // The rows of every table the file names.
    QMap<QString, int> zeilen() const
    {
        QMap<QString, int> ergebnis;
        for (const QString &tabelle : std::as_const(m_tabellen))
            ergebnis.insert(tabelle, anzahl(tabelle));
        return ergebnis;
    }

    // The counts of the success message agree with the file and the rows the import added.
    void pruefeErfolg(const QString &text, const QMap<QString, int> &vorher)
    {
        static const QRegularExpression muster(
            "^Die Daten wurden erfolgreich importiert: (\\d+) Datensaetze gelesen, davon (\\d+) "
            "neu eingefuegt, (\\d+) ueberschrieben und (\\d+) uebergangen.\n\nDauer: \\d+ "
            "Sekunden$");
        const auto treffer = muster.match(text);
        QVERIFY2(treffer.hasMatch(), qPrintable(text));
        const int gelesen = treffer.captured(1).toInt();
        const int eingefuegt = treffer.captured(2).toInt();
        QCOMPARE(gelesen, m_datenZeilen);
        QCOMPARE(eingefuegt + treffer.captured(3).toInt() + treffer.captured(4).toInt(), gelesen);
        int neu = 0;
        const QMap<QString, int> nachher = zeilen();
        for (auto it = nachher.begin(); it != nachher.end(); ++it)
            neu += it.value() - vorher.value(it.key());
        QCOMPARE(neu, eingefuegt);
        QCOMPARE(anzahl("Wettbewerb"), 1);
        QCOMPARE(TestDatabase::scalar("SELECT SUM(LENGTH(daten)) FROM BildDaten"), m_bytes);
    }

private:
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
