#include "BatchController.h"
#include "PersistenceException.h"
#include "Random.h"
#include "TestRegistry.h"
#include "WertungsHelper.h"
#include "controllers/EinzelWertungController.h"
#include "entities/Wertung.h"
#include "wertungsfixture.h"

#include <mysql++/mysql++.h>

#include <QRandomGenerator>

#include <map>

using namespace WertungsFixture;

namespace {

// The rank filter written out plainly: the totals' ranks as positions in the sorted list.
QList<int> nachRangGewaehlt(const QList<int> &bewertungen, double minRang, double maxRang,
                            bool beste)
{
    QList<int> sortiert;
    for (int b : bewertungen)
        if (b >= 0)
            sortiert.append(b);
    std::sort(sortiert.begin(), sortiert.end());
    QList<int> gewaehlt;
    if (sortiert.isEmpty())
        return gewaehlt;
    const int letzter = int(sortiert.size()) - 1;
    const int unten = sortiert[int(minRang / 100 * letzter + 0.5)];
    const int oben = sortiert[int(maxRang / 100 * letzter + 0.5)];
    for (int i = 0; i < bewertungen.size(); ++i) {
        const int b = bewertungen[i];
        if (b >= 0 && unten <= b && (b < oben || (beste && b == oben)))
            gewaehlt.append(i);
    }
    return gewaehlt;
}

QList<int> ausgewaehlt(const QList<int> &bewertungen, double minRang, double maxRang, bool beste)
{
    std::vector<std::optional<int>> werte;
    for (int b : bewertungen)
        werte.push_back(b >= 0 ? std::optional<int>(b) : std::nullopt);
    QList<int> gewaehlt;
    for (size_t i : WertungsHelper::waehleNachRang(werte, minRang, maxRang, beste).gewaehlt)
        gewaehlt.append(int(i));
    return gewaehlt;
}

} // namespace

class RangfilterTest : public QObject
{
    Q_OBJECT
private slots:
    void beispiele_data()
    {
        QTest::addColumn<QList<int>>("bewertungen"); // -1: no total
        QTest::addColumn<double>("minRang");
        QTest::addColumn<double>("maxRang");
        QTest::addColumn<bool>("beste");
        QTest::addColumn<QList<int>>("gewaehlt"); // positions
        const QList<int> fuenf{30, 10, -1, 20, 12, 15};
        QTest::newRow("mittlere") << fuenf << 33.3 << 66.6 << false << QList<int>{4, 5};
        QTest::newRow("beste") << fuenf << 66.6 << 100.0 << true << QList<int>{0, 3};
        QTest::newRow("schlechte") << fuenf << 0.0 << 33.3 << false << QList<int>{1};
        QTest::newRow("one image, schlechte")
            << QList<int>{-1, 17} << 0.0 << 33.3 << false << QList<int>{};
        QTest::newRow("one image, beste")
            << QList<int>{17, -1} << 66.6 << 100.0 << true << QList<int>{0};
        QTest::newRow("ties on the boundary go up")
            << QList<int>{12, 12, 12, 20, 20} << 0.0 << 33.3 << false << QList<int>{};
        QTest::newRow("no totals") << QList<int>{-1, -1} << 0.0 << 100.0 << true << QList<int>{};
    }
    void beispiele()
    {
        QFETCH(QList<int>, bewertungen);
        QFETCH(double, minRang);
        QFETCH(double, maxRang);
        QFETCH(bool, beste);
        QFETCH(QList<int>, gewaehlt);
        QCOMPARE(ausgewaehlt(bewertungen, minRang, maxRang, beste), gewaehlt);
    }

