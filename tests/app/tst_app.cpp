// Start-up: the command line, the login with its remembered connections, the main window with
// its menus by role and the active club.
#include "ArchiveHelper.h"
#include "CommandLine.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FileDialogs.h"
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
#include "controllers/EventLogSettingsController.h"
#include "controllers/VereinController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Verein.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <deque>
#include <optional>
#include <functional>

namespace {

using TestDatabase::run;

QString rootPassword()
{
    return QString::fromStdString(TestDatabase::adminPassword());
}

QString socket()
{
    return QString::fromStdString(TestDatabase::socketAddress().socket);
}

// Logins (user, password) answered in turn; a cancel when they run out.
struct ScriptedLogins
{
    std::deque<std::pair<QString, QString>> queue;
    void add(const QString &user, const QString &password) { queue.push_back({user, password}); }
    MainWindow::LoginPrompt prompt()
    {
        return [this](QWidget *) -> std::unique_ptr<DatenbankVerbindung> {
            if (queue.empty())
                return nullptr;
            auto login = std::make_unique<DatenbankVerbindung>();
            login->setBenutzername(queue.front().first);
            login->setPassword(queue.front().second);
            login->setConnectionURL(socket());
            queue.pop_front();
            return login;
        };
    }
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

// The titles of the menus, or the entries of the menu with the given title.
QStringList menu(QMainWindow &window, const QString &title = {})
{
    QStringList texts;
    for (QAction *action : window.menuBar()->actions()) {
        if (title.isEmpty())
            texts << action->text();
        else if (action->text() == title)
            for (QAction *entry : action->menu()->actions())
                texts << entry->text();
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
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvor", "Kalvor").clear();
    }
    void cleanupTestCase() { MessageBoxes::install(nullptr); }

    void commandLine_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("error");  // for the user; none: the log line only
        QTest::addColumn<QString>("logged"); // the message of the log line
        const QString kalvor = "kalvor";
        QTest::newRow("no parameters") << kalvor << QString() << "Keine Parameter angegeben";
        QTest::newRow("unknown command") << "kalvor export"
                                         << "Illegales Kommando: export - Erlaubt: import"
                                         << "Illegales Kommando: export";
        QTest::newRow("no parameter name")
            << "kalvor import datei.csv"
            << "Illegaler Parameter: datei.csv"
            << "Illegaler Parameter - muss mit einem Minuszeichen anfangen";
        QTest::newRow("-u missing")
            << "kalvor import"
            << "Parameter -u (gibt den Namen des Datenbank-Benutzers an) fehlt"
            << "Parameter -u fehlt";
        QTest::newRow("-u given twice, the later empty")
            << "kalvor import -u anna -u -p pw -h host -f datei"
            << "Parameter -u (gibt den Namen des Datenbank-Benutzers an) ist zwar vorhanden, hat "
               "aber keinen Wert"
            << "Parameter -u ist vorhanden, hat aber keinen Wert";
        QTest::newRow("-p followed by -h")
            << "kalvor import -u anna -p -h host -f datei"
            << "Parameter -p (gibt das Passwort des Datenbank-Benutzers an) ist zwar vorhanden, "
               "hat aber keinen Wert"
            << "Parameter -p ist vorhanden, hat aber keinen Wert";
        QTest::newRow("-f empty at the end")
            << "kalvor import -u anna -p pw -h host -f"
            << "Parameter -f (gibt die zu importierende Datei an) ist zwar vorhanden, hat aber "
               "keinen Wert"
            << "Parameter -f ist vorhanden, hat aber keinen Wert";
        QTest::newRow("other parameter") << "kalvor import -u anna -p pw -h host -f datei -x 1"
                                         << QString::fromUtf8("Illegaler Parameter für Kommando "
                                                              "import: -x")
                                         << QString::fromUtf8("Illegaler Parameter für Import: -x");
    }

    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, error);
        QFETCH(QString, logged);
        const QStringList argv = arguments.split(QLatin1Char(' '));
        OutputCapture capture(2);
        const int code = CommandLine().run(argv);
        const QStringList lines = capture.lines();
        QCOMPARE(code, -1);
        // Without a connection the log lines go to standard error as well.
        QStringList expected{"[CommandLine][9] CommandLine.cpp says: " + logged};
        if (argv.value(1) == QLatin1String("import"))
            expected.prepend("[CommandLine][8] CommandLine.cpp says: Kalvor im Modus fuer das "
                             "Importieren von der Kommandozeile gestartet");
        if (!error.isEmpty())
            expected << error;
        for (const QString &line : expected)
            QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
        QCOMPARE(lines.size(), expected.size());
    }

    // The import from the command line: a CSV file or a ZIP archive (unpacked beside itself,
    // the temporary directory removed also after a failure) imported with the account given
    // (two sessions); every failure ends in the two lines on standard error and -1, with
    // nothing written and the password never shown.
    void commandLineImport_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("inhalt"); // one CSV text; an archive holds each
        QTest::addColumn<QString>("benutzer");   // "leser" may read only
        QTest::addColumn<QString>("passwort");   // empty: the right one
        QTest::addColumn<int>("neu");
        QTest::addColumn<QString>("ausgabe");    // standard output on success, else standard error
        const QString zwei = "Schema;Verein;vereinsNummerLokal;name;inaktiv\n"
                             "Daten;Verein;901;CLI Eins;false\nDaten;Verein;902;CLI Zwei;false\n";
        const QString erfolg = "Import beendet: 2 Datensaetze gelesen, 2 neu eingefuegt, 0 "
                               "ueberschrieben, 0 ignoriert.";
        QTest::newRow("csv") << "daten.csv" << QStringList{zwei} << "root" << "" << 2 << erfolg;
        QTest::newRow("zip") << "daten.zip" << QStringList{zwei} << "root" << "" << 2 << erfolg;
        QTest::newRow("refused row")
            << "daten.csv" << QStringList{zwei + "Daten;Verein;903;;false\n"} << "root" << "" << 0
            << "Fehler beim Import: Attribut nicht angegeben\n==> Im Detail: Fehler beim Einlesen "
               "von Zeile 4 der Datei {datei}: \n";
        QTest::newRow("two csv in the archive")
            << "daten.zip" << QStringList{zwei, zwei} << "root" << "" << 0
            << "Fehler beim Import: Mehrere csv-Dateien\n==> Im Detail: Fehler beim Einlesen der "
               "Datei {datei}: \n\nDas zu importierende Archiv enthaelt mehrere csv-Dateien. Das "
               "ist nicht erlaubt.\n\nDaher konnten";
        QTest::newRow("capital ending") << "daten.ZIP" << QStringList{zwei} << "root" << "" << 0
                                        << "Fehler beim Import: Falsches Dateiformat\n";
        QTest::newRow("wrong password")
            << "daten.csv" << QStringList{zwei} << "root" << "falsch" << 0
            << "Fehler beim Import: Anmeldung an der Datenbank fehlgeschlagen\n==> Im Detail: ";
        QTest::newRow("no permission to write")
            << "daten.csv" << QStringList{zwei} << "leser" << "" << 0
            << "Fehler beim Import: Keine Berechtigung.\n==> Im Detail: Fehler beim Einlesen der "
               "Datei {datei}: \n\nSie haben keine Berechtigung, dieses Objekt vom Typ Verein auf "
               "die Datenbank zu schreiben.";
    }
    void commandLineImport()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, inhalt);
        QFETCH(QString, benutzer);
        QFETCH(QString, passwort);
        QFETCH(int, neu);
        QFETCH(QString, ausgabe);
        run("DELETE FROM Verein WHERE name LIKE 'CLI %'");
        QString geheim = rootPassword();
        if (benutzer != "root") {
            geheim = "Lese-" + rootPassword();
            TestDatabase::createAccount(benutzer.toStdString(), geheim.toStdString());
            run("REVOKE ALL PRIVILEGES, GRANT OPTION FROM 'kdb_leser'@'localhost'");
            run("GRANT SELECT ON kdb.* TO 'kdb_leser'@'localhost'");
            run("GRANT INSERT, UPDATE ON kdb.Session TO 'kdb_leser'@'localhost'");
            run("GRANT INSERT ON kdb.EventLog TO 'kdb_leser'@'localhost'");
            run("GRANT INSERT ON kdb.QueryLog TO 'kdb_leser'@'localhost'");
        }
        QTemporaryDir dir;
        const QString pfad = dir.filePath(datei);
        QDir quelle(dir.filePath("quelle"));
        QVERIFY(QDir(dir.path()).mkdir("quelle"));
        for (int i = 0; i < inhalt.size(); ++i) {
            QFile csv(quelle.filePath(QString("daten%1.csv").arg(i)));
            QVERIFY(csv.open(QIODevice::WriteOnly));
            csv.write(inhalt[i].toUtf8());
        }
        if (datei.endsWith(".csv")) {
            QVERIFY(QFile::rename(quelle.filePath("daten0.csv"), pfad));
            QVERIFY(quelle.removeRecursively());
        } else {
            ArchiveHelper::schreibeArchiv(*TestDatabase::openContext(), quelle, dir.path(), "daten", true);
            QVERIFY(pfad == dir.filePath("daten.zip") || QFile::rename(dir.filePath("daten.zip"), pfad));
        }
        const std::string sessions = "SELECT COUNT(*) FROM Session";
        const int vorher = std::stoi(TestDatabase::scalar(sessions));

        OutputCapture fehler(2);
        OutputCapture aus(1);
        const int code = CommandLine().run({"kalvor", "import", "-u", benutzer, "-p",
                                            passwort.isEmpty() ? geheim : passwort, "-h", socket(),
                                            "-f", pfad});
        const QString standard = aus.text();
        const QString text = fehler.text();
        QVERIFY2(!(standard + text).contains(geheim), qPrintable(text));
        QCOMPARE(code, ausgabe.startsWith("Import beendet") ? 0 : -1);
        ausgabe.replace("{datei}", pfad);
        QVERIFY2((code == 0 ? standard : text).contains(ausgabe), qPrintable(standard + text));
        QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM Verein WHERE name LIKE 'CLI %'"),
                 std::to_string(neu));
        QCOMPARE(std::stoi(TestDatabase::scalar(sessions)), vorher + (passwort.isEmpty() ? 2 : 0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{datei});
    }

    void loginFailuresReturnToTheDialog_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password"); // none: the right one of root
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("wrong password")
            << QString() << "root"
            << "falsch"
            << "Fehler beim Anmelden."
            << "Ihre Anmeldung am System ist leider gescheitert. Es kam die folgende "
               "Fehlermeldung zurueck: \n Access denied for user 'root'@'localhost' (using "
               "password: YES)\n\nHaben Sie Ihren Benutzernamen und Ihr Passwort richtig "
               "geschrieben?";
        QTest::newRow("not registered")
            << "account"
            << "gast"
            << "pw-gast"
            << "Benutzer nicht registriert"
            << "Ein solcher Benutzer ist nicht registriert.  Bitte pruefen Sie, ob Sie sich mit "
               "dem richtigen, korrekt geschriebenen Benutzernamen angemeldet haben.\n\nFalls "
               "dies eine lokale Installation ist, koennen Sie sich ggf. als root-Benutzer "
               "(Administrator) anmelden und den gewuenschten Benutzer ueber das "
               "Administrationsmenu anlegen.  Falls Sie sich ueber das Netz bei einer zentralen "
               "Installation anmelden wollen, kontaktieren Sie bitte ggf. den dortigen "
               "Administrator.";
        QTest::newRow("no desktop login")
            << "web only"
            << "gast"
            << "pw-gast"
            << "Anmeldung nicht erlaubt"
            << "Dieser Benutzer darf sich nicht an der GUI anmelden.  Eventuell ist fuer ihn nur "
               "der Webzugriff freigeschaltet.";
        QTest::newRow("wrong data model")
            << "old model"
            << "root" << QString() << "Falsches Datenmodell"
            << "Die vorliegende Programmversion benoetigt ein Datenmodell der Version 1.37, das "
               "auf der Datenbank vorliegende Datenmodell hat aber Version 1.36. Verwenden Sie "
               "eine veraltete Programmversion? \n\nBitte kontaktieren Sie noetigenfalls Ihren "
               "Administrator.";
    }

    void loginFailuresReturnToTheDialog()
    {
        QFETCH(QString, setup);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestDatabase::reinstall();
        if (setup == QLatin1String("account") || setup == QLatin1String("web only"))
            TestDatabase::createAccount("gast", "pw-gast");
        if (setup == QLatin1String("web only"))
            run("INSERT INTO Benutzer (benutzername, guiBenutzer, webBenutzer) VALUES ('gast', "
                "FALSE, TRUE)");
        if (setup == QLatin1String("old model"))
            run("UPDATE DataModelInfo SET version = '1.36'");

        ScriptedLogins logins;
        logins.add(user, password.isNull() ? rootPassword() : password);
        MainWindow window(logins.prompt());
        QVERIFY(window.loginCancelled()); // the second round of the dialog was cancelled
        QVERIFY(!window.context());
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes.shown().front().title, title);
        QCOMPARE(m_boxes.shown().front().text, text);
        TestDatabase::reinstall();
    }

    // After a failed try the dialog comes again; the login that succeeds is remembered, without
    // its password. Only administrators get the administration menu and may delete clubs and
    // competitions, the others get their own menu.
    void loginMenusByRoleAndRelogin()
    {
        TestDatabase::createAccount("anna", "pw-anna");
        run("DELETE FROM Benutzer WHERE benutzername = 'anna'");
        run("INSERT INTO Benutzer (benutzername, guiBenutzer) VALUES ('anna', TRUE)");
        ScriptedLogins logins;
        logins.add("root", "falsch");
        logins.add("root", rootPassword());
        MainWindow window(logins.prompt());
        QVERIFY(window.context());
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(window.kontextzeile()->verbindungText(),
                 "Verbindung mit Benutzer root zu " + socket());
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvor", "Kalvor")
                     .value("OldConnections")
                     .toString(),
                 "root;" + socket());
        QCOMPARE(menu(window), QStringList({"&Datei", "&Stammdaten", "&Verein", "&Wettbewerb",
                                            "&Administration", "&Hilfe"}));
        QVERIFY(menu(window, "&Verein").contains("&Loeschen"));
        QVERIFY(menu(window, "&Wettbewerb").contains("&Loeschen"));

        // A cancelled new login keeps the context.
        DatabaseContext *before = window.context();
        QVERIFY(!window.meldeNeuAn());
        QCOMPARE(window.context(), before);

        logins.add("anna", "pw-anna");
        QVERIFY(window.meldeNeuAn());
        QCOMPARE(menu(window), QStringList({"&Datei", "&Stammdaten", "&Verein", "&Wettbewerb",
                                            "&Benutzer", "&Hilfe"}));
        QVERIFY(!menu(window, "&Verein").contains("&Loeschen"));
        QVERIFY(!menu(window, "&Wettbewerb").contains("&Loeschen"));
        QVERIFY(
            window.kontextzeile()->verbindungText().startsWith("Verbindung mit Benutzer anna "));
    }

    // The club exports write the active club; without one the user is told and no file is
    // asked for.
    void clubExports()
    {
        ScriptedLogins logins;
        logins.add("root", rootPassword());
        MainWindow window(logins.prompt());
        ScriptedFileDialogs files;
        FileDialogs::install(&files);
        QTemporaryDir target;
        m_boxes.clear();
        window.action("exportiereVereinsMitglieder")->trigger();
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().back().title, QStringLiteral("Kein Verein ausgewaehlt"));
        QVERIFY(files.captions().isEmpty());

        Verein club;
        club.setName("Fotoklub Wels");
        VereinController().insertOrUpdate(*window.context(), club);
        window.setzeAktivenVerein(&club);
        files.answer(target.filePath("verein.csv"));
        window.action("exportiereVerein")->trigger();
        FileDialogs::install(nullptr);
        QCOMPARE(files.captions(), QStringList("Dateiname fuer Export waehlen"));
        QCOMPARE(m_boxes.shown().back().title, QStringLiteral("Export erfolgreich beendet"));
        QFile file(target.filePath("verein.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY(data.contains("\nDaten;Verein;"));
        QVERIFY(data.contains("Fotoklub Wels"));
        TestDatabase::reinstall();
    }

    void activeClub()
    {
        ScriptedLogins logins;
        logins.add("root", rootPassword());
        MainWindow window(logins.prompt());
        Verein club;
        club.setName("Fotoklub Wels");
        club.setVereinsNummerKomplett("41");
        VereinController().insertOrUpdate(*window.context(), club);

        // Cancelling the creation of a club leaves no active club, even if one was active.
        window.setzeAktivenVerein(&club);
        QCOMPARE(window.kontextzeile()->vereinText(),
                 QStringLiteral("Aktueller Verein: Fotoklub Wels"));
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

        Verein unnamed;
        window.setzeAktivenVerein(&unnamed);
        QCOMPARE(window.kontextzeile()->vereinText(), QStringLiteral("Verein ohne Vereinsnamen"));
        TestDatabase::reinstall();
    }

    // The last three distinct logins are remembered, the latest last, nameless ones not; the
    // dialog fills in the latest user, offers each server once, the latest first, and refuses
    // to close while a field is empty.
    void rememberedConnectionsAndTheLoginDialog()
    {
        for (const char *login : {"a;s1", "b;s2", "a;s1", "c;s1", "d;s4", ";s5"}) {
            const QStringList parts = QString::fromLatin1(login).split(QLatin1Char(';'));
            RememberedConnections::store(parts[0], parts[1]);
        }
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Kalvor", "Kalvor");
        QCOMPARE(settings.value("OldConnections").toString(), QStringLiteral("a;s1;c;s1;d;s4"));
        LoginDialog dialog;
        QCOMPARE(dialog.userNameField()->text(), QStringLiteral("d"));
        QCOMPARE(dialog.serverField()->count(), 2);
        QCOMPARE(dialog.serverField()->itemText(0), QStringLiteral("s4"));
        QCOMPARE(dialog.serverField()->itemText(1), QStringLiteral("s1"));
        QCOMPARE(dialog.passwordField()->echoMode(), QLineEdit::Password);
        dialog.schliessenUndEinloggen();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().front().title, QStringLiteral("Nicht alle Daten eingegeben"));
        QCOMPARE(m_boxes.shown().front().text,
                 QStringLiteral("Bitte fuellen Sie alle Eingabefelder aus."));
        dialog.passwordField()->setText("geheim");
        dialog.serverField()->setEditText("db.example.org");
        dialog.schliessenUndEinloggen();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.record().getBenutzername(), QStringLiteral("d"));
        QCOMPARE(dialog.record().getPassword(), QStringLiteral("geheim"));
        QCOMPARE(dialog.record().getConnectionURL(), QStringLiteral("db.example.org"));

        settings.setValue("OldConnections", ";;u1;s1;;");
        settings.sync();
        const auto loaded = RememberedConnections::load();
        QCOMPARE(loaded.size(), size_t(1));
        QCOMPARE(loaded.front()->getBenutzername(), QStringLiteral("u1"));
        QCOMPARE(loaded.front()->getConnectionURL(), QStringLiteral("s1"));
    }

    // Over the network a session is encrypted whenever the server offers TLS. A login that
    // requires a verified certificate is refused by a server without TLS and by one whose
    // certificate another authority signed; the private server's socket stays as it is.
    void tlsLogins_data()
    {
        QTest::addColumn<bool>("withoutTls"); // the second server, which offers no TLS
        QTest::addColumn<bool>("overTcp");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("ca");
        QTest::addColumn<bool>("encrypted");
        QTest::addColumn<QString>("refusal"); // the title of the refusal, empty: logged in
        const QString right = qEnvironmentVariable("KALVOR_TEST_TLS_CA");
        const QString other = qEnvironmentVariable("KALVOR_TEST_TLS_OTHER_CA");
        const QString refused("Keine sichere Verbindung");
        QTest::newRow("offered") << false << true << false << QString() << true << QString();
        QTest::newRow("verified") << false << true << true << right << true << QString();
        QTest::newRow("other authority") << false << true << true << other << false << refused;
        QTest::newRow("not offered") << true << true << false << QString() << false << QString();
        QTest::newRow("not offered, required") << true << true << true << right << false << refused;
        QTest::newRow("authority file unreadable")
            << false << true << true << "/nonexistent/ca.pem" << false
            << "Zertifikat nicht lesbar";
        QTest::newRow("socket") << false << false << true << other << false << QString();
    }

    void tlsLogins()
    {
        QFETCH(bool, withoutTls);
        QFETCH(bool, overTcp);
        QFETCH(bool, verify);
        QFETCH(QString, ca);
        QFETCH(bool, encrypted);
        QFETCH(QString, refusal);
        std::optional<TestDatabase::HostileServer> hostile;
        if (withoutTls) {
            hostile.emplace();
            TestDatabase::reinstall();
        }
        auto login = std::make_unique<DatenbankVerbindung>();
        login->setBenutzername("root");
        login->setPassword(rootPassword());
        const ServerAddress tcp = TestDatabase::tcpAddress();
        login->setConnectionURL(overTcp ? QString::fromStdString(tcp.host) + ':' +
                                              QString::number(tcp.port)
                                        : QString::fromStdString(TestDatabase::socketAddress().socket));
        login->setTlsPruefen(verify);
        login->setTlsZertifizierungsstelle(ca);
        try {
            DatabaseContext ctx(std::move(login));
            QVERIFY(refusal.isEmpty());
            QVERIFY(ctx.isConnected());
            const std::string cipher = TestDatabase::scalar(
                ctx.connection(), "SELECT VARIABLE_VALUE FROM information_schema.SESSION_STATUS "
                                  "WHERE VARIABLE_NAME = 'SSL_CIPHER'");
            QCOMPARE(!cipher.empty(), encrypted);
            if (encrypted)
                qInfo("Ssl_cipher: %s", cipher.c_str());
        } catch (const PersistenceException &error) {
            QCOMPARE(error.shortText(), refusal);
            QVERIFY(!error.longText().contains(rootPassword()));
            if (refusal == QLatin1String("Keine sichere Verbindung"))
                QVERIFY2(error.longText().startsWith(
                             "Mit dem Datenbankserver " + QString::fromStdString(tcp.host) +
                             ':' + QString::number(tcp.port) +
                             " kam keine verschluesselte Verbindung mit geprueftem "
                             "Serverzertifikat zustande."),
                         qPrintable(error.longText()));
        }
    }

    // The login dialog shows the TLS setting remembered for the chosen server and records it
    // in the login; it is forgotten with the last login that names its server.
    void loginDialogRemembersTheTlsSetting()
    {
        RememberedConnections::store("a", "db.example.org");
        RememberedConnections::store("b", "other.example.org");
        RememberedConnections::storeTls("db.example.org", {true, "/etc/kalvor/ca.pem"});
        LoginDialog dialog;
        QCOMPARE(dialog.serverField()->currentText(), QStringLiteral("other.example.org"));
        QVERIFY(!dialog.tlsField()->isChecked());
        dialog.serverField()->setCurrentIndex(1);
        emit dialog.serverField()->textActivated(dialog.serverField()->currentText());
        QVERIFY(dialog.tlsField()->isChecked());
        QCOMPARE(dialog.caFileField()->text(), QStringLiteral("/etc/kalvor/ca.pem"));
        dialog.passwordField()->setText("geheim");
        dialog.schliessenUndEinloggen();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.record().getTlsPruefen());
        QCOMPARE(dialog.record().getTlsZertifizierungsstelle(), QStringLiteral("/etc/kalvor/ca.pem"));

        for (const char *server : {"s1", "s2", "s3"})
            RememberedConnections::store("c", server);
        QVERIFY(!RememberedConnections::tls("db.example.org").verifyServer);
    }

    void timeIntervals_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0 Sekunden";
        QTest::newRow("59") << 59 << "59 Sekunden";
        QTest::newRow("60") << 60 << "1 Minuten, 0 Sekunden";
        QTest::newRow("3599") << 3599 << "59 Minuten, 59 Sekunden";
        QTest::newRow("3600") << 3600 << "1 Stunden, 0 Minuten, 0 Sekunden";
        QTest::newRow("90061") << 90061 << "25 Stunden, 1 Minuten, 1 Sekunden";
    }

    void timeIntervals()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(MainWindow::getTimeIntervalString(seconds), text);
    }

    // The about dialog shows the data model version of the database, unless that is ambiguous.
    void aboutShowsTheDataModelVersion()
    {
        auto ctx = TestDatabase::openContext();
        QCOMPARE(HilfeUeberDialog(*ctx).value("Datenmodell-Version:"), QStringLiteral("1.37"));
        run("INSERT INTO DataModelInfo (version) VALUES ('1.37')");
        QCOMPARE(HilfeUeberDialog(*ctx).value("Datenmodell-Version:"),
                 QStringLiteral("Nicht bekannt"));
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
        DatabaseErrorDialog::show(*ctx, nullptr, "VereinBearbeitenDialog",
                                  PersistenceException("Titel", "Langer Text"));
        QCOMPARE(capture.lines(),
                 QStringList("[Fehlermeldung][7] VereinBearbeitenDialog says: Langer Text"));
        QCOMPARE(m_boxes.shown().size(), size_t(1));
        QCOMPARE(m_boxes.shown().front().kind, QStringLiteral("critical"));
        QCOMPARE(m_boxes.shown().front().title, QStringLiteral("Titel"));
        QCOMPARE(m_boxes.shown().front().text, QStringLiteral("Langer Text"));
        TestDatabase::reinstall();
    }

    void screenshots()
    {
        QDir().mkpath(KALVOR_SCREENSHOT_DIR);
        LoginDialog dialog;
        dialog.resize(dialog.sizeHint());
        QVERIFY(dialog.grab().save(KALVOR_SCREENSHOT_DIR "/login.png"));

        ScriptedLogins logins;
        logins.add("root", rootPassword());
        MainWindow window(logins.prompt());
        window.resize(900, 600);
        window.show();
        QVERIFY(window.grab().save(KALVOR_SCREENSHOT_DIR "/mainwindow.png"));
    }

private:
    QTemporaryDir m_settings;
    RecordingMessageBoxes m_boxes;
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"
