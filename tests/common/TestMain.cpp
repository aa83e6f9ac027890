// The main of the test binaries: runs every registered test class.
#include "TestRegistry.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Logins remember their connections in the user's settings: keep the tests' throwaway
    // servers out of the settings of whoever runs them.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return runRegisteredTests(argc, argv);
}
