// The main of the test binaries: runs every registered test class.
#include "TestRegistry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return runRegisteredTests(argc, argv);
}
