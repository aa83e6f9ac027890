#include "TrefferListe.h"

#include "CodeValueConverters.h"
#include "Treffersuche.h"
#include "entities/Session.h"
#include "joins/EventLogListeJoinModel.h"
#include "joins/QueryLogListeJoinModel.h"

#include "DatabaseContext.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

#include <iostream>

QPushButton *neuerKnopf(const QString &text, const char *name, QBoxLayout *zeile)
{
    auto *knopf = new QPushButton(text);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoDefault(false);
    if (zeile)
        zeile->addWidget(knopf);
    return knopf;
}

TrefferModell::~TrefferModell() = default;

void TrefferModell::setzeSuche(std::unique_ptr<Treffersuche> suche)
{
    clear();
    m_anzahl = 0;
    m_suche = std::move(suche);
    appendRows(m_suche->naechsteSeite(kSeite));
    m_anzahl = rowCount() < kSeite ? rowCount() : -1;
}

qlonglong TrefferModell::anzahl()
{
    if (m_anzahl < 0)
        m_anzahl = m_suche ? m_suche->anzahl() : rowCount();
    return m_anzahl;
}

void TrefferModell::ladeAlles()
{
    while (canFetchMore(QModelIndex()))
        fetchMore(QModelIndex());
}

bool TrefferModell::lade(qlonglong row, int maxSeiten)
{
    for (int seite = 0; row >= rowCount() && seite < maxSeiten && canFetchMore(QModelIndex());
         ++seite)
        fetchMore(QModelIndex());
    return row < rowCount();
}

void TrefferModell::leere()
{
    clear();
    m_suche.reset();
    m_anzahl = 0;
}

bool TrefferModell::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_suche && m_suche->hatMehr();
}

void TrefferModell::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    try {
        appendRows(m_suche->naechsteSeite(kSeite));
    } catch (const std::exception &) {
        // The list keeps what it has; the next search reports the failure.
        std::cerr << "TrefferModell::fetchMore: reading the next page failed" << std::endl;
        m_suche.reset();
    }
}

TrefferListe::TrefferListe(DatabaseContext &ctx, std::vector<Spalte> spalten, QWidget *parent)
    : ListWidget(ctx, parent), m_spalten(std::move(spalten))
{
    initialise();
    connect(tableView(), &QTableView::doubleClicked, this, &TrefferListe::zeileDoppelgeklickt);
}

void TrefferListe::createTableView()
{
    std::map<int, ColumnDescription> columns;
    QList<int> order;
    for (const Spalte &spalte : m_spalten) {
        std::unique_ptr<VariantConverter> converter;
        if (spalte.art == Spalte::Zeitstempel)
            converter = std::make_unique<TimeStampConverter>();
        else if (spalte.art == Spalte::JaNein)
            converter = std::make_unique<BoolConverter>();
        else if (spalte.art == Spalte::Abfrageart)
            converter = std::make_unique<CodeValueKurzTextVariantConverter>(
                context(), QStringLiteral("QueryType"));
        columns.emplace(spalte.row, ColumnDescription(spalte.header, spalte.width, SortAsText,
                                                      std::move(converter)));
        order << spalte.row;
    }
    auto *view = new QTableView;
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setStretchLastSection(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    setTableView(view, new TrefferModell(order, std::move(columns)));
}

TrefferModell *TrefferListe::treffer() const
{
    return static_cast<TrefferModell *>(model());
}

Record *TrefferListe::markiert() const
{
    return isExactlyOneRowSelected() ? model()->rowObject(selectedRow()) : nullptr;
}

Record *TrefferListe::markiertFuer(const QString &ort, const QString &aktion) const
{
    Record *zeile = markiert();
    context().log(QStringLiteral("Dialog"), ort, 7,
                  zeile ? QStringLiteral("Aufruf von ") + aktion
                        : QStringLiteral("Kein Aufruf von %1, da nichts markiert").arg(aktion));
    return zeile;
}

SessionList::SessionList(DatabaseContext &ctx, QWidget *parent)
    : TrefferListe(ctx,
                   {{Session::start_tistRow, tr("Gestartet"), 140, Spalte::Zeitstempel},
                    {Session::end_tistRow, tr("Beendet"), 140, Spalte::Zeitstempel},
                    {Session::benutzernameRow, tr("Benutzername"), 120},
                    {Session::hostnameRow, tr("Rechner"), 140},
                    {Session::retCodeRow, tr("Rueckgabewert"), 100}},
                   parent)
{
}

EventLogList::EventLogList(DatabaseContext &ctx, QWidget *parent)
    : TrefferListe(ctx,
                   {{EventLogListeJoinModel::eventLogExecution_tistRow, tr("Zeitstempel"), 140,
                     Spalte::Zeitstempel},
                    {EventLogListeJoinModel::eventLogLevelRow, tr("Log-Level"), 70},
                    {EventLogListeJoinModel::categoryNameRow, tr("Kategorie"), 110},
                    {EventLogListeJoinModel::eventLogLocationRow, tr("Standort"), 170},
                    {EventLogListeJoinModel::eventLogTextRow, tr("Text"), 300}},
                   parent)
{
}

QueryLogList::QueryLogList(DatabaseContext &ctx, QWidget *parent)
    : TrefferListe(ctx,
                   {{QueryLogListeJoinModel::queryLogExecution_tistRow, tr("Zeitstempel"), 140,
                     Spalte::Zeitstempel},
                    {QueryLogListeJoinModel::queryLogLocationRow, tr("Standort"), 170},
                    {QueryLogListeJoinModel::queryLogNumberOfRowsRow, tr("# Datensaetze"), 90},
                    {QueryLogListeJoinModel::queryLogEntitiesRow, tr("Tabellen"), 150},
                    {QueryLogListeJoinModel::queryLogQueryRow, tr("Abfrage"), 300}},
                   parent)
{
}
