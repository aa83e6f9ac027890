#include "tst_persistence.h"

#include "TestRegistry.h"

#include "Clock.h"
#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "TestDatabase.h"
#include "Transaction.h"
#include "controllers/BildDatenController.h"
#include "controllers/CodeTypeController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EventLogController.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "controllers/WettbewerbController.h"
#include "joins/FunktionstraegerJoinController.h"

#include <QRandomGenerator>
#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

const QDateTime kT1(QDate(2026, 12, 6), QTime(10, 0, 0));
const QDateTime kT2(QDate(2026, 12, 7), QTime(11, 30, 15));

QStringList hostileTexts()
{
    QStringList texts = {
        QStringLiteral("O'Brien \"der Zweite\""),
        QStringLiteral("endet mit Backslash\\"),
        QStringLiteral("\\\" \\' \\\\ \\n \\0"),
        QString::fromUtf8("mit\0NUL", 7),
        QStringLiteral("zwei\nZeilen\r\nund\tTab"),
        QStringLiteral("100% _sicher_"),
        QStringLiteral("\"; DROP TABLE Verein; --"),
        QStringLiteral("' OR '1'='1"),
        QString::fromUtf8("Ärger über Öl, ß und Ž"),
        QString::fromUtf8("Kamera \xF0\x9F\x93\xB7 und \xF0\x9F\x98\x80"),
        QStringLiteral(" führendes Leerzeichen"),
        QStringLiteral("\x1a Strg-Z"),
    };
    // Random texts of printable and special characters.
    QRandomGenerator random(4711);
    const QString alphabet = QString::fromUtf8("ab\"'\\%_ \n\r\t;-äü€😀`$");
    for (int n = 0; n < 8; ++n) {
        QString text;
        const int length = 1 + int(random.bounded(20));
        for (int i = 0; i < length; ++i) {
            const QChar c = alphabet.at(int(random.bounded(alphabet.size())));
            if (c.isHighSurrogate() || c.isLowSurrogate())
                text += QString::fromUtf8("\xF0\x9F\x98\x80");
            else
                text += c;
        }
        texts << text;
    }
    return texts;
}

} // namespace

void ControllerTest::initTestCase()
{
    REQUIRE_TEST_DATABASE();
    TestDatabase::reinstall();
    m_clock = std::make_shared<FixedClock>(kT1);
    m_ctx = TestDatabase::openContext(m_clock);
    m_ctx->setQueryObserver([this](const QueryReport &report) { m_reports.push_back(report); });
}

void ControllerTest::init()
{
    m_clock->set(kT1);
    m_reports.clear();
}

void ControllerTest::cleanupTestCase()
{
    m_ctx.reset();
}

void ControllerTest::insertThenUpdate()
{
    CodeTypeController controller;
    CodeType type;
    type.setName(QStringLiteral("Typ \"A\""));
    controller.insertOrUpdate(*m_ctx, type);

    QVERIFY(type.hasId());
    QCOMPARE(type.getCreate_tist(), kT1);
    QCOMPARE(type.getMut_tist(), kT1);
    QCOMPARE(m_reports.size(), size_t(1));
    const QueryReport &insert = m_reports.front();
    QCOMPARE(insert.location, QStringLiteral("CodeTypeController"));
    QCOMPARE(insert.queryType, QStringLiteral("INSERT"));
    QCOMPARE(insert.numberOfRows, 1);
    QCOMPARE(insert.entities, QStringLiteral("CodeType"));
    QVERIFY(insert.writeToDatabase);
    QVERIFY(insert.info.isEmpty());
    QCOMPARE(insert.query,
             QStringLiteral("INSERT INTO CodeType set create_tist = \\\"2026-12-06T10:00:00\\\","
                            "mut_tist = \\\"2026-12-06T10:00:00\\\",name = \\\"Typ \\\\\"A\\\\\"\\\""));

    m_clock->set(kT2);
    type.setName(QStringLiteral("Typ B"));
    controller.insertOrUpdate(*m_ctx, type);
    QCOMPARE(type.getCreate_tist(), kT1);
    QCOMPARE(type.getMut_tist(), kT2);
    QCOMPARE(m_reports.back().queryType, QStringLiteral("UPDATE"));
    QCOMPARE(m_reports.back().query,
             QStringLiteral("UPDATE CodeType set create_tist = \\\"2026-12-06T10:00:00\\\","
                            "mut_tist = \\\"2026-12-07T11:30:15\\\",name = \\\"Typ B\\\" WHERE id = ") +
                 QString::number(type.getId()));

    const auto read = controller.readById(*m_ctx, type.getId());
    QVERIFY(read);
    QCOMPARE(read->toMap(), type.toMap());
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM CodeType codetype WHERE codetype.id = ") +
                 QString::number(type.getId()));
    QCOMPARE(m_reports.back().numberOfRows, 1);
}

