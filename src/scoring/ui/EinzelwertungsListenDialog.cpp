#include "EinzelwertungsListenDialog.h"

#include "DatabaseContext.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "joins/EinzelwertungenExterneJurorenJoinController.h"
#include "joins/EinzelwertungenMitgliederJoinController.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

const QString kOrt = QStringLiteral("EinzelwertungsListenDialog");
using EA = EinzelwertungsAnzeigeJoinModel;

} // namespace

EinzelwertungsListe::EinzelwertungsListe(DatabaseContext &ctx, QWidget *parent)
    : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void EinzelwertungsListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(EA::personVornameRow, ColumnDescription(tr("Vorname"), 140));
    columns.emplace(EA::personNachnameRow, ColumnDescription(tr("Nachname"), 140));
    columns.emplace(EA::einzelWertungBewertungRow,
                    ColumnDescription(tr("Bewertung"), 80, SortAsInt));
    setTableView(new QTableView,
                 new CompositeTableModel(
                     {EA::personVornameRow, EA::personNachnameRow, EA::einzelWertungBewertungRow},
                     std::move(columns)));
}

void EinzelwertungsListe::lade(qlonglong wertung)
{
    EinzelwertungsAnzeigeJoinSearchModel suche;
    suche.setEinzelWertungWertung(wertung);
    auto zeilen = EinzelwertungenMitgliederJoinController().search(context(), suche);
    for (auto &extern_ : EinzelwertungenExterneJurorenJoinController().search(context(), suche))
        zeilen.push_back(std::move(extern_));
    const auto schluessel = [](const EA &z) {
        return std::make_tuple(z.rawValueAt(EA::personNachnameRow).toString(),
                               z.rawValueAt(EA::personVornameRow).toString(), z.getJuriertBeiId());
    };
    std::sort(zeilen.begin(), zeilen.end(),
              [&](const auto &a, const auto &b) { return schluessel(*a) < schluessel(*b); });
    replaceRows(std::move(zeilen));
}

EinzelwertungsListenDialog::EinzelwertungsListenDialog(DatabaseContext &ctx, qlonglong wertung,
                                                       const QString &bildTitel, QWidget *parent)
    : QDialog(parent)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne EinzelwertungsListenDialog"));
    setWindowTitle(tr("Einzelwertungen zu Bild %1").arg(bildTitel));
    setModal(true);
    m_liste = new EinzelwertungsListe(ctx);
    try {
        m_liste->lade(wertung);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(ctx, this, kOrt, fehler);
    }
    auto *schliessen = new QPushButton(tr("S&chliessen"));
    schliessen->setObjectName(QStringLiteral("schliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    resize(460, 320);
}
