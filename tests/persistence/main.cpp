#include "tst_persistence.h"

#include "Clock.h"

#include <QCoreApplication>
#include <QtTest>

int main(int argc, char **argv)
{
    const QString probe = qEnvironmentVariable("KALVOR_NULL_GETTER_PROBE");
    if (!probe.isEmpty())
        return runNullGetterProbe(probe);

    QCoreApplication app(argc, argv);
    int failures = 0;
    {
        EntityTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        SchemaTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        ControllerTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        SearchTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        ContextTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
