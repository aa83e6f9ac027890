#include "ArchiveHelper.h"
#include "ExportFortschrittsDialog.h"
#include "ExportReiter.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "Mitgliederliste.h"
#include "Mitgliederverwaltung.h"
#include "Screenshot.h"
#include "TestRegistry.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbErgebnisWidget.h"
#include "WettbewerbLoeschen.h"
#include "ergebnisfixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace ErgebnisFixture;

namespace {

QPushButton *knopf(QWidget &widget, const char *name)
{
    return widget.findChild<QPushButton *>(QString::fromLatin1(name));
}

// The competition of the results tests with a picture behind Anna's first image.
Ergebniswettbewerb wettbewerbMitBild(DatabaseContext &ctx)
{
    auto w = legeErgebniswettbewerbAn(ctx);
    TestDatabase::run("INSERT INTO BildDaten (nummer, dateiname, daten) "
                      "VALUES ('17', 'Morgennebel.jpg', REPEAT('x', 50000))");
    TestDatabase::run("UPDATE Bild SET bildDaten = (SELECT MAX(id) FROM BildDaten) "
                      "ORDER BY id LIMIT 1");
    return w;
}

QStringList dateien(const QString &verzeichnis)
{
    return QDir(verzeichnis).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class ExportUiTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        ExportReiter::registriere();
        MessageBoxes::install(&m_boxen);
        FileDialogs::install(&m_dateien);
    }
    void init()
    {
        m_boxen = RecordingMessageBoxes();
        m_dateien = ScriptedFileDialogs();
        QVERIFY(m_ziel.isValid());
        QDir(m_ziel.path()).removeRecursively();
        QDir().mkpath(m_ziel.path());
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }
    void cleanupTestCase()
    {
        MessageBoxes::install(nullptr);
        FileDialogs::install(nullptr);
        WettbewerbBearbeitenDialog::setzeReiter(WettbewerbBearbeitenDialog::Reiter::Export, {});
        Mitgliederverwaltung::setzeAdressExport({});
    }

    // Nothing is deleted unless both questions are answered yes and the backup was written;
    // the backup stays whatever the second answer.
    void loeschung_data()
    {
        QTest::addColumn<QString>("antworten"); // j/n per question
        QTest::addColumn<QString>("datei");     // the backup's name; empty: dialog cancelled
        QTest::addColumn<bool>("geloescht");
        QTest::addColumn<bool>("sicherung");
        QTest::newRow("no at the first question") << "n" << "sicherung.zip" << false << false;
        QTest::newRow("backup dialog cancelled") << "j" << "" << false << false;
        QTest::newRow("backup fails") << "j" << "kein/Verzeichnis.zip" << false << false;
        QTest::newRow("no at the second question") << "jn" << "sicherung.zip" << false << true;
        QTest::newRow("yes, yes") << "jj" << "sicherung.zip" << true << true;
    }
    void loeschung()
    {
        QFETCH(QString, antworten);
        QFETCH(QString, datei);
        QFETCH(bool, geloescht);
        QFETCH(bool, sicherung);
        auto w = wettbewerbMitBild(*m_ctx);
        QFile(m_ziel.filePath("kein")).open(QIODevice::WriteOnly); // a file, not a directory
        for (QChar antwort : antworten)
            m_boxen.answer(antwort == 'j');
        m_dateien.answer(datei.isEmpty() ? datei : m_ziel.filePath(datei));
        QWidget fenster;

        QCOMPARE(loescheWettbewerbMitSicherung(&fenster, *m_ctx, w.wettbewerb()), geloescht);
        QCOMPARE(anzahl("Wettbewerb") == 0, geloescht);
        QCOMPARE(anzahl("Bild") == 0, geloescht);
        QCOMPARE(anzahl("WettbewerbsTeilnahme") == 0, geloescht);
        QCOMPARE(QFile::exists(m_ziel.filePath("sicherung.zip")), sicherung);
        QCOMPARE(dateien(m_ziel.path()),
                 sicherung ? QStringList({"kein", "sicherung.zip"}) : QStringList({"kein"}));
        const auto &letzte = m_boxen.shown().back();
        QCOMPARE(letzte.kind, QStringLiteral("information"));
        QCOMPARE(letzte.title, QString(geloescht ? "Loeschung erfolgreiche abgeschlossen"
                                                 : "Loeschung abgebrochen"));
        QCOMPARE(letzte.text, QString(geloescht ? "Der Wettbewerb wurde erfolgreich geloescht."
                                                : "Der Wettbewerb wird nicht geloescht."));
    }

