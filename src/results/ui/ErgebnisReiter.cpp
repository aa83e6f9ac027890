#include "ErgebnisReiter.h"

#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbErgebnisWidget.h"
#include "WettbewerbStatistikWidget.h"

namespace ErgebnisReiter {

void registriere()
{
    using Dialog = WettbewerbBearbeitenDialog;
    Dialog::setzeReiter(Dialog::Reiter::Ergebnisse,
                        [](DatabaseContext &ctx, Wettbewerb &wettbewerb,
                           bool editierbar) -> QWidget * {
                            return new WettbewerbErgebnisWidget(ctx, wettbewerb, editierbar);
                        });
    Dialog::setzeReiter(Dialog::Reiter::Statistik,
                        [](DatabaseContext &ctx, Wettbewerb &wettbewerb, bool) -> QWidget * {
                            return new WettbewerbStatistikWidget(ctx, wettbewerb);
                        });
}

} // namespace ErgebnisReiter
