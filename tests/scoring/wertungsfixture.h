#pragma once

// Shared set-up of the scoring tests: a competition with one category and its rounds,
// members taking part, images (with competition-local numbers, without pictures) and jurors.

#include "JurorService.h"
#include "WertungsHelper.h"
#include "bilderfixture.h"
#include "competitionfixture.h"
#include "controllers/BildController.h"
#include "controllers/BildDatenController.h"
#include "controllers/DurchgangController.h"
#include "controllers/JuriertBeiController.h"

namespace WertungsFixture {

using namespace CompetitionFixture;
using BilderFixture::teilnahmeVon;
using BilderFixture::teilnehmer;

struct Kategorie
{
    Wettbewerbsdaten daten;
    std::unique_ptr<Sparte> sparte;

    Wettbewerb &wettbewerb() { return *daten.wettbewerb; }
};

// A competition with the category "Natur" in the given durchgangsModus.
inline Kategorie legeKategorieAn(DatabaseContext &ctx, const char *modus = "ERWACHSENE_UND_JUGEND")
{
    Kategorie kategorie{legeWettbewerbAn(ctx), nullptr};
    kategorie.sparte = SparteService::neueSparte(ctx, kategorie.wettbewerb());
    kategorie.sparte->setName(QStringLiteral("Natur"));
    kategorie.sparte->setDurchgangsModus(code(ctx, "DurchgangsModus", modus));
    SparteService::speichere(ctx, *kategorie.sparte);
    return kategorie;
}

// The category's round of the kind, for youth or adults.
inline std::unique_ptr<Durchgang> durchgang(DatabaseContext &ctx, const Sparte &sparte,
                                            const char *art, bool jugend = false)
{
    for (auto &runde :
         DurchgangController().select(ctx, {{QStringLiteral("sparte"), sparte.getId()}})) {
        if (runde->getArt() == code(ctx, "DurchgangsArt", art) &&
            runde->getJugend() == code(ctx, "Jugend", jugend ? "Ja" : "Nein"))
            return std::move(runde);
    }
    return nullptr;
}

// The round as stored.
inline std::unique_ptr<Durchgang> neuGelesen(DatabaseContext &ctx, const Durchgang &runde)
{
    return DurchgangController().readById(ctx, runde.getId());
}

// An image of the member in the category titled `titel`, whose competition-local number is
// the title too; returns its id.
inline qlonglong bild(DatabaseContext &ctx, const Mitglied &mitglied, const Sparte &sparte,
                      const QString &titel, bool gueltig = true)
{
    BildDaten daten;
    daten.setNummer(titel);
    daten.setNummerProWettbewerb(titel);
    BildDatenController().insertOrUpdate(ctx, daten);
    Bild neu;
    neu.setWettbewerbsTeilnahme(teilnahmeVon(ctx, mitglied));
    neu.setSparte(sparte.getId());
    neu.setTitel(titel);
    neu.setGueltig(gueltig);
    neu.setBildDaten(daten.getId());
    BildController().insertOrUpdate(ctx, neu);
    return neu.getId();
}

// A juror seat of a new member, judging all categories.
inline std::unique_ptr<JuriertBei> juror(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                         const QString &vorname)
{
    Mitglied person;
    person.setVorname(vorname);
    person.setNachname(QStringLiteral("Juror"));
    person.setVerein(wettbewerb.getVerein());
    MitgliedController().insertOrUpdate(ctx, person);
    JurorService::fuegeHinzu(ctx, wettbewerb, person);
    return std::move(
        JuriertBeiController().select(ctx, {{QStringLiteral("mitglied"), person.getId()}}).front());
}

// The titles of the round's images in position order.
inline QStringList reihenfolge(qlonglong durchgang)
{
    const std::string titel = TestDatabase::scalar(
        "SELECT GROUP_CONCAT(b.titel ORDER BY w.positionImDurchgang SEPARATOR ',') FROM Wertung w "
        "JOIN Bild b ON w.bild = b.id WHERE w.durchgang = " +
        std::to_string(durchgang));
    return titel.empty() ? QStringList() : QString::fromStdString(titel).split(QLatin1Char(','));
}

} // namespace WertungsFixture
