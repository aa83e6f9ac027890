#include "BilderWertungsDialog.h"
#include "EinzelwertungsListenDialog.h"
#include "MessageBoxes.h"
#include "Screenshot.h"
#include "TestRegistry.h"
#include "VollbildAnsehenDialog.h"
#include "WertungsHelper.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbWertungsWidget.h"
#include "bilderfixture.h"
#include "entities/Durchgang.h"
#include "entities/ExternerJuror.h"
#include "joins/BilderSucheJoinModel.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace BilderFixture;

namespace {

int zahl(const std::string &sql)
{
    return std::stoi(TestDatabase::scalar(sql));
}

// The enabled state of the tab's six buttons in their order, as "1" and "0".
QString zustand(const WettbewerbWertungsWidget &reiter)
{
    QString text;
    for (const char *name :
         {"einstellungenAnsehen", "einstellungenBearbeiten", "reihenfolgeGenerieren",
          "reihenfolgeSpeichern", "wertungBeginnen", "wertungenAnsehen"})
        text += reiter.findChild<QPushButton *>(QString::fromLatin1(name))->isEnabled()
                    ? QLatin1Char('1')
                    : QLatin1Char('0');
    return text;
}

QStringList letzteBox(const RecordingMessageBoxes &boxen)
{
    if (boxen.shown().empty())
        return {};
    const auto &box = boxen.shown().back();
    return {box.kind, box.title, box.text};
}

// The shown values of the columns, blank-separated, rows separated by "|".
QString zeilen(const ListWidget &liste, std::initializer_list<int> spalten)
{
    QStringList text;
    for (int zeile = 0; zeile < liste.rowCount(); ++zeile) {
        QStringList werte;
        for (int spalte : spalten)
            werte << liste.model()->displayValue(zeile, spalte).toString();
        text << werte.join(' ');
    }
    return text.join('|');
}

// Closes the next modal dialog once its exec() runs and hands it to `pruefe` first.
template <typename D> void schliesseNaechstenDialog(std::function<void(D &)> pruefe, bool *gesehen)
{
    *gesehen = false;
    QTimer::singleShot(0, [pruefe, gesehen] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *gesehen = true;
        pruefe(*dialog);
        dialog->done(QDialog::Rejected);
    });
}

} // namespace