    // The results are reported as saved only when the archive was written.
    void ergebnisseSpeichern_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("written") << "ergebnisse.zip" << true;
        QTest::newRow("directory not writable") << "kein/ergebnisse.zip" << false;
        QTest::newRow("not a zip name") << "ergebnisse.ZIP" << false;
        QTest::newRow("dialog cancelled") << "" << false;
    }
    void ergebnisseSpeichern()
    {
        QFETCH(QString, datei);
        QFETCH(bool, gespeichert);
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        QFile(m_ziel.filePath("kein")).open(QIODevice::WriteOnly);
        m_dateien.answer(datei.isEmpty() ? datei : m_ziel.filePath(datei));
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), true);
        knopf(reiter, "exportieren")->click();

        const auto &letzte = m_boxen.shown().back();
        if (gespeichert) {
            QCOMPARE(letzte.title, QStringLiteral("Speicherung erfolgreich beendet"));
            QVERIFY(letzte.text.startsWith("Die Daten wurden erfolgreich gespeichert.  Dauer: "));
            QVERIFY(QFile::exists(m_ziel.filePath(datei)));
            return;
        }
        QCOMPARE(letzte.title, QStringLiteral("Daten nicht gespeichert"));
        QCOMPARE(letzte.text, QStringLiteral("Die Daten wurden nicht gespeichert."));
        QCOMPARE(dateien(m_ziel.path()), QStringList({"kein"}));
        if (!datei.isEmpty()) {
            const auto &fehler = m_boxen.shown().front();
            QCOMPARE(fehler.kind, QStringLiteral("critical"));
            QVERIFY(fehler.text.startsWith("Fehler beim Exportieren in die Datei " +
                                           m_ziel.filePath(datei) + ": \n\n"));
            QVERIFY(fehler.text.endsWith("\n\nDaher konnten die Daten NICHT exportiert werden."
                                         "Bitte beheben Sie den Fehler und versuchen Sie es "
                                         "nochmals."));
        }
    }

    // The export tab writes the competition into an archive holding the CSV file, named after
    // the archive up to its first dot, and the picture.
    void exportReiter()
    {
        auto w = wettbewerbMitBild(*m_ctx);
        WettbewerbBearbeitenDialog dialog(*m_ctx, w.wettbewerb());
        QWidget *reiter = dialog.reiterWidget(WettbewerbBearbeitenDialog::Reiter::Export);
        QVERIFY(reiter);
        dialog.reiter()->setCurrentWidget(reiter);
        bild(dialog, QStringLiteral("export-tab"));

        const QString archiv = m_ziel.filePath("Landesfotoschau.2026.zip");
        m_dateien.answer(archiv);
        knopf(*reiter, "wettbewerb")->click();
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Export erfolgreich beendet"));
        QCOMPARE(m_boxen.shown().back().text, QStringLiteral("Der Export wurde erfolgreich beendet."));
        QCOMPARE(dateien(m_ziel.path()), QStringList({"Landesfotoschau.2026.zip"}));

        const QDir entpackt(m_ziel.filePath("entpackt"));
        QVERIFY(QDir().mkpath(entpackt.path()));
        ArchiveHelper::entpacke(*m_ctx, archiv, entpackt);
        QCOMPARE(dateien(entpackt.path()),
                 QStringList({"17_Morgennebel.jpg", "Landesfotoschau.csv"}));
        QFile csv(entpackt.filePath("Landesfotoschau.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("Daten;Wettbewerb;"));
    }

    // "Abbrechen" in the progress dialog ends the export: no archive, no temporary directory,
    // and the user is told.
    void abbrechen()
    {
        auto w = wettbewerbMitBild(*m_ctx);
        WettbewerbBearbeitenDialog dialog(*m_ctx, w.wettbewerb());
        QWidget *reiter = dialog.reiterWidget(WettbewerbBearbeitenDialog::Reiter::Export);
        m_dateien.answer(m_ziel.filePath("abgebrochen.zip"));
        bool gezeigt = false;
        QTimer::singleShot(0, reiter, [reiter, &gezeigt] {
            auto *fortschritt = reiter->findChild<ExportFortschrittsDialog *>();
            QVERIFY(fortschritt);
            fortschritt->umfang(1200, 300);
            bild(*fortschritt, QStringLiteral("export-progress"));
            gezeigt = true;
            fortschritt->abbrechenKnopf()->click();
        });
        knopf(*reiter, "wettbewerb")->click();
        QVERIFY(gezeigt);
        QCOMPARE(m_boxen.shown().size(), size_t(1));
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Export abgebrochen"));
        QCOMPARE(m_boxen.shown().back().text, QStringLiteral("Der Export wurde abgebrochen."));
        QCOMPARE(dateien(m_ziel.path()), QStringList());
    }

    // "Adress&daten speichern" writes the listed members, one line each after the header.
    void adressdaten()
    {
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        auto *verwaltung = new Mitgliederverwaltung(*m_ctx, nullptr);
        verwaltung->sucheMitglieder();
        const int mitglieder = verwaltung->liste()->rowCount();
        QVERIFY(mitglieder > 0);
        m_dateien.answer(m_ziel.filePath("adressen.csv"));
        knopf(*verwaltung, "adressdaten")->click();
        delete verwaltung;
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Daten erfolgreich gespeichert"));
        QFile csv(m_ziel.filePath("adressen.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = csv.readAll().trimmed().split('\n');
        QCOMPARE(zeilen.size(), mitglieder + 1);
        QVERIFY(zeilen.front().contains("Vorname;Nachname"));
    }

private:
    RecordingMessageBoxes m_boxen;
    ScriptedFileDialogs m_dateien;
    QTemporaryDir m_ziel;
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(ExportUiTest)

#include "tst_export_ui.moc"
