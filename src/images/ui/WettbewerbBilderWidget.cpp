#include "WettbewerbBilderWidget.h"

#include "BildBearbeitenDialog.h"
#include "BildLader.h"
#include "BildService.h"
#include "BilderSucheWidget.h"
#include "DatabaseContext.h"
#include "Meldungen.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "VollbildAnsehenDialog.h"
#include "WettbewerbsStatus.h"
#include "controllers/BildController.h"
#include "controllers/BildDatenController.h"
#include "entities/Bild.h"
#include "entities/BildDaten.h"
#include "entities/Wettbewerb.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("WettbewerbBilderWidget");
using Operation = WettbewerbsStatus::Operation;

QPixmap platzhalter()
{
    static const QPixmap leer = [] {
        QPixmap p(BilderModell::kVorschau, BilderModell::kVorschau * 2 / 3);
        p.fill(QColor(224, 224, 224));
        return p;
    }();
    return leer;
}

} // namespace

void BilderModell::setzeZeilen(std::vector<BildZeile> zeilen)
{
    beginResetModel();
    m_zeilen = std::move(zeilen);
    m_angefragt.clear();
    endResetModel();
}

void BilderModell::setzeVorschau(qlonglong bild, const QPixmap &vorschau)
{
    m_vorschau.insert(bild, vorschau);
    for (size_t i = 0; i < m_zeilen.size(); ++i) {
        if (m_zeilen[i].bild == bild) {
            const QModelIndex stelle = index(int(i));
            emit dataChanged(stelle, stelle, {Qt::DecorationRole});
        }
    }
}

int BilderModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_zeilen.size());
}

QVariant BilderModell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_zeilen.size()))
        return QVariant();
    const BildZeile &zeile = m_zeilen[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return (zeile.nummerProWettbewerb + QStringLiteral("  ") + zeile.titel).trimmed();
    case Qt::ToolTipRole:
        return QStringLiteral("%1\n%2\n%3\n%4")
            .arg(zeile.nummer, zeile.titel, zeile.einreicher, zeile.sparte);
    case Qt::DecorationRole: {
        const auto vorschau = m_vorschau.constFind(zeile.bild);
        if (vorschau != m_vorschau.constEnd())
            return *vorschau;
        if (zeile.bildDaten >= 0 && !m_angefragt.contains(zeile.bild)) {
            m_angefragt.insert(zeile.bild);
            emit vorschauGebraucht(index.row());
        }
        return platzhalter();
    }
    case Qt::ForegroundRole:
        return zeile.gueltig ? QVariant() : QVariant(QColor(Qt::red));
    default:
        return QVariant();
    }
}

