#include "tst_persistence.h"

#include "TestRegistry.h"

#include "DataModel.h"
#include "DatabaseContext.h"
#include "EntityController.h"
#include "JoinController.h"
#include "SearchCatalogue.h"
#include "SqlWriter.h"
#include "TestDatabase.h"
#include "controllers/CodeTypeController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/VereinController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "joins/TeilnehmerWertungsListeJoinController.h"

#include <QtTest>

#include <mysql++/mysql++.h>

Q_DECLARE_METATYPE(std::shared_ptr<QueryConditionStrategy>)

namespace {

QVariant sampleValue(int metaType)
{
    switch (metaType) {
    case QMetaType::QString:
        return QStringLiteral("1");
    case QMetaType::Bool:
        return true;
    case QMetaType::QDate:
        return QDate(2026, 1, 1);
    case QMetaType::QDateTime:
        return QDateTime(QDate(2026, 1, 1), QTime(12, 0));
    default:
        return 1;
    }
}

} // namespace

void SearchTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
    m_ctx = TestDatabase::openContext();
    m_ctx->setQueryObserver([this](const QueryReport &report) { m_reports.push_back(report); });
}

void SearchTest::init()
{
    m_reports.clear();
}

void SearchTest::cleanupTestCase()
{
    m_ctx.reset();
}

void SearchTest::strategyConditions_data()
{
    QTest::addColumn<std::shared_ptr<QueryConditionStrategy>>("strategy");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("condition");
    using S = std::shared_ptr<QueryConditionStrategy>;

    QTest::newRow("bool") << S(new BoolQueryConditionStrategy) << QVariant(true)
                          << QStringLiteral("t.c = TRUE");
    QTest::newRow("bool false") << S(new BoolQueryConditionStrategy) << QVariant(false)
                                << QStringLiteral("t.c = FALSE");
    QTest::newRow("int >=") << S(new IntQueryConditionStrategy(QStringLiteral(">=")))
                            << QVariant(-7) << QStringLiteral("t.c >= -7");
    QTest::newRow("long") << S(new LongQueryConditionStrategy) << QVariant(9000000000LL)
                          << QStringLiteral("t.c = 9000000000");
    QTest::newRow("double") << S(new DoubleQueryConditionStrategy(QStringLiteral("<")))
                            << QVariant(2.0 / 3.0) << QStringLiteral("t.c < 0.666667");
    QTest::newRow("date") << S(new DateQueryConditionStrategy(QStringLiteral("<=")))
                          << QVariant(QDate(2026, 2, 3)) << QStringLiteral("t.c <= \"2026-02-03\"");
    QTest::newRow("timestamp")
        << S(new DateTimeQueryConditionStrategy)
        << QVariant(QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)))
        << QStringLiteral("t.c = \"2026-02-03T04:05:06\"");
    QTest::newRow("date or null")
        << S(new DateNullQueryConditionStrategy(QStringLiteral(">")))
        << QVariant(QDate(2026, 12, 6))
        << QStringLiteral("(t.c IS NULL OR t.c > \"2026-12-06\")");
    QTest::newRow("text") << S(new StringQueryConditionStrategy) << QVariant(QStringLiteral("Huber"))
                          << QStringLiteral("t.c LIKE \"Huber\"");
    QTest::newRow("text prefix")
        << S(new StringQueryConditionStrategy(QStringLiteral("%")))
        << QVariant(QStringLiteral("Hu")) << QStringLiteral("t.c LIKE \"Hu%\"");
    QTest::newRow("leading blank kept")
        << S(new StringQueryConditionStrategy) << QVariant(QStringLiteral(" Hu"))
        << QStringLiteral("t.c LIKE \" Hu\"");
    QTest::newRow("blank text") << S(new StringQueryConditionStrategy)
                                << QVariant(QStringLiteral("   ")) << QString();
    QTest::newRow("wildcards are literal")
        << S(new StringQueryConditionStrategy(QStringLiteral("%")))
        << QVariant(QStringLiteral("50%_a\\")) << QStringLiteral("t.c LIKE \"50\\\\%\\\\_a\\\\\\\\%\"");
    QTest::newRow("text equal")
        << S(new StringQueryConditionStrategy(QString(), QStringLiteral("=")))
        << QVariant(QStringLiteral("a\"b%")) << QStringLiteral("t.c = \"a\\\"b%\"");
    QTest::newRow("contains")
        << S(new ContainsQueryConditionStrategy) << QVariant(QStringLiteral("a_b"))
        << QStringLiteral("t.c LIKE \"%a\\\\_b%\"");
    QTest::newRow("contains blank") << S(new ContainsQueryConditionStrategy)
                                    << QVariant(QStringLiteral(" ")) << QString();
    QTest::newRow("never") << S(new TrueQueryConditionStrategy) << QVariant(1) << QString();
    QTest::newRow("null value") << S(new IntQueryConditionStrategy) << QVariant() << QString();
}

