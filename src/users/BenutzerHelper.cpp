#include "BenutzerHelper.h"

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "SqlWriter.h"
#include "Transaction.h"
#include "controllers/BenutzerController.h"
#include "controllers/MitgliedController.h"
#include "controllers/VereinsDatenBerechtigungController.h"

#include <mysql++/mysql++.h>

namespace {

const QString kOrt = QStringLiteral("BenutzerHelper");
const QString kErsetzt = QStringLiteral("password replaced");

enum Recht { Keine, Voll, Lesen, Einfuegen, EinfuegenAendern, LesenEinfuegen };

struct RechteZeile
{
    const char *tabelle;
    Recht standard, nurWeb, nichts, root;
};

// The grants of each role, in the order they are issued.
const RechteZeile kRechte[] = {
    {"Benutzer", Lesen, Lesen, Lesen, Voll},
    {"Bild", Voll, Voll, Keine, Voll},
    {"BildDaten", Voll, Voll, Keine, Voll},
    {"CodeType", Lesen, Lesen, Lesen, Voll},
    {"CodeValue", Lesen, Lesen, Lesen, Voll},
    {"DataModelInfo", Lesen, Lesen, Lesen, Voll},
    {"Durchgang", Voll, Keine, Keine, Voll},
    {"EinzelWertung", Voll, Keine, Keine, Voll},
    {"EventLog", Einfuegen, Einfuegen, Einfuegen, LesenEinfuegen},
    {"EventLogCategory", Lesen, Lesen, Lesen, Voll},
    {"EventLogSettings", Lesen, Lesen, Lesen, Voll},
    {"ExternerJuror", Voll, Keine, Keine, Voll},
    {"FotographischerTitel", Voll, Lesen, Keine, Voll},
    {"Funktionstraeger", Voll, Lesen, Keine, Voll},
    {"GlobaleEinstellung", Lesen, Lesen, Lesen, Voll},
    {"JuriertBei", Voll, Keine, Keine, Voll},
    {"Jurierung", Voll, Keine, Keine, Voll},
    {"SpartenJurierung", Voll, Keine, Keine, Voll},
    {"Mitglied", Voll, Voll, Keine, Voll},
    {"QueryLog", Einfuegen, Einfuegen, Einfuegen, LesenEinfuegen},
    {"QueryLogSettings", Lesen, Lesen, Lesen, Voll},
    {"Session", EinfuegenAendern, EinfuegenAendern, EinfuegenAendern, Voll},
    {"Sparte", Voll, Lesen, Keine, Voll},
    {"StatistikData", Voll, Lesen, Keine, Voll},
    {"TeilnehmerKombinationsWertung", Voll, Keine, Keine, Voll},
    {"TeilnehmerWertung", Voll, Keine, Keine, Voll},
    {"Verein", Voll, Lesen, Keine, Voll},
    {"VereinsDatenBerechtigung", Lesen, Lesen, Lesen, Voll},
    {"VereinsKombinationsWertung", Voll, Keine, Keine, Voll},
    {"VereinsWertung", Voll, Keine, Keine, Voll},
    {"Wertung", Voll, Keine, Keine, Voll},
    {"Wettbewerb", Voll, Lesen, Keine, Voll},
    {"WettbewerbsTeilnahme", Voll, Voll, Keine, Voll},
};

struct RechtText
{
    const char *privilegien;
    const char *log;
};

const RechtText kRechtTexte[] = {
    {"", ""},
    {"GRANT INSERT, UPDATE, SELECT, DELETE ON ", "==> Granting full table access for table "},
    {"GRANT SELECT ON ", "==> Granting read only table access for table "},
    {"GRANT INSERT ON ", "==> Granting insert only table access for table "},
    {"GRANT INSERT, UPDATE ON ", "==> Granting insert and update table access for table "},
    {"GRANT SELECT, INSERT ON ", "==> Granting read and insert table access for table "},
};

bool istRoot(const Benutzer &benutzer)
{
    return benutzer.hasBenutzername() && benutzer.getBenutzername() == QLatin1String("root");
}

QString passwortVon(const Benutzer &benutzer)
{
    return benutzer.hasPassword() ? benutzer.getPassword() : QStringLiteral("keines");
}

} // namespace

