// Insert, update and read-by-id of Mitglied rows through the generated controllers, against
// the same statements sent raw through the MariaDB C API in the same run.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_controllers [rows] [repetitions]

#include "BenchUtil.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "SqlMode.h"
#include "TestDatabase.h"
#include "Transaction.h"
#include "controllers/MitgliedController.h"

#include <QCoreApplication>

#include <mysql++/mysql++.h>
#include <mysql.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

// The raw baseline: a C API connection and statements written with snprintf and
// mysql_real_escape_string.
class Raw
{
public:
    Raw()
    {
        m_mysql = BenchUtil::rawConnection();
        pinSqlMode();
        const DataModel model;
        for (const AttributeDescription *a :
             model.entity(QStringLiteral("Mitglied"))->allAttributes()) {
            if (!m_columns.empty())
                m_columns += ", ";
            m_columns += "mitglied." + a->dbName().toStdString();
        }
    }
    ~Raw() { mysql_close(m_mysql); }

    // The same session mode as every connection of the program.
    void pinSqlMode()
    {
        run("SELECT @@SESSION.sql_mode");
        MYSQL_RES *result = mysql_store_result(m_mysql);
        MYSQL_ROW row = result ? mysql_fetch_row(result) : nullptr;
        const std::string statement = SqlMode::pinStatement(row && row[0] ? row[0] : "");
        mysql_free_result(result);
        run(statement);
    }

    void run(const std::string &sql)
    {
        if (mysql_real_query(m_mysql, sql.data(), sql.size()) != 0) {
            std::fprintf(stderr, "raw statement failed: %s\n", mysql_error(m_mysql));
            std::exit(1);
        }
    }

    std::string quoted(const std::string &text)
    {
        std::string out(text.size() * 2 + 3, '\0');
        out[0] = '"';
        const unsigned long n =
            mysql_real_escape_string(m_mysql, &out[1], text.data(), text.size());
        out.resize(n + 1);
        out += '"';
        return out;
    }

    unsigned long long insert(int i, const char *stamp)
    {
        char head[256];
        std::snprintf(head, sizeof head,
                      "INSERT INTO Mitglied set create_tist = \"%s\",mut_tist = \"%s\","
                      "datumGeburt = \"1980-01-01\",anrede = NULL,titel = NULL,vorname = ",
                      stamp, stamp);
        std::string sql = head;
        sql += quoted("Vorname " + std::to_string(i));
        sql += ",nachname = " + quoted("Nachname " + std::to_string(i));
        sql += ",email = NULL,homepage = NULL,skype = NULL,telefon = NULL,mobil = NULL,"
               "strasse = NULL,plz = NULL,ort = ";
        sql += quoted("Linz");
        sql += ",staat = NULL,verein = 1,mitgliedsArt = NULL,mitgliedsNummerImVerein = ";
        sql += quoted(std::to_string(i));
        sql += ",mitgliedsNummerKomplett = NULL,mitgliedsNummerSchluessel = NULL,jugend = NULL,"
               "datumEintritt = NULL,datumAustritt = NULL,beitragBezahltBis = NULL,"
               "hoechsterTitel = NULL";
        run(sql);
        return mysql_insert_id(m_mysql);
    }

    void update(unsigned long long id, int i, const char *stamp)
    {
        std::string sql = "UPDATE Mitglied set create_tist = \"";
        sql += stamp;
        sql += "\",mut_tist = \"";
        sql += stamp;
        sql += "\",datumGeburt = \"1980-01-01\",anrede = NULL,titel = NULL,vorname = ";
        sql += quoted("Vorname " + std::to_string(i));
        sql += ",nachname = " + quoted("Geaendert " + std::to_string(i));
        sql += ",email = NULL,homepage = NULL,skype = NULL,telefon = NULL,mobil = NULL,"
               "strasse = NULL,plz = NULL,ort = ";
        sql += quoted("Linz");
        sql += ",staat = NULL,verein = 1,mitgliedsArt = NULL,mitgliedsNummerImVerein = ";
        sql += quoted(std::to_string(i));
        sql += ",mitgliedsNummerKomplett = NULL,mitgliedsNummerSchluessel = NULL,jugend = NULL,"
               "datumEintritt = NULL,datumAustritt = NULL,beitragBezahltBis = NULL,"
               "hoechsterTitel = NULL WHERE id = " +
               std::to_string(id);
        run(sql);
    }

