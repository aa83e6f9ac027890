#pragma once

// Fixtures of the user tests: users stored through the service, logins as them through the
// program's own connection code, and what the server then allows.

#include "BenutzerHelper.h"
#include "clubfixtures.h"
#include "controllers/BenutzerController.h"
#include "entities/Benutzer.h"

namespace userfixtures {

using namespace clubfixtures;

inline std::unique_ptr<Benutzer> neuerBenutzer(DatabaseContext &ctx, const QString &name,
                                               const QString &passwort, bool gui, bool web)
{
    auto benutzer = std::make_unique<Benutzer>();
    benutzer->setBenutzername(name);
    benutzer->setGuiBenutzer(gui);
    benutzer->setWebBenutzer(web);
    benutzer->setPassword(passwort);
    BenutzerHelper(ctx).speichere(*benutzer, BenutzerHelper::Speichern::Neu);
    return benutzer;
}

inline std::unique_ptr<DatabaseContext> anmelden(const QString &name, const QString &passwort)
{
    return TestDatabase::openContext(nullptr, name.toStdString(), passwort.toStdString());
}

// Whether the logged-in account may run the statement.
inline bool erlaubt(DatabaseContext &ctx, const std::string &sql)
{
    try {
        mysqlpp::Query query = ctx.connection().query();
        query.exec(sql);
        return true;
    } catch (const mysqlpp::Exception &) {
        return false;
    }
}

inline int konten(const QString &account)
{
    auto admin = TestDatabase::connectAsAdmin();
    mysqlpp::Query query = admin->query();
    query << "SELECT COUNT(*) FROM mysql.user WHERE user = " << mysqlpp::quote
          << account.toStdString() << " AND host = '%'";
    return QString::fromStdString(std::string(query.store()[0][0].c_str())).toInt();
}

inline int alleKonten()
{
    return QString::fromStdString(TestDatabase::scalar("SELECT COUNT(*) FROM mysql.user")).toInt();
}

} // namespace userfixtures

namespace userfixtures {

// Accounts survive a reinstall of "kdb": every test starts without program accounts.
inline void entferneKonten()
{
    auto admin = TestDatabase::connectAsAdmin();
    mysqlpp::Query list = admin->query(
        "SELECT user, host FROM mysql.user WHERE user LIKE 'kdb\\_%'");
    for (const mysqlpp::Row &row : list.store()) {
        mysqlpp::Query drop = admin->query();
        drop << "DROP USER " << mysqlpp::quote << std::string(row[0].c_str()) << "@"
             << mysqlpp::quote << std::string(row[1].c_str());
        drop.execute();
    }
}

// The database test fixture, without program accounts.
class BenutzerTest : public DatenbankTest
{
    Q_OBJECT
protected:
    void legeAn() override { entferneKonten(); }
};

} // namespace userfixtures
