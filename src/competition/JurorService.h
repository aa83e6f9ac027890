#pragma once

#include "Meldung.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

class DatabaseContext;
class ExternerJuror;
class JuriertBei;
class Mitglied;
class Person;
class Sparte;
class SpartenJurierung;
class Wettbewerb;

// The jurors of a competition (a JuriertBei seat per member or external juror, with the
// categories he judges) and the external jurors, without any widget. Every refusal returned
// here has already been logged under "Fehlermeldung" (level 7) with the location of the
// widget that shows it.
class JurorService
{
public:
    // Inserts a seat for the member (art "MITGLIED") or the external juror (art
    // "EXTERNER_JUROR") judging all categories; the refusal "Mitglied schon zugeordnet" or
    // "Externer Juror schon zugeordnet" (nothing is stored) when the person has a seat already.
    static std::optional<Meldung> fuegeHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                             const Mitglied &mitglied);
    static std::optional<Meldung> fuegeHinzu(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                             const ExternerJuror &juror);

    // "Alle" when the juror judges all categories; else the abbreviation (or the name) of each
    // assigned category in stored order, joined with ", ".
    static QString spartenString(DatabaseContext &ctx, const JuriertBei &juror);
    // Recomputes and updates the categories text of every juror assigned the category. Writes
    // without a transaction of its own: callers run it inside theirs.
    static void aktualisiereSpartenStrings(DatabaseContext &ctx, qlonglong sparte);

    // Flips alleSparten (an empty one becomes true), recomputes the categories text and
    // updates the seat; on a failure the seat is as it was.
    static void toggleAlleSparten(DatabaseContext &ctx, JuriertBei &juror);
    // Assigns the category to the juror and updates his categories text, in one transaction;
    // the refusal "Zuordnung schon vorhanden" when he has it already.
    static std::optional<Meldung> ordneSparteZu(DatabaseContext &ctx, JuriertBei &juror,
                                                const Sparte &sparte);
    // Deletes the assignment and updates the juror's categories text, in one transaction.
    static void entferneZuordnung(DatabaseContext &ctx, JuriertBei &juror,
                                  const SpartenJurierung &zuordnung);

    // The refusal "Entfernen nicht moeglich" once any score row (EinzelWertung) refers to the
    // seat, even one without a value; none otherwise.
    static std::optional<Meldung> entfernVerbot(DatabaseContext &ctx, const JuriertBei &juror);
    // The question "Juror wirklich entfernen?" naming the person ("(ohne Vorname)",
    // "(ohne Nachname)" for missing names).
    static Meldung entfernFrage(DatabaseContext &ctx, const JuriertBei &juror);
    // Deletes the seat with its category assignments in one transaction and releases the
    // keyboard assigned to it.
    static void entferne(DatabaseContext &ctx, const JuriertBei &juror);

    // The person of a seat: the member or the external juror; null when it cannot be read.
    static std::unique_ptr<Person> person(DatabaseContext &ctx, const JuriertBei &juror);

    // The jurors of a category: every seat of the competition that judges all categories or
    // has an assignment to the category, by id ("Lade Juroren..." ... "Juroren geladen.").
    static std::vector<std::unique_ptr<JuriertBei>> jurorenDerSparte(DatabaseContext &ctx,
                                                                      qlonglong wettbewerb,
                                                                      qlonglong sparte);

    // The smallest non-negative integer that no external juror has as number.
    static QString naechsteNummer(DatabaseContext &ctx);
    // A new external juror: country "AT" and the next number; not stored.
    static std::unique_ptr<ExternerJuror> neuerExternerJuror(DatabaseContext &ctx);
    // The first failed check of JurorBearbeitenDialog: e-mail, telephone, mobile (as for
    // members), number empty, birth date (datumGeburtInput), number used by another external
    // juror. When all pass, "==> Pruefung erfolgreich, jurorSchonInDB = " and 1 or 0 is logged
    // and datumGeburt follows its text (null for an empty one).
    static std::optional<Meldung> pruefeExternenJuror(DatabaseContext &ctx, ExternerJuror &juror);
    // Inserts or updates the external juror; on a failure the object is as it was.
    static void speichereExternenJuror(DatabaseContext &ctx, ExternerJuror &juror);
};
