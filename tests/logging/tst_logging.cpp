#include "CodeManager.h"
#include "DatabaseContext.h"
#include "EventLogger.h"
#include "OutputCapture.h"
#include "QueryLogger.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "controllers/CodeTypeController.h"
#include "controllers/EventLogCategoryController.h"
#include "controllers/EventLogController.h"
#include "controllers/EventLogSettingsController.h"
#include "controllers/QueryLogController.h"
#include "controllers/QueryLogSettingsController.h"
#include "controllers/VereinController.h"
#include "joins/BenutzerListeJoinController.h"
#include "joins/EventLogListeJoinController.h"

#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

using TestDatabase::run;

std::string count(const std::string &table)
{
    return TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                "SELECT COUNT(*) FROM " + table);
}

qlonglong categoryId(DatabaseContext &ctx, const QString &name)
{
    NachNameSearchModel search;
    search.setName(name);
    const auto found = EventLogCategoryController().search(ctx, search);
    return found.empty() ? -1 : found.front()->getId();
}

// Replaces all event-log rules by one.
void setEventRule(DatabaseContext &ctx, const QString &category, const QString &location,
                  const QVariant &level, const QString &op, bool toStdOut, bool toDB)
{
    run("DELETE FROM EventLogSettings");
    EventLogSettings rule;
    if (!category.isNull())
        rule.setCategory(categoryId(ctx, category));
    if (!location.isNull())
        rule.setLocation(location);
    if (level.isValid())
        rule.setLevel(level.toInt());
    if (!op.isNull())
        rule.setLevelOperand(op);
    rule.setToStdOut(toStdOut);
    rule.setToDB(toDB);
    EventLogSettingsController().insertOrUpdate(ctx, rule);
    ctx.reloadEventLogConfiguration();
}

// Replaces all query-log rules by one; an empty type means none.
void setQueryRule(DatabaseContext &ctx, const QString &type, const QString &entity, bool toStdOut,
                  bool toDB)
{
    run("DELETE FROM QueryLogSettings");
    QueryLogSettings rule;
    if (!type.isEmpty())
        rule.setQueryType(ctx.codeManager().idOf(QStringLiteral("QueryType"), type));
    if (!entity.isNull())
        rule.setEntity(entity);
    rule.setToStdOut(toStdOut);
    rule.setToDB(toDB);
    QueryLogSettingsController().insertOrUpdate(ctx, rule);
    ctx.reloadQueryLogConfiguration();
}

} // namespace

