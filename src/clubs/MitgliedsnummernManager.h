#pragma once

#include <QString>

class DatabaseContext;
class Mitglied;

// Member numbers: the club number, the club-internal number and the type letter.
class MitgliedsnummernManager
{
public:
    // "C" for "Club", "L" for "Landesverband", "N" for "Nichtmitglied", nothing otherwise.
    static QString typBuchstabe(const QString &mitgliedsArtName);

    // The complete number and the key number of a member of the club with the complete
    // number `vereinsNummer`, with the club-internal number and the member type's name.
    struct Nummern
    {
        QString komplett;
        QString schluessel;
    };
    static Nummern nummern(const QString &vereinsNummer, const QString &intern,
                           const QString &mitgliedsArtName);

    // Recomputes mitgliedsNummerKomplett and mitgliedsNummerSchluessel of the member from
    // its club, internal number and type. When the club cannot be read as exactly one club
    // the numbers stay as they were and false is returned.
    static bool berechneNummern(DatabaseContext &ctx, Mitglied &mitglied);

    // The next free club-internal number for the member's club and type: from 1 for members,
    // from 1000 for non-members; a stored "001" blocks 1 as well as "1" does. The member
    // needs a club and a type.
    static QString neueMitgliedsnummer(DatabaseContext &ctx, const Mitglied &mitglied);
};
