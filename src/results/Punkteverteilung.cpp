#include "Punkteverteilung.h"

#include "Abfrage.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "SqlWriter.h"
#include "entities/Wettbewerb.h"

#include <numeric>

int Punkteverteilung::anzahlBilder() const
{
    return std::accumulate(bilderProPunkte.begin(), bilderProPunkte.end(), 0,
                           [](int summe, const auto &eintrag) { return summe + eintrag.second; });
}

std::vector<Punkteverteilung> leseVerteilungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb)
{
    CodeManager &codes = ctx.codeManager();
    const std::string ja = std::to_string(codes.idOf(QStringLiteral("Jugend"), QStringLiteral("Ja")));
    const qlonglong nurJugend =
        codes.idOf(QStringLiteral("DurchgangsModus"), QStringLiteral("NUR_JUGEND"));
    const qlonglong nurErwachsene =
        codes.idOf(QStringLiteral("DurchgangsModus"), QStringLiteral("NUR_ERWACHSENE"));
    const qlonglong alsErwachsene =
        codes.idOf(QStringLiteral("DurchgangsModus"), QStringLiteral("JUGEND_ALS_ERWACHSENE"));

    // Every category of the competition, also one without scored images (a row without total).
    SqlStatement statement;
    statement << "SELECT sparte.id, sparte.name, sparte.durchgangsModus, "
                 "sparte.annahmeGrenzeErwachsene, sparte.annahmeGrenzeJugend, "
                 "(mitglied.jugend <=> " << ja << " AND NOT (sparte.durchgangsModus <=> "
              << std::to_string(alsErwachsene) << ")) AS jugendlich, bild.bewertung, "
                 "COUNT(bild.id) FROM Sparte sparte "
                 "LEFT JOIN (Bild bild JOIN WettbewerbsTeilnahme teilnahme ON "
                 "bild.wettbewerbsTeilnahme = teilnahme.id JOIN Mitglied mitglied ON "
                 "teilnahme.mitglied = mitglied.id) ON bild.sparte = sparte.id AND "
                 "bild.gueltig = 1 AND bild.bewertung IS NOT NULL WHERE sparte.wettbewerb = "
              << std::to_string(wettbewerb.getId())
              << " GROUP BY sparte.id, jugendlich, bild.bewertung "
                 "ORDER BY sparte.id, jugendlich, bild.bewertung";
    const mysqlpp::StoreQueryResult zeilen =
        frageAb(ctx, "Punkteverteilung", statement,
                QStringLiteral("Sparte,Bild,WettbewerbsTeilnahme,Mitglied"));

    std::vector<Punkteverteilung> verteilungen;
    // The distribution of the category and age class; created in the order adults, youth.
    const auto verteilung = [&](const mysqlpp::Row &zeile, bool jugend) -> Punkteverteilung & {
        const qlonglong sparte = zeile[0];
        for (auto it = verteilungen.rbegin(); it != verteilungen.rend() && it->sparte == sparte;
             ++it)
            if (it->jugend == jugend)
                return *it;
        Punkteverteilung neu;
        neu.sparte = sparte;
        neu.sparteName = feldText(zeile, 1);
        neu.jugend = jugend;
        const int grenze = jugend ? 4 : 3;
        neu.annahmeGrenze = zeile[grenze].is_null() ? -1 : int(zeile[grenze]);
        auto stelle = verteilungen.end();
        if (!jugend && !verteilungen.empty() && verteilungen.back().sparte == sparte)
            --stelle; // the youth of this category came first: adults go before it
        return *verteilungen.insert(stelle, std::move(neu));
    };
    qlonglong vorige = 0;
    for (const mysqlpp::Row &zeile : zeilen) {
        const qlonglong sparte = zeile[0];
        if (sparte != vorige) {
            vorige = sparte;
            const qlonglong modus = zeile[2].is_null() ? 0 : qlonglong(zeile[2]);
            if (modus != nurJugend)
                verteilung(zeile, false);
            if (modus != nurErwachsene && modus != alsErwachsene)
                verteilung(zeile, true);
        }
        if (!zeile[6].is_null())
            verteilung(zeile, int(zeile[5]) != 0).bilderProPunkte[int(zeile[6])] += int(zeile[7]);
    }
    return verteilungen;
}