void ControllerTest::readByIdOfMissingRow()
{
    QVERIFY(!CodeTypeController().readById(*m_ctx, 987654321));
    QCOMPARE(m_reports.size(), size_t(1));
    QCOMPARE(m_reports.front().queryType, QStringLiteral("SELECT"));
    QCOMPARE(m_reports.front().numberOfRows, 0);
}

void ControllerTest::selectConditionsAndColumns()
{
    CodeTypeController controller;
    CodeType type;
    type.setName(QStringLiteral("Auswahl"));
    controller.insertOrUpdate(*m_ctx, type);
    m_reports.clear();

    auto rows = controller.select(*m_ctx, {{QStringLiteral("name"), QStringLiteral("Auswahl")},
                                           {QStringLiteral("keinAttribut"), 1}});
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM CodeType codetype WHERE codetype.name = \\\"Auswahl\\\""));

    // Leaving heavy columns out, or reading only the listed ones.
    rows = controller.select(*m_ctx, {{QStringLiteral("id"), type.getId()}}, false,
                             {QStringLiteral("name")}, false, false);
    QCOMPARE(rows.size(), size_t(1));
    QVERIFY(!rows.front()->hasName());
    QVERIFY(rows.front()->hasCreate_tist());
    rows = controller.select(*m_ctx, {{QStringLiteral("id"), type.getId()}}, true,
                             {QStringLiteral("id")}, false, false);
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows.front()->getId(), type.getId());
    QVERIFY(!rows.front()->hasName());
    QVERIFY(!rows.front()->hasMut_tist());

    // A null condition asks for a null column.
    CodeType unnamed;
    controller.insertOrUpdate(*m_ctx, unnamed);
    rows = controller.select(*m_ctx, {{QStringLiteral("name"), QVariant()}});
    QVERIFY(std::any_of(rows.begin(), rows.end(),
                        [&](const auto &row) { return row->getId() == unnamed.getId(); }));
    QVERIFY(m_reports.back().query.endsWith(QLatin1String("WHERE codetype.name IS NULL")));
}

void ControllerTest::readByReference()
{
    Verein parent;
    parent.setName(QStringLiteral("Landesverband"));
    VereinController controller;
    controller.insertOrUpdate(*m_ctx, parent);
    Verein child;
    child.setName(QStringLiteral("Fotoklub"));
    child.setDachverband(parent.getId());
    controller.insertOrUpdate(*m_ctx, child);
    m_reports.clear();

    Verein unsaved;
    QVERIFY(controller.readByDachverband(*m_ctx, unsaved).empty());
    QVERIFY(m_reports.empty()); // nothing was sent

    const auto children = controller.readByDachverband(*m_ctx, parent);
    QCOMPARE(children.size(), size_t(1));
    QCOMPARE(children.front()->getName(), QStringLiteral("Fotoklub"));
    QCOMPARE(m_reports.back().query,
             QStringLiteral("SELECT * FROM Verein verein WHERE verein.dachverband = ") +
                 QString::number(parent.getId()));

    controller.remove(*m_ctx, child);
    QCOMPARE(m_reports.back().query,
             QStringLiteral("DELETE FROM Verein WHERE id = ") + QString::number(child.getId()));
    QCOMPARE(m_reports.back().numberOfRows, 0);
    QVERIFY(!controller.readById(*m_ctx, child.getId()));
}

void ControllerTest::nullsAndAllTypesRoundTrip()
{
    WettbewerbController controller;
    Wettbewerb empty;
    controller.insertOrUpdate(*m_ctx, empty);
    auto read = controller.readById(*m_ctx, empty.getId());
    QVERIFY(read);
    QCOMPARE(read->toMap(), empty.toMap());
    for (const char *column : {"verein", "ort", "datum", "anzahlBilderFuerWertung", "jugendAb"})
        QVERIFY(!read->isSetAt(read->classInfo().rowOf(QString::fromLatin1(column))));

    Wettbewerb full;
    full.setName(QStringLiteral("Staatsmeisterschaft"));
    full.setDatum(QDate(2027, 4, 30));
    full.setJugendAb(QDate(2009, 1, 1));
    full.setAnzahlBilderFuerWertung(4);
    full.setNurVollstaendigeKombination(true);
    full.setVerein(42);
    controller.insertOrUpdate(*m_ctx, full);
    read = controller.readById(*m_ctx, full.getId());
    QCOMPARE(read->toMap(), full.toMap());

    Durchgang round;
    round.setMinRang(0.333333333);
    round.setMaxRang(2.5);
    round.setReihenfolgeGeneriert(false);
    DurchgangController().insertOrUpdate(*m_ctx, round);
    const auto readRound = DurchgangController().readById(*m_ctx, round.getId());
    QCOMPARE(readRound->getMinRang(), 0.333333);
    QCOMPARE(readRound->getMaxRang(), 2.5);
    QCOMPARE(readRound->getReihenfolgeGeneriert(), false);
}

