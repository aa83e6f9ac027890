#pragma once

#include "Meldung.h"

#include <memory>
#include <optional>

class DatabaseContext;
class Sparte;
class Wettbewerb;

// The categories of a competition and the rounds of a new category, without any widget. Every
// refusal returned here has already been logged under "Fehlermeldung" (level 7).
class SparteService
{
public:
    // A new category of the competition: durchgangsModus "ERWACHSENE_UND_JUGEND", not in the
    // combination; not stored.
    static std::unique_ptr<Sparte> neueSparte(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

    // The first failed check of SparteBearbeitenDialog: name, durchgangsModus, name unique in
    // the competition. When all pass, "==> Pruefung erfolgreich, sparteSchonInDB = " and 1 or 0
    // is logged.
    static std::optional<Meldung> pruefe(DatabaseContext &ctx, const Sparte &sparte);

    // A new category is inserted with its rounds (see below); an existing one is updated, and
    // the categories text of its jurors follows a changed name or abbreviation. One
    // transaction: on a failure (the exception propagates) nothing is stored and the category
    // is as it was. The competition's jury is read first (WettbewerbService::jurierung).
    //
    // Rounds of a new category, for youth ("NUR_JUGEND", "ERWACHSENE_UND_JUGEND") and adults
    // ("NUR_ERWACHSENE", "ERWACHSENE_UND_JUGEND", "JUGEND_ALS_ERWACHSENE"), youth first: a
    // first round per group (position 1, ratings 1 to 10); with a jury of "ZWEI" rounds then
    // the second rounds SCHLECHTE, MITTLERE, BESTE (positions 2, 3, 4; ranks 0.0-33.3,
    // 33.3-66.6, 66.6-100.0; ratings 1-5, 4-8, 6-10), youth before adults for each, each
    // referring to its group's first round. All "ANGELEGT", "ZUFAELLIG", order not generated.
    static void speichere(DatabaseContext &ctx, Sparte &sparte);

    // Why the category may not be deleted: the competition is not in "ANGELEGT", or images
    // were entered in the category (a competition can be moved back to "ANGELEGT"). None
    // otherwise.
    static std::optional<Meldung> loeschVerbot(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                               const Sparte &sparte);
    // The question "Sparte wirklich loeschen?" naming the category.
    static Meldung loeschFrage(const Sparte &sparte);
    // Deletes the category's rounds, its assignments to jurors (SpartenJurierung, whose
    // jurors' categories text follows) and the category, in one transaction.
    static void loesche(DatabaseContext &ctx, const Sparte &sparte);
};
