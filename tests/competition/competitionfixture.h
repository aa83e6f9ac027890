#pragma once

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "SparteService.h"
#include "TestDatabase.h"
#include "WettbewerbService.h"
#include "controllers/EventLogController.h"
#include "controllers/EventLogSettingsController.h"
#include "controllers/JurierungController.h"
#include "controllers/SparteController.h"
#include "controllers/VereinController.h"
#include "controllers/WettbewerbController.h"

#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

// Shared set-up of the competition tests: a fresh database per test, a stored competition
// with its jury, code ids, a log kept in the database, and broken tables.
namespace CompetitionFixture {

inline qlonglong code(DatabaseContext &ctx, const char *type, const char *value)
{
    return ctx.codeManager().idOf(QString::fromLatin1(type), QString::fromLatin1(value));
}

// A stored competition of a new club, in "ANGELEGT", with a jury of two rounds unless
// `zweiDurchgaenge` is false (then the jury has no number of rounds).
struct Wettbewerbsdaten
{
    std::unique_ptr<Wettbewerb> wettbewerb;
    std::unique_ptr<Jurierung> jurierung;
};

inline Wettbewerbsdaten legeWettbewerbAn(DatabaseContext &ctx, const QString &nummer = "W1",
                                         bool zweiDurchgaenge = true)
{
    Verein verein;
    verein.setName(QStringLiteral("Fotoklub"));
    VereinController().insertOrUpdate(ctx, verein);
    Wettbewerbsdaten daten{WettbewerbService::neuerWettbewerb(ctx, verein.getId()),
                           WettbewerbService::neueJurierung(ctx)};
    daten.wettbewerb->setName(QStringLiteral("Landesfotoschau"));
    daten.wettbewerb->setNummer(nummer);
    if (zweiDurchgaenge)
        daten.jurierung->setAnzahlDurchgaenge(code(ctx, "DurchgangsAnzahl", "ZWEI"));
    WettbewerbService::legeAn(ctx, *daten.wettbewerb, *daten.jurierung);
    return daten;
}

// Stores a new category of the competition, with its rounds.
inline std::unique_ptr<Sparte> legeSparteAn(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                            const char *name, const char *abkuerzung = nullptr)
{
    auto sparte = SparteService::neueSparte(ctx, wettbewerb);
    sparte->setName(QString::fromLatin1(name));
    if (abkuerzung)
        sparte->setAbkuerzung(QString::fromLatin1(abkuerzung));
    SparteService::speichere(ctx, *sparte);
    return sparte;
}

// Data rows whose columns are all texts: the row's name, then one text per column.
inline void zeilen(std::initializer_list<std::initializer_list<const char *>> tabelle)
{
    for (const auto &zeile : tabelle) {
        auto it = zeile.begin();
        QTestData &daten = QTest::newRow(*it);
        while (++it != zeile.end())
            daten << QString::fromUtf8(*it);
    }
}

// From now on every log call of the context is stored in EventLog.
inline void logInDatenbank(DatabaseContext &ctx)
{
    TestDatabase::run("DELETE FROM EventLogSettings");
    EventLogSettings regel;
    regel.setToDB(true);
    regel.setToStdOut(false);
    EventLogSettingsController().insertOrUpdate(ctx, regel);
    ctx.reloadEventLogConfiguration();
}

// The texts logged at a location, oldest first.
inline QStringList geloggt(DatabaseContext &ctx, const char *location)
{
    auto eintraege = EventLogController().select(
        ctx, {{QStringLiteral("location"), QString::fromLatin1(location)}}, true, false);
    std::sort(eintraege.begin(), eintraege.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
    QStringList texte;
    for (const auto &zeile : eintraege)
        texte.append(zeile->getText());
    return texte;
}

// Makes every statement of the kind ("INSERT", "UPDATE", "DELETE") on the table fail.
inline void stoere(const char *table, const char *event)
{
    TestDatabase::run(std::string("CREATE TRIGGER stoerung_") + table + "_" + event + " BEFORE " +
                      event + " ON " + table +
                      " FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'gestoert'");
}

inline int anzahl(const char *table, const std::string &where = "1")
{
    return std::stoi(
        TestDatabase::scalar(std::string("SELECT COUNT(*) FROM ") + table + " WHERE " + where));
}

} // namespace CompetitionFixture
