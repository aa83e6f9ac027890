#include "WettbewerbsSucheDialog.h"

#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "Meldungen.h"
#include "Mitgliedersuche.h"
#include "PersistenceException.h"
#include "QueryConditions.h"
#include "VereinsSucheDialog.h"
#include "controllers/WettbewerbController.h"
#include "entities/Verein.h"
#include "entities/Wettbewerb.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("WettbewerbsSucheDialog");
}

WettbewerbsListe::WettbewerbsListe(DatabaseContext &ctx, QWidget *parent) : ListWidget(ctx, parent)
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->setSortingEnabled(true);
    tableView()->sortByColumn(0, Qt::AscendingOrder);
    tableView()->horizontalHeader()->setStretchLastSection(true);
    connect(tableView(), &QTableView::doubleClicked, this, &WettbewerbsListe::zeileDoppelgeklickt);
}

void WettbewerbsListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    columns.emplace(Wettbewerb::nummerRow, ColumnDescription(tr("Nummer"), 90));
    columns.emplace(Wettbewerb::nameRow, ColumnDescription(tr("Name"), 240));
    columns.emplace(Wettbewerb::ortRow, ColumnDescription(tr("Ort"), 140));
    columns.emplace(Wettbewerb::datumRow,
                    ColumnDescription(tr("Datum"), 90, SortAsText, std::make_unique<DateConverter>()));
    columns.emplace(Wettbewerb::statusRow,
                    ColumnDescription(tr("Status"), 160, SortAsText,
                                      std::make_unique<CodeValueKurzTextVariantConverter>(
                                          context(), QStringLiteral("WettbewerbsStatus"))));
    setTableView(new QTableView,
                 new CompositeTableModel({Wettbewerb::nummerRow, Wettbewerb::nameRow,
                                          Wettbewerb::ortRow, Wettbewerb::datumRow,
                                          Wettbewerb::statusRow},
                                         std::move(columns)));
}

Wettbewerb *WettbewerbsListe::markierterWettbewerb() const
{
    return isExactlyOneRowSelected() ? model()->rowObjectAs<Wettbewerb>(selectedRow()) : nullptr;
}

WettbewerbsSucheDialog::WettbewerbsSucheDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne WettbewerbsSucheDialog"));
    setWindowTitle(tr("Wettbewerb suchen"));
    setModal(false);
    m_nummer = FieldFactory::createLineEdit(true);
    m_nummer->setObjectName(QStringLiteral("nummer"));
    m_name = FieldFactory::createLineEdit(true);
    m_name->setObjectName(QStringLiteral("name"));
    m_ort = FieldFactory::createLineEdit(true);
    m_ort->setObjectName(QStringLiteral("ort"));
    m_verein = FieldFactory::createLineEdit(false);
    m_verein->setObjectName(QStringLiteral("verein"));
    auto *vereinWaehlen = new QPushButton(tr("&Verein waehlen"));
    vereinWaehlen->setAutoDefault(false);
    connect(vereinWaehlen, &QPushButton::clicked, this, &WettbewerbsSucheDialog::waehleVerein);

    auto *felder = new QGridLayout;
    int r = 0;
    for (const auto &[label, feld] : std::initializer_list<std::pair<QString, QWidget *>>{
             {tr("Wettbewerbsnummer"), m_nummer},
             {tr("Wettbewerbsname"), m_name},
             {tr("Ort"), m_ort}}) {
        felder->addWidget(FieldFactory::createLabel(label), r, 0);
        felder->addWidget(feld, r++, 1, 1, 2);
    }
    felder->addWidget(FieldFactory::createLabel(tr("Ausrichter")), r, 0);
    felder->addWidget(m_verein, r, 1);
    felder->addWidget(vereinWaehlen, r, 2);
    felder->setColumnStretch(1, 1);
    auto *suchen = new QPushButton(tr("&Suchen"));
    suchen->setDefault(true);
    connect(suchen, &QPushButton::clicked, this, &WettbewerbsSucheDialog::sucheWettbewerbe);
    auto *suche = new QGroupBox(tr("Wettbewerb suchen"));
    auto *sucheLayout = new QVBoxLayout(suche);
    sucheLayout->addLayout(felder);
    auto *suchKnopf = new QHBoxLayout;
    suchKnopf->addStretch();
    suchKnopf->addWidget(suchen);
    sucheLayout->addLayout(suchKnopf);

    m_liste = new WettbewerbsListe(ctx);
    connect(m_liste, &WettbewerbsListe::zeileDoppelgeklickt, this,
            &WettbewerbsSucheDialog::waehleWettbewerbAus);
    auto *gefunden = new QGroupBox(tr("Gefundene Wettbewerbe"));
    auto *gefundenLayout = new QVBoxLayout(gefunden);
    gefundenLayout->addWidget(m_liste);

    auto *oeffnen = new QPushButton(tr("Wettbewerb &oeffnen"));
    oeffnen->setObjectName(QStringLiteral("oeffnen"));
    auto *schliessen = new QPushButton(tr("S&chliessen"));
    for (QPushButton *k : {oeffnen, schliessen})
        k->setAutoDefault(false);
    connect(oeffnen, &QPushButton::clicked, this, &WettbewerbsSucheDialog::waehleWettbewerbAus);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(oeffnen);
    knoepfe->addWidget(schliessen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(suche);
    layout->addWidget(gefunden, 1);
    layout->addLayout(knoepfe);
    resize(720, 560);
    sucheWettbewerbe();
}

