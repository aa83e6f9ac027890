#include "Ranglistenlisten.h"

#include "entities/Wettbewerb.h"
#include "joins/BilderSucheJoinSearchModel.h"
#include "joins/TeilnehmerKombinationsWertungsListeJoinModel.h"
#include "joins/TeilnehmerWertungsListeJoinModel.h"
#include "joins/VereinsKombinationsWertungsListeJoinModel.h"
#include "joins/VereinsWertungsListeJoinModel.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableView>

RanglistenListe::RanglistenListe(DatabaseContext &ctx, Rangliste art, QList<int> spalten,
                                 Zeilenbezug bezug, QWidget *parent)
    : ListWidget(ctx, parent), m_art(art), m_spalten(std::move(spalten)),
      m_bezug(std::move(bezug))
{
    initialise();
    tableView()->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView()->horizontalHeader()->setStretchLastSection(true);
}

void RanglistenListe::createTableView()
{
    const std::vector<Ranglisten::Spalte> titel = Ranglisten::spalten(m_art);
    Q_ASSERT(titel.size() == size_t(m_spalten.size()));
    std::map<int, ColumnDescription> columns;
    for (int i = 0; i < m_spalten.size(); ++i) {
        // The rank comes first and the points last: both sort as numbers.
        const bool zahl = i == 0 || i == m_spalten.size() - 1;
        columns.emplace(m_spalten[i], ColumnDescription(titel[size_t(i)].titel,
                                                        titel[size_t(i)].breite,
                                                        zahl ? SortAsInt : SortAsText));
    }
    setTableView(new QTableView, new CompositeTableModel(m_spalten, std::move(columns)));
}

void RanglistenListe::lade(const Wettbewerb &wettbewerb, qlonglong jugend)
{
    m_wettbewerb = wettbewerb.getId();
    replaceRows(Ranglisten::lese(context(), wettbewerb, m_art, jugend));
}

std::unique_ptr<BilderSucheJoinSearchModel> RanglistenListe::bilderSuche(int zeile,
                                                                         QString *titel) const
{
    const Record *row = model()->rowObject(zeile);
    if (!row)
        return nullptr;
    const auto id = [row](int attribut) { return row->getValue(attribut).toLongLong(); };
    auto suche = std::make_unique<BilderSucheJoinSearchModel>();
    if (m_bezug.teilnahme >= 0) {
        suche->setBildWettbewerbsTeilnahme(id(m_bezug.teilnahme));
    } else {
        suche->setWettbewerbId(m_wettbewerb);
        suche->setVereinId(id(m_bezug.verein));
    }
    if (m_bezug.sparte >= 0)
        suche->setBildSparte(id(m_bezug.sparte));
    if (m_art == Rangliste::TeilnehmerKombination || m_art == Rangliste::VereinsKombination)
        suche->setSparteInKombinationVerwendet(true);
    QStringList name;
    for (int attribut : m_bezug.name)
        name << row->getValue(attribut).toString();
    *titel = m_bezug.teilnahme >= 0 ? tr("Bilder von %1").arg(name.join(QLatin1Char(' ')))
                                    : tr("Bilder des Vereins %1").arg(name.join(QLatin1Char(' ')));
    return suche;
}

namespace {
using TW = TeilnehmerWertungsListeJoinModel;
using TKW = TeilnehmerKombinationsWertungsListeJoinModel;
using VW = VereinsWertungsListeJoinModel;
using VKW = VereinsKombinationsWertungsListeJoinModel;
} // namespace

TeilnehmerWertungsListe::TeilnehmerWertungsListe(DatabaseContext &ctx, QWidget *parent)
    : RanglistenListe(ctx, Rangliste::Teilnehmer,
                      {TW::wertungRangRow, TW::vereinNameRow, TW::sparteNameRow,
                       TW::mitgliedMitgliedsNummerKomplettRow, TW::mitgliedVornameRow,
                       TW::mitgliedNachnameRow, TW::wertungPunkteRow},
                      {TW::teilnahmeIdRow, TW::vereinIdRow, TW::sparteIdRow,
                       {TW::mitgliedVornameRow, TW::mitgliedNachnameRow}},
                      parent)
{}

TeilnehmerKombinationsWertungsListe::TeilnehmerKombinationsWertungsListe(DatabaseContext &ctx,
                                                                         QWidget *parent)
    : RanglistenListe(ctx, Rangliste::TeilnehmerKombination,
                      {TKW::wertungRangRow, TKW::vereinNameRow,
                       TKW::mitgliedMitgliedsNummerKomplettRow, TKW::mitgliedVornameRow,
                       TKW::mitgliedNachnameRow, TKW::wertungPunkteRow},
                      {TKW::teilnahmeIdRow, TKW::vereinIdRow, -1,
                       {TKW::mitgliedVornameRow, TKW::mitgliedNachnameRow}},
                      parent)
{}

VereinsWertungsListe::VereinsWertungsListe(DatabaseContext &ctx, QWidget *parent)
    : RanglistenListe(ctx, Rangliste::Vereine,
                      {VW::wertungRangRow, VW::vereinVereinsNummerKomplettRow, VW::vereinNameRow,
                       VW::sparteNameRow, VW::wertungPunkteRow},
                      {-1, VW::vereinIdRow, VW::sparteIdRow, {VW::vereinNameRow}}, parent)
{}

VereinsKombinationsWertungsListe::VereinsKombinationsWertungsListe(DatabaseContext &ctx,
                                                                   QWidget *parent)
    : RanglistenListe(ctx, Rangliste::VereinsKombination,
                      {VKW::wertungRangRow, VKW::vereinVereinsNummerKomplettRow,
                       VKW::vereinNameRow, VKW::wertungPunkteRow},
                      {-1, VKW::vereinIdRow, -1, {VKW::vereinNameRow}}, parent)
{}
