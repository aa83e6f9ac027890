#include "BilderReiter.h"
#include "CommandLine.h"
#include "ErgebnisReiter.h"
#include "ExportReiter.h"
#include "LocalServer.h"
#include "MainWindow.h"
#include "PersistenceException.h"
#include "WettbewerbWertungsWidget.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <iostream>
#include <memory>

namespace {

// The translations live in the directory "translations" of the working directory, or else
// beside the program.
QString translationDirectory()
{
    const QString here = QStringLiteral("translations");
    if (QFileInfo(here).isDir())
        return here;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

// Lets the server name "localhost" reach the user's private server when nothing else is
// configured for it.
void preferPrivateServer()
{
    if (qEnvironmentVariableIsSet("MYSQL_UNIX_PORT"))
        return;
    LocalServer server;
    if (server.isRunning())
        qputenv("MYSQL_UNIX_PORT", QFile::encodeName(server.socketPath()));
}

} // namespace

int main(int argc, char **argv)
{
    std::cout << "Starte Version für Window." << std::endl;
    if (argc < 1)
        return argc;
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        preferPrivateServer();
        return CommandLine(&CommandLine::importiereDatei).run(QCoreApplication::arguments());
    }

    try {
        QApplication app(argc, argv);
        QTranslator qtTranslator;
        QApplication::installTranslator(&qtTranslator);
        QTranslator kalvorTranslator;
        std::cout << "Locale is " << QLocale::system().name().toStdString() << std::endl;
        const QString directory = translationDirectory();
        bool loaded = false;
        if (QLocale::system().language() == QLocale::German) {
            std::cout << "Stelle Sprache auf Deutsch ein" << std::endl;
            const bool qt = qtTranslator.load(QStringLiteral("qt_de"), directory);
            loaded = kalvorTranslator.load(QStringLiteral("kalvor_de"), directory) && qt;
        } else {
            std::cout << "Stelle Sprache auf Englisch ein" << std::endl;
            (void)qtTranslator.load(QStringLiteral("qt_en"), directory);
            loaded = kalvorTranslator.load(QStringLiteral("kalvor_en"), directory);
        }
        std::cout << "Success of loading locale: " << (loaded ? 1 : 0) << std::endl;
        QApplication::installTranslator(&kalvorTranslator);

        preferPrivateServer();
        BilderReiter::registriere();
        ErgebnisReiter::registriere();
        ExportReiter::registriere();
        MainWindow window;
        WertungsReiter::registriere([&window] { return window.tastaturen(); });
        if (window.loginCancelled())
            return 0;
        window.showMaximized();
        return QApplication::exec();
    } catch (const PersistenceException &error) {
        std::cout << "Catched PersistenceException.  Reason: " << error.shortText().toStdString()
                  << "; description: " << error.longText().toStdString() << std::endl;
        return -1;
    }
}
