#pragma once

#include <QString>

#include <functional>
#include <optional>

class DatabaseContext;

// A demo federation in a freshly installed database, made through the services the dialogs
// use: a club tree of three levels (federation, state associations, clubs) with officials;
// members of every type with photographic titles; external jurors; users with data
// permissions; and a competition in every state: just created, accepting images, closed for
// entries, being scored (first rounds finished, second rounds generated, one round interrupted
// halfway) and finished with results and statistics. Its pictures are drawn (some with a
// wide-gamut profile), its scores are key presses of the jurors' keypads. The same seed gives
// the same data, apart from time stamps.
class DemoFederation
{
public:
    enum class Groesse
    {
        Klein, // about 200 members
        Gross, // about 5 000 members
    };

    // What was made.
    struct Zahlen
    {
        int vereine = 0;
        int mitglieder = 0;
        int externeJuroren = 0;
        int benutzer = 0;
        int wettbewerbe = 0;
        int bilder = 0;
        int tastendruecke = 0;
    };

    // One line per step, for the user who waits.
    using Fortschritt = std::function<void(const QString &)>;

    // Why the database may not take the demo (it holds a club, a member, a competition or a
    // user other than root already), or none when it is empty.
    static std::optional<QString> vorhandeneDaten(DatabaseContext &ctx);

    // Fills the database; refuses (std::runtime_error with vorhandeneDaten()) one that holds
    // data. The context must be logged in as root (the users become database accounts). Its
    // random numbers are replaced by the seed's. Failures propagate; the steps finished before
    // stay stored.
    static Zahlen fuelle(DatabaseContext &ctx, quint32 seed, Groesse groesse,
                         const Fortschritt &fortschritt = {});
};