    // Random totals with the three second rounds' settings, against the plain version above;
    // every scored image lands in exactly one of the three rounds.
    void zufaellig()
    {
        QRandomGenerator zufall(7);
        for (int lauf = 0; lauf < 500; ++lauf) {
            QList<int> bewertungen;
            const int n = int(zufall.bounded(40));
            for (int i = 0; i < n; ++i)
                bewertungen.append(zufall.bounded(8) == 0 ? -1 : int(zufall.bounded(3, 31)));
            const auto schlechte = ausgewaehlt(bewertungen, 0, 33.3, false);
            const auto mittlere = ausgewaehlt(bewertungen, 33.3, 66.6, false);
            const auto beste = ausgewaehlt(bewertungen, 66.6, 100, true);
            QCOMPARE(schlechte, nachRangGewaehlt(bewertungen, 0, 33.3, false));
            QCOMPARE(mittlere, nachRangGewaehlt(bewertungen, 33.3, 66.6, false));
            QCOMPARE(beste, nachRangGewaehlt(bewertungen, 66.6, 100, true));
            QCOMPARE(schlechte.size() + mittlere.size() + beste.size(),
                     bewertungen.size() - bewertungen.count(-1));
            const double von = zufall.bounded(100.0);
            const double bis = von + zufall.bounded(100.0 - von);
            QCOMPARE(ausgewaehlt(bewertungen, von, bis, lauf % 2),
                     nachRangGewaehlt(bewertungen, von, bis, lauf % 2));
        }
    }
};

