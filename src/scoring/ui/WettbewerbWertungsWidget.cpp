#include "WettbewerbWertungsWidget.h"

#include "BilderWertungsDialog.h"
#include "CodeManager.h"
#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "DurchgangBearbeitenDialog.h"
#include "ExportInDatei.h"
#include "ExportStrategien.h"
#include "Knoepfe.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "VollbildWertungsDialog.h"
#include "WertungsHelper.h"
#include "WettbewerbBearbeitenDialog.h"
#include "WettbewerbsStatus.h"
#include "controllers/DurchgangController.h"
#include "entities/Durchgang.h"
#include "entities/JuriertBei.h"
#include "entities/Wettbewerb.h"
#include "joins/DurchgangsListeJoinController.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace {

const QString kOrt = QStringLiteral("WettbewerbWertungsWidget");
using DL = DurchgangsListeJoinModel;
using Operation = WettbewerbsStatus::Operation;

} // namespace

DurchgangsListe::DurchgangsListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void DurchgangsListe::createTableView()
{
    const auto code = [this](const char *typ) {
        return std::make_unique<CodeValueKurzTextVariantConverter>(context(),
                                                                   QString::fromLatin1(typ));
    };
    std::map<int, ColumnDescription> columns;
    columns.emplace(DL::sparteNameRow, ColumnDescription(tr("Sparte"), 140));
    columns.emplace(DL::durchgangJugendRow,
                    ColumnDescription(tr("Jugend"), 70, SortAsText, code("Jugend")));
    columns.emplace(DL::durchgangArtRow,
                    ColumnDescription(tr("Durchgang"), 140, SortAsText,
                                      std::make_unique<DurchgangsNameVariantConverter>(context())));
    columns.emplace(DL::durchgangStatusRow,
                    ColumnDescription(tr("Status"), 100, SortAsText, code("DurchgangsStatus")));
    columns.emplace(
        DL::durchgangSortierModusRow,
        ColumnDescription(tr("Sortierung"), 100, SortAsText, code("SpartenSortierModus")));
    columns.emplace(DL::durchgangReihenfolgeGeneriertRow,
                    ColumnDescription(tr("Reihenfolge generiert"), 140, SortAsText,
                                      std::make_unique<BoolConverter>()));
    setTableView(
        new QTableView,
        new CompositeTableModel({DL::sparteNameRow, DL::durchgangJugendRow, DL::durchgangArtRow,
                                 DL::durchgangStatusRow, DL::durchgangSortierModusRow,
                                 DL::durchgangReihenfolgeGeneriertRow},
                                std::move(columns)));
}

void DurchgangsListe::lade(const Wettbewerb &wettbewerb)
{
    DurchgangsListeJoinSearchModel suche;
    suche.setSparteWettbewerb(wettbewerb.getId());
    auto zeilen = DurchgangsListeJoinController().search(context(), suche);
    std::sort(zeilen.begin(), zeilen.end(), [](const auto &a, const auto &b) {
        return std::make_pair(a->getSparteId(), a->getDurchgangId()) <
               std::make_pair(b->getSparteId(), b->getDurchgangId());
    });
    replaceRows(std::move(zeilen));
}

DurchgangsListeJoinModel *DurchgangsListe::markierteZeile() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<DL>(selectedRow()) : nullptr;
}

int DurchgangsListe::zeileVon(qlonglong durchgang) const
{
    for (int r = 0; r < rowCount(); ++r)
        if (model()->rowObjectAs<DL>(r)->getDurchgangId() == durchgang)
            return r;
    return -1;
}

