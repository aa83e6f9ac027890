#pragma once

// A small scored competition for the tests of the results: two clubs, adults and youth,
// categories of the four modes and images with their totals, written straight into the
// throwaway database.

#include "TeilnehmerService.h"
#include "WettbewerbsStatus.h"
#include "competitionfixture.h"
#include "controllers/BildController.h"
#include "controllers/MitgliedController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"

#include <QDate>

#include <vector>

namespace ErgebnisFixture {

using namespace CompetitionFixture;

// GROUP_CONCAT of the checks reads whole tables, not only their first kilobyte.
inline void langeListen()
{
    TestDatabase::run("SET GLOBAL group_concat_max_len = 1000000");
}

// The competition's youth date; youth members are born after it, adults before.
inline QDate jugendAb()
{
    return QDate(2008, 1, 1);
}

// A member of the club taking part in the competition; returns the participation's id.
inline qlonglong teilnehmer(DatabaseContext &ctx, const Wettbewerb &wettbewerb, qlonglong verein,
                            const QString &vorname, const QString &nachname,
                            const QString &nummer, bool jugend)
{
    Mitglied mitglied;
    mitglied.setVorname(vorname);
    mitglied.setNachname(nachname);
    mitglied.setVerein(verein);
    mitglied.setMitgliedsNummerKomplett(nummer);
    mitglied.setJugend(code(ctx, "Jugend", jugend ? "Ja" : "Nein"));
    mitglied.setDatumGeburt(jugend ? QDate(2012, 5, 1) : QDate(1970, 3, 2));
    MitgliedController().insertOrUpdate(ctx, mitglied);
    TeilnehmerService::fuegeHinzu(ctx, wettbewerb, mitglied);
    return WettbewerbsTeilnahmeController()
        .select(ctx, {{QStringLiteral("mitglied"), mitglied.getId()}}, true, false)
        .front()
        ->getId();
}

// A valid image of the participation in the category with the total (none when negative).
inline qlonglong bild(DatabaseContext &ctx, qlonglong teilnahme, qlonglong sparte,
                      const QString &titel, int bewertung, bool gueltig = true)
{
    Bild neu;
    neu.setWettbewerbsTeilnahme(teilnahme);
    neu.setSparte(sparte);
    neu.setTitel(titel);
    neu.setGueltig(gueltig);
    if (bewertung >= 0)
        neu.setBewertung(bewertung);
    BildController().insertOrUpdate(ctx, neu);
    return neu.getId();
}

// Stores a category of the competition in the mode ("DurchgangsModus"), used in the
// combination or not.
inline std::unique_ptr<Sparte> sparte(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                      const char *name, const char *modus, bool kombination)
{
    auto neu = SparteService::neueSparte(ctx, wettbewerb);
    neu->setName(QString::fromUtf8(name));
    neu->setDurchgangsModus(code(ctx, "DurchgangsModus", modus));
    neu->setInKombinationVerwendet(kombination);
    SparteService::speichere(ctx, *neu);
    return neu;
}

// The competition below; the categories in this order.
enum SparteIndex { Natur, Portrait, Jugendfoto, Offen };

struct Ergebniswettbewerb
{
    Wettbewerbsdaten daten;
    qlonglong lichtblick = 0; // the second club ("Fotoklub" is the competition's club)
    std::vector<std::unique_ptr<Sparte>> sparten;
    std::vector<qlonglong> teilnahmen; // Anna, Bernd, Clara, Dora, Emil

