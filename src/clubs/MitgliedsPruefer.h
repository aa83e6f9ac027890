#pragma once

#include <QString>

class DatabaseContext;
class Mitglied;

// Checks of a member shared by the member dialog and the member import.
class MitgliedsPruefer
{
public:
    // The complete number is set and not empty.
    static bool nummerVorhanden(const Mitglied &mitglied);
    // No other member (another id) has the same complete number.
    static bool nummerEindeutig(DatabaseContext &ctx, const Mitglied &mitglied);
    // No other member of the same club has the same club-internal number.
    static bool interneNummerEindeutig(DatabaseContext &ctx, const Mitglied &mitglied);

    // Empty texts pass; others must match the pattern as a whole.
    static bool telefonGueltig(const QString &nummer); // "+43-512-123456"
    static bool mailGueltig(const QString &adresse);   // ".+@.+"
};
