#pragma once

#include "DatabaseContext.h"
#include "TestDatabase.h"

#include <QElapsedTimer>

#include <mysql.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <functional>
#include <vector>

// Figures of the benchmark programs: medians of repeated runs.
namespace BenchUtil {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds that `work` takes.
inline double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// A root context on the freshly reinstalled database of the test server; null (with the
// reason on standard error) when no test server is described.
inline std::unique_ptr<DatabaseContext> openFreshContext()
{
    std::string reason;
    if (!TestDatabase::isConfigured(&reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return nullptr;
    }
    TestDatabase::reinstall();
    return TestDatabase::openContext();
}

// A connection of the MariaDB C API to "kdb" on the test server as its administrator, for
// raw baselines; ends the program when it cannot connect.
inline MYSQL *rawConnection()
{
    MYSQL *mysql = mysql_init(nullptr);
    mysql_options(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    const std::string password = TestDatabase::adminPassword();
    if (!mysql_real_connect(mysql, nullptr, TestDatabase::adminUser().c_str(), password.c_str(),
                            "kdb", 0, TestDatabase::socketAddress().socket.c_str(), 0)) {
        std::fprintf(stderr, "raw connection failed: %s\n", mysql_error(mysql));
        std::exit(1);
    }
    return mysql;
}

// Runs a statement on a raw connection; ends the program when it fails.
inline void runRaw(MYSQL *mysql, const std::string &sql)
{
    if (mysql_real_query(mysql, sql.data(), sql.size()) != 0) {
        std::fprintf(stderr, "raw statement failed: %s\n", mysql_error(mysql));
        std::exit(1);
    }
}

// Milliseconds that `work` takes with standard output (what the loggers print) going to
// /dev/null, as a terminal nobody reads would take it.
inline double millisecondsWithoutOutput(const std::function<void()> &work)
{
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    const double ms = millisecondsOf(work);
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(devNull);
    close(saved);
    return ms;
}

} // namespace BenchUtil
