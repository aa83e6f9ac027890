#include "ErgebnisTabellen.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "Record.h"

QString ErgebnisTabelle::rangliste() const
{
    return Ranglisten::titel(art).remove(QLatin1Char('&'));
}

QString ErgebnisTabelle::altersklasse() const
{
    return jugend ? QStringLiteral("Jugend") : QStringLiteral("Erwachsene");
}

QString ErgebnisTabelle::titel() const
{
    return rangliste() + QStringLiteral(" – ") + altersklasse();
}

std::vector<ErgebnisTabelle> leseErgebnisTabellen(DatabaseContext &ctx,
                                                  const Wettbewerb &wettbewerb)
{
    std::vector<ErgebnisTabelle> tabellen;
    for (Rangliste art : Ranglisten::alle) {
        for (bool jugend : {false, true}) {
            ErgebnisTabelle tabelle{art, jugend, Ranglisten::spalten(art), {}};
            const qlonglong code = ctx.codeManager().idOf(
                QStringLiteral("Jugend"), jugend ? QStringLiteral("Ja") : QStringLiteral("Nein"));
            for (const auto &zeile : Ranglisten::lese(ctx, wettbewerb, art, code)) {
                QStringList zellen;
                for (int spalte = 0; spalte < int(tabelle.spalten.size()); ++spalte)
                    zellen << Ranglisten::zelle(art, *zeile, spalte);
                tabelle.zeilen.push_back(zellen);
            }
            tabellen.push_back(std::move(tabelle));
        }
    }
    return tabellen;
}
