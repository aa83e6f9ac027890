// Users as database accounts on the real server: what each role may do once logged in, password
// changes and resets, deletion, hostile names and passwords, and storing that fails halfway.

#include "userfixtures.h"

#include "PersistenceException.h"
#include "TestRegistry.h"
#include "controllers/VereinsDatenBerechtigungController.h"

using namespace userfixtures;

class BenutzerKontoTest : public BenutzerTest
{
    Q_OBJECT
private slots:
    void rollen_data()
    {
        QTest::addColumn<bool>("gui");
        QTest::addColumn<bool>("web");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<bool>("erlaubt");
        const QString verein = QStringLiteral("INSERT INTO Verein (name) VALUES ('V')");
        const QString code = QStringLiteral("INSERT INTO CodeType (name) VALUES ('X')");
        const QString durchgang = QStringLiteral("SELECT * FROM Durchgang");
        const QString mitglied = QStringLiteral("SELECT * FROM Mitglied");
        const QString log = QStringLiteral("INSERT INTO EventLog (text) VALUES ('t')");
        const QString session = QStringLiteral("INSERT INTO Session (benutzername) VALUES ('s')");
        reihe("standard writes Verein", true, false, verein, true);
        reihe("standard cannot write CodeType", true, false, code, false);
        reihe("standard reads Durchgang", true, true, durchgang, true);
        reihe("web-only cannot read Durchgang", false, true, durchgang, false);
        reihe("web-only reads Mitglied", false, true, mitglied, true);
        reihe("web-only reads Verein only", false, true, verein, false);
        reihe("nothing adds log rows", false, false, log, true);
        reihe("nothing adds sessions", false, false, session, true);
        reihe("nothing cannot read Mitglied", false, false, mitglied, false);
        reihe("nobody reads the query log", true, false, QStringLiteral("SELECT * FROM QueryLog"),
              false);
    }

    // Each role's account, logged in through the program's own connection code.
    void rollen()
    {
        QFETCH(bool, gui);
        QFETCH(bool, web);
        QFETCH(QString, sql);
        QFETCH(bool, erlaubt);
        neuerBenutzer(*m_ctx, QStringLiteral("rolle"), QStringLiteral("geheim-1"), gui, web);
        auto ctx = anmelden(QStringLiteral("rolle"), QStringLiteral("geheim-1"));
        QVERIFY(ctx->isConnected() && ctx->benutzer());
        QCOMPARE(userfixtures::erlaubt(*ctx, sql.toStdString()), erlaubt);
    }

    // Password change, reset, the flags taking effect at the next store without password, and
    // deletion with the permissions.
    void passwortRuecksetzenUndLoeschen()
    {
        auto benutzer = neuerBenutzer(*m_ctx, QStringLiteral("paul"), QStringLiteral("alt"), true,
                                      false);
        BenutzerHelper helper(*m_ctx);
        benutzer->setPassword(QStringLiteral("neu"));
        benutzer->setGuiBenutzer(false); // only the password changes now
        helper.speichere(*benutzer, BenutzerHelper::Speichern::Bearbeiten);
        QVERIFY(!benutzer->hasPassword());
        QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception, anmelden(QStringLiteral("paul"), QStringLiteral("alt")));
        QVERIFY(erlaubt(*anmelden(QStringLiteral("paul"), QStringLiteral("neu")),
                        "INSERT INTO Verein (name) VALUES ('V')"));
        helper.speichere(*benutzer, BenutzerHelper::Speichern::Bearbeiten); // now the flags
        QVERIFY(!erlaubt(*anmelden(QStringLiteral("paul"), QStringLiteral("neu")),
                         "INSERT INTO Verein (name) VALUES ('V')"));

        // A reset without member sets the user name; with a member his birth date.
        QCOMPARE(helper.rueckgesetztesPasswort(*benutzer), QStringLiteral("paul"));
        const auto verein = neuerVerein(*m_ctx, QStringLiteral("1"), QStringLiteral("V"));
        auto mitglied = neuesMitglied(*m_ctx, *verein, QStringLiteral("7"), QStringLiteral("P"),
                                      QStringLiteral("Q"));
        benutzer->setMitglied(mitglied->getId());
        QCOMPARE(helper.rueckgesetztesPasswort(*benutzer), QStringLiteral("17C"));
        mitglied->setDatumGeburt(QDate(1970, 3, 9));
        MitgliedController().insertOrUpdate(*m_ctx, *mitglied);
        benutzer->setPassword(helper.rueckgesetztesPasswort(*benutzer));
        helper.speichere(*benutzer, BenutzerHelper::Speichern::NurPasswort);
        QVERIFY(anmelden(QStringLiteral("paul"), QStringLiteral("19700309"))->isConnected());

