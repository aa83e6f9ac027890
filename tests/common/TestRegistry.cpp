#include "TestRegistry.h"

#include <QtTest>

#include <map>
#include <memory>
#include <string>

namespace {

std::map<std::string, TestFactory> &registry()
{
    static std::map<std::string, TestFactory> tests;
    return tests;
}

} // namespace

int registerTest(const char *name, TestFactory factory)
{
    registry()[name] = factory;
    return int(registry().size());
}

int runRegisteredTests(int argc, char **argv)
{
    int failures = 0;
    for (const auto &entry : registry()) {
        std::unique_ptr<QObject> test(entry.second());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
