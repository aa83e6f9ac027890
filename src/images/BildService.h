#pragma once

#include "Meldung.h"

#include <QString>

#include <memory>
#include <optional>

class Bild;
class BildDaten;
class BilderCache;
class DatabaseContext;
class Mitglied;
class Wertung;
class Wettbewerb;

// The images of a competition without any widget: rotation, submitter, numbers, the checks on
// saving, late entries, transactional storing and deleting. Every refusal returned here has
// already been logged under "Fehlermeldung".
class BildService
{
public:
    // Adds `schritte` quarter turns (positive clockwise) to the image's steps; empty counts as
    // 0. The steps are not reduced modulo 4.
    static void rotiere(Bild &bild, int schritte);
    // The display angle of the steps in degrees (steps x 90, empty as 0).
    static int winkel(const Bild &bild);

    // Makes the member's participation in the competition the image's submitter ("Mitglied
    // als Einreicher ausgewaehlt."); the refusal "Keinen Teilnehmer ausgewaehlt" when he does
    // not take part.
    static std::optional<Meldung> waehleEinreicher(DatabaseContext &ctx,
                                                   const Wettbewerb &wettbewerb,
                                                   const Mitglied &mitglied, Bild &bild);

    // The first of 1, 2, 3, ... that no image of the competition has as its competition-local
    // number.
    static QString neueNummerProWettbewerb(DatabaseContext &ctx, const Wettbewerb &wettbewerb);

    // The first failed check of the image before saving: submitter, category, "-" in the
    // competition-local number, number present, number unique over all pictures.
    static std::optional<Meldung> pruefeBild(DatabaseContext &ctx, const Bild &bild,
                                             const BildDaten &daten);

    // For a new image while the competition is past its closing date: finds the image's first
    // round, refuses a started one, and appends the image to a generated order (a Wertung at
    // the next position, with the juror scores of the category's jurors). `wertung` receives
    // the appended row, to be completed with the image's id. Writes without a transaction of
    // its own: speichere() runs it inside its own.
    static std::optional<Meldung> pruefeUndVerarbeiteFuerSpaetenStatus(
        DatabaseContext &ctx, const Wettbewerb &wettbewerb, const Bild &bild,
        std::unique_ptr<Wertung> &wertung);

    // Checks and stores the image with its picture in one transaction: the late-entry rows
    // (for a new image), BildDaten, Bild and the appended Wertung; all or nothing. On success
    // the cache (if any) takes the picture; on a refusal or failure the objects are as they
    // were. Database failures are thrown as PersistenceException.
    static std::optional<Meldung> speichere(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                            Bild &bild, BildDaten &daten, bool neu,
                                            BilderCache *cache = nullptr);

    // Whether score rows (Wertung) refer to the image.
    static bool hatWertungen(DatabaseContext &ctx, const Bild &bild);
    // The question "Bild wirklich entfernen?" naming the image's number, with the warning
    // when it has score rows.
    static Meldung loeschFrage(DatabaseContext &ctx, const Bild &bild);
    // Deletes the image with its juror scores, score rows (clearing the rounds' current-score
    // pointers to them) and its picture, in one transaction.
    static void loesche(DatabaseContext &ctx, const Bild &bild);
    // Deletes every invalid image (gueltig false) of the competition, in one transaction;
    // returns their number.
    static int loescheUngueltige(DatabaseContext &ctx, const Wettbewerb &wettbewerb);
};