void SearchTest::strategyConditions()
{
    QFETCH(std::shared_ptr<QueryConditionStrategy>, strategy);
    QFETCH(QVariant, value);
    QFETCH(QString, condition);
    SqlWriter writer(m_ctx->connection());
    ConditionList conditions(writer);
    strategy->appendCondition(conditions, QStringLiteral("t.c"), value);
    QCOMPARE(conditions.conditions(),
             condition.isEmpty() ? QStringList() : QStringList(condition));
}

void SearchTest::searchModelDefaults()
{
    VereinsSucheSearchModel clubs;
    clubs.setName(QStringLiteral("Foto"));
    VereinController().search(*m_ctx, clubs);
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM Verein verein WHERE verein.name LIKE \\\"Foto\\\""));
    StrategyMap prefix;
    prefix[VereinsSucheSearchModel::nameRow] =
        std::make_unique<StringQueryConditionStrategy>(QStringLiteral("%"));
    VereinController().search(*m_ctx, clubs, std::move(prefix));
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM Verein verein WHERE verein.name LIKE \\\"Foto%\\\""));

    WettbewerbsSucheSearchModel competitions;
    competitions.setDatumFrom(QDate(2026, 1, 1));
    competitions.setDatumTo(QDate(2026, 12, 31));
    competitions.setDatumInputFrom(QStringLiteral("gar kein Datum"));
    WettbewerbController().search(*m_ctx, competitions);
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM Wettbewerb wettbewerb WHERE wettbewerb.datum >= "
                            "\\\"2026-01-01\\\" AND wettbewerb.datum <= \\\"2026-12-31\\\""));

    MitgliedersucheSearchModel members;
    members.setDatumAustritt(QDate(2026, 12, 6));
    MitgliedController().search(*m_ctx, members);
    QCOMPARE(m_reports.back().query, QStringLiteral("SELECT * FROM Mitglied mitglied"));
    StrategyMap leaving;
    leaving[MitgliedersucheSearchModel::datumAustrittRow] = std::make_unique<DateNullQueryConditionStrategy>(QStringLiteral(">"));
    MitgliedController().search(*m_ctx, members, std::move(leaving));
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM Mitglied mitglied WHERE (mitglied.datumAustritt IS "
                            "NULL OR mitglied.datumAustritt > \\\"2026-12-06\\\")"));

    const auto all = CodeTypeController().search(*m_ctx, AlleCodeTypesSearchModel());
    QCOMPARE(m_reports.back().query, QStringLiteral("SELECT * FROM CodeType codetype"));
    QVERIFY(all.size() >= 19);
}

// Every field of every search model restricts the column it names, on the real schema.
void SearchTest::everySearchModelField()
{
    const DataModel &model = m_ctx->dataModel();
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
        for (int row = 0; row < def.fieldCount; ++row) {
            const SearchFieldDef &field = def.fields[row];
            const QString fieldName = QString::fromLatin1(info.slotAt(row).name);
            std::unique_ptr<Record> search(info.create());
            const int type = info.slotAt(row).metaType;
            search->setValueAt(row, sampleValue(type));
            m_reports.clear();
            EntityController(*m_ctx, controller).search(*search, def, StrategyMap());
            ++searched;
            const QString query = m_reports.back().query;
            const QString where = QString::fromLatin1(entry.name) + QLatin1Char('.') + fieldName;
            if (field.kind == SearchFieldKind::Ignored || field.kind == SearchFieldKind::Unrestricted) {
                QVERIFY2(!query.contains(QLatin1String(" WHERE ")), qPrintable(where));
                continue;
            }
            const QString column = QString::fromLatin1(field.column);
            QCOMPARE(column.section(QLatin1Char('.'), 0, 0), entityName.toLower());
            const QString op = field.kind == SearchFieldKind::From ? QStringLiteral(">=")
                               : field.kind == SearchFieldKind::To ? QStringLiteral("<=")
                               : type == QMetaType::QString        ? QStringLiteral("LIKE")
                                                                   : QStringLiteral("=");
            QVERIFY2(query.contains(QStringLiteral(" WHERE ") + column + QLatin1Char(' ') + op +
                                    QLatin1Char(' ')),
                     qPrintable(where + QStringLiteral(": ") + query));
        }
    }
    QVERIFY(searched > 150);
}

void SearchTest::everyJoinRuns()
{
    for (const JoinEntry &entry : joinCatalogue()) {
        const JoinDef &join = entry.join();
        std::unique_ptr<Record> search(entry.searchClass().create());
        m_reports.clear();
        JoinController(*m_ctx, join).search(*search, entry.searchDef(), StrategyMap(),
                                            entry.rowClass());
        const QueryReport &report = m_reports.back();
        QCOMPARE(report.location, QString::fromLatin1(join.name));
        QCOMPARE(report.entities, QString::fromLatin1(join.entities));
        QCOMPARE(report.writeToDatabase, join.logToDatabase);
        // With an empty search model, only the join conditions restrict the rows.
        QStringList joins;
        for (int j = 0; j < join.joinCount; ++j)
            joins << QString::fromLatin1(join.joins[j]);
        QVERIFY2(report.query.endsWith(QStringLiteral(" WHERE ") + joins.join(QStringLiteral(" AND "))),
                 qPrintable(report.query));
        const bool quiet = qstrcmp(join.name, "EventLogListeJoinController") == 0 ||
                           qstrcmp(join.name, "QueryLogListeJoinController") == 0;
        QCOMPARE(join.logToDatabase, !quiet);
    }
}