BenutzerHelper::BenutzerHelper(DatabaseContext &ctx) : m_ctx(ctx) {}

BenutzerHelper::Rolle BenutzerHelper::rolle(const Benutzer &benutzer)
{
    if (istRoot(benutzer))
        return Rolle::Root;
    if (benutzer.hasGuiBenutzer() && benutzer.getGuiBenutzer())
        return Rolle::Standard;
    if (benutzer.hasWebBenutzer() && benutzer.getWebBenutzer())
        return Rolle::NurWeb;
    return Rolle::Nichts;
}

QString BenutzerHelper::account(const Benutzer &benutzer)
{
    return DatabaseContext::accountName(benutzer.hasBenutzername() ? benutzer.getBenutzername()
                                                                   : QString());
}

void BenutzerHelper::log(int level, const QString &text)
{
    m_ctx.log(QStringLiteral("Benutzer"), kOrt, level, text);
}

std::string BenutzerHelper::literal(const QString &text)
{
    const std::string raw = text.toStdString();
    std::string escaped;
    m_ctx.connection().query().escape_string(&escaped, raw.data(), raw.size());
    return '\'' + escaped + '\'';
}

// Root's grants go to the administrator's own login; every other user is 'kdb_<name>'@'%'.
std::string BenutzerHelper::accountLiteral(const Benutzer &benutzer)
{
    if (istRoot(benutzer))
        return "CURRENT_USER";
    return literal(account(benutzer)) + "@'%'";
}

void BenutzerHelper::execute(const std::string &sql, const QString &logged, const char *type,
                             const QString &password)
{
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        query.exec(sql);
        if (type)
            m_ctx.logQuery(kOrt, int(query.affected_rows()), QString::fromLatin1(type), QString(),
                           logged, QStringLiteral("mysql.user"), true);
    } catch (const mysqlpp::Exception &error) {
        QString message = QString::fromUtf8(error.what());
        if (!password.isEmpty()) {
            message.replace(password, kErsetzt);
            message.replace(QString::fromStdString(literal(password)), kErsetzt);
        }
        m_ctx.logQuery(kOrt, 0, QString::fromLatin1(type ? type : "GRANT"),
                       QStringLiteral("Database error: ") + message, logged,
                       QStringLiteral("mysql.user"), true);
        throw PersistenceException::databaseError(message);
    }
}

void BenutzerHelper::grant(const char *table, int recht, const Benutzer &benutzer)
{
    if (recht == Keine)
        return;
    const RechtText &text = kRechtTexte[recht];
    const std::string sql = std::string(text.privilegien) + DatabaseContext::kDatabaseName + "." +
                            table + " TO " + accountLiteral(benutzer);
    log(3, QString::fromLatin1(text.log) + QString::fromLatin1(table) + QStringLiteral(" to user ") +
               account(benutzer));
    execute(sql, QString::fromStdString(sql), nullptr);
}

