#include "SparteService.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "Fehlermeldung.h"
#include "JurorService.h"
#include "RecordSnapshot.h"
#include "Transaction.h"
#include "WettbewerbService.h"
#include "WettbewerbsStatus.h"
#include "controllers/BildController.h"
#include "controllers/DurchgangController.h"
#include "controllers/JuriertBeiController.h"
#include "controllers/JurierungController.h"
#include "controllers/SparteController.h"
#include "controllers/SpartenJurierungController.h"

using Fehlermeldung::melde;
using Fehlermeldung::text;

namespace {

constexpr const char *kSparteDialog = "SparteBearbeitenDialog";
constexpr const char *kSpartenListe = "WettbewerbSpartenWidget";

// One second round of a group: its art, position, rank range and ratings.
struct ZweiterDurchgang
{
    const char *art;
    int position;
    double minRang;
    double maxRang;
    int minBewertung;
    int maxBewertung;
};

const ZweiterDurchgang kZweiteDurchgaenge[] = {
    {"ZWEITER_DURCHGANG_SCHLECHTE", 2, 0.0, 33.3, 1, 5},
    {"ZWEITER_DURCHGANG_MITTLERE", 3, 33.3, 66.6, 4, 8},
    {"ZWEITER_DURCHGANG_BESTE", 4, 66.6, 100.0, 6, 10},
};

std::unique_ptr<Durchgang> durchgang(DatabaseContext &ctx, const Sparte &sparte,
                                     const Jurierung &jurierung, bool jugend, const char *art)
{
    CodeManager &codes = ctx.codeManager();
    auto runde = std::make_unique<Durchgang>();
    runde->setJurierung(jurierung.getId());
    runde->setSparte(sparte.getId());
    runde->setJugend(codes.idOf(QStringLiteral("Jugend"),
                                jugend ? QStringLiteral("Ja") : QStringLiteral("Nein")));
    runde->setArt(codes.idOf(QStringLiteral("DurchgangsArt"), QString::fromLatin1(art)));
    runde->setStatus(codes.idOf(QStringLiteral("DurchgangsStatus"), QStringLiteral("ANGELEGT")));
    runde->setSortierModus(
        codes.idOf(QStringLiteral("SpartenSortierModus"), QStringLiteral("ZUFAELLIG")));
    runde->setReihenfolgeGeneriert(false);
    return runde;
}

// Inserts the rounds of a newly inserted category.
void legeDurchgaengeAn(DatabaseContext &ctx, const Sparte &sparte, const Jurierung &jurierung)
{
    ctx.log(QStringLiteral("Debug"), QStringLiteral("WertungsFactory.cpp"), 6,
            QStringLiteral("Lege Durchgänge an."));
    CodeManager &codes = ctx.codeManager();
    const auto modus = [&](const char *name) {
        return sparte.hasDurchgangsModus() &&
               codes.isCodeValue(sparte.getDurchgangsModus(), QStringLiteral("DurchgangsModus"),
                                 QString::fromLatin1(name));
    };
    std::vector<bool> gruppen; // true: youth; youth first
    if (modus("NUR_JUGEND") || modus("ERWACHSENE_UND_JUGEND"))
        gruppen.push_back(true);
    if (modus("NUR_ERWACHSENE") || modus("ERWACHSENE_UND_JUGEND") || modus("JUGEND_ALS_ERWACHSENE"))
        gruppen.push_back(false);

    DurchgangController durchgaenge;
    std::vector<qlonglong> ersteDurchgaenge;
    for (const bool jugend : gruppen) {
        const auto erster = durchgang(ctx, sparte, jurierung, jugend, "ERSTER_DURCHGANG");
        erster->setPositionInDerJurierung(1);
        erster->setMinBewertung(1);
        erster->setMaxBewertung(10);
        durchgaenge.insertOrUpdate(ctx, *erster);
        ersteDurchgaenge.push_back(erster->getId());
    }
    if (!jurierung.hasAnzahlDurchgaenge() ||
        !codes.isCodeValue(jurierung.getAnzahlDurchgaenge(), QStringLiteral("DurchgangsAnzahl"),
                           QStringLiteral("ZWEI")))
        return;
    for (const ZweiterDurchgang &zweiter : kZweiteDurchgaenge) {
        for (size_t gruppe = 0; gruppe < gruppen.size(); ++gruppe) {
            const auto runde = durchgang(ctx, sparte, jurierung, gruppen[gruppe], zweiter.art);
            runde->setPositionInDerJurierung(zweiter.position);
            runde->setMinRang(zweiter.minRang);
            runde->setMaxRang(zweiter.maxRang);
            runde->setMinBewertung(zweiter.minBewertung);
            runde->setMaxBewertung(zweiter.maxBewertung);
            runde->setReferenzDurchgang(ersteDurchgaenge[gruppe]);
            durchgaenge.insertOrUpdate(ctx, *runde);
        }
    }
}

} // namespace

std::unique_ptr<Sparte> SparteService::neueSparte(DatabaseContext &ctx,
                                                  const Wettbewerb &wettbewerb)
{
    auto sparte = std::make_unique<Sparte>();
    sparte->setWettbewerb(wettbewerb.getId());
    sparte->setDurchgangsModus(ctx.codeManager().idOf(QStringLiteral("DurchgangsModus"),
                                                      QStringLiteral("ERWACHSENE_UND_JUGEND")));
    sparte->setInKombinationVerwendet(false);
    return sparte;
}

