#include "TeilnehmerListenWidget.h"

#include "DatabaseContext.h"
#include "Meldungen.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliederSucheDialog.h"
#include "PersistenceException.h"
#include "TeilnehmerService.h"
#include "WettbewerbsStatus.h"
#include "controllers/MitgliedController.h"
#include "controllers/WettbewerbsTeilnahmeController.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"
#include "joins/WettbewerbsTeilnahmeJoinController.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("TeilnehmerListenWidget");
using TJ = WettbewerbsTeilnahmeJoinModel;
} // namespace

TeilnehmerListe::TeilnehmerListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->setSortingEnabled(true);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void TeilnehmerListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(TJ::mitgliedVornameRow, ColumnDescription(tr("Vorname"), 140));
    columns.emplace(TJ::mitgliedNachnameRow, ColumnDescription(tr("Nachname"), 140));
    columns.emplace(TJ::mitgliedMitgliedsNummerKomplettRow,
                    ColumnDescription(tr("Mitgliedsnummer"), 120));
    columns.emplace(TJ::vereinNameRow, ColumnDescription(tr("Verein"), 200));
    setTableView(new QTableView,
                 new CompositeTableModel({TJ::mitgliedVornameRow, TJ::mitgliedNachnameRow,
                                          TJ::mitgliedMitgliedsNummerKomplettRow,
                                          TJ::vereinNameRow},
                                         std::move(columns)));
}

void TeilnehmerListe::lade(const Wettbewerb &wettbewerb)
{
    WettbewerbsTeilnahmeJoinSearchModel suche;
    suche.setWettbewerbsTeilnahmeWettbewerb(wettbewerb.getId());
    replaceRows(WettbewerbsTeilnahmeJoinController().search(context(), suche));
    model()->sort(model()->columnOfAttribute(TJ::mitgliedNachnameRow));
}

WettbewerbsTeilnahmeJoinModel *TeilnehmerListe::markierteZeile() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<TJ>(selectedRow()) : nullptr;
}

TeilnehmerStatusListe::TeilnehmerStatusListe(DatabaseContext &ctx, QWidget *parent)
    : QTableWidget(0, 5, parent), m_ctx(ctx)
{
    setHorizontalHeaderLabels({tr("Vorname"), tr("Nachname"), tr("Mitgliedsnummer"), tr("Sparte"),
                               tr("Anzahl Bilder")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
}

void TeilnehmerStatusListe::lade(const Wettbewerb &wettbewerb)
{
    const std::vector<TeilnehmerStatus> zeilen = TeilnehmerService::statusListe(m_ctx, wettbewerb);
    setRowCount(int(zeilen.size()));
    for (int r = 0; r < int(zeilen.size()); ++r) {
        const TeilnehmerStatus &z = zeilen[size_t(r)];
        const QStringList werte{z.vorname, z.nachname, z.mitgliedsnummer, z.spartenName,
                                QString::number(z.anzahlBilder)};
        for (int c = 0; c < werte.size(); ++c)
            setItem(r, c, new QTableWidgetItem(werte[c]));
    }
}

TeilnehmerListenWidget::TeilnehmerListenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                               const Verein *aktiverVerein, bool editierbar,
                                               QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb),
      m_verein(aktiverVerein ? static_cast<Verein *>(aktiverVerein->clone()) : nullptr),
      m_editierbar(editierbar)
{
    m_liste = new TeilnehmerListe(ctx);
    m_status = new TeilnehmerStatusListe(ctx);
    m_suchen = new QPushButton(tr("Mitglied Suchen \n und Hi&nzufuegen"));
    m_suchen->setObjectName(QStringLiteral("suchen"));
    m_anlegen = new QPushButton(tr("&Mitglied Anlegen \n und Hinzufuegen"));
    m_anlegen->setObjectName(QStringLiteral("anlegen"));
    m_ansehen = new QPushButton(tr("Mitglied\n &Ansehen"));
    m_ansehen->setObjectName(QStringLiteral("ansehen"));
    m_entfernen = new QPushButton(tr("Mitg&lied\n Entfernen"));
    m_entfernen->setObjectName(QStringLiteral("entfernen"));
    connect(m_suchen, &QPushButton::clicked, this, &TeilnehmerListenWidget::fuegeTeilnehmerHinzu);
    connect(m_anlegen, &QPushButton::clicked, this, &TeilnehmerListenWidget::legeMitgliedAn);
    connect(m_ansehen, &QPushButton::clicked, this, &TeilnehmerListenWidget::seheTeilnehmerAn);
    connect(m_entfernen, &QPushButton::clicked, this, &TeilnehmerListenWidget::entferneTeilnehmer);
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *k : {m_suchen, m_anlegen, m_ansehen, m_entfernen}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    auto *oben = new QHBoxLayout;
    oben->addWidget(m_liste, 1);
    oben->addLayout(knoepfe);
    auto *statusGruppe = new QGroupBox(tr("Bilder je Teilnehmer und Sparte"));
    auto *statusLayout = new QVBoxLayout(statusGruppe);
    statusLayout->addWidget(m_status);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(oben, 3);
    layout->addWidget(statusGruppe, 2);
    aktualisiereListe();
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TeilnehmerListenWidget::aktualisiere);
}

