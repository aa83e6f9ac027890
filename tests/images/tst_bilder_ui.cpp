#include "BildAnzeigeWidget.h"
#include "BildBearbeitenDialog.h"
#include "BildLader.h"
#include "BilderReiter.h"
#include "BilderSucheWidget.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "TestRegistry.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbBilderWidget.h"
#include "bilderfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace BilderFixture;

namespace {

void klicke(QWidget &fenster, const char *name)
{
    auto *knopf = fenster.findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY2(knopf && knopf->isEnabled(), name);
    knopf->click();
}

QString feld(QWidget &fenster, const char *name)
{
    return fenster.findChild<QLineEdit *>(QString::fromLatin1(name))->text();
}

void bildschirmfoto(QWidget &fenster, const char *name)
{
    QDir().mkpath(QStringLiteral(KALVOR_SCREENSHOT_DIR));
    fenster.grab().save(QStringLiteral(KALVOR_SCREENSHOT_DIR "/") + QString::fromLatin1(name));
}

} // namespace

class BilderDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_daten = legeWettbewerbAn(*m_ctx);
        m_sparte = legeSparteAn(*m_ctx, *m_daten.wettbewerb, "Farbe");
        setzeStatus(*m_ctx, *m_daten.wettbewerb, WettbewerbsStatus::Bilderannahme);
        MessageBoxes::install(&m_boxen);
        FileDialogs::install(&m_dateien);
    }
    void cleanup()
    {
        MessageBoxes::install(nullptr);
        FileDialogs::install(nullptr);
        m_boxen = RecordingMessageBoxes();
        m_dateien = ScriptedFileDialogs();
        m_ctx.reset();
    }

    // A new image step by step, each check answered by its box.
    void neuesBild()
    {
        Wettbewerb &wettbewerb = *m_daten.wettbewerb;
        const auto eva = teilnehmer(*m_ctx, wettbewerb, "100");
        Mitglied fremd;
        fremd.setVerein(wettbewerb.getVerein());
        MitgliedController().insertOrUpdate(*m_ctx, fremd);
        QTemporaryDir ordner;
        const QByteArray jpeg = zeichneJpeg(1200, 800, QColorSpace(QColorSpace::DisplayP3));
        QFile kaputt(ordner.filePath("kaputt.jpg"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("GIF89a kein JPEG");
        kaputt.close();
        QFile gut(ordner.filePath("Sonnenuntergang.jpg"));
        QVERIFY(gut.open(QIODevice::WriteOnly));
        gut.write(jpeg);
        gut.close();

        BildBearbeitenDialog dialog(*m_ctx, Modus::NEU, wettbewerb, nullptr, nullptr);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Bild hinzufuegen"));
        QCOMPARE(feld(dialog, "nummerProWettbewerb"), QStringLiteral("1"));
        klicke(dialog, "speichern");
        m_dateien.answer(kaputt.fileName());
        m_dateien.answer(gut.fileName());
        klicke(dialog, "bildWaehlen");
        QVERIFY(dialog.anzeige()->grab().toImage().width() > 0);
        QVERIFY(dialog.anzeige()->angezeigt().isNull()); // the broken file was not taken
        klicke(dialog, "bildWaehlen");
        dialog.setzeEinreicher(fremd);
        dialog.setzeEinreicher(*eva);
        QCOMPARE(feld(dialog, "nummer"), QStringLiteral("100-1"));
        klicke(dialog, "speichern");
        dialog.setzeSparte(m_sparte.get());
        dialog.findChild<QLineEdit *>("titel")->setText("Abendrot");
        klicke(dialog, "rotiereIm");
        klicke(dialog, "rotiereIm");
        klicke(dialog, "rotiereGegen");
        dialog.anzeige()->grab();
        QCOMPARE(dialog.anzeige()->angezeigt().height() > dialog.anzeige()->angezeigt().width(), true);
        bildschirmfoto(dialog, "bild-dialog.png");

        const std::vector<std::pair<QString, QString>> erwartet = {
            {"Kein Einreicher ausgewaehlt", "Bitte waehlen Sie einen Einreicher fuer das Bild aus."},
            {"Fehler beim Lesen der Datei",
             "Die Bilddatei ist entweder leer oder konnte aus einem anderen Grund nicht gelesen "
             "werden."},
            {"Keinen Teilnehmer ausgewaehlt",
             "Nur Wettbewerbsteilnehmer koennen ein Bild fuer einen Wettbewerb einreichen. Bitte "
             "nehmen Sie die gewuenschte Person zunaechst als Teilnehmer in den Wettbewerb auf. "
             "Danach koennen Sie die Zuordnung des Einreichers wiederholen."},
            {"Keine Sparte ausgewaehlt", "Bitte waehlen Sie eine Sparte fuer das Bild aus."}};
        QCOMPARE(m_boxen.shown().size(), erwartet.size());
        for (size_t i = 0; i < erwartet.size(); ++i) {
            QCOMPARE(m_boxen.shown()[i].title, erwartet[i].first);
            QCOMPARE(m_boxen.shown()[i].text, erwartet[i].second);
        }
        QCOMPARE(m_dateien.captions().value(0), QStringLiteral("Bilddatei auswaehlen"));

        klicke(dialog, "speichernOhneSchliessen");
        QCOMPARE(m_boxen.shown().size(), erwartet.size());
        QCOMPARE(dialog.gespeicherteBilder().size(), 1);
        const auto bild = BildController().readById(*m_ctx, dialog.gespeicherteBilder().front());
        QCOMPARE(bild->getAnzahlRotierSchritte(), 1);
        QCOMPARE(bild->getTitel(), QStringLiteral("Abendrot"));
        const auto daten = BildDatenController().readById(*m_ctx, bild->getBildDaten());
        QCOMPARE(daten->getDaten(), jpeg); // stored unchanged, profile included
        QCOMPARE(daten->getDateiname(), QStringLiteral("Sonnenuntergang.jpg"));
        // Emptied for the next image, which gets the next number.
        QCOMPARE(feld(dialog, "nummerProWettbewerb"), QStringLiteral("2"));
        QCOMPARE(feld(dialog, "nummer"), QString());
        QCOMPARE(feld(dialog, "titel"), QString());
        QVERIFY(dialog.anzeige()->angezeigt().isNull());

        // Editing exports the stored bytes unchanged.
        BildBearbeitenDialog bearbeiten(*m_ctx, Modus::BEARBEITEN, wettbewerb, bild.get(), nullptr);
        m_dateien.answer(ordner.filePath("export.jpg"));
        klicke(bearbeiten, "bildExportieren");
        QFile export_(ordner.filePath("export.jpg"));
        QVERIFY(export_.open(QIODevice::ReadOnly));
        QCOMPARE(export_.readAll(), jpeg);
        QCOMPARE(m_dateien.captions().last(),
                 QStringLiteral("Datei auswaehlen, in die das Bild gespeichert werden soll"));
    }

    void bilderReiter()
    {
        Wettbewerb &wettbewerb = *m_daten.wettbewerb;
        const auto eva = teilnehmer(*m_ctx, wettbewerb, "100");
        for (int i = 1; i <= 12; ++i)
            speichereBild(*m_ctx, wettbewerb, *eva, *m_sparte, QStringLiteral("100-%1").arg(i), true,
                          QSize(480, 320));
        WettbewerbBilderWidget reiter(*m_ctx, wettbewerb, true);
        reiter.resize(900, 800);
        reiter.show();
        QCOMPARE(reiter.anzahl()->text(), QStringLiteral("12 Bilder gefunden"));
        QTRY_VERIFY(reiter.modell()->hatVorschau(reiter.modell()->zeilen().front().bild));
        QTRY_VERIFY(reiter.modell()->hatVorschau(reiter.modell()->zeilen().back().bild));
        QVERIFY(!reiter.findChild<QPushButton *>("vollbild")->isEnabled());
        bildschirmfoto(reiter, "bilder-reiter.png");

        reiter.suche()->feld()->setText("100-12");
        klicke(reiter, "suchen");
        QCOMPARE(reiter.anzahl()->text(), QStringLiteral("1 Bilder gefunden"));
        reiter.ansicht()->setCurrentIndex(reiter.modell()->index(0));
        m_boxen.answer(true);
        klicke(reiter, "loeschen");
        QCOMPARE(m_boxen.shown().back().title, QStringLiteral("Bild wirklich entfernen?"));
        QCOMPARE(m_boxen.shown().back().text,
                 QStringLiteral("Wollen Sie das Bild 100-12 wirklich loeschen?"));
        QCOMPARE(reiter.anzahl()->text(), QStringLiteral("0 Bilder gefunden"));
        klicke(reiter, "sucheZuruecksetzen");
        QCOMPARE(reiter.anzahl()->text(), QStringLiteral("11 Bilder gefunden"));

        // After the closing date a new image needs a Yes first.
        setzeStatus(*m_ctx, wettbewerb, WettbewerbsStatus::AnnahmeschlussVerstrichen);
        reiter.aktualisiere();
        klicke(reiter, "neu");
        QCOMPARE(m_boxen.shown().back().title,
                 QStringLiteral("Annahmeschluss eigentlich schon verstrichen"));

        // The program registers the tab with every competition dialog.
        BilderReiter::registriere();
        WettbewerbBearbeitenDialog dialog(*m_ctx, wettbewerb);
        WettbewerbBearbeitenDialog::setzeReiter(WettbewerbBearbeitenDialog::Reiter::Bilder, nullptr);
        auto *tab = qobject_cast<WettbewerbBilderWidget *>(dialog.bilder());
        QVERIFY(tab);
        QCOMPARE(dialog.reiter()->indexOf(tab), 3);
        QVERIFY(dialog.reiter()->isTabEnabled(3));
        QCOMPARE(tab->anzahl()->text(), QStringLiteral("11 Bilder gefunden"));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
    Wettbewerbsdaten m_daten;
    std::unique_ptr<Sparte> m_sparte;
    RecordingMessageBoxes m_boxen;
    ScriptedFileDialogs m_dateien;
};

KALVOR_REGISTER_TEST(BilderDialogTest)
#include "tst_bilder_ui.moc"
