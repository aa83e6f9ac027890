// kalvor-admin user add|passwd|delete|list as its users run it: through the service and checks
// of the dialog, one clear line and a non-zero exit code on refusal, no password written out.

#include "userfixtures.h"

#include "TestRegistry.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace userfixtures;

namespace {

struct Lauf
{
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class AdminUserTest : public BenutzerTest
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString datei(const QString &name, const QString &inhalt)
    {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(inhalt.toUtf8() + '\n');
        return file.fileName();
    }

    Lauf admin(QStringList argumente, const QString &neuesPasswort = QString())
    {
        argumente << QStringLiteral("--host") << QStringLiteral("localhost")
                  << QStringLiteral("--socket")
                  << QString::fromStdString(TestDatabase::socketAddress().socket)
                  << QStringLiteral("--user") << QString::fromStdString(TestDatabase::adminUser())
                  << QStringLiteral("--password-file")
                  << QString::fromStdString(TestDatabase::passwordFile());
        if (!neuesPasswort.isNull())
            argumente << QStringLiteral("--new-password-file")
                      << datei(QStringLiteral("neu"), neuesPasswort);
        QProcess process;
        process.start(QStringLiteral(KALVOR_ADMIN_BINARY), argumente);
        process.waitForFinished(60000);
        Lauf lauf{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                  QString::fromUtf8(process.readAllStandardError())};
        if (!neuesPasswort.isEmpty())
            [&] { QVERIFY(!(lauf.out + lauf.err).contains(neuesPasswort)); }();
        return lauf;
    }

private slots:
    void ablauf()
    {
        QVERIFY(m_dir.isValid());
        Lauf lauf = admin({QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("o'neil"),
                           QStringLiteral("--web")},
                          QStringLiteral("x'; DROP USER root; --"));
        QCOMPARE(lauf.code, 0);
        QCOMPARE(lauf.out, QStringLiteral("Created the user o'neil (account kdb_o'neil).\n"));
        QVERIFY(!erlaubt(*anmelden(QStringLiteral("o'neil"), QStringLiteral("x'; DROP USER root; --")),
                         "SELECT * FROM Durchgang"));
        QCOMPARE(admin({QStringLiteral("user"), QStringLiteral("passwd"), QStringLiteral("o'neil")},
                       QStringLiteral("zweites"))
                     .code,
                 0);
        QVERIFY(anmelden(QStringLiteral("o'neil"), QStringLiteral("zweites"))->isConnected());
        lauf = admin({QStringLiteral("user"), QStringLiteral("list")});
        QCOMPARE(lauf.out, QStringLiteral("root gui=yes web=no\no'neil gui=no web=yes\n"));
        QCOMPARE(admin({QStringLiteral("user"), QStringLiteral("delete"), QStringLiteral("o'neil")}).code, 0);
        QCOMPARE(konten(QStringLiteral("kdb_o'neil")), 0);
    }

    void ablehnungen_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("passwort");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("zeile");
        const auto w = [](const char *a, const char *b, const char *c = nullptr) {
            QStringList l{QString::fromLatin1(a), QString::fromLatin1(b)};
            if (c)
                l << QString::fromUtf8(c);
            return l;
        };
        reihe("13 characters", w("user", "add", "abcdefghijklm"), QStringLiteral("pw"), 1,
              QStringLiteral("kalvor-admin: Benutzername zu lang: Der Benutzername darf hoechstens "
                             "12 Zeichen lang sein.\n"));
        reihe("name taken", w("user", "add", "root"), QStringLiteral("pw"), 1,
              QStringLiteral("kalvor-admin: Benutzername schon vergeben: Es gibt schon einen "
                             "Benutzer mit dem angegebenen Namen. Bitte waehlen Sie einen anderen "
                             "Benutzernamen.\n"));
        reihe("root's password", w("user", "passwd", "root"), QStringLiteral("pw"), 1,
              QStringLiteral("kalvor-admin: Kalvor never changes the password or the account of "
                             "root.\n"));
        reihe("root deleted", w("user", "delete", "root"), QString(), 1,
              QStringLiteral("kalvor-admin: Der root-Benutzer kann nicht geloescht werden.\n"));
        reihe("unknown user", w("user", "delete", "niemand"), QString(), 1,
              QStringLiteral("kalvor-admin: There is no user niemand.\n"));
        reihe("no name", w("user", "passwd"), QStringLiteral("pw"), 2,
              QStringLiteral("kalvor-admin: \"user passwd\" needs the name of the user.\n"));
        reihe("add without password", w("user", "add", "neu"), QString(), 2,
              QStringLiteral("kalvor-admin: \"user add neu\" needs --new-password-file.\n"));
    }

    void ablehnungen()
    {
        QFETCH(QStringList, argumente);
        QFETCH(QString, passwort);
        QFETCH(int, code);
        QFETCH(QString, zeile);
        const int vorher = alleKonten();
        const Lauf lauf = admin(argumente, passwort);
        QCOMPARE(lauf.err, zeile);
        QCOMPARE(lauf.code, code);
        QVERIFY(lauf.out.isEmpty());
        QCOMPARE(alleKonten(), vorher);
    }
};

KALVOR_REGISTER_TEST(AdminUserTest)

#include "tst_adminuser.moc"