std::optional<Meldung> SparteService::pruefe(DatabaseContext &ctx, const Sparte &sparte)
{
    const QString name = text(sparte, Sparte::nameRow);
    if (name.isEmpty())
        return melde(ctx, kSparteDialog, QStringLiteral("Kein Spartenname eingegeben"),
                     QStringLiteral("Das Feld Name wurde nicht ausgefuellt.  Es wird aber "
                                    "benoetigt."));
    if (!sparte.hasDurchgangsModus())
        return melde(ctx, kSparteDialog, QStringLiteral("Durchgangsmodus nicht angegeben"),
                     QStringLiteral("Im Feld Durchgaenge anlegen fuer wurde keine der "
                                    "Moeglichkeiten angegeben.  Bitte waehlen Sie eine davon "
                                    "aus."),
                     QStringLiteral("Kein DurchgangsModus angegeben"));
    const auto gleich = SparteController().select(
        ctx,
        {{QStringLiteral("wettbewerb"), sparte.rawValueAt(Sparte::wettbewerbRow)},
         {QStringLiteral("name"), name}},
        true, false);
    for (const auto &andere : gleich) {
        if (!sparte.hasId() || andere->getId() != sparte.getId())
            return melde(ctx, kSparteDialog, QStringLiteral("Name schon vergeben"),
                         QStringLiteral("Es gibt schon eine Sparte mit diesem Namen in diesem "
                                        "Wettbewerb.  Bitte waehlen Sie einen anderen Namen."),
                         QStringLiteral("Sparten-Name schon vergeben"));
    }
    Fehlermeldung::erfolg(ctx, kSparteDialog,
                          QStringLiteral("==> Pruefung erfolgreich, sparteSchonInDB = ") +
                              (sparte.hasId() ? QLatin1Char('1') : QLatin1Char('0')));
    return std::nullopt;
}

void SparteService::speichere(DatabaseContext &ctx, Sparte &sparte)
{
    const bool neu = !sparte.hasId();
    std::unique_ptr<Jurierung> jurierung;
    if (neu) {
        Wettbewerb wettbewerb;
        wettbewerb.setValueAt(Wettbewerb::idRow, sparte.rawValueAt(Sparte::wettbewerbRow));
        jurierung = WettbewerbService::jurierung(ctx, wettbewerb);
    }
    RecordSnapshot snapshot;
    snapshot.take(sparte);
    try {
        Transaction transaction(ctx);
        SparteController().insertOrUpdate(ctx, sparte);
        if (neu)
            legeDurchgaengeAn(ctx, sparte, *jurierung);
        else
            JurorService::aktualisiereSpartenStrings(ctx, sparte.getId());
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
}

std::optional<Meldung> SparteService::loeschVerbot(DatabaseContext &ctx,
                                                   const Wettbewerb &wettbewerb,
                                                   const Sparte &sparte)
{
    const QString titel = QStringLiteral("Loeschen nicht moeglich");
    if (!WettbewerbsStatus::erlaubt(WettbewerbsStatus::stufe(ctx, wettbewerb),
                                    WettbewerbsStatus::Operation::SpartenAendern))
        return melde(ctx, kSpartenListe, titel,
                     QStringLiteral("Sparten koennen nur geloescht werden, solange der "
                                    "Wettbewerb im Status Angelegt ist."));
    if (!BildController()
             .select(ctx, {{QStringLiteral("sparte"), sparte.getId()}}, true, false)
             .empty())
        return melde(ctx, kSpartenListe, titel,
                     QStringLiteral("In der Sparte %1 sind bereits Bilder erfasst.  Sie kann "
                                    "daher nicht geloescht werden.")
                         .arg(text(sparte, Sparte::nameRow)));
    return std::nullopt;
}

Meldung SparteService::loeschFrage(const Sparte &sparte)
{
    const QString titel = QStringLiteral("Sparte wirklich loeschen?");
    return Meldung{titel,
                   QStringLiteral("Wollen Sie die Sparte %1 mit ihren Durchgaengen wirklich "
                                  "loeschen?")
                       .arg(text(sparte, Sparte::nameRow)),
                   titel};
}

void SparteService::loesche(DatabaseContext &ctx, const Sparte &sparte)
{
    const QMap<QString, QVariant> vonSparte = {{QStringLiteral("sparte"), sparte.getId()}};
    Transaction transaction(ctx);
    DurchgangController durchgaenge;
    durchgaenge.removeAll(ctx, durchgaenge.select(ctx, vonSparte, true, false));
    SpartenJurierungController zuordnungen;
    const auto betroffen = zuordnungen.select(ctx, vonSparte, true, false);
    zuordnungen.removeAll(ctx, betroffen);
    JuriertBeiController sitze;
    for (const auto &zuordnung : betroffen) {
        if (!zuordnung->hasJuriertBei())
            continue;
        if (const auto juror = sitze.readById(ctx, zuordnung->getJuriertBei(), true)) {
            juror->setSpartenString(JurorService::spartenString(ctx, *juror));
            sitze.insertOrUpdate(ctx, *juror);
        }
    }
    SparteController().remove(ctx, sparte);
    transaction.commit();
}
