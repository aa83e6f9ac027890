#pragma once

#include "Meldung.h"

#include <QString>

#include <optional>
#include <vector>

class DatabaseContext;
class Mitglied;
class Wettbewerb;
class WettbewerbsTeilnahme;

// One row of the participants' status list: a participant in one category of the
// competition, with the number of his images in it (also 0).
struct TeilnehmerStatus
{
    qlonglong teilnahme;
    qlonglong sparte;
    QString vorname;
    QString nachname;
    QString mitgliedsnummer;
    QString spartenName;
    int anzahlBilder;
};

// The participants of a competition (WettbewerbsTeilnahme), without any widget. Every refusal
// returned here has already been logged under "Fehlermeldung" (level 7, location
// TeilnehmerListenWidget).
class TeilnehmerService
{
public:
    // Inserts the member's participation; the refusal "Mitglied schon vorhanden" (nothing is
    // stored) when he already takes part.
    static std::optional<Meldung> fuegeHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                             const Mitglied &mitglied);

    // The refusal "Entfernen nicht moeglich" when the participant has an image in the
    // competition; none otherwise.
    static std::optional<Meldung> entfernVerbot(DatabaseContext &ctx,
                                                const WettbewerbsTeilnahme &teilnahme);
    // The question "Mitglied wirklich entfernen?" naming the member.
    static Meldung entfernFrage(DatabaseContext &ctx, const WettbewerbsTeilnahme &teilnahme);
    // Deletes the participant's stored results (TeilnehmerWertung,
    // TeilnehmerKombinationsWertung) and the participation, in one transaction.
    static void entferne(DatabaseContext &ctx, const WettbewerbsTeilnahme &teilnahme);

    // Per participant (by surname, first name, member number) and category (in stored order):
    // the names, member number, category name and number of images.
    static std::vector<TeilnehmerStatus> statusListe(DatabaseContext &ctx,
                                                     const Wettbewerb &wettbewerb);
};
