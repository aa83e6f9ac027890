// Data permissions against a real club tree Dach > Land > Ort (and a club Fremd beside it):
// extents, member types, read against write, clubs without id, competitions without club, the
// mode, root; and the controllers that filter reads and refuse writes.

#include "userfixtures.h"

#include "BerechtigungsPruefer.h"
#include "DataModel.h"
#include "PersistenceException.h"
#include "TestRegistry.h"
#include "controllers/WettbewerbController.h"
#include "entities/Wettbewerb.h"

using namespace userfixtures;

class BerechtigungsTest : public BenutzerTest
{
    Q_OBJECT
protected:
    QMap<QString, qlonglong> m_vereine;

    void legeAn() override
    {
        BenutzerTest::legeAn();
        const auto dach = neuerVerein(*m_ctx, QStringLiteral("1"), QStringLiteral("Dach"));
        const auto land = neuerVerein(*m_ctx, QStringLiteral("2"), QStringLiteral("Land"), dach.get());
        const auto ort = neuerVerein(*m_ctx, QStringLiteral("3"), QStringLiteral("Ort"), land.get());
        const auto fremd = neuerVerein(*m_ctx, QStringLiteral("9"), QStringLiteral("Fremd"));
        m_vereine = {{QStringLiteral("Dach"), dach->getId()}, {QStringLiteral("Land"), land->getId()},
                     {QStringLiteral("Ort"), ort->getId()}, {QStringLiteral("Fremd"), fremd->getId()}};
        neuerBenutzer(*m_ctx, QStringLiteral("anna"), QStringLiteral("pw-anna"), true, false);
    }

    // "Club EXTENT ART TYPE", e.g. "Land LANDESVERBAND LESEN Verein".
    void erlaube(const QString &berechtigung)
    {
        const QStringList teile = berechtigung.split(QLatin1Char(' '));
        const auto c = [this](const char *typ, const QString &wert) {
            return id(code(*m_ctx, QString::fromLatin1(typ), wert));
        };
        run("INSERT INTO VereinsDatenBerechtigung (benutzer, verein, ausdehnung, art, objektTyp) "
            "SELECT id, " + id(m_vereine.value(teile[0])) + ", " +
            c("VereinsDatenBerechtigungsAusdehnung", teile[1]) + ", " +
            c("DatenBerechtigungsArt", teile[2]) + ", " +
            c("DatenBerechtigungsObjektTyp", teile[3]) + " FROM Benutzer WHERE benutzername = 'anna'");
    }

    // "Verein Ort", "Verein neu Land", "Verein neu", "Verein namenlos", "Mitglied Ort Club",
    // "Mitglied Ort" (no type), "Mitglied -" (no club), "Wettbewerb Ort", "Wettbewerb -".
    std::unique_ptr<Persistent> objekt(const QString &beschreibung)
    {
        const QStringList teile = beschreibung.split(QLatin1Char(' '));
        const QString verein = teile.value(1);
        if (teile[0] == QLatin1String("Verein")) {
            auto v = std::make_unique<Verein>();
            if (verein == QLatin1String("namenlos")) {
                VereinController().insertOrUpdate(*m_ctx, *v);
            } else if (verein == QLatin1String("neu")) {
                v->setName(QStringLiteral("Neu"));
                if (teile.size() > 2)
                    v->setDachverband(m_vereine.value(teile[2]));
            } else {
                v = VereinController().readById(*m_ctx, m_vereine.value(verein));
            }
            return v;
        }
        if (teile[0] == QLatin1String("Mitglied")) {
            auto m = std::make_unique<Mitglied>();
            if (verein != QLatin1String("-"))
                m->setVerein(m_vereine.value(verein));
            if (teile.size() > 2)
                m->setMitgliedsArt(code(*m_ctx, QStringLiteral("Mitgliedsart"), teile[2]));
            return m;
        }
        auto w = std::make_unique<Wettbewerb>();
        if (verein != QLatin1String("-"))
            w->setVerein(m_vereine.value(verein));
        return w;
    }

private slots:
    void pruefer_data()
    {
        QTest::addColumn<QString>("berechtigung");
        QTest::addColumn<QString>("objekt");
        QTest::addColumn<bool>("schreiben");
        QTest::addColumn<bool>("erwartet");
        reihe("VEREIN: the club itself", "Ort VEREIN LESEN Verein", "Verein Ort", false, true);
        reihe("VEREIN: not the club below", "Land VEREIN LESEN Verein", "Verein Ort", false, false);
        reihe("LANDESVERBAND: two levels down", "Dach LANDESVERBAND LESEN Verein", "Verein Ort", false, true);
        reihe("not upwards", "Ort DACHVERBAND LESEN Verein", "Verein Land", false, false);
        reihe("not beside", "Dach DACHVERBAND LESEN Verein", "Verein Fremd", false, false);
        reihe("read does not write", "Ort VEREIN LESEN Verein", "Verein Ort", true, false);
        reihe("read and write writes", "Ort VEREIN LESEN_UND_SCHREIBEN Verein", "Verein Ort", true, true);
        reihe("other object type", "Ort VEREIN LESEN_UND_SCHREIBEN Mitglied", "Verein Ort", false, false);
        reihe("new club: height 1 under LANDESVERBAND", "Land LANDESVERBAND LESEN_UND_SCHREIBEN Verein",
              "Verein neu Land", true, true);
        reihe("new club: VEREIN of the parent is too low", "Land VEREIN LESEN_UND_SCHREIBEN Verein",
              "Verein neu Land", true, false);
        reihe("new club without parent", "Dach DACHVERBAND LESEN_UND_SCHREIBEN Verein", "Verein neu",
              true, false);
        reihe("club without name and parent is readable", "", "Verein namenlos", false, true);
        reihe("... but not writable", "", "Verein namenlos", true, false);
        reihe("member VEREIN: any type", "Ort VEREIN LESEN Mitglied", "Mitglied Ort Club", false, true);
        reihe("member DACHVERBAND: club member no", "Dach DACHVERBAND LESEN Mitglied", "Mitglied Ort Club",
              false, false);
        reihe("member DACHVERBAND: Dachverband yes", "Dach DACHVERBAND LESEN Mitglied",
              "Mitglied Ort Dachverband", false, true);
        reihe("member DACHVERBAND: Landesverband no", "Dach DACHVERBAND LESEN Mitglied",
              "Mitglied Ort Landesverband", false, false);
        reihe("member LANDESVERBAND: Landesverband yes", "Land LANDESVERBAND LESEN Mitglied",
              "Mitglied Ort Landesverband", false, true);
        reihe("member LANDESVERBAND: Dachverband yes", "Land LANDESVERBAND LESEN Mitglied",
              "Mitglied Ort Dachverband", false, true);
        reihe("member without type passes the type rule", "Dach DACHVERBAND LESEN Mitglied",
              "Mitglied Ort", false, true);
        reihe("member without club", "", "Mitglied -", true, true);
        reihe("member, no permission", "Fremd DACHVERBAND LESEN_UND_SCHREIBEN Mitglied", "Mitglied Ort",
              false, false);
        reihe("competition below", "Land LANDESVERBAND LESEN Wettbewerb", "Wettbewerb Ort", false, true);
        reihe("competition without club: read", "", "Wettbewerb -", false, true);
        reihe("competition without club: write", "Dach DACHVERBAND LESEN_UND_SCHREIBEN Wettbewerb",
              "Wettbewerb -", true, false);
    }