    size_t read(unsigned long long id)
    {
        run("SELECT " + m_columns + " FROM Mitglied mitglied WHERE mitglied.id = " +
            std::to_string(id));
        MYSQL_RES *result = mysql_store_result(m_mysql);
        size_t bytes = 0;
        const unsigned fields = mysql_num_fields(result);
        while (MYSQL_ROW row = mysql_fetch_row(result)) {
            const unsigned long *lengths = mysql_fetch_lengths(result);
            for (unsigned f = 0; f < fields; ++f) {
                if (row[f])
                    bytes += std::string(row[f], lengths[f]).size();
            }
        }
        mysql_free_result(result);
        return bytes;
    }

    void begin() { run("START TRANSACTION"); }
    void commit() { run("COMMIT"); }

private:
    MYSQL *m_mysql;
    std::string m_columns;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;
    Raw raw;
    MitgliedController controller;
    const char *stamp = "2026-12-06T10:00:00";

    std::vector<double> rawInsert, rawUpdate, rawRead, ctlInsert, ctlUpdate, ctlRead;
    for (int r = 0; r < repetitions; ++r) {
        // Each phase runs in one transaction on both sides, so that the figures compare the
        // work of the statements, not the server's log flushes.
        std::vector<unsigned long long> rawIds(size_t(rows), 0);
        rawInsert.push_back(BenchUtil::millisecondsOf([&] {
            raw.begin();
            for (int i = 0; i < rows; ++i)
                rawIds[size_t(i)] = raw.insert(i, stamp);
            raw.commit();
        }));
        rawUpdate.push_back(BenchUtil::millisecondsOf([&] {
            raw.begin();
            for (int i = 0; i < rows; ++i)
                raw.update(rawIds[size_t(i)], i, stamp);
            raw.commit();
        }));
        size_t bytes = 0;
        rawRead.push_back(BenchUtil::millisecondsOf([&] {
            for (int i = 0; i < rows; ++i)
                bytes += raw.read(rawIds[size_t(i)]);
        }));

        // The objects are the caller's data, as the values are on the raw side.
        std::vector<std::unique_ptr<Mitglied>> members;
        members.reserve(size_t(rows));
        for (int i = 0; i < rows; ++i) {
            auto member = std::make_unique<Mitglied>();
            member->setDatumGeburt(QDate(1980, 1, 1));
            member->setVorname(QStringLiteral("Vorname %1").arg(i));
            member->setNachname(QStringLiteral("Nachname %1").arg(i));
            member->setOrt(QStringLiteral("Linz"));
            member->setVerein(1);
            member->setMitgliedsNummerImVerein(QString::number(i));
            members.push_back(std::move(member));
        }
        ctlInsert.push_back(BenchUtil::millisecondsOf([&] {
            Transaction transaction(*ctx);
            for (int i = 0; i < rows; ++i)
                controller.insertOrUpdate(*ctx, *members[size_t(i)]);
            transaction.commit();
        }));
        ctlUpdate.push_back(BenchUtil::millisecondsOf([&] {
            Transaction transaction(*ctx);
            for (int i = 0; i < rows; ++i) {
                members[size_t(i)]->setNachname(QStringLiteral("Geaendert %1").arg(i));
                controller.insertOrUpdate(*ctx, *members[size_t(i)]);
            }
            transaction.commit();
        }));
        size_t found = 0;
        ctlRead.push_back(BenchUtil::millisecondsOf([&] {
            for (int i = 0; i < rows; ++i)
                found += controller.readById(*ctx, members[size_t(i)]->getId()) ? 1 : 0;
        }));
        if (found != size_t(rows) || bytes == 0) {
            std::fprintf(stderr, "rows went missing\n");
            return 1;
        }
    }

    std::printf("%d Mitglied rows, median of %d runs (milliseconds)\n", rows, repetitions);
    std::printf("%-14s %12s %12s %8s\n", "operation", "raw C API", "controllers", "ratio");
    const auto line = [](const char *name, const std::vector<double> &a,
                         const std::vector<double> &b) {
        std::printf("%-14s %12.1f %12.1f %8.2f\n", name, BenchUtil::median(a), BenchUtil::median(b),
                    BenchUtil::median(b) / BenchUtil::median(a));
    };
    line("insert", rawInsert, ctlInsert);
    line("update", rawUpdate, ctlUpdate);
    line("read by id", rawRead, ctlRead);
    TestDatabase::reinstall();
    return 0;
}
