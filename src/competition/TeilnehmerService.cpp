#include "TeilnehmerService.h"

#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "Transaction.h"
#include "controllers/BildController.h"
#include "controllers/MitgliedController.h"
#include "controllers/SparteController.h"
#include "controllers/TeilnehmerKombinationsWertungController.h"
#include "controllers/TeilnehmerWertungController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "joins/TeilnehmerErgebnisJoinController.h"
#include "joins/WettbewerbsTeilnahmeJoinController.h"

#include <QMap>
#include <QPair>

#include <algorithm>

using Fehlermeldung::melde;
using Fehlermeldung::text;

namespace {

constexpr const char *kOrt = "TeilnehmerListenWidget";

// First name and surname of the participating member; empty texts when missing.
QPair<QString, QString> namen(DatabaseContext &ctx, const WettbewerbsTeilnahme &teilnahme)
{
    if (!teilnahme.hasMitglied())
        return {};
    const auto mitglied = MitgliedController().readById(ctx, teilnahme.getMitglied(), true);
    if (!mitglied)
        return {};
    return {text(*mitglied, Mitglied::vornameRow), text(*mitglied, Mitglied::nachnameRow)};
}

} // namespace

std::optional<Meldung> TeilnehmerService::fuegeHinzu(DatabaseContext &ctx,
                                                     const Wettbewerb &wettbewerb,
                                                     const Mitglied &mitglied)
{
    WettbewerbsTeilnahmeController teilnahmen;
    if (!teilnahmen
             .select(ctx,
                     {{QStringLiteral("wettbewerb"), wettbewerb.getId()},
                      {QStringLiteral("mitglied"), mitglied.getId()}},
                     true, false)
             .empty())
        return melde(
            ctx, kOrt, QStringLiteral("Mitglied schon vorhanden"),
            QStringLiteral("Das Mitglied %1 %2 ist bereits dem Wettbewerb zugeordnet.")
                .arg(text(mitglied, Mitglied::vornameRow), text(mitglied, Mitglied::nachnameRow)));
    WettbewerbsTeilnahme teilnahme;
    teilnahme.setWettbewerb(wettbewerb.getId());
    teilnahme.setMitglied(mitglied.getId());
    teilnahmen.insertOrUpdate(ctx, teilnahme);
    return std::nullopt;
}

std::optional<Meldung> TeilnehmerService::entfernVerbot(DatabaseContext &ctx,
                                                        const WettbewerbsTeilnahme &teilnahme)
{
    if (BildController()
            .select(ctx, {{QStringLiteral("wettbewerbsTeilnahme"), teilnahme.getId()}}, true, false)
            .empty())
        return std::nullopt;
    const auto [vorname, nachname] = namen(ctx, teilnahme);
    return melde(ctx, kOrt, QStringLiteral("Entfernen nicht moeglich"),
                 QStringLiteral("Das Mitglied %1 %2 ist mit mindestens einem Bild im Wettbewerb "
                                "vertreten. \n\nEs kann daher nicht entfernt werden.")
                     .arg(vorname, nachname));
}

Meldung TeilnehmerService::entfernFrage(DatabaseContext &ctx, const WettbewerbsTeilnahme &teilnahme)
{
    const auto [vorname, nachname] = namen(ctx, teilnahme);
    const QString titel = QStringLiteral("Mitglied wirklich entfernen?");
    return Meldung{titel,
                   QStringLiteral("Wollen Sie das Mitglied %1 %2 wirklich aus dem Wettbewerb "
                                  "entfernen?")
                       .arg(vorname, nachname),
                   titel};
}

void TeilnehmerService::entferne(DatabaseContext &ctx, const WettbewerbsTeilnahme &teilnahme)
{
    const QMap<QString, QVariant> vonTeilnahme = {
        {QStringLiteral("wettbewerbsTeilnahme"), teilnahme.getId()}};
    Transaction transaction(ctx);
    TeilnehmerWertungController wertungen;
    wertungen.removeAll(ctx, wertungen.select(ctx, vonTeilnahme, true, false));
    TeilnehmerKombinationsWertungController kombinationen;
    kombinationen.removeAll(ctx, kombinationen.select(ctx, vonTeilnahme, true, false));
    WettbewerbsTeilnahmeController().remove(ctx, teilnahme);
    transaction.commit();
}

std::vector<TeilnehmerStatus> TeilnehmerService::statusListe(DatabaseContext &ctx,
                                                             const Wettbewerb &wettbewerb)
{
    WettbewerbsTeilnahmeJoinSearchModel suche;
    suche.setWettbewerbsTeilnahmeWettbewerb(wettbewerb.getId());
    auto teilnehmer = WettbewerbsTeilnahmeJoinController().search(ctx, suche);
    const auto schluessel = [](const WettbewerbsTeilnahmeJoinModel &zeile) {
        return std::make_tuple(
            text(zeile, WettbewerbsTeilnahmeJoinModel::mitgliedNachnameRow),
            text(zeile, WettbewerbsTeilnahmeJoinModel::mitgliedVornameRow),
            text(zeile, WettbewerbsTeilnahmeJoinModel::mitgliedMitgliedsNummerKomplettRow),
            zeile.getWettbewerbsTeilnahmeId());
    };
    std::sort(teilnehmer.begin(), teilnehmer.end(),
              [&](const auto &a, const auto &b) { return schluessel(*a) < schluessel(*b); });

    auto sparten = SparteController().select(
        ctx, {{QStringLiteral("wettbewerb"), wettbewerb.getId()}}, true, false);
    std::sort(sparten.begin(), sparten.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });

    // Images per (participation, category).
    TeilnehmerErgebnisJoinSearchModel bildSuche;
    bildSuche.setTeilnahmeWettbewerb(wettbewerb.getId());
    QMap<QPair<qlonglong, qlonglong>, int> anzahl;
    for (const auto &bild : TeilnehmerErgebnisJoinController().search(ctx, bildSuche)) {
        if (bild->hasTeilnahmeId() && bild->hasBildSparte())
            ++anzahl[qMakePair(bild->getTeilnahmeId(), bild->getBildSparte())];
    }

    std::vector<TeilnehmerStatus> liste;
    for (const auto &zeile : teilnehmer) {
        for (const auto &sparte : sparten) {
            const qlonglong teilnahme = zeile->getWettbewerbsTeilnahmeId();
            liste.push_back(TeilnehmerStatus{
                teilnahme, sparte->getId(),
                text(*zeile, WettbewerbsTeilnahmeJoinModel::mitgliedVornameRow),
                text(*zeile, WettbewerbsTeilnahmeJoinModel::mitgliedNachnameRow),
                text(*zeile, WettbewerbsTeilnahmeJoinModel::mitgliedMitgliedsNummerKomplettRow),
                text(*sparte, Sparte::nameRow),
                anzahl.value(qMakePair(teilnahme, sparte->getId()))});
        }
    }
    return liste;
}
