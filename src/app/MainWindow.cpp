#include "MainWindow.h"

#include "BenutzerBearbeitenDialog.h"
#include "BenutzerVerwaltung.h"
#include "DataImporter.h"
#include "DataModel.h"
#include "DatabaseErrorDialog.h"
#include "DatabaseContext.h"
#include "ExportInDatei.h"
#include "ExportStrategien.h"
#include "ExtractThread.h"
#include "ImportAusDatei.h"
#include "ImportDatei.h"
#include "ImportFortschrittsDialog.h"
#include "ImportThread.h"
#include "HilfeUeberDialog.h"
#include "KeyboardManager.h"
#include "Kontextzeile.h"
#include "LogRegelDialoge.h"
#include "LoginDialog.h"
#include "MessageBoxes.h"
#include "Mitgliederverwaltung.h"
#include "Modus.h"
#include "PersistenceException.h"
#include "RememberedConnections.h"
#include "SessionDialoge.h"
#include "Tastaturen.h"
#include "Trefferbereich.h"
#include "VDBVerwaltung.h"
#include "VereinBearbeitenDialog.h"
#include "VereinsSucheDialog.h"
#include "WettbewerbLoeschen.h"
#include "WettbewerbAnlegenDialog.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbJurorenWidget.h"
#include "WettbewerbsSucheDialog.h"
#include "controllers/BenutzerController.h"
#include "entities/Benutzer.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>

#include <mysql++/exceptions.h>

#include <algorithm>

