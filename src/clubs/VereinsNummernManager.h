#pragma once

#include <QString>

class DatabaseContext;
class Verein;

// Club numbers: the complete number is the parent's complete number followed by the club's
// own number.
class VereinsNummernManager
{
public:
    // The complete number of a club with its own number below a parent with the complete
    // number `dachverbandsNummer` (empty for a club without parent).
    static QString vereinsNummerKomplett(const QString &dachverbandsNummer, const QString &eigene)
    {
        return dachverbandsNummer + eigene;
    }

    // Recomputes the club's complete number from its own number and its parent. When the
    // parent cannot be read as exactly one club, the number stays as it was and false is
    // returned.
    static bool berechneVereinsNummerKomplett(DatabaseContext &ctx, Verein &verein);

    // Recomputes and stores the complete number of every club below `verein`, at any depth.
    // Returns the number of clubs stored. Runs inside the caller's transaction, if any.
    static int nummeriereUntervereine(DatabaseContext &ctx, const Verein &verein);
};
