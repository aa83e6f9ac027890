#pragma once

#include <QHash>
#include <QSet>
#include <QMultiMap>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

class DatabaseContext;
class Mitglied;
class Persistent;
class Verein;
class VereinsDatenBerechtigung;
class Wettbewerb;

// The data permissions of the logged-in user: which clubs, members and competitions he may
// read or write. A permission starts at one club and reaches down the club hierarchy as far as
// its extent allows; the check therefore searches upwards from the object's club.
class BerechtigungsPruefer
{
public:
    enum class Art { Lesen, LesenUndSchreiben };

    // Reads all permissions of the user with this id; a permission without club fails with
    // PersistenceException ("Fehlerhaftes Berechtigungsobjekt").
    BerechtigungsPruefer(DatabaseContext &ctx, qlonglong benutzerId);
    ~BerechtigungsPruefer();
    BerechtigungsPruefer(const BerechtigungsPruefer &) = delete;
    BerechtigungsPruefer &operator=(const BerechtigungsPruefer &) = delete;

    // One answer per object, in order. `typ` is "Verein", "Mitglied" or "Wettbewerb";
    // objects of other types pass.
    QVector<bool> pruefe(const QString &typ, Art art, const std::vector<const Persistent *> &objekte);
    bool darfLesen(const QString &typ, const Persistent &objekt);
    bool darfSchreiben(const QString &typ, const Persistent &objekt);

    int anzahlBerechtigungen() const { return int(m_berechtigungen.size()); }

private:
    using Cache = QHash<qlonglong, qlonglong>; // club id -> parent id (0: none)

    bool pruefeVerein(const Verein &verein, Art art, Cache &cache);
    bool pruefeMitglied(const Mitglied &mitglied, Art art, Cache &cache);
    bool pruefeWettbewerb(const Wettbewerb &wettbewerb, Art art, Cache &cache);
    // The search upwards from a club at a height; `mitglied` for the member-type rule.
    bool sucheNachOben(qlonglong vereinId, int hoehe, const QString &typ, Art art,
                       const Mitglied *mitglied, Cache &cache);
    bool passt(const VereinsDatenBerechtigung &berechtigung, int hoehe, const QString &typ, Art art,
               const Mitglied *mitglied) const;
    qlonglong elternVerein(qlonglong vereinId, Cache &cache);
    void log(int level, const QString &text);
    void logPruefung(bool nichtGeprueft, const QString &typ, Art art, size_t anzahl);

    DatabaseContext &m_ctx;
    std::vector<std::unique_ptr<VereinsDatenBerechtigung>> m_berechtigungen;
    QMultiMap<qlonglong, const VereinsDatenBerechtigung *> m_nachVerein;
};