WettbewerbBilderWidget::WettbewerbBilderWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                               bool editierbar, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_editierbar(editierbar)
{
    m_suche = new BilderSucheWidget;
    connect(m_suche, &BilderSucheWidget::suchen, this, &WettbewerbBilderWidget::sucheNach);
    m_anzahl = new QLabel;
    m_anzahl->setObjectName(QStringLiteral("anzahl"));
    m_modell = new BilderModell(this);
    m_ansicht = new QListView;
    m_ansicht->setViewMode(QListView::IconMode);
    m_ansicht->setIconSize(QSize(BilderModell::kVorschau, BilderModell::kVorschau));
    m_ansicht->setGridSize(QSize(BilderModell::kVorschau + 24, BilderModell::kVorschau + 40));
    m_ansicht->setUniformItemSizes(true);
    m_ansicht->setResizeMode(QListView::Adjust);
    m_ansicht->setMovement(QListView::Static);
    m_ansicht->setWordWrap(true);
    m_ansicht->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ansicht->setModel(m_modell);
    connect(m_ansicht, &QListView::doubleClicked, this, &WettbewerbBilderWidget::seheBildDetailsAn);
    connect(m_ansicht->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WettbewerbBilderWidget::aktualisiere);

    m_lader = new BildLader(this);
    connect(m_lader, &BildLader::geladen, this, [this](qlonglong bild, const QImage &vorschau) {
        m_modell->setzeVorschau(bild, QPixmap::fromImage(vorschau));
    });
    m_takt = new QTimer(this);
    m_takt->setInterval(0);
    connect(m_takt, &QTimer::timeout, this, &WettbewerbBilderWidget::ladeNaechsteVorschau);
    connect(m_modell, &BilderModell::vorschauGebraucht, this, [this](int zeile) {
        m_warteschlange.push_back(zeile);
        m_takt->start();
    });

    const auto neuerKnopf = [this](const QString &text, const char *name, auto slot) {
        auto *k = new QPushButton(text);
        k->setObjectName(QString::fromLatin1(name));
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, slot);
        return k;
    };
    m_neu = neuerKnopf(tr("&Neu"), "neu", &WettbewerbBilderWidget::fuegeBildHinzu);
    m_details = neuerKnopf(tr("Details &Ansehen"), "details", &WettbewerbBilderWidget::seheBildDetailsAn);
    m_vollbild = neuerKnopf(tr("&Vollbild Ansehen"), "vollbild", &WettbewerbBilderWidget::seheVollbildAn);
    m_bearbeiten = neuerKnopf(tr("&Bearbeiten"), "bearbeiten", &WettbewerbBilderWidget::bearbeiteBild);
    m_loeschen = neuerKnopf(tr("&Loeschen"), "loeschen", &WettbewerbBilderWidget::loescheBild);
    m_ungueltige = neuerKnopf(tr("Alle ungueltigen Loeschen"), "ungueltige",
                              &WettbewerbBilderWidget::loescheUngueltigeBilder);
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *k : {m_neu, m_details, m_vollbild, m_bearbeiten, m_loeschen, m_ungueltige})
        knoepfe->addWidget(k);
    knoepfe->addStretch();

    auto *links = new QVBoxLayout;
    links->addWidget(m_suche);
    links->addWidget(m_anzahl);
    links->addWidget(m_ansicht, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(knoepfe);
    aktualisiereListe();
}

WettbewerbBilderWidget::~WettbewerbBilderWidget()
{
    m_lader->verwerfe();
}

void WettbewerbBilderWidget::sucheNach(const QString &text)
{
    m_suchText = text;
    aktualisiereListe();
}

