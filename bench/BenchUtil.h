#pragma once

#include "DatabaseContext.h"
#include "TestDatabase.h"

#include <QElapsedTimer>

#include <cstdio>

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

} // namespace BenchUtil
