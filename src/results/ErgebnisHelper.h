#pragma once

#include "ErgebnisFehler.h"

#include <QtGlobal>

#include <memory>
#include <vector>

class DatabaseContext;
class Mitglied;
class TeilnehmerKombinationsWertung;
class TeilnehmerWertung;
class VereinsKombinationsWertung;
class VereinsWertung;
class Wettbewerb;

// The results of a competition, without any widget: the four rankings (participants per
// category, participant combination, clubs per category, club combination), each for adults
// and for youth, and the acceptance of images. Log location "ErgebnisHelper", category
// "Ergebnisse". `jugendFilter` is the id of the "Jugend" code value "Nein" (adults) or "Ja"
// (youth). The lists returned are new, unsaved objects owned by the caller.
namespace ErgebnisHelper {

// Youth in the competition: youth code "Ja" and born on or after its jugendAb.
bool istJugendlicher(DatabaseContext &ctx, const Wettbewerb &wettbewerb, const Mitglied &mitglied);

// One row per member and category: the sum of the member's best anzahlBilderFuerWertung
// images there. Throws ErgebnisFehler for an image that cannot be given to a member.
std::vector<std::unique_ptr<TeilnehmerWertung>>
berechneTeilnehmerWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                            qlonglong jugendFilter);
// One row per participation: the best anzahlSpartenFuerKombination results in categories
// used in combination (only with enough of them when nurVollstaendigeKombination).
std::vector<std::unique_ptr<TeilnehmerKombinationsWertung>> berechneTeilnehmerKombinationsWertungen(
    DatabaseContext &ctx, const Wettbewerb &wettbewerb,
    const std::vector<std::unique_ptr<TeilnehmerWertung>> &teilnehmerWertungen,
    qlonglong jugendFilter);
// One row per club and category: the best anzahlTeilnehmerFuerVereinsW participant results.
std::vector<std::unique_ptr<VereinsWertung>>
berechneVereinsWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                         const std::vector<std::unique_ptr<TeilnehmerWertung>> &teilnehmerWertungen,
                         qlonglong jugendFilter);
// One row per club with results in categories used in combination: their sum.
std::vector<std::unique_ptr<VereinsKombinationsWertung>>
berechneVereinsKombinationsWertungen(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                     const std::vector<std::unique_ptr<VereinsWertung>> &vereinsWertungen,
                                     qlonglong jugendFilter);

// The acceptance thresholds per category and age class (anteilAnnahmenGewuenscht,
// abrundungPunkteBeiAnnahmen) and the marks of the scored images ("17*" accepted, "12" not).
// Writes with a few multi-row statements; callers wanting atomicity open the transaction.
void berechneAnnahmen(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

// What a whole run computed; [0] adults, [1] youth.
struct Ergebniszahlen
{
    int teilnehmer[2] = {0, 0};
    int teilnehmerKombination[2] = {0, 0};
    int vereine[2] = {0, 0};
    int vereinsKombination[2] = {0, 0};
    int angenommen = 0; // images marked accepted
    int bewertet = 0;   // images given a mark
};

// The whole run of the results page, in one transaction: deletes the competition's stored
// results, computes and writes the four kinds for adults and youth, then the acceptance.
// A failure rolls everything back (the previous results stay exactly as they were) and
// propagates (PersistenceException or ErgebnisFehler).
Ergebniszahlen berechneUndUeberschreibeErgebnisse(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

} // namespace ErgebnisHelper
