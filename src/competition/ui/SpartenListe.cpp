#include "SpartenListe.h"

#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "controllers/SparteController.h"
#include "entities/Sparte.h"

#include <QHeaderView>
#include <QTableView>

SpartenListe::SpartenListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
    connect(tableView(), &QTableView::doubleClicked, this, &SpartenListe::zeileDoppelgeklickt);
}

void SpartenListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(Sparte::nameRow, ColumnDescription(tr("Name"), 220));
    columns.emplace(Sparte::abkuerzungRow, ColumnDescription(tr("Abkuerzung"), 100));
    columns.emplace(Sparte::durchgangsModusRow,
                    ColumnDescription(tr("Durchgaenge anlegen fuer"), 200, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("DurchgangsModus"))));
    columns.emplace(Sparte::inKombinationVerwendetRow,
                    ColumnDescription(tr("In Kombination verwendet"), 160));
    setTableView(new QTableView,
                 new CompositeTableModel({Sparte::nameRow, Sparte::abkuerzungRow,
                                          Sparte::durchgangsModusRow,
                                          Sparte::inKombinationVerwendetRow},
                                         std::move(columns)));
}

void SpartenListe::lade(const Wettbewerb &wettbewerb)
{
    auto sparten = SparteController().readByWettbewerb(context(), wettbewerb);
    std::sort(sparten.begin(), sparten.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
    replaceRows(std::move(sparten));
}

Sparte *SpartenListe::markierteSparte() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<Sparte>(selectedRow()) : nullptr;
}
