#include "Jugendregel.h"

#include "CodeManager.h"
#include "DatabaseContext.h"
#include "entities/CodeValue.h"
#include "entities/Mitglied.h"
#include "entities/Wettbewerb.h"

namespace Jugendregel {

bool istJugend(DatabaseContext &ctx, const Mitglied &mitglied, const Wettbewerb &wettbewerb)
{
    if (!mitglied.hasJugend())
        return false;
    const auto code = ctx.codeManager().getCodeValueById(mitglied.getJugend());
    if (!code || !code->hasName() || code->getName() != QLatin1String("Ja"))
        return false;
    const QDate geburt = mitglied.hasDatumGeburt() ? mitglied.getDatumGeburt() : QDate(1000, 1, 1);
    const QDate ab = wettbewerb.hasJugendAb() ? wettbewerb.getJugendAb() : QDate(1000, 1, 2);
    return geburt >= ab;
}

} // namespace Jugendregel
