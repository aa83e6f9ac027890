#include "DurchgangService.h"
#include "JurorService.h"
#include "PersistenceException.h"
#include "SparteService.h"
#include "TestRegistry.h"
#include "competitionfixture.h"
#include "controllers/BildController.h"
#include "controllers/DurchgangController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/SpartenJurierungController.h"

using namespace CompetitionFixture;

class SparteTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }

    void roundsOfANewCategory_data()
    {
        QTest::addColumn<QString>("modus");
        QTest::addColumn<bool>("zwei");
        QTest::addColumn<QString>("rounds"); // J youth, E adults, with their position
        const char *const alle[] = {"NUR_ERWACHSENE", "NUR_JUGEND", "ERWACHSENE_UND_JUGEND",
                                    "JUGEND_ALS_ERWACHSENE"};
        const char *const zwei[] = {"E1 E2 E3 E4", "J1 J2 J3 J4", "J1 E1 J2 E2 J3 E3 J4 E4",
                                    "E1 E2 E3 E4"};
        const char *const einer[] = {"E1", "J1", "J1 E1", "E1"};
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("%s, two rounds", alle[i]) << alle[i] << true << zwei[i];
            QTest::addRow("%s, one round", alle[i]) << alle[i] << false << einer[i];
        }
    }

    void roundsOfANewCategory()
    {
        QFETCH(QString, modus);
        QFETCH(bool, zwei);
        QFETCH(QString, rounds);
        auto daten = legeWettbewerbAn(*m_ctx, "W1", zwei);
        logInDatenbank(*m_ctx);
        auto sparte = SparteService::neueSparte(*m_ctx, *daten.wettbewerb);
        sparte->setName(QStringLiteral("Farbe"));
        sparte->setDurchgangsModus(code(*m_ctx, "DurchgangsModus", modus.toLatin1().constData()));
        SparteService::speichere(*m_ctx, *sparte);
        QCOMPARE(geloggt(*m_ctx, "WertungsFactory.cpp"), QStringList{"Lege Durchgänge an."});

        auto gelesen = DurchgangController().select(
            *m_ctx, {{QStringLiteral("sparte"), sparte->getId()}}, true, false);
        std::sort(gelesen.begin(), gelesen.end(),
                  [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
        QStringList folge;
        QMap<QChar, qlonglong> erster; // the first round of each group
        struct Erwartet
        {
            const char *art;
            double minRang;
            double maxRang;
            int minBewertung;
            int maxBewertung;
        };
        const Erwartet tabelle[] = {{"ERSTER_DURCHGANG", -1, -1, 1, 10},
                                    {"ZWEITER_DURCHGANG_SCHLECHTE", 0.0, 33.3, 1, 5},
                                    {"ZWEITER_DURCHGANG_MITTLERE", 33.3, 66.6, 4, 8},
                                    {"ZWEITER_DURCHGANG_BESTE", 66.6, 100.0, 6, 10}};
        for (const auto &runde : gelesen) {
            const bool jugend = runde->getJugend() == code(*m_ctx, "Jugend", "Ja");
            if (!jugend)
                QCOMPARE(runde->getJugend(), code(*m_ctx, "Jugend", "Nein"));
            const QChar gruppe = QLatin1Char(jugend ? 'J' : 'E');
            const int position = runde->getPositionInDerJurierung();
            folge.append(gruppe + QString::number(position));
            const Erwartet &soll = tabelle[position - 1];
            QCOMPARE(runde->getArt(), code(*m_ctx, "DurchgangsArt", soll.art));
            QCOMPARE(runde->getMinBewertung(), soll.minBewertung);
            QCOMPARE(runde->getMaxBewertung(), soll.maxBewertung);
            if (position == 1) {
                QVERIFY(!runde->hasMinRang() && !runde->hasMaxRang());
                QVERIFY(!runde->hasReferenzDurchgang());
                erster[gruppe] = runde->getId();
            } else {
                QCOMPARE(runde->getMinRang(), soll.minRang);
                QCOMPARE(runde->getMaxRang(), soll.maxRang);
                QCOMPARE(runde->getReferenzDurchgang(), erster.value(gruppe));
            }
            QCOMPARE(runde->getStatus(), code(*m_ctx, "DurchgangsStatus", "ANGELEGT"));
            QCOMPARE(runde->getSortierModus(), code(*m_ctx, "SpartenSortierModus", "ZUFAELLIG"));
            QCOMPARE(runde->getReihenfolgeGeneriert(), false);
            QVERIFY(!runde->hasAktuelleWertung());
            QCOMPARE(runde->getJurierung(), daten.jurierung->getId());
        }
        QCOMPARE(folge.join(QLatin1Char(' ')), rounds);

        // Saving it again creates no rounds.
        sparte->setAbkuerzung(QStringLiteral("F"));
        SparteService::speichere(*m_ctx, *sparte);
        QCOMPARE(anzahl("Durchgang"), int(gelesen.size()));
    }

    // Regression: a failure while creating the rounds left a category without (all) rounds.
    void newCategoryIsOneTransaction()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        TestDatabase::run("CREATE TRIGGER stoerung BEFORE INSERT ON Durchgang FOR EACH ROW "
                          "IF NEW.positionInDerJurierung = 3 THEN SIGNAL SQLSTATE '45000' "
                          "SET MESSAGE_TEXT = 'gestoert'; END IF");
        auto sparte = SparteService::neueSparte(*m_ctx, *daten.wettbewerb);
        sparte->setName(QStringLiteral("Dia"));
        QVERIFY_THROWS_EXCEPTION(PersistenceException, SparteService::speichere(*m_ctx, *sparte));
        QCOMPARE(anzahl("Sparte") + anzahl("Durchgang"), 0);
        QVERIFY(!sparte->hasId());
    }

    void categoryChecksInOrder()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        auto andere = legeWettbewerbAn(*m_ctx, "W2");
        const auto vorhanden = legeSparteAn(*m_ctx, *daten.wettbewerb, "Farbe");
        logInDatenbank(*m_ctx);

        auto sparte = SparteService::neueSparte(*m_ctx, *daten.wettbewerb);
        sparte->setDurchgangsModusNull();
        QCOMPARE(SparteService::pruefe(*m_ctx, *sparte)->titel,
                 QStringLiteral("Kein Spartenname eingegeben"));
        sparte->setName(QStringLiteral("Farbe"));
        const auto modus = SparteService::pruefe(*m_ctx, *sparte);
        QCOMPARE(modus->titel, QStringLiteral("Durchgangsmodus nicht angegeben"));
        QCOMPARE(modus->text, QStringLiteral("Im Feld Durchgaenge anlegen fuer wurde keine der "
                                             "Moeglichkeiten angegeben.  Bitte waehlen Sie eine "
                                             "davon aus."));
        sparte->setDurchgangsModus(code(*m_ctx, "DurchgangsModus", "NUR_JUGEND"));
        QCOMPARE(SparteService::pruefe(*m_ctx, *sparte)->text,
                 QStringLiteral("Es gibt schon eine Sparte mit diesem Namen in diesem Wettbewerb.  "
                                "Bitte waehlen Sie einen anderen Namen."));
        QVERIFY(!SparteService::pruefe(*m_ctx, *vorhanden)); // itself is no conflict
        sparte->setWettbewerb(andere.wettbewerb->getId());   // nor one of another competition
        QVERIFY(!SparteService::pruefe(*m_ctx, *sparte));
        QCOMPARE(geloggt(*m_ctx, "SparteBearbeitenDialog"),
                 (QStringList{"Kein Spartenname eingegeben", "Kein DurchgangsModus angegeben",
                              "Sparten-Name schon vergeben",
                              "==> Pruefung erfolgreich, sparteSchonInDB = 1",
                              "==> Pruefung erfolgreich, sparteSchonInDB = 0"}));
    }

    void deletingACategory()
    {
        auto daten = legeWettbewerbAn(*m_ctx);
        const std::unique_ptr<Sparte> sparten[] = {legeSparteAn(*m_ctx, *daten.wettbewerb, "Farbe"),
                                                   legeSparteAn(*m_ctx, *daten.wettbewerb, "Dia")};
        Sparte &farbe = *sparten[0];
        Mitglied mitglied;
        MitgliedController().insertOrUpdate(*m_ctx, mitglied);
        QVERIFY(!JurorService::fuegeHinzu(*m_ctx, *daten.wettbewerb, mitglied));
        auto juror = std::move(JuriertBeiController().select(*m_ctx, {}, true, false).front());
        JurorService::toggleAlleSparten(*m_ctx, *juror);
        for (const auto &sparte : sparten)
            QVERIFY(!JurorService::ordneSparteZu(*m_ctx, *juror, *sparte));
        QCOMPARE(juror->getSpartenString(), QStringLiteral("Farbe, Dia"));

        // A renamed category is renamed in its jurors' list too.
        farbe.setAbkuerzung(QStringLiteral("F"));
        SparteService::speichere(*m_ctx, farbe);
        QCOMPARE(TestDatabase::scalar("SELECT spartenString FROM JuriertBei"),
                 std::string("F, Dia"));

        // Only while the competition is "ANGELEGT", and only without images.
        QVERIFY(WettbewerbService::geheWeiter(*m_ctx, *daten.wettbewerb));
        QCOMPARE(SparteService::loeschVerbot(*m_ctx, *daten.wettbewerb, farbe)->titel,
                 QStringLiteral("Loeschen nicht moeglich"));
        QVERIFY(WettbewerbService::geheZurueck(*m_ctx, *daten.wettbewerb));
        Bild bild;
        bild.setSparte(farbe.getId());
        BildController().insertOrUpdate(*m_ctx, bild);
        QCOMPARE(SparteService::loeschVerbot(*m_ctx, *daten.wettbewerb, farbe)->text,
                 QStringLiteral("In der Sparte Farbe sind bereits Bilder erfasst.  Sie kann daher "
                                "nicht geloescht werden."));
        BildController().remove(*m_ctx, bild);
        QVERIFY(!SparteService::loeschVerbot(*m_ctx, *daten.wettbewerb, farbe));

        // A failure at the last step deletes nothing.
        stoere("Sparte", "DELETE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, SparteService::loesche(*m_ctx, farbe));
        QCOMPARE(anzahl("Durchgang"), 16);
        QCOMPARE(anzahl("SpartenJurierung"), 2);
        TestDatabase::run("DROP TRIGGER stoerung_Sparte_DELETE");

        SparteService::loesche(*m_ctx, farbe);
        const std::string id = std::to_string(farbe.getId());
        QCOMPARE(anzahl("Sparte", "id = " + id) + anzahl("Durchgang", "sparte = " + id) +
                     anzahl("SpartenJurierung", "sparte = " + id),
                 0);
        QCOMPARE(anzahl("Durchgang"), 8);
        QCOMPARE(TestDatabase::scalar("SELECT spartenString FROM JuriertBei"), std::string("Dia"));
    }

    void roundSettingsChecks_data()
    {
        // art, minRang, maxRang, minBewertung, maxBewertung ("" empty), sortierModus set,
        // title of the refusal (empty when saved), logged text
        for (const char *spalte : {"art", "minRang", "maxRang", "minBewertung", "maxBewertung",
                                   "sortierung", "title", "log"})
            QTest::addColumn<QString>(spalte);
        const char *nicht = "Feld darf nicht ausgefuellt werden";
        const char *wert = "Wert nicht erlaubt";
        const char *erfolg = "==> Pruefung erfolgreich";
        zeilen({{"second round", "ZWEITER_DURCHGANG_MITTLERE", "33.3", "66.6", "4", "8", "ja", "",
                 erfolg},
                {"ratings in any order", "ZWEITER_DURCHGANG_BESTE", "66.6", "10", "8", "3", "ja",
                 "", erfolg},
                {"first round with a rank", "ERSTER_DURCHGANG", "0", "", "0", "", "", nicht,
                 "Feld darf nicht ausgefuellt werden (Erster Durchgang)"},
                {"overall with a rating", "GESAMTWERTUNG", "", "", "", "5", "ja", nicht,
                 "Feld darf nicht ausgefuellt werden (Gesamtwertung)"},
                {"overall without anything", "GESAMTWERTUNG", "", "", "", "", "ja", "", erfolg},
                {"rank above 100", "ZWEITER_DURCHGANG_BESTE", "66.6", "100.5", "", "", "", wert,
                 "Wert nicht erlaubt (Prozent der Rangliste)"},
                {"rank below 0", "ZWEITER_DURCHGANG_SCHLECHTE", "-0.1", "33.3", "1", "5", "ja",
                 wert, "Wert nicht erlaubt (Prozent der Rangliste)"},
                {"no lowest rating", "ERSTER_DURCHGANG", "", "", "", "11", "",
                 "Minimal erlaubte Bewertung fehlt", "Minimal erlaubte Bewertung fehlt"},
                {"no highest rating", "ERSTER_DURCHGANG", "", "", "0", "", "",
                 "Maximal erlaubte Bewertung fehlt", "Maximal erlaubte Bewertung fehlt"},
                {"rating 0", "ERSTER_DURCHGANG", "", "", "0", "10", "", wert,
                 "Wert nicht erlaubt (erlaubte Bewertung)"},
                {"rating 11", "ERSTER_DURCHGANG", "", "", "1", "11", "ja", wert,
                 "Wert nicht erlaubt (erlaubte Bewertung)"},
                {"no order", "ERSTER_DURCHGANG", "", "", "1", "10", "",
                 "Keine Sortierung angegeben", "Keine Sortierung angegeben"}});
    }

    void roundSettingsChecks()
    {
        QFETCH(QString, art);
        QFETCH(QString, minRang);
        QFETCH(QString, maxRang);
        QFETCH(QString, minBewertung);
        QFETCH(QString, maxBewertung);
        QFETCH(QString, sortierung);
        QFETCH(QString, title);
        QFETCH(QString, log);
        logInDatenbank(*m_ctx);
        Durchgang runde;
        runde.setArt(code(*m_ctx, "DurchgangsArt", art.toLatin1().constData()));
        const QPair<int, QString> werte[] = {{Durchgang::minRangRow, minRang},
                                             {Durchgang::maxRangRow, maxRang},
                                             {Durchgang::minBewertungRow, minBewertung},
                                             {Durchgang::maxBewertungRow, maxBewertung}};
        for (const auto &[row, wert] : werte)
            runde.setValueAt(row, wert.isEmpty() ? QVariant() : QVariant(wert));
        if (!sortierung.isEmpty())
            runde.setSortierModus(code(*m_ctx, "SpartenSortierModus", "VEREIN_MITGLIED"));
        const auto meldung = DurchgangService::pruefe(*m_ctx, runde);
        QCOMPARE(meldung ? meldung->titel : QString(), title);
        QCOMPARE(geloggt(*m_ctx, "DurchgangBearbeitenDialog"), QStringList{log});
        if (log == QLatin1String("Wert nicht erlaubt (erlaubte Bewertung)"))
            QCOMPARE(meldung->text,
                     QStringLiteral("Die Felder \"Minimal erlaubte Bewertung\" und \"Maximale "
                                    "erlaubte Bewertung\" muessen jeweils einen Wert zwischen 1 "
                                    "und 10 haben."));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(SparteTest)
#include "tst_sparten.moc"
