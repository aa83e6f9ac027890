#include "ExportReiter.h"

#include "ExportInDatei.h"
#include "ExportStrategien.h"
#include "Mitgliederverwaltung.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbExportWidget.h"

namespace ExportReiter {

void registriere()
{
    using Dialog = WettbewerbBearbeitenDialog;
    Dialog::setzeReiter(Dialog::Reiter::Export,
                        [](DatabaseContext &ctx, Wettbewerb &wettbewerb, bool) -> QWidget * {
                            return new WettbewerbExportWidget(ctx, wettbewerb);
                        });
    Mitgliederverwaltung::setzeAdressExport(
        [](QWidget *parent, DatabaseContext &ctx, const QList<qlonglong> &mitglieder) {
            return exportiereInDatei(
                       parent, ctx,
                       [&mitglieder] { return ExportStrategien::adressdaten(mitglieder); },
                       {ExportFilter::csv(), ExportFilter::zip()})
                .has_value();
        });
}

} // namespace ExportReiter
