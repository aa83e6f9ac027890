#include "CodeValueComboBox.h"
#include "DurchgangBearbeitenDialog.h"
#include "GrunddatenBearbeitenDialog.h"
#include "JuriertBeiBearbeitenDialog.h"
#include "JurorBearbeitenDialog.h"
#include "JurorenListen.h"
#include "Kontextzeile.h"
#include "MainWindow.h"
#include "SparteBearbeitenDialog.h"
#include "SparteService.h"
#include "SpartenListe.h"
#include "TeilnehmerListenWidget.h"
#include "TestRegistry.h"
#include "WettbewerbAnlegenDialog.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbGrunddatenWidget.h"
#include "WettbewerbJurorenWidget.h"
#include "WettbewerbSpartenWidget.h"
#include "WettbewerbsSucheDialog.h"
#include "controllers/DurchgangController.h"
#include "controllers/SparteController.h"
#include "controllers/WettbewerbController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Durchgang.h"
#include "entities/Sparte.h"
#include "wettbewerbsdialoge.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

using namespace wettbewerbsdialoge;

class CompetitionDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        // Fresh boxes: no answer of an earlier test is left over.
        m_boxesHalter = std::make_unique<RecordingMessageBoxes>();
        MessageBoxes::install(m_boxesHalter.get());
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        m_verein = verein(*m_ctx);
    }
    void cleanup()
    {
        m_verein.reset();
        m_ctx.reset();
    }
    void cleanupTestCase() { MessageBoxes::install(nullptr); }

    // The dialog shows the creation refusals (their order is the service's) and stores nothing:
    // a name of blanks, and a number that the database already holds.
    void anlegenPruefungen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        QTest::newRow("blank name") << "  " << "W9"
                                    << "Kein Wettbewerbsname angegeben."
                                    << "Bitte geben Sie einen Wettbewerbsnamen ein.";
        QTest::newRow("number taken") << "Salon" << "W1"
                                      << "Wettbewerbsnummer schon vergeben"
                                      << "Es gibt schon einen Wettbewerb mit dieser Nummer.  "
                                         "Bitte waehlen Sie eine andere.";
    }
    void anlegenPruefungen()
    {
        QFETCH(QString, name);
        QFETCH(QString, nummer);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        wettbewerb(*m_ctx, *m_verein, "W1");
        WettbewerbAnlegenDialog dialog(*m_ctx, m_verein->getId());
        dialog.nameFeld()->setText(name);
        dialog.nummerFeld()->setText(nummer);
        dialog.durchgaengeFeld()->setValue(code(*m_ctx, "DurchgangsAnzahl", "ZWEI"));
        bool geoeffnet = false;
        connect(&dialog, &WettbewerbAnlegenDialog::wettbewerbWurdeBearbeitet, this,
                [&] { geoeffnet = true; });
        klicke(&dialog, "anlegen");
        QCOMPARE(letzteBox(boxes()), QStringList({"critical", titel, text}));
        QCOMPARE(boxes().shown().size(), size_t(1));
        QVERIFY(!geoeffnet);
        QCOMPARE(anzahl("SELECT COUNT(*) FROM Wettbewerb"), 1);
    }

    // Through the main window: a club is active, the creation asks, stores competition and
    // jury, and the competition dialog opens on the new competition; No stores nothing.
    void anlegenUeberHauptfenster()
    {
        MainWindow fenster(alsAdministrator());
        QVERIFY(fenster.context());
        fenster.setzeAktivenVerein(m_verein.get());

        for (const bool ja : {false, true}) {
            boxes().clear();
            boxes().answer(ja);
            bool anlegenGesehen = false;
            bool editorGesehen = false;
            QString status;
            imNaechstenDialog<WettbewerbAnlegenDialog>(
                [&](WettbewerbAnlegenDialog &d) {
                    d.nameFeld()->setText("Landesfotoschau");
                    d.nummerFeld()->setText("LF26");
                    d.durchgaengeFeld()->setValue(code(*m_ctx, "DurchgangsAnzahl", "ZWEI"));
                    if (ja) // the competition dialog opens only after Yes
                        imNaechstenDialog<WettbewerbBearbeitenDialog>(
                            [&](WettbewerbBearbeitenDialog &editor) {
                                status = editor.statusZeile()->text();
                                QCOMPARE(editor.wettbewerb().getNummer(), QString("LF26"));
                            },
                            &editorGesehen);
                    klicke(&d, "anlegen");
                },
                &anlegenGesehen);
            fenster.oeffneWettbewerbAnlegenDialog();
            QVERIFY(anlegenGesehen);
            // The question's text is the service's (see the competition service tests).
            QCOMPARE(letzteBox(boxes()).mid(0, 2),
                     QStringList({"question", "Wettbewerb so anlegen?"}));
            QCOMPARE(editorGesehen, ja);
            QCOMPARE(anzahl("SELECT COUNT(*) FROM Wettbewerb w JOIN Jurierung j ON "
                            "j.wettbewerb = w.id WHERE w.nummer = 'LF26'"),
                     ja ? 1 : 0);
            if (ja) {
                QCOMPARE(status, QString("Angelegt"));
                QCOMPARE(fenster.kontextzeile()->statusText(),
                         QString("Status: Angelegt"));
            }
        }
    }

    // The competition search does not block and goes with the context at a new login.
    void sucheImHauptfenster()
    {
        MainWindow fenster(alsAdministrator());
        fenster.oeffneWettbewerbsSucheDialog();
        QPointer<WettbewerbsSucheDialog> suche = fenster.wettbewerbsSuche();
        QVERIFY(suche && suche->isVisible() && !suche->isModal());
        fenster.oeffneWettbewerbsSucheDialog();
        QCOMPARE(fenster.wettbewerbsSuche(), suche.data()); // brought to the front, not doubled
        QVERIFY(fenster.meldeNeuAn());
        QVERIFY(!suche);
        QVERIFY(!fenster.wettbewerbsSuche());
    }

    // Forward through every state and back again: buttons, status line, what each tab offers,
    // and the furthest state reached stays (the buttons' texts are the state table's).
    void zustaende()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        WettbewerbBearbeitenDialog dialog(*m_ctx, *w, m_verein.get());
        dialog.resize(1000, 720);

        struct Stand
        {
            QString status;
            bool sparten, teilnehmer, juroren;
        };
        const QList<Stand> staende{{"Angelegt", true, true, false},
                                   {"Bilderannahme", false, true, true},
                                   {"Annahmeschluss verstrichen", false, false, true},
                                   {"Wertung läuft", false, false, false},
                                   {"Wertung abgeschlossen", false, false, false}};
        const auto pruefe = [&](int i) {
            const Stand &s = staende[i];
            QCOMPARE(dialog.statusZeile()->text(), s.status);
            QCOMPARE(dialog.zurueckButton()->isEnabled(), i > 0);
            QCOMPARE(dialog.weiterButton()->isEnabled(), i < 4);
            QCOMPARE(dialog.grunddaten()->bearbeitenButton()->isEnabled(), i == 0);
            QCOMPARE(feld<QPushButton>(dialog.sparten(), "neu")->isEnabled(), s.sparten);
            QCOMPARE(feld<QPushButton>(dialog.teilnehmer(), "suchen")->isEnabled(), s.teilnehmer);
            QCOMPARE(feld<QPushButton>(dialog.juroren(), "hinzufuegen")->isEnabled(), s.juroren);
        };
        pruefe(0);
        const QStringList namen{"angelegt", "bilderannahme", "annahmeschluss", "wertung",
                                "abgeschlossen"};
        bild(dialog, "wettbewerb_0_angelegt");
        for (int i = 1; i < 5; ++i) {
            dialog.weiterButton()->click();
            pruefe(i);
            bild(dialog, QString("wettbewerb_%1_%2").arg(i).arg(namen[i]));
        }
        dialog.weiterButton()->click(); // disabled at the end: nothing happens
        pruefe(4);
        for (int i = 3; i >= 0; --i) {
            dialog.grunddaten()->zurueckButton()->click();
            pruefe(i);
        }
        QCOMPARE(QString::fromStdString(TestDatabase::scalar(
                     "SELECT s.name FROM Wettbewerb w JOIN CodeValue s ON s.id = w.status")),
                 QString("ANGELEGT"));
        QCOMPARE(QString::fromStdString(TestDatabase::scalar(
                     "SELECT s.name FROM Wettbewerb w JOIN CodeValue s ON s.id = w.maximalStatus")),
                 QString("WERTUNG_ABGESCHLOSSEN"));
        QVERIFY(boxes().shown().empty());
    }

    // A failed change of state shows the database error and leaves the dialog in its state.
    void zustandGescheitert()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        WettbewerbBearbeitenDialog dialog(*m_ctx, *w);
        TestDatabase::run("CREATE TRIGGER stoerung BEFORE UPDATE ON Wettbewerb FOR EACH ROW "
                          "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'gestoert'");
        dialog.weiterButton()->click();
        QCOMPARE(boxes().shown().size(), size_t(1));
        QCOMPARE(boxes().shown().back().kind, QString("critical"));
        QCOMPARE(dialog.weiterButton()->text(), QString("Bilderannahme starten"));
        QCOMPARE(dialog.statusZeile()->text(), QString("Angelegt"));
        QVERIFY(!dialog.wettbewerb().hasMaximalStatus() ||
                dialog.wettbewerb().getMaximalStatus() == code(*m_ctx, "WettbewerbsStatus",
                                                              "ANGELEGT"));
    }

    // Master data: a refusal keeps the dialog open (the order of the checks and the other texts
    // are the service's); a valid save reaches the database and the master-data tab.
    void grunddaten_data()
    {
        QTest::addColumn<QString>("feldName");
        QTest::addColumn<QString>("wert");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("text");
        const QString nicht = "\n\nIhre Aenderungen konnten daher leider NICHT gespeichert werden.";
        QTest::newRow("size") << "maxDateigroesseString" << "10000kb"
                              << "Maximale Dateigroesse falsch angegeben"
                              << "Die maximale Dateigroesse fuer Bilder wurde falsch angegeben."
                                 "\n\nSie kann entweder weggelassen werden (dann ist jede "
                                 "Dateigroesse erlaubt), oder im Format 750 kb bzw. 1MB angegeben "
                                 "werden.  Die Zahl darf dabei hoechstens vierstellig sein, Gross- "
                                 "und Kleinschreibung wird ignoriert." + nicht;
        QTest::newRow("valid") << "maxDateigroesseString" << "2MB" << "" << "";
    }
    void grunddaten()
    {
        QFETCH(QString, feldName);
        QFETCH(QString, wert);
        QFETCH(QString, titel);
        QFETCH(QString, text);
        auto w = wettbewerb(*m_ctx, *m_verein);
        WettbewerbBearbeitenDialog editor(*m_ctx, *w);
        bool gesehen = false;
        bool geschlossen = false;
        imNaechstenDialog<GrunddatenBearbeitenDialog>(
            [&](GrunddatenBearbeitenDialog &d) {
                for (const auto &[name, inhalt] :
                     {std::pair<const char *, const char *>{"datum", "12.09.2026"},
                      {"anzahlBilderFuerWertung", "3"},
                      {"anzahlSpartenFuerKombination", "2"},
                      {"anzahlTeilnehmerFuerVereinsW", "5"},
                      {"maxBildGroesse", "1920x1080"},
                      {"jugendAb", "01.01.2008"}})
                    feld<QLineEdit>(&d, name)->setText(inhalt);
                feld<QLineEdit>(&d, feldName.toLatin1().constData())->setText(wert);
                if (titel.isEmpty())
                    bild(d, "grunddaten_bearbeiten");
                klicke(&d, "speichern");
                geschlossen = !d.isVisible();
            },
            &gesehen);
        editor.grunddaten()->bearbeitenButton()->click();
        QVERIFY(gesehen);
        if (!titel.isEmpty()) {
            QCOMPARE(letzteBox(boxes()), QStringList({"critical", titel, text}));
            QVERIFY(!geschlossen);
            QCOMPARE(anzahl("SELECT COUNT(*) FROM Wettbewerb WHERE maxBildBreite IS NULL"), 1);
            return;
        }
        QCOMPARE(letzteBox(boxes()), QStringList());
        QVERIFY(geschlossen);
        QCOMPARE(anzahl("SELECT COUNT(*) FROM Wettbewerb WHERE maxDateigroesse = 2048000 AND "
                        "maxBildBreite = 1920 AND maxBildHoehe = 1080 AND datum = '2026-09-12'"),
                 1);
        QCOMPARE(editor.wettbewerb().getMaxDateigroesse(), 2048000);
    }

    // Participants: added once, refused twice; removing asks and deletes only on Yes.
    void teilnehmer()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        auto eva = mitglied(*m_ctx, *m_verein, "Eva", "Mayr", "12");
        auto max = mitglied(*m_ctx, *m_verein, "Max", "Berger", "13");
        WettbewerbBearbeitenDialog dialog(*m_ctx, *w);
        TeilnehmerListenWidget &tab = *dialog.teilnehmer();
        QVERIFY(tab.fuegeHinzu(*eva));
        QVERIFY(tab.fuegeHinzu(*max));
        QVERIFY(!tab.fuegeHinzu(*eva));
        QCOMPARE(letzteBox(boxes()),
                 QStringList({"critical", "Mitglied schon vorhanden",
                              "Das Mitglied Eva Mayr ist bereits dem Wettbewerb zugeordnet."}));
        QCOMPARE(tab.liste()->rowCount(), 2);
        QCOMPARE(anzahl("SELECT COUNT(*) FROM WettbewerbsTeilnahme"), 2);

        tab.liste()->selectRow(0); // sorted by surname: Berger
        for (const bool ja : {false, true}) {
            boxes().answer(ja);
            klicke(&tab, "entfernen");
            QCOMPARE(letzteBox(boxes()),
                     QStringList({"question", "Mitglied wirklich entfernen?",
                                  "Wollen Sie das Mitglied Max Berger wirklich aus dem Wettbewerb "
                                  "entfernen?"}));
            QCOMPARE(tab.liste()->rowCount(), ja ? 1 : 2);
        }
        QCOMPARE(anzahl("SELECT COUNT(*) FROM WettbewerbsTeilnahme WHERE mitglied = " +
                        std::to_string(eva->getId())),
                 1);
    }

    // Categories: refusals of the dialog, a new category brings its rounds, the tab lists it
    // and deletes it with its rounds after the question.
    void sparten()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        WettbewerbBearbeitenDialog editor(*m_ctx, *w);
        WettbewerbSpartenWidget &tab = *editor.sparten();
        bool gesehen = false;
        imNaechstenDialog<SparteBearbeitenDialog>(
            [&](SparteBearbeitenDialog &d) {
                klicke(&d, "speichern");
                QCOMPARE(letzteBox(boxes()),
                         QStringList({"critical", "Kein Spartenname eingegeben",
                                      "Das Feld Name wurde nicht ausgefuellt.  Es wird aber "
                                      "benoetigt."}));
                feld<QLineEdit>(&d, "name")->setText("Farbe");
                feld<QLineEdit>(&d, "abkuerzung")->setText("F");
                bild(d, "sparte_neu");
                klicke(&d, "speichern");
            },
            &gesehen);
        klicke(&tab, "neu");
        QVERIFY(gesehen);
        QCOMPARE(tab.liste()->rowCount(), 1);
        // "ERWACHSENE_UND_JUGEND" with two rounds: a first and three second rounds per group.
        QCOMPARE(anzahl("SELECT COUNT(*) FROM Durchgang"), 8);

        SparteBearbeitenDialog zweite(*m_ctx, Modus::NEU, *w);
        feld<QLineEdit>(&zweite, "name")->setText("Farbe");
        klicke(&zweite, "speichern");
        QCOMPARE(letzteBox(boxes()),
                 QStringList({"critical", "Name schon vergeben",
                              "Es gibt schon eine Sparte mit diesem Namen in diesem Wettbewerb.  "
                              "Bitte waehlen Sie einen anderen Namen."}));
        QCOMPARE(anzahl("SELECT COUNT(*) FROM Sparte"), 1);

        tab.liste()->selectRow(0);
        for (const bool ja : {false, true}) {
            boxes().answer(ja);
            klicke(&tab, "loeschen");
            QCOMPARE(boxes().shown().back().kind, QString("question"));
            QCOMPARE(tab.liste()->rowCount(), ja ? 0 : 1);
            QCOMPARE(anzahl("SELECT COUNT(*) FROM Durchgang"), ja ? 0 : 8);
        }
    }

    // Round settings: a filled rank in a first round is refused; a valid change is stored.
    void durchgang()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        auto sparte = SparteService::neueSparte(*m_ctx, *w);
        sparte->setName("Natur");
        SparteService::speichere(*m_ctx, *sparte);
        const qlonglong id = std::stoll(TestDatabase::scalar(
            "SELECT d.id FROM Durchgang d JOIN CodeValue a ON a.id = d.art "
            "WHERE a.name = 'ERSTER_DURCHGANG' ORDER BY d.id LIMIT 1"));
        auto runde = DurchgangController().readById(*m_ctx, id);
        DurchgangBearbeitenDialog dialog(*m_ctx, Modus::BEARBEITEN, *runde);
        bild(dialog, "durchgang_bearbeiten");
        feld<QLineEdit>(&dialog, "minRang")->setText("0");
        klicke(&dialog, "speichern");
        QCOMPARE(letzteBox(boxes()),
                 QStringList({"critical", "Feld darf nicht ausgefuellt werden",
                              "Im ersten Durchgang duerfen die Felder \"Von Prozent der "
                              "Rangliste\" bzw. \"Bis Prozent der Rangliste\" nicht ausgefuellt "
                              "werden."}));
        feld<QLineEdit>(&dialog, "minRang")->clear();
        feld<QLineEdit>(&dialog, "maxBewertung")->setText("9");
        feld<CodeValueComboBox>(&dialog, "sortierModus")
            ->setValue(code(*m_ctx, "SpartenSortierModus", "VEREIN_MITGLIED"));
        klicke(&dialog, "speichern");
        QCOMPARE(boxes().shown().size(), size_t(1));
        QCOMPARE(anzahl("SELECT COUNT(*) FROM Durchgang d JOIN CodeValue s ON s.id = "
                        "d.sortierModus WHERE d.maxBewertung = 9 AND d.minRang IS NULL AND "
                        "s.name = 'VEREIN_MITGLIED' AND d.id = " + std::to_string(id)),
                 1);
    }

    // Jurors: a member and a new external juror; the same member twice is refused; the
    // categories toggle; removing asks.
    void juroren()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        WettbewerbService::geheWeiter(*m_ctx, *w);
        auto eva = mitglied(*m_ctx, *m_verein, "Eva", "Mayr", "12");
        WettbewerbBearbeitenDialog editor(*m_ctx, *w);
        WettbewerbJurorenWidget &tab = *editor.juroren();
        tab.legeJuriertBeiAn(eva.get());
        tab.legeJuriertBeiAn(eva.get());
        QCOMPARE(letzteBox(boxes()),
                 QStringList({"critical", "Mitglied schon zugeordnet",
                              "Das Mitglied Eva Mayr ist dem Wettbewerb bereits als Juror "
                              "zugeordnet.  Bitte waehlen Sie eine andere Person aus."}));
        bool gesehen = false;
        imNaechstenDialog<JurorBearbeitenDialog>(
            [&](JurorBearbeitenDialog &d) {
                QCOMPARE(feld<QLineEdit>(&d, "nummer")->text(), QString("0"));
                feld<QLineEdit>(&d, "vorname")->setText("Anna");
                feld<QLineEdit>(&d, "nachname")->setText("Zeller");
                bild(d, "externer_juror_neu");
                klicke(&d, "speichern");
            },
            &gesehen);
        klicke(&tab, "neuExtern");
        QVERIFY(gesehen);
        QCOMPARE(tab.liste()->rowCount(), 2);
        QCOMPARE(anzahl("SELECT COUNT(*) FROM JuriertBei WHERE alleSparten = 1"), 2);
        const CompositeTableModel &model = *tab.liste()->model();
        QCOMPARE(model.displayValue(0, 5).toString(), QString("Nein"));
        QCOMPARE(model.displayValue(0, 4).toString(), QString("Alle"));

        tab.liste()->selectRow(1); // Zeller
        QCOMPARE(tab.toggleButton()->text(), QString("Spartenzuordnung \n ermoeg&lichen"));
        QVERIFY(!tab.spartenButton()->isEnabled());
        tab.toggleButton()->click();
        QCOMPARE(tab.toggleButton()->text(), QString("Automatisch a&llen \n Sparten zuordnen"));
        QVERIFY(tab.spartenButton()->isEnabled());
        QCOMPARE(anzahl("SELECT COUNT(*) FROM JuriertBei WHERE alleSparten = 0"), 1);
        editor.reiter()->setCurrentIndex(4);
        bild(editor, "juroren");

        for (const bool ja : {false, true}) {
            boxes().answer(ja);
            klicke(&tab, "entfernen");
            QCOMPARE(letzteBox(boxes()),
                     QStringList({"question", "Juror wirklich entfernen?",
                                  "Wollen Sie den Juror Anna Zeller wirklich aus dem Wettbewerb "
                                  "entfernen?"}));
            QCOMPARE(tab.liste()->rowCount(), ja ? 1 : 2);
        }
    }

    // A juror's categories: assigned once, refused twice, shown by abbreviation or name.
    void jurorSparten()
    {
        auto w = wettbewerb(*m_ctx, *m_verein);
        for (const auto &[name, abkuerzung] : {std::pair<QString, QString>{"Farbe", "F"},
                                               {"Natur", QString()}}) {
            auto sparte = SparteService::neueSparte(*m_ctx, *w);
            sparte->setName(name);
            if (!abkuerzung.isNull())
                sparte->setAbkuerzung(abkuerzung);
            SparteService::speichere(*m_ctx, *sparte);
        }
        WettbewerbService::geheWeiter(*m_ctx, *w);
        auto eva = mitglied(*m_ctx, *m_verein, "Eva", "Mayr", "12");
        WettbewerbBearbeitenDialog editor(*m_ctx, *w);
        WettbewerbJurorenWidget &tab = *editor.juroren();
        tab.legeJuriertBeiAn(eva.get());
        tab.toggleButton()->click();
        bool gesehen = false;
        imNaechstenDialog<JuriertBeiBearbeitenDialog>(
            [&](JuriertBeiBearbeitenDialog &d) {
                auto sparten = SparteController().readByWettbewerb(*m_ctx, *w);
                std::sort(sparten.begin(), sparten.end(),
                          [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
                QVERIFY(d.sparten()->ordneZu(*sparten[0]));
                QVERIFY(d.sparten()->ordneZu(*sparten[1]));
                QVERIFY(!d.sparten()->ordneZu(*sparten[0]));
                QCOMPARE(letzteBox(boxes()),
                         QStringList({"critical", "Zuordnung schon vorhanden",
                                      "Die Sparte ist dem Juror bereits zugeordnet."}));
                QCOMPARE(d.sparten()->liste()->rowCount(), 2);
            },
            &gesehen);
        tab.spartenButton()->click();
        QVERIFY(gesehen);
        QCOMPARE(tab.liste()->model()->displayValue(0, 4).toString(), QString("F, Natur"));
    }

    // The search finds by name and hands the chosen competition on; it is forgotten at a new
    // login.
    void suche()
    {
        wettbewerb(*m_ctx, *m_verein, "W1", "Landesfotoschau");
        wettbewerb(*m_ctx, *m_verein, "W2", "Clubmeisterschaft");
        WettbewerbsSucheDialog dialog(*m_ctx);
        QCOMPARE(dialog.liste()->rowCount(), 2);
        dialog.nameFeld()->setText("meister");
        dialog.sucheWettbewerbe();
        QCOMPARE(dialog.liste()->rowCount(), 1);
        QString gewaehlt;
        connect(&dialog, &WettbewerbsSucheDialog::wettbewerbAusgewaehlt, this,
                [&](Wettbewerb *w) { gewaehlt = w->getNummer(); });
        klicke(&dialog, "oeffnen");
        QCOMPARE(gewaehlt, QString("W2"));
    }

private:
    RecordingMessageBoxes &boxes() { return *m_boxesHalter; }

    std::unique_ptr<RecordingMessageBoxes> m_boxesHalter;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<Verein> m_verein;
};

KALVOR_REGISTER_TEST(CompetitionDialogTest)
#include "tst_competition_ui.moc"
