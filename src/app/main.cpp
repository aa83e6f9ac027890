#include "BilderReiter.h"
#include "CommandLine.h"
#include "ErgebnisReiter.h"
#include "ExportReiter.h"
#include "Kontextzeile.h"
#include "LocalServer.h"
#include "MainWindow.h"
#include "PersistenceException.h"
#include "PrivateServerLogin.h"
#include "WettbewerbWertungsWidget.h"
#include "entities/DatenbankVerbindung.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <iostream>
#include <memory>

namespace {

// The directory "translations" of the working directory, else the one beside the program (the
// build), else share/kalvor/translations of the installation (the program in its bin). The
// first that holds Kalvor's translations counts: started from the desktop menu, the working
// directory is the home folder.
QString translationDirectory()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList candidates{QStringLiteral("translations"),
                                 program + QStringLiteral("/translations"),
                                 program + QStringLiteral("/../share/kalvor/translations")};
    for (const QString &candidate : candidates) {
        if (!QDir(candidate).entryList({QStringLiteral("kalvor_*.qm")}, QDir::Files).isEmpty())
            return candidate;
    }
    return candidates.first();
}

// Qt's own texts: "qt_<language>" from our directory, else those of the Qt installation.
bool loadQtTranslation(QTranslator &translator, const QString &language, const QString &directory)
{
    return translator.load(QStringLiteral("qt_") + language, directory) ||
           translator.load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// For the test of the start: once the main window is shown, its connection line goes to
// standard output and the program ends.
void quitAfterShowWhenAsked(const MainWindow &window)
{
    if (!qEnvironmentVariableIsSet("KALVOR_QUIT_AFTER_SHOW"))
        return;
    QTimer::singleShot(0, &window, [&window] {
        std::cout << "Hauptfenster: " << window.kontextzeile()->verbindungText().toStdString()
                  << std::endl;
        QApplication::quit();
    });
}

} // namespace

int main(int argc, char **argv)
{
    std::cout << "Starte Version für Window." << std::endl;
    if (argc < 1)
        return argc;
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        PrivateServerLogin::preferPrivateServer(LocalServer());
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
            const bool qt = loadQtTranslation(qtTranslator, QStringLiteral("de"), directory);
            loaded = kalvorTranslator.load(QStringLiteral("kalvor_de"), directory) && qt;
        } else {
            std::cout << "Stelle Sprache auf Englisch ein" << std::endl;
            (void)loadQtTranslation(qtTranslator, QStringLiteral("en"), directory);
            loaded = kalvorTranslator.load(QStringLiteral("kalvor_en"), directory);
        }
        std::cout << "Success of loading locale: " << (loaded ? 1 : 0) << std::endl;
        QApplication::installTranslator(&kalvorTranslator);

        LocalServer privateServer;
        PrivateServerLogin::startWhenSetUp(privateServer);
        PrivateServerLogin::preferPrivateServer(privateServer);
        BilderReiter::registriere();
        ErgebnisReiter::registriere();
        ExportReiter::registriere();
        MainWindow window(PrivateServerLogin::prompt(PrivateServerLogin::record(privateServer),
                                                     &MainWindow::zeigeLoginDialog));
        WertungsReiter::registriere([&window] { return window.tastaturen(); });
        if (window.loginCancelled())
            return 0;
        window.showMaximized();
        quitAfterShowWhenAsked(window);
        return QApplication::exec();
    } catch (const PersistenceException &error) {
        std::cout << "Catched PersistenceException.  Reason: " << error.shortText().toStdString()
                  << "; description: " << error.longText().toStdString() << std::endl;
        return -1;
    }
}
