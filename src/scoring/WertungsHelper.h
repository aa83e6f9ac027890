#pragma once

#include "Meldung.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class Bild;
class DatabaseContext;
class Durchgang;
class JuriertBei;
class Record;
class Wertung;
class Wettbewerb;

// The scoring of a round, without any widget: which images a round scores, the rank filter of
// second rounds, generating the scoring order, starting and reopening a round. Log category
// "Wertung", location "WertungsHelper" unless said otherwise. Refusals and questions are
// returned as Meldung (title and text as shown; refusals are logged under "Fehlermeldung" at
// level 7, location "WettbewerbWertungsWidget", when they are returned); questions are
// Yes/No with No as default. Database failures propagate as PersistenceException.
class WertungsHelper
{
public:
    // ---- round level reading ----

    // The jurors of the round's category, by id ("Lade Juroren..." ... "Juroren geladen.").
    static std::vector<std::unique_ptr<JuriertBei>> juroren(DatabaseContext &ctx,
                                                            const Durchgang &durchgang);

    // The images of a first round, by id: the valid images of the round's category, each
    // taken when the category's durchgangsModus is "JUGEND_ALS_ERWACHSENE", else when the
    // submitter's youth (Jugendregel) equals the round's jugend ("Ja" youth, "Nein" or empty
    // adults). Images and their submitters are read with one statement.
    static std::vector<std::unique_ptr<Bild>> bilderDesDurchgangs(DatabaseContext &ctx,
                                                                  const Wettbewerb &wettbewerb,
                                                                  const Durchgang &durchgang);

    // ---- the rank filter of second rounds ----

    // What the rank filter chose from a list of totals (a null total is never chosen).
    struct Rangauswahl
    {
        int anzahl = 0;   // n: the totals that are not null
        int minIndex = 0; // floor(minFraction * (n - 1) + 0.5)
        int maxIndex = 0; // floor(maxFraction * (n - 1) + 0.5)
        int minWert = 0;  // sorted totals at these indexes (0 when n is 0)
        int maxWert = 0;
        std::vector<size_t> gewaehlt; // positions in the given list, ascending
    };
    // The pure filter: minRang/maxRang in percent (empty: 0 and 100); a total is chosen when
    // minWert <= total < maxWert, or total <= maxWert when `beste` (the BESTE round), so that a
    // total on a boundary goes to the better round.
    static Rangauswahl waehleNachRang(const std::vector<std::optional<int>> &bewertungen,
                                      std::optional<double> minRang, std::optional<double> maxRang,
                                      bool beste);
    // The filter with the round's settings on the reference round's score rows, with its log
    // lines; returns the chosen rows in the given order.
    static std::vector<std::unique_ptr<Wertung>>
    filtereWertungen(DatabaseContext &ctx, const Durchgang &durchgang,
                     std::vector<std::unique_ptr<Wertung>> referenzWertungen);

    // ---- generating the order ("Reihenfolge Generieren") ----

    // Steps 1-2: logs "Aufruf von Reihenfolge Generieren" (location WettbewerbWertungsWidget);
    // the refusal "Generierung nicht moeglich" when the round is not "ANGELEGT" or its
    // reference round is not "BEENDET".
    static std::optional<Meldung> pruefeReihenfolgeGenerieren(DatabaseContext &ctx,
                                                              const Durchgang &durchgang);
    // Step 3: the question "Reihenfolge war bereits generiert" when the round's order was
    // generated before (only Yes goes on); none otherwise. Then pruefeSortierung() must
    // return none.
    static std::optional<Meldung> ueberschreibFrage(const Durchgang &durchgang);
    // The refusal "Keine Sortierung angegeben" for a round without sortierModus whose order
    // was not generated before; none otherwise.
    static std::optional<Meldung> pruefeSortierung(DatabaseContext &ctx,
                                                   const Durchgang &durchgang);
    // Step 4, in one transaction: deletes the round's score rows with their juror scores,
    // inserts one score row per image in the sorted order (positions 1, 2, ...), sets
    // reihenfolgeGeneriert and saves the round. Does nothing unless the round is "ANGELEGT".
    // Random orders draw from ctx.random(). On a failure nothing changed, the round object
    // included, and the exception propagates.
    static void reihenfolgeGenerieren(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                      Durchgang &durchgang);
    // The images of a round in order: by member number (stable, locale-aware) for
    // "VEREIN_MITGLIED", a random permutation for an empty sortierModus or "ZUFAELLIG", none
    // for any other value. `mitgliedsnummern[i]` belongs to `bilder[i]` (ordered by id).
    static std::vector<size_t> sortiere(DatabaseContext &ctx, const Durchgang &durchgang,
                                        const std::vector<QString> &mitgliedsnummern);

    // ---- starting or continuing ("Wertung beginnen") ----

    // Step 1: logs "Aufruf von Wertung Beginnen" (location WettbewerbWertungsWidget); the
    // refusal "Wertung nicht moeglich" for a round that is none of the four real kinds.
    static std::optional<Meldung> pruefeWertungBeginnen(DatabaseContext &ctx,
                                                        const Durchgang &durchgang);
    // Step 2: whether the round is "BEENDET"; then both questions of wiederOeffnenFragen()
    // must be answered Yes before wiederOeffnen().
    static bool istBeendet(DatabaseContext &ctx, const Durchgang &durchgang);
    static std::vector<Meldung> wiederOeffnenFragen();
    // Clears every juror score and every score-row total of the round and sets it to
    // "WIRD_JURIERT", in one transaction (the images keep their own totals). On a failure
    // nothing changed, the round object included.
    static void wiederOeffnen(DatabaseContext &ctx, Durchgang &durchgang);
    // Step 3: the refusal "Wertung nicht moeglich" when the reference round is not "BEENDET".
    static std::optional<Meldung> pruefeReferenz(DatabaseContext &ctx, const Durchgang &durchgang);
    // Step 4: the question "Mit der Jurierung beginnen?"; only Yes goes on.
    static Meldung beginnenFrage();
    // Step 5: a round in "ANGELEGT" gets a juror score row for every score row and every
    // juror of its category that has none (one multi-row insert) and becomes "WIRD_JURIERT",
    // in one transaction; other rounds are left as they are. On a failure nothing changed,
    // the round object included.
    static void starte(DatabaseContext &ctx, const Wettbewerb &wettbewerb, Durchgang &durchgang);

    // ---- codes ----

    // Whether the round's status is the named value of "DurchgangsStatus".
    static bool istStatus(DatabaseContext &ctx, const Durchgang &durchgang, const char *status);
    // Sets the round's status to the named value of "DurchgangsStatus" (not saved).
    static void setzeStatus(DatabaseContext &ctx, Durchgang &durchgang, const char *status);
};
