#include "BilderReiter.h"

#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbBilderWidget.h"

namespace BilderReiter {

void registriere()
{
    WettbewerbBearbeitenDialog::setzeReiter(
        WettbewerbBearbeitenDialog::Reiter::Bilder,
        [](DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar) -> QWidget * {
            return new WettbewerbBilderWidget(ctx, wettbewerb, editierbar);
        });
}

} // namespace BilderReiter
