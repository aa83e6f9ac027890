// Query-condition strategies, search models and join controllers.
#include "tst_persistence.h"

#include "DataModel.h"
#include "EntityController.h"
#include "JoinController.h"
#include "SearchCatalogue.h"
#include "SqlWriter.h"
#include "TestRegistry.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "controllers/VereinController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
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

    // A strategy given for a field replaces its default condition; a field without a default
    // condition restricts only with one.
    void strategiesReplaceDefaults()
    {
        DatabaseContext &ctx = **m_db;
        VereinsSucheSearchModel clubs;
        clubs.setName(u"Foto"_s);
        StrategyMap prefix;
        prefix[VereinsSucheSearchModel::nameRow] =
            std::make_unique<StringQueryConditionStrategy>(u"%"_s);
        VereinController().search(ctx, clubs, std::move(prefix));
        QCOMPARE(m_db->last().query,
                 u"SELECT * FROM Verein verein WHERE verein.name LIKE \\\"Foto%\\\""_s);

        MitgliedersucheSearchModel members;
        members.setDatumAustritt(QDate(2026, 12, 6));
        MitgliedController().search(ctx, members);
        QCOMPARE(m_db->last().query, u"SELECT * FROM Mitglied mitglied"_s);
        StrategyMap leaving;
        leaving[MitgliedersucheSearchModel::datumAustrittRow] =
            std::make_unique<DateNullQueryConditionStrategy>(u">"_s);
        MitgliedController().search(ctx, members, std::move(leaving));
        QCOMPARE(m_db->last().query,
                 u"SELECT * FROM Mitglied mitglied WHERE (mitglied.datumAustritt IS NULL OR "
                 "mitglied.datumAustritt > \\\"2026-12-06\\\")"_s);
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
        Verein club;
        club.setName(u"Photoclub Wels"_s);
        VereinController().insertOrUpdate(ctx, club);
        Mitglied member;
        member.setNachname(u"Mayr"_s);
        member.setVerein(club.getId());
        MitgliedController().insertOrUpdate(ctx, member);
        Wettbewerb competition;
        competition.setDatum(QDate(2026, 5, 1));
        WettbewerbController().insertOrUpdate(ctx, competition);
        Sparte category;
        category.setWettbewerb(competition.getId());
        SparteController().insertOrUpdate(ctx, category);
        WettbewerbsTeilnahme entry;
        entry.setMitglied(member.getId());
        entry.setWettbewerb(competition.getId());
        WettbewerbsTeilnahmeController().insertOrUpdate(ctx, entry);
        TeilnehmerWertung result;
        result.setWettbewerb(competition.getId());
        result.setWettbewerbsTeilnahme(entry.getId());
        result.setSparte(category.getId());
        result.setVerein(club.getId());
        result.setPunkte(87);
        TeilnehmerWertungController().insertOrUpdate(ctx, result);

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
        QCOMPARE(QVariantList({wertung->getId(), wertung->getPunkte()}),
                 QVariantList({result.getId(), 87}));

        // Criteria restrict the joined rows; the leaving date only with a strategy.
        search.setWettbewerbDatumFrom(QDate(2026, 6, 1));
        QVERIFY(controller.search(ctx, search).empty());
        search.setWettbewerbDatumFromNull();
        search.setMitgliedDatumAustritt(QDate(2000, 1, 1));
        QCOMPARE(controller.search(ctx, search).size(), size_t(1));
        search.setVereinName(u"Photo"_s);
        StrategyMap prefix;
        prefix[TeilnehmerWertungsListeJoinSearchModel::vereinNameRow] =
            std::make_unique<StringQueryConditionStrategy>(u"%"_s);
        QCOMPARE(controller.search(ctx, search, std::move(prefix)).size(), size_t(1));
        QVERIFY(m_db->last().query.contains(u"verein.name LIKE \\\"Photo%\\\""_s));
    }

private:
    std::unique_ptr<RecordingContext> m_db;
};

KALVOR_REGISTER_TEST(SearchTest)

#include "tst_search.moc"
