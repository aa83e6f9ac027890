#include "BilderWertungsDialog.h"

#include "BildBearbeitenDialog.h"
#include "DatabaseContext.h"
#include "EinzelwertungsListenDialog.h"
#include "Knoepfe.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "VollbildAnsehenDialog.h"
#include "controllers/BildController.h"
#include "entities/Bild.h"
#include "entities/Durchgang.h"
#include "entities/Wettbewerb.h"
#include "joins/BilderSucheJoinController.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kOrt = QStringLiteral("BilderWertungsDialog");
using BS = BilderSucheJoinModel;

} // namespace

BilderWertungsListe::BilderWertungsListe(DatabaseContext &ctx, QWidget *parent)
    : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void BilderWertungsListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(BS::wertungPositionImDurchgangRow,
                    ColumnDescription(tr("Position"), 70, SortAsInt));
    columns.emplace(BS::bildTitelRow, ColumnDescription(tr("Titel"), 220));
    columns.emplace(BS::mitgliedVornameRow, ColumnDescription(tr("Vorname"), 120));
    columns.emplace(BS::mitgliedNachnameRow, ColumnDescription(tr("Nachname"), 120));
    columns.emplace(BS::wertungBewertungRow, ColumnDescription(tr("Bewertung"), 80, SortAsInt));
    setTableView(new QTableView,
                 new CompositeTableModel({BS::wertungPositionImDurchgangRow, BS::bildTitelRow,
                                          BS::mitgliedVornameRow, BS::mitgliedNachnameRow,
                                          BS::wertungBewertungRow},
                                         std::move(columns)));
}

void BilderWertungsListe::lade(qlonglong durchgang)
{
    BilderSucheJoinSearchModel suche;
    suche.setWertungDurchgang(durchgang);
    lade(suche);
}

void BilderWertungsListe::lade(const BilderSucheJoinSearchModel &suche)
{
    auto zeilen = BilderSucheJoinController().search(context(), suche);
    std::sort(zeilen.begin(), zeilen.end(), [](const auto &a, const auto &b) {
        return std::make_pair(a->getDurchgangId(), a->getWertungPositionImDurchgang()) <
               std::make_pair(b->getDurchgangId(), b->getWertungPositionImDurchgang());
    });
    replaceRows(std::move(zeilen));
}

BilderSucheJoinModel *BilderWertungsListe::markierteZeile() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<BS>(selectedRow()) : nullptr;
}

BilderWertungsDialog::BilderWertungsDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                           const Durchgang &durchgang, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(wettbewerb)
{
    BilderSucheJoinSearchModel suche;
    suche.setWertungDurchgang(durchgang.getId());
    baue(suche, tr("Wertungen des Durchgangs"));
}

BilderWertungsDialog::BilderWertungsDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                           const BilderSucheJoinSearchModel &suche,
                                           const QString &titel, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(wettbewerb)
{
    baue(suche, titel);
}

void BilderWertungsDialog::baue(const BilderSucheJoinSearchModel &suche, const QString &titel)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne BilderWertungsDialog"));
    setWindowTitle(titel);
    setModal(true);
    m_liste = new BilderWertungsListe(m_ctx);
    try {
        m_liste->lade(suche);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BilderWertungsDialog::aktualisiere);
    connect(m_liste->tableView(), &QTableView::doubleClicked, this,
            &BilderWertungsDialog::seheEinzelwertungenAn);

    using Knoepfe::knopf;
    m_details = knopf(this, tr("Bilddetails &ansehen"), "details",
                      &BilderWertungsDialog::seheBilddetailsAn);
    m_vollbild =
        knopf(this, tr("&Vollbild ansehen"), "vollbild", &BilderWertungsDialog::seheVollbildAn);
    m_einzelwertungen = knopf(this, tr("&Einzelwertungen ansehen"), "einzelwertungen",
                              &BilderWertungsDialog::seheEinzelwertungenAn);
    auto *schliessen = knopf(this, tr("S&chliessen"), "schliessen", &QDialog::accept);
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *k : {m_details, m_vollbild, m_einzelwertungen})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    resize(760, 520);
    if (m_liste->rowCount() > 0)
        m_liste->selectRow(0);
    aktualisiere();
}

BilderWertungsDialog::~BilderWertungsDialog() = default;

void BilderWertungsDialog::aktualisiere()
{
    const bool markiert = m_liste->markierteZeile();
    m_details->setEnabled(markiert);
    m_vollbild->setEnabled(markiert);
    m_einzelwertungen->setEnabled(markiert);
}

void BilderWertungsDialog::seheBilddetailsAn()
{
    const BS *zeile = m_liste->markierteZeile();
    if (!zeile)
        return;
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bilddetails ansehen"));
    std::unique_ptr<Bild> bild;
    try {
        bild = BildController().readById(m_ctx, zeile->getBildId(), true);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    if (!bild)
        return;
    BildBearbeitenDialog dialog(m_ctx, Modus::ANSEHEN, m_wettbewerb, bild.get(), nullptr, this);
    dialog.exec();
}

void BilderWertungsDialog::seheVollbildAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Vollbild ansehen"));
    if (!m_liste->markierteZeile())
        return;
    std::vector<qlonglong> ids;
    for (int zeile = 0; zeile < m_liste->rowCount(); ++zeile)
        ids.push_back(m_liste->model()->rowObjectAs<BS>(zeile)->getBildId());
    VollbildAnsehenDialog dialog(m_ctx, std::move(ids), m_liste->selectedRow(), this);
    dialog.exec();
}

void BilderWertungsDialog::seheEinzelwertungenAn()
{
    const BS *zeile = m_liste->markierteZeile();
    if (!zeile)
        return;
    EinzelwertungsListenDialog dialog(m_ctx, zeile->getWertungId(), zeile->getBildTitel(), this);
    dialog.exec();
}