WettbewerbWertungsWidget::WettbewerbWertungsWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                   bool editierbar, Tastaturen tastaturen,
                                                   QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_editierbar(editierbar),
      m_tastaturen(std::move(tastaturen))
{
    m_liste = new DurchgangsListe(ctx);
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WettbewerbWertungsWidget::aktualisiere);

    using W = WettbewerbWertungsWidget;
    using Knoepfe::knopf;
    m_ansehen = knopf(this, tr("Einstellungen Anse&hen"), "einstellungenAnsehen",
                      &W::oeffneEinstellungenAnsehenDialog);
    m_bearbeiten = knopf(this, tr("&Einstellungen bearbeiten"), "einstellungenBearbeiten",
                         &W::oeffneEinstellungenBearbeitenDialog);
    m_generieren = knopf(this, tr("Reihen&folge Generieren"), "reihenfolgeGenerieren",
                         &W::reihenfolgeGenerieren);
    m_speichern = knopf(this, tr("Reihe&nfolge Speichern"), "reihenfolgeSpeichern",
                        &W::reihenfolgeExportieren);
    m_beginnen = knopf(this, tr("Wertung &beginnen\n bzw. fortsetzen"), "wertungBeginnen",
                       &W::oeffneWertungBeginnenDialog);
    m_wertungen =
        knopf(this, tr("Wertungen &ansehen"), "wertungenAnsehen", &W::oeffneBilderAnsehenDialog);
    connect(m_liste->tableView(), &QTableView::doubleClicked, this,
            &W::oeffneEinstellungenAnsehenDialog);
    Knoepfe::listeMitKnoepfen(
        this, m_liste,
        {m_ansehen, m_bearbeiten, m_generieren, m_speichern, m_beginnen, m_wertungen});
    aktualisiereListe();
}

WettbewerbWertungsWidget::~WettbewerbWertungsWidget() = default;