void ControllerTest::hostileTextsRoundTrip()
{
    CodeTypeController controller;
    for (const QString &text : hostileTexts()) {
        CodeType type;
        type.setName(text);
        controller.insertOrUpdate(*m_ctx, type);
        auto read = controller.readById(*m_ctx, type.getId());
        QVERIFY(read);
        QCOMPARE(read->getName(), text);

        type.setName(text + text.left(3));
        controller.insertOrUpdate(*m_ctx, type);
        auto selected = controller.select(*m_ctx, {{QStringLiteral("name"), type.getName()}});
        QCOMPARE(selected.size(), size_t(1));
        QCOMPARE(selected.front()->getName(), type.getName());

        // LIKE searches match the text itself, wildcards included literally.
        CodeTypeNachNameSearchModel search;
        search.setName(type.getName());
        if (!type.getName().trimmed().isEmpty()) {
            auto found = controller.search(*m_ctx, search);
            QVERIFY2(std::any_of(found.begin(), found.end(),
                                 [&](const auto &row) { return row->getId() == type.getId(); }),
                     qPrintable(text));
        }
    }
    // Every table is still there.
    QCOMPARE(TestDatabase::scalar(*TestDatabase::connectAsAdmin(),
                                  "SELECT COUNT(*) FROM information_schema.TABLES WHERE "
                                  "TABLE_SCHEMA = 'kdb'"),
             std::string("33"));
}

void ControllerTest::hostileTextsThroughJoins()
{
    MitgliedController members;
    FunktionstraegerController officials;
    for (const QString &text : hostileTexts()) {
        Mitglied member;
        member.setNachname(text.left(40));
        members.insertOrUpdate(*m_ctx, member);
        Funktionstraeger official;
        official.setMitglied(member.getId());
        official.setFunktion(text.left(40));
        officials.insertOrUpdate(*m_ctx, official);

        FunktionstraegerJoinSearchModel search;
        search.setFunktionstraegerId(official.getId());
        const auto rows = FunktionstraegerJoinController().search(*m_ctx, search);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows.front()->getMitgliedNachname(), text.left(40));
        QCOMPARE(rows.front()->getFunktionstraegerFunktion(), text.left(40));
        const auto asEntity = FunktionstraegerJoinController::toMitglied(*rows.front());
        QCOMPARE(asEntity->getId(), member.getId());
    }
}

void ControllerTest::textWiderThanColumnIsRefused()
{
    CodeTypeController controller;
    CodeType fits;
    fits.setName(QString(99, QLatin1Char('x')) + QString::fromUtf8("\xF0\x9F\x98\x80"));
    controller.insertOrUpdate(*m_ctx, fits); // 100 characters, one of them outside the BMP
    QVERIFY(fits.hasId());

    CodeType tooLong;
    tooLong.setName(QString(101, QLatin1Char('y')));
    m_reports.clear();
    try {
        controller.insertOrUpdate(*m_ctx, tooLong);
        QFAIL("an over-long text was accepted");
    } catch (const PersistenceException &error) {
        QCOMPARE(error.shortText(), QStringLiteral("Eingabe zu lang"));
        QVERIFY(error.longText().contains(QLatin1String("name von CodeType")));
        QVERIFY(error.longText().contains(QLatin1String("101")));
        QVERIFY(error.longText().contains(QLatin1String("100")));
    }
    QVERIFY(!tooLong.hasId());
    QVERIFY(!tooLong.hasCreate_tist());
    QVERIFY(m_reports.empty());
}

