#include "tst_persistence.h"

#include "TestRegistry.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    // The test of the null getter runs this binary again to read a null attribute.
    const QString probe = qEnvironmentVariable("KALVOR_NULL_GETTER_PROBE");
    if (!probe.isEmpty())
        return runNullGetterProbe(probe);

    QCoreApplication app(argc, argv);
    return runRegisteredTests(argc, argv);
}
