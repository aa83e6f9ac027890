#include "ErgebnisHelper.h"
#include "ErgebnisReiter.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "Ranglistenlisten.h"
#include "Screenshot.h"
#include "TestRegistry.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbErgebnisWidget.h"
#include "WettbewerbStatistikWidget.h"
#include "ergebnisfixture.h"

#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace ErgebnisFixture;

namespace {

const QString kAbgeschlossen =
    QStringLiteral("Der Wettbewerb ist abgeschlossen mit den untenstehenden Ergebnissen.");
const QString kZwischenstand = QStringLiteral(
    "Der Wettbewerb ist noch nicht abgeschlossen.  Daher ist unten lediglich ein auf Basis der "
    "bereits durchgefuehrten Wertungen berechneter Zwischenstand dargestellt.");
const QString kKeine = QStringLiteral("Es sind noch keine Ergebnisse verfuegbar.");

// Rank, first and last name, category and points of the adult participant list, rows
// separated by "|".
QString teilnehmerZeilen(const WettbewerbErgebnisWidget &reiter)
{
    const ListWidget &liste = *reiter.liste(Rangliste::Teilnehmer, false);
    QStringList text;
    for (int zeile = 0; zeile < liste.rowCount(); ++zeile) {
        QStringList werte;
        for (int spalte : {0, 4, 5, 2, 6})
            werte << liste.model()->displayValue(zeile, spalte).toString();
        text << werte.join(' ');
    }
    return text.join('|');
}

int summePunkte()
{
    return std::stoi(TestDatabase::scalar("SELECT COALESCE(SUM(punkte), 0) FROM TeilnehmerWertung"));
}

QPushButton *knopf(QWidget &reiter, const char *name)
{
    return reiter.findChild<QPushButton *>(QString::fromLatin1(name));
}

// The texts of the tree, depth first, each indented by two blanks per level.
void sammle(const QTreeWidgetItem *element, int tiefe, QStringList &zeilen)
{
    zeilen << QString(tiefe * 2, QLatin1Char(' ')) + element->text(0);
    for (int i = 0; i < element->childCount(); ++i)
        sammle(element->child(i), tiefe + 1, zeilen);
}

QStringList baumZeilen(const QTreeWidget &baum)
{
    QStringList zeilen;
    for (int i = 0; i < baum.topLevelItemCount(); ++i)
        sammle(baum.topLevelItem(i), 0, zeilen);
    return zeilen;
}

} // namespace

