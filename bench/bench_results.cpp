// The results of a large competition: 10 000 scored images of 2 000 participants (adults and
// youth) in 200 clubs and 8 categories (two of each mode). Measures the whole computation with
// storing (the four rankings for both age classes, thresholds and marks, one transaction, the
// previous results replaced), against reading the same input rows raw through the MariaDB C
// API in the same run, and the statistics tree.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_results [repetitions]

#include "BenchUtil.h"
#include "ErgebnisHelper.h"
#include "StatistikHelper.h"
#include "controllers/EventLogSettingsController.h"
#include "ergebnisfixture.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <mysql.h>

#include <cstdio>
#include <string>

using namespace ErgebnisFixture;

namespace {

constexpr int kVereine = 200, kMitglieder = 2000, kBilder = 10000;
constexpr qlonglong kVereinBasis = 100000, kMitgliedBasis = 200000, kTeilnahmeBasis = 300000;

class Raw
{
public:
    Raw() : m_mysql(BenchUtil::rawConnection()) {}
    ~Raw() { mysql_close(m_mysql); }

    void run(const std::string &sql) { BenchUtil::runRaw(m_mysql, sql); }

    // Reads every row of the query and touches every field; returns the number of rows.
    int lies(const std::string &sql)
    {
        run(sql);
        MYSQL_RES *result = mysql_use_result(m_mysql);
        int zeilen = 0;
        size_t bytes = 0;
        const unsigned felder = mysql_num_fields(result);
        while (MYSQL_ROW row = mysql_fetch_row(result)) {
            const unsigned long *laengen = mysql_fetch_lengths(result);
            for (unsigned f = 0; f < felder; ++f)
                bytes += row[f] ? laengen[f] : 0;
            ++zeilen;
        }
        mysql_free_result(result);
        return bytes > 0 ? zeilen : 0;
    }

private:
    MYSQL *m_mysql;
};

// Multi-row INSERT statements of the drawn clubs, members, participations and images.
void zieheWettbewerb(DatabaseContext &ctx, Raw &raw, const Wettbewerb &wettbewerb,
                     const std::vector<qlonglong> &sparten)
{
    QRandomGenerator zufall(20261207);
    const std::string stamp = "\"2026-12-07 20:00:00\"";
    std::string sql = "INSERT INTO Verein (id, create_tist, name, vereinsNummerKomplett) VALUES ";
    for (int v = 1; v <= kVereine; ++v)
        sql += (v > 1 ? ",(" : "(") + std::to_string(kVereinBasis + v) + "," + stamp + ",\"Verein " +
               std::to_string(v) + "\",\"" + std::to_string(1000 + v) + "\")";
    raw.run(sql);
    const std::string ja = std::to_string(code(ctx, "Jugend", "Ja"));
    const std::string nein = std::to_string(code(ctx, "Jugend", "Nein"));
    sql = "INSERT INTO Mitglied (id, create_tist, vorname, nachname, verein, mitgliedsNummerKomplett, "
          "jugend, datumGeburt) VALUES ";
    std::string teilnahmen = "INSERT INTO WettbewerbsTeilnahme (id, create_tist, mitglied, wettbewerb) VALUES ";
    for (int m = 1; m <= kMitglieder; ++m) {
        const bool jugend = zufall.bounded(10) < 3;
        const std::string id = std::to_string(kMitgliedBasis + m);
        sql += (m > 1 ? ",(" : "(") + id + "," + stamp + ",\"Vorname" + std::to_string(m % 97) +
               "\",\"Nachname" + std::to_string(m) + "\"," + std::to_string(kVereinBasis + 1 + m % kVereine) +
               ",\"" + std::to_string(m) + "\"," + (jugend ? ja : nein) + "," +
               (jugend ? "\"2011-04-01\"" : "\"1975-06-01\"") + ")";
        teilnahmen += (m > 1 ? ",(" : "(") + std::to_string(kTeilnahmeBasis + m) + "," + stamp + "," + id +
                      "," + std::to_string(wettbewerb.getId()) + ")";
    }
    raw.run(sql);
    raw.run(teilnahmen);
    sql = "INSERT INTO Bild (create_tist, wettbewerbsTeilnahme, sparte, titel, bewertung, gueltig) VALUES ";
    for (int b = 0; b < kBilder; ++b)
        sql += (b ? ",(" : "(") + stamp + "," +
               std::to_string(kTeilnahmeBasis + 1 + zufall.bounded(kMitglieder)) + "," +
               std::to_string(sparten[zufall.bounded(int(sparten.size()))]) + ",\"Bild " + std::to_string(b) +
               "\"," + std::to_string(6 + zufall.bounded(25)) + ",TRUE)";
    raw.run(sql);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int wiederholungen = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;
    Raw raw;

    auto daten = legeWettbewerbAn(*ctx);
    Wettbewerb &wettbewerb = *daten.wettbewerb;
    wettbewerb.setAnzahlBilderFuerWertung(3);
    wettbewerb.setAnzahlSpartenFuerKombination(3);
    wettbewerb.setAnzahlTeilnehmerFuerVereinsW(5);
    wettbewerb.setAnteilAnnahmenGewuenscht(30);
    wettbewerb.setJugendAb(jugendAb());
    WettbewerbController().insertOrUpdate(*ctx, wettbewerb);
    std::vector<qlonglong> sparten;
    const char *modi[] = {"NUR_JUGEND", "NUR_ERWACHSENE", "ERWACHSENE_UND_JUGEND", "JUGEND_ALS_ERWACHSENE"};
    for (int s = 0; s < 8; ++s)
        sparten.push_back(
            sparte(*ctx, wettbewerb, qPrintable(QString("Sparte %1").arg(s)), modi[s % 4], s % 3 != 0)->getId());
    zieheWettbewerb(*ctx, raw, wettbewerb, sparten);

    // The input rows as the computation needs them: images with participation, member, club
    // and category, and images with their members' youth codes.
    const std::string id = std::to_string(wettbewerb.getId());
    const std::string eingabe =
        "SELECT bild.titel, bild.bewertung, mitglied.vorname, mitglied.nachname, "
        "mitglied.mitgliedsNummerKomplett, mitglied.id, mitglied.verein, mitglied.datumGeburt, "
        "mitglied.jugend, sparte.id, sparte.name, sparte.durchgangsModus, teilnahme.id, "
        "teilnahme.mitglied, verein.id, verein.name FROM Bild bild, Mitglied mitglied, Sparte sparte, "
        "WettbewerbsTeilnahme teilnahme, Verein verein WHERE teilnahme.wettbewerb = " + id +
        " AND bild.sparte = sparte.id AND bild.wettbewerbsTeilnahme = teilnahme.id AND "
        "teilnahme.mitglied = mitglied.id AND mitglied.verein = verein.id ORDER BY bild.id";
    const std::string bilder = "SELECT bild.*, mitglied.* FROM Bild bild JOIN WettbewerbsTeilnahme t ON "
                               "bild.wettbewerbsTeilnahme = t.id JOIN Mitglied mitglied ON t.mitglied = "
                               "mitglied.id WHERE t.wettbewerb = " + id + " ORDER BY bild.id";

    std::vector<double> ergebnisse, roh, statistik;
    ErgebnisHelper::Ergebniszahlen zahlen;
    int knoten = 0;
    for (int i = 0; i < wiederholungen; ++i) {
        ergebnisse.push_back(BenchUtil::millisecondsWithoutOutput(
            [&] { zahlen = ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*ctx, wettbewerb); }));
        roh.push_back(BenchUtil::millisecondsOf([&] {
            if (raw.lies(eingabe) != kBilder || raw.lies(bilder) != kBilder)
                std::fprintf(stderr, "raw baseline read too few rows\n");
        }));
        statistik.push_back(BenchUtil::millisecondsWithoutOutput([&] { knoten = StatistikHelper::berechneStatistik(*ctx, wettbewerb); }));
    }
    std::fprintf(stderr, "%d + %d participant results, %d + %d combinations, %d + %d club results, "
                 "%d + %d club combinations, %d of %d images accepted, %d statistics nodes\n",
                 zahlen.teilnehmer[0], zahlen.teilnehmer[1], zahlen.teilnehmerKombination[0],
                 zahlen.teilnehmerKombination[1], zahlen.vereine[0], zahlen.vereine[1],
                 zahlen.vereinsKombination[0], zahlen.vereinsKombination[1], zahlen.angenommen,
                 zahlen.bewertet, knoten);
    // The same with a rule printing every level (about 60 000 lines to /dev/null): the cost of
    // a full trace; without such a rule the detailed lines are not even composed.
    EventLogSettings alles;
    alles.setLevel(1);
    alles.setLevelOperand(QStringLiteral(">="));
    alles.setToStdOut(true);
    alles.setToDB(false);
    EventLogSettingsController().insertOrUpdate(*ctx, alles);
    ctx->reloadEventLogConfiguration();
    std::vector<double> protokolliert;
    for (int i = 0; i < wiederholungen; ++i)
        protokolliert.push_back(BenchUtil::millisecondsWithoutOutput(
            [&] { ErgebnisHelper::berechneUndUeberschreibeErgebnisse(*ctx, wettbewerb); }));

    const double ms = BenchUtil::median(ergebnisse);
    std::printf("results 10k images: %.0f ms\n", ms);
    std::printf("results ratio: %.1f\n", ms / BenchUtil::median(roh));
    std::printf("statistics 10k images: %.0f ms\n", BenchUtil::median(statistik));
    std::printf("results 10k images every level printed: %.0f ms\n", BenchUtil::median(protokolliert));
    return 0;
}