class ReihenfolgeTest : public QObject
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

    // Valid images of the category; youth and adults apart unless the category scores them
    // together.
    void bilderDesDurchgangs_data()
    {
        QTest::addColumn<QString>("modus");
        QTest::addColumn<bool>("jugend");
        QTest::addColumn<QStringList>("titel");
        QTest::newRow("adults") << "ERWACHSENE_UND_JUGEND" << false << QStringList{"A1", "A2"};
        QTest::newRow("youth") << "ERWACHSENE_UND_JUGEND" << true << QStringList{"J1"};
        QTest::newRow("together") << "JUGEND_ALS_ERWACHSENE" << false
                                  << QStringList{"A1", "J1", "A2"};
    }
    void bilderDesDurchgangs()
    {
        QFETCH(QString, modus);
        QFETCH(bool, jugend);
        QFETCH(QStringList, titel);
        auto kategorie = legeKategorieAn(*m_ctx, modus.toLatin1().constData());
        const auto erwachsen = teilnehmer(*m_ctx, kategorie.wettbewerb(), "100");
        const auto jung = teilnehmer(*m_ctx, kategorie.wettbewerb(), "200", true);
        bild(*m_ctx, *erwachsen, *kategorie.sparte, "A1");
        bild(*m_ctx, *jung, *kategorie.sparte, "J1");
        bild(*m_ctx, *erwachsen, *kategorie.sparte, "A2");
        bild(*m_ctx, *jung, *kategorie.sparte, "J2 ungueltig", false);
        const auto anderes = legeSparteAn(*m_ctx, kategorie.wettbewerb(), "Farbe");
        bild(*m_ctx, *erwachsen, *anderes, "Farbe");
        const auto runde = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG", jugend);
        QStringList gefunden;
        for (const auto &b :
             WertungsHelper::bilderDesDurchgangs(*m_ctx, kategorie.wettbewerb(), *runde))
            gefunden.append(b->getTitel());
        QCOMPARE(gefunden, titel);
    }

    // By complete member number as text, one submitter's images in id order; or a random
    // permutation drawn from the remaining images.
    void sortierung_data()
    {
        QTest::addColumn<QString>("sortierModus");
        QTest::newRow("member number") << "VEREIN_MITGLIED";
        QTest::newRow("random") << "ZUFAELLIG";
        QTest::newRow("none") << "";
    }
    void sortierung()
    {
        QFETCH(QString, sortierModus);
        auto kategorie = legeKategorieAn(*m_ctx);
        QStringList titel;
        std::map<QString, std::unique_ptr<Mitglied>> mitglieder;
        for (const char *nummer : {"002-10", "001-3", "001-12", "001-3", "003-1", "002-10"}) {
            auto &mitglied = mitglieder[nummer];
            if (!mitglied)
                mitglied = teilnehmer(*m_ctx, kategorie.wettbewerb(), nummer);
            titel.append(QStringLiteral("%1 #%2").arg(nummer).arg(titel.size()));
            bild(*m_ctx, *mitglied, *kategorie.sparte, titel.last());
        }
        auto runde = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        runde->setValueAt(Durchgang::sortierModusRow,
                          sortierModus.isEmpty()
                              ? QVariant()
                              : QVariant(code(*m_ctx, "SpartenSortierModus",
                                              sortierModus.toLatin1().constData())));
        DurchgangController().insertOrUpdate(*m_ctx, *runde);
        m_ctx->setRandom(std::make_shared<SeededRandom>(42));
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *runde);

        QStringList erwartet;
        if (sortierModus == "VEREIN_MITGLIED") {
            erwartet = QStringList{"001-12 #2", "001-3 #1",  "001-3 #3",
                                   "002-10 #0", "002-10 #5", "003-1 #4"};
        } else {
            SeededRandom zufall(42);
            QStringList uebrig = titel;
            while (!uebrig.isEmpty())
                erwartet.append(uebrig.takeAt(int(zufall.bounded(quint32(uebrig.size())))));
            QVERIFY(erwartet != titel);
        }
        QCOMPARE(reihenfolge(runde->getId()), erwartet);
        QVERIFY(neuGelesen(*m_ctx, *runde)->getReihenfolgeGeneriert());
    }

    // Regenerating replaces every score row and the juror scores attached to them; when its
    // last write fails the old order stays, in the database and in the round object.
    void neuGenerieren()
    {
        auto kategorie = legeKategorieAn(*m_ctx);
        const auto eva = teilnehmer(*m_ctx, kategorie.wettbewerb(), "100");
        for (const char *titel : {"B1", "B2", "B3"})
            bild(*m_ctx, *eva, *kategorie.sparte, titel);
        const auto seat = juror(*m_ctx, kategorie.wettbewerb(), "Jo");
        auto runde = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        m_ctx->setRandom(std::make_shared<SeededRandom>(1));
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *runde);
        const std::string runde_ = std::to_string(runde->getId());
        TestDatabase::run("INSERT INTO EinzelWertung (wertung, juror, bewertung) SELECT id, " +
                          std::to_string(seat->getId()) +
                          ", 5 FROM Wertung WHERE durchgang = " + runde_);
        const std::string alteIds =
            "SELECT GROUP_CONCAT(id) FROM Wertung WHERE durchgang = " + runde_;
        const std::string vorher = TestDatabase::scalar(alteIds);

        stoere("Durchgang", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, WertungsHelper::reihenfolgeGenerieren(
                                                           *m_ctx, kategorie.wettbewerb(), *runde));
        QCOMPARE(TestDatabase::scalar(alteIds), vorher);
        QCOMPARE(anzahl("EinzelWertung"), 3);
        QCOMPARE(runde->getMut_tist(), neuGelesen(*m_ctx, *runde)->getMut_tist());
        TestDatabase::run("DROP TRIGGER stoerung_Durchgang_UPDATE");

        QVERIFY(WertungsHelper::pruefeReihenfolgeGenerieren(*m_ctx, *runde) == std::nullopt);
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *runde);
        QCOMPARE(anzahl("EinzelWertung"), 0);
        QCOMPARE(
            anzahl("Wertung", "durchgang = " + runde_ + " AND FIND_IN_SET(id, '" + vorher + "')"),
            0);
        QCOMPARE(TestDatabase::scalar("SELECT GROUP_CONCAT(positionImDurchgang ORDER BY "
                                      "positionImDurchgang) FROM Wertung WHERE durchgang = " +
                                      runde_),
                 std::string("1,2,3"));
    }

    // A second round takes the images of its reference round's results by rank.
    void zweiterDurchgang()
    {
        auto kategorie = legeKategorieAn(*m_ctx);
        const auto eva = teilnehmer(*m_ctx, kategorie.wettbewerb(), "100");
        const int summen[] = {30, 10, 20, 12, 15};
        for (int summe : summen)
            bild(*m_ctx, *eva, *kategorie.sparte, QString::number(summe));
        auto erster = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        auto beste = durchgang(*m_ctx, *kategorie.sparte, "ZWEITER_DURCHGANG_BESTE");
        auto mittlere = durchgang(*m_ctx, *kategorie.sparte, "ZWEITER_DURCHGANG_MITTLERE");
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *erster);

        const QString offen = "Die Reihenfolge kann erst generiert werden, wenn der "
                              "Basisdurchgang abgeschlossen ist.";
        QCOMPARE(WertungsHelper::pruefeReihenfolgeGenerieren(*m_ctx, *beste)->text, offen);
        QCOMPARE(WertungsHelper::pruefeReferenz(*m_ctx, *beste)->text,
                 QStringLiteral("Der zweite Durchgang kann erst gestartet werden, nachdem der "
                                "erste abgeschlossen wurde."));
        TestDatabase::run("UPDATE Wertung w JOIN Bild b ON w.bild = b.id SET w.bewertung = "
                          "b.titel WHERE w.durchgang = " +
                          std::to_string(erster->getId()));
        WertungsHelper::setzeStatus(*m_ctx, *erster, "BEENDET");
        DurchgangController().insertOrUpdate(*m_ctx, *erster);
        QVERIFY(WertungsHelper::pruefeReihenfolgeGenerieren(*m_ctx, *beste) == std::nullopt);

        beste->setSortierModus(code(*m_ctx, "SpartenSortierModus", "VEREIN_MITGLIED"));
        mittlere->setSortierModus(code(*m_ctx, "SpartenSortierModus", "VEREIN_MITGLIED"));
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *beste);
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *mittlere);
        QCOMPARE(reihenfolge(beste->getId()), (QStringList{"30", "20"}));
        QCOMPARE(reihenfolge(mittlere->getId()), (QStringList{"12", "15"}));

        const QString gestartet = "Die Reihenfolge kann nur generiert werden, solange der "
                                  "Durchgang noch nicht gestartet ist.";
        QCOMPARE(WertungsHelper::pruefeReihenfolgeGenerieren(*m_ctx, *erster)->text, gestartet);
    }

    // The refusals before generating and starting.
    void verweigerungen()
    {
        auto kategorie = legeKategorieAn(*m_ctx);
        auto erster = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        erster->setValueAt(Durchgang::sortierModusRow, QVariant());
        const auto keine = WertungsHelper::pruefeSortierung(*m_ctx, *erster);
        QCOMPARE(keine->titel, QStringLiteral("Keine Sortierung angegeben"));
        QCOMPARE(keine->text, QStringLiteral("Bitte geben Sie eine Sortierung an."));
        erster->setReihenfolgeGeneriert(true); // regenerating asks instead
        QVERIFY(WertungsHelper::pruefeSortierung(*m_ctx, *erster) == std::nullopt);

        QVERIFY(WertungsHelper::pruefeWertungBeginnen(*m_ctx, *erster) == std::nullopt);
        Durchgang gesamt;
        gesamt.setArt(code(*m_ctx, "DurchgangsArt", "GESAMTWERTUNG"));
        const auto unecht = WertungsHelper::pruefeWertungBeginnen(*m_ctx, gesamt);
        QCOMPARE(unecht->titel, QStringLiteral("Wertung nicht moeglich"));
        QCOMPARE(unecht->text,
                 QStringLiteral("Eine Wertung kann nur fuer \"echte\" Durchgaenge durchgefuehrt "
                                "werden, nicht etwa fuer eine Gesamtwertungszeile."));
    }

    // Starting creates a juror score for every score row and every juror of the category, and
    // nothing when its last write fails.
    void starten()
    {
        auto kategorie = legeKategorieAn(*m_ctx);
        const auto eva = teilnehmer(*m_ctx, kategorie.wettbewerb(), "100");
        for (const char *titel : {"B1", "B2", "B3", "B4"})
            bild(*m_ctx, *eva, *kategorie.sparte, titel);
        juror(*m_ctx, kategorie.wettbewerb(), "Alle");
        auto zugeordnet = juror(*m_ctx, kategorie.wettbewerb(), "Natur");
        auto fremd = juror(*m_ctx, kategorie.wettbewerb(), "Farbe");
        const auto farbe = legeSparteAn(*m_ctx, kategorie.wettbewerb(), "Farbe");
        JurorService::toggleAlleSparten(*m_ctx, *zugeordnet);
        JurorService::toggleAlleSparten(*m_ctx, *fremd);
        QVERIFY(!JurorService::ordneSparteZu(*m_ctx, *zugeordnet, *kategorie.sparte));
        QVERIFY(!JurorService::ordneSparteZu(*m_ctx, *fremd, *farbe));
        auto runde = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *runde);

        stoere("Durchgang", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 WertungsHelper::starte(*m_ctx, kategorie.wettbewerb(), *runde));
        QCOMPARE(anzahl("EinzelWertung"), 0);
        QVERIFY(WertungsHelper::istStatus(*m_ctx, *runde, "ANGELEGT"));
        TestDatabase::run("DROP TRIGGER stoerung_Durchgang_UPDATE");

        WertungsHelper::starte(*m_ctx, kategorie.wettbewerb(), *runde);
        QCOMPARE(anzahl("EinzelWertung"), 8);
        QCOMPARE(anzahl("EinzelWertung", "juror = " + std::to_string(fremd->getId())), 0);
        QVERIFY(WertungsHelper::istStatus(*m_ctx, *neuGelesen(*m_ctx, *runde), "WIRD_JURIERT"));
        WertungsHelper::starte(*m_ctx, kategorie.wettbewerb(), *runde); // started: no-op
        QCOMPARE(anzahl("EinzelWertung"), 8);
    }

    // Reopening empties every juror score and score-row total (images keep theirs) and sets
    // the round back to "WIRD_JURIERT"; a failing last write changes nothing.
    void wiederOeffnen()
    {
        auto kategorie = legeKategorieAn(*m_ctx);
        const auto eva = teilnehmer(*m_ctx, kategorie.wettbewerb(), "100");
        for (const char *titel : {"B1", "B2"})
            bild(*m_ctx, *eva, *kategorie.sparte, titel);
        juror(*m_ctx, kategorie.wettbewerb(), "Jo");
        auto runde = durchgang(*m_ctx, *kategorie.sparte, "ERSTER_DURCHGANG");
        WertungsHelper::reihenfolgeGenerieren(*m_ctx, kategorie.wettbewerb(), *runde);
        WertungsHelper::starte(*m_ctx, kategorie.wettbewerb(), *runde);
        TestDatabase::run("UPDATE EinzelWertung SET bewertung = 7");
        TestDatabase::run("UPDATE Wertung SET bewertung = 7");
        TestDatabase::run("UPDATE Bild SET bewertung = 7");
        WertungsHelper::setzeStatus(*m_ctx, *runde, "BEENDET");
        DurchgangController().insertOrUpdate(*m_ctx, *runde);
        QVERIFY(WertungsHelper::istBeendet(*m_ctx, *runde));
        QCOMPARE(WertungsHelper::wiederOeffnenFragen().size(), size_t(2));

        stoere("Durchgang", "UPDATE");
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 WertungsHelper::wiederOeffnen(*m_ctx, *runde));
        QCOMPARE(anzahl("EinzelWertung", "bewertung = 7"), 2);
        QCOMPARE(anzahl("Wertung", "bewertung = 7"), 2);
        QVERIFY(WertungsHelper::istBeendet(*m_ctx, *runde));
        TestDatabase::run("DROP TRIGGER stoerung_Durchgang_UPDATE");

        WertungsHelper::wiederOeffnen(*m_ctx, *runde);
        QCOMPARE(anzahl("EinzelWertung", "bewertung IS NULL"), 2);
        QCOMPARE(anzahl("Wertung", "bewertung IS NULL"), 2);
        QCOMPARE(anzahl("Bild", "bewertung = 7"), 2);
        QVERIFY(WertungsHelper::istStatus(*m_ctx, *neuGelesen(*m_ctx, *runde), "WIRD_JURIERT"));
    }

    // The ids that a multi-row insert gives its objects are those of their rows; a failed
    // insert leaves the objects without id and stamps.
    void mehrzeiligEinfuegen()
    {
        std::vector<std::unique_ptr<EinzelWertung>> zeilen;
        for (int wert : {4, 9, 6}) {
            zeilen.push_back(std::make_unique<EinzelWertung>());
            zeilen.back()->setBewertung(wert);
        }
        m_ctx->connection().query("SET SESSION auto_increment_increment = 3").execute();
        BatchController(*m_ctx, EinzelWertungController::controllerDef()).insertAll(zeilen);
        QCOMPARE(zeilen[2]->getId() - zeilen[0]->getId(), 6);
        for (const auto &zeile : zeilen)
            QCOMPARE(TestDatabase::scalar("SELECT bewertung FROM EinzelWertung WHERE id = " +
                                          std::to_string(zeile->getId())),
                     std::to_string(zeile->getBewertung()));

        stoere("EinzelWertung", "INSERT");
        for (auto &zeile : zeilen)
            zeile->setIdNull();
        zeilen.front()->setMut_tistNull();
        QVERIFY_THROWS_EXCEPTION(
            PersistenceException,
            BatchController(*m_ctx, EinzelWertungController::controllerDef()).insertAll(zeilen));
        QVERIFY(!zeilen.front()->hasId());
        QVERIFY(!zeilen.front()->hasMut_tist());
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(RangfilterTest)
KALVOR_REGISTER_TEST(ReihenfolgeTest)

#include "tst_reihenfolge.moc"
