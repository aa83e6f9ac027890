#include "CommandLine.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "HilfeUeberDialog.h"
#include "Kontextzeile.h"
#include "LoginDialog.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "OutputCapture.h"
#include "PersistenceException.h"
#include "RememberedConnections.h"
#include "TestDatabase.h"
#include "VereinsSucheDialog.h"
#include "controllers/VereinController.h"
#include "controllers/BenutzerController.h"
#include "controllers/EventLogSettingsController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Verein.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <mysql++/mysql++.h>

#include <deque>
#include <functional>

namespace {

using TestDatabase::run;


std::unique_ptr<DatenbankVerbindung> record(const QString &user, const QString &password)
{
    auto login = std::make_unique<DatenbankVerbindung>();
    login->setBenutzername(user);
    login->setPassword(password);
    login->setConnectionURL(QString::fromStdString(TestDatabase::socketAddress().socket));
    return login;
}

QString rootPassword()
{
    return QString::fromStdString(TestDatabase::adminPassword());
}

// Logins answered in turn; null (a cancel) when they run out.
class ScriptedLogins
{
public:
    void add(std::unique_ptr<DatenbankVerbindung> login) { m_logins.push_back(std::move(login)); }
    MainWindow::LoginPrompt prompt()
    {
        return [this](QWidget *) -> std::unique_ptr<DatenbankVerbindung> {
            if (m_logins.empty())
                return nullptr;
            auto login = std::move(m_logins.front());
            m_logins.pop_front();
            return login;
        };
    }

private:
    std::deque<std::unique_ptr<DatenbankVerbindung>> m_logins;
};

// Runs `step` on the modal dialog that the next exec() opens.
void onNextDialog(std::function<void(QDialog *)> step)
{
    QTimer::singleShot(0, [step]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        step(dialog);
    });
}

