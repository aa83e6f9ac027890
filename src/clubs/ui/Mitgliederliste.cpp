#include "Mitgliederliste.h"

#include "CodeValueConverters.h"
#include "entities/Mitglied.h"

#include <QHeaderView>
#include <QTableView>

Mitgliederliste::Mitgliederliste(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    connect(tableView(), &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { emit zeileDoppelgeklickt(index.row()); });
}

void Mitgliederliste::createTableView()
{
    std::map<int, ColumnDescription> spalten;
    spalten.emplace(Mitglied::mitgliedsNummerKomplettRow,
                    ColumnDescription(tr("Mitgliedsnummer"), 130));
    spalten.emplace(Mitglied::vornameRow, ColumnDescription(tr("Vorname"), 120));
    spalten.emplace(Mitglied::nachnameRow, ColumnDescription(tr("Nachname"), 120));
    spalten.emplace(Mitglied::mitgliedsArtRow,
                    ColumnDescription(tr("Mitgliedsart"), 170, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("Mitgliedsart"))));
    spalten.emplace(Mitglied::jugendRow,
                    ColumnDescription(tr("Jugend"), 60, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("Jugend"))));
    spalten.emplace(Mitglied::datumGeburtRow, ColumnDescription(tr("Geburtsdatum"), 110, SortAsText,
                                                                std::make_unique<DateConverter>()));
    spalten.emplace(Mitglied::beitragBezahltBisRow,
                    ColumnDescription(tr("Beitrag bezahlt bis"), 120, SortAsText,
                                      std::make_unique<DateConverter>()));
    auto *view = new QTableView;
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setStretchLastSection(true);
    setTableView(view, new CompositeTableModel(
                           {Mitglied::mitgliedsNummerKomplettRow, Mitglied::vornameRow,
                            Mitglied::nachnameRow, Mitglied::mitgliedsArtRow, Mitglied::jugendRow,
                            Mitglied::datumGeburtRow, Mitglied::beitragBezahltBisRow},
                           std::move(spalten)));
}

Mitglied *Mitgliederliste::mitgliedAt(int row) const
{
    return model()->rowObjectAs<Mitglied>(row);
}

int Mitgliederliste::zeileVon(qlonglong id) const
{
    for (int row = 0; row < rowCount(); ++row) {
        const Mitglied *mitglied = mitgliedAt(row);
        if (mitglied && mitglied->hasId() && mitglied->getId() == id)
            return row;
    }
    return -1;
}
