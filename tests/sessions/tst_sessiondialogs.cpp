// The session and log dialogs off screen: logins and their sessions, deleting from the log
// viewer, paging an entry view through a large result, storing a rule.

#include "Screenshot.h"
#include "DatabaseContext.h"
#include "Eintragsansicht.h"
#include "LogRegelDialoge.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "SessionDialoge.h"
#include "Suchformular.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "TrefferListe.h"
#include "Trefferbereich.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using TestDatabase::run;

namespace {

QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(sql));
}

MainWindow::LoginPrompt alsAdministrator()
{
    return [](QWidget *) {
        auto login = std::make_unique<DatenbankVerbindung>();
        login->setBenutzername(QString::fromStdString(TestDatabase::adminUser()));
        login->setPassword(QString::fromStdString(TestDatabase::adminPassword()));
        login->setConnectionURL(QString::fromStdString(TestDatabase::socketAddress().socket));
        return login;
    };
}

void klicke(const QWidget *in, const char *name)
{
    auto *knopf = in->findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY2(knopf, name);
    QVERIFY2(knopf->isEnabled(), name);
    knopf->click();
}

void fuelle(const Suchformular *formular, const QStringList &felder)
{
    for (const QString &feld : felder)
        qobject_cast<QLineEdit *>(formular->feld(feld.section('=', 0, 0).toLatin1().constData()))
            ->setText(feld.section('=', 1));
}

} // namespace

class SessionDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        MessageBoxes::install(&m_boxes);
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanupTestCase()
    {
        m_ctx.reset();
        MessageBoxes::install(nullptr);
    }
    void init()
    {
        run("DELETE FROM EventLogSettings");
        run("DELETE FROM EventLog");
        run("DELETE FROM QueryLog");
        m_ctx->reloadEventLogConfiguration();
        m_boxes.clear();
    }

    // Two logins in a row: two sessions; the log rows after the second login point to the
    // second; the first ends when the second context takes over, the second when the window
    // closes.
    void twoLoginsTwoSessions()
    {
        run("INSERT INTO EventLogSettings (category, toDB) SELECT id, 1 FROM EventLogCategory "
            "WHERE name = 'Session'");
        const QString vorher = scalar("SELECT IFNULL(MAX(id), 0) FROM Session");
        auto fenster = std::make_unique<MainWindow>(alsAdministrator());
        const qlonglong erste = fenster->context()->session()->getId();
        QVERIFY(fenster->meldeNeuAn());
        const qlonglong zweite = fenster->context()->session()->getId();
        const std::string neue = "Session WHERE id > " + vorher.toStdString();
        QCOMPARE(scalar("SELECT COUNT(*) FROM " + neue), "2");
        QCOMPARE(scalar("SELECT GROUP_CONCAT(session ORDER BY id) FROM EventLog WHERE text LIKE "
                        "'Anmeldung mit Benutzername%'"),
                 QString("%1,%2").arg(erste).arg(zweite));
        QCOMPARE(scalar("SELECT GROUP_CONCAT(end_tist IS NULL ORDER BY id) FROM " + neue), "0,1");
        fenster.reset();
        QCOMPARE(scalar("SELECT GROUP_CONCAT(end_tist IS NULL ORDER BY id) FROM " + neue), "0,0");
    }

    void deleteWhatTheFieldsSelect_data()
    {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<int>("gefragt");
        QTest::addColumn<QString>("bleiben");
        QTest::newRow("level range, yes") << QStringList{"levelVon=2", "levelBis=3"} << true << 2
                                          << "eins,vier";
        QTest::newRow("text, no") << QStringList{"text=ei"} << false << 3
                                  << "eins,zwei,drei,vier";
        QTest::newRow("no field: all") << QStringList{} << true << 4 << "";
    }
    void deleteWhatTheFieldsSelect()
    {
        QFETCH(QStringList, felder);
        QFETCH(bool, ja);
        QFETCH(int, gefragt);
        QFETCH(QString, bleiben);
        run("INSERT INTO EventLog (level, text) VALUES (1, 'eins'), (2, 'zwei'), (3, 'drei'), "
            "(4, 'vier')");
        EventLogWidget widget(*m_ctx);
        fuelle(widget.formular(), felder);
        m_boxes.answer(ja);
        klicke(&widget, "loeschen");
        QCOMPARE(int(m_boxes.shown().size()), 1);
        QCOMPARE(m_boxes.shown().back().title, "Wirklich loeschen?");
        QCOMPARE(m_boxes.shown().back().text,
                 QString("Wollen Sie wirklich gemaess der Selektion in den Suchfeldern %1 "
                         "Logeintraege loeschen?  Bitte beachten Sie:\n\nFalls keine "
                         "Suchkriterien angegeben sind, werden ALLE Logeintraege geloescht.\nDie "
                         "Loeschung der Logeintraege kann NICHT RUECKGÄNGIG gemacht werden.")
                     .arg(gefragt));
        QCOMPARE(scalar("SELECT IFNULL(GROUP_CONCAT(text ORDER BY id), '') FROM EventLog"),
                 bleiben);
        QCOMPARE(widget.liste()->rowCount(), ja ? 0 : gefragt);
    }

    // A wrong field stops the search with its message, also before deleting.
    void wrongFieldRefused()
    {
        QueryLogWidget widget(*m_ctx);
        fuelle(widget.formular(), {"zeitVon=7.12.2026 25:00"});
        klicke(&widget, "loeschen");
        QCOMPARE(int(m_boxes.shown().size()), 1);
        QCOMPARE(m_boxes.shown().back().kind, "critical");
        QCOMPARE(m_boxes.shown().back().title, "Von-Zeitstempel nicht korrekt eingegeben");
    }

    // The entry view pages through all hits, also far beyond the rows the list has loaded.
    void viewPagesBeyondLoadedRows()
    {
        run("INSERT INTO EventLog (level, text) VALUES (1, 'a'), (2, 'b')");
        for (int i = 0; i < 10; ++i) // 2048 rows
            run("INSERT INTO EventLog (level, text) SELECT level, text FROM EventLog");
        run("UPDATE EventLog SET text = CONCAT('zeile ', id)");
        EventLogWidget widget(*m_ctx);
        klicke(&widget, "suchen");
        QCOMPARE(widget.liste()->rowCount(), TrefferModell::kSeite);
        QCOMPARE(int(widget.liste()->treffer()->anzahl()), 2048);
        EventLogViewDialog ansicht(*m_ctx, widget.liste(), 0);
        klicke(&ansicht, "letzter");
        QCOMPARE(int(ansicht.position()), 2047);
        QCOMPARE(ansicht.text("Text"), scalar("SELECT text FROM EventLog ORDER BY id LIMIT 1"));
        QVERIFY(widget.liste()->rowCount() < 2048);
        QVERIFY(!ansicht.findChild<QPushButton *>("naechster")->isEnabled());
        klicke(&ansicht, "zehnZurueck");
        klicke(&ansicht, "vorheriger");
        QCOMPARE(int(ansicht.position()), 2036);
        klicke(&ansicht, "erster");
        klicke(&ansicht, "zehnVor");
        QCOMPARE(widget.liste()->selectedRow(), 10);
        QCOMPARE(ansicht.text("Logeintrag importiert"), "Nicht importiert");
        bild(ansicht, "eventlog-ansicht");
        bild(widget, "eventlog-widget");
    }

    void storingARule()
    {
        EventLogEditDialog dialog(*m_ctx, Modus::NEU, nullptr);
        dialog.findChild<QLineEdit *>("operand")->setText(">");
        dialog.findChild<QLineEdit *>("level")->setText("7a");
        dialog.findChild<QCheckBox *>("datenbank")->setChecked(true);
        klicke(&dialog, "speichern");
        QCOMPARE(m_boxes.shown().back().title, "Log-Level nicht korrekt eingegeben");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.findChild<QLineEdit *>("level")->setText("8");
        klicke(&dialog, "speichern");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        m_ctx->log("Wertung", "Irgendwo", 9, "gespeichert");
        m_ctx->log("Wertung", "Irgendwo", 8, "nicht gespeichert");
        QCOMPARE(scalar("SELECT GROUP_CONCAT(text) FROM EventLog WHERE location = 'Irgendwo'"),
                 "gespeichert");
        LogSettingsAdminDialog verwaltung(*m_ctx);
        QCOMPARE(verwaltung.ereignisse()->liste()->rowCount(), 1);
        bild(verwaltung, "log-einstellungen");
    }

    void sessionsBrowsed()
    {
        SessionAdminDialog dialog(*m_ctx);
        const int alle = dialog.bereich()->liste()->rowCount();
        QVERIFY(alle >= 1);
        fuelle(dialog.bereich()->formular(),
               {"idVon=" + QString::number(m_ctx->session()->getId()),
                "idBis=" + QString::number(m_ctx->session()->getId())});
        klicke(&dialog, "suchen");
        QCOMPARE(dialog.bereich()->liste()->rowCount(), 1);
        bild(dialog, "sessions");
    }

private:
    RecordingMessageBoxes m_boxes;
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(SessionDialogTest)

#include "tst_sessiondialogs.moc"
