// Controllers: statements and their log copies, round trips, refusals, failures, transactions.
#include "tst_persistence.h"

#include "Clock.h"
#include "DataModel.h"
#include "EntityController.h"
#include "PersistenceException.h"
#include "TestRegistry.h"
#include "Transaction.h"
#include "controllers/BildDatenController.h"
#include "controllers/CodeTypeController.h"
#include "controllers/DurchgangController.h"
#include "controllers/EventLogController.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "joins/FunktionstraegerJoinController.h"

#include <QRandomGenerator>

#include <optional>
#include <QtTest>

#include <mysql++/mysql++.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime kT1(QDate(2026, 12, 6), QTime(10, 0, 0));
const QDateTime kT2(QDate(2026, 12, 7), QTime(11, 30, 15));

template <typename Rows> bool containsId(const Rows &rows, qlonglong id)
{
    return std::any_of(rows.begin(), rows.end(),
                       [&](const auto &row) { return row->getId() == id; });
}

} // namespace

class ControllerTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        m_clock = std::make_shared<FixedClock>(kT1);
        m_db = std::make_unique<RecordingContext>(m_clock);
        TestDatabase::HostileServer hostile;
        TestDatabase::reinstall();
        m_hostile = TestDatabase::openContext(m_clock);
    }
    void init()
    {
        m_clock->set(kT1);
        m_db->reports.clear();
    }
    void cleanupTestCase()
    {
        m_db.reset();
        m_hostile.reset();
        TestDatabase::HostileServer hostile;
        TestDatabase::dropKdb();
    }

    // Timestamps come from the clock; the log copy of a statement escapes its texts once more.
    void insertUpdateRead()
    {
        DatabaseContext &ctx = **m_db;
        CodeTypeController controller;
        CodeType type;
        type.setName(u"Typ \"A\""_s);
        controller.insertOrUpdate(ctx, type);
        QCOMPARE(m_db->reports.size(), size_t(1));
        const QueryReport &insert = m_db->last();
        QCOMPARE(QStringList({insert.location, insert.queryType, insert.entities, insert.info}),
                 QStringList({u"CodeTypeController"_s, u"INSERT"_s, u"CodeType"_s, QString()}));
        QVERIFY(insert.numberOfRows == 1 && insert.writeToDatabase);
        QCOMPARE(insert.query,
                 u"INSERT INTO CodeType set create_tist = \\\"2026-12-06T10:00:00\\\","
                 "mut_tist = \\\"2026-12-06T10:00:00\\\",name = \\\"Typ \\\\\"A\\\\\"\\\""_s);

        m_clock->set(kT2);
        type.setName(u"Typ B"_s);
        controller.insertOrUpdate(ctx, type);
        QCOMPARE(
            m_db->last().query,
            u"UPDATE CodeType set create_tist = \\\"2026-12-06T10:00:00\\\",mut_tist = "
            "\\\"2026-12-07T11:30:15\\\",name = \\\"Typ B\\\" WHERE id = %1"_s.arg(type.getId()));
        QCOMPARE(type.getCreate_tist(), kT1);
        QCOMPARE(type.getMut_tist(), kT2);
        QCOMPARE(controller.readById(ctx, type.getId())->toMap(), type.toMap());
        QCOMPARE(m_db->last().query,
                 u"SELECT * FROM CodeType codetype WHERE codetype.id = %1"_s.arg(type.getId()));
        QVERIFY(!controller.readById(ctx, 987654321));
        QCOMPARE(m_db->last().numberOfRows, 0);
    }

    void selectConditionsAndColumns()
    {
        DatabaseContext &ctx = **m_db;
        CodeTypeController controller;
        CodeType type;
        type.setName(u"Auswahl"_s);
        controller.insertOrUpdate(ctx, type);
        // Names that are no attribute are left out.
        QCOMPARE(controller.select(ctx, {{u"name"_s, u"Auswahl"_s}, {u"keinAttribut"_s, 1}}).size(),
                 size_t(1));
        QCOMPARE(m_db->last().query,
                 u"SELECT * FROM CodeType codetype WHERE codetype.name = \\\"Auswahl\\\""_s);

        // Leaving the listed columns out, or reading only them.
        const QMap<QString, QVariant> byId = {{u"id"_s, type.getId()}};
        auto rows = controller.select(ctx, byId, false, {u"name"_s}, false, false);
        QVERIFY(!rows.front()->hasName() && rows.front()->hasCreate_tist());
        rows = controller.select(ctx, byId, true, {u"id"_s}, false, false);
        QCOMPARE(rows.front()->getId(), type.getId());
        QVERIFY(!rows.front()->hasName() && !rows.front()->hasMut_tist());

        // A null condition asks for a null column.
        CodeType unnamed;
        controller.insertOrUpdate(ctx, unnamed);
        QVERIFY(containsId(controller.select(ctx, {{u"name"_s, QVariant()}}), unnamed.getId()));
        QVERIFY(m_db->last().query.endsWith(u"WHERE codetype.name IS NULL"_s));
    }

    void readByReferenceAndRemove()
    {
        DatabaseContext &ctx = **m_db;
        VereinController controller;
        Verein parent;
        controller.insertOrUpdate(ctx, parent);
        Verein child;
        child.setDachverband(parent.getId());
        controller.insertOrUpdate(ctx, child);
        m_db->reports.clear();
        QVERIFY(controller.readByDachverband(ctx, Verein()).empty());
        QVERIFY(m_db->reports.empty()); // an unsaved object sends nothing
        const auto children = controller.readByDachverband(ctx, parent);
        QCOMPARE(children.size(), size_t(1));
        QCOMPARE(children.front()->getId(), child.getId());
        QCOMPARE(
            m_db->last().query,
            u"SELECT * FROM Verein verein WHERE verein.dachverband = %1"_s.arg(parent.getId()));
        controller.remove(ctx, child);
        QCOMPARE(m_db->last().query, u"DELETE FROM Verein WHERE id = %1"_s.arg(child.getId()));
        QVERIFY(!controller.readById(ctx, child.getId()));
    }

    // Every entity's row comes back as written: all null, or a value in every attribute.
    void everyEntityRoundTrip()
    {
        DatabaseContext &ctx = **m_db;
        const QList<const EntityDescription *> &entities = ctx.dataModel().entities();
        for (int e = 0; e < entities.size(); ++e) {
            if (entities[e]->isAbstract())
                continue;
            const ControllerDef def{"RoundTrip", e, false};
            EntityController controller(ctx, def);
            const RecordClassInfo &info = entities[e]->classInfo();
            for (bool filled : {false, true}) {
                std::unique_ptr<Persistent> object(static_cast<Persistent *>(info.create()));
                for (const AttributeDescription *attribute : entities[e]->allAttributes()) {
                    const int row = info.rowOf(attribute->codeName());
                    if (filled && !attribute->isPrimaryKey())
                        object->setValueAt(row, sampleValue(info.slotAt(row).metaType));
                }
                controller.insertOrUpdate(*object);
                QCOMPARE(controller.readById(object->getId(), true)->toMap(), object->toMap());
                controller.remove(*object);
                QVERIFY(!controller.readById(object->getId(), true));
            }
        }
        // Doubles are written with six significant digits.
        Durchgang round;
        round.setMinRang(0.333333333);
        DurchgangController().insertOrUpdate(ctx, round);
        QCOMPARE(DurchgangController().readById(ctx, round.getId())->getMinRang(), 0.333333);
    }

    // Every text on the server as installed and on one whose administrator set the modes that
    // break naive quoting (the connection pins its own mode).
    void hostileText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hostileServer");
        const auto row = [](const char *name, const QString &text) {
            QTest::newRow(name) << text << false;
            QTest::addRow("%s, ANSI_QUOTES and NO_BACKSLASH_ESCAPES", name) << text << true;
        };
        row("quotes", u"O'Brien \"der Zweite\""_s);
        row("trailing backslash", u"endet mit Backslash\\"_s);
        row("escapes", u"\\\" \\' \\\\ \\n \\0"_s);
        row("NUL", QString::fromUtf8("mit\0NUL", 7));
        row("line breaks, tab", u"zwei\nZeilen\r\nund\tTab"_s);
        row("wildcards", u"100% _sicher_"_s);
        row("injection", u"\"; DROP TABLE Verein; --"_s);
        row("second column", u"x\", name = \"666"_s);
        row("always true", u"' OR '1'='1"_s);
        row("umlauts", u"Ärger über Öl, ß und Ž"_s);
        row("outside the BMP", u"Kamera 📷 und 😀"_s);
        row("leading blank", u" führendes Leerzeichen"_s);
        row("Ctrl-Z", u"\x1a Strg-Z"_s);
        QRandomGenerator random(4711);
        const QString alphabet = u"ab\"'\\%_ \n\r\t;-äü€😀`$"_s;
        for (int n = 1; n <= 8; ++n) {
            QString text;
            const int length = 1 + int(random.bounded(20));
            for (int i = 0; i < length; ++i) {
                const QChar c = alphabet.at(int(random.bounded(alphabet.size())));
                text += c.isSurrogate() ? u"😀"_s : QString(c);
            }
            QTest::addRow("random %d", n) << text << false;
        }
    }

    // A text comes back unchanged through insert, update, select, LIKE search and joins.
    void hostileText()
    {
        QFETCH(QString, text);
        QFETCH(bool, hostileServer);
        std::optional<TestDatabase::HostileServer> hostile;
        if (hostileServer)
            hostile.emplace();
        DatabaseContext &ctx = hostileServer ? *m_hostile : **m_db;
        CodeTypeController controller;
        CodeType type;
        type.setName(text);
        controller.insertOrUpdate(ctx, type);
        QCOMPARE(controller.readById(ctx, type.getId())->getName(), text);
        type.setName(text + text.left(3));
        controller.insertOrUpdate(ctx, type);
        const auto selected = controller.select(ctx, {{u"name"_s, type.getName()}});
        QCOMPARE(selected.size(), size_t(1));
        QCOMPARE(selected.front()->getName(), type.getName());
        if (!type.getName().trimmed().isEmpty()) { // wildcards in the text match only themselves
            CodeTypeNachNameSearchModel search;
            search.setName(type.getName());
            QVERIFY(containsId(controller.search(ctx, search), type.getId()));
        }

        Mitglied member;
        member.setNachname(text.left(40));
        MitgliedController().insertOrUpdate(ctx, member);
        Funktionstraeger official;
        official.setMitglied(member.getId());
        official.setFunktion(text.left(40));
        FunktionstraegerController().insertOrUpdate(ctx, official);
        FunktionstraegerJoinSearchModel search;
        search.setFunktionstraegerId(official.getId());
        const auto rows = FunktionstraegerJoinController().search(ctx, search);
        QCOMPARE(rows.size(), size_t(1));
        QCOMPARE(rows.front()->getMitgliedNachname(), text.left(40));
        QCOMPARE(rows.front()->getFunktionstraegerFunktion(), text.left(40));
        QCOMPARE(FunktionstraegerJoinController::toMitglied(*rows.front())->getId(),
                 member.getId());
        QCOMPARE(TestDatabase::scalar("SELECT COUNT(*) FROM information_schema.TABLES WHERE "
                                      "TABLE_SCHEMA = 'kdb' AND TABLE_NAME = 'Verein'"),
                 std::string("1"));
    }

    void textWiderThanColumnIsRefused()
    {
        DatabaseContext &ctx = **m_db;
        CodeType fits; // 100 characters, one of them outside the BMP
        fits.setName(QString(99, u'x') + u"😀"_s);
        CodeTypeController().insertOrUpdate(ctx, fits);
        QVERIFY(fits.hasId());
        CodeType tooLong;
        tooLong.setName(QString(101, u'y'));
        m_db->reports.clear();
        QCOMPARE(persistenceFailure([&] { CodeTypeController().insertOrUpdate(ctx, tooLong); }),
                 QStringList({u"Eingabe zu lang"_s,
                              u"Der Wert des Attributs name von CodeType ist 101 Zeichen lang, die "
                              "Datenbank erlaubt aber hoechstens 100 Zeichen.  Bitte kuerzen Sie "
                              "die Eingabe."_s}));
        QVERIFY(!tooLong.hasId() && !tooLong.hasCreate_tist() && m_db->reports.empty());
    }

    void picturesAndPacketLimit()
    {
        RecordingContext db(m_clock); // a refused packet may cost the server connection
        BildDatenController controller;
        BildDaten picture;
        picture.setDaten(QByteArray("\xff\xd8\x00\"'\\\x1a\n\xff\xd9", 11));
        controller.insertOrUpdate(*db, picture);
        QVERIFY2(db.last().query.contains(u"daten = <some binary data>"_s),
                 qPrintable(db.last().query));
        QCOMPARE(controller.readById(*db, picture.getId())->getDaten(), picture.getDaten());

        const qlonglong limit = (*db).readServerVariable(u"max_allowed_packet"_s).toLongLong();
        BildDaten huge;
        huge.setDaten(QByteArray(int(limit + 1), 'x'));
        db.reports.clear();
        const QStringList failure =
            persistenceFailure([&] { controller.insertOrUpdate(*db, huge); });
        QCOMPARE(failure.value(0), u"Binaerdaten zu gross"_s);
        QVERIFY2(failure.value(1).startsWith(
                     u"Sie versuchen gerade, Binaerdaten der Groesse %1 Byte auf die Datenbank zu "
                     "schreiben. Die Einstellung max_allowed_packet im Abschnitt [mysqld] der "
                     "mysql-Konfigurationsdatei erlaubt aber nur maximal %2 Byte."_s.arg(limit + 1)
                         .arg(limit)),
                 qPrintable(failure.value(1)));
        QCOMPARE(db.reports.size(), size_t(1)); // only the variable was read
        QVERIFY(!huge.hasId());
    }

    void databaseFailures()
    {
        // The server ends the connection in the middle of the work.
        RecordingContext db(m_clock);
        TestDatabase::run("KILL " + std::to_string((*db).connection().thread_id()));
        CodeType type;
        const QStringList failure =
            persistenceFailure([&] { CodeTypeController().insertOrUpdate(*db, type); });
        QCOMPARE(failure.value(0), u"Interner Datenbankfehler"_s);
        QVERIFY(failure.value(1).startsWith(
            u"Es ist ein interner Datenbankfehler aufgetreten: \n\n"_s));
        QVERIFY(failure.value(1).endsWith(u"\n\nBitte kontaktieren Sie den Administrator."_s));
        QVERIFY(!type.hasId() && !type.hasCreate_tist());
        QVERIFY(db.last().info.startsWith(u"Database error: "_s));
        QVERIFY(db.last().query.startsWith(u"INSERT INTO CodeType set"_s));
        QVERIFY_THROWS_EXCEPTION(PersistenceException, CodeTypeController().readById(*db, 1));

        // A table that is missing.
        auto fresh = TestDatabase::openContext(m_clock);
        TestDatabase::run("RENAME TABLE EventLog TO EventLogAway");
        EventLog entry;
        entry.setId(1);
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 EventLogController().insertOrUpdate(*fresh, entry));
        QVERIFY_THROWS_EXCEPTION(PersistenceException, EventLogController().remove(*fresh, entry));
        TestDatabase::run("RENAME TABLE EventLogAway TO EventLog");
    }

    void transactionRollsBack()
    {
        DatabaseContext &ctx = **m_db;
        CodeType kept;
        CodeType dropped;
        {
            Transaction transaction(ctx);
            CodeTypeController().insertOrUpdate(ctx, kept);
            transaction.commit();
        }
        try {
            Transaction transaction(ctx);
            CodeTypeController().insertOrUpdate(ctx, dropped);
            throw PersistenceException(u"zweiter Schritt misslingt"_s);
        } catch (const PersistenceException &) {
        }
        QVERIFY(CodeTypeController().readById(ctx, kept.getId()));
        QVERIFY(!CodeTypeController().readById(ctx, dropped.getId()));

        // A transaction inside another joins it: the inner commit keeps nothing on its own,
        // and an inner one that failed makes the outer commit refuse and write nothing.
        CodeType innen;
        CodeType aussen;
        {
            Transaction outer(ctx);
            {
                Transaction inner(ctx);
                CodeTypeController().insertOrUpdate(ctx, innen);
                inner.commit();
            }
            try {
                Transaction inner(ctx);
                CodeTypeController().insertOrUpdate(ctx, aussen);
                throw PersistenceException(u"innerer Schritt misslingt"_s);
            } catch (const PersistenceException &) {
            }
            QVERIFY_THROWS_EXCEPTION(PersistenceException, outer.commit());
        }
        QVERIFY(!CodeTypeController().readById(ctx, innen.getId()));
        QVERIFY(!CodeTypeController().readById(ctx, aussen.getId()));
        CodeType danach;
        {
            Transaction nextRun(ctx); // the failed run leaves nothing behind
            CodeTypeController().insertOrUpdate(ctx, danach);
            nextRun.commit();
        }
        QVERIFY(CodeTypeController().readById(ctx, danach.getId()));
    }

private:
    std::shared_ptr<FixedClock> m_clock;
    std::unique_ptr<RecordingContext> m_db;
    std::unique_ptr<DatabaseContext> m_hostile;
};

KALVOR_REGISTER_TEST(ControllerTest)

#include "tst_controllers.moc"
