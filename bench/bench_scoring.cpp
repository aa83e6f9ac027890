// The writes of a jury evening: generating the scoring order of a round of 1 000 images
// (random order, the old order deleted first) and starting the round with 7 jurors (7 000
// juror score rows in one transaction), against the same juror score rows inserted raw through
// the MariaDB C API in one multi-row statement in the same run.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_scoring [images] [repetitions]

#include "BenchUtil.h"
#include "Transaction.h"
#include "WertungsHelper.h"
#include "wertungsfixture.h"

#include <QCoreApplication>

#include <mysql.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace WertungsFixture;

namespace {

constexpr int kJuroren = 7;

// The raw baseline: its own C API connection sending one multi-row INSERT.
class Raw
{
public:
    Raw() : m_mysql(BenchUtil::rawConnection()) {}
    ~Raw() { mysql_close(m_mysql); }

    void run(const std::string &sql) { BenchUtil::runRaw(m_mysql, sql); }

    // One row per score row and juror, in one transaction.
    void insert(const std::vector<std::string> &wertungen, const std::vector<std::string> &juroren)
    {
        const char *stamp = "\"2026-12-07T20:00:00\"";
        std::string sql = "INSERT INTO EinzelWertung (create_tist, mut_tist, wertung, juror, "
                          "bewertung) VALUES ";
        bool erste = true;
        for (const std::string &wertung : wertungen) {
            for (const std::string &juror : juroren) {
                sql += erste ? "(" : ",(";
                erste = false;
                sql += stamp;
                sql += ',';
                sql += stamp;
                sql += ',' + wertung + ',' + juror + ",NULL)";
            }
        }
        run("START TRANSACTION");
        run(sql);
        run("COMMIT");
    }

private:
    MYSQL *m_mysql;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int bilder = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 5;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;

    // 1 000 images of 250 members, 7 jurors of all categories.
    auto kategorie = legeKategorieAn(*ctx);
    std::vector<std::unique_ptr<Mitglied>> mitglieder;
    for (int m = 0; m < 250; ++m)
        mitglieder.push_back(
            teilnehmer(*ctx, kategorie.wettbewerb(), QStringLiteral("%1-%2").arg(m % 17).arg(m)));
    {
        Transaction transaktion(*ctx);
        for (int b = 0; b < bilder; ++b)
            bild(*ctx, *mitglieder[size_t(b) % mitglieder.size()], *kategorie.sparte,
                 QStringLiteral("Bild %1").arg(b));
        for (int j = 0; j < kJuroren; ++j)
            juror(*ctx, kategorie.wettbewerb(), QStringLiteral("Juror %1").arg(j));
        transaktion.commit();
    }
    auto runde = durchgang(*ctx, *kategorie.sparte, "ERSTER_DURCHGANG");

    std::vector<double> generieren;
    for (int r = 0; r < repetitions; ++r)
        generieren.push_back(BenchUtil::millisecondsWithoutOutput(
            [&] { WertungsHelper::reihenfolgeGenerieren(*ctx, kategorie.wettbewerb(), *runde); }));

    const std::string runde_ = std::to_string(runde->getId());
    std::vector<std::string> wertungen;
    for (const QString &id :
         QString::fromStdString(
             TestDatabase::scalar("SELECT GROUP_CONCAT(id) FROM Wertung WHERE durchgang = " +
                                  runde_))
             .split(QLatin1Char(',')))
        wertungen.push_back(id.toStdString());
    std::vector<std::string> juroren;
    for (const auto &juror : WertungsHelper::juroren(*ctx, *runde))
        juroren.push_back(std::to_string(juror->getId()));

    Raw raw;
    std::vector<double> starten;
    std::vector<double> roh;
    for (int r = 0; r < repetitions; ++r) {
        starten.push_back(BenchUtil::millisecondsOf(
            [&] { WertungsHelper::starte(*ctx, kategorie.wettbewerb(), *runde); }));
        TestDatabase::run("DELETE FROM EinzelWertung");
        WertungsHelper::setzeStatus(*ctx, *runde, "ANGELEGT");
        DurchgangController().insertOrUpdate(*ctx, *runde);
        roh.push_back(BenchUtil::millisecondsOf([&] { raw.insert(wertungen, juroren); }));
        TestDatabase::run("DELETE FROM EinzelWertung");
    }

    std::printf("juror score rows: %zu\n", wertungen.size() * juroren.size());
    std::printf("order generation: %.1f ms\n", BenchUtil::median(generieren));
    std::printf("round start: %.1f ms\n", BenchUtil::median(starten));
    std::printf("round start raw: %.1f ms\n", BenchUtil::median(roh));
    std::printf("round start ratio: %.2f\n", BenchUtil::median(starten) / BenchUtil::median(roh));
    return 0;
}
