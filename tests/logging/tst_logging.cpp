#include "CodeManager.h"
#include "DatabaseContext.h"
#include "EventLogger.h"
#include "OutputCapture.h"
#include "QueryLogger.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "controllers/CodeTypeController.h"
#include "controllers/EventLogController.h"
#include "controllers/QueryLogSettingsController.h"
#include "entities/EventLogCategory.h"
#include "entities/EventLogSettings.h"
#include "joins/EventLogListeJoinController.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using TestDatabase::run;

namespace {

QString scalar(const std::string &sql)
{
    return QString::fromStdString(TestDatabase::scalar(sql));
}

std::string category(const std::string &name)
{
    return "(SELECT id FROM EventLogCategory WHERE name = '" + name + "')";
}

std::string queryType(const std::string &name)
{
    return "(SELECT v.id FROM CodeValue v, CodeType t WHERE v.type = t.id AND t.name = "
           "'QueryType' AND v.name = '" +
           name + "')";
}

// Replaces the rules of a log (EventLogSettings or QueryLogSettings) by one, given as column
// assignments ("": no rule), and reloads the rules.
void setRule(DatabaseContext &ctx, const std::string &table, const std::string &assignments)
{
    run("DELETE FROM " + table);
    if (!assignments.empty())
        run("INSERT INTO " + table + " SET " + assignments);
    ctx.reloadEventLogConfiguration();
    ctx.reloadQueryLogConfiguration();
}

} // namespace

class LoggerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        // Code tables with flaws for the code manager.
        run("INSERT INTO CodeType (name) VALUES ('TestA'), ('TestB'), ('Leer'), (NULL)");
        run("INSERT INTO CodeValue (type, name, kurzText, reihenfolge) SELECT id, 'GEMEINSAM', "
            "'aus A', 2 FROM CodeType WHERE name = 'TestA' UNION ALL SELECT id, 'OHNE', 'ohne', "
            "NULL FROM CodeType WHERE name = 'TestA' UNION ALL SELECT id, 'GEMEINSAM', 'aus B', 1 "
            "FROM CodeType WHERE name = 'TestB' UNION ALL SELECT id, 'HAT_KEINEN_TYP', 'x', NULL "
            "FROM CodeType WHERE name IS NULL");
        m_ctx = TestDatabase::openContext();
    }
    void cleanupTestCase()
    {
        m_ctx.reset();
        TestDatabase::reinstall();
    }
    void init()
    {
        setRule(*m_ctx, "EventLogSettings", "");
        setRule(*m_ctx, "QueryLogSettings", "");
        run("DELETE FROM EventLog");
        run("DELETE FROM QueryLog");
    }

    void matchesEvent_data()
    {
        QTest::addColumn<QStringList>("rule");  // category id, location, level, operand; - null
        QTest::addColumn<QStringList>("event"); // category id, location, level; - null
        QTest::addColumn<bool>("matches");
        const auto row = [](const char *name, const char *rule, const char *event, bool matches) {
            QTest::newRow(name) << QString::fromUtf8(rule).split(u'|')
                                << QString::fromUtf8(event).split(u'|') << matches;
        };
        row("empty rule", "-|-|-|-", "1|D1|0", true);
        row("same category", "1|-|-|-", "1|D1|5", true);
        row("other category", "1|-|-|-", "2|D1|5", false);
        row("unknown category", "1|-|-|-", "-|D1|5", true);
        row("same location", "-|D1|-|-", "1|D1|5", true);
        row("other location", "-|D1|-|-", "1|D2|5", false);
        row("location case", "-|D1|-|-", "1|d1|5", false);
        row("blank rule location", "1|   |-|-", "1|x|5", true);
        row("event without location", "-|D1|-|-", "1|-|5", true);
        row("empty event location", "-|D1|-|-", "1||5", false);
        row("default >= equal", "-|-|7|-", "1|D1|7", true);
        row("default >= below", "-|-|7|-", "1|D1|6", false);
        row(">= below", "-|-|7|>=", "1|D1|6", false);
        row("> above", "-|-|7|>", "1|D1|8", true);
        row("> equal", "-|-|7|>", "1|D1|7", false);
        row("< below", "-|-|7|<", "1|D1|6", true);
        row("< equal", "-|-|7|<", "1|D1|7", false);
        row("<= equal", "-|-|7|<=", "1|D1|7", true);
        row("<= above", "-|-|7|<=", "1|D1|8", false);
        row("= equal", "-|-|7|=", "1|D1|7", true);
        row("= above", "-|-|7|=", "1|D1|8", false);
        row("bad operand", "-|-|7|=>", "1|D1|1", true);
        row("all three, level fails", "1|D1|5|-", "1|D1|4", false);
        row("all three hold", "1|D1|5|-", "1|D1|5", true);
    }

    void matchesEvent()
    {
        QFETCH(QStringList, rule);
        QFETCH(QStringList, event);
        QFETCH(bool, matches);
        EventLogSettings settings;
        for (int i = 0; i < 4; ++i) {
            if (rule[i] != u"-"_s)
                settings.setValueAt(EventLogSettings::categoryRow + i, rule[i]);
        }
        EventLogCategory category;
        category.setId(event[0].toLongLong());
        QCOMPARE(EventLogger::matchesEvent(settings, event[0] == u"-"_s ? nullptr : &category,
                                           event[1] == u"-"_s ? QString() : event[1],
                                           event[2].toInt()),
                 matches);
    }

    // Longer messages than one row holds are split.
    void consoleLinesAndRows()
    {
        setRule(*m_ctx, "EventLogSettings", "toStdOut = 1, toDB = 1");
        run("DELETE FROM EventLog");
        const QString exact(255, u'a');
        OutputCapture capture;
        m_ctx->log(u"Dialog"_s, u"Dlg"_s, 7, u"Aufruf."_s);
        m_ctx->log(u"GibtEsNicht"_s, u"Ort"_s, 3, u"a"_s);
        m_ctx->log(u"Dialog"_s, QString(), 9, u"b"_s);
        m_ctx->log(u"Dialog"_s, u""_s, 9, u"Übung"_s);
        m_ctx->log(u"Debug"_s, u"T"_s, 5, exact);
        m_ctx->log(u"Debug"_s, u"T"_s, 5, QString(225, u'b') + QString(31, u'c'));
        QCOMPARE(
            capture.lines(),
            QStringList({u"[Dialog][7] Dlg says: Aufruf."_s, u"[NoCategory][3] Ort says: a"_s,
                         u"[Dialog][9] Some module says: b"_s, u"[Dialog][9]  says: Übung"_s,
                         u"[Debug][5] T says: "_s + exact,
                         u"[Debug][5] T says: Multi-Line Msg, Part 1: "_s + QString(225, u'b'),
                         u"[Debug][5] T says: Multi-Line Msg, Part 2: "_s + QString(31, u'c')}));
        QCOMPARE(scalar("SELECT COUNT(*) FROM EventLog"), u"7"_s);
    }

    // Rules by category reach only events of known categories; general rules reach all.
    void rowsFollowTheRules()
    {
        setRule(*m_ctx, "EventLogSettings",
                "toDB = 1, level = 7, category = " + category("Wertung"));
        const QString longLocation(300, u'L');
        m_ctx->log(u"Wertung"_s, u"Jury"_s, 8, u"gespeichert"_s);
        m_ctx->log(u"Wertung"_s, u"Jury"_s, 6, u"zu niedrig"_s);
        m_ctx->log(u"Dialog"_s, u"Jury"_s, 8, u"andere"_s);
        m_ctx->log(u"Unbekannt"_s, longLocation, 8, u"nicht"_s);
        const std::string row = "SELECT GROUP_CONCAT(CONCAT_WS('|', text, level, location, "
                                "category = " +
                                category("Wertung") +
                                ", session = " + std::to_string(m_ctx->session()->getId()) +
                                ", execution_tist IS NOT NULL, import_tist IS NULL)) FROM EventLog";
        QCOMPARE(scalar(row), u"gespeichert|8|Jury|1|1|1|1"_s);

        setRule(*m_ctx, "EventLogSettings", "toDB = 1");
        run("DELETE FROM EventLog");
        m_ctx->log(u"Unbekannt"_s, longLocation, 8, u"ohne Kategorie"_s);
        QCOMPARE(scalar("SELECT CONCAT(COALESCE(category, 'NULL'), '/', CHAR_LENGTH(location)) "
                        "FROM EventLog"),
                 u"NULL/255"_s);
    }

    // Nothing without rules; a new logger is silent until loaded; changed rules need a reload.
    void rulesTakeEffectOnReload()
    {
        EventLogger fresh(*m_ctx);
        {
            OutputCapture capture;
            m_ctx->log(u"Dialog"_s, u"X"_s, 9, u"still"_s);
            run("INSERT INTO EventLogSettings SET toStdOut = 1, toDB = 1, level = 9");
            m_ctx->log(u"Dialog"_s, u"X"_s, 9, u"still"_s);
            fresh.log(u"Dialog"_s, u"X"_s, 9, u"leise"_s);
            QCOMPARE(capture.text(), QString());
            QCOMPARE(scalar("SELECT COUNT(*) FROM EventLog"), u"0"_s);
        }
        fresh.reload(*m_ctx);
        m_ctx->reloadEventLogConfiguration();
        run("UPDATE EventLogSettings SET level = 8");
        OutputCapture capture;
        fresh.log(u"Dialog"_s, u"X"_s, 9, u"laut"_s);
        m_ctx->log(u"Dialog"_s, u"X"_s, 8, u"acht"_s);
        m_ctx->reloadEventLogConfiguration();
        m_ctx->log(u"Dialog"_s, u"X"_s, 8, u"acht"_s);
        QCOMPARE(capture.lines(),
                 QStringList({u"[Dialog][9] X says: laut"_s, u"[Dialog][8] X says: acht"_s}));
    }

    void coverTable_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("covers");
        for (const QString statement : {"SELECT", "INSERT", "UPDATE", "DELETE", "USER", "GRANT",
                                        "ATTRIBUTEPATH", "MYSQLSETTINGS"}) {
            const bool reads = statement == u"SELECT"_s;
            const bool writes = QStringList({"INSERT", "UPDATE", "DELETE"}).contains(statement);
            for (const QString rule : {"ALL", "READ", "WRITE", "SELECT", "INSERT", "UPDATE",
                                       "DELETE", "USER", "GRANT", "ATTRIBUTEPATH", ""}) {
                const bool covers = rule.isEmpty() || rule == statement ||
                                    ((reads || writes) && rule == u"ALL"_s) ||
                                    (reads && rule == u"READ"_s) || (writes && rule == u"WRITE"_s);
                QTest::addRow("%s by %s", qPrintable(statement),
                              rule.isEmpty() ? "no type" : qPrintable(rule))
                    << rule << statement << covers;
            }
        }
    }

    void coverTable()
    {
        QFETCH(QString, rule);
        QFETCH(QString, statement);
        QFETCH(bool, covers);
        QueryLogSettings settings;
        if (!rule.isEmpty())
            settings.setQueryType(m_ctx->codeManager().idOf(u"QueryType"_s, rule));
        QCOMPARE(QueryLogger::matchesQueryType(m_ctx->codeManager(), settings, statement), covers);
    }

    void queryRules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("entities");
        QTest::addColumn<bool>("printed");
        const auto row = [](const char *name, const std::string &rule, const char *type,
                            const char *entities, bool printed) {
            QTest::newRow(name) << QString::fromStdString("toStdOut = 1, " + rule) << type
                                << entities << printed;
        };
        row("ALL leaves out USER", "queryType = " + queryType("ALL"), "USER", "Benutzer", false);
        row("kind unknown to the codes", "queryType = " + queryType("ALL"), "GIBTS", "E", false);
        row("USER rule", "queryType = " + queryType("USER"), "USER", "Benutzer", true);
        row("other entity", "entity = 'Mitglied'", "SELECT", "Verein", false);
        row("one of the entities", "entity = 'Mitglied'", "SELECT", "Benutzer,Mitglied", true);
    }

    void queryRules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, type);
        QFETCH(QString, entities);
        QFETCH(bool, printed);
        setRule(*m_ctx, "QueryLogSettings", rule.toStdString());
        OutputCapture capture;
        m_ctx->logQuery(QString(), 0, type, u"neu"_s, u"CREATE \\\"x\\\""_s, entities, true);
        QCOMPARE(capture.lines(),
                 printed ? QStringList(u"Some module executed query: CREATE \"x\" (info: neu) "
                                       "--- Affected rows: 0"_s)
                         : QStringList());
    }

    // The row is stored first; storing it is a statement of its own, printed but not stored.
    void queriesStoredAndPrinted()
    {
        setRule(*m_ctx, "QueryLogSettings",
                "toStdOut = 1, toDB = 1, queryType = " + queryType("ALL"));
        CodeType type;
        type.setName(u"mit \"Anfuehrung\""_s);
        OutputCapture capture;
        CodeTypeController().insertOrUpdate(*m_ctx, type);
        const QString stamp = type.getMut_tist().toString(Qt::ISODate);
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(u"QueryLogController executed query: INSERT INTO QueryLog"_s));
        QCOMPARE(lines[1],
                 u"CodeTypeController executed query: INSERT INTO CodeType set "
                 "create_tist = \"%1\",mut_tist = \"%1\",name = \"mit \\\"Anfuehrung\\\"\" "
                 "--- Affected rows: 1"_s.arg(stamp));
        QCOMPARE(
            scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', location, entities, numberOfRows, "
                   "(SELECT name FROM CodeValue WHERE id = queryType), session = " +
                   std::to_string(m_ctx->session()->getId()) +
                   ", execution_tist IS NOT NULL, import_tist IS NULL, query)) FROM QueryLog"),
            u"CodeTypeController|CodeType|1|INSERT|1|1|1|INSERT INTO CodeType set create_tist "
            "= \\\"%1\\\",mut_tist = \\\"%1\\\",name = \\\"mit \\\\\"Anfuehrung\\\\\"\\\""_s.arg(
                stamp));

        // Reading the logs themselves is never stored, whatever the rules say.
        setRule(*m_ctx, "QueryLogSettings", "toStdOut = 1, toDB = 1");
        run("DELETE FROM QueryLog");
        OutputCapture reading;
        QueryLogSettingsController().select(*m_ctx, {});
        EventLogController().select(*m_ctx, {});
        EventLogListeJoinController().search(*m_ctx, EventLogListeJoinSearchModel());
        QCOMPARE(reading.lines().size(), 3);
        QCOMPARE(scalar("SELECT COUNT(*) FROM QueryLog"), u"0"_s);
    }

    void longTextsAreCut()
    {
        setRule(*m_ctx, "QueryLogSettings", "toDB = 1");
        m_ctx->logQuery(QString(500, u'o'), 3, u"GIBTS"_s, QString(300, u'i'),
                        u"SELECT "_s + QString(400, u'x'), QString(300, u'e'), true);
        QCOMPARE(scalar("SELECT CONCAT_WS('/', COALESCE(queryType, 'NULL'), CHAR_LENGTH(query), "
                        "CHAR_LENGTH(info), CHAR_LENGTH(entities), CHAR_LENGTH(location)) FROM "
                        "QueryLog"),
                 u"NULL/255/255/255/255"_s);
    }

    // A log row that cannot be written is reported with the database's message; the line
    // is printed all the same.
    void failedInsertsAreReported()
    {
        const QString unable = u"Unable to write the log.  Reason: Interner Datenbankfehler; "
                               "Details: Es ist ein interner Datenbankfehler aufgetreten: \n\n"_s;
        setRule(*m_ctx, "EventLogSettings", "toStdOut = 1, toDB = 1");
        setRule(*m_ctx, "QueryLogSettings", "toDB = 1, entity = 'CodeType'");
        run("RENAME TABLE EventLog TO EventLogAway, QueryLog TO QueryLogAway");
        OutputCapture capture;
        m_ctx->log(u"Dialog"_s, u"X"_s, 5, u"trotzdem"_s);
        CodeTypeController().select(*m_ctx, {});
        run("RENAME TABLE EventLogAway TO EventLog, QueryLogAway TO QueryLog");
        const QStringList parts =
            capture.text().split(u"\n\nBitte kontaktieren Sie den Administrator.\n"_s);
        QCOMPARE(parts.size(), 3);
        QVERIFY2(parts[0].startsWith(unable), qPrintable(parts[0]));
        QVERIFY2(parts[1].startsWith(u"[Dialog][5] X says: trotzdem\n"_s + unable),
                 qPrintable(parts[1]));
        QCOMPARE(parts[2], u"Info: queryText was: SELECT * FROM CodeType codetype\n"_s);
    }

    void lookups()
    {
        CodeManager &codes = m_ctx->codeManager();
        const auto a = codes.getCodeValues(u"TestA"_s);
        QCOMPARE(a.size(), size_t(2));
        QCOMPARE(a[0]->getName() + a[1]->getName(), u"GEMEINSAMOHNE"_s);
        QVERIFY(codes.getCodeValues(u"Leer"_s).empty());
        QVERIFY(!codes.getCodeValueByName(u"HAT_KEINEN_TYP"_s));
        // The same value name in two types; the name index holds the value stored last.
        const auto fromA = codes.getCodeValue(u"TestA"_s, u"GEMEINSAM"_s);
        const auto fromB = codes.getCodeValue(u"TestB"_s, u"GEMEINSAM"_s);
        QCOMPARE(fromA->getKurzText() + fromB->getKurzText(), u"aus Aaus B"_s);
        QVERIFY(codes.isCodeValue(fromB->getId(), u"TestB"_s, u"GEMEINSAM"_s));
        QVERIFY(!codes.isCodeValue(fromA->getId(), u"TestB"_s, u"GEMEINSAM"_s));
        QCOMPARE(codes.getCodeValueByName(u"GEMEINSAM"_s)->getKurzText(), u"aus B"_s);
        // Lookups hand out copies.
        fromA->setKurzText(u"geaendert"_s);
        QCOMPARE(codes.getCodeValueById(fromA->getId())->getKurzText(), u"aus A"_s);
    }

    // Loading warns about a code type without name; a missing code value is reported.
    void brokenRowsAndMissingValuesAreReported()
    {
        setRule(*m_ctx, "EventLogSettings", "toStdOut = 1, level = 9");
        OutputCapture capture;
        CodeManager fresh;
        fresh.loadCodes(*m_ctx);
        QVERIFY(!fresh.getCodeValue(u"Jugend"_s, u"Vielleicht"_s));
        QVERIFY(!fresh.isCodeValue(1, u"Fehlt"_s, u"X"_s));
        const QString missing = u"[Codes][9] CodeManager says: Der Codewert %1 des Codetyps %2 "
                                "fehlt in den Codetabellen der Datenbank.  Bitte kontaktieren Sie "
                                "den Administrator."_s;
        QCOMPARE(capture.lines(),
                 QStringList({u"[Codes][9] CodeManager says: Found codeType without name.  "
                              "Ignoring it.  Maybe there is some inconsistency."_s,
                              missing.arg(u"Vielleicht"_s, u"Jugend"_s),
                              missing.arg(u"X"_s, u"Fehlt"_s)}));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(LoggerTest)

#include "tst_logging.moc"