void BenutzerHelper::setPrivileges(const Benutzer &benutzer)
{
    const Rolle r = rolle(benutzer);
    const QString konto = account(benutzer);
    if (r != Rolle::Root) {
        log(3, QStringLiteral("==> Revoking all privileges from user ") + konto);
        const std::string sql =
            "REVOKE ALL PRIVILEGES, GRANT OPTION FROM " + accountLiteral(benutzer);
        execute(sql, QString::fromStdString(sql), nullptr);
        log(5, r == Rolle::Standard ? QStringLiteral("Setting privileges for guiBenutzer...")
               : r == Rolle::NurWeb
                   ? QStringLiteral("Setting privileges for webBenutzer /!guiBenutzer...")
                   : QStringLiteral("Setting no privileges as neither gui nor webBenutzer..."));
    }
    static const char *const rahmen[] = {"Setting privileges for root...",
                                         "Setting privileges for standard user...",
                                         "Setting privileges for web only user...",
                                         "Setting privileges for nothing user..."};
    log(4, QString::fromLatin1(rahmen[int(r)]));
    for (const RechteZeile &zeile : kRechte) {
        const Recht recht = r == Rolle::Root       ? zeile.root
                            : r == Rolle::Standard ? zeile.standard
                            : r == Rolle::NurWeb   ? zeile.nurWeb
                                                   : zeile.nichts;
        grant(zeile.tabelle, recht, benutzer);
    }
    log(4, QStringLiteral("Setting privileges finished."));
}

void BenutzerHelper::updatePrivilegesOnly(const Benutzer &benutzer)
{
    const QString text = QStringLiteral("Updating only privileges of db user with name ") +
                         account(benutzer);
    log(7, text);
    setPrivileges(benutzer);
    execute("FLUSH PRIVILEGES", QString(), nullptr);
    log(7, text + QStringLiteral(" done."));
}

bool BenutzerHelper::accountExists(const Benutzer &benutzer)
{
    // Only the account of every host ('%') is ours; accounts of single hosts are others'.
    const std::string sql = "SELECT user from mysql.user WHERE user = " + literal(account(benutzer)) +
                            " AND host = '%'";
    try {
        mysqlpp::Query query = m_ctx.connection().query();
        const mysqlpp::StoreQueryResult result = query.store(sql.data(), sql.size());
        m_ctx.logQuery(kOrt, int(result.num_rows()), QStringLiteral("USER"), QString(),
                       QString::fromStdString(sql), QStringLiteral("mysql.user"), true);
        return result.num_rows() > 0;
    } catch (const mysqlpp::Exception &error) {
        m_ctx.logQuery(kOrt, 0, QStringLiteral("USER"),
                       QStringLiteral("Database error: ") + QString::fromUtf8(error.what()),
                       QString::fromStdString(sql), QStringLiteral("mysql.user"), true);
        throw PersistenceException::databaseError(QString::fromUtf8(error.what()));
    }
}

QString BenutzerHelper::passwordHash(const Benutzer &benutzer)
{
    const std::string sql = "SELECT authentication_string FROM mysql.user WHERE user = " +
                            literal(account(benutzer)) + " AND host = '%'";
    mysqlpp::Query query = m_ctx.connection().query();
    const mysqlpp::StoreQueryResult result = query.store(sql.data(), sql.size());
    return result.num_rows() == 1 ? QString::fromStdString(std::string(result[0][0].c_str()))
                                  : QString();
}

bool BenutzerHelper::createOrUpdateDbUser(const Benutzer &benutzer, bool onlyPassword)
{
    const QString konto = account(benutzer);
    const QString password = passwortVon(benutzer);
    log(7, QStringLiteral("Updating db user with name ") + konto + QLatin1Char(' ') +
               (benutzer.hasPassword() ? QStringLiteral("(password given)")
                                       : QStringLiteral("(no password given)")));
    const bool exists = onlyPassword || accountExists(benutzer);
    log(4, QStringLiteral("User currently is ") +
               (exists ? QString() : QStringLiteral(" not ")) +
               QStringLiteral(" in database, found ") +
               QString::number(onlyPassword ? -1 : int(exists)) + QStringLiteral(" entries. ") +
               QStringLiteral("Setting onlyPassword is ") +
               (onlyPassword ? QStringLiteral("true") : QStringLiteral("false")));
    if (istRoot(benutzer))
        return false;
    if (exists) {
        const std::string head = "SET PASSWORD FOR " + accountLiteral(benutzer) + " = PASSWORD(";
        execute(head + literal(password) + ");",
                QString::fromStdString(head) + QLatin1Char('\'') + kErsetzt + QStringLiteral("');"),
                "USER", password);
        log(4, QStringLiteral("User ") + konto +
                   QStringLiteral(" was already in database, we have set his password."));
        return false;
    }
    const std::string head = "CREATE USER " + accountLiteral(benutzer) + " IDENTIFIED BY ";
    execute(head + literal(password),
            QString::fromStdString(head) + QLatin1Char('\'') + kErsetzt + QLatin1Char('\''),
            "USER", password);
    log(4, QStringLiteral("Created db user ") + konto + QStringLiteral(", will now set privileges..."));
    try {
        setPrivileges(benutzer);
        execute("FLUSH PRIVILEGES", QString(), nullptr);
    } catch (...) {
        // An account without its privileges is of no use: it goes again.
        execute("DROP USER IF EXISTS " + accountLiteral(benutzer), QString(), nullptr);
        throw;
    }
    return true;
}