// The tab "&Wertung" over a competition with one category for adults (a first round and three
// second rounds), three images of three participants and two jurors (a member and an external
// juror) of all categories.
class WertungsReiterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        m_boxen = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxen.get());
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_daten = legeWettbewerbAn(*m_ctx);
        Wettbewerb &w = *m_daten.wettbewerb;
        m_sparte = SparteService::neueSparte(*m_ctx, w);
        m_sparte->setName(QStringLiteral("Natur"));
        m_sparte->setDurchgangsModus(code(*m_ctx, "DurchgangsModus", "JUGEND_ALS_ERWACHSENE"));
        SparteService::speichere(*m_ctx, *m_sparte);
        for (const char *nummer : {"103", "101", "102"})
            speichereBild(*m_ctx, w, *teilnehmer(*m_ctx, w, QString::fromLatin1(nummer)), *m_sparte,
                          QString::fromLatin1(nummer));
        auto juror = teilnehmer(*m_ctx, w, QStringLiteral("900"));
        JurorService::fuegeHinzu(*m_ctx, w, *juror);
        auto extern_ = JurorService::neuerExternerJuror(*m_ctx);
        extern_->setVorname(QStringLiteral("Otto"));
        extern_->setNachname(QStringLiteral("Berger"));
        JurorService::speichereExternenJuror(*m_ctx, *extern_);
        JurorService::fuegeHinzu(*m_ctx, w, *extern_);
    }
    void cleanup()
    {
        m_sparte.reset();
        m_daten = {};
        m_ctx.reset();
    }
    void cleanupTestCase() { MessageBoxes::install(nullptr); }

    // Each button needs a selected round; beyond that the competition's state, the round's
    // state, its order and whether the dialog may change anything decide. A generated order
    // can always be saved, also read-only.
    void knoepfe_data()
    {
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("generiert");
        QTest::addColumn<bool>("editierbar");
        QTest::addColumn<QString>("erwartet");
        using S = WettbewerbsStatus;
        QTest::newRow("images accepted")
            << int(S::Bilderannahme) << "ANGELEGT" << false << true << "100000";
        QTest::newRow("closing date passed")
            << int(S::AnnahmeschlussVerstrichen) << "ANGELEGT" << false << true << "110000";
        QTest::newRow("scoring, no order")
            << int(S::WertungLaeuft) << "ANGELEGT" << false << true << "101000";
        QTest::newRow("scoring, order")
            << int(S::WertungLaeuft) << "ANGELEGT" << true << true << "101110";
        QTest::newRow("round being scored")
            << int(S::WertungLaeuft) << "WIRD_JURIERT" << true << true << "100111";
        QTest::newRow("round finished")
            << int(S::WertungLaeuft) << "BEENDET" << true << true << "100111";
        QTest::newRow("competition finished")
            << int(S::WertungAbgeschlossen) << "BEENDET" << true << true << "100101";
        QTest::newRow("read only")
            << int(S::WertungLaeuft) << "WIRD_JURIERT" << true << false << "100101";
    }
    void knoepfe()
    {
        QFETCH(int, stufe);
        QFETCH(QString, status);
        QFETCH(bool, generiert);
        QFETCH(bool, editierbar);
        QFETCH(QString, erwartet);
        setzeStatus(*m_ctx, *m_daten.wettbewerb, WettbewerbsStatus::Stufe(stufe));
        auto runde = durchgang("ERSTER_DURCHGANG");
        runde->setStatus(code(*m_ctx, "DurchgangsStatus", qPrintable(status)));
        runde->setReihenfolgeGeneriert(generiert);
        DurchgangController().insertOrUpdate(*m_ctx, *runde);

        WettbewerbWertungsWidget reiter(*m_ctx, *m_daten.wettbewerb, editierbar);
        QCOMPARE(reiter.liste()->rowCount(), 4);
        QCOMPARE(zustand(reiter), QStringLiteral("000000"));
        reiter.liste()->selectRow(reiter.liste()->zeileVon(runde->getId()));
        QCOMPARE(zustand(reiter), erwartet);
    }

    // A generated order is replaced only after Yes to the question; No keeps its rows.
    void generierenUeberschreiben_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void generierenUeberschreiben()
    {
        QFETCH(bool, ja);
        setzeStatus(*m_ctx, *m_daten.wettbewerb, WettbewerbsStatus::WertungLaeuft);
        auto runde = durchgang("ERSTER_DURCHGANG");
        auto reiter = reiterMit(*runde);
        klicke(*reiter, "reihenfolgeGenerieren");
        QVERIFY(m_boxen->shown().empty());
        const std::string ids = "SELECT GROUP_CONCAT(id ORDER BY id) FROM Wertung";
        const std::string vorher = TestDatabase::scalar(ids);
        QCOMPARE(zahl("SELECT COUNT(DISTINCT positionImDurchgang) FROM Wertung WHERE "
                      "positionImDurchgang BETWEEN 1 AND 3"),
                 3);
        QCOMPARE(reiter->liste()->model()->displayValue(reiter->liste()->selectedRow(), 5),
                 QVariant(QStringLiteral("Ja")));

        m_boxen->answer(ja);
        klicke(*reiter, "reihenfolgeGenerieren");
        QCOMPARE(letzteBox(*m_boxen),
                 QStringList({"question", "Reihenfolge war bereits generiert",
                              "Die Reihenfolge war bereits generiert.  Soll sie ueberschrieben "
                              "werden?"}));
        QCOMPARE(zahl("SELECT COUNT(*) FROM Wertung"), 3);
        if (ja)
            QCOMPARE(zahl("SELECT COUNT(*) FROM Wertung WHERE FIND_IN_SET(id, '" + vorher + "')"),
                     0);
        else
            QCOMPARE(TestDatabase::scalar(ids), vorher);
    }

    // The refusals of "Reihen&folge Generieren" and "Wertung &beginnen", each shown once and
    // changing nothing, and the question before scoring: No starts nothing, Yes creates a
    // juror score per image and juror, starts the round and opens the scoring dialog.
    void verweigertOderBegonnen_data()
    {
        QTest::addColumn<bool>("generieren");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QStringList>("box");
        QTest::addColumn<int>("einzelwertungen");
        const auto kritisch = [](const char *titel, const char *text) {
            return QStringList({"critical", titel, text});
        };
        const char *nein = "Generierung nicht moeglich";
        QTest::newRow("order: round started")
            << true << "ERSTER_DURCHGANG"
            << "WIRD_JURIERT" << true
            << kritisch(nein, "Die Reihenfolge kann nur generiert werden, solange der Durchgang "
                              "noch nicht gestartet ist.")
            << 0;
        QTest::newRow("order: first round open")
            << true << "ZWEITER_DURCHGANG_MITTLERE"
            << "ANGELEGT" << true
            << kritisch(nein, "Die Reihenfolge kann erst generiert werden, wenn der "
                              "Basisdurchgang abgeschlossen ist.")
            << 0;
        QTest::newRow("order: no sort order")
            << true << "ERSTER_DURCHGANG"
            << "" << true
            << kritisch("Keine Sortierung angegeben", "Bitte geben Sie eine Sortierung an.") << 0;
        QTest::newRow("scoring: summary row")
            << false << "GESAMTWERTUNG"
            << "ANGELEGT" << true
            << kritisch("Wertung nicht moeglich",
                        "Eine Wertung kann nur fuer \"echte\" Durchgaenge durchgefuehrt werden, "
                        "nicht etwa fuer eine Gesamtwertungszeile.")
            << 0;
        QTest::newRow("scoring: first round open")
            << false << "ZWEITER_DURCHGANG_BESTE"
            << "ANGELEGT" << true
            << kritisch("Wertung nicht moeglich", "Der zweite Durchgang kann erst gestartet "
                                                  "werden, nachdem der erste abgeschlossen wurde.")
            << 0;
        const QStringList frage{
            "question", "Mit der Jurierung beginnen?",
            "Sobald Sie diese Frage mit Ja beantworten, wird das erste bzw. naechste Bild dieses "
            "Jurierungsdurchgangs gezeigt.\n\n Wollen Sie jetzt mit der Jurierung beginnen bzw. "
            "mit ihr fortfahren?"};
        QTest::newRow("scoring: no") << false << "ERSTER_DURCHGANG"
                                     << "ANGELEGT" << false << frage << 0;
        QTest::newRow("scoring: yes") << false << "ERSTER_DURCHGANG"
                                      << "ANGELEGT" << true << frage << 6;
    }
    void verweigertOderBegonnen()
    {
        QFETCH(bool, generieren);
        QFETCH(QString, art);
        QFETCH(QString, status);
        QFETCH(bool, ja);
        QFETCH(QStringList, box);
        QFETCH(int, einzelwertungen);
        setzeStatus(*m_ctx, *m_daten.wettbewerb, WettbewerbsStatus::WertungLaeuft);
        auto runde = durchgang(qPrintable(art));
        if (!generieren && art == QLatin1String("ERSTER_DURCHGANG"))
            WertungsHelper::reihenfolgeGenerieren(*m_ctx, *m_daten.wettbewerb, *runde);
        runde->setReihenfolgeGeneriert(!generieren);
        if (status.isEmpty())
            runde->setSortierModusNull();
        else
            runde->setStatus(code(*m_ctx, "DurchgangsStatus", qPrintable(status)));
        DurchgangController().insertOrUpdate(*m_ctx, *runde);
        const int wertungen = zahl("SELECT COUNT(*) FROM Wertung");
        auto reiter = reiterMit(*runde);
        m_boxen->answer(ja);
        bool gezeigt = false;
        schliesseNaechstenDialog<QDialog>([](QDialog &) {}, &gezeigt);
        if (generieren)
            reiter->reihenfolgeGenerieren();
        else
            reiter->oeffneWertungBeginnenDialog();
        QCOMPARE(m_boxen->shown().size(), size_t(1));
        QCOMPARE(letzteBox(*m_boxen), box);
        QCOMPARE(gezeigt, einzelwertungen > 0);
        QCOMPARE(zahl("SELECT COUNT(*) FROM Wertung"), wertungen);
        QCOMPARE(zahl("SELECT COUNT(*) FROM EinzelWertung"), einzelwertungen);
        if (!generieren)
            QCOMPARE(statusVon(*runde),
                     QString::fromLatin1(einzelwertungen ? "WIRD_JURIERT" : "ANGELEGT"));
    }

    // A finished round is reopened only after two Yes answers, which clear its scores; a No
    // to either keeps them and the round finished.
    void wiederOeffnen_data()
    {
        QTest::addColumn<bool>("erste");
        QTest::addColumn<bool>("zweite");
        QTest::newRow("no") << false << true;
        QTest::newRow("yes, no") << true << false;
        QTest::newRow("yes, yes") << true << true;
    }
    void wiederOeffnen()
    {
        QFETCH(bool, erste);
        QFETCH(bool, zweite);
        auto runde = gewerteteRunde();
        auto reiter = reiterMit(*runde);
        for (bool antwort : {erste, zweite, false})
            m_boxen->answer(antwort);
        klicke(*reiter, "wertungBeginnen");
        const bool offen = erste && zweite;
        QStringList titel;
        for (const auto &box : m_boxen->shown())
            titel << box.title;
        const QString zurueck = QStringLiteral("Wirklich zur Wertung zurueckkehren?");
        QCOMPARE(titel, offen   ? QStringList({zurueck, zurueck, "Mit der Jurierung beginnen?"})
                        : erste ? QStringList({zurueck, zurueck})
                                : QStringList({zurueck}));
        QCOMPARE(zahl("SELECT COUNT(*) FROM EinzelWertung WHERE bewertung IS NOT NULL"),
                 offen ? 0 : 6);
        QCOMPARE(zahl("SELECT COUNT(*) FROM Wertung WHERE bewertung IS NOT NULL"), offen ? 0 : 3);
        QCOMPARE(statusVon(*runde), QString::fromLatin1(offen ? "WIRD_JURIERT" : "BEENDET"));
        QCOMPARE(zahl("SELECT COUNT(*) FROM Bild WHERE bewertung IS NOT NULL"), 3);
    }

    // The lists of a scored round: its images in scoring order with their totals, and an
    // image's juror scores with the jurors' names, members and external jurors alike.
    void listen()
    {
        auto runde = gewerteteRunde();
        auto reiter = reiterMit(*runde);
        QVERIFY(reiter->findChild<QPushButton *>("wertungenAnsehen")->isEnabled());
        reiter->resize(900, 320);
        bild(*reiter, "wertungsreiter");

        BilderWertungsDialog dialog(*m_ctx, *m_daten.wettbewerb, *runde);
        bild(dialog, "bilderwertungen");
        QCOMPARE(zeilen(*dialog.liste(), {0, 1, 4}),
                 QString::fromStdString(TestDatabase::scalar(
                     "SELECT GROUP_CONCAT(CONCAT_WS(' ', w.positionImDurchgang, b.titel, "
                     "w.bewertung) ORDER BY w.positionImDurchgang SEPARATOR '|') FROM Wertung w "
                     "JOIN Bild b ON b.id = w.bild")));

        dialog.liste()->selectRow(1);
        QString zaehler;
        bool gezeigt = false;
        schliesseNaechstenDialog<VollbildAnsehenDialog>(
            [&](VollbildAnsehenDialog &d) { zaehler = d.zaehler()->text(); }, &gezeigt);
        klicke(dialog, "vollbild");
        QVERIFY(gezeigt);
        QCOMPARE(zaehler, QStringLiteral("Aktuelles Bild: 2 von 3"));

        // The external juror Berger comes before the member Mayr 900 (who was added first).
        const QStringList punkte =
            QString::fromStdString(
                TestDatabase::scalar(
                    "SELECT GROUP_CONCAT(bewertung ORDER BY juror) FROM EinzelWertung WHERE "
                    "wertung = " +
                    std::to_string(dialog.liste()->markierteZeile()->getWertungId())))
                .split(',');
        QString einzeln;
        schliesseNaechstenDialog<EinzelwertungsListenDialog>(
            [&](EinzelwertungsListenDialog &d) {
                einzeln = zeilen(*d.liste(), {0, 1, 2});
                bild(d, "einzelwertungen");
            },
            &gezeigt);
        klicke(dialog, "einzelwertungen");
        QVERIFY(gezeigt);
        QCOMPARE(einzeln, "Otto Berger " + punkte.at(1) + "|Eva Mayr 900 " + punkte.at(0));
    }

    // The competition dialog shows the registered tab and refreshes it with its widgets.
    void registrierung()
    {
        WertungsReiter::registriere({});
        WettbewerbBearbeitenDialog dialog(*m_ctx, *m_daten.wettbewerb);
        WettbewerbBearbeitenDialog::setzeReiter(WettbewerbBearbeitenDialog::Reiter::Wertung,
                                                nullptr);
        auto *reiter = qobject_cast<WettbewerbWertungsWidget *>(
            dialog.reiterWidget(WettbewerbBearbeitenDialog::Reiter::Wertung));
        QVERIFY(reiter);
        QCOMPARE(dialog.reiter()->indexOf(reiter), 5);
        QVERIFY(dialog.reiter()->isTabEnabled(5));
        reiter->liste()->selectRow(0);
        QCOMPARE(zustand(*reiter), QStringLiteral("100000"));
        setzeStatus(*m_ctx, dialog.wettbewerb(), WettbewerbsStatus::WertungLaeuft);
        dialog.updateWidgets();
        QCOMPARE(zustand(*reiter), QStringLiteral("101000"));
        QVERIFY(!dialog.reiter()->isTabEnabled(6));
    }

