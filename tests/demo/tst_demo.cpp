// The demo federation on the throwaway server, small size: what it holds, that the same seed
// gives the same data (once through the library, once through kalvor-admin), and that it never
// goes over existing data.

#include "BenutzerHelper.h"
#include "BildDecoder.h"
#include "DatabaseContext.h"
#include "DemoBilder.h"
#include "DemoFederation.h"
#include "TestDatabase.h"
#include "TestRegistry.h"
#include "controllers/BenutzerController.h"

#include <QColorSpace>
#include <QProcess>
#include <QtTest>

#include <mysql++/mysql++.h>

namespace {

constexpr quint32 kSeed = 7;

int anzahl(const std::string &sql)
{
    return std::stoi(TestDatabase::scalar(sql));
}

// One digest of every table with data, apart from time stamps and the logs of the sessions.
QString digest()
{
    auto connection = TestDatabase::connectAsAdmin("kdb");
    connection->query("SET SESSION group_concat_max_len = 1073741824").exec();
    QStringList teile;
    for (const mysqlpp::Row &tabelle :
         connection
             ->query("SELECT table_name FROM information_schema.tables WHERE table_schema = 'kdb' "
                     "AND table_name NOT IN ('Session', 'EventLog', 'QueryLog') ORDER BY 1")
             .store()) {
        const std::string name(tabelle[0].c_str());
        const std::string spalten = TestDatabase::scalar(
            *connection, "SELECT GROUP_CONCAT(CONCAT('IFNULL(`', column_name, '`, ''~'')') ORDER "
                         "BY ordinal_position) FROM information_schema.columns WHERE table_schema "
                         "= 'kdb' AND table_name = '" +
                             name + "' AND column_name NOT LIKE '%tist'");
        teile << QString::fromStdString(
            name + "=" +
            TestDatabase::scalar(*connection, "SELECT MD5(IFNULL(GROUP_CONCAT(MD5(CONCAT_WS('|', " +
                                                  spalten + ")) ORDER BY id), '')) FROM `" + name +
                                                  "`"));
    }
    return teile.join(QLatin1Char('\n'));
}

struct Lauf
{
    int exitCode = -1;
    QByteArray out, err;
};

Lauf kalvorAdmin(const QStringList &argumente)
{
    QProcess prozess;
    prozess.start(QStringLiteral(KALVOR_ADMIN_BINARY),
                  argumente + QStringList{"--host", "localhost", "--socket",
                                          qEnvironmentVariable("KALVOR_TEST_SOCKET"), "--user",
                                          qEnvironmentVariable("KALVOR_TEST_USER"),
                                          "--password-file",
                                          QString::fromStdString(TestDatabase::passwordFile())});
    if (!prozess.waitForFinished(300000))
        prozess.kill();
    return {prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1,
            prozess.readAllStandardOutput(), prozess.readAllStandardError()};
}

} // namespace

class DemoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        REQUIRE_TEST_DATABASE();
        TestDatabase::reinstall();
        auto ctx = TestDatabase::openContext();
        QStringList schritte;
        m_zahlen = DemoFederation::fuelle(*ctx, kSeed, DemoFederation::Groesse::Klein,
                                          [&](const QString &s) { schritte << s; });
        QVERIFY(schritte.size() > 10);
        m_digest = digest();
    }
    // The database accounts of the demo users outlive a reinstall: drop them.
    void cleanupTestCase()
    {
        if (!TestDatabase::isConfigured())
            return;
        auto ctx = TestDatabase::openContext();
        BenutzerHelper helper(*ctx);
        for (const auto &benutzer : BenutzerController().select(*ctx, {}))
            if (benutzer->getBenutzername() != QLatin1String("root"))
                helper.deleteDbUser(*benutzer);
    }

    void zeilen_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("erwartet");
        const auto zeile = [](const char *name, const char *sql, int erwartet) {
            QTest::newRow(name) << QString::fromLatin1(sql) << erwartet;
        };
        zeile("clubs", "SELECT COUNT(*) FROM Verein", 13);
        zeile("clubs on the third level",
              "SELECT COUNT(*) FROM Verein v JOIN Verein d ON v.dachverband = d.id "
              "WHERE d.dachverband IS NOT NULL",
              9);
        zeile("members", "SELECT COUNT(*) FROM Mitglied", 200);
        zeile("member types", "SELECT COUNT(DISTINCT mitgliedsArt) FROM Mitglied", 4);
        zeile("young members",
              "SELECT COUNT(*) > 10 FROM Mitglied m JOIN CodeValue j "
              "ON m.jugend = j.id WHERE j.name = 'Ja'",
              1);
        zeile("members with titles",
              "SELECT COUNT(*) > 10 FROM Mitglied WHERE hoechsterTitel IS NOT NULL", 1);
        zeile("highest titles are the members' own",
              "SELECT COUNT(*) FROM Mitglied m JOIN FotographischerTitel t ON m.hoechsterTitel = "
              "t.id WHERE t.mitglied <> m.id",
              0);
        zeile("clubs with four officials",
              "SELECT COUNT(*) FROM (SELECT verein FROM Funktionstraeger WHERE funktionsCode IS "
              "NOT NULL GROUP BY verein HAVING COUNT(*) >= 4) f",
              13);
        zeile("external jurors", "SELECT COUNT(*) FROM ExternerJuror", 6);
        zeile("jurors of one category", "SELECT COUNT(*) FROM SpartenJurierung", 4);
        zeile("users besides root", "SELECT COUNT(*) FROM Benutzer WHERE benutzername <> 'root'",
              7);
        zeile("users without data permissions",
              "SELECT COUNT(*) FROM Benutzer b WHERE benutzername <> 'root' AND NOT EXISTS "
              "(SELECT 1 FROM VereinsDatenBerechtigung v WHERE v.benutzer = b.id)",
              0);
        zeile("competitions in every state", "SELECT COUNT(DISTINCT status) FROM Wettbewerb", 5);
        zeile("images without picture",
              "SELECT COUNT(*) FROM Bild b JOIN BildDaten d ON "
              "b.bildDaten = d.id WHERE d.daten IS NULL",
              0);
        zeile("pictures with a profile among them",
              "SELECT SUM(LOCATE('ICC_PROFILE', daten) > 0) BETWEEN 1 AND COUNT(*) - 1 FROM "
              "BildDaten",
              1);
    }
    void zeilen()
    {
        QFETCH(QString, sql);
        QFETCH(int, erwartet);
        QCOMPARE(anzahl(sql.toStdString()), erwartet);
    }

    // Per state: images, scored images, rounds finished, rounds generated, rounds being scored,
    // participant results and statistics nodes, as "n" or "+" for more than none.
    void wettbewerbe_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("just created") << "ANGELEGT"
                                      << "0 0 0 0 0 0 0";
        QTest::newRow("accepting images") << "BILDERANNAHME"
                                          << "+ 0 0 0 0 0 0";
        QTest::newRow("closed for entries") << "ANNAHMESCHLUSS_VERSTRICHEN"
                                            << "+ 0 0 0 0 0 0";
        // Five first rounds finished, the fifteen second rounds generated, one begun.
        QTest::newRow("being scored") << "WERTUNG_LAEUFT"
                                      << "+ + 5 20 1 0 0";
        QTest::newRow("finished") << "WERTUNG_ABGESCHLOSSEN"
                                  << "+ + 20 20 0 + +";
    }
    void wettbewerbe()
    {
        QFETCH(QString, status);
        QFETCH(QString, erwartet);
        const std::string w = "(SELECT w.id FROM Wettbewerb w JOIN CodeValue c ON w.status = c.id "
                              "WHERE c.name = '" +
                              status.toStdString() + "')";
        const std::string runden = "SELECT COUNT(*) FROM Durchgang d JOIN Jurierung j ON "
                                   "d.jurierung = j.id JOIN CodeValue c ON d.status = c.id WHERE "
                                   "j.wettbewerb = " +
                                   w;
        const std::string bilder = "SELECT COUNT(*) FROM Bild b JOIN WettbewerbsTeilnahme t ON "
                                   "b.wettbewerbsTeilnahme = t.id WHERE t.wettbewerb = " +
                                   w;
        const int zahlen[] = {
            anzahl(bilder),
            anzahl(bilder + " AND b.bewertung IS NOT NULL"),
            anzahl(runden + " AND c.name = 'BEENDET'"),
            anzahl(runden + " AND d.reihenfolgeGeneriert"),
            anzahl(runden + " AND c.name = 'WIRD_JURIERT'"),
            anzahl("SELECT COUNT(*) FROM TeilnehmerWertung WHERE wettbewerb = " + w),
            anzahl("SELECT COUNT(*) FROM StatistikData WHERE wettbewerb = " + w),
        };
        QStringList gefunden;
        const QStringList muster = erwartet.split(QLatin1Char(' '));
        for (int i = 0; i < muster.size(); ++i)
            gefunden << (muster[i] == QLatin1String("+") && zahlen[i] > 0
                             ? QStringLiteral("+")
                             : QString::number(zahlen[i]));
        QCOMPARE(gefunden.join(QLatin1Char(' ')), erwartet);
    }

    // The round interrupted halfway has scored and unscored images; its current score row is
    // the first without total.
    void unterbrocheneRunde()
    {
        const std::string runde =
            "(SELECT d.id FROM Durchgang d JOIN CodeValue c ON d.status = c.id "
            "WHERE c.name = 'WIRD_JURIERT')";
        const int gesamt = anzahl("SELECT COUNT(*) FROM Wertung WHERE durchgang = " + runde);
        const int bewertet = anzahl("SELECT COUNT(*) FROM Wertung WHERE bewertung IS NOT NULL "
                                    "AND durchgang = " +
                                    runde);
        QVERIFY2(bewertet == gesamt / 2 && bewertet > 0,
                 qPrintable(QStringLiteral("%1 of %2").arg(bewertet).arg(gesamt)));
        QCOMPARE(anzahl("SELECT w.positionImDurchgang FROM Durchgang d JOIN Wertung w ON "
                        "d.aktuelleWertung = w.id WHERE d.id = " +
                        runde),
                 bewertet + 1);
    }

    // The project's decoder reads the drawn pictures and finds the Display P3 profile.
    void bilderMitProfil()
    {
        auto connection = TestDatabase::connectAsAdmin("kdb");
        int mitProfil = 0;
        for (const mysqlpp::Row &zeile :
             connection->query("SELECT daten FROM BildDaten ORDER BY id LIMIT 40").store()) {
            const QByteArray daten(zeile[0].data(), int(zeile[0].length()));
            const QImage bild = BildDecoder::dekodiere(daten, QSize());
            QVERIFY(bild.size() == QSize(DemoBilder::kBreite, DemoBilder::kHoehe) ||
                    bild.size() == QSize(DemoBilder::kHoehe, DemoBilder::kBreite));
            const QByteArray profil = BildDecoder::iccProfil(daten);
            if (profil.isEmpty())
                continue;
            ++mitProfil;
            QCOMPARE(profil, DemoBilder::displayP3Profil());
            const QColorSpace farbraum = QColorSpace::fromIccProfile(profil);
            QVERIFY(farbraum.isValid());
            QCOMPARE(farbraum.primaries(), QColorSpace::Primaries::DciP3D65);
        }
        QVERIFY(mitProfil > 0);
    }

    // Never over existing data: the library and kalvor-admin refuse, and nothing changes.
    void verweigertVorhandeneDaten()
    {
        const QString erwartet =
            QStringLiteral("The database holds data already (13 clubs, 200 members, 5 "
                           "competitions, 7 users besides root); the demo federation goes only "
                           "into an empty database.");
        auto ctx = TestDatabase::openContext();
        QCOMPARE(DemoFederation::vorhandeneDaten(*ctx).value_or(QString()), erwartet);
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            DemoFederation::fuelle(*ctx, kSeed, DemoFederation::Groesse::Klein));
        const Lauf lauf = kalvorAdmin({"demo"});
        QCOMPARE(lauf.exitCode, 1);
        QCOMPARE(lauf.out, QByteArray());
        QCOMPARE(QString::fromUtf8(lauf.err), QStringLiteral("kalvor-admin: ") + erwartet + '\n');
        QCOMPARE(digest(), m_digest);
    }

    // The same seed gives the same data, here through kalvor-admin; another seed other data.
    void gleicherSeedGleicheDaten()
    {
        TestDatabase::reinstall();
        const Lauf lauf = kalvorAdmin({"demo", "--seed", QString::number(kSeed)});
        QVERIFY2(lauf.exitCode == 0, lauf.err.constData());
        QVERIFY(lauf.out.startsWith("Installed the demo federation (seed 7, small): 13 clubs, 200 "
                                    "members"));
        QVERIFY(lauf.err.startsWith("demo: "));
        QCOMPARE(digest(), m_digest);
    }
    void andererSeedAndereDaten()
    {
        TestDatabase::reinstall();
        auto ctx = TestDatabase::openContext();
        const auto zahlen = DemoFederation::fuelle(*ctx, kSeed + 1, DemoFederation::Groesse::Klein);
        QCOMPARE(zahlen.mitglieder, m_zahlen.mitglieder);
        QVERIFY(digest() != m_digest);
    }

private:
    DemoFederation::Zahlen m_zahlen;
    QString m_digest;
};

KALVOR_REGISTER_TEST(DemoTest)
#include "tst_demo.moc"