    Wettbewerb &wettbewerb() { return *daten.wettbewerb; }
    qlonglong fotoklub() const { return daten.wettbewerb->getVerein(); }
};

// The competition "Landesfotoschau" (W1) with best 3 images, best 2 categories in the
// combination, best 2 participants per club, 50 % accepted, rounding up:
//   Natur      ERWACHSENE_UND_JUGEND  combination
//   Portrait   NUR_ERWACHSENE         combination
//   Jugendfoto NUR_JUGEND             not in combination
//   Offen      JUGEND_ALS_ERWACHSENE  combination
// Fotoklub: Anna Berger (1-001) and Bernd Adler (1-002), adults; Clara Jung (1-003), youth.
// Lichtblick: Dora Engel (2-001), adult; Emil Klein (2-002), youth. Totals:
//   Anna   Natur 9 8 8 7 (25)   Portrait 7 6 (13)   Offen 5 (5)
//   Bernd  Natur 8 8 (16)       Portrait 9 9 9 (27)
//   Clara  Natur 6 5 (11)       Jugendfoto 7 7 (14) Offen 9 (9, ranked as adult)
//   Dora   Natur 9 7 (16)       Portrait one image without total (0)
//   Emil   Natur 4 (4)          Jugendfoto 8 6 5 3 (19)
// The state is "WERTUNG_ABGESCHLOSSEN" unless `abgeschlossen` is false ("WERTUNG_LAEUFT").
inline Ergebniswettbewerb legeErgebniswettbewerbAn(DatabaseContext &ctx, bool abgeschlossen = true)
{
    Ergebniswettbewerb w{legeWettbewerbAn(ctx), 0, {}, {}};
    Wettbewerb &wettbewerb = w.wettbewerb();
    wettbewerb.setAnzahlBilderFuerWertung(3);
    wettbewerb.setAnzahlSpartenFuerKombination(2);
    wettbewerb.setAnzahlTeilnehmerFuerVereinsW(2);
    wettbewerb.setNurVollstaendigeKombination(false);
    wettbewerb.setAnteilAnnahmenGewuenscht(50);
    wettbewerb.setJugendAb(jugendAb());
    wettbewerb.setStatus(WettbewerbsStatus::id(
        ctx, abgeschlossen ? WettbewerbsStatus::WertungAbgeschlossen : WettbewerbsStatus::WertungLaeuft));
    WettbewerbController().insertOrUpdate(ctx, wettbewerb);

    Verein lichtblick;
    lichtblick.setName(QStringLiteral("Lichtblick"));
    VereinController().insertOrUpdate(ctx, lichtblick);
    w.lichtblick = lichtblick.getId();

    w.sparten.push_back(sparte(ctx, wettbewerb, "Natur", "ERWACHSENE_UND_JUGEND", true));
    w.sparten.push_back(sparte(ctx, wettbewerb, "Portrait", "NUR_ERWACHSENE", true));
    w.sparten.push_back(sparte(ctx, wettbewerb, "Jugendfoto", "NUR_JUGEND", false));
    w.sparten.push_back(sparte(ctx, wettbewerb, "Offen", "JUGEND_ALS_ERWACHSENE", true));

    struct Person
    {
        const char *vorname, *nachname, *nummer;
        bool lichtblick, jugend;
        std::vector<std::pair<SparteIndex, int>> bilder; // -1: no total
    };
    const Person personen[] = {
        {"Anna", "Berger", "1-001", false, false,
         {{Natur, 9}, {Natur, 8}, {Natur, 8}, {Natur, 7}, {Portrait, 7}, {Portrait, 6}, {Offen, 5}}},
        {"Bernd", "Adler", "1-002", false, false,
         {{Natur, 8}, {Natur, 8}, {Portrait, 9}, {Portrait, 9}, {Portrait, 9}}},
        {"Clara", "Jung", "1-003", false, true,
         {{Natur, 6}, {Natur, 5}, {Jugendfoto, 7}, {Jugendfoto, 7}, {Offen, 9}}},
        {"Dora", "Engel", "2-001", true, false, {{Natur, 9}, {Natur, 7}, {Portrait, -1}}},
        {"Emil", "Klein", "2-002", true, true,
         {{Natur, 4}, {Jugendfoto, 8}, {Jugendfoto, 6}, {Jugendfoto, 5}, {Jugendfoto, 3}}},
    };
    for (const Person &person : personen) {
        const qlonglong teilnahme = teilnehmer(
            ctx, wettbewerb, person.lichtblick ? w.lichtblick : w.fotoklub(),
            QString::fromUtf8(person.vorname), QString::fromUtf8(person.nachname),
            QString::fromUtf8(person.nummer), person.jugend);
        w.teilnahmen.push_back(teilnahme);
        int n = 0;
        for (const auto &[index, punkte] : person.bilder)
            bild(ctx, teilnahme, w.sparten[size_t(index)]->getId(),
                 QStringLiteral("%1 %2").arg(QString::fromUtf8(person.vorname)).arg(++n), punkte);
    }
    return w;
}

} // namespace ErgebnisFixture
