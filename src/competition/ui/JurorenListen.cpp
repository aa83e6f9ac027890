#include "JurorenListen.h"

#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "TastaturZuordnungVariantConverter.h"
#include "entities/ExternerJuror.h"
#include "entities/Wettbewerb.h"
#include "joins/JuriertBeiExternJoinController.h"
#include "joins/JuriertBeiMitgliedJoinController.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace {

using JP = JuriertBeiPersonJoinModel;

} // namespace

JurorenListe::JurorenListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
    connect(tableView(), &QTableView::doubleClicked, this, &JurorenListe::zeileDoppelgeklickt);
}

void JurorenListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(JP::juriertBeiArtRow,
                    ColumnDescription(tr("JuriertBeiArt"), 120, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("JuriertBeiArt"))));
    columns.emplace(JP::personVornameRow, ColumnDescription(tr("Vorname"), 120));
    columns.emplace(JP::personNachnameRow, ColumnDescription(tr("Nachname"), 120));
    columns.emplace(JP::personStaatRow,
                    ColumnDescription(tr("Staat"), 80, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("Staat"))));
    columns.emplace(JP::juriertBeiSpartenStringRow, ColumnDescription(tr("Sparten"), 200));
    columns.emplace(JP::juriertBeiIdRow,
                    ColumnDescription(tr("Hat Tastatur"), 90, SortAsText,
                                      std::make_unique<TastaturZuordnungVariantConverter>(context())));
    setTableView(new QTableView,
                 new CompositeTableModel({JP::juriertBeiArtRow, JP::personVornameRow,
                                          JP::personNachnameRow, JP::personStaatRow,
                                          JP::juriertBeiSpartenStringRow, JP::juriertBeiIdRow},
                                         std::move(columns)));
}

void JurorenListe::lade(const Wettbewerb &wettbewerb)
{
    JuriertBeiPersonJoinSearchModel suche;
    suche.setJuriertBeiWettbewerb(wettbewerb.getId());
    auto zeilen = JuriertBeiMitgliedJoinController().search(context(), suche);
    for (auto &extern_ : JuriertBeiExternJoinController().search(context(), suche))
        zeilen.push_back(std::move(extern_));
    const auto schluessel = [](const JP &z) {
        return std::make_tuple(z.rawValueAt(JP::personNachnameRow).toString(),
                               z.rawValueAt(JP::personVornameRow).toString(), z.getJuriertBeiId());
    };
    std::sort(zeilen.begin(), zeilen.end(),
              [&](const auto &a, const auto &b) { return schluessel(*a) < schluessel(*b); });
    replaceRows(std::move(zeilen));
}

JuriertBeiPersonJoinModel *JurorenListe::markierteZeile() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<JP>(selectedRow()) : nullptr;
}

int JurorenListe::zeileVon(qlonglong juriertBei) const
{
    for (int r = 0; r < rowCount(); ++r)
        if (model()->rowObjectAs<JP>(r)->getJuriertBeiId() == juriertBei)
            return r;
    return -1;
}

ExterneJurorenListe::ExterneJurorenListe(DatabaseContext &ctx, QWidget *parent)
    : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void ExterneJurorenListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(ExternerJuror::nummerRow, ColumnDescription(tr("Nummer"), 80));
    columns.emplace(Person::vornameRow, ColumnDescription(tr("Vorname"), 160));
    columns.emplace(Person::nachnameRow, ColumnDescription(tr("Nachname"), 160));
    setTableView(new QTableView,
                 new CompositeTableModel({ExternerJuror::nummerRow, Person::vornameRow,
                                          Person::nachnameRow},
                                         std::move(columns)));
}

ExternerJuror *ExterneJurorenListe::jurorAt(int row) const
{
    return model()->rowObjectAs<ExternerJuror>(row);
}
