#include "WettbewerbStatistikWidget.h"

#include "DatabaseContext.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "StatistikHelper.h"
#include "VerteilungsDiagramm.h"
#include "controllers/StatistikDataController.h"
#include "controllers/WettbewerbController.h"
#include "entities/StatistikData.h"
#include "entities/Wettbewerb.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {

const QString kOrt = QStringLiteral("WettbewerbStatistikWidget");
constexpr int kDiagrammSpalten = 2;

// Adds the children of `knoten` (by parent id, in stored order) below `element`, recursively.
void haengeKinderAn(QTreeWidgetItem *element, qlonglong knoten,
                    const std::multimap<qlonglong, const StatistikData *> &kinder)
{
    const auto [von, bis] = kinder.equal_range(knoten);
    for (auto it = von; it != bis; ++it) {
        const StatistikData &kind = *it->second;
        auto *unten = new QTreeWidgetItem(element, {kind.hasText() ? kind.getText()
                                                                   : QStringLiteral("ohne Text)")});
        haengeKinderAn(unten, kind.getId(), kinder);
    }
}

} // namespace

VerteilungsWidget::VerteilungsWidget(Punkteverteilung verteilung, QWidget *parent)
    : QWidget(parent), m_verteilung(std::move(verteilung))
{
    setMinimumSize(260, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize VerteilungsWidget::sizeHint() const
{
    return {380, 200};
}

void VerteilungsWidget::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.fillRect(rect(), palette().base());
    VerteilungsDiagramm::zeichne(maler, QRectF(rect()).adjusted(4, 4, -4, -4), m_verteilung);
}

WettbewerbStatistikWidget::WettbewerbStatistikWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                     QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb)
{
    m_baum = new QTreeWidget;
    m_baum->setColumnCount(1);
    m_baum->setHeaderLabels({QString()});

    m_diagrammFlaeche = new QWidget;
    m_diagramme = new QGridLayout;
    auto *flaeche = new QVBoxLayout(m_diagrammFlaeche);
    flaeche->addLayout(m_diagramme);
    flaeche->addStretch();
    auto *rollen = new QScrollArea;
    rollen->setWidgetResizable(true);
    rollen->setWidget(m_diagrammFlaeche);
    rollen->setMinimumHeight(240); // one row of charts at least

    auto *teiler = new QSplitter(Qt::Vertical);
    teiler->addWidget(m_baum);
    teiler->addWidget(rollen);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(teiler);
    aktualisiere();
    ctx.log(QStringLiteral("Wettbewerb"), kOrt, 3,
            QStringLiteral("Finished creating WettbewerbStatistikWidget"));
}

WettbewerbStatistikWidget::~WettbewerbStatistikWidget() = default;

void WettbewerbStatistikWidget::reiterGezeigt()
{
    try {
        const auto frisch = WettbewerbController().readById(m_ctx, m_wettbewerb.getId());
        if (frisch)
            StatistikHelper::berechneStatistik(m_ctx, *frisch);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    aktualisiere();
}

void WettbewerbStatistikWidget::aktualisiere()
{
    try {
        baueBaum();
        baueDiagramme();
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
}

void WettbewerbStatistikWidget::baueBaum()
{
    StatistikDataSearchModel suche;
    suche.setWettbewerb(m_wettbewerb.getId());
    auto knoten = StatistikDataController().search(m_ctx, suche);
    std::sort(knoten.begin(), knoten.end(),
              [](const auto &a, const auto &b) { return a->getId() < b->getId(); });
    std::multimap<qlonglong, const StatistikData *> kinder;
    for (const auto &k : knoten)
        if (k->hasParent())
            kinder.emplace(k->getParent(), k.get());
    m_baum->clear();
    for (const auto &k : knoten) {
        if (!k->hasTopLevel() || !k->getTopLevel())
            continue;
        auto *oben = new QTreeWidgetItem(
            m_baum, {k->hasText() ? k->getText() : QStringLiteral("ohne Text")});
        haengeKinderAn(oben, k->getId(), kinder);
    }
    m_baum->expandAll();
}

void WettbewerbStatistikWidget::baueDiagramme()
{
    auto verteilungen = leseVerteilungen(m_ctx, m_wettbewerb);
    while (QLayoutItem *alt = m_diagramme->takeAt(0)) {
        delete alt->widget();
        delete alt;
    }
    int nummer = 0;
    for (auto &verteilung : verteilungen) {
        m_diagramme->addWidget(new VerteilungsWidget(std::move(verteilung)),
                               nummer / kDiagrammSpalten, nummer % kDiagrammSpalten);
        ++nummer;
    }
}

std::vector<const VerteilungsWidget *> WettbewerbStatistikWidget::diagramme() const
{
    std::vector<const VerteilungsWidget *> ergebnis;
    for (int i = 0; i < m_diagramme->count(); ++i)
        if (auto *w = qobject_cast<const VerteilungsWidget *>(m_diagramme->itemAt(i)->widget()))
            ergebnis.push_back(w);
    return ergebnis;
}
