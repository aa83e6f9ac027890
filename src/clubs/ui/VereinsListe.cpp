#include "VereinsListe.h"

#include "entities/Verein.h"

#include <QHeaderView>
#include <QTableView>

VereinsListe::VereinsListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->setSortingEnabled(true);
    tableView()->sortByColumn(0, Qt::AscendingOrder);
    tableView()->horizontalHeader()->setStretchLastSection(true);
    connect(tableView(), &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { emit vereinDoppelgeklickt(index.row()); });
}

void VereinsListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(Verein::vereinsNummerKomplettRow, ColumnDescription(tr("Nummer"), 80));
    columns.emplace(Verein::nameRow, ColumnDescription(tr("Name"), 300));
    setTableView(new QTableView, new CompositeTableModel({Verein::vereinsNummerKomplettRow,
                                                          Verein::nameRow},
                                                         std::move(columns)));
}

void VereinsListe::zeigeVereine(std::vector<std::unique_ptr<Verein>> vereine)
{
    replaceRows(std::move(vereine));
    const QHeaderView *header = tableView()->horizontalHeader();
    tableView()->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
}

Verein *VereinsListe::vereinInZeile(int row) const
{
    return model()->rowObjectAs<Verein>(row);
}

Verein *VereinsListe::markierterVerein() const
{
    return isExactlyOneRowSelected() ? vereinInZeile(selectedRow()) : nullptr;
}
