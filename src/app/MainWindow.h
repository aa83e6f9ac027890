#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QMutex>
#include <QPointer>

#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbsSucheDialog.h"

#include <functional>
#include <memory>

class Benutzer;
class DatabaseContext;
class DatenbankVerbindung;
class ExportCallStrategy;
class ExtractThread;
class ImportFortschrittsDialog;
class ImportThread;
struct ImportResult;
class KeyboardManager;
class Kontextzeile;
class QAction;
class Verein;
class Wettbewerb;
Q_MOC_INCLUDE("DatabaseContext.h")
Q_MOC_INCLUDE("DataImporter.h")
namespace ExportStrategien {
enum class VereinsUmfang;
}

// Makes the actions of the main window: text, shortcut, status tip and slot.
class ActionFactory
{
public:
    static QAction *create(QObject *parent, const QString &text, const QString &shortcut,
                           const QString &statusTip, const char *name);
};

// The frame of the program: menus by role, the context of the login, the active club and the
// context line.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Asks for a login; null when the user cancels. The default shows the LoginDialog.
    using LoginPrompt = std::function<std::unique_ptr<DatenbankVerbindung>(QWidget *parent)>;

    // Runs the login at once unless `loginNow` is false; see loginCancelled().
    explicit MainWindow(LoginPrompt prompt = LoginPrompt(), bool loginNow = true,
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    // The default login prompt: the LoginDialog; null when it is cancelled.
    static std::unique_ptr<DatenbankVerbindung> zeigeLoginDialog(QWidget *parent);
    // True when the first login was cancelled: the program then ends.
    bool loginCancelled() const { return m_loginCancelled; }
    DatabaseContext *context() const { return m_ctx.get(); }
    Verein *aktiverVerein() const { return m_aktiverVerein.get(); }
    Kontextzeile *kontextzeile() const { return m_kontextzeile; }
    // The keyboard manager of the login, handed to the competition dialogs.
    KeyboardManager *tastaturen() const { return m_tastaturen.get(); }
    // The action of a slot, by the slot's name.
    QAction *action(const QString &slot) const { return m_actions.value(slot); }
    // Makes a copy of the club the active club (null: none) and shows it in the context line.
    void setzeAktivenVerein(const Verein *verein);

    static QString getTimeIntervalString(int numberOfSeconds);
    // The competition search while it is open (it does not block the window); null otherwise.
    WettbewerbsSucheDialog *wettbewerbsSuche() const { return m_wettbewerbsSuche; }
    // The competition dialog while it runs (modal); null otherwise.
    WettbewerbBearbeitenDialog *offenerWettbewerb() const { return m_offenerWettbewerb; }
    // True from the choice of an import file until its closing message.
    bool importLaeuft() const { return m_importLaeuft; }

public slots:
    bool meldeNeuAn();
    void importiere();
    void exportiereVerein();
    void exportiereVereinsMitglieder();
    void exportiereVereinsHierarchie();
    void exportiereVereinsHierarchieMitglieder();
    void exportiereFunktionstraegerAction();
    void exportiereFachlicheDaten();
    void exportiereTechnischeDaten();
    void exportiereDatenberechtigungen();
    void exportiereAlleDaten();
    void beenden();
    void oeffneMitgliederverwaltung();
    void legeVereinAn();
    void waehleVereinAus();
    void seheVereinAn();
    void bearbeiteVerein();
    void loescheVerein();
    void oeffneWettbewerbAnlegenDialog();
    void oeffneWettbewerbsSucheDialog();
    void oeffneWettbewerb(Wettbewerb *wettbewerb);
    void loescheWettbewerb();
    void loescheWettbewerb(Wettbewerb *wettbewerb);
    void eigeneBerechtigungenAnsehen();
    void passwortAendern();
    void oeffneBenutzerVerwaltung();
    void oeffneBerechtigungsModusDialog();
    void oeffneLogSettingsAdminDialog();
    void oeffneLogViewDialog();
    void oeffneSessionAdminDialog();
    void oeffneHilfeUeberDialog();
    // The import: the extraction thread's end, the import thread's end, and a failure of
    // either (also its message box).
    void extractionFinished(bool createdTempDir, QString tempDir, QString importFileName);
    void importFinished(DatabaseContext *context, ImportResult *importResult, bool createdTempDir,
                        QString tempDir);
    void showExceptionMessage(QString shortText, QString longText);

private:
    void createActions();
    void baueMenues();
    void logAction(const QString &message);
    // "Aufruf von <aktion> fuer Wettbewerb <name>".
    void logWettbewerbsAufruf(const QString &aktion, const Wettbewerb *wettbewerb);
    std::unique_ptr<DatenbankVerbindung> askForLogin();
    // Opens the club dialog on the active club in the mode; `aktion` names the call in the log.
    void oeffneAktivenVerein(int modus, const QString &aktion);
    // Windows that work with the context; they go before another context takes over.
    void merkeFenster(QWidget *fenster);
    void schliesseFenster();
    // The logged-in user's row, looked up by name; null (after telling the user) unless
    // exactly one is found.
    std::unique_ptr<Benutzer> eigenerBenutzer();
    // Writes the strategy that `fabrik` builds into a file the user chooses (filters: ZIP, CSV,
    // the first offered first); tells the user when it is done.
    void exportiere(const std::function<std::unique_ptr<ExportCallStrategy>()> &fabrik,
                    bool listeZuerstCsv = false);
    // The club exports: the active club's data in the scope (ExportStrategien::VereinsUmfang).
    void exportiereAktivenVerein(ExportStrategien::VereinsUmfang umfang);
    // Ends a running import: the progress dialog closes, the temporary directory goes, the
    // menu bar is enabled again and the status cleared.
    void beendeImport();
    // Lets a running import stop and waits for its threads.
    void warteAufImport();

    LoginPrompt m_prompt;
    Kontextzeile *m_kontextzeile = nullptr;
    std::unique_ptr<DatabaseContext> m_ctx;
    std::unique_ptr<Verein> m_aktiverVerein;
    QMap<QString, QAction *> m_actions;
    QList<QPointer<QWidget>> m_fenster;
    QPointer<WettbewerbsSucheDialog> m_wettbewerbsSuche;
    QPointer<WettbewerbBearbeitenDialog> m_offenerWettbewerb;
    bool m_loginCancelled = false;
    // The import while it runs: its threads, its progress dialog, what extraction made.
    QMutex m_importMutex;
    bool m_importLaeuft = false;
    QElapsedTimer m_importUhr;
    QPointer<ExtractThread> m_extractThread;
    QPointer<ImportThread> m_importThread;
    QPointer<ImportFortschrittsDialog> m_importFortschritt;
    bool m_importTempAngelegt = false;
    QString m_importTempVerzeichnis;
    // Declared last so that it goes first, before the context it logs through.
    std::unique_ptr<KeyboardManager> m_tastaturen;
};
