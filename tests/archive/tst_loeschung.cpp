#include "PersistenceException.h"
#include "TestRegistry.h"
#include "WettbewerbLoeschung.h"
#include "competitionfixture.h"

using namespace CompetitionFixture;

namespace {

// Every table that holds rows of a competition, and the rows one competition has in it.
const std::pair<const char *, int> kTabellen[] = {
    {"Wettbewerb", 1},   {"Sparte", 1},           {"WettbewerbsTeilnahme", 1},
    {"BildDaten", 2},    {"Bild", 2},             {"JuriertBei", 1},
    {"SpartenJurierung", 1}, {"Jurierung", 1},    {"Durchgang", 1},
    {"Wertung", 1},      {"EinzelWertung", 1},    {"TeilnehmerWertung", 1},
    {"TeilnehmerKombinationsWertung", 1}, {"VereinsWertung", 1},
    {"VereinsKombinationsWertung", 1}, {"StatistikData", 2}};

// A competition with a row in every table hanging off it; the ids are w + 1, w + 2, ...
// (the second picture has a participation but no category).
void legeAn(qlonglong w)
{
    const auto id = [w](int n) { return std::to_string(w + n); };
    const std::string s = std::to_string(w);
    TestDatabase::run("INSERT INTO Wettbewerb (id, name, nummer) VALUES (" + s + ", 'Schau', 'W" + s + "')");
    TestDatabase::run("INSERT INTO Sparte (id, wettbewerb) VALUES (" + id(1) + ", " + s + ")");
    TestDatabase::run("INSERT INTO WettbewerbsTeilnahme (id, wettbewerb) VALUES (" + id(2) + ", " + s + ")");
    TestDatabase::run("INSERT INTO BildDaten (id, nummer, daten) VALUES (" + id(3) + ", '1', 'x'), (" +
                      id(17) + ", '2', 'y')");
    TestDatabase::run("INSERT INTO Bild (id, sparte, wettbewerbsTeilnahme, bildDaten) VALUES (" + id(4) +
                      ", " + id(1) + ", " + id(2) + ", " + id(3) + "), (" + id(18) + ", NULL, " + id(2) +
                      ", " + id(17) + ")");
    TestDatabase::run("INSERT INTO JuriertBei (id, wettbewerb) VALUES (" + id(5) + ", " + s + ")");
    TestDatabase::run("INSERT INTO SpartenJurierung (id, juriertBei, sparte) VALUES (" + id(6) + ", " +
                      id(5) + ", " + id(1) + ")");
    TestDatabase::run("INSERT INTO Jurierung (id, wettbewerb) VALUES (" + id(7) + ", " + s + ")");
    TestDatabase::run("INSERT INTO Durchgang (id, jurierung, sparte) VALUES (" + id(8) + ", " + id(7) +
                      ", " + id(1) + ")");
    TestDatabase::run("INSERT INTO Wertung (id, durchgang, bild) VALUES (" + id(9) + ", " + id(8) + ", " +
                      id(4) + ")");
    TestDatabase::run("INSERT INTO EinzelWertung (id, wertung, juror) VALUES (" + id(10) + ", " + id(9) +
                      ", " + id(5) + ")");
    int n = 11;
    for (const char *tabelle : {"TeilnehmerWertung", "TeilnehmerKombinationsWertung", "VereinsWertung",
                                "VereinsKombinationsWertung"})
        TestDatabase::run(std::string("INSERT INTO ") + tabelle + " (id, wettbewerb) VALUES (" + id(n++) +
                          ", " + s + ")");
    TestDatabase::run("INSERT INTO StatistikData (id, wettbewerb) VALUES (" + id(15) + ", " + s + ")");
    TestDatabase::run("INSERT INTO StatistikData (id, parent, wettbewerb) VALUES (" + id(16) + ", " +
                      id(15) + ", " + s + ")");
}

// The number of rows per table whose ids lie in the competition's range.
QList<int> zeilenVon(qlonglong w)
{
    QList<int> zahlen;
    for (const auto &[tabelle, _] : kTabellen)
        zahlen << anzahl(tabelle, "id BETWEEN " + std::to_string(w) + " AND " + std::to_string(w + 99));
    return zahlen;
}

QList<int> voll()
{
    QList<int> zahlen;
    for (const auto &[_, zeilen] : kTabellen)
        zahlen << zeilen;
    return zahlen;
}

} // namespace

class LoeschungTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { REQUIRE_TEST_DATABASE(); }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        legeAn(1000);
        legeAn(2000);
    }
    void cleanup() { m_ctx.reset(); }

    // Every row of the competition goes, the other competition keeps all of its rows; a
    // statement failing on any table (the first, one in the middle, the last) keeps both
    // competitions whole.
    void loesche_data()
    {
        QTest::addColumn<QString>("gestoert");
        QTest::newRow("deleted") << QString();
        QTest::newRow("first table fails") << "SpartenJurierung";
        QTest::newRow("pictures fail") << "Bild";
        QTest::newRow("statistics fail") << "StatistikData";
        QTest::newRow("competition fails") << "Wettbewerb";
    }
    void loesche()
    {
        QFETCH(QString, gestoert);
        logInDatenbank(*m_ctx);
        if (!gestoert.isEmpty())
            stoere(gestoert.toLatin1().constData(), "DELETE");
        const auto wettbewerb = WettbewerbController().readById(*m_ctx, 1000);
        try {
            WettbewerbLoeschung::loesche(*m_ctx, *wettbewerb);
            QVERIFY(gestoert.isEmpty());
        } catch (const PersistenceException &e) {
            QVERIFY2(!gestoert.isEmpty(), qPrintable(e.longText()));
            QCOMPARE(e.shortText(), QString("Interner Datenbankfehler"));
        }
        QCOMPARE(zeilenVon(2000), voll());
        if (!gestoert.isEmpty()) {
            QCOMPARE(zeilenVon(1000), voll());
            return;
        }
        QCOMPARE(zeilenVon(1000), QList<int>(voll().size(), 0));
        QCOMPARE(geloggt(*m_ctx, "WettbewerbHelper"),
                 QStringList({"Loesche Wettbewerb Schau mit Nummer W1000",
                              "Loeschen des Wettbewerb Schau mit der Nummer W1000 beendet."}));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(LoeschungTest)

#include "tst_loeschung.moc"
