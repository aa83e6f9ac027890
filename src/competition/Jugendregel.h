#pragma once

class DatabaseContext;
class Mitglied;
class Wettbewerb;

// Whether a member counts as youth in a competition: his youth code is "Ja" (none counts as
// "Nein") and he was born on or after the competition's jugendAb. A missing birth date counts
// as 01.01.1000 and a missing jugendAb as 02.01.1000, so a member without birth date is never
// youth.
namespace Jugendregel {

bool istJugend(DatabaseContext &ctx, const Mitglied &mitglied, const Wettbewerb &wettbewerb);

} // namespace Jugendregel
