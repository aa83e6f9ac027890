#pragma once

#include "Meldung.h"

#include <QDate>

#include <optional>
#include <vector>

class DatabaseContext;
class FotographischerTitel;
class Mitglied;

// Storing and deleting members and their titles, without any widget.
class MitgliedService
{
public:
    // The first failed check of a member about to be stored, in the dialog's order (club,
    // complete number, internal number free, internal number set, type, length of the
    // internal number, complete number unique, e-mail, telephone, mobile, then the dates
    // from their text fields datumAustrittInput, datumEintrittInput, datumGeburtInput,
    // beitragBezahltBisInput). None when all pass; the typed dates are then set from the
    // texts (an empty text sets the date null).
    static std::optional<Meldung> pruefe(DatabaseContext &ctx, Mitglied &mitglied);

    // Stores the member and then its titles: every title the member keeps (`titel`, new,
    // edited or unchanged) is stored with the member's id, each removed title that was
    // stored is deleted. The member's hoechsterTitel becomes the kept title marked as
    // highest (its non-persisted hoechsterTitel flag), none when no title is marked. One
    // transaction: on a failure the database and the objects are as they were.
    static void speichere(DatabaseContext &ctx, Mitglied &mitglied,
                          const std::vector<FotographischerTitel *> &titel,
                          const std::vector<const FotographischerTitel *> &entfernteTitel);

    // Why the member may not be deleted (a linked user; an entry in or the jury of a
    // competition), or none.
    static std::optional<Meldung> loeschVerbot(DatabaseContext &ctx, const Mitglied &mitglied);

    // Deletes the member's titles, its official functions and the member, in one transaction.
    static void loesche(DatabaseContext &ctx, const Mitglied &mitglied);

    // Parses a date as the dialogs accept it ("dd.MM.yyyy", leading zeros optional); an
    // invalid QDate when the text is no date.
    static QDate parseDatum(const QString &text);
};
