#pragma once

#include "Meldung.h"

#include <optional>

class DatabaseContext;
class Durchgang;

// The settings of a round (DurchgangBearbeitenDialog), without any widget. Every refusal
// returned here has already been logged under "Fehlermeldung" (level 7, location
// DurchgangBearbeitenDialog).
class DurchgangService
{
public:
    // The first failed check, in order: ranks filled in a first round; ranks or ratings filled
    // in the overall round ("GESAMTWERTUNG"); a filled rank outside 0 to 100; a rating missing
    // or outside 1 to 10 (not for the overall round); no sortierModus. The order of the two
    // ranks and of the two ratings is not checked. When all pass, "==> Pruefung erfolgreich"
    // is logged.
    static std::optional<Meldung> pruefe(DatabaseContext &ctx, const Durchgang &durchgang);
    // Updates the round; on a failure (the exception propagates) the object is as it was.
    static void speichere(DatabaseContext &ctx, Durchgang &durchgang);
};