void SearchTest::joinReadsJoinedRows()
{
    Verein club;
    club.setName(QStringLiteral("Photoclub Wels"));
    club.setVereinsNummerKomplett(QStringLiteral("312"));
    VereinController().insertOrUpdate(*m_ctx, club);
    Mitglied member;
    member.setVorname(QStringLiteral("Eva"));
    member.setNachname(QStringLiteral("Mayr"));
    member.setVerein(club.getId());
    MitgliedController().insertOrUpdate(*m_ctx, member);
    Wettbewerb competition;
    competition.setName(QStringLiteral("Landesmeisterschaft"));
    competition.setDatum(QDate(2026, 5, 1));
    WettbewerbController().insertOrUpdate(*m_ctx, competition);
    Sparte category;
    category.setName(QStringLiteral("Natur"));
    category.setWettbewerb(competition.getId());
    SparteController().insertOrUpdate(*m_ctx, category);
    WettbewerbsTeilnahme entry;
    entry.setMitglied(member.getId());
    entry.setWettbewerb(competition.getId());
    WettbewerbsTeilnahmeController().insertOrUpdate(*m_ctx, entry);
    TeilnehmerWertung result;
    result.setWettbewerb(competition.getId());
    result.setWettbewerbsTeilnahme(entry.getId());
    result.setSparte(category.getId());
    result.setVerein(club.getId());
    result.setPunkte(87);
    TeilnehmerWertungController().insertOrUpdate(*m_ctx, result);

    TeilnehmerWertungsListeJoinSearchModel search;
    m_reports.clear();
    auto rows = TeilnehmerWertungsListeJoinController().search(*m_ctx, search);
    QVERIFY(m_reports.back().query.endsWith(QLatin1String(
        " FROM Mitglied mitglied, Sparte sparte, WettbewerbsTeilnahme teilnahme, Verein verein, "
        "TeilnehmerWertung wertung, Wettbewerb wettbewerb WHERE wertung.wettbewerbsTeilnahme = "
        "teilnahme.id AND teilnahme.mitglied = mitglied.id AND wertung.verein = verein.id AND "
        "wertung.sparte = sparte.id AND wertung.wettbewerb = wettbewerb.id")));
    QVERIFY(m_reports.back().query.startsWith(
        QLatin1String("SELECT mitglied.id, mitglied.create_tist, mitglied.mut_tist, "
                      "mitglied.datumGeburt, ")));
    QCOMPARE(rows.size(), size_t(1));
    const TeilnehmerWertungsListeJoinModel &row = *rows.front();
    QCOMPARE(row.getMitgliedNachname(), QStringLiteral("Mayr"));
    QCOMPARE(row.getVereinName(), QStringLiteral("Photoclub Wels"));
    QCOMPARE(row.getSparteName(), QStringLiteral("Natur"));
    QCOMPARE(row.getWertungPunkte(), 87);
    QCOMPARE(row.getWettbewerbDatum(), QDate(2026, 5, 1));
    QVERIFY(!row.hasWertungRang());
    QVERIFY(!row.hasMitgliedDatumGeburtInput());

    // Conversions to entities and back.
    const auto wertung = TeilnehmerWertungsListeJoinController::toWertung(row);
    QCOMPARE(wertung->toMap().value(QStringLiteral("punkte")), QVariant(87));
    QCOMPARE(wertung->getId(), result.getId());
    TeilnehmerWertungsListeJoinModel copy;
    TeilnehmerWertung ranked(result.toMap());
    ranked.setRang(1);
    TeilnehmerWertungsListeJoinController::fromWertung(copy, ranked);
    QCOMPARE(copy.getWertungRang(), 1);
    QCOMPARE(copy.getWertungPunkte(), 87);
    QVERIFY(!copy.hasMitgliedId());

    // Criteria restrict the joined rows; the leaving date only with a strategy.
    search.setWettbewerbDatumFrom(QDate(2026, 6, 1));
    QVERIFY(TeilnehmerWertungsListeJoinController().search(*m_ctx, search).empty());
    search.setWettbewerbDatumFromNull();
    search.setMitgliedDatumAustritt(QDate(2000, 1, 1));
    QCOMPARE(TeilnehmerWertungsListeJoinController().search(*m_ctx, search).size(), size_t(1));
    search.setVereinName(QStringLiteral("Photo"));
    StrategyMap prefix;
    prefix[TeilnehmerWertungsListeJoinSearchModel::vereinNameRow] = std::make_unique<StringQueryConditionStrategy>(QStringLiteral("%"));
    QCOMPARE(TeilnehmerWertungsListeJoinController().search(*m_ctx, search, std::move(prefix)).size(),
             size_t(1));
    QVERIFY(m_reports.back().query.contains(QLatin1String("verein.name LIKE \\\"Photo%\\\"")));
}

KALVOR_REGISTER_TEST(SearchTest)
