#pragma once

#include "Meldung.h"

#include <QString>

#include <optional>
#include <string>

class Benutzer;
class DatabaseContext;

// Users as database accounts: every user but root is the server account 'kdb_<name>'@'%',
// whose table privileges follow from the user's role. Statements run on the context's
// connection; names and passwords enter them only as literals escaped by the connection, and
// no password reaches a log, the console or an exception text.
class BenutzerHelper
{
public:
    enum class Rolle { Root, Standard, NurWeb, Nichts };
    // How a user is stored: a new one, a changed one, or only a new password.
    enum class Speichern { Neu, Bearbeiten, NurPasswort };

    static constexpr int kMaxNameLength = 12;

    explicit BenutzerHelper(DatabaseContext &ctx);

    static Rolle rolle(const Benutzer &benutzer);
    // The account of a user, as it is logged: "root" or "kdb_<name>".
    static QString account(const Benutzer &benutzer);

    // Applies the role: root gets its grants; everybody else loses all privileges first.
    void setPrivileges(const Benutzer &benutzer);
    void updatePrivilegesOnly(const Benutzer &benutzer);
    // Creates the account with the user's password (or sets the password of an existing
    // account); root's account and password are never touched. True when it created it.
    bool createOrUpdateDbUser(const Benutzer &benutzer, bool onlyPassword);
    // Deletes the user's data permissions, drops the account and deletes the row.
    void deleteDbUser(const Benutzer &benutzer);

    // The checks of storing a user, in order; the first failure (already logged under
    // "Fehlermeldung" where it has a log text). `passwort` and `wiederholung` are the two
    // entries; when equal and not empty the password becomes the user's `password`.
    std::optional<Meldung> pruefe(Benutzer &benutzer, const QString &passwort,
                                  const QString &wiederholung, Speichern art,
                                  const char *ort = "BenutzerBearbeitenDialog");

    // Stores a checked user: the account statements, then the row, so that the user can log
    // in as before if anything fails: an account created here is dropped again, a changed
    // password or changed privileges are restored. `password` is cleared before the row is
    // written unless `passwortInZeile` (the web account keeps its initial password).
    void speichere(Benutzer &benutzer, Speichern art, bool passwortInZeile = false);

    // The new password of a reset: the linked member's birth date (yyyyMMdd), else its
    // complete member number, else the user name.
    QString rueckgesetztesPasswort(const Benutzer &benutzer);

private:
    bool accountExists(const Benutzer &benutzer);
    QString passwordHash(const Benutzer &benutzer);
    std::string accountLiteral(const Benutzer &benutzer);
    std::string literal(const QString &text);
    // Runs a statement; `logged` (the text with every password replaced) goes to the query
    // log with `type` when given, and on a failure with the server's message.
    void execute(const std::string &sql, const QString &logged, const char *type,
                 const QString &password = QString());
    void grant(const char *table, int recht, const Benutzer &benutzer);
    void log(int level, const QString &text);

    DatabaseContext &m_ctx;
};
