// The log viewer on a large event log: the time until a search shows its first rows (the
// first page and the COUNT of all hits, as the list does it), and the time to delete 100 000
// entries found by a search (their ids in batches, in one transaction). Raw baselines in the
// same run: the same first page read through the C API, and one DELETE of an id range.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_logview [rows] [repetitions]

#include "BenchUtil.h"
#include "DatabaseContext.h"
#include "SqlWriter.h"
#include "Suchfelder.h"
#include "TestDatabase.h"
#include "Treffersuche.h"
#include "Record.h"
#include "entities/Session.h"

#include <QCoreApplication>

#include <mysql++/mysql++.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kSeite = 200;
constexpr long kLoeschen = 100000;

void run(DatabaseContext &ctx, const std::string &sql)
{
    mysqlpp::Query query = ctx.connection().query();
    query.execute(sql.data(), sql.size());
}

// `rows` entries, written 100 000 at a time from the server's number sequences.
void fill(DatabaseContext &ctx, long rows)
{
    const std::string session = std::to_string(ctx.session()->getId());
    const std::string category = TestDatabase::scalar("SELECT MIN(id) FROM EventLogCategory");
    for (long done = 0; done < rows; done += 100000) {
        const long n = std::min(100000L, rows - done);
        run(ctx, "INSERT INTO EventLog (session, execution_tist, category, location, level, text) "
                 "SELECT " + session + ", NOW() - INTERVAL seq SECOND, " + category +
                     " + seq % 5, CONCAT('Location', seq % 37), seq % 10, "
                     "CONCAT('Aufruf von Aktion ', seq % 1000) FROM seq_1_to_" +
                     std::to_string(n));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;
    fill(*ctx, rows);
    std::printf("event-log rows: %s\n",
                TestDatabase::scalar("SELECT COUNT(*) FROM EventLog").c_str());

    // What the list shows first (the first page), and the COUNT of all hits that follows it;
    // with no field and with two fields filled.
    const auto messe = [&](const QStringList &felder, double *zaehlen) {
        std::vector<double> seite;
        std::vector<double> anzahl;
        for (int r = 0; r < repetitions; ++r) {
            Suchwerte werte(eventLogSuchmaske().size());
            for (const QString &feld : felder)
                for (size_t i = 0; i < werte.size(); ++i)
                    if (feld.section('=', 0, 0) == QLatin1String(eventLogSuchmaske()[i].name))
                        werte[i] = feld.section('=', 1);
            std::unique_ptr<Treffersuche> suche;
            seite.push_back(BenchUtil::millisecondsOf([&] {
                suche = std::make_unique<Treffersuche>(
                    *ctx, Trefferquelle::eventLog(),
                    suchbedingungen(SqlWriter(ctx->connection()), eventLogSuchmaske(), werte));
                suche->naechsteSeite(kSeite);
            }));
            anzahl.push_back(BenchUtil::millisecondsOf([&] { suche->anzahl(); }));
        }
        *zaehlen = BenchUtil::median(anzahl);
        return BenchUtil::median(seite);
    };
    double zaehlenAlle = 0;
    double zaehlenGefiltert = 0;
    const double alle = messe({}, &zaehlenAlle);
    const double gefiltert = messe({"levelVon=7", "text=Aktion 99"}, &zaehlenGefiltert);
    std::vector<double> rawSamples;
    for (int r = 0; r < repetitions; ++r)
        rawSamples.push_back(BenchUtil::millisecondsOf([&] {
            mysqlpp::Query query = ctx->connection().query(
                "SELECT * FROM EventLog ORDER BY id DESC LIMIT " + std::to_string(kSeite));
            query.store();
        }));
    const double raw = BenchUtil::median(rawSamples);
    std::printf("log search first rows: %.1f ms\n", alle);
    std::printf("log search count: %.1f ms\n", zaehlenAlle);
    std::printf("log search first rows filtered: %.1f ms\n", gefiltert);
    std::printf("log search count filtered: %.1f ms\n", zaehlenGefiltert);
    std::printf("log search first rows ratio: %.1f\n", alle / raw);

    // Each repetition deletes the next 100 000 ids through a search on the id range; the raw
    // baseline deletes another range with one statement.
    qlonglong von = std::stoll(TestDatabase::scalar("SELECT MIN(id) FROM EventLog"));
    std::vector<double> loeschen;
    std::vector<double> rawLoeschen;
    for (int r = 0; r < repetitions; ++r) {
        const qlonglong bis = std::stoll(TestDatabase::scalar(
            "SELECT id FROM EventLog WHERE id >= " + std::to_string(von) + " ORDER BY id LIMIT 1 "
            "OFFSET " + std::to_string(kLoeschen - 1)));
        loeschen.push_back(BenchUtil::millisecondsOf([&] {
            Treffersuche suche(*ctx, Trefferquelle::eventLog(),
                               {"eventLog.id >= " + QString::number(von),
                                "eventLog.id <= " + QString::number(bis)});
            suche.naechsteSeite(kSeite);
            loescheNachIds(*ctx, QStringLiteral("EventLog"), suche.ids());
        }) / 1000.0);
        von = bis + 1;
        const qlonglong rawBis = std::stoll(TestDatabase::scalar(
            "SELECT id FROM EventLog WHERE id >= " + std::to_string(von) + " ORDER BY id LIMIT 1 "
            "OFFSET " + std::to_string(kLoeschen - 1)));
        rawLoeschen.push_back(BenchUtil::millisecondsOf([&] {
            run(*ctx, "DELETE FROM EventLog WHERE id BETWEEN " + std::to_string(von) + " AND " +
                          std::to_string(rawBis));
        }) / 1000.0);
        von = rawBis + 1;
    }
    std::printf("log delete 100k: %.2f s\n", BenchUtil::median(loeschen));
    std::printf("log delete 100k ratio: %.1f\n",
                BenchUtil::median(loeschen) / BenchUtil::median(rawLoeschen));
    return 0;
}
