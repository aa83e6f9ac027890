#include "CodeManager.h"
#include "DatabaseContext.h"
#include "MitgliedService.h"
#include "MitgliedsPruefer.h"
#include "MitgliedsnummernManager.h"
#include "PersistenceException.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "VereinService.h"
#include "VereinsNummernManager.h"
#include "controllers/BenutzerController.h"
#include "controllers/FotographischerTitelController.h"
#include "controllers/FunktionstraegerController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinController.h"
#include "controllers/VereinsDatenBerechtigungController.h"
#include "controllers/WettbewerbController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

using TestDatabase::run;

using TestDatabase::scalar;

} // namespace

class ClubServiceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
    }
    void init()
    {
        TestDatabase::reinstall();
        m_ctx = TestDatabase::openContext();
    }
    void cleanup() { m_ctx.reset(); }

    void clubNumbers_data()
    {
        QTest::addColumn<QString>("parent"); // complete number of the parent; null: no parent
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("complete");
        QTest::newRow("under 3") << QStringLiteral("3") << QStringLiteral("12")
                                 << QStringLiteral("312");
        QTest::newRow("no parent") << QString() << QStringLiteral("12") << QStringLiteral("12");
        QTest::newRow("parent without number") << QStringLiteral("") << QStringLiteral("7")
                                               << QStringLiteral("7");
        QTest::newRow("no own number") << QStringLiteral("31") << QString()
                                       << QStringLiteral("31");
    }

    void clubNumbers()
    {
        QFETCH(QString, parent);
        QFETCH(QString, own);
        QFETCH(QString, complete);
        Verein club;
        if (!own.isNull())
            club.setVereinsNummerLokal(own);
        if (!parent.isNull()) {
            Verein dachverband;
            if (!parent.isEmpty())
                dachverband.setVereinsNummerKomplett(parent);
            VereinController().insertOrUpdate(*m_ctx, dachverband);
            club.setDachverband(dachverband.getId());
        }
        QVERIFY(VereinsNummernManager::berechneVereinsNummerKomplett(*m_ctx, club));
        QCOMPARE(club.getVereinsNummerKomplett(), complete);
    }

    void unreadableParentKeepsTheNumber()
    {
        Verein club;
        club.setVereinsNummerLokal(QStringLiteral("5"));
        club.setVereinsNummerKomplett(QStringLiteral("alt"));
        club.setDachverband(987654);
        QVERIFY(!VereinsNummernManager::berechneVereinsNummerKomplett(*m_ctx, club));
        QCOMPARE(club.getVereinsNummerKomplett(), QStringLiteral("alt"));
    }

    void renumberingCascades()
    {
        // 1 > 12 > 123 > 1234
        std::vector<std::unique_ptr<Verein>> tree;
        for (int level = 0; level < 4; ++level) {
            auto club = std::make_unique<Verein>();
            club->setName(QStringLiteral("Ebene %1").arg(level));
            club->setVereinsNummerLokal(QString::number(level + 1));
            if (level > 0)
                club->setDachverband(tree.back()->getId());
            QVERIFY(VereinsNummernManager::berechneVereinsNummerKomplett(*m_ctx, *club));
            VereinService::speichere(*m_ctx, *club, {}, {}, false);
            tree.push_back(std::move(club));
        }
        QCOMPARE(tree.back()->getVereinsNummerKomplett(), QStringLiteral("1234"));

        tree.front()->setVereinsNummerLokal(QStringLiteral("9"));
        VereinsNummernManager::berechneVereinsNummerKomplett(*m_ctx, *tree.front());
        VereinService::speichere(*m_ctx, *tree.front(), {}, {}, true);
        const QStringList expected = {"9", "92", "923", "9234"};
        for (int level = 0; level < 4; ++level) {
            const auto stored = VereinController().readById(*m_ctx, tree[size_t(level)]->getId());
            QCOMPARE(stored->getVereinsNummerKomplett(), expected.at(level));
        }
    }

    void renumberingSurvivesACycle()
    {
        run("INSERT INTO Verein (id, vereinsNummerLokal, dachverband) VALUES (501, '1', 502), "
            "(502, '2', 501)");
        const auto club = VereinController().readById(*m_ctx, 501);
        QCOMPARE(VereinsNummernManager::nummeriereUntervereine(*m_ctx, *club), 1);
    }

    void memberNumbers_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("complete");
        QTest::addColumn<QString>("key");
        QTest::newRow("Club") << QStringLiteral("Club") << QStringLiteral("3127C")
                              << QStringLiteral("3127");
        QTest::newRow("Nichtmitglied") << QStringLiteral("Nichtmitglied")
                                       << QStringLiteral("312N7") << QStringLiteral("3127");
        QTest::newRow("Dachverband") << QStringLiteral("Dachverband") << QStringLiteral("3127")
                                     << QStringLiteral("3127");
        QTest::newRow("Landesverband") << QStringLiteral("Landesverband")
                                       << QStringLiteral("3127L") << QStringLiteral("3127");
        QTest::newRow("no type") << QString() << QStringLiteral("3127") << QStringLiteral("3127");
    }

    void memberNumbers()
    {
        QFETCH(QString, type);
        QFETCH(QString, complete);
        QFETCH(QString, key);
        Verein club;
        club.setVereinsNummerKomplett(QStringLiteral("312"));
        VereinController().insertOrUpdate(*m_ctx, club);
        Mitglied member;
        member.setVerein(club.getId());
        member.setMitgliedsNummerImVerein(QStringLiteral("7"));
        if (!type.isNull())
            member.setMitgliedsArt(m_ctx->codeManager().idOf(QStringLiteral("Mitgliedsart"), type));
        QVERIFY(MitgliedsnummernManager::berechneNummern(*m_ctx, member));
        QCOMPARE(member.getMitgliedsNummerKomplett(), complete);
        QCOMPARE(member.getMitgliedsNummerSchluessel(), key);
    }

    void numberGenerator()
    {
        Verein club;
        VereinController().insertOrUpdate(*m_ctx, club);
        Verein other;
        VereinController().insertOrUpdate(*m_ctx, other);
        const qlonglong clubType =
            m_ctx->codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Club"));
        const qlonglong nonMember =
            m_ctx->codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Nichtmitglied"));
        const auto add = [&](const Verein &in, qlonglong type, const char *number) {
            Mitglied member;
            member.setVerein(in.getId());
            member.setMitgliedsArt(type);
            member.setMitgliedsNummerImVerein(QString::fromLatin1(number));
            MitgliedController().insertOrUpdate(*m_ctx, member);
        };
        Mitglied candidate;
        candidate.setVerein(club.getId());
        candidate.setMitgliedsArt(clubType);
        QCOMPARE(MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate), QStringLiteral("1"));
        add(club, clubType, "001");
        add(club, clubType, "2");
        add(club, nonMember, "3"); // non-members do not count for members
        add(other, clubType, "3"); // nor do other clubs
        QCOMPARE(MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate), QStringLiteral("3"));
        add(club, clubType, "01"); // only "1" and "001" stand for 1
        add(club, clubType, "003");
        QCOMPARE(MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate), QStringLiteral("4"));

        candidate.setMitgliedsArt(nonMember);
        QCOMPARE(MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate),
                 QStringLiteral("1000"));
        add(club, nonMember, "1000");
        QCOMPARE(MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate),
                 QStringLiteral("1001"));
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("telephone");
        QTest::addColumn<bool>("mail");
        QTest::newRow("empty") << QString() << true << true;
        QTest::newRow("telephone") << QStringLiteral("+43-512-123456") << true << false;
        QTest::newRow("four groups") << QStringLiteral("+1-2-3-4") << true << false;
        QTest::newRow("no plus") << QStringLiteral("0043-512-123456") << false << false;
        QTest::newRow("spaces") << QStringLiteral("+43 512 123456") << false << false;
        QTest::newRow("two groups") << QStringLiteral("+43-512") << false << false;
        QTest::newRow("trailing text") << QStringLiteral("+43-512-1x") << false << false;
        QTest::newRow("mail") << QStringLiteral("a@b") << false << true;
        QTest::newRow("nothing before @") << QStringLiteral("@b") << false << false;
        QTest::newRow("nothing after @") << QStringLiteral("a@") << false << false;
        QTest::newRow("no @") << QStringLiteral("ab.at") << false << false;
    }

    void patterns()
    {
        QFETCH(QString, text);
        QFETCH(bool, telephone);
        QFETCH(bool, mail);
        QCOMPARE(MitgliedsPruefer::telefonGueltig(text), telephone);
        QCOMPARE(MitgliedsPruefer::mailGueltig(text), mail);
    }

    void clubChecksInOrder()
    {
        Verein existing;
        existing.setVereinsNummerKomplett(QStringLiteral("31"));
        existing.setName(QStringLiteral("Da"));
        VereinController().insertOrUpdate(*m_ctx, existing);

        Verein club;
        QCOMPARE(VereinService::pruefe(*m_ctx, club)->titel,
                 QStringLiteral("Vereinsnummer nicht angegeben"));
        club.setVereinsNummerKomplett(QStringLiteral("31"));
        QCOMPARE(VereinService::pruefe(*m_ctx, club)->titel,
                 QStringLiteral("Vereinsnummer schon vergeben"));
        QVERIFY(!VereinService::pruefe(*m_ctx, existing)); // itself is no conflict
        club.setVereinsNummerKomplett(QStringLiteral("32"));
        QCOMPARE(VereinService::pruefe(*m_ctx, club)->titel,
                 QStringLiteral("Vereinsname nicht angegeben"));
        club.setName(QStringLiteral("Fotoklub"));
        club.setEmail(QStringLiteral("keine Adresse"));
        const auto mail = VereinService::pruefe(*m_ctx, club);
        QCOMPARE(mail->titel, QStringLiteral("Mailadresse nicht korrekt angegeben."));
        QCOMPARE(mail->log, QStringLiteral("Mailadresse nicht korrekt angegeben"));
        club.setEmail(QString());
        QVERIFY(!VereinService::pruefe(*m_ctx, club));

        // A parent below the club itself would close a cycle.
        VereinController().insertOrUpdate(*m_ctx, club);
        Verein child;
        child.setDachverband(club.getId());
        VereinController().insertOrUpdate(*m_ctx, child);
        club.setDachverband(child.getId());
        QCOMPARE(VereinService::pruefe(*m_ctx, club)->titel,
                 QStringLiteral("Uebergeordneter Verein nicht moeglich"));
        club.setDachverband(club.getId());
        QVERIFY(VereinService::pruefe(*m_ctx, club));
        club.setDachverband(existing.getId());
        QVERIFY(!VereinService::pruefe(*m_ctx, club));
    }

    void memberChecksInOrder_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("title");
        QTest::newRow("no club") << QStringLiteral("verein=") << QStringLiteral("Kein Verein ausgewaehlt");
        QTest::newRow("no number") << QStringLiteral("komplett=")
                                   << QString::fromUtf8("Mussfeld nicht ausgefüllt");
        QTest::newRow("internal taken") << QStringLiteral("intern=5")
                                        << QStringLiteral("Vereinsinterne Nummer schon vergeben");
        QTest::newRow("no internal") << QStringLiteral("intern=")
                                     << QStringLiteral("Vereinsinterne Nummer nicht angegeben");
        QTest::newRow("no type") << QStringLiteral("art=")
                                 << QStringLiteral("Mitgliedsart nicht angegeben");
        QTest::newRow("too long") << QStringLiteral("intern=1234")
                                  << QStringLiteral("Mitgliedsnummer zu lang");
        QTest::newRow("number taken") << QStringLiteral("komplett=3125C")
                                      << QStringLiteral("Mitgliedsnummer bereits vorhanden");
        QTest::newRow("mail") << QStringLiteral("email=x")
                              << QStringLiteral("Mailadresse nicht korrekt angegeben.");
        QTest::newRow("telephone") << QStringLiteral("telefon=0512")
                                   << QStringLiteral("Format der Telefonnummer");
        QTest::newRow("mobile") << QStringLiteral("mobil=0676")
                                << QStringLiteral("Format der Mobilfunknummer");
        QTest::newRow("leaving date") << QStringLiteral("austritt=31.2.2015")
                                      << QStringLiteral("Austrittsdatum nicht korrekt angegeben");
        QTest::newRow("joining date") << QStringLiteral("eintritt=morgen")
                                      << QStringLiteral("Eintrittsdatum nicht korrekt angegeben");
        QTest::newRow("birth date") << QStringLiteral("geburt=1.13.2000")
                                    << QStringLiteral("Geburtsdatum nicht korrekt angegeben");
        QTest::newRow("fee date") << QStringLiteral("beitrag=x")
                                  << QStringLiteral("Beitrag bezahlt bis nicht korrekt angegeben");
        QTest::newRow("all right") << QString() << QString();
    }

    void memberChecksInOrder()
    {
        QFETCH(QString, change);
        QFETCH(QString, title);
        Verein club;
        club.setVereinsNummerKomplett(QStringLiteral("312"));
        VereinController().insertOrUpdate(*m_ctx, club);
        const qlonglong clubType =
            m_ctx->codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Club"));
        Mitglied taken;
        taken.setVerein(club.getId());
        taken.setMitgliedsArt(clubType);
        taken.setMitgliedsNummerImVerein(QStringLiteral("5"));
        taken.setMitgliedsNummerKomplett(QStringLiteral("3125C"));
        MitgliedController().insertOrUpdate(*m_ctx, taken);

        Mitglied member;
        member.setVerein(club.getId());
        member.setMitgliedsArt(clubType);
        member.setMitgliedsNummerImVerein(QStringLiteral("6"));
        member.setMitgliedsNummerKomplett(QStringLiteral("3126C"));
        member.setDatumGeburtInput(QStringLiteral("5.4.1990"));
        const QString field = change.section(QLatin1Char('='), 0, 0);
        const QString value = change.section(QLatin1Char('='), 1);
        const QVariant given = value.isEmpty() ? QVariant() : QVariant(value);
        const QMap<QString, QString> rows = {
            {"verein", "verein"}, {"komplett", "mitgliedsNummerKomplett"},
            {"intern", "mitgliedsNummerImVerein"}, {"art", "mitgliedsArt"},
            {"email", "email"}, {"telefon", "telefon"}, {"mobil", "mobil"},
            {"austritt", "datumAustrittInput"}, {"eintritt", "datumEintrittInput"},
            {"geburt", "datumGeburtInput"}, {"beitrag", "beitragBezahltBisInput"}};
        if (!field.isEmpty())
            member.setValueAt(member.classInfo().rowOf(rows.value(field)), given);

        const auto failure = MitgliedService::pruefe(*m_ctx, member);
        if (title.isEmpty()) {
            QVERIFY(!failure);
            QCOMPARE(member.getDatumGeburt(), QDate(1990, 4, 5));
            return;
        }
        QVERIFY(failure);
        QCOMPARE(failure->titel, title);
        if (field == QLatin1String("austritt")) {
            QCOMPARE(failure->log, QStringLiteral("Austrittsdatum nicht korrekt angegeben."));
            QCOMPARE(failure->text,
                     QStringLiteral("Der als Austrittsdatum angegebene Text 31.2.2015 ist kein "
                                    "korrektes Datum. \n\nDatumsangaben muessen in der Form "
                                    "dd.mm.yyyy getaetigt werden."));
        }
        if (field == QLatin1String("intern") && value == QLatin1String("5"))
            QCOMPARE(failure->log, QStringLiteral("Mitgliedsnummer schon vergeben"));
    }

    void nonMembersMayHaveLongNumbers()
    {
        Verein club;
        VereinController().insertOrUpdate(*m_ctx, club);
        Mitglied member;
        member.setVerein(club.getId());
        member.setMitgliedsArt(
            m_ctx->codeManager().idOf(QStringLiteral("Mitgliedsart"), QStringLiteral("Nichtmitglied")));
        member.setMitgliedsNummerImVerein(QStringLiteral("1000"));
        member.setMitgliedsNummerKomplett(QStringLiteral("N1000"));
        QVERIFY(!MitgliedService::pruefe(*m_ctx, member));
    }

    void clubDeletionRefusedInOrder()
    {
        Verein club;
        club.setName(QStringLiteral("Zu loeschen"));
        VereinController().insertOrUpdate(*m_ctx, club);
        Mitglied member;
        member.setVerein(club.getId());
        MitgliedController().insertOrUpdate(*m_ctx, member);
        Wettbewerb competition;
        competition.setVerein(club.getId());
        WettbewerbController().insertOrUpdate(*m_ctx, competition);
        Verein child;
        child.setDachverband(club.getId());
        VereinController().insertOrUpdate(*m_ctx, child);

        QCOMPARE(VereinService::loeschVerbot(*m_ctx, club)->titel,
                 QStringLiteral("Noch Mitglieder vorhanden."));
        MitgliedController().remove(*m_ctx, member);
        QCOMPARE(VereinService::loeschVerbot(*m_ctx, club)->titel,
                 QStringLiteral("Noch Wettbewerbe vorhanden."));
        WettbewerbController().remove(*m_ctx, competition);
        QCOMPARE(VereinService::loeschVerbot(*m_ctx, club)->titel,
                 QStringLiteral("Noch untergeordnete Vereine vorhanden."));
        VereinController().remove(*m_ctx, child);
        QVERIFY(!VereinService::loeschVerbot(*m_ctx, club));

        Funktionstraeger official;
        official.setVerein(club.getId());
        FunktionstraegerController().insertOrUpdate(*m_ctx, official);
        VereinsDatenBerechtigung permission;
        permission.setVerein(club.getId());
        VereinsDatenBerechtigungController().insertOrUpdate(*m_ctx, permission);
        VereinService::loesche(*m_ctx, club);
        QCOMPARE(scalar("SELECT (SELECT COUNT(*) FROM Verein) + (SELECT COUNT(*) FROM "
                        "Funktionstraeger) + (SELECT COUNT(*) FROM VereinsDatenBerechtigung)"),
                 std::string("0"));
    }

    void memberDeletionRefused()
    {
        Mitglied member;
        member.setVorname(QStringLiteral("Eva"));
        member.setNachname(QStringLiteral("Mayr"));
        MitgliedController().insertOrUpdate(*m_ctx, member);
        QVERIFY(!MitgliedService::loeschVerbot(*m_ctx, member));

        Wettbewerb competition;
        competition.setName(QStringLiteral("Landesmeisterschaft"));
        competition.setNummer(QStringLiteral("2026-01"));
        WettbewerbController().insertOrUpdate(*m_ctx, competition);
        JuriertBei juror;
        juror.setMitglied(member.getId());
        juror.setWettbewerb(competition.getId());
        JuriertBeiController().insertOrUpdate(*m_ctx, juror);
        QCOMPARE(MitgliedService::loeschVerbot(*m_ctx, member)->text,
                 QStringLiteral("Das Mitglied Eva Mayr kann nicht geloescht werden. Es ist im "
                                "Wettbewerb Landesmeisterschaft mit der Nummer 2026-01 entweder "
                                "als Teilnehmer oder als Juror taetig (gewesen)."));
        JuriertBeiController().remove(*m_ctx, juror);
        WettbewerbsTeilnahme entry;
        entry.setMitglied(member.getId());
        entry.setWettbewerb(competition.getId());
        WettbewerbsTeilnahmeController().insertOrUpdate(*m_ctx, entry);
        QVERIFY(MitgliedService::loeschVerbot(*m_ctx, member));

        Benutzer user;
        user.setMitglied(member.getId());
        BenutzerController().insertOrUpdate(*m_ctx, user);
        const auto linked = MitgliedService::loeschVerbot(*m_ctx, member);
        QCOMPARE(linked->titel, QStringLiteral("Loeschen nicht moeglich"));
        QVERIFY(linked->text.contains(QLatin1String("des Benutzers (ohne Benutzername) eingetragen")));
    }

    void memberWithTitlesStoredAndDeleted()
    {
        Mitglied member;
        FotographischerTitel first;
        first.setTitel(QStringLiteral("AFIAP"));
        FotographischerTitel highest;
        highest.setTitel(QStringLiteral("EFIAP"));
        highest.setHoechsterTitel(true);
        MitgliedService::speichere(*m_ctx, member, {&first, &highest}, {});
        QVERIFY(member.hasId());
        QCOMPARE(first.getMitglied(), member.getId());
        QCOMPARE(MitgliedController().readById(*m_ctx, member.getId())->getHoechsterTitel(),
                 highest.getId());

        // The highest title removed: the member has none any more.
        MitgliedService::speichere(*m_ctx, member, {&first}, {&highest});
        QVERIFY(!MitgliedController().readById(*m_ctx, member.getId())->hasHoechsterTitel());
        QCOMPARE(scalar("SELECT COUNT(*) FROM FotographischerTitel"), std::string("1"));

        Funktionstraeger official;
        official.setMitglied(member.getId());
        FunktionstraegerController().insertOrUpdate(*m_ctx, official);
        MitgliedService::loesche(*m_ctx, member);
        QCOMPARE(scalar("SELECT (SELECT COUNT(*) FROM Mitglied) + (SELECT COUNT(*) FROM "
                        "FotographischerTitel) + (SELECT COUNT(*) FROM Funktionstraeger)"),
                 std::string("0"));
    }

    // A failing second write leaves the database and the objects as they were.
    void writesBelongTogether()
    {
        Verein club;
        club.setName(QStringLiteral("Neu"));
        Funktionstraeger fine;
        fine.setFunktion(QStringLiteral("Obmann"));
        Funktionstraeger tooLong;
        tooLong.setFunktion(QString(41, QLatin1Char('x')));
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 VereinService::speichere(*m_ctx, club, {&fine, &tooLong}, {}, false));
        QVERIFY(!club.hasId());
        QVERIFY(!fine.hasId());
        QVERIFY(!fine.hasVerein());
        QCOMPARE(scalar("SELECT (SELECT COUNT(*) FROM Verein) + (SELECT COUNT(*) FROM "
                        "Funktionstraeger)"),
                 std::string("0"));

        Mitglied member;
        member.setNachname(QStringLiteral("Huber"));
        FotographischerTitel title;
        title.setTitel(QString(41, QLatin1Char('t')));
        QVERIFY_THROWS_EXCEPTION(PersistenceException,
                                 MitgliedService::speichere(*m_ctx, member, {&title}, {}));
        QVERIFY(!member.hasId());
        QCOMPARE(scalar("SELECT COUNT(*) FROM Mitglied"), std::string("0"));

        // A deletion that fails at its last step deletes nothing.
        VereinService::speichere(*m_ctx, club, {&fine}, {}, false);
        run("RENAME TABLE Verein TO VereinAway");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, VereinService::loesche(*m_ctx, club));
        run("RENAME TABLE VereinAway TO Verein");
        QCOMPARE(scalar("SELECT COUNT(*) FROM Funktionstraeger"), std::string("1"));
        QCOMPARE(scalar("SELECT COUNT(*) FROM Verein"), std::string("1"));
    }

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

KALVOR_REGISTER_TEST(ClubServiceTest)
#include "tst_clubservices.moc"