WettbewerbsSucheDialog::~WettbewerbsSucheDialog() = default;

void WettbewerbsSucheDialog::setzeVerein(const Verein *verein)
{
    m_gewaehlterVerein.reset(verein ? static_cast<Verein *>(verein->clone()) : nullptr);
    m_verein->setText(verein ? vereinsAnzeige(*verein) : QString());
}

void WettbewerbsSucheDialog::waehleVerein()
{
    VereinsSucheDialog dialog(m_ctx, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto verein = dialog.gewaehlterVerein();
    setzeVerein(dialog.keinVereinGewaehlt() ? nullptr : verein.get());
}

void WettbewerbsSucheDialog::sucheWettbewerbe()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Suche Wettbewerbe"));
    WettbewerbsSucheSearchModel modell;
    StrategyMap strategien;
    if (!m_nummer->text().trimmed().isEmpty()) {
        modell.setNummer(m_nummer->text().trimmed());
        strategien[WettbewerbsSucheSearchModel::nummerRow] =
            std::make_unique<StringQueryConditionStrategy>(QStringLiteral("%"));
    }
    if (!m_name->text().trimmed().isEmpty()) {
        modell.setName(m_name->text().trimmed());
        strategien[WettbewerbsSucheSearchModel::nameRow] =
            std::make_unique<ContainsQueryConditionStrategy>();
    }
    if (!m_ort->text().trimmed().isEmpty()) {
        modell.setOrt(m_ort->text().trimmed());
        strategien[WettbewerbsSucheSearchModel::ortRow] =
            std::make_unique<ContainsQueryConditionStrategy>();
    }
    if (m_gewaehlterVerein && m_gewaehlterVerein->hasId())
        modell.setVerein(m_gewaehlterVerein->getId());
    try {
        m_liste->replaceRows(WettbewerbController().search(m_ctx, modell, std::move(strategien)));
    } catch (const PersistenceException &fehler) {
        m_liste->replaceRows(std::vector<std::unique_ptr<Wettbewerb>>());
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    const QHeaderView *header = m_liste->tableView()->horizontalHeader();
    m_liste->tableView()->sortByColumn(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (m_liste->rowCount() > 0)
        m_liste->selectRow(0);
}

void WettbewerbsSucheDialog::waehleWettbewerbAus()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Waehle Wettbewerb aus"));
    Wettbewerb *wettbewerb = m_liste->markierterWettbewerb();
    if (!wettbewerb) {
        showError(m_ctx, this, kOrt, tr("Kein Wettbewerb markiert"),
                  tr("Bitte markieren Sie zunaechst einen der gefundenen Wettbewerbe."));
        return;
    }
    emit wettbewerbAusgewaehlt(wettbewerb);
}