        run("INSERT INTO VereinsDatenBerechtigung (benutzer, verein) VALUES (" +
            id(benutzer->getId()) + ", " + id(verein->getId()) + ")");
        helper.deleteDbUser(*benutzer);
        QCOMPARE(konten(QStringLiteral("kdb_paul")), 0);
        QCOMPARE(anzahl("VereinsDatenBerechtigung") + anzahl("Benutzer", "benutzername = 'paul'"), 0);
    }

    void feindlicheNamen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("passwort");
        reihe("quote in password", "eve", "x'; DROP USER root; --");
        reihe("quote in name", "o'brien", "p\"w'");
        reihe("backslash", "back\\slash", "\\'\\\\");
        reihe("space", "an na", "mit leer zeichen");
        reihe("wildcards", "1%_x", "%_%");
        reihe("non-ASCII", "Jürgen", "Grüße-€");
    }

    // Exactly the named account comes into being, and it logs in with exactly that password;
    // no password reaches the query log.
    void feindlicheNamen()
    {
        QFETCH(QString, name);
        QFETCH(QString, passwort);
        QStringList statements;
        m_ctx->setQueryObserver([&statements](const QueryReport &report) {
            statements << report.query + QLatin1Char(' ') + report.info;
        });
        const int vorher = alleKonten();
        neuerBenutzer(*m_ctx, name, passwort, true, false);
        m_ctx->setQueryObserver(nullptr);
        QCOMPARE(alleKonten(), vorher + 1);
        QCOMPARE(konten(QStringLiteral("kdb_") + name), 1);
        auto ctx = anmelden(name, passwort);
        QCOMPARE(ctx->benutzer()->getBenutzername(), name);
        QVERIFY(statements.filter(QStringLiteral("CREATE USER")).join(QString()).contains(
            QStringLiteral("password replaced")));
        for (const QString &statement : statements)
            QVERIFY2(!statement.contains(passwort), qPrintable(statement));
    }

    void scheitern_data()
    {
        QTest::addColumn<bool>("bestehend"); // the user was stored before
        QTest::addColumn<QString>("passwort"); // the new one; empty: only the privileges
        reihe("new user: the account goes again", false, "neu");
        reihe("new password: the old one stays", true, "neu");
        reihe("privileges: the old ones come back", true, "");
    }

    // The row cannot be written after the account statements: the user logs in as before.
    void scheitern()
    {
        QFETCH(bool, bestehend);
        QFETCH(QString, passwort);
        std::unique_ptr<Benutzer> benutzer;
        if (bestehend) {
            benutzer = neuerBenutzer(*m_ctx, QStringLiteral("grete"), QStringLiteral("alt"), true,
                                     false);
        } else {
            benutzer = std::make_unique<Benutzer>();
            benutzer->setBenutzername(QStringLiteral("grete"));
            benutzer->setGuiBenutzer(true);
        }
        run("CREATE TRIGGER nein_i BEFORE INSERT ON Benutzer FOR EACH ROW SIGNAL SQLSTATE '45000'");
        run("CREATE TRIGGER nein_u BEFORE UPDATE ON Benutzer FOR EACH ROW SIGNAL SQLSTATE '45000'");
        benutzer->setGuiBenutzer(false);
        if (!passwort.isEmpty())
            benutzer->setPassword(passwort);
        QVERIFY_THROWS_EXCEPTION(
            PersistenceException,
            BenutzerHelper(*m_ctx).speichere(*benutzer, bestehend
                                                            ? BenutzerHelper::Speichern::Bearbeiten
                                                            : BenutzerHelper::Speichern::Neu));
        if (!bestehend) {
            QCOMPARE(konten(QStringLiteral("kdb_grete")), 0);
            return;
        }
        QVERIFY_THROWS_EXCEPTION(mysqlpp::Exception, anmelden(QStringLiteral("grete"), QStringLiteral("neu")));
        QVERIFY(erlaubt(*anmelden(QStringLiteral("grete"), QStringLiteral("alt")),
                        "INSERT INTO Verein (name) VALUES ('V')"));
    }

    // Root keeps account and password; stored without password it gets its grants again. An
    // account that exists already keeps its privileges and takes the password.
    void rootUndBestehendeKonten()
    {
        auto root = BenutzerController().select(*m_ctx, {{QStringLiteral("benutzername"), QStringLiteral("root")}});
        QCOMPARE(root.size(), size_t(1));
        root.front()->setPassword(QStringLiteral("anders"));
        BenutzerHelper helper(*m_ctx);
        helper.speichere(*root.front(), BenutzerHelper::Speichern::Bearbeiten);
        helper.speichere(*root.front(), BenutzerHelper::Speichern::Bearbeiten);
        QVERIFY(TestDatabase::openContext()->isConnected());
        QCOMPARE(konten(QStringLiteral("root")), 0);

        run("CREATE USER 'kdb_alt'@'%' IDENTIFIED BY 'x'");
        run("GRANT SELECT, INSERT ON kdb.* TO 'kdb_alt'@'%'");
        neuerBenutzer(*m_ctx, QStringLiteral("alt"), QStringLiteral("y"), true, false);
        const auto ctx = anmelden(QStringLiteral("alt"), QStringLiteral("y"));
        QVERIFY(!erlaubt(*ctx, "DELETE FROM Verein"));
    }

    void pruefungen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<QString>("wiederholung");
        QTest::addColumn<bool>("neu");
        QTest::addColumn<QString>("meldung"); // title / text; empty: passes
        reihe("no name", "", "a", "a", true,
              "Kein Benutzername angegeben / Das Feld Benutzername wurde nicht ausgefuellt.  Es "
              "wird aber benoetigt.");
        reihe("12 characters", "abcdefghijkl", "a", "a", true, "");
        reihe("13 characters", "abcdefghijklm", "a", "a", true,
              "Benutzername zu lang / Der Benutzername darf hoechstens 12 Zeichen lang sein.");
        reihe("different passwords", "neu", "a", "b", true,
              "Passworteingaben stimmen nicht ueberein. / Die beiden Eingaben des Passworts "
              "stimmen nicht ueberein. ");
        reihe("new without password", "neu", "", "", true,
              "Passworteingaben leer / Benutzer können nicht ohne Passwort angelegt werden.");
        reihe("changed without password", "mitkonto", "", "", false, "");
        reihe("imported, no account, without password", "vorhanden", "", "", false,
              "Kein Datenbankkonto vorhanden / Zum Benutzer vorhanden gibt es noch kein "
              "Datenbankkonto, zum Beispiel weil er importiert wurde.  Bitte geben Sie ein "
              "Passwort an; damit wird das Konto angelegt.");
        reihe("imported, no account, with password", "vorhanden", "a", "a", false, "");
        reihe("name taken", "vorhanden", "a", "a", true,
              "Benutzername schon vergeben / Es gibt schon einen Benutzer mit dem angegebenen "
              "Namen.  Bitte waehlen Sie einen anderen Benutzernamen.");
    }

    void pruefungen()
    {
        QFETCH(QString, name);
        QFETCH(QString, passwort);
        QFETCH(QString, wiederholung);
        QFETCH(bool, neu);
        QFETCH(QString, meldung);
        run("INSERT INTO Benutzer (benutzername) VALUES ('vorhanden'), ('mitkonto')");
        run("CREATE USER IF NOT EXISTS 'kdb_mitkonto'@'%' IDENTIFIED BY 'x'");
        auto benutzer = neu ? std::make_unique<Benutzer>()
                            : std::move(BenutzerController().select(
                                  *m_ctx, {{QStringLiteral("benutzername"), name}}).front());
        benutzer->setBenutzername(name);
        const auto fehler = BenutzerHelper(*m_ctx).pruefe(
            *benutzer, passwort, wiederholung,
            neu ? BenutzerHelper::Speichern::Neu : BenutzerHelper::Speichern::Bearbeiten);
        QCOMPARE(fehler ? fehler->titel + QStringLiteral(" / ") + fehler->text : QString(), meldung);
    }
};

KALVOR_REGISTER_TEST(BenutzerKontoTest)

#include "tst_benutzer.moc"