TeilnehmerListenWidget::~TeilnehmerListenWidget() = default;

bool TeilnehmerListenWidget::darfAendern() const
{
    return WettbewerbsStatus::erlaubt(WettbewerbsStatus::stufe(m_ctx, m_wettbewerb),
                                      WettbewerbsStatus::Operation::TeilnehmerAendern,
                                      m_editierbar);
}

void TeilnehmerListenWidget::aktualisiere()
{
    const bool aendern = darfAendern();
    const bool markiert = m_liste->markierteZeile() != nullptr;
    m_suchen->setEnabled(aendern);
    m_anlegen->setEnabled(aendern);
    m_ansehen->setEnabled(markiert);
    m_entfernen->setEnabled(aendern && markiert);
}

void TeilnehmerListenWidget::aktualisiereListe()
{
    try {
        m_liste->lade(m_wettbewerb);
        m_status->lade(m_wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    aktualisiere();
}

bool TeilnehmerListenWidget::fuegeHinzu(const Mitglied &mitglied)
{
    try {
        if (const auto meldung = TeilnehmerService::fuegeHinzu(m_ctx, m_wettbewerb, mitglied)) {
            Meldungen::zeige(this, *meldung);
            return false;
        }
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return false;
    }
    aktualisiereListe();
    return true;
}

void TeilnehmerListenWidget::fuegeTeilnehmerHinzu()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von fuegeTeilnehmerHinzu"));
    if (!darfAendern())
        return;
    MitgliederSucheDialog dialog(m_ctx, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto mitglied = dialog.gewaehltesMitglied())
        fuegeHinzu(*mitglied);
}

void TeilnehmerListenWidget::legeMitgliedAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von legeMitgliedAn"));
    if (!darfAendern())
        return;
    Mitglied vorgabe;
    if (m_verein && m_verein->hasId())
        vorgabe.setVerein(m_verein->getId());
    else if (m_wettbewerb.hasBerechtigterVerein())
        vorgabe.setVerein(m_wettbewerb.getBerechtigterVerein());
    MitgliedBearbeitenDialog dialog(m_ctx, Modus::NEU, &vorgabe, -1, this);
    connect(&dialog, &MitgliedBearbeitenDialog::neuesMitgliedHinzugefuegt, this,
            [this](const Mitglied &mitglied) { fuegeHinzu(mitglied); });
    dialog.exec();
}

void TeilnehmerListenWidget::seheTeilnehmerAn()
{
    const TJ *zeile = m_liste->markierteZeile();
    if (!zeile)
        return;
    try {
        auto mitglied = MitgliedController().readById(m_ctx, zeile->getMitgliedId());
        if (!mitglied)
            return;
        MitgliedBearbeitenDialog dialog(m_ctx, Modus::ANSEHEN, mitglied.get(), -1, this);
        dialog.exec();
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void TeilnehmerListenWidget::entferneTeilnehmer()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von entferneTeilnehmer"));
    const TJ *zeile = m_liste->markierteZeile();
    if (!zeile || !darfAendern())
        return;
    try {
        auto teilnahme =
            WettbewerbsTeilnahmeController().readById(m_ctx, zeile->getWettbewerbsTeilnahmeId());
        if (!teilnahme)
            return;
        if (const auto verbot = TeilnehmerService::entfernVerbot(m_ctx, *teilnahme)) {
            Meldungen::zeige(this, *verbot);
            return;
        }
        if (!Meldungen::frage(this, TeilnehmerService::entfernFrage(m_ctx, *teilnahme)))
            return;
        TeilnehmerService::entferne(m_ctx, *teilnahme);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    aktualisiereListe();
}