void WettbewerbBilderWidget::aktualisiereListe()
{
    std::vector<BildZeile> zeilen;
    try {
        zeilen = BildListe::lade(m_ctx, m_wettbewerb.getId(), m_suchText);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    m_warteschlange.clear();
    m_lader->verwerfe();
    const int anzahl = int(zeilen.size());
    m_modell->setzeZeilen(std::move(zeilen));
    m_anzahl->setText(tr("%1 Bilder gefunden").arg(anzahl));
    aktualisiere();
}

void WettbewerbBilderWidget::ladeNaechsteVorschau()
{
    if (m_warteschlange.empty()) {
        m_takt->stop();
        return;
    }
    const int zeile = m_warteschlange.front();
    m_warteschlange.pop_front();
    if (zeile >= int(m_modell->zeilen().size()))
        return;
    const BildZeile &bild = m_modell->zeilen()[size_t(zeile)];
    try {
        const auto daten = BildDatenController().readById(m_ctx, bild.bildDaten, true);
        if (daten && daten->hasDaten())
            m_lader->lade(bild.bild, daten->getDaten(),
                          QSize(BilderModell::kVorschau, BilderModell::kVorschau),
                          bild.rotierSchritte);
    } catch (const PersistenceException &) {
        // A thumbnail that cannot be read keeps its placeholder.
    }
}

qlonglong WettbewerbBilderWidget::markiertesBild() const
{
    const QModelIndexList markiert = m_ansicht->selectionModel()->selectedIndexes();
    if (markiert.isEmpty() || markiert.front().row() >= int(m_modell->zeilen().size()))
        return -1;
    return m_modell->zeilen()[size_t(markiert.front().row())].bild;
}

std::unique_ptr<Bild> WettbewerbBilderWidget::markiertesBildObjekt()
{
    const qlonglong id = markiertesBild();
    if (id < 0)
        return nullptr;
    try {
        return BildController().readById(m_ctx, id, true);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return nullptr;
    }
}

void WettbewerbBilderWidget::aktualisiere()
{
    const WettbewerbsStatus::Stufe stufe = WettbewerbsStatus::stufe(m_ctx, m_wettbewerb);
    const bool markiert = markiertesBild() >= 0;
    m_neu->setEnabled(WettbewerbsStatus::erlaubt(stufe, Operation::BildNeu, m_editierbar));
    m_details->setEnabled(markiert);
    m_vollbild->setEnabled(markiert);
    m_bearbeiten->setEnabled(
        markiert && WettbewerbsStatus::erlaubt(stufe, Operation::BildBearbeiten, m_editierbar));
    m_loeschen->setEnabled(
        markiert && WettbewerbsStatus::erlaubt(stufe, Operation::BildLoeschen, m_editierbar));
    m_ungueltige->setEnabled(
        WettbewerbsStatus::erlaubt(stufe, Operation::BildLoeschen, m_editierbar));
}

bool WettbewerbBilderWidget::fragtAnnahmeschluss(int operation)
{
    const auto frage = WettbewerbsStatus::annahmeschlussFrage(
        WettbewerbsStatus::stufe(m_ctx, m_wettbewerb), Operation(operation));
    return !frage || Meldungen::frage(this, *frage);
}

void WettbewerbBilderWidget::oeffne(Modus modus)
{
    std::unique_ptr<Bild> bild;
    if (modus != Modus::NEU && !(bild = markiertesBildObjekt()))
        return;
    BildBearbeitenDialog dialog(m_ctx, modus, m_wettbewerb, bild.get(), &m_cache, this);
    dialog.exec();
    if (!dialog.gespeicherteBilder().isEmpty()) {
        aktualisiereListe();
        emit bilderGeaendert();
    }
}

void WettbewerbBilderWidget::fuegeBildHinzu()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bild hinzufuegen"));
    if (fragtAnnahmeschluss(int(Operation::BildNeu)))
        oeffne(Modus::NEU);
}

void WettbewerbBilderWidget::seheBildDetailsAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bilddetails ansehen"));
    oeffne(Modus::ANSEHEN);
}

void WettbewerbBilderWidget::seheVollbildAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Vollbild ansehen"));
    const qlonglong markiert = markiertesBild();
    if (markiert < 0)
        return;
    std::vector<qlonglong> ids;
    int start = 0;
    for (const BildZeile &zeile : m_modell->zeilen()) {
        if (zeile.bild == markiert)
            start = int(ids.size());
        ids.push_back(zeile.bild);
    }
    VollbildAnsehenDialog dialog(m_ctx, std::move(ids), start, this);
    dialog.exec();
}

void WettbewerbBilderWidget::bearbeiteBild()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bild bearbeiten"));
    if (markiertesBild() >= 0 && fragtAnnahmeschluss(int(Operation::BildBearbeiten)))
        oeffne(Modus::BEARBEITEN);
}

void WettbewerbBilderWidget::loescheBild()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bild loeschen"));
    const auto bild = markiertesBildObjekt();
    if (!bild || !fragtAnnahmeschluss(int(Operation::BildLoeschen)))
        return;
    try {
        if (!Meldungen::frage(this, BildService::loeschFrage(m_ctx, *bild)))
            return;
        BildService::loesche(m_ctx, *bild);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    aktualisiereListe();
    emit bilderGeaendert();
}

void WettbewerbBilderWidget::loescheUngueltigeBilder()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von Alle ungueltigen Bilder loeschen"));
    if (!Meldungen::frage(this, Meldung{QStringLiteral("Ungültige Bilder loeschen?"),
                                        QStringLiteral("Wollen Sie wirklich alle ungueltigen "
                                                       "Bilder (d.h. die nicht vollständig über "
                                                       "die Webschnittstelle eingegebenen) "
                                                       "löschen?"),
                                        QString()}))
        return;
    try {
        BildService::loescheUngueltige(m_ctx, m_wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    aktualisiereListe();
    emit bilderGeaendert();
}