namespace {

struct ActionDef
{
    const char *slot;
    const char *text;
    const char *shortcut;
    const char *statusTip;
};

// Every action of the main window; the text, shortcut and tip are translated in the context
// "MainWindow".
const ActionDef kActions[] = {
    {"importiere", QT_TRANSLATE_NOOP("MainWindow", "Daten &importieren"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+I"), QT_TRANSLATE_NOOP("MainWindow", "Importiert Daten")},
    {"exportiereVerein", QT_TRANSLATE_NOOP("MainWindow", "&Verein"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert alle Daten zum aktiven Verein")},
    {"exportiereVereinsMitglieder", QT_TRANSLATE_NOOP("MainWindow", "&Mitglieder des Vereins"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert die Daten zu allen Mitgliedern des aktiven Vereins")},
    {"exportiereVereinsHierarchie", QT_TRANSLATE_NOOP("MainWindow", "Vereinshierarchie"), "",
     QT_TRANSLATE_NOOP("MainWindow",
                       "Exportiert alle Daten zum aktiven Verein und der Hierarchie darunter")},
    {"exportiereVereinsHierarchieMitglieder",
     QT_TRANSLATE_NOOP("MainWindow", "Mitglieder der Vereins&hierarchie"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert die Daten zu allen Mitgliedern des aktiven "
                                     "Vereins sowie der Hierarchie darunter")},
    {"exportiereFunktionstraegerAction", QT_TRANSLATE_NOOP("MainWindow", "Funktionstraeger"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert die Daten zu den Funktionstraegern aller Vereine")},
    {"exportiereFachlicheDaten", QT_TRANSLATE_NOOP("MainWindow", "Alle &fachlichen Daten"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert alle fachlichen Daten")},
    {"exportiereTechnischeDaten", QT_TRANSLATE_NOOP("MainWindow", "Alle &technische Daten"), "",
     QT_TRANSLATE_NOOP("MainWindow",
                       "Exportiert alle technischen Daten, ohne die Datenberechtigungen")},
    {"exportiereDatenberechtigungen", QT_TRANSLATE_NOOP("MainWindow", "Datenberechtigungen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert alle Datenberechtigungen")},
    {"exportiereAlleDaten", QT_TRANSLATE_NOOP("MainWindow", "&Alle Daten"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Exportiert alle Daten")},
    {"meldeNeuAn", QT_TRANSLATE_NOOP("MainWindow", "&Neu Anmelden"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Unter anderer Kennung neu anmelden")},
    {"beenden", QT_TRANSLATE_NOOP("MainWindow", "&Beenden"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Q"),
     QT_TRANSLATE_NOOP("MainWindow", "Beendet Kalvor")},
    {"oeffneMitgliederverwaltung", QT_TRANSLATE_NOOP("MainWindow", "&Mitgliederverwaltung"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+M"),
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet die Mitgliederverwaltung")},
    {"legeVereinAn", QT_TRANSLATE_NOOP("MainWindow", "A&nlegen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Legt einen neuen Verein an")},
    {"waehleVereinAus", QT_TRANSLATE_NOOP("MainWindow", "Aus&waehlen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Waehlt einen Verein aus und holt ihn in den Kontext")},
    {"seheVereinAn", QT_TRANSLATE_NOOP("MainWindow", "&Ansehen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet die Daten eines Vereins zum nur lesenden Betrachten")},
    {"bearbeiteVerein", QT_TRANSLATE_NOOP("MainWindow", "&Bearbeiten"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet die Daten eines Vereins zum Aendern")},
    {"loescheVerein", QT_TRANSLATE_NOOP("MainWindow", "&Loeschen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Loescht einen Verein")},
    {"oeffneWettbewerbAnlegenDialog", QT_TRANSLATE_NOOP("MainWindow", "A&nlegen"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+N"),
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet einen neuen Wettbewerb")},
    {"oeffneWettbewerbsSucheDialog", QT_TRANSLATE_NOOP("MainWindow", "&Oeffnen"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+O"),
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet einen Wettbewerb")},
    {"loescheWettbewerb", QT_TRANSLATE_NOOP("MainWindow", "&Loeschen"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+W"),
     QT_TRANSLATE_NOOP("MainWindow", "Loescht einen Wettbewerb")},
    {"eigeneBerechtigungenAnsehen",
     QT_TRANSLATE_NOOP("MainWindow", "Eigene &Datenberechtigungen Ansehen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Eigene Berechtigungen ansehen")},
    {"passwortAendern", QT_TRANSLATE_NOOP("MainWindow", "&Passwort Aendern"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Passwort Aendern")},
    {"oeffneBenutzerVerwaltung", QT_TRANSLATE_NOOP("MainWindow", "&Benutzerverwaltung"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Oeffnet die Benutzerverwaltung.")},
    {"oeffneBerechtigungsModusDialog",
     QT_TRANSLATE_NOOP("MainWindow", "&Datenberechtigungen ein/ausschalten"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Aktiviert bzw. deaktiviert die Berechtigungen.")},
    {"oeffneLogSettingsAdminDialog", QT_TRANSLATE_NOOP("MainWindow", "Log-&Einstellungen verwalten"),
     "",
     QT_TRANSLATE_NOOP("MainWindow", "Hier kann verwaltet werden, was und wieviel an Log-Ausgabe "
                                     "geschrieben wird.")},
    {"oeffneLogViewDialog", QT_TRANSLATE_NOOP("MainWindow", "&Log-Meldungen ansehen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Log-Meldungen ansehen")},
    {"oeffneSessionAdminDialog", QT_TRANSLATE_NOOP("MainWindow", "&Sessions ansehen"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Sessions ansehen")},
    {"oeffneHilfeUeberDialog", QT_TRANSLATE_NOOP("MainWindow", "&Ueber"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Informationen zur Programmversion")},
};

// The actions whose dialogs this version offers; the others stay greyed out.
const char *const kAvailable[] = {"importiere",           "exportiereVerein", "exportiereVereinsMitglieder",
                                  "exportiereVereinsHierarchie",
                                  "exportiereVereinsHierarchieMitglieder",
                                  "exportiereFunktionstraegerAction", "exportiereFachlicheDaten",
                                  "exportiereTechnischeDaten", "exportiereDatenberechtigungen",
                                  "exportiereAlleDaten", "loescheWettbewerb",
                                  "meldeNeuAn",         "beenden",         "oeffneHilfeUeberDialog",
                                  "oeffneMitgliederverwaltung", "legeVereinAn",
                                  "waehleVereinAus",    "seheVereinAn",    "bearbeiteVerein",
                                  "loescheVerein",      "oeffneWettbewerbAnlegenDialog",
                                  "oeffneWettbewerbsSucheDialog", "eigeneBerechtigungenAnsehen",
                                  "passwortAendern",    "oeffneBenutzerVerwaltung",
                                  "oeffneBerechtigungsModusDialog", "oeffneLogSettingsAdminDialog",
                                  "oeffneLogViewDialog", "oeffneSessionAdminDialog"};

QString textOf(const DatenbankVerbindung &login, int row)
{
    return login.isSetAt(row) ? login.rawValueAt(row).toString() : QString();
}

} // namespace

QAction *ActionFactory::create(QObject *parent, const QString &text, const QString &shortcut,
                               const QString &statusTip, const char *name)
{
    auto *action = new QAction(text, parent);
    if (!shortcut.isEmpty())
        action->setShortcut(QKeySequence(shortcut));
    action->setStatusTip(statusTip);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, parent,
                     [parent, name]() { QMetaObject::invokeMethod(parent, name); });
    return action;
}

MainWindow::MainWindow(LoginPrompt prompt, bool loginNow, QWidget *parent)
    : QMainWindow(parent), m_prompt(std::move(prompt))
{
    setMinimumSize(500, 500);
    setWindowTitle(tr("Kalvor"));
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);
    grid->addWidget(new QWidget(central), 0, 0);
    grid->setRowStretch(0, 1);
    m_kontextzeile = new Kontextzeile(central);
    grid->addWidget(m_kontextzeile, 1, 0, Qt::AlignBottom);
    setCentralWidget(central);
    createActions();
    if (loginNow)
        m_loginCancelled = !meldeNeuAn();
}

MainWindow::~MainWindow()
{
    warteAufImport();
    // The windows that work with the context go before it.
    schliesseFenster();
}

void MainWindow::createActions()
{
    for (const ActionDef &def : kActions) {
        QAction *action = ActionFactory::create(
            this, tr(def.text), *def.shortcut ? tr(def.shortcut) : QString(), tr(def.statusTip),
            def.slot);
        action->setEnabled(false);
        m_actions.insert(QString::fromLatin1(def.slot), action);
    }
    for (const char *slot : kAvailable)
        m_actions.value(QString::fromLatin1(slot))->setEnabled(true);
}

void MainWindow::baueMenues()
{
    menuBar()->clear();
    const bool root = m_ctx && m_ctx->benutzer() && m_ctx->benutzer()->hasBenutzername() &&
                      m_ctx->benutzer()->getBenutzername() == QLatin1String("root");
    const auto add = [this](QMenu *menu, const char *slot) {
        menu->addAction(m_actions.value(QString::fromLatin1(slot)));
    };

    QMenu *datei = menuBar()->addMenu(tr("&Datei"));
    add(datei, "importiere");
    QMenu *exportMenu = datei->addMenu(tr("E&xport"));
    add(exportMenu, "exportiereVerein");
    add(exportMenu, "exportiereVereinsMitglieder");
    exportMenu->addSeparator();
    add(exportMenu, "exportiereVereinsHierarchie");
    add(exportMenu, "exportiereVereinsHierarchieMitglieder");
    exportMenu->addSeparator();
    add(exportMenu, "exportiereFunktionstraegerAction");
    if (root) {
        exportMenu->addSeparator();
        add(exportMenu, "exportiereFachlicheDaten");
        add(exportMenu, "exportiereTechnischeDaten");
        add(exportMenu, "exportiereDatenberechtigungen");
        add(exportMenu, "exportiereAlleDaten");
    }
    add(datei, "meldeNeuAn");
    add(datei, "beenden");

    QMenu *stammdaten = menuBar()->addMenu(tr("&Stammdaten"));
    add(stammdaten, "oeffneMitgliederverwaltung");

    QMenu *verein = menuBar()->addMenu(tr("&Verein"));
    add(verein, "waehleVereinAus");
    verein->addSeparator();
    add(verein, "seheVereinAn");
    add(verein, "legeVereinAn");
    add(verein, "bearbeiteVerein");
    if (root)
        add(verein, "loescheVerein");

    QMenu *wettbewerb = menuBar()->addMenu(tr("&Wettbewerb"));
    add(wettbewerb, "oeffneWettbewerbAnlegenDialog");
    add(wettbewerb, "oeffneWettbewerbsSucheDialog");
    if (root) {
        wettbewerb->addSeparator();
        add(wettbewerb, "loescheWettbewerb");
    }

    if (root) {
        QMenu *administration = menuBar()->addMenu(tr("&Administration"));
        add(administration, "oeffneBenutzerVerwaltung");
        add(administration, "oeffneBerechtigungsModusDialog");
        add(administration, "oeffneLogSettingsAdminDialog");
        add(administration, "oeffneLogViewDialog");
        add(administration, "oeffneSessionAdminDialog");
    } else {
        QMenu *benutzer = menuBar()->addMenu(tr("&Benutzer"));
        add(benutzer, "eigeneBerechtigungenAnsehen");
        add(benutzer, "passwortAendern");
    }

    QMenu *hilfe = menuBar()->addMenu(tr("&Hilfe"));
    add(hilfe, "oeffneHilfeUeberDialog");
}

void MainWindow::logAction(const QString &message)
{
    if (m_ctx)
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("MainWindow"), 7, message);
}

std::unique_ptr<DatenbankVerbindung> MainWindow::askForLogin()
{
    return m_prompt ? m_prompt(this) : zeigeLoginDialog(this);
}

std::unique_ptr<DatenbankVerbindung> MainWindow::zeigeLoginDialog(QWidget *parent)
{
    LoginDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::unique_ptr<DatenbankVerbindung>(dialog.record().clone());
}

bool MainWindow::meldeNeuAn()
{
    logAction(QStringLiteral("Aufruf von Neu Anmelden"));
    MessageBoxes &boxes = MessageBoxes::current();
    const QString failedTitle = tr("Fehler beim Anmelden.");
    for (;;) {
        std::unique_ptr<DatenbankVerbindung> login = askForLogin();
        if (!login)
            return false;
        const QString user = textOf(*login, DatenbankVerbindung::benutzernameRow);
        const QString server = textOf(*login, DatenbankVerbindung::connectionURLRow);
        try {
            auto ctx = std::make_unique<DatabaseContext>(std::move(login));
            if (!ctx->isConnected()) {
                boxes.critical(this, failedTitle,
                               tr("Ihre Anmeldung am System ist leider gescheitert. Haben Sie "
                                  "Ihren Benutzernamen und Ihr Passwort richtig geschrieben?"));
                continue;
            }
            RememberedConnections::store(user, server);
            if (!ctx->benutzer()) {
                boxes.critical(
                    this, tr("Benutzer nicht registriert"),
                    tr("Ein solcher Benutzer ist nicht registriert.  Bitte pruefen Sie, ob Sie "
                       "sich mit dem richtigen, korrekt geschriebenen Benutzernamen angemeldet "
                       "haben.\n\nFalls dies eine lokale Installation ist, koennen Sie sich ggf. "
                       "als root-Benutzer (Administrator) anmelden und den gewuenschten Benutzer "
                       "ueber das Administrationsmenu anlegen.  Falls Sie sich ueber das Netz bei "
                       "einer zentralen Installation anmelden wollen, kontaktieren Sie bitte ggf. "
                       "den dortigen Administrator."));
                continue;
            }
            if (!ctx->benutzer()->hasGuiBenutzer() || !ctx->benutzer()->getGuiBenutzer()) {
                boxes.critical(this, tr("Anmeldung nicht erlaubt"),
                               tr("Dieser Benutzer darf sich nicht an der GUI anmelden.  "
                                  "Eventuell ist fuer ihn nur der Webzugriff freigeschaltet."));
                continue;
            }
            schliesseFenster(); // they work with the previous context
            m_wettbewerbsSuche.clear();
            m_tastaturen.reset(); // its devices and grabs go with the previous login
            m_ctx = std::move(ctx);
            m_tastaturen = erzeugeTastaturen(*m_ctx);
            m_kontextzeile->setContext(m_ctx.get());
            m_kontextzeile->aktualisiereVerein(m_aktiverVerein.get());
            m_ctx->log(QStringLiteral("Session"), QStringLiteral("MainWindow.cpp"), 7,
                       QStringLiteral("Anmeldung mit Benutzername %1 und URL %2 erfolgreich.")
                           .arg(user, server));
            baueMenues();
            return true;
        } catch (const mysqlpp::Exception &error) {
            boxes.critical(this, failedTitle,
                           tr("Ihre Anmeldung am System ist leider gescheitert. Es kam die "
                              "folgende Fehlermeldung zurueck: \n %1\n\nHaben Sie Ihren "
                              "Benutzernamen und Ihr Passwort richtig geschrieben?")
                               .arg(QString::fromUtf8(error.what())));
        } catch (const PersistenceException &error) {
            boxes.critical(this, error.shortText(), error.longText());
        } catch (...) {
            boxes.critical(this, failedTitle,
                           tr("Ihre Anmeldung am System ist leider gescheitert. Haben Sie "
                              "Ihren Benutzernamen und Ihr Passwort richtig geschrieben?"));
        }
    }
}

QString MainWindow::getTimeIntervalString(int numberOfSeconds)
{
    return zeitspanne(numberOfSeconds);
}

void MainWindow::beenden()
{
    logAction(QStringLiteral("Aufruf von Beenden"));
    QApplication::quit();
}

void MainWindow::oeffneHilfeUeberDialog()
{
    logAction(QStringLiteral("Aufruf von Hilfe Ueber"));
    if (!m_ctx)
        return;
    HilfeUeberDialog dialog(*m_ctx, this);
    dialog.exec();
}

void MainWindow::importiere()
{
    logAction(QStringLiteral("Aufruf von Importieren"));
    if (!m_ctx || m_importLaeuft)
        return;
    const QString datei = ImportAusDatei::waehleDatei(this, *m_ctx);
    if (datei.isEmpty())
        return;
    QMutexLocker sperre(&m_importMutex);
    m_importLaeuft = true;
    m_importUhr.start();
    menuBar()->setEnabled(false);
    auto *thread = new ExtractThread(*m_ctx, datei, this);
    connect(thread, &ExtractThread::statusMessage, m_kontextzeile, &Kontextzeile::setzeStatus);
    connect(thread, &ExtractThread::extractionFinished, this, &MainWindow::extractionFinished);
    connect(thread, &ExtractThread::extractionFailed, this, &MainWindow::showExceptionMessage);
    m_extractThread = thread;
    thread->start();
}

void MainWindow::extractionFinished(bool createdTempDir, QString tempDir, QString importFileName)
{
    m_importTempAngelegt = createdTempDir;
    m_importTempVerzeichnis = tempDir;
    m_kontextzeile->setzeStatus(tr("Lese Metainformationen zur Importdatei"));
    if (!m_ctx || !ImportAusDatei::pruefeMetaInformationen(
                      this, *m_ctx, importFileName,
                      [this](const QString &text) { m_kontextzeile->setzeStatus(text); })) {
        beendeImport();
        return;
    }

    QMutexLocker sperre(&m_importMutex);
    auto *thread = new ImportThread(*m_ctx, importFileName, createdTempDir, tempDir, this);
    auto *fortschritt = new ImportFortschrittsDialog(this);
    connect(thread, &ImportThread::statusMessage, m_kontextzeile, &Kontextzeile::setzeStatus);
    connect(thread, &ImportThread::statusMessage, fortschritt,
            &ImportFortschrittsDialog::zeigeStatus);
    connect(thread, &ImportThread::fortschritt, fortschritt,
            &ImportFortschrittsDialog::zeigeFortschritt);
    connect(thread, &ImportThread::importFinished, this, &MainWindow::importFinished);
    connect(thread, &ImportThread::importFailed, this, &MainWindow::showExceptionMessage);
    connect(fortschritt, &ImportFortschrittsDialog::abbrechen, thread, &ImportThread::brecheAb,
            Qt::DirectConnection);
    m_importThread = thread;
    m_importFortschritt = fortschritt;
    fortschritt->show();
    thread->start(QThread::InheritPriority);
}

void MainWindow::importFinished(DatabaseContext *context, ImportResult *importResult,
                               bool createdTempDir, QString tempDir)
{
    std::unique_ptr<DatabaseContext> arbeitsKontext(context);
    std::unique_ptr<ImportResult> ergebnis(importResult);
    m_importTempAngelegt = createdTempDir;
    m_importTempVerzeichnis = tempDir;
    arbeitsKontext.reset();
    beendeImport();
    if (!m_ctx)
        return;
    const int sekunden = int(m_importUhr.elapsed() / 1000);
    try {
        aktualisiereNachImport(*m_ctx, *ergebnis);
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(*m_ctx, this, QStringLiteral("MainWindow"), fehler);
    }
    ImportAusDatei::zeigeErgebnis(this, *ergebnis, sekunden);
}

void MainWindow::showExceptionMessage(QString shortText, QString longText)
{
    beendeImport();
    if (m_ctx)
        showError(*m_ctx, this, QStringLiteral("MainWindow"), shortText, longText);
    else
        MessageBoxes::current().critical(this, shortText, longText);
}

void MainWindow::beendeImport()
{
    delete m_importFortschritt.data();
    if (m_ctx && m_importTempAngelegt) {
        ImportDatei datei;
        datei.tempAngelegt = true;
        datei.tempVerzeichnis = m_importTempVerzeichnis;
        datei.raeumeAuf(*m_ctx);
    }
    m_importTempAngelegt = false;
    m_importTempVerzeichnis.clear();
    m_importLaeuft = false;
    menuBar()->setEnabled(true);
    m_kontextzeile->setzeStatus(QString());
}

void MainWindow::warteAufImport()
{
    if (m_importThread) {
        m_importThread->brecheAb();
        m_importThread->wait();
    }
    if (m_extractThread)
        m_extractThread->wait();
    // Their ends are not delivered any more: what the extraction made goes now.
    if (m_ctx && m_importTempAngelegt)
        beendeImport();
}

void MainWindow::exportiere(const std::function<std::unique_ptr<ExportCallStrategy>()> &fabrik,
                            bool listeZuerstCsv)
{
    if (!m_ctx)
        return;
    QStringList filter{ExportFilter::zip(), ExportFilter::csv()};
    if (listeZuerstCsv)
        std::reverse(filter.begin(), filter.end());
    if (exportiereInDatei(this, *m_ctx, fabrik, filter))
        zeigeExportErfolg(this);
}

void MainWindow::exportiereAktivenVerein(ExportStrategien::VereinsUmfang umfang)
{
    if (!m_ctx)
        return;
    if (!m_aktiverVerein || !m_aktiverVerein->hasId()) {
        logAction(QStringLiteral("Export ohne aktiven Verein"));
        MessageBoxes::current().information(
            this, tr("Kein Verein ausgewaehlt"),
            tr("Bitte waehlen Sie zunaechst im Menue \"Verein\" den Verein aus, dessen Daten "
               "exportiert werden sollen."));
        return;
    }
    DatabaseContext &ctx = *m_ctx;
    const qlonglong verein = m_aktiverVerein->getId();
    exportiere([&ctx, verein, umfang] {
        return ExportStrategien::verein(ctx, verein, umfang);
    });
}

void MainWindow::exportiereVerein()
{
    logAction(QStringLiteral("Aufruf von Exportiere Verein"));
    exportiereAktivenVerein(ExportStrategien::VereinsUmfang::Verein);
}

void MainWindow::exportiereVereinsMitglieder()
{
    logAction(QStringLiteral("Aufruf von Exportiere Vereinsmitglieder"));
    exportiereAktivenVerein(ExportStrategien::VereinsUmfang::Mitglieder);
}

void MainWindow::exportiereVereinsHierarchie()
{
    logAction(QStringLiteral("Aufruf von Exportiere Vereinshierarchie"));
    exportiereAktivenVerein(ExportStrategien::VereinsUmfang::Hierarchie);
}

void MainWindow::exportiereVereinsHierarchieMitglieder()
{
    logAction(QStringLiteral("Aufruf von Exportiere Mitglieder der Vereinshierarchie"));
    exportiereAktivenVerein(ExportStrategien::VereinsUmfang::HierarchieMitglieder);
}

void MainWindow::exportiereFunktionstraegerAction()
{
    logAction(QStringLiteral("Aufruf von Exportiere Funktionstraeger"));
    exportiere(&ExportStrategien::funktionstraeger, true);
}

void MainWindow::exportiereFachlicheDaten()
{
    logAction(QStringLiteral("Aufruf von Exportiere fachliche Daten"));
    exportiere(&ExportStrategien::fachlicheDaten);
}

void MainWindow::exportiereTechnischeDaten()
{
    logAction(QStringLiteral("Aufruf von Exportiere technische Daten"));
    exportiere(&ExportStrategien::technischeDaten);
}

void MainWindow::exportiereDatenberechtigungen()
{
    logAction(QStringLiteral("Aufruf von Exportiere Datenberechtigungen"));
    exportiere(&ExportStrategien::datenberechtigungen);
}

void MainWindow::exportiereAlleDaten()
{
    logAction(QStringLiteral("Aufruf von Exportiere alle Daten"));
    exportiere(&ExportStrategien::alleDaten);
}

void MainWindow::setzeAktivenVerein(const Verein *verein)
{
    m_aktiverVerein.reset(verein ? verein->clone() : nullptr);
    m_kontextzeile->aktualisiereVerein(m_aktiverVerein.get());
}

void MainWindow::merkeFenster(QWidget *fenster)
{
    m_fenster.append(QPointer<QWidget>(fenster));
}

void MainWindow::schliesseFenster()
{
    // They hold the context: they go at once, not later through the event loop.
    for (const QPointer<QWidget> &fenster : std::as_const(m_fenster))
        delete fenster.data();
    m_fenster.clear();
}

void MainWindow::oeffneMitgliederverwaltung()
{
    logAction(QStringLiteral("Aufruf von Mitgliederverwaltung"));
    if (!m_ctx)
        return;
    auto *verwaltung = new Mitgliederverwaltung(*m_ctx, m_aktiverVerein.get(), this);
    verwaltung->setAttribute(Qt::WA_DeleteOnClose);
    verwaltung->setWindowFlag(Qt::Window);
    connect(verwaltung, &Mitgliederverwaltung::statusMessage, m_kontextzeile,
            &Kontextzeile::setzeStatus);
    merkeFenster(verwaltung);
    verwaltung->show();
}

void MainWindow::legeVereinAn()
{
    logAction(QStringLiteral("Aufruf von Verein Anlegen"));
    if (!m_ctx)
        return;
    VereinBearbeitenDialog dialog(*m_ctx, Modus::NEU, nullptr, this);
    std::unique_ptr<Verein> neu;
    connect(&dialog, &VereinBearbeitenDialog::vereinWurdeGespeichert, this,
            [&neu](Verein *verein) { neu.reset(verein->clone()); });
    dialog.exec();
    // A cancelled creation leaves no active club.
    setzeAktivenVerein(dialog.result() == QDialog::Accepted ? neu.get() : nullptr);
}

void MainWindow::waehleVereinAus()
{
    logAction(QStringLiteral("Aufruf von Verein Auswaehlen"));
    if (!m_ctx)
        return;
    VereinsSucheDialog dialog(*m_ctx, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::unique_ptr<Verein> gewaehlt = dialog.gewaehlterVerein();
    setzeAktivenVerein(dialog.keinVereinGewaehlt() ? nullptr : gewaehlt.get());
}

void MainWindow::oeffneAktivenVerein(int modus, const QString &aktion)
{
    if (!m_ctx)
        return;
    if (!m_aktiverVerein)
        waehleVereinAus();
    if (!m_aktiverVerein) {
        logAction(QStringLiteral("Aufruf von %1 ohne Verein").arg(aktion));
        return;
    }
    logAction(QStringLiteral("Aufruf von %1 fuer Verein ").arg(aktion) +
              (m_aktiverVerein->hasName() ? m_aktiverVerein->getName()
                                          : QStringLiteral("(ohne Name)")));
    VereinBearbeitenDialog dialog(*m_ctx, Modus(modus), m_aktiverVerein.get(), this);
    connect(&dialog, &VereinBearbeitenDialog::vereinWurdeGespeichert, this,
            [this](Verein *verein) { setzeAktivenVerein(verein); });
    dialog.exec();
}

void MainWindow::seheVereinAn()
{
    oeffneAktivenVerein(int(Modus::ANSEHEN), QStringLiteral("Sehe Verein An"));
}

void MainWindow::bearbeiteVerein()
{
    oeffneAktivenVerein(int(Modus::BEARBEITEN), QStringLiteral("Verein Bearbeiten"));
}

void MainWindow::loescheVerein()
{
    if (!m_ctx)
        return;
    // The user always picks the club to delete.
    waehleVereinAus();
    if (!m_aktiverVerein) {
        logAction(QStringLiteral("Aufruf von Verein Loeschen ohne Verein"));
        return;
    }
    logAction(QStringLiteral("Aufruf von Verein Loeschen fuer Verein ") +
              (m_aktiverVerein->hasName() ? m_aktiverVerein->getName()
                                          : QStringLiteral("(ohne Name)")));
    if (VereinBearbeitenDialog::loescheVerein(*m_ctx, *m_aktiverVerein, this))
        setzeAktivenVerein(nullptr); // the club is gone
}

void MainWindow::oeffneWettbewerbAnlegenDialog()
{
    logAction(QStringLiteral("Aufruf von Wettbewerb Anlegen"));
    if (!m_ctx)
        return;
    // A competition needs its host: the club search, without the choice of no club.
    if (!m_aktiverVerein) {
        VereinsSucheDialog suche(*m_ctx, false, this);
        if (suche.exec() != QDialog::Accepted)
            return;
        const std::unique_ptr<Verein> gewaehlt = suche.gewaehlterVerein();
        if (gewaehlt)
            setzeAktivenVerein(gewaehlt.get());
    }
    if (!m_aktiverVerein || !m_aktiverVerein->hasId())
        return;
    WettbewerbAnlegenDialog dialog(*m_ctx, m_aktiverVerein->getId(), this);
    connect(&dialog, &WettbewerbAnlegenDialog::wettbewerbWurdeBearbeitet, this,
            &MainWindow::oeffneWettbewerb);
    dialog.exec();
}

void MainWindow::oeffneWettbewerbsSucheDialog()
{
    logAction(QStringLiteral("Aufruf von Wettbewerb Oeffnen"));
    if (!m_ctx)
        return;
    if (!m_wettbewerbsSuche) {
        auto *suche = new WettbewerbsSucheDialog(*m_ctx, this);
        suche->setAttribute(Qt::WA_DeleteOnClose);
        connect(suche, &WettbewerbsSucheDialog::wettbewerbAusgewaehlt, this,
                &MainWindow::oeffneWettbewerb);
        merkeFenster(suche);
        m_wettbewerbsSuche = suche;
    }
    m_wettbewerbsSuche->show();
    m_wettbewerbsSuche->raise();
    m_wettbewerbsSuche->activateWindow();
}

void MainWindow::logWettbewerbsAufruf(const QString &aktion, const Wettbewerb *wettbewerb)
{
    logAction(QStringLiteral("Aufruf von %1 fuer Wettbewerb ").arg(aktion) +
              (wettbewerb && wettbewerb->hasName() ? wettbewerb->getName()
                                                   : QStringLiteral("(ohne Name)")));
}

void MainWindow::oeffneWettbewerb(Wettbewerb *wettbewerb)
{
    logWettbewerbsAufruf(QStringLiteral("Wettbewerb Oeffnen"), wettbewerb);
    if (!m_ctx || !wettbewerb)
        return;
    // A competition the user may not write opens read-only.
    const bool editierbar =
        m_ctx->mayWrite(*m_ctx->dataModel().entity(QStringLiteral("Wettbewerb")), *wettbewerb);
    WettbewerbBearbeitenDialog dialog(*m_ctx, *wettbewerb, m_aktiverVerein.get(), editierbar,
                                      this);
    connect(&dialog, &WettbewerbBearbeitenDialog::statusMessage, m_kontextzeile,
            &Kontextzeile::setzeStatus);
    dialog.setzeStatus(dialog.statusZeile()->text()); // the state it opens in
    dialog.juroren()->setzeKeyboardManager(m_tastaturen.get());
    m_offenerWettbewerb = &dialog;
    dialog.exec();
    m_offenerWettbewerb = nullptr;
}

void MainWindow::loescheWettbewerb()
{
    logAction(QStringLiteral("Aufruf von Wettbewerb Loeschen"));
    if (!m_ctx)
        return;
    // The user picks the competition; the deletion runs once the search is closed.
    WettbewerbsSucheDialog suche(*m_ctx, this);
    suche.setWindowTitle(tr("Zu loeschenden Wettbewerb suchen"));
    std::unique_ptr<Wettbewerb> gewaehlt;
    connect(&suche, &WettbewerbsSucheDialog::wettbewerbAusgewaehlt, &suche,
            [&gewaehlt, &suche](Wettbewerb *wettbewerb) {
                gewaehlt.reset(wettbewerb->clone());
                suche.accept();
            });
    if (suche.exec() == QDialog::Accepted && gewaehlt)
        loescheWettbewerb(gewaehlt.get());
}

void MainWindow::loescheWettbewerb(Wettbewerb *wettbewerb)
{
    logWettbewerbsAufruf(QStringLiteral("Wettbewerb Loeschen"), wettbewerb);
    if (!m_ctx || !wettbewerb)
        return;
    if (loescheWettbewerbMitSicherung(this, *m_ctx, *wettbewerb) && m_wettbewerbsSuche)
        m_wettbewerbsSuche->sucheWettbewerbe(); // it may still list the deleted one
}

std::unique_ptr<Benutzer> MainWindow::eigenerBenutzer()
{
    if (!m_ctx)
        return nullptr;
    const DatenbankVerbindung &login = m_ctx->connectionRecord();
    auto gefunden = BenutzerController().select(
        *m_ctx, {{QStringLiteral("benutzername"),
                  textOf(login, DatenbankVerbindung::benutzernameRow)}});
    if (gefunden.size() != 1) {
        MessageBoxes::current().critical(this, tr("Interner Fehler"),
                                         tr("Keine eindeutige Benutzer-Instanz gefunden"));
        return nullptr;
    }
    return std::move(gefunden.front());
}

void MainWindow::eigeneBerechtigungenAnsehen()
{
    logAction(QStringLiteral("Aufruf von Eigene Berechtigungen Ansehen"));
    if (const auto benutzer = eigenerBenutzer()) {
        VDBVerwaltung verwaltung(*m_ctx, *benutzer, true, this);
        verwaltung.exec();
    }
}

void MainWindow::passwortAendern()
{
    logAction(QStringLiteral("Aufruf von Passwort Aendern"));
    if (const auto benutzer = eigenerBenutzer()) {
        BenutzerBearbeitenDialog dialog(*m_ctx, BenutzerBearbeitenDialog::Modus::BEARBEITEN_PASSWORT,
                                        benutzer.get(), -1, this);
        dialog.exec();
    }
}

void MainWindow::oeffneBenutzerVerwaltung()
{
    logAction(QStringLiteral("Aufruf von Benutzerverwaltung"));
    if (!m_ctx)
        return;
    BenutzerVerwaltung verwaltung(*m_ctx, this);
    verwaltung.exec();
}

void MainWindow::oeffneBerechtigungsModusDialog()
{
    logAction(QStringLiteral("Aufruf von Berechtigungsmodus"));
    if (!m_ctx)
        return;
    BerechtigungsModusDialog dialog(*m_ctx, this);
    dialog.exec();
}

void MainWindow::oeffneLogSettingsAdminDialog()
{
    logAction(QStringLiteral("Aufruf von Log-Einstellungen"));
    if (!m_ctx)
        return;
    LogSettingsAdminDialog dialog(*m_ctx, this);
    dialog.exec();
}

void MainWindow::oeffneLogViewDialog()
{
    logAction(QStringLiteral("Aufruf von Log-Meldungen"));
    if (!m_ctx)
        return;
    LogViewDialog dialog(*m_ctx, this);
    connect(dialog.ereignisse(), &Trefferbereich::statusMessage, m_kontextzeile,
            &Kontextzeile::setzeStatus);
    connect(dialog.zugriffe(), &Trefferbereich::statusMessage, m_kontextzeile,
            &Kontextzeile::setzeStatus);
    dialog.exec();
}

void MainWindow::oeffneSessionAdminDialog()
{
    logAction(QStringLiteral("Aufruf von Sessions"));
    if (!m_ctx)
        return;
    SessionAdminDialog dialog(*m_ctx, this);
    dialog.exec();
}