class EventLoggerTest : public QObject
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

    void matchesEvent_data()
    {
        QTest::addColumn<qlonglong>("ruleCategory"); // -1: none
        QTest::addColumn<QString>("ruleLocation");   // null: none
        QTest::addColumn<int>("ruleLevel");          // -1: none
        QTest::addColumn<QString>("ruleOperand");    // null: none
        QTest::addColumn<qlonglong>("category");     // -1: unknown category
        QTest::addColumn<QString>("location");       // null: absent
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("matches");
        const QString none;
        const QString a = QStringLiteral("Dialog1");
        QTest::newRow("empty rule") << -1LL << none << -1 << none << 1LL << a << 0 << true;
        QTest::newRow("same category") << 1LL << none << -1 << none << 1LL << a << 5 << true;
        QTest::newRow("other category") << 1LL << none << -1 << none << 2LL << a << 5 << false;
        QTest::newRow("unknown category") << 1LL << none << -1 << none << -1LL << a << 5 << true;
        QTest::newRow("same location") << -1LL << a << -1 << none << 1LL << a << 5 << true;
        QTest::newRow("other location")
            << -1LL << a << -1 << none << 1LL << QStringLiteral("Dialog2") << 5 << false;
        QTest::newRow("location case")
            << -1LL << a << -1 << none << 1LL << QStringLiteral("dialog1") << 5 << false;
        QTest::newRow("blank rule location")
            << 1LL << QStringLiteral("   ") << -1 << none << 1LL << QStringLiteral("x") << 5
            << true;
        QTest::newRow("event without location") << -1LL << a << -1 << none << 1LL << none << 5
                                                << true;
        QTest::newRow("empty event location")
            << -1LL << a << -1 << none << 1LL << QStringLiteral("") << 5 << false;
        QTest::newRow("default >= equal") << -1LL << none << 7 << none << 1LL << a << 7 << true;
        QTest::newRow("default >= below") << -1LL << none << 7 << none << 1LL << a << 6 << false;
        QTest::newRow(">= below") << -1LL << none << 7 << QStringLiteral(">=") << 1LL << a << 6
                                  << false;
        QTest::newRow("> above") << -1LL << none << 7 << QStringLiteral(">") << 1LL << a << 8
                                 << true;
        QTest::newRow("> equal") << -1LL << none << 7 << QStringLiteral(">") << 1LL << a << 7
                                 << false;
        QTest::newRow("< below") << -1LL << none << 7 << QStringLiteral("<") << 1LL << a << 6
                                 << true;
        QTest::newRow("< equal") << -1LL << none << 7 << QStringLiteral("<") << 1LL << a << 7
                                 << false;
        QTest::newRow("<= equal") << -1LL << none << 7 << QStringLiteral("<=") << 1LL << a << 7
                                  << true;
        QTest::newRow("<= above") << -1LL << none << 7 << QStringLiteral("<=") << 1LL << a << 8
                                  << false;
        QTest::newRow("= equal") << -1LL << none << 7 << QStringLiteral("=") << 1LL << a << 7
                                 << true;
        QTest::newRow("= above") << -1LL << none << 7 << QStringLiteral("=") << 1LL << a << 8
                                 << false;
        QTest::newRow("bad operand") << -1LL << none << 7 << QStringLiteral("=>") << 1LL << a << 1
                                     << true;
        QTest::newRow("all three, level fails")
            << 1LL << a << 5 << none << 1LL << a << 4 << false;
        QTest::newRow("all three hold") << 1LL << a << 5 << none << 1LL << a << 5 << true;
    }

    void matchesEvent()
    {
        QFETCH(qlonglong, ruleCategory);
        QFETCH(QString, ruleLocation);
        QFETCH(int, ruleLevel);
        QFETCH(QString, ruleOperand);
        QFETCH(qlonglong, category);
        QFETCH(QString, location);
        QFETCH(int, level);
        QFETCH(bool, matches);
        EventLogSettings rule;
        if (ruleCategory >= 0)
            rule.setCategory(ruleCategory);
        if (!ruleLocation.isNull())
            rule.setLocation(ruleLocation);
        if (ruleLevel >= 0)
            rule.setLevel(ruleLevel);
        if (!ruleOperand.isNull())
            rule.setLevelOperand(ruleOperand);
        EventLogCategory eventCategory;
        eventCategory.setId(category);
        QCOMPARE(EventLogger::matchesEvent(rule, category >= 0 ? &eventCategory : nullptr,
                                           location, level),
                 matches);
    }

    void consoleLines()
    {
        setEventRule(*m_ctx, QString(), QString(), QVariant(), QString(), true, false);
        OutputCapture capture;
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("BenutzerBearbeitenDialog"), 7,
                   QStringLiteral("Aufruf von Schliessen ohne Speichern."));
        m_ctx->log(QStringLiteral("GibtEsNicht"), QStringLiteral("Ort"), 3, QStringLiteral("a"));
        m_ctx->log(QStringLiteral("Dialog"), QString(), 9, QStringLiteral("b"));
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral(""), 9, QString::fromUtf8("Übung"));
        QCOMPARE(capture.lines(),
                 QStringList({QStringLiteral("[Dialog][7] BenutzerBearbeitenDialog says: Aufruf "
                                             "von Schliessen ohne Speichern."),
                              QStringLiteral("[NoCategory][3] Ort says: a"),
                              QStringLiteral("[Dialog][9] Some module says: b"),
                              QString::fromUtf8("[Dialog][9]  says: Übung")}));
    }

    void longMessagesAreSplit()
    {
        setEventRule(*m_ctx, QString(), QString(), QVariant(), QString(), true, true);
        const QString exact(255, QLatin1Char('a'));
        QString longer = QString(225, QLatin1Char('b')) + QString(31, QLatin1Char('c'));
        run("DELETE FROM EventLog");
        OutputCapture capture;
        m_ctx->log(QStringLiteral("Debug"), QStringLiteral("Test"), 5, exact);
        m_ctx->log(QStringLiteral("Debug"), QStringLiteral("Test"), 5, longer);
        QCOMPARE(capture.lines(),
                 QStringList({QStringLiteral("[Debug][5] Test says: ") + exact,
                              QStringLiteral("[Debug][5] Test says: Multi-Line Msg, Part 1: ") +
                                  QString(225, QLatin1Char('b')),
                              QStringLiteral("[Debug][5] Test says: Multi-Line Msg, Part 2: ") +
                                  QString(31, QLatin1Char('c'))}));
        QCOMPARE(count("EventLog"), std::string("3"));
    }

    void rowsFollowTheRules()
    {
        setEventRule(*m_ctx, QStringLiteral("Wertung"), QString(), 7, QString(), false, true);
        run("DELETE FROM EventLog");
        m_ctx->log(QStringLiteral("Wertung"), QStringLiteral("Jury"), 8, QStringLiteral("gespeichert"));
        m_ctx->log(QStringLiteral("Wertung"), QStringLiteral("Jury"), 6, QStringLiteral("zu niedrig"));
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("Jury"), 8, QStringLiteral("andere"));
        // A category without row is stored with a null category, through general rules.
        const QString longLocation = QString(300, QLatin1Char('L'));
        m_ctx->log(QStringLiteral("Unbekannt"), longLocation, 8, QStringLiteral("nicht"));
        QCOMPARE(count("EventLog"), std::string("1"));

        const auto rows = EventLogController().select(*m_ctx, {});
        QCOMPARE(rows.size(), size_t(1));
        const EventLog &row = *rows.front();
        QCOMPARE(row.getText(), QStringLiteral("gespeichert"));
        QCOMPARE(row.getLevel(), 8);
        QCOMPARE(row.getLocation(), QStringLiteral("Jury"));
        QCOMPARE(row.getCategory(), categoryId(*m_ctx, QStringLiteral("Wertung")));
        QCOMPARE(row.getSession(), m_ctx->session()->getId());
        QVERIFY(row.hasExecution_tist());
        QVERIFY(!row.hasImport_tist());

        setEventRule(*m_ctx, QString(), QString(), QVariant(), QString(), false, true);
        m_ctx->log(QStringLiteral("Unbekannt"), longLocation, 8, QStringLiteral("ohne Kategorie"));
        QCOMPARE(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                      "SELECT CONCAT(COALESCE(category, 'NULL'), '/', "
                                      "CHAR_LENGTH(location)) FROM EventLog WHERE text = "
                                      "'ohne Kategorie'"),
                 std::string("NULL/255"));
    }

    void nothingWithoutRules()
    {
        run("DELETE FROM EventLogSettings");
        m_ctx->reloadEventLogConfiguration();
        run("DELETE FROM EventLog");
        OutputCapture capture;
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("X"), 9, QStringLiteral("still"));
        QVERIFY(capture.text().isEmpty());
        QCOMPARE(count("EventLog"), std::string("0"));
    }

    void disabledUntilReloaded()
    {
        setEventRule(*m_ctx, QString(), QString(), QVariant(), QString(), true, true);
        EventLogger fresh(*m_ctx);
        {
            OutputCapture capture;
            fresh.log(QStringLiteral("Dialog"), QStringLiteral("X"), 9, QStringLiteral("leise"));
            QVERIFY(capture.text().isEmpty());
        }
        fresh.reload(*m_ctx);
        OutputCapture capture;
        fresh.log(QStringLiteral("Dialog"), QStringLiteral("X"), 9, QStringLiteral("laut"));
        QCOMPARE(capture.lines(), QStringList(QStringLiteral("[Dialog][9] X says: laut")));
    }

    void reloadPicksUpChangedRule()
    {
        setEventRule(*m_ctx, QString(), QString(), 9, QString(), true, false);
        {
            OutputCapture capture;
            m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("X"), 8, QStringLiteral("acht"));
            QVERIFY(capture.text().isEmpty());
        }
        run("UPDATE EventLogSettings SET level = 8");
        m_ctx->reloadEventLogConfiguration();
        OutputCapture capture;
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("X"), 8, QStringLiteral("acht"));
        QCOMPARE(capture.lines(), QStringList(QStringLiteral("[Dialog][8] X says: acht")));
    }

    void failedInsertStillPrints()
    {
        setEventRule(*m_ctx, QString(), QString(), QVariant(), QString(), true, true);
        run("RENAME TABLE EventLog TO EventLogAway");
        OutputCapture capture;
        m_ctx->log(QStringLiteral("Dialog"), QStringLiteral("X"), 5, QStringLiteral("trotzdem"));
        run("RENAME TABLE EventLogAway TO EventLog");
        // The details span lines of their own.
        const QString text = capture.text();
        QVERIFY2(text.startsWith(QStringLiteral("Unable to write the log.  Reason: Interner "
                                                "Datenbankfehler; Details: Es ist ein interner "
                                                "Datenbankfehler aufgetreten: \n\n")),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("\n\nBitte kontaktieren Sie den Administrator.\n"
                                             "[Dialog][5] X says: trotzdem\n")));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

class QueryLoggerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
        run("DELETE FROM EventLogSettings");
        m_ctx->reloadEventLogConfiguration();
    }
    void cleanupTestCase()
    {
        m_ctx.reset();
        TestDatabase::reinstall();
    }

    void coverTable_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<bool>("covers");
        const QStringList statements = {"SELECT", "INSERT", "UPDATE", "DELETE",
                                        "USER", "GRANT", "ATTRIBUTEPATH", "MYSQLSETTINGS"};
        const QStringList rules = {"ALL", "READ", "WRITE", "SELECT", "INSERT", "UPDATE",
                                   "DELETE", "USER", "GRANT", "ATTRIBUTEPATH", ""};
        for (const QString &statement : statements) {
            for (const QString &rule : rules) {
                bool covers = rule.isEmpty() || rule == statement;
                if (statement == QLatin1String("SELECT"))
                    covers = covers || rule == QLatin1String("ALL") || rule == QLatin1String("READ");
                if (statement == QLatin1String("INSERT") || statement == QLatin1String("UPDATE") ||
                    statement == QLatin1String("DELETE"))
                    covers =
                        covers || rule == QLatin1String("ALL") || rule == QLatin1String("WRITE");
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
            settings.setQueryType(m_ctx->codeManager().idOf(QStringLiteral("QueryType"), rule));
        QCOMPARE(QueryLogger::matchesQueryType(m_ctx->codeManager(), settings, statement), covers);
    }

    void storedAndPrinted()
    {
        setQueryRule(*m_ctx, QStringLiteral("ALL"), QString(), true, true);
        run("DELETE FROM QueryLog");
        CodeType type;
        type.setName(QStringLiteral("mit \"Anfuehrung\""));
        OutputCapture capture;
        CodeTypeController().insertOrUpdate(*m_ctx, type);
        const QStringList lines = capture.lines();
        // The row is stored first; storing it is a statement of its own, printed but not stored.
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(
            QLatin1String("QueryLogController executed query: INSERT INTO QueryLog set")));
        const QString stamp = type.getMut_tist().toString(Qt::ISODate);
        QCOMPARE(lines[1], QStringLiteral("CodeTypeController executed query: INSERT INTO CodeType "
                                          "set create_tist = \"%1\",mut_tist = \"%1\",name = "
                                          "\"mit \\\"Anfuehrung\\\"\" --- Affected rows: 1")
                               .arg(stamp));

        const auto rows = QueryLogController().select(*m_ctx, {});
        QCOMPARE(rows.size(), size_t(1));
        const QueryLog &row = *rows.front();
        QCOMPARE(row.getLocation(), QStringLiteral("CodeTypeController"));
        QCOMPARE(row.getEntities(), QStringLiteral("CodeType"));
        QCOMPARE(row.getNumberOfRows(), 1);
        QCOMPARE(row.getQueryType(),
                 m_ctx->codeManager().idOf(QStringLiteral("QueryType"), QStringLiteral("INSERT")));
        QCOMPARE(row.getSession(), m_ctx->session()->getId());
        QVERIFY(row.getQuery().startsWith(QLatin1String("INSERT INTO CodeType set create_tist = \\\"")));
        QVERIFY(row.hasExecution_tist());
        QVERIFY(!row.hasImport_tist());
    }

    void neverStoredButPrinted()
    {
        setQueryRule(*m_ctx, QString(), QString(), true, true);
        run("DELETE FROM QueryLog");
        OutputCapture capture;
        QueryLogSettingsController().select(*m_ctx, {});        // entities hold "QueryLog"
        EventLogController().select(*m_ctx, {});                // never written to the database
        EventLogListeJoinSearchModel none;
        EventLogListeJoinController().search(*m_ctx, none);
        const QStringList lines = capture.lines();
        QCOMPARE(count("QueryLog"), std::string("0"));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(
            QLatin1String("QueryLogSettingsController executed query: SELECT * FROM")));
    }

    void accountStatementsNeedTheirOwnRule()
    {
        setQueryRule(*m_ctx, QStringLiteral("ALL"), QString(), true, false);
        {
            OutputCapture capture;
            m_ctx->logQuery(QStringLiteral("BenutzerHelper"), 0, QStringLiteral("USER"), QString(),
                            QStringLiteral("CREATE USER x"), QStringLiteral("Benutzer"), true);
            m_ctx->logQuery(QStringLiteral("BenutzerHelper"), 0, QStringLiteral("GRANT"),
                            QString(), QStringLiteral("GRANT y"), QStringLiteral("Benutzer"), true);
            QVERIFY(capture.text().isEmpty());
        }
        setQueryRule(*m_ctx, QStringLiteral("USER"), QString(), true, false);
        OutputCapture capture;
        m_ctx->logQuery(QString(), 0, QStringLiteral("USER"), QStringLiteral("neu"),
                        QStringLiteral("CREATE USER \\\"x\\\""), QStringLiteral("Benutzer"), true);
        QCOMPARE(capture.lines(),
                 QStringList(QStringLiteral("Some module executed query: CREATE USER \"x\" "
                                            "(info: neu) --- Affected rows: 0")));
    }

    void entityRules()
    {
        setQueryRule(*m_ctx, QString(), QStringLiteral("Mitglied"), true, false);
        {
            OutputCapture capture;
            VereinController().select(*m_ctx, {});
            QVERIFY(capture.text().isEmpty());
        }
        OutputCapture capture;
        BenutzerListeJoinSearchModel users;
        BenutzerListeJoinController().search(*m_ctx, users); // "Benutzer,Mitglied"
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QLatin1String("BenutzerListeJoinController")));
    }

    void unknownTypeAndLongTexts()
    {
        setQueryRule(*m_ctx, QString(), QString(), false, true);
        run("DELETE FROM QueryLog");
        const QString longQuery = QStringLiteral("SELECT ") + QString(400, QLatin1Char('x'));
        m_ctx->logQuery(QString(500, QLatin1Char('o')), 3, QStringLiteral("GIBTS"),
                        QString(300, QLatin1Char('i')), longQuery, QString(300, QLatin1Char('e')),
                        true);
        QCOMPARE(TestDatabase::scalar(*TestDatabase::connectAsAdmin("kdb"),
                                      "SELECT CONCAT(COALESCE(queryType, 'NULL'), '/', "
                                      "CHAR_LENGTH(query), '/', CHAR_LENGTH(info), '/', "
                                      "CHAR_LENGTH(entities), '/', CHAR_LENGTH(location)) FROM "
                                      "QueryLog"),
                 std::string("NULL/255/255/255/255"));

        // A rule with a type does not apply to a kind the code tables lack.
        setQueryRule(*m_ctx, QStringLiteral("ALL"), QString(), true, false);
        OutputCapture capture;
        m_ctx->logQuery(QStringLiteral("X"), 0, QStringLiteral("GIBTS"), QString(),
                        QStringLiteral("q"), QStringLiteral("E"), true);
        QVERIFY(capture.text().isEmpty());
    }

    void failedInsertIsReported()
    {
        setQueryRule(*m_ctx, QString(), QStringLiteral("CodeType"), false, true);
        run("RENAME TABLE QueryLog TO QueryLogAway");
        OutputCapture capture;
        CodeTypeController().select(*m_ctx, {});
        run("RENAME TABLE QueryLogAway TO QueryLog");
        const QString text = capture.text();
        QVERIFY(text.startsWith(QLatin1String("Unable to write the log.  Reason: Interner "
                                              "Datenbankfehler; Details: ")));
        QVERIFY(text.endsWith(QStringLiteral("\n\nBitte kontaktieren Sie den Administrator.\n"
                                             "Info: queryText was: SELECT * FROM CodeType "
                                             "codetype\n")));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

class CodeManagerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        run("INSERT INTO CodeType (name) VALUES ('TestA'), ('TestB'), ('Leer'), (NULL)");
        run("INSERT INTO CodeValue (type, name, kurzText, reihenfolge) SELECT id, 'GEMEINSAM', "
            "'aus A', 2 FROM CodeType WHERE name = 'TestA'");
        run("INSERT INTO CodeValue (type, name, kurzText, reihenfolge) SELECT id, 'OHNE', "
            "'ohne Position', NULL FROM CodeType WHERE name = 'TestA'");
        run("INSERT INTO CodeValue (type, name, kurzText, reihenfolge) SELECT id, 'GEMEINSAM', "
            "'aus B', 1 FROM CodeType WHERE name = 'TestB'");
        run("INSERT INTO CodeValue (type, name, kurzText) SELECT id, 'HAT_KEINEN_TYP', 'x' "
            "FROM CodeType WHERE name IS NULL");
        m_ctx = TestDatabase::openContext();
    }
    void cleanupTestCase()
    {
        m_ctx.reset();
        TestDatabase::reinstall();
    }

    void lookups()
    {
        CodeManager &codes = m_ctx->codeManager();
        const auto a = codes.getCodeValues(QStringLiteral("TestA"));
        QCOMPARE(a.size(), size_t(2));
        QCOMPARE(a[0]->getName(), QStringLiteral("GEMEINSAM"));
        QCOMPARE(a[1]->getName(), QStringLiteral("OHNE"));
        QVERIFY(!a[1]->hasReihenfolge());
        QVERIFY(codes.getCodeValues(QStringLiteral("Leer")).empty());
        QVERIFY(!codes.getCodeValueByName(QStringLiteral("HAT_KEINEN_TYP")));

        const auto fromA = codes.getCodeValue(QStringLiteral("TestA"), QStringLiteral("GEMEINSAM"));
        const auto fromB = codes.getCodeValue(QStringLiteral("TestB"), QStringLiteral("GEMEINSAM"));
        QCOMPARE(fromA->getKurzText(), QStringLiteral("aus A"));
        QCOMPARE(fromB->getKurzText(), QStringLiteral("aus B"));
        QVERIFY(codes.isCodeValue(fromB->getId(), QStringLiteral("TestB"),
                                  QStringLiteral("GEMEINSAM")));
        QVERIFY(!codes.isCodeValue(fromA->getId(), QStringLiteral("TestB"),
                                   QStringLiteral("GEMEINSAM")));
        // The value name index holds the value stored last.
        QCOMPARE(codes.getCodeValueByName(QStringLiteral("GEMEINSAM"))->getKurzText(),
                 QStringLiteral("aus B"));

        // Lookups hand out copies.
        fromA->setKurzText(QStringLiteral("geaendert"));
        QCOMPARE(codes.getCodeValueById(fromA->getId())->getKurzText(), QStringLiteral("aus A"));
    }

    void loadingWarnsAboutBrokenRows()
    {
        setEventRule(*m_ctx, QStringLiteral("Codes"), QString(), 3, QString(), true, false);
        CodeManager fresh;
        OutputCapture capture;
        fresh.loadCodes(*m_ctx);
        const QStringList lines = capture.lines();
        QVERIFY(lines.contains(QStringLiteral("[Codes][8] CodeManager says: Starting to load codes.")));
        QVERIFY(lines.contains(QStringLiteral("[Codes][3] CodeManager says: Inspecting CodeType "
                                              "(without name)")));
        QVERIFY(lines.contains(QStringLiteral("[Codes][9] CodeManager says: Found codeType without "
                                              "name.  Ignoring it.  Maybe there is some "
                                              "inconsistency.")));
        QVERIFY(lines.contains(QStringLiteral("[Codes][3] CodeManager says: Found 0 instances for "
                                              "CodeType Leer")));
        QCOMPARE(lines.last(), QStringLiteral("[Codes][8] CodeManager says: Finished loading codes."));
    }

    void missingPairIsReported()
    {
        setEventRule(*m_ctx, QString(), QString(), 9, QString(), true, false);
        OutputCapture capture;
        QVERIFY(!m_ctx->codeManager().getCodeValue(QStringLiteral("Jugend"),
                                                   QStringLiteral("Vielleicht")));
        QVERIFY(!m_ctx->codeManager().isCodeValue(1, QStringLiteral("Fehlt"), QStringLiteral("X")));
        QCOMPARE(capture.lines(),
                 QStringList({QStringLiteral("[Codes][9] CodeManager says: Der Codewert Vielleicht "
                                             "des Codetyps Jugend fehlt in den Codetabellen der "
                                             "Datenbank.  Bitte kontaktieren Sie den "
                                             "Administrator."),
                              QStringLiteral("[Codes][9] CodeManager says: Der Codewert X des "
                                             "Codetyps Fehlt fehlt in den Codetabellen der "
                                             "Datenbank.  Bitte kontaktieren Sie den "
                                             "Administrator.")}));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(EventLoggerTest)
KALVOR_REGISTER_TEST(QueryLoggerTest)
KALVOR_REGISTER_TEST(CodeManagerTest)

#include "tst_logging.moc"
