// Sessions and the stored logs: rule checks, search fields, paging, deleting, sessions at
// login and close.

#include "Blaettern.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "LogRegeln.h"
#include "SqlWriter.h"
#include "Suchfelder.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "Treffersuche.h"
#include "controllers/VereinController.h"
#include "entities/DatenbankVerbindung.h"
#include "entities/EventLogSettings.h"
#include "entities/QueryLogSettings.h"
#include "entities/Session.h"
#include "joins/EventLogListeJoinModel.h"

#include <QtTest>

using TestDatabase::run;

namespace {

QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(sql));
}

// Values of a mask from "field=text" pairs.
Suchwerte werteAus(const Suchmaske &maske, const QStringList &felder)
{
    Suchwerte werte(maske.size());
    for (const QString &feld : felder) {
        const QString name = feld.section(QLatin1Char('='), 0, 0);
        for (size_t i = 0; i < maske.size(); ++i)
            if (name == QLatin1String(maske[i].name))
                werte[i] = feld.section(QLatin1Char('='), 1);
    }
    return werte;
}

QStringList texte(const std::vector<std::unique_ptr<Record>> &rows)
{
    QStringList result;
    for (const auto &row : rows)
        result << row->rawValueAt(EventLogListeJoinModel::eventLogTextRow).toString();
    return result;
}

} // namespace

class SessionServiceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanupTestCase() { m_ctx.reset(); }
    void init()
    {
        run("DELETE FROM EventLogSettings");
        run("DELETE FROM QueryLogSettings");
        run("DELETE FROM EventLog");
        run("DELETE FROM QueryLog");
        m_ctx->reloadEventLogConfiguration();
        m_ctx->reloadQueryLogConfiguration();
    }

    void ruleChecksInOrder_data()
    {
        QTest::addColumn<QString>("operand");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("log"); // empty: stored
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // operand|level as stored, "-" for null
        const QString keinLevel = "Falls ein Log-Level-Operand angegeben wird, muss auch ein "
                                  "Log-Level angegeben werden.";
        QTest::newRow("operand without level") << ">=" << "" << "Kein Log-Level angegeben."
                                               << keinLevel << "";
        QTest::newRow("bad operand, no level: the level first")
            << "=>" << "" << "Kein Log-Level angegeben." << keinLevel << "";
        QTest::newRow("bad operand") << "=>" << "7" << "Illegaler Log-Level-Operand"
                                     << "Als Log-Level-Operand duerfen nur <,<=,=,>=,> "
                                        "verwendet werden."
                                     << "";
        QTest::newRow("level without operand")
            << "" << "7" << "Kein Log-Level-Operand angegeben"
            << "Falls ein Log-Level angegeben wird, muss auch ein Log-Level-Operand angegeben "
               "werden."
            << "";
        QTest::newRow("level no whole number")
            << ">" << "7a" << "Log-Level nicht korrekt eingegeben"
            << "Der Log-Level ist eine ganze Zahl, ueblicherweise im Bereich 0 bis 9." << "";
        QTest::newRow("both empty: every level") << "" << "" << "" << "" << "-|-";
        QTest::newRow("negative level") << "<" << "-1" << "" << "" << "<|-1";
        QTest::newRow("blanks around") << " >= " << " 9 " << "" << "" << ">=|9";
    }
    void ruleChecksInOrder()
    {
        QFETCH(QString, operand);
        QFETCH(QString, level);
        QFETCH(QString, log);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        run("INSERT INTO EventLogSettings (category, toDB) SELECT id, 1 FROM EventLogCategory "
            "WHERE name = 'Fehlermeldung'");
        m_ctx->reloadEventLogConfiguration();
        run("DELETE FROM EventLog");
        EventLogSettings regel;
        regel.setLevelOperand(operand);
        regel.setLevelInput(level);
        regel.setToDB(false);
        const auto meldung = LogRegeln::speichere(*m_ctx, regel);
        if (!log.isEmpty()) {
            QVERIFY(meldung);
            QCOMPARE(meldung->log, log);
            QCOMPARE(meldung->titel, log.chopped(log.endsWith('.') ? 1 : 0));
            QCOMPARE(meldung->text, text);
            QCOMPARE(scalar("SELECT GROUP_CONCAT(text) FROM EventLog"), log);
            QCOMPARE(scalar("SELECT COUNT(*) FROM EventLogSettings"), "1");
            return;
        }
        QVERIFY(!meldung);
        QCOMPARE(scalar("SELECT CONCAT(IFNULL(levelOperand, '-'), '|', IFNULL(level, '-')) FROM "
                        "EventLogSettings WHERE id = " +
                        std::to_string(regel.getId())),
                 stored);
    }

    // Every stored or deleted rule takes effect for the very next report.
    void loggersFollowTheRules()
    {
        EventLogSettings regel;
        regel.setLocation("Probe");
        regel.setToDB(true);
        QVERIFY(!LogRegeln::speichere(*m_ctx, regel));
        m_ctx->log("Dialog", "Probe", 1, "eins");
        LogRegeln::loesche(*m_ctx, regel);
        m_ctx->log("Dialog", "Probe", 1, "zwei");
        QCOMPARE(scalar("SELECT GROUP_CONCAT(text) FROM EventLog WHERE location = 'Probe'"),
                 "eins");

        QueryLogSettings abfrage;
        abfrage.setQueryType(m_ctx->codeManager().idOf("QueryType", "ALL"));
        abfrage.setEntity("Verein");
        abfrage.setToDB(true);
        LogRegeln::speichere(*m_ctx, abfrage);
        VereinController().select(*m_ctx, {});
        LogRegeln::loesche(*m_ctx, abfrage);
        VereinController().select(*m_ctx, {});
        QCOMPARE(scalar("SELECT COUNT(*) FROM QueryLog WHERE entities = 'Verein'"), "1");
    }

    void searchFields_data()
    {
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QString>("titel"); // of the refusal; empty: the hits
        QTest::addColumn<QStringList>("treffer");
        const auto ok = [](const char *name, const QStringList &felder, const QStringList &t) {
            QTest::newRow(name) << "event" << felder << QString() << t;
        };
        const auto nein = [](const char *name, const char *maske, const QStringList &felder,
                             const char *titel) {
            QTest::newRow(name) << maske << felder << QString::fromUtf8(titel) << QStringList();
        };
        ok("nothing: all", {}, {"gamma", "beta_x", "alpha 100%"});
        ok("minutes with colon", {"zeitVon=1.12.2026 23:30"}, {"gamma", "beta_x"});
        ok("seconds with dots, leading zeros", {"zeitVon=01.12.2026 23.30.15"},
           {"gamma", "beta_x"});
        ok("one second later", {"zeitVon=1.12.2026 23:30:16"}, {"gamma"});
        ok("a bare date as upper bound: the whole day", {"zeitBis=1.12.2026"},
           {"beta_x", "alpha 100%"});
        ok("minutes with dot as upper bound", {"zeitBis=1.12.2026 10.00"}, {"alpha 100%"});
        ok("level range", {"levelVon=4", "levelBis= 8 "}, {"beta_x"});
        ok("percent sign literally", {"text=100%"}, {"alpha 100%"});
        ok("underscore literally", {"text=_"}, {"beta_x"});
        ok("location anywhere, any case", {"standort=verein"}, {"gamma", "alpha 100%"});
        ok("quotes are data", {"benutzer=\" OR 1=1 -- '"}, {});
        nein("timestamp in ISO form", "event", {"zeitVon=2026-12-01"},
             "Von-Zeitstempel nicht korrekt eingegeben");
        nein("no such day", "event", {"zeitBis=32.12.2026"},
             "Bis-Zeitstempel nicht korrekt eingegeben");
        nein("first wrong field wins", "event", {"levelVon=x", "zeitBis=x"},
             "Bis-Zeitstempel nicht korrekt eingegeben");
        nein("level", "event", {"levelBis=sieben"}, "Bis-Level ist keine Zahl");
        nein("id", "event", {"idVon=1e3"}, "Von-Id ist keine Zahl");
        nein("rows of statements", "query", {"anzahlBis=viele"},
             "Anzahl Datensaetze Bis ist keine Zahl");
        nein("session end", "session", {"endeVon=gestern"},
             "End-Ab-Zeitstempel nicht korrekt eingegeben");
        nein("return code", "session", {"rueckgabecode=-"}, "Rückgabecode ist keine Zahl");
    }
    void searchFields()
    {
        QFETCH(QString, maske);
        QFETCH(QStringList, felder);
        QFETCH(QString, titel);
        QFETCH(QStringList, treffer);
        run("INSERT INTO EventLog (session, execution_tist, level, location, text) VALUES "
            "(NULL, '2026-12-01 10:00:00', 3, 'VereinDialog', 'alpha 100%'), "
            "(NULL, '2026-12-01 23:30:15', 7, 'MitgliedDialog', 'beta_x'), "
            "(NULL, '2026-12-02 00:00:00', 9, 'Verein', 'gamma')");
        const Suchmaske &m = maske == "event"   ? eventLogSuchmaske()
                             : maske == "query" ? queryLogSuchmaske()
                                                : sessionSuchmaske();
        const Suchwerte werte = werteAus(m, felder);
        const auto meldung = pruefeSuchwerte(*m_ctx, "Test", m, werte);
        QCOMPARE(meldung ? meldung->titel : QString(), titel);
        if (meldung) {
            const QString falsch = felder.last().section('=', 1);
            if (titel.contains("Zeitstempel"))
                QCOMPARE(meldung->text, "Der als " + titel.section(' ', 0, 0) +
                                            " angegebene Text " + falsch +
                                            " ist kein korrekter Zeitstempel. \n\n" +
                                            zeitstempelHinweis());
            else
                QCOMPARE(meldung->text, "Bitte geben Sie eine gueltige Zahl ein, oder lassen "
                                        "Sie das Feld leer.");
            return;
        }
        Treffersuche suche(*m_ctx, Trefferquelle::eventLog(),
                           suchbedingungen(SqlWriter(m_ctx->connection()), m, werte));
        QCOMPARE(texte(suche.naechsteSeite(10)), treffer);
        QCOMPARE(int(suche.anzahl()), int(treffer.size()));
    }

    // A large result in pages: the count covers all, rows that arrive after the first page
    // are neither counted, nor reached by position, nor deleted.
    void pagingThroughALargeResult()
    {
        run("INSERT INTO EventLog (level, text) VALUES (1, 'a'), (2, 'b'), (3, 'c'), (4, 'd')");
        for (int i = 0; i < 9; ++i) // 4 * 2^9 = 2048 rows
            run("INSERT INTO EventLog (level, text) SELECT level, text FROM EventLog");
        run("UPDATE EventLog SET text = CONCAT('zeile ', id)");
        const QString neueste = scalar("SELECT text FROM EventLog WHERE level >= 2 ORDER BY id DESC LIMIT 1");
        const QString aelteste = scalar("SELECT text FROM EventLog WHERE level >= 2 ORDER BY id LIMIT 1");
        Treffersuche suche(*m_ctx, Trefferquelle::eventLog(), {"eventLog.level >= 2"});
        auto seite = suche.naechsteSeite(500);
        QCOMPARE(int(seite.size()), 500);
        run("INSERT INTO EventLog (level, text) VALUES (9, 'spaeter')");
        QCOMPARE(int(suche.anzahl()), 1536);
        QCOMPARE(texte(seite).first(), neueste);
        int gelesen = 500;
        while (suche.hatMehr())
            gelesen += int(suche.naechsteSeite(500).size());
        QCOMPARE(gelesen, 1536);
        QCOMPARE(suche.trefferAn(1535)->rawValueAt(EventLogListeJoinModel::eventLogTextRow).toString(),
                 aelteste);
        QVERIFY(!suche.trefferAn(1536));

        // Cancelled half-way: everything rolled back.
        const auto ids = suche.ids();
        QCOMPARE(int(ids.size()), 1536);
        QCOMPARE(int(loescheNachIds(*m_ctx, "EventLog", ids,
                                [](qlonglong erledigt, qlonglong) { return erledigt < 1000; }, 500)),
                 0);
        QCOMPARE(scalar("SELECT COUNT(*) FROM EventLog"), "2049");
        QCOMPARE(int(loescheNachIds(*m_ctx, "EventLog", ids, {}, 500)), 1536);
        QCOMPARE(scalar("SELECT GROUP_CONCAT(DISTINCT level ORDER BY level) FROM EventLog"),
                 "1,9");
    }

    void pagingButtons_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("an"); // first, back ten, previous, next, forward ten, last
        QTest::newRow("no row") << -1 << 0 << "000000";
        QTest::newRow("single row") << 0 << 1 << "100001";
        QTest::newRow("5th of 12") << 4 << 12 << "101101";
        QTest::newRow("10th of 20: not back ten, forward ten") << 9 << 20 << "101111";
        QTest::newRow("11th of 21: both tens") << 10 << 21 << "111111";
        QTest::newRow("11th of 20: not forward ten") << 10 << 20 << "111101";
        QTest::newRow("last of 12") << 11 << 12 << "111001";
    }
    void pagingButtons()
    {
        QFETCH(int, r);
        QFETCH(int, n);
        QFETCH(QString, an);
        const Blaettern b = Blaettern::fuer(r, n);
        QString ist;
        for (bool x : {b.erster, b.zehnZurueck, b.vorheriger, b.naechster, b.zehnVor, b.letzter})
            ist += x ? '1' : '0';
        QCOMPARE(ist, an);
    }

    // The context that recorded a session stamps its end when it closes; a worker context
    // that took the session over does not.
    void sessionEndAtClose()
    {
        auto ctx = TestDatabase::openContext();
        const std::string id = std::to_string(ctx->session()->getId());
        std::unique_ptr<DatenbankVerbindung> login(ctx->connectionRecord().clone());
        {
            DatabaseContext worker(std::move(login), ctx->session());
            QCOMPARE(worker.session()->getId(), ctx->session()->getId());
        }
        QCOMPARE(scalar("SELECT end_tist IS NULL FROM Session WHERE id = " + id), "1");
        ctx.reset();
        QCOMPARE(scalar("SELECT end_tist >= start_tist AND retCode IS NULL FROM Session WHERE "
                        "id = " + id),
                 "1");
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(SessionServiceTest)

#include "tst_sessions.moc"
