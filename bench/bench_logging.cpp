// Cost of a log call: with no matching rule, and with one rule printing to standard output
// (redirected to /dev/null), against raw baselines measured in the same run: an empty call
// through a function pointer, and printf of the same line.
//
// Needs the throwaway server of the tests (it reinstalls "kdb"):
//   ./scripts/run-tests.sh --exec build/bench/bench_logging [calls] [repetitions]

#include "BenchUtil.h"
#include "DatabaseContext.h"
#include "TestDatabase.h"
#include "controllers/EventLogSettingsController.h"

#include <QCoreApplication>

#include <mysql++/mysql++.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

// Nanoseconds per call of `work`, median over the repetitions.
double perCall(long calls, int repetitions, const std::function<void(long)> &work)
{
    std::vector<double> samples;
    for (int r = 0; r < repetitions; ++r)
        samples.push_back(BenchUtil::millisecondsOf([&] { work(calls); }) * 1e6 / double(calls));
    return BenchUtil::median(samples);
}

volatile int g_sink = 0;
void emptyCall(const QString &, const QString &, int level, const QString &)
{
    g_sink = level;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const long calls = argc > 1 ? std::atol(argv[1]) : 10000000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 3;
    auto ctx = BenchUtil::openFreshContext();
    if (!ctx)
        return 1;

    const QString category = QStringLiteral("Dialog");
    const QString location = QStringLiteral("MitgliedBearbeitenDialog");
    const QString message = QStringLiteral("Aufruf von Speichern");
    void (*volatile raw)(const QString &, const QString &, int, const QString &) = emptyCall;

    // The seeded rules print level 9 only: a level-7 report matches none of them.
    const double rawEmpty = perCall(calls, repetitions, [&](long n) {
        for (long i = 0; i < n; ++i)
            raw(category, location, 7, message);
    });
    const double noRule = perCall(calls, repetitions, [&](long n) {
        for (long i = 0; i < n; ++i)
            ctx->log(category, location, 7, message);
    });

    // One rule that prints every report; standard output goes to /dev/null.
    TestDatabase::connectAsAdmin("kdb")->query("DELETE FROM EventLogSettings").execute();
    EventLogSettings rule;
    rule.setToStdOut(true);
    rule.setToDB(false);
    EventLogSettingsController().insertOrUpdate(*ctx, rule);
    ctx->reloadEventLogConfiguration();
    std::fflush(stdout);
    const int savedStdout = dup(1);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, 1);
    const long printed = calls / 10;
    const double rawPrint = perCall(printed, repetitions, [&](long n) {
        for (long i = 0; i < n; ++i) {
            std::printf("[Dialog][7] %s says: %s\n", "MitgliedBearbeitenDialog",
                        "Aufruf von Speichern");
            std::fflush(stdout);
        }
    });
    const double oneRule = perCall(printed, repetitions, [&](long n) {
        for (long i = 0; i < n; ++i)
            ctx->log(category, location, 7, message);
    });
    std::fflush(stdout);
    dup2(savedStdout, 1);
    close(devNull);
    close(savedStdout);

    std::printf("log calls, median of %d runs (nanoseconds per call)\n", repetitions);
    std::printf("%-34s %10s %10s %8s\n", "case", "baseline", "log", "ratio");
    std::printf("%-34s %10.1f %10.1f %8.2f\n",
                QStringLiteral("no matching rule (%1 calls)").arg(calls).toUtf8().constData(),
                rawEmpty, noRule, noRule / rawEmpty);
    std::printf("%-34s %10.1f %10.1f %8.2f\n", "one console rule, /dev/null", rawPrint, oneRule,
                oneRule / rawPrint);
    std::printf("(baselines: an empty call through a function pointer; printf and fflush of the "
                "same line)\n");
    TestDatabase::reinstall();
    return 0;
}