// The tabs "E&rgebnisse" and "Statistik" over the small scored competition of the results
// tests (five participants in two clubs, four categories of the four modes).
class ErgebnisReiterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        ErgebnisReiter::registriere();
    }
    void init()
    {
        m_boxen = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxen.get());
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }
    void cleanupTestCase()
    {
        MessageBoxes::install(nullptr);
        FileDialogs::install(nullptr);
        WettbewerbBearbeitenDialog::setzeReiter(WettbewerbBearbeitenDialog::Reiter::Ergebnisse, {});
        WettbewerbBearbeitenDialog::setzeReiter(WettbewerbBearbeitenDialog::Reiter::Statistik, {});
    }

    // The status line says whether the results are final, an interim state or missing.
    void statusText_data()
    {
        QTest::addColumn<bool>("abgeschlossen");
        QTest::addColumn<bool>("berechnet");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("scoring, nothing computed") << false << false << kKeine;
        QTest::newRow("scoring, computed") << false << true << kZwischenstand;
        QTest::newRow("finished, computed") << true << true << kAbgeschlossen;
        QTest::newRow("finished, nothing computed") << true << false << kAbgeschlossen;
    }
    void statusText()
    {
        QFETCH(bool, abgeschlossen);
        QFETCH(bool, berechnet);
        QFETCH(QString, erwartet);
        auto w = legeErgebniswettbewerbAn(*m_ctx, abgeschlossen);
        if (berechnet)
            ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), true);
        QCOMPARE(reiter.statusText(), erwartet);
    }

    // The question guards the stored results: No leaves them as they were, Yes computes them
    // from the current totals, stores and shows them.
    void berechnenFrage_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void berechnenFrage()
    {
        QFETCH(bool, ja);
        auto w = legeErgebniswettbewerbAn(*m_ctx, false);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        const int vorher = summePunkte();
        TestDatabase::run("UPDATE Bild SET bewertung = bewertung + 1 WHERE bewertung IS NOT NULL");
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), true);
        QVERIFY(teilnehmerZeilen(reiter).startsWith("1 Bernd Adler Portrait 27|"));

        m_boxen->answer(ja);
        knopf(reiter, "berechnen")->click();
        QCOMPARE(m_boxen->shown().size(), size_t(1));
        const auto &frage = m_boxen->shown().front();
        QCOMPARE(frage.kind, QStringLiteral("question"));
        QCOMPARE(frage.title, QStringLiteral("Wirklich Ergebnisse berechnen?"));
        QCOMPARE(frage.text,
                 QStringLiteral("Wollen Sie die Wettbewerbsergebnisse wirklich jetzt berechnen? "
                                "\n\nBitte beachten Sie: Eventuell bereits berechnete Ergebnisse "
                                "werden dabei ueberschrieben!"));
        QCOMPARE(summePunkte() != vorher, ja);
        QCOMPARE(teilnehmerZeilen(reiter).startsWith("1 Bernd Adler Portrait 30|"), ja);
    }

    // Moving the competition to "WERTUNG_ABGESCHLOSSEN" with the dialog's state button
    // computes and shows the results; moving back only changes the status line.
    void neuberechnungBeimAbschluss()
    {
        auto w = legeErgebniswettbewerbAn(*m_ctx, false);
        logInDatenbank(*m_ctx);
        WettbewerbBearbeitenDialog dialog(*m_ctx, w.wettbewerb());
        auto *reiter = qobject_cast<WettbewerbErgebnisWidget *>(
            dialog.reiterWidget(WettbewerbBearbeitenDialog::Reiter::Ergebnisse));
        QVERIFY(reiter);
        QCOMPARE(reiter->statusText(), kKeine);

        dialog.weiterButton()->click();
        QCOMPARE(WettbewerbsStatus::stufe(*m_ctx, dialog.wettbewerb()),
                 WettbewerbsStatus::WertungAbgeschlossen);
        QVERIFY(geloggt(*m_ctx, "WettbewerbErgebnisWidget")
                    .contains("Statusuebergang nach Wertung abgeschlossen, berechne Ergebnisse neu"));
        QCOMPARE(reiter->statusText(), kAbgeschlossen);
        const int gespeichert = anzahl("TeilnehmerWertung");
        QVERIFY(gespeichert > 0);
        QCOMPARE(reiter->liste(Rangliste::Teilnehmer, false)->rowCount() +
                     reiter->liste(Rangliste::Teilnehmer, true)->rowCount(),
                 gespeichert);
        dialog.reiter()->setCurrentWidget(reiter);
        bild(dialog, QStringLiteral("results-tab"));

        TestDatabase::run("UPDATE Bild SET bewertung = 10 WHERE bewertung IS NOT NULL");
        dialog.zurueckButton()->click();
        QCOMPARE(reiter->statusText(), kZwischenstand);
        QVERIFY(teilnehmerZeilen(*reiter).startsWith("1 Bernd Adler Portrait 27|"));
    }

    // Ranks run over the whole list by points; equal points get consecutive ranks, the
    // category, then the last name deciding.
    void raengeBeiGleichenPunkten()
    {
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), true);
        QCOMPARE(teilnehmerZeilen(reiter),
                 QStringLiteral("1 Bernd Adler Portrait 27|2 Anna Berger Natur 25|"
                                "3 Bernd Adler Natur 16|4 Dora Engel Natur 16|"
                                "5 Anna Berger Portrait 13|6 Clara Jung Offen 9|"
                                "7 Anna Berger Offen 5|8 Dora Engel Portrait 0"));
    }

    // The tree is built when the tab is shown; nodes without text show the fallbacks.
    void statistikBeimZeigen()
    {
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        WettbewerbBearbeitenDialog dialog(*m_ctx, w.wettbewerb());
        auto *reiter = qobject_cast<WettbewerbStatistikWidget *>(
            dialog.reiterWidget(WettbewerbBearbeitenDialog::Reiter::Statistik));
        QVERIFY(reiter);
        QCOMPARE(reiter->baum()->topLevelItemCount(), 0);

        dialog.reiter()->setCurrentWidget(reiter);
        const QStringList zeilen = baumZeilen(*reiter->baum());
        QCOMPARE(zeilen.size(), anzahl("StatistikData"));
        QCOMPARE(zeilen.mid(0, 5),
                 QStringList({"Statistik zu Wettbewerb Landesfotoschau mit der Nummer W1",
                              "  Anzahl Teilnehmer: 5", "  Anzahl Bilder: 25",
                              zeilen.value(3), "  Sparte Natur"}));
        QVERIFY(zeilen.value(3).startsWith("  Anzahl Annahmen: "));
        QVERIFY(zeilen.contains("    Jugendliche"));
        QVERIFY(!reiter->diagramme().empty());
        dialog.resize(900, 900);
        bild(dialog, QStringLiteral("statistics-tab"));

        TestDatabase::run("UPDATE StatistikData SET text = NULL WHERE label IN "
                          "('WettbewerbsInfo', 'TeilnehmerAnzahlWettbewerb')");
        reiter->aktualisiere();
        QCOMPARE(baumZeilen(*reiter->baum()).mid(0, 2),
                 QStringList({"ohne Text", "  ohne Text)"}));
    }

    // A failed computation is shown; the stored results and the tab stay as they were.
    void fehlerLassenAllesWieEsWar_data()
    {
        QTest::addColumn<bool>("datenbank");
        QTest::newRow("result error") << false;
        QTest::newRow("database error") << true;
    }
    void fehlerLassenAllesWieEsWar()
    {
        QFETCH(bool, datenbank);
        auto w = legeErgebniswettbewerbAn(*m_ctx, false);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), true);
        const QString gezeigt = teilnehmerZeilen(reiter);
        TestDatabase::run("UPDATE TeilnehmerWertung SET punkte = punkte + 100");
        const int gespeichert = summePunkte();
        if (datenbank)
            stoere("VereinsKombinationsWertung", "INSERT");
        else
            reiter.setzeBerechnung([](DatabaseContext &, const Wettbewerb &) {
                throw ErgebnisFehler(QStringLiteral("Ergebnisse"), QStringLiteral("ErgebnisHelper"),
                                     QStringLiteral("Interner Fehler"),
                                     QStringLiteral("Konnte die Bildbewertung fuer das Bild (ohne "
                                                    "Titel) nicht dem Mitglied Anna Berger "
                                                    "zuordnen."));
            });

        QVERIFY(!reiter.berechneUndUeberschreibeErgebnisse());
        QCOMPARE(m_boxen->shown().size(), size_t(1));
        QCOMPARE(m_boxen->shown().front().kind, QStringLiteral("critical"));
        if (!datenbank) {
            QCOMPARE(m_boxen->shown().front().title, QStringLiteral("Interner Fehler"));
            QCOMPARE(m_boxen->shown().front().text,
                     QStringLiteral("Konnte die Bildbewertung fuer das Bild (ohne Titel) nicht "
                                    "dem Mitglied Anna Berger zuordnen."));
        }
        QCOMPARE(summePunkte(), gespeichert);
        QCOMPARE(teilnehmerZeilen(reiter), gezeigt);
        QCOMPARE(reiter.statusText(), kZwischenstand);
    }

    // "Als P&DF speichern" writes the file chosen; a file that cannot be written is reported.
    void pdf_data()
    {
        QTest::addColumn<bool>("schreibbar");
        QTest::newRow("written") << true;
        QTest::newRow("not writable") << false;
    }
    void pdf()
    {
        QFETCH(bool, schreibbar);
        auto w = legeErgebniswettbewerbAn(*m_ctx);
        ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*m_ctx, w.wettbewerb());
        WettbewerbErgebnisWidget reiter(*m_ctx, w.wettbewerb(), false);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(schreibbar ? "ergebnisse.pdf" : "fehlt/ergebnisse.pdf");
        ScriptedFileDialogs dateien;
        dateien.answer(pfad);
        FileDialogs::install(&dateien);
        knopf(reiter, "pdf")->click();
        FileDialogs::install(nullptr);
        QFile datei(pfad);
        QCOMPARE(datei.open(QIODevice::ReadOnly) && datei.read(5) == "%PDF-", schreibbar);
        QCOMPARE(m_boxen->shown().size(), size_t(schreibbar ? 0 : 1));
        if (!schreibbar)
            QCOMPARE(m_boxen->shown().front().kind, QStringLiteral("critical"));
    }

private:
    std::unique_ptr<RecordingMessageBoxes> m_boxen;
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(ErgebnisReiterTest)

#include "tst_ergebnisreiter.moc"