void WettbewerbWertungsWidget::aktualisiereListe()
{
    const DL *vorher = m_liste->markierteZeile();
    const qlonglong markiert = vorher ? vorher->getDurchgangId() : -1;
    try {
        m_liste->lade(m_wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    m_liste->selectRow(markiert >= 0 ? m_liste->zeileVon(markiert) : -1);
    aktualisiere();
}

void WettbewerbWertungsWidget::aktualisiere()
{
    const WettbewerbsStatus::Stufe stufe = WettbewerbsStatus::stufe(m_ctx, m_wettbewerb);
    const DL *zeile = m_liste->markierteZeile();
    const auto status = [&](const char *wert) {
        return zeile && m_ctx.codeManager().isCodeValueAt(*zeile, DL::durchgangStatusRow,
                                                          "DurchgangsStatus", wert);
    };
    const bool generiert = zeile && zeile->hasDurchgangReihenfolgeGeneriert() &&
                           zeile->getDurchgangReihenfolgeGeneriert();
    const bool wertung = WettbewerbsStatus::erlaubt(stufe, Operation::Wertung, m_editierbar);
    m_ansehen->setEnabled(zeile);
    m_bearbeiten->setEnabled(
        zeile && WettbewerbsStatus::erlaubt(stufe, Operation::DurchgangBearbeiten, m_editierbar));
    m_generieren->setEnabled(wertung && status("ANGELEGT"));
    m_speichern->setEnabled(generiert);
    m_beginnen->setEnabled(wertung && generiert);
    m_wertungen->setEnabled(zeile && !status("ANGELEGT"));
}

std::unique_ptr<Durchgang> WettbewerbWertungsWidget::markierterDurchgang()
{
    const DL *zeile = m_liste->markierteZeile();
    if (!zeile)
        return nullptr;
    try {
        return DurchgangController().readById(m_ctx, zeile->getDurchgangId());
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return nullptr;
    }
}

void WettbewerbWertungsWidget::oeffneEinstellungen(bool bearbeiten)
{
    const auto durchgang = markierterDurchgang();
    if (!durchgang)
        return;
    DurchgangBearbeitenDialog dialog(m_ctx, bearbeiten ? Modus::BEARBEITEN : Modus::ANSEHEN,
                                     *durchgang, this);
    dialog.exec();
    if (bearbeiten)
        aktualisiereListe();
}

void WettbewerbWertungsWidget::oeffneEinstellungenAnsehenDialog()
{
    oeffneEinstellungen(false);
}

void WettbewerbWertungsWidget::oeffneEinstellungenBearbeitenDialog()
{
    oeffneEinstellungen(true);
}

void WettbewerbWertungsWidget::reihenfolgeGenerieren()
{
    const auto durchgang = markierterDurchgang();
    if (!durchgang)
        return;
    try {
        if (const auto verweigert =
                WertungsHelper::pruefeReihenfolgeGenerieren(m_ctx, *durchgang)) {
            Meldungen::zeige(this, *verweigert);
            return;
        }
        if (const auto frage = WertungsHelper::ueberschreibFrage(*durchgang)) {
            if (!Meldungen::frage(this, *frage))
                return;
        }
        if (const auto ohne = WertungsHelper::pruefeSortierung(m_ctx, *durchgang)) {
            Meldungen::zeige(this, *ohne);
            return;
        }
        WertungsHelper::reihenfolgeGenerieren(m_ctx, m_wettbewerb, *durchgang);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    aktualisiereListe();
}

void WettbewerbWertungsWidget::reihenfolgeExportieren()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Reihenfolge Speichern"));
    const DL *zeile = m_liste->markierteZeile();
    if (!zeile)
        return;
    const qlonglong durchgang = zeile->getDurchgangId();
    if (exportiereInDatei(
            this, m_ctx, [durchgang] { return ExportStrategien::bildNummern(durchgang); },
            {ExportFilter::csv()}))
        zeigeExportErfolg(this);
}

bool WettbewerbWertungsWidget::bereiteWertungVor(Durchgang &durchgang)
{
    if (const auto verweigert = WertungsHelper::pruefeWertungBeginnen(m_ctx, durchgang)) {
        Meldungen::zeige(this, *verweigert);
        return false;
    }
    if (WertungsHelper::istBeendet(m_ctx, durchgang)) {
        for (const Meldung &frage : WertungsHelper::wiederOeffnenFragen())
            if (!Meldungen::frage(this, frage))
                return false;
        WertungsHelper::wiederOeffnen(m_ctx, durchgang);
        aktualisiereListe();
    }
    if (const auto verweigert = WertungsHelper::pruefeReferenz(m_ctx, durchgang)) {
        Meldungen::zeige(this, *verweigert);
        return false;
    }
    if (!Meldungen::frage(this, WertungsHelper::beginnenFrage()))
        return false;
    WertungsHelper::starte(m_ctx, m_wettbewerb, durchgang);
    return true;
}

void WettbewerbWertungsWidget::oeffneWertungBeginnenDialog()
{
    const auto durchgang = markierterDurchgang();
    if (!durchgang)
        return;
    try {
        if (!bereiteWertungVor(*durchgang))
            return;
        aktualisiereListe();
        zeigeWertungsDialog(*durchgang);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    aktualisiereListe();
}

void WettbewerbWertungsWidget::zeigeWertungsDialog(Durchgang &durchgang)
{
    VollbildWertungsDialog dialog(m_ctx, m_wettbewerb, durchgang,
                                  m_tastaturen ? m_tastaturen() : nullptr,
                                  WertungsHelper::juroren(m_ctx, durchgang), this);
    dialog.setup();
    dialog.exec();
}

void WettbewerbWertungsWidget::oeffneBilderAnsehenDialog()
{
    const auto durchgang = markierterDurchgang();
    if (!durchgang)
        return;
    BilderWertungsDialog dialog(m_ctx, m_wettbewerb, *durchgang, this);
    dialog.exec();
}

namespace WertungsReiter {

void registriere(WettbewerbWertungsWidget::Tastaturen tastaturen)
{
    WettbewerbBearbeitenDialog::setzeReiter(
        WettbewerbBearbeitenDialog::Reiter::Wertung,
        [tastaturen](DatabaseContext &ctx, Wettbewerb &wettbewerb, bool editierbar) -> QWidget * {
            return new WettbewerbWertungsWidget(ctx, wettbewerb, editierbar, tastaturen);
        });
}

} // namespace WertungsReiter