void ControllerTest::picturesAndPacketLimit()
{
    // A context of its own: a refused packet may cost the server connection.
    auto ctx = TestDatabase::openContext(m_clock);
    std::vector<QueryReport> reports;
    ctx->setQueryObserver([&](const QueryReport &report) { reports.push_back(report); });
    BildDatenController controller;

    BildDaten picture;
    picture.setNummer(QStringLiteral("1-0001"));
    picture.setDaten(QByteArray("\xff\xd8\x00\"'\\\x1a\n\xff\xd9", 11));
    controller.insertOrUpdate(*ctx, picture);
    const QueryReport &insert = reports.back();
    QVERIFY2(insert.query.contains(QLatin1String("daten = <some binary data>")),
             qPrintable(insert.query));
    QCOMPARE(reports.front().location, QStringLiteral("MySQLSettingController"));
    QCOMPARE(reports.front().queryType, QStringLiteral("MYSQLSETTINGS"));
    QCOMPARE(reports.front().entities, QStringLiteral("none"));

    auto read = controller.readById(*ctx, picture.getId());
    QCOMPARE(read->getDaten(), picture.getDaten());
    read = std::move(controller.select(*ctx, {{QStringLiteral("id"), picture.getId()}}, false,
                                       {QStringLiteral("daten")}, false, false)
                         .front());
    QVERIFY(!read->hasDaten());
    QCOMPARE(read->getNummer(), QStringLiteral("1-0001"));

    const qlonglong limit =
        ctx->readServerVariable(QStringLiteral("max_allowed_packet")).toLongLong();
    BildDaten huge;
    huge.setDaten(QByteArray(int(limit + 1), 'x'));
    reports.clear();
    try {
        controller.insertOrUpdate(*ctx, huge);
        QFAIL("a picture over the packet limit was sent");
    } catch (const PersistenceException &error) {
        QCOMPARE(error.shortText(), QStringLiteral("Binaerdaten zu gross"));
        QVERIFY(error.longText().startsWith(
            QStringLiteral("Sie versuchen gerade, Binaerdaten der Groesse %1 Byte auf die "
                           "Datenbank zu schreiben. Die Einstellung max_allowed_packet im "
                           "Abschnitt [mysqld] der mysql-Konfigurationsdatei erlaubt aber nur "
                           "maximal %2 Byte.")
                .arg(limit + 1)
                .arg(limit)));
    }
    QCOMPARE(reports.size(), size_t(1)); // only the variable was read
    QVERIFY(!huge.hasId());

    // Exactly the limit passes the check; the server itself may still refuse the packet.
    huge.setDaten(QByteArray(int(limit), 'x'));
    try {
        controller.insertOrUpdate(*ctx, huge);
    } catch (const PersistenceException &error) {
        QCOMPARE(error.shortText(), QStringLiteral("Interner Datenbankfehler"));
    }
}

void ControllerTest::databaseFailures()
{
    auto ctx = TestDatabase::openContext(m_clock);
    std::vector<QueryReport> reports;
    ctx->setQueryObserver([&](const QueryReport &report) { reports.push_back(report); });

    // The server ends the connection in the middle of the work.
    const std::string id = std::to_string(ctx->connection().thread_id());
    TestDatabase::connectAsAdmin()->query("KILL " + id).execute();
    CodeType type;
    type.setName(QStringLiteral("verloren"));
    try {
        CodeTypeController().insertOrUpdate(*ctx, type);
        QFAIL("a write on a dead connection succeeded");
    } catch (const PersistenceException &error) {
        QCOMPARE(error.shortText(), QStringLiteral("Interner Datenbankfehler"));
        QVERIFY(error.longText().startsWith(
            QStringLiteral("Es ist ein interner Datenbankfehler aufgetreten: \n\n")));
        QVERIFY(error.longText().endsWith(
            QStringLiteral("\n\nBitte kontaktieren Sie den Administrator.")));
    }
    QVERIFY(!type.hasId());
    QVERIFY(!type.hasCreate_tist());
    QCOMPARE(reports.back().queryType, QStringLiteral("INSERT"));
    QVERIFY(reports.back().info.startsWith(QLatin1String("Database error: ")));
    QVERIFY(reports.back().query.startsWith(QLatin1String("INSERT INTO CodeType set")));
    QVERIFY_THROWS_EXCEPTION(PersistenceException, CodeTypeController().readById(*ctx, 1));
    QVERIFY_THROWS_EXCEPTION(PersistenceException,
                             CodeTypeController().search(*ctx, AlleCodeTypesSearchModel()));

    // A table that is missing.
    auto fresh = TestDatabase::openContext(m_clock);
    auto admin = TestDatabase::connectAsAdmin("kdb");
    admin->query("RENAME TABLE EventLog TO EventLogAway").execute();
    EventLog entry;
    entry.setId(1);
    entry.setText(QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(PersistenceException, EventLogController().insertOrUpdate(*fresh, entry));
    QVERIFY_THROWS_EXCEPTION(PersistenceException, EventLogController().remove(*fresh, entry));
    admin->query("RENAME TABLE EventLogAway TO EventLog").execute();
}

void ControllerTest::transactionRollsBack()
{
    CodeTypeController controller;
    CodeType kept;
    CodeType dropped;
    {
        Transaction transaction(*m_ctx);
        kept.setName(QStringLiteral("bleibt"));
        controller.insertOrUpdate(*m_ctx, kept);
        transaction.commit();
    }
    try {
        Transaction transaction(*m_ctx);
        dropped.setName(QStringLiteral("verschwindet"));
        controller.insertOrUpdate(*m_ctx, dropped);
        throw PersistenceException(QStringLiteral("zweiter Schritt misslingt"));
    } catch (const PersistenceException &) {
    }
    QVERIFY(controller.readById(*m_ctx, kept.getId()));
    QVERIFY(!controller.readById(*m_ctx, dropped.getId()));
}

KALVOR_REGISTER_TEST(ControllerTest)