private:
    // The round of the category of that kind; a summary row ("GESAMTWERTUNG") is made.
    std::unique_ptr<Durchgang> durchgang(const char *art)
    {
        const std::string id = TestDatabase::scalar(
            "SELECT d.id FROM Durchgang d JOIN CodeValue a ON a.id = d.art WHERE a.name = '" +
            std::string(art) + "'");
        if (!id.empty())
            return DurchgangController().readById(*m_ctx, std::stoll(id));
        auto runde = durchgang("ERSTER_DURCHGANG");
        runde->setIdNull();
        runde->setArt(code(*m_ctx, "DurchgangsArt", art));
        DurchgangController().insertOrUpdate(*m_ctx, *runde);
        return runde;
    }

    QString statusVon(const Durchgang &runde)
    {
        return QString::fromStdString(TestDatabase::scalar(
            "SELECT s.name FROM Durchgang d JOIN CodeValue s ON s.id = d.status WHERE d.id = " +
            std::to_string(runde.getId())));
    }

    // The first round generated, started and scored by both jurors, and finished.
    std::unique_ptr<Durchgang> gewerteteRunde()
    {
        setzeStatus(*m_ctx, *m_daten.wettbewerb, WettbewerbsStatus::WertungLaeuft);
        auto runde = durchgang("ERSTER_DURCHGANG");
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, *m_daten.wettbewerb, *runde);
        WertungsHelper::starte(*m_ctx, *m_daten.wettbewerb, *runde);
        TestDatabase::run("UPDATE EinzelWertung SET bewertung = 1 + (id * 7) % 10");
        TestDatabase::run("UPDATE Wertung w SET bewertung = (SELECT SUM(e.bewertung) FROM "
                          "EinzelWertung e WHERE e.wertung = w.id)");
        TestDatabase::run("UPDATE Bild b SET bewertung = (SELECT w.bewertung FROM Wertung w "
                          "WHERE w.bild = b.id)");
        TestDatabase::run("UPDATE Durchgang SET status = " +
                          std::to_string(code(*m_ctx, "DurchgangsStatus", "BEENDET")) +
                          " WHERE id = " + std::to_string(runde->getId()));
        return DurchgangController().readById(*m_ctx, runde->getId());
    }

    // The tab with the round selected.
    std::unique_ptr<WettbewerbWertungsWidget> reiterMit(const Durchgang &runde)
    {
        auto reiter = std::make_unique<WettbewerbWertungsWidget>(*m_ctx, *m_daten.wettbewerb, true);
        reiter->liste()->selectRow(reiter->liste()->zeileVon(runde.getId()));
        return reiter;
    }

    static void klicke(const QWidget &in, const char *name)
    {
        in.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }

    std::unique_ptr<RecordingMessageBoxes> m_boxen;
    std::unique_ptr<DatabaseContext> m_ctx;
    Wettbewerbsdaten m_daten;
    std::unique_ptr<Sparte> m_sparte;
};

KALVOR_REGISTER_TEST(WertungsReiterTest)
#include "tst_wertungsreiter.moc"