    void pruefer()
    {
        QFETCH(QString, berechtigung);
        QFETCH(QString, objekt);
        QFETCH(bool, schreiben);
        QFETCH(bool, erwartet);
        if (!berechtigung.isEmpty())
            erlaube(berechtigung);
        const auto o = this->objekt(objekt);
        const QString typ = objekt.section(QLatin1Char(' '), 0, 0);
        auto ctx = anmelden(QStringLiteral("anna"), QStringLiteral("pw-anna"));
        BerechtigungsPruefer &pruefer = *ctx->berechtigungsPruefer();
        QCOMPARE(schreiben ? pruefer.darfSchreiben(typ, *o) : pruefer.darfLesen(typ, *o), erwartet);
        // Root and the mode KEINE are never refused.
        QVERIFY(m_ctx->mayWrite(*m_ctx->dataModel().entity(typ), *o));
        run("UPDATE GlobaleEinstellung SET codeValue = " +
            id(code(*m_ctx, QStringLiteral("DatenBerechtigungsModus"), QStringLiteral("KEINE"))));
        QVERIFY(anmelden(QStringLiteral("anna"), QStringLiteral("pw-anna"))
                    ->mayWrite(*m_ctx->dataModel().entity(typ), *o));
    }

    // The controllers: searches drop what may not be read, forbidden writes are refused, and
    // a rebuilt checker sees changed permissions.
    void controller()
    {
        erlaube(QStringLiteral("Land LANDESVERBAND LESEN Verein"));
        erlaube(QStringLiteral("Ort VEREIN LESEN_UND_SCHREIBEN Verein"));
        auto ctx = anmelden(QStringLiteral("anna"), QStringLiteral("pw-anna"));
        QStringList namen;
        for (const auto &verein : VereinController().select(*ctx, {}))
            namen << verein->getName();
        namen.sort();
        QCOMPARE(namen, QStringList({QStringLiteral("Land"), QStringLiteral("Ort")}));
        auto land = VereinController().readById(*m_ctx, m_vereine.value(QStringLiteral("Land")));
        auto ort = VereinController().readById(*ctx, m_vereine.value(QStringLiteral("Ort")));
        VereinController().insertOrUpdate(*ctx, *ort);
        try {
            VereinController().insertOrUpdate(*ctx, *land);
            QFAIL("written");
        } catch (const NoSuchPrivilegeException &e) {
            QCOMPARE(e.shortText() + QStringLiteral(" / ") + e.longText(),
                     QStringLiteral("Keine Berechtigung. / Sie haben keine Berechtigung, dieses "
                                    "Objekt vom Typ Verein auf die Datenbank zu schreiben.  Bitte "
                                    "pruefen Sie Ihre Berechtigungen."));
        }
        run("DELETE FROM VereinsDatenBerechtigung");
        QVERIFY(VereinController().readById(*ctx, ort->getId()));
        ctx->reloadPermissions();
        QVERIFY(!VereinController().readById(*ctx, ort->getId()));

        // A permission without club stops the login.
        run("INSERT INTO VereinsDatenBerechtigung (benutzer) SELECT id FROM Benutzer WHERE "
            "benutzername = 'anna'");
        try {
            anmelden(QStringLiteral("anna"), QStringLiteral("pw-anna"));
            QFAIL("logged in");
        } catch (const PersistenceException &e) {
            QCOMPARE(e.shortText(), QStringLiteral("Fehlerhaftes Berechtigungsobjekt"));
        }
    }
};

KALVOR_REGISTER_TEST(BerechtigungsTest)

#include "tst_berechtigungen.moc"