QStringList menuTitles(QMainWindow &window)
{
    QStringList titles;
    for (QAction *action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

QStringList entries(QMainWindow &window, const QString &menuTitle)
{
    QStringList texts;
    for (QAction *action : window.menuBar()->actions()) {
        if (action->text() != menuTitle)
            continue;
        for (QAction *entry : action->menu()->actions())
            texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    return texts;
}

} // namespace

class AppTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        MessageBoxes::install(&m_boxes);
    }
    void init()
    {
        m_boxes.clear();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalvor"),
                  QStringLiteral("Kalvor"))
            .clear();
    }
    void cleanupTestCase() { MessageBoxes::install(nullptr); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("logged");
        const auto args = [](const char *text) {
            return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        };
        QTest::newRow("unknown command")
            << args("kalvor export") << QStringLiteral("Illegales Kommando: export - Erlaubt: import")
            << QStringLiteral("Illegales Kommando: export");
        QTest::newRow("no parameter name")
            << args("kalvor import datei.csv") << QStringLiteral("Illegaler Parameter: datei.csv")
            << QStringLiteral("Illegaler Parameter - muss mit einem Minuszeichen anfangen");
        QTest::newRow("-u missing") << args("kalvor import")
                                    << QStringLiteral("Parameter -u (gibt den Namen des "
                                                      "Datenbank-Benutzers an) fehlt")
                                    << QStringLiteral("Parameter -u fehlt");
        QTest::newRow("-u empty")
            << args("kalvor import -u")
            << QStringLiteral("Parameter -u (gibt den Namen des Datenbank-Benutzers an) ist zwar "
                              "vorhanden, hat aber keinen Wert")
            << QStringLiteral("Parameter -u ist vorhanden, hat aber keinen Wert");
        QTest::newRow("-u given twice, the later empty")
            << args("kalvor import -u anna -u -p pw -h host -f datei")
            << QStringLiteral("Parameter -u (gibt den Namen des Datenbank-Benutzers an) ist zwar "
                              "vorhanden, hat aber keinen Wert")
            << QStringLiteral("Parameter -u ist vorhanden, hat aber keinen Wert");
        QTest::newRow("-p missing") << args("kalvor import -u anna -x 1")
                                    << QStringLiteral("Parameter -p (gibt das Passwort des "
                                                      "Datenbank-Benutzers an) fehlt")
                                    << QStringLiteral("Parameter -p fehlt");
        QTest::newRow("-p followed by -h")
            << args("kalvor import -u anna -p -h host -f datei")
            << QStringLiteral("Parameter -p (gibt das Passwort des Datenbank-Benutzers an) ist "
                              "zwar vorhanden, hat aber keinen Wert")
            << QStringLiteral("Parameter -p ist vorhanden, hat aber keinen Wert");
        QTest::newRow("-h missing") << args("kalvor import -u anna -p pw")
                                    << QStringLiteral("Parameter -h (gibt die URL des "
                                                      "Datenbankservers an) fehlt")
                                    << QStringLiteral("Parameter -h fehlt");
        QTest::newRow("-h empty")
            << args("kalvor import -u anna -p pw -h")
            << QStringLiteral("Parameter -h (gibt die URL des Datenbankservers an) ist zwar "
                              "vorhanden, hat aber keinen Wert")
            << QStringLiteral("Parameter -h ist vorhanden, hat aber keinen Wert");
        QTest::newRow("-f missing") << args("kalvor import -u anna -p pw -h host")
                                    << QStringLiteral("Parameter -f (gibt die zu importierende "
                                                      "Datei an) fehlt")
                                    << QStringLiteral("Parameter -f fehlt");
        QTest::newRow("-f empty")
            << args("kalvor import -u anna -p pw -h host -f")
            << QStringLiteral("Parameter -f (gibt die zu importierende Datei an) ist zwar "
                              "vorhanden, hat aber keinen Wert")
            << QStringLiteral("Parameter -f ist vorhanden, hat aber keinen Wert");
        QTest::newRow("other parameter")
            << args("kalvor import -u anna -p pw -h host -f datei -x 1")
            << QString::fromUtf8("Illegaler Parameter für Kommando import: -x")
            << QString::fromUtf8("Illegaler Parameter für Import: -x");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(QString, logged);
        OutputCapture capture(2);
        const int code = CommandLine().run(arguments);
        const QStringList lines = capture.lines();
        QCOMPARE(code, -1);
        QVERIFY2(lines.contains(error), qPrintable(lines.join(QLatin1Char('\n'))));
        // Without a connection the log messages go to standard error as well.
        QVERIFY2(lines.contains(QStringLiteral("[CommandLine][9] CommandLine.cpp says: ") + logged),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(lines.contains(QStringLiteral(
                     "[CommandLine][8] CommandLine.cpp says: Kalvor im Modus fuer das "
                     "Importieren von der Kommandozeile gestartet")),
                 arguments.at(1) == QLatin1String("import"));
    }

    void commandLineWithoutParameters()
    {
        OutputCapture capture(2);
        QCOMPARE(CommandLine().run({QStringLiteral("kalvor")}), -1);
        QCOMPARE(capture.lines(), QStringList(QStringLiteral(
                                      "[CommandLine][9] CommandLine.cpp says: Keine Parameter "
                                      "angegeben")));
    }

    void commandLineConnectsWithTheGivenAccount()
    {
        const QString socket = QString::fromStdString(TestDatabase::socketAddress().socket);
        const std::string sessions = "SELECT COUNT(*) FROM Session WHERE benutzername = 'root'";
        auto admin = TestDatabase::connectAsAdmin("kdb");
        const int before = std::stoi(TestDatabase::scalar(*admin, sessions));
        {
            OutputCapture capture(2);
            const int code = CommandLine().run({QStringLiteral("kalvor"), QStringLiteral("import"),
                                                QStringLiteral("-u"), QStringLiteral("root"),
                                                QStringLiteral("-p"), rootPassword(),
                                                QStringLiteral("-h"), socket,
                                                QStringLiteral("-f"), QStringLiteral("daten.csv")});
            const QString text = capture.text();
            QCOMPARE(code, -1);
            QVERIFY2(text.contains(QStringLiteral("Fehler beim Import: Import nicht verfuegbar\n"
                                                  "==> Im Detail: ")),
                     qPrintable(text));
            QVERIFY(!text.contains(rootPassword()));
        }
        // Two contexts, both with the account given: two sessions of root.
        QCOMPARE(std::stoi(TestDatabase::scalar(*admin, sessions)), before + 2);

        OutputCapture capture(2);
        QCOMPARE(CommandLine().run({QStringLiteral("kalvor"), QStringLiteral("import"),
                                    QStringLiteral("-u"), QStringLiteral("root"),
                                    QStringLiteral("-p"), QStringLiteral("falsch"),
                                    QStringLiteral("-h"), socket, QStringLiteral("-f"),
                                    QStringLiteral("daten.csv")}),
                 -1);
        QVERIFY(capture.lines().contains(
            QStringLiteral("Fehler beim Import: Anmeldung an der Datenbank fehlgeschlagen")));
    }

    void loginFailuresReturnToTheDialog_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("textStart");
        QTest::newRow("wrong password")
            << QString() << QStringLiteral("root") << QStringLiteral("falsch")
            << QStringLiteral("Fehler beim Anmelden.")
            << QStringLiteral("Ihre Anmeldung am System ist leider gescheitert. Es kam die "
                              "folgende Fehlermeldung zurueck: \n Access denied for user 'root'");
        QTest::newRow("not registered")
            << QStringLiteral("account") << QStringLiteral("gast") << QStringLiteral("pw-gast")
            << QStringLiteral("Benutzer nicht registriert")
            << QStringLiteral("Ein solcher Benutzer ist nicht registriert.  Bitte pruefen Sie");
        QTest::newRow("no desktop login")
            << QStringLiteral("web only") << QStringLiteral("gast") << QStringLiteral("pw-gast")
            << QStringLiteral("Anmeldung nicht erlaubt")
            << QStringLiteral("Dieser Benutzer darf sich nicht an der GUI anmelden.  Eventuell ist "
                              "fuer ihn nur der Webzugriff freigeschaltet.");
        QTest::newRow("wrong data model")
            << QStringLiteral("old model") << QStringLiteral("root") << QString()
            << QStringLiteral("Falsches Datenmodell")
            << QStringLiteral("Die vorliegende Programmversion benoetigt ein Datenmodell der "
                              "Version 1.37, das auf der Datenbank vorliegende Datenmodell hat "
                              "aber Version 1.36.");
    }

    void loginFailuresReturnToTheDialog()
    {
        QFETCH(QString, setup);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        TestDatabase::reinstall();
        if (!setup.isEmpty() && setup != QLatin1String("old model"))
            TestDatabase::createAccount("gast", "pw-gast");
        if (setup == QLatin1String("web only"))
            run("INSERT INTO Benutzer (benutzername, guiBenutzer, webBenutzer) VALUES ('gast', "
                "FALSE, TRUE)");
        if (setup == QLatin1String("old model"))
            run("UPDATE DataModelInfo SET version = '1.36'");

        ScriptedLogins logins;
        logins.add(record(user, password.isNull() ? rootPassword() : password));
        MainWindow window(logins.prompt());
        QVERIFY(window.loginCancelled()); // the second round of the dialog was cancelled
        QVERIFY(!window.context());
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes.shown().front().title, title);
        QVERIFY2(m_boxes.shown().front().text.startsWith(textStart),
                 qPrintable(m_boxes.shown().front().text));
        TestDatabase::reinstall();
    }

    void loginSucceedsAndReloginKeepsContext()
    {
        ScriptedLogins logins;
        logins.add(record(QStringLiteral("root"), QStringLiteral("falsch")));
        logins.add(record(QStringLiteral("root"), rootPassword()));
        MainWindow window(logins.prompt());
        QVERIFY(!window.loginCancelled());
        QVERIFY(window.context());
        QCOMPARE(m_boxes.shown().size(), size_t(1)); // the failed first try
        const QString socket = QString::fromStdString(TestDatabase::socketAddress().socket);
        QCOMPARE(window.kontextzeile()->verbindungText(),
                 QStringLiteral("Verbindung mit Benutzer root zu ") + socket);
        QCOMPARE(window.kontextzeile()->vereinText(), QStringLiteral("Kein Verein ausgewaehlt"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Kalvor"));
        QCOMPARE(window.minimumSize(), QSize(500, 500));

        // The successful login is remembered, never with its password.
        const auto remembered = RememberedConnections::load();
        QCOMPARE(remembered.size(), size_t(1));
        QCOMPARE(remembered.front()->getBenutzername(), QStringLiteral("root"));
        QCOMPARE(remembered.front()->getConnectionURL(), socket);
        QVERIFY(!remembered.front()->hasPassword());

        // A cancelled new login keeps the context.
        DatabaseContext *before = window.context();
        QVERIFY(!window.meldeNeuAn());
        QCOMPARE(window.context(), before);
    }

    void menusByRole()
    {
        TestDatabase::createAccount("anna", "pw-anna");
        run("DELETE FROM Benutzer WHERE benutzername = 'anna'");
        run("INSERT INTO Benutzer (benutzername, guiBenutzer) VALUES ('anna', TRUE)");
        ScriptedLogins logins;
        logins.add(record(QStringLiteral("root"), rootPassword()));
        MainWindow window(logins.prompt());
        QCOMPARE(menuTitles(window),
                 QStringList({"&Datei", "&Stammdaten", "&Verein", "&Wettbewerb", "&Administration",
                              "&Hilfe"}));
        QCOMPARE(entries(window, QStringLiteral("&Verein")),
                 QStringList({"Aus&waehlen", "-", "&Ansehen", "A&nlegen", "&Bearbeiten",
                              "&Loeschen"}));
        QCOMPARE(entries(window, QStringLiteral("&Wettbewerb")),
                 QStringList({"A&nlegen", "&Oeffnen", "-", "&Loeschen"}));
        QCOMPARE(entries(window, QStringLiteral("&Administration")),
                 QStringList({"&Benutzerverwaltung", "&Datenberechtigungen ein/ausschalten",
                              "Log-&Einstellungen verwalten", "&Log-Meldungen ansehen",
                              "&Sessions ansehen"}));
        QCOMPARE(window.action(QStringLiteral("beenden"))->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(window.action(QStringLiteral("importiere"))->statusTip(),
                 QStringLiteral("Importiert Daten"));
        // What this version cannot do yet is greyed out, not silently dead.
        QVERIFY(!window.action(QStringLiteral("importiere"))->isEnabled());
        QVERIFY(window.action(QStringLiteral("oeffneHilfeUeberDialog"))->isEnabled());

        logins.add(record(QStringLiteral("anna"), QStringLiteral("pw-anna")));
        QVERIFY(window.meldeNeuAn());
        QCOMPARE(menuTitles(window),
                 QStringList({"&Datei", "&Stammdaten", "&Verein", "&Wettbewerb", "&Benutzer",
                              "&Hilfe"}));
        QCOMPARE(entries(window, QStringLiteral("&Verein")),
                 QStringList({"Aus&waehlen", "-", "&Ansehen", "A&nlegen", "&Bearbeiten"}));
        QCOMPARE(entries(window, QStringLiteral("&Wettbewerb")),
                 QStringList({"A&nlegen", "&Oeffnen"}));
        QCOMPARE(entries(window, QStringLiteral("&Benutzer")),
                 QStringList({"Eigene &Datenberechtigungen Ansehen", "&Passwort Aendern"}));
        QCOMPARE(window.kontextzeile()->verbindungText().section(QLatin1Char(' '), 0, 3),
                 QStringLiteral("Verbindung mit Benutzer anna"));
    }

    void activeClub()
    {
        ScriptedLogins logins;
        logins.add(record(QStringLiteral("root"), rootPassword()));
        MainWindow window(logins.prompt());
        Verein club;
        club.setName(QStringLiteral("Fotoklub Wels"));
        club.setVereinsNummerKomplett(QStringLiteral("41"));
        VereinController().insertOrUpdate(*window.context(), club);

        // Cancelling the creation of a club leaves no active club, even if one was active.
        window.setzeAktivenVerein(&club);
        QCOMPARE(window.kontextzeile()->vereinText(), QStringLiteral("Aktueller Verein: Fotoklub Wels"));
        m_boxes.answer(true); // "Wirklich abbrechen?"
        onNextDialog([](QDialog *dialog) { dialog->reject(); });
        window.legeVereinAn();
        QVERIFY(!window.aktiverVerein());
        QCOMPARE(window.kontextzeile()->vereinText(), QStringLiteral("Kein Verein ausgewaehlt"));

        // Viewing without an active club asks for one; choosing none ends the call.
        onNextDialog([](QDialog *dialog) {
            QVERIFY(qobject_cast<VereinsSucheDialog *>(dialog));
            QMetaObject::invokeMethod(dialog, "waehleKeinenVereinAus");
        });
        window.seheVereinAn();
        QVERIFY(!window.aktiverVerein());

        // Deleting always asks which club, even with an active one; the question that
        // follows is answered no and nothing is deleted.
        window.setzeAktivenVerein(&club);
        m_boxes.clear();
        bool asked = false;
        onNextDialog([&asked](QDialog *dialog) {
            asked = qobject_cast<VereinsSucheDialog *>(dialog) != nullptr;
            dialog->reject();
        });
        window.loescheVerein();
        QVERIFY(asked);
        QVERIFY(!m_boxes.shown().empty());
        QCOMPARE(m_boxes.shown().front().title, QStringLiteral("Verein wirklich loeschen?"));
        QVERIFY(VereinController().readById(*window.context(), club.getId()));
        QVERIFY(window.aktiverVerein());
        TestDatabase::reinstall();
    }

    void rememberedConnections()
    {
        RememberedConnections::store(QStringLiteral("a"), QStringLiteral("s1"));
        RememberedConnections::store(QStringLiteral("b"), QStringLiteral("s2"));
        RememberedConnections::store(QStringLiteral("a"), QStringLiteral("s1")); // moves to the end
        RememberedConnections::store(QStringLiteral("c"), QStringLiteral("s3"));
        RememberedConnections::store(QStringLiteral("d"), QStringLiteral("s4")); // drops b
        RememberedConnections::store(QString(), QStringLiteral("s5"));          // not remembered
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalvor"),
                           QStringLiteral("Kalvor"));
        QCOMPARE(settings.value(QStringLiteral("OldConnections")).toString(),
                 QStringLiteral("a;s1;c;s3;d;s4"));

        settings.setValue(QStringLiteral("OldConnections"), QStringLiteral(";;u1;s1;;"));
        settings.sync();
        const auto loaded = RememberedConnections::load();
        QCOMPARE(loaded.size(), size_t(1));
        QCOMPARE(loaded.front()->getBenutzername(), QStringLiteral("u1"));
        QCOMPARE(loaded.front()->getConnectionURL(), QStringLiteral("s1"));
    }

    void loginDialog()
    {
        {
            LoginDialog fresh;
            QCOMPARE(fresh.windowTitle(), QStringLiteral("Anmeldung"));
            QCOMPARE(fresh.serverField()->count(), 1);
            QCOMPARE(fresh.serverField()->itemText(0), QStringLiteral("localhost"));
            QVERIFY(fresh.userNameField()->text().isEmpty());
            QCOMPARE(fresh.serverField()->styleSheet(),
                     QStringLiteral("background-color: rgb(240, 240, 120)"));
            QCOMPARE(fresh.passwordField()->echoMode(), QLineEdit::Password);
            fresh.schliessenUndEinloggen();
            QCOMPARE(fresh.result(), int(QDialog::Rejected));
            QCOMPARE(m_boxes.shown().size(), size_t(1));
            QCOMPARE(m_boxes.shown().front().title, QStringLiteral("Nicht alle Daten eingegeben"));
            QCOMPARE(m_boxes.shown().front().text,
                     QStringLiteral("Bitte fuellen Sie alle Eingabefelder aus."));
        }
        RememberedConnections::store(QStringLiteral("a"), QStringLiteral("s1"));
        RememberedConnections::store(QStringLiteral("b"), QStringLiteral("s2"));
        RememberedConnections::store(QStringLiteral("c"), QStringLiteral("s1"));
        LoginDialog dialog;
        QCOMPARE(dialog.userNameField()->text(), QStringLiteral("c"));
        QCOMPARE(dialog.serverField()->count(), 2);
        QCOMPARE(dialog.serverField()->itemText(0), QStringLiteral("s1"));
        QCOMPARE(dialog.serverField()->itemText(1), QStringLiteral("s2"));
        dialog.passwordField()->setText(QStringLiteral("geheim"));
        dialog.serverField()->setEditText(QStringLiteral("db.example.org"));
        dialog.schliessenUndEinloggen();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().getBenutzername(), QStringLiteral("c"));
        QCOMPARE(dialog.record().getPassword(), QStringLiteral("geheim"));
        QCOMPARE(dialog.record().getConnectionURL(), QStringLiteral("db.example.org"));
    }

    void timeIntervals_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("0 Sekunden");
        QTest::newRow("59") << 59 << QStringLiteral("59 Sekunden");
        QTest::newRow("60") << 60 << QStringLiteral("1 Minuten, 0 Sekunden");
        QTest::newRow("3599") << 3599 << QStringLiteral("59 Minuten, 59 Sekunden");
        QTest::newRow("3600") << 3600 << QStringLiteral("1 Stunden, 0 Minuten, 0 Sekunden");
        QTest::newRow("90061") << 90061 << QStringLiteral("25 Stunden, 1 Minuten, 1 Sekunden");
    }

    void timeIntervals()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(MainWindow::getTimeIntervalString(seconds), text);
    }

    void contextLineAndAbout()
    {
        auto ctx = TestDatabase::openContext();
        Kontextzeile line;
        line.setContext(ctx.get());
        line.setzeStatus(QStringLiteral("Exportiere Daten"));
        QCOMPARE(line.statusText(), QStringLiteral("Status: Exportiere Daten"));
        line.setzeStatus(QString());
        QVERIFY(line.statusText().isEmpty());
        Verein club;
        line.aktualisiereVerein(&club);
        QCOMPARE(line.vereinText(), QStringLiteral("Verein ohne Vereinsnamen"));
        club.setName(QStringLiteral("Fotoklub Steyr"));
        line.aktualisiereVerein(&club);
        QCOMPARE(line.vereinText(), QStringLiteral("Aktueller Verein: Fotoklub Steyr"));

        {
            HilfeUeberDialog about(*ctx);
            QCOMPARE(about.windowTitle(), QStringLiteral("Informationen zu Kalvor"));
            QCOMPARE(about.value(QStringLiteral("Programmversion:")), QStringLiteral("1.37.20"));
            QCOMPARE(about.value(QStringLiteral("SVN-Version:")),
                     QStringLiteral("54 (2015-04-13 22:15)"));
            QCOMPARE(about.value(QStringLiteral("Datenmodell-Version:")), QStringLiteral("1.37"));
            QCOMPARE(about.value(QStringLiteral("Datenmodellgenerator-Version:")),
                     QStringLiteral("0.8"));
        }
        run("INSERT INTO DataModelInfo (version) VALUES ('1.37')");
        HilfeUeberDialog about(*ctx);
        QCOMPARE(about.value(QStringLiteral("Datenmodell-Version:")), QStringLiteral("Nicht bekannt"));
        TestDatabase::reinstall();
    }

    void databaseErrorsAreShownAndLogged()
    {
        auto ctx = TestDatabase::openContext();
        run("DELETE FROM EventLogSettings");
        EventLogSettings rule;
        rule.setToStdOut(true);
        EventLogSettingsController().insertOrUpdate(*ctx, rule);
        ctx->reloadEventLogConfiguration();
        OutputCapture capture;
        DatabaseErrorDialog::show(*ctx, nullptr, QStringLiteral("VereinBearbeitenDialog"),
                                  PersistenceException(QStringLiteral("Titel"),
                                                       QStringLiteral("Langer Text")));
        QCOMPARE(capture.lines(),
                 QStringList(QStringLiteral(
                     "[Fehlermeldung][7] VereinBearbeitenDialog says: Langer Text")));
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes.shown().front().title, QStringLiteral("Titel"));
        QCOMPARE(m_boxes.shown().front().text, QStringLiteral("Langer Text"));
        TestDatabase::reinstall();
    }

    void screenshots()
    {
        QDir().mkpath(QStringLiteral(KALVOR_SCREENSHOT_DIR));
        LoginDialog dialog;
        dialog.resize(dialog.sizeHint());
        QVERIFY(dialog.grab().save(QStringLiteral(KALVOR_SCREENSHOT_DIR "/login.png")));

        ScriptedLogins logins;
        logins.add(record(QStringLiteral("root"), rootPassword()));
        MainWindow window(logins.prompt());
        window.resize(900, 600);
        window.show();
        QVERIFY(window.grab().save(QStringLiteral(KALVOR_SCREENSHOT_DIR "/mainwindow.png")));
    }

private:
    QTemporaryDir m_settings;
    RecordingMessageBoxes m_boxes;
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