void BenutzerHelper::deleteDbUser(const Benutzer &benutzer)
{
    auto berechtigungen = VereinsDatenBerechtigungController().select(
        m_ctx, {{QStringLiteral("benutzer"), benutzer.hasId() ? benutzer.getId() : -1}});
    {
        // Rows first, in one transaction; should the account then not go, they come back.
        Transaction transaction(m_ctx);
        VereinsDatenBerechtigungController().removeAll(m_ctx, berechtigungen);
        if (benutzer.hasId())
            BenutzerController().remove(m_ctx, benutzer);
        transaction.commit();
    }
    try {
        const std::string sql = "DROP USER IF EXISTS " + accountLiteral(benutzer) + ";";
        execute(sql, QString::fromStdString(sql), "USER");
    } catch (...) {
        std::unique_ptr<Benutzer> zurueck(benutzer.clone());
        zurueck->setIdNull();
        BenutzerController().insertOrUpdate(m_ctx, *zurueck);
        for (auto &berechtigung : berechtigungen) {
            berechtigung->setIdNull();
            berechtigung->setBenutzer(zurueck->getId());
            VereinsDatenBerechtigungController().insertOrUpdate(m_ctx, *berechtigung);
        }
        throw;
    }
    log(7, QStringLiteral("Deleted user kdb_") +
               (benutzer.hasBenutzername() ? benutzer.getBenutzername()
                                           : QStringLiteral("(ohne Benutzername)")) +
               QStringLiteral(" from database."));
    execute("FLUSH PRIVILEGES", QString(), nullptr);
}

