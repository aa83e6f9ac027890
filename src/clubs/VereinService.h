#pragma once

#include "Meldung.h"

#include <memory>
#include <optional>
#include <vector>

class DatabaseContext;
class Funktionstraeger;
class Verein;

// Storing and deleting clubs, without any widget.
class VereinService
{
public:
    // The first failed check of a club about to be stored, in the dialog's order: complete
    // number, its uniqueness, name, e-mail address; then that its parent is neither itself
    // nor one of its sub-clubs. None when all pass.
    static std::optional<Meldung> pruefe(DatabaseContext &ctx, const Verein &verein);

    // Stores the club, then its officials (each changed one gets the club's id when it has no
    // club; each removed one that was stored is deleted) and, when `nummerGeaendert`, renumbers
    // every club below it. Everything happens in one transaction: on a failure (the exception
    // propagates) the database and the objects are as they were.
    static void speichere(DatabaseContext &ctx, Verein &verein,
                          const std::vector<Funktionstraeger *> &geaenderteFunktionstraeger,
                          const std::vector<const Funktionstraeger *> &entfernteFunktionstraeger,
                          bool nummerGeaendert);

    // Why the club may not be deleted (members, competitions, sub-clubs, in this order), or
    // none.
    static std::optional<Meldung> loeschVerbot(DatabaseContext &ctx, const Verein &verein);

    // Deletes the club's data permissions, its officials and the club, in one transaction.
    static void loesche(DatabaseContext &ctx, const Verein &verein);
};
