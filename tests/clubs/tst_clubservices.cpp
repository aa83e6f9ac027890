// The rules below the club and member dialogs: numbering, the number generator, the text
// patterns, the cycle check on storing, and club writes that belong together.

#include "clubfixtures.h"

#include "MitgliedsPruefer.h"
#include "PersistenceException.h"
#include "TestRegistry.h"
#include "VereinService.h"
#include "VereinsNummernManager.h"

using namespace clubfixtures;

class ClubServiceTest : public DatenbankTest
{
    Q_OBJECT
private slots:
    void clubNumbers_data()
    {
        QTest::addColumn<QString>("parent"); // its complete number; null: none, "?": unreadable
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("computed");
        QTest::addColumn<QString>("complete");
        reihe("under 3", "3", "12", true, "312");
        reihe("no parent", QString(), "12", true, "12");
        reihe("parent without number", "", "7", true, "7");
        reihe("no own number", "31", QString(), true, "31");
        reihe("unreadable parent keeps the number", "?", "5", false, "alt");
    }

    void clubNumbers()
    {
        QFETCH(QString, parent);
        QFETCH(QString, own);
        QFETCH(bool, computed);
        QFETCH(QString, complete);
        Verein club;
        club.setVereinsNummerKomplett(QStringLiteral("alt"));
        if (!own.isNull())
            club.setVereinsNummerLokal(own);
        if (parent == QLatin1String("?")) {
            club.setDachverband(987654);
        } else if (!parent.isNull()) {
            Verein dachverband;
            if (!parent.isEmpty())
                dachverband.setVereinsNummerKomplett(parent);
            VereinController().insertOrUpdate(*m_ctx, dachverband);
            club.setDachverband(dachverband.getId());
        }
        QCOMPARE(VereinsNummernManager::berechneVereinsNummerKomplett(*m_ctx, club), computed);
        QCOMPARE(club.getVereinsNummerKomplett(), complete);
    }

    // A cycle in the stored tree does not make the renumbering run forever.
    void renumberingSurvivesACycle()
    {
        run("INSERT INTO Verein (id, vereinsNummerLokal, dachverband) VALUES (501, '1', 502), "
            "(502, '2', 501)");
        const auto club = VereinController().readById(*m_ctx, 501);
        QCOMPARE(VereinsNummernManager::nummeriereUntervereine(*m_ctx, *club), 1);
    }

    void numberGenerator()
    {
        const auto club = neuerVerein(*m_ctx, "1", "Eins");
        const auto other = neuerVerein(*m_ctx, "2", "Zwei");
        const qlonglong clubType = code(*m_ctx, "Mitgliedsart", "Club");
        const qlonglong nonMember = code(*m_ctx, "Mitgliedsart", "Nichtmitglied");
        const auto add = [&](const Verein &in, qlonglong type, const char *number) {
            Mitglied member;
            member.setVerein(in.getId());
            member.setMitgliedsArt(type);
            member.setMitgliedsNummerImVerein(QString::fromLatin1(number));
            MitgliedController().insertOrUpdate(*m_ctx, member);
        };
        Mitglied candidate;
        candidate.setVerein(club->getId());
        candidate.setMitgliedsArt(clubType);
        const auto next = [&] {
            return MitgliedsnummernManager::neueMitgliedsnummer(*m_ctx, candidate);
        };
        QCOMPARE(next(), QStringLiteral("1"));
        add(*club, clubType, "001");
        add(*club, clubType, "2");
        add(*club, nonMember, "3"); // non-members do not count for members
        add(*other, clubType, "3"); // nor do other clubs
        QCOMPARE(next(), QStringLiteral("3"));
        add(*club, clubType, "01"); // only "1" and "001" stand for 1
        add(*club, clubType, "003");
        QCOMPARE(next(), QStringLiteral("4"));

        candidate.setMitgliedsArt(nonMember);
        QCOMPARE(next(), QStringLiteral("1000"));
        add(*club, nonMember, "1000");
        QCOMPARE(next(), QStringLiteral("1001"));
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("telephone");
        QTest::addColumn<bool>("mail");
        reihe("empty", QString(), true, true);
        reihe("telephone", "+43-512-123456", true, false);
        reihe("four groups", "+1-2-3-4", true, false);
        reihe("no plus", "0043-512-123456", false, false);
        reihe("spaces", "+43 512 123456", false, false);
        reihe("two groups", "+43-512", false, false);
        reihe("trailing text", "+43-512-1x", false, false);
        reihe("mail", "a@b", false, true);
        reihe("nothing before @", "@b", false, false);
        reihe("nothing after @", "a@", false, false);
        reihe("no @", "ab.at", false, false);
    }

    void patterns()
    {
        QFETCH(QString, text);
        QFETCH(bool, telephone);
        QFETCH(bool, mail);
        QCOMPARE(MitgliedsPruefer::telefonGueltig(text), telephone);
        QCOMPARE(MitgliedsPruefer::mailGueltig(text), mail);
    }

    // Storing checks the parent again: it must not be the club itself nor lie below it.
    void storingRefusesACycle()
    {
        auto club = neuerVerein(*m_ctx, "3", "Land");
        const auto child = neuerVerein(*m_ctx, "1", "Bezirk", club.get());
        const auto grandchild = neuerVerein(*m_ctx, "2", "Fotoclub", child.get());
        const auto other = neuerVerein(*m_ctx, "9", "Anderer");
        for (const Verein *parent : {club.get(), grandchild.get()}) {
            club->setDachverband(parent->getId());
            const auto failure = VereinService::pruefe(*m_ctx, *club);
            QVERIFY(failure);
            QCOMPARE(failure->titel, QStringLiteral("Uebergeordneter Verein nicht moeglich"));
        }
        club->setDachverband(other->getId());
        QVERIFY(!VereinService::pruefe(*m_ctx, *club));
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
        QVERIFY_THROWS_EXCEPTION(
            PersistenceException,
            VereinService::speichere(*m_ctx, club, {&fine, &tooLong}, {}, false));
        QVERIFY(!club.hasId());
        QVERIFY(!fine.hasId());
        QVERIFY(!fine.hasVerein());
        QCOMPARE(anzahl("Verein") + anzahl("Funktionstraeger"), 0);

        // A deletion that fails at its last step deletes nothing.
        VereinService::speichere(*m_ctx, club, {&fine}, {}, false);
        run("RENAME TABLE Verein TO VereinAway");
        QVERIFY_THROWS_EXCEPTION(PersistenceException, VereinService::loesche(*m_ctx, club));
        run("RENAME TABLE VereinAway TO Verein");
        QCOMPARE(anzahl("Funktionstraeger"), 1);
        QCOMPARE(anzahl("Verein"), 1);
    }
};

KALVOR_REGISTER_TEST(ClubServiceTest)

#include "tst_clubservices.moc"