std::optional<Meldung> BenutzerHelper::pruefe(Benutzer &benutzer, const QString &passwort,
                                              const QString &wiederholung, Speichern art,
                                              const char *ort)
{
    const auto melde = [this, ort](const QString &log, const QString &titel, const QString &text) {
        if (!log.isEmpty())
            m_ctx.log(QStringLiteral("Fehlermeldung"), QString::fromLatin1(ort), 7, log);
        return Meldung{titel, text, log};
    };
    const QString name = benutzer.hasBenutzername() ? benutzer.getBenutzername() : QString();
    if (name.isEmpty())
        return melde(QStringLiteral("Kein Benutzername angegeben."),
                     QStringLiteral("Kein Benutzername angegeben"),
                     QStringLiteral("Das Feld Benutzername wurde nicht ausgefuellt.  Es wird aber "
                                    "benoetigt."));
    if (name.size() > kMaxNameLength)
        return melde(QStringLiteral("Benutzername zu lang"), QStringLiteral("Benutzername zu lang"),
                     QStringLiteral("Der Benutzername darf hoechstens 12 Zeichen lang sein."));
    if (!passwort.isEmpty() || !wiederholung.isEmpty()) {
        if (passwort != wiederholung)
            return melde(QStringLiteral("Passworteingaben stimmen nicht ueberein."),
                         QStringLiteral("Passworteingaben stimmen nicht ueberein."),
                         QStringLiteral("Die beiden Eingaben des Passworts stimmen nicht "
                                        "ueberein. "));
        benutzer.setPassword(passwort);
    } else if (art == Speichern::Neu) {
        return melde(QString(), QStringLiteral("Passworteingaben leer"),
                     QStringLiteral("Benutzer können nicht ohne Passwort angelegt werden."));
    } else if (art == Speichern::Bearbeiten && !istRoot(benutzer) && !accountExists(benutzer)) {
        // A user read in by an import has a row but no account yet (files carry no passwords):
        // the account is made with the password given here.
        return melde(QStringLiteral("Kein Datenbankkonto vorhanden"),
                     QStringLiteral("Kein Datenbankkonto vorhanden"),
                     QStringLiteral("Zum Benutzer %1 gibt es noch kein Datenbankkonto, zum Beispiel "
                                    "weil er importiert wurde.  Bitte geben Sie ein Passwort an; "
                                    "damit wird das Konto angelegt.")
                         .arg(name));
    }
    const auto gleichnamige =
        BenutzerController().select(m_ctx, {{QStringLiteral("benutzername"), name}});
    const bool nurSelbst = gleichnamige.size() == 1 && benutzer.hasId() &&
                           gleichnamige.front()->getId() == benutzer.getId();
    if (!gleichnamige.empty() && (art == Speichern::Neu || !nurSelbst))
        return melde(QStringLiteral("Benutzername schon vergeben"),
                     QStringLiteral("Benutzername schon vergeben"),
                     QStringLiteral("Es gibt schon einen Benutzer mit dem angegebenen Namen.  "
                                    "Bitte waehlen Sie einen anderen Benutzernamen."));
    return std::nullopt;
}

void BenutzerHelper::speichere(Benutzer &benutzer, Speichern art, bool passwortInZeile)
{
    const bool mitPasswort = benutzer.hasPassword() && !benutzer.getPassword().isEmpty();
    if (art == Speichern::NurPasswort) {
        if (mitPasswort)
            createOrUpdateDbUser(benutzer, true);
        benutzer.setPasswordNull();
        return;
    }
    // What undoes the account statements should the row not be written.
    std::unique_ptr<Benutzer> vorher;
    if (benutzer.hasId())
        vorher = BenutzerController().readById(m_ctx, benutzer.getId());
    const QString alterHash = mitPasswort && !istRoot(benutzer) ? passwordHash(benutzer) : QString();
    bool angelegt = false;
    if (mitPasswort)
        angelegt = createOrUpdateDbUser(benutzer, false);
    else
        updatePrivilegesOnly(benutzer);
    try {
        if (!passwortInZeile)
            benutzer.setPasswordNull();
        BenutzerController().insertOrUpdate(m_ctx, benutzer);
    } catch (...) {
        if (angelegt)
            execute("DROP USER IF EXISTS " + accountLiteral(benutzer), QString(), nullptr);
        else if (!alterHash.isEmpty())
            execute("SET PASSWORD FOR " + accountLiteral(benutzer) + " = " + literal(alterHash),
                    QStringLiteral("SET PASSWORD FOR ") + account(benutzer) + QStringLiteral(" = '") +
                        kErsetzt + QLatin1Char('\''),
                    nullptr);
        else if (!mitPasswort && vorher)
            setPrivileges(*vorher);
        throw;
    }
}

QString BenutzerHelper::rueckgesetztesPasswort(const Benutzer &benutzer)
{
    if (benutzer.hasMitglied()) {
        const auto mitglied = MitgliedController().readById(m_ctx, benutzer.getMitglied());
        if (mitglied && mitglied->hasDatumGeburt())
            return mitglied->getDatumGeburt().toString(QStringLiteral("yyyyMMdd"));
        if (mitglied && mitglied->hasMitgliedsNummerKomplett() &&
            !mitglied->getMitgliedsNummerKomplett().isEmpty())
            return mitglied->getMitgliedsNummerKomplett();
    }
    return benutzer.hasBenutzername() ? benutzer.getBenutzername() : QString();
}
