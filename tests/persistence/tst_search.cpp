// Query-condition strategies, search models and join controllers.
#include "tst_persistence.h"

#include "DataModel.h"
#include "EntityController.h"
#include "JoinController.h"
#include "SearchCatalogue.h"
#include "SqlWriter.h"
#include "TestRegistry.h"
#include "joins/TeilnehmerWertungsListeJoinController.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::shared_ptr<QueryConditionStrategy>)

class SearchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_db = std::make_unique<RecordingContext>();
    }
    void cleanupTestCase() { m_db.reset(); }

    void strategyConditions_data()
    {
        QTest::addColumn<std::shared_ptr<QueryConditionStrategy>>("strategy");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("condition"); // empty: none
        using S = std::shared_ptr<QueryConditionStrategy>;
        const QString prefix = u"%"_s;
        QTest::newRow("bool") << S(new BoolQueryConditionStrategy) << QVariant(true)
                              << "t.c = TRUE";
        QTest::newRow("bool false")
            << S(new BoolQueryConditionStrategy) << QVariant(false) << "t.c = FALSE";
        QTest::newRow("int >=") << S(new IntQueryConditionStrategy(u">="_s)) << QVariant(-7)
                                << "t.c >= -7";
        QTest::newRow("long") << S(new LongQueryConditionStrategy) << QVariant(9000000000LL)
                              << "t.c = 9000000000";
        QTest::newRow("double") << S(new DoubleQueryConditionStrategy(u"<"_s))
                                << QVariant(2.0 / 3.0) << "t.c < 0.666667";
        QTest::newRow("date") << S(new DateQueryConditionStrategy(u"<="_s))
                              << QVariant(QDate(2026, 2, 3)) << "t.c <= \"2026-02-03\"";
        QTest::newRow("timestamp") << S(new DateTimeQueryConditionStrategy)
                                   << QVariant(QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)))
                                   << "t.c = \"2026-02-03T04:05:06\"";
        QTest::newRow("date or null")
            << S(new DateNullQueryConditionStrategy(u">"_s)) << QVariant(QDate(2026, 12, 6))
            << "(t.c IS NULL OR t.c > \"2026-12-06\")";
        QTest::newRow("text") << S(new StringQueryConditionStrategy) << QVariant("Huber")
                              << "t.c LIKE \"Huber\"";
        QTest::newRow("text prefix")
            << S(new StringQueryConditionStrategy(prefix)) << QVariant("Hu") << "t.c LIKE \"Hu%\"";
        QTest::newRow("leading blank kept")
            << S(new StringQueryConditionStrategy) << QVariant(" Hu") << "t.c LIKE \" Hu\"";
        QTest::newRow("blank text") << S(new StringQueryConditionStrategy) << QVariant("   ") << "";
        QTest::newRow("wildcards are literal")
            << S(new StringQueryConditionStrategy(prefix)) << QVariant("50%_a\\")
            << "t.c LIKE \"50\\\\%\\\\_a\\\\\\\\%\"";
        QTest::newRow("text equal") << S(new StringQueryConditionStrategy(QString(), u"="_s))
                                    << QVariant("a\"b%") << "t.c = \"a\\\"b%\"";
        QTest::newRow("contains") << S(new ContainsQueryConditionStrategy) << QVariant("a_b")
                                  << "t.c LIKE \"%a\\\\_b%\"";
        QTest::newRow("contains blank")
            << S(new ContainsQueryConditionStrategy) << QVariant(" ") << "";
        QTest::newRow("never") << S(new TrueQueryConditionStrategy) << QVariant(1) << "";
        QTest::newRow("null value") << S(new IntQueryConditionStrategy) << QVariant() << "";
    }

    void strategyConditions()
    {
        QFETCH(std::shared_ptr<QueryConditionStrategy>, strategy);
        QFETCH(QVariant, value);
        QFETCH(QString, condition);
        SqlWriter writer((**m_db).connection());
        ConditionList conditions(writer);
        strategy->appendCondition(conditions, u"t.c"_s, value);
        QCOMPARE(conditions.conditions(),
                 condition.isEmpty() ? QStringList() : QStringList(condition));
    }

    // Every field of every search model restricts the column it names, on the real schema.
    void everySearchModelField()
    {
        DatabaseContext &ctx = **m_db;
        const DataModel &model = ctx.dataModel();
        int searched = 0;
        for (const SearchModelEntry &entry : searchModelCatalogue()) {
            const SearchModelDef &def = entry.def();
            const RecordClassInfo &info = entry.classInfo();
            QCOMPARE(def.fieldCount, info.rowCount());
            if (!entry.controller)
                continue;
            const QString entityName = QString::fromLatin1(entry.controller).chopped(10);
            const EntityDescription *entity = model.entity(entityName);
            QVERIFY2(entity, entry.controller);
            const ControllerDef controller{entry.controller, int(model.entities().indexOf(entity)),
                                           true};
            for (int row = 0; row < def.fieldCount; ++row, ++searched) {
                const SearchFieldDef &field = def.fields[row];
                const int type = info.slotAt(row).metaType;
                std::unique_ptr<Record> search(info.create());
                search->setValueAt(row, sampleValue(type));
                EntityController(ctx, controller).search(*search, def, StrategyMap());
                const QString query = m_db->last().query;
                const QString where = QString::fromLatin1(entry.name) + u'.' +
                                      info.slotAt(row).name + u": "_s + query;
                if (field.kind == SearchFieldKind::Ignored ||
                    field.kind == SearchFieldKind::Unrestricted) {
                    QVERIFY2(!query.contains(u" WHERE "_s), qPrintable(where));
                    continue;
                }
                const QString column = QString::fromLatin1(field.column);
                QCOMPARE(column.section(u'.', 0, 0), entityName.toLower());
                const QString op = field.kind == SearchFieldKind::From ? u">="_s
                                   : field.kind == SearchFieldKind::To ? u"<="_s
                                   : type == QMetaType::QString        ? u"LIKE"_s
                                                                       : u"="_s;
                QVERIFY2(query.contains(u" WHERE %1 %2 "_s.arg(column, op)), qPrintable(where));
            }
        }
        QVERIFY(searched > 150);
    }

    // Every join runs on the real schema; with an empty search model only the join conditions
    // restrict the rows. Reading the logs is never logged to the database.
    void everyJoinRuns()
    {
        for (const JoinEntry &entry : joinCatalogue()) {
            const JoinDef &join = entry.join();
            std::unique_ptr<Record> search(entry.searchClass().create());
            JoinController(**m_db, join)
                .search(*search, entry.searchDef(), StrategyMap(), entry.rowClass());
            const QueryReport &report = m_db->last();
            QCOMPARE(report.location, QString::fromLatin1(join.name));
            QCOMPARE(report.entities, QString::fromLatin1(join.entities));
            QStringList joins;
            for (int j = 0; j < join.joinCount; ++j)
                joins << QString::fromLatin1(join.joins[j]);
            QVERIFY2(report.query.endsWith(u" WHERE "_s + joins.join(u" AND "_s)),
                     qPrintable(report.query));
            const bool readsLogs = qstrcmp(join.name, "EventLogListeJoinController") == 0 ||
                                   qstrcmp(join.name, "QueryLogListeJoinController") == 0;
            QCOMPARE(report.writeToDatabase, !readsLogs);
        }
    }

    void joinReadsJoinedRows()
    {
        DatabaseContext &ctx = **m_db;
        for (const char *sql :
             {"INSERT INTO Verein (id, name) VALUES (901, 'Photoclub Wels')",
              "INSERT INTO Mitglied (id, nachname, verein) VALUES (902, 'Mayr', 901)",
              "INSERT INTO Wettbewerb (id, datum) VALUES (903, '2026-05-01')",
              "INSERT INTO Sparte (id, wettbewerb) VALUES (904, 903)",
              "INSERT INTO WettbewerbsTeilnahme (id, mitglied, wettbewerb) VALUES (905, 902, 903)",
              "INSERT INTO TeilnehmerWertung (id, wettbewerb, wettbewerbsTeilnahme, sparte, "
              "verein, "
              "punkte) VALUES (906, 903, 905, 904, 901, 87)"})
            TestDatabase::run(sql);
        TeilnehmerWertungsListeJoinController controller;
        TeilnehmerWertungsListeJoinSearchModel search;
        auto rows = controller.search(ctx, search);
        QCOMPARE(rows.size(), size_t(1));
        const TeilnehmerWertungsListeJoinModel &row = *rows.front();
        QCOMPARE(row.getMitgliedNachname() + u'/' + row.getVereinName(), u"Mayr/Photoclub Wels"_s);
        QCOMPARE(row.getWertungPunkte(), 87);
        QCOMPARE(row.getWettbewerbDatum(), QDate(2026, 5, 1));
        QVERIFY(!row.hasWertungRang() && !row.hasMitgliedVorname() && !row.hasSparteName());
        const auto wertung = TeilnehmerWertungsListeJoinController::toWertung(row);
        QCOMPARE(wertung->getId(), 906);
        QCOMPARE(wertung->getPunkte(), 87);

        // Criteria restrict the joined rows; strategies replace default conditions, and give
        // one to fields that have none (the leaving date).
        search.setWettbewerbDatumFrom(QDate(2026, 6, 1));
        QVERIFY(controller.search(ctx, search).empty());
        search.setWettbewerbDatumFromNull();
        search.setMitgliedDatumAustritt(QDate(2000, 1, 1));
        search.setVereinName(u"Photo"_s);
        QVERIFY(controller.search(ctx, search).empty());
        StrategyMap strategies;
        strategies[TeilnehmerWertungsListeJoinSearchModel::vereinNameRow] =
            std::make_unique<StringQueryConditionStrategy>(u"%"_s);
        strategies[TeilnehmerWertungsListeJoinSearchModel::mitgliedDatumAustrittRow] =
            std::make_unique<DateNullQueryConditionStrategy>(u">"_s);
        QCOMPARE(controller.search(ctx, search, std::move(strategies)).size(), size_t(1));
        QVERIFY2(m_db->last().query.contains(
                     u" WHERE (mitglied.datumAustritt IS NULL OR mitglied.datumAustritt > "
                     "\\\"2000-01-01\\\") AND verein.name LIKE \\\"Photo%\\\" AND "_s),
                 qPrintable(m_db->last().query));
    }

private:
    std::unique_ptr<RecordingContext> m_db;
};

KALVOR_REGISTER_TEST(SearchTest)

#include "tst_search.moc"
