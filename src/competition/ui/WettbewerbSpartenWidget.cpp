#include "WettbewerbSpartenWidget.h"

#include "DatabaseContext.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "SparteBearbeitenDialog.h"
#include "SparteService.h"
#include "SpartenListe.h"
#include "WettbewerbsStatus.h"
#include "entities/Sparte.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("WettbewerbSpartenWidget");
}

WettbewerbSpartenWidget::WettbewerbSpartenWidget(DatabaseContext &ctx, Wettbewerb &wettbewerb,
                                                 bool editierbar, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_wettbewerb(wettbewerb), m_editierbar(editierbar)
{
    m_liste = new SpartenListe(ctx);
    m_neu = new QPushButton(tr("&Neu"));
    m_neu->setObjectName(QStringLiteral("neu"));
    m_ansehen = new QPushButton(tr("&Ansehen"));
    m_ansehen->setObjectName(QStringLiteral("ansehen"));
    m_bearbeiten = new QPushButton(tr("&Bearbeiten"));
    m_bearbeiten->setObjectName(QStringLiteral("bearbeiten"));
    m_loeschen = new QPushButton(tr("&Loeschen"));
    m_loeschen->setObjectName(QStringLiteral("loeschen"));
    connect(m_neu, &QPushButton::clicked, this, &WettbewerbSpartenWidget::legeSparteAn);
    connect(m_ansehen, &QPushButton::clicked, this, &WettbewerbSpartenWidget::seheSparteAn);
    connect(m_bearbeiten, &QPushButton::clicked, this, &WettbewerbSpartenWidget::bearbeiteSparte);
    connect(m_loeschen, &QPushButton::clicked, this, &WettbewerbSpartenWidget::loescheSparte);
    connect(m_liste, &SpartenListe::zeileDoppelgeklickt, this, [this] {
        if (darfAendern())
            bearbeiteSparte();
        else
            seheSparteAn();
    });
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *k : {m_neu, m_ansehen, m_bearbeiten, m_loeschen}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    knoepfe->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    aktualisiereListe();
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WettbewerbSpartenWidget::aktualisiere);
}

bool WettbewerbSpartenWidget::darfAendern() const
{
    return WettbewerbsStatus::erlaubt(WettbewerbsStatus::stufe(m_ctx, m_wettbewerb),
                                      WettbewerbsStatus::Operation::SpartenAendern, m_editierbar);
}

void WettbewerbSpartenWidget::aktualisiere()
{
    const bool aendern = darfAendern();
    const bool markiert = m_liste->markierteSparte() != nullptr;
    m_neu->setEnabled(aendern);
    m_ansehen->setEnabled(markiert);
    m_bearbeiten->setEnabled(aendern && markiert);
    m_loeschen->setEnabled(aendern && markiert);
}

void WettbewerbSpartenWidget::aktualisiereListe()
{
    const int zeile = m_liste->selectedRow();
    try {
        m_liste->lade(m_wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
    }
    m_liste->selectRow(zeile < 0 ? 0 : zeile);
    aktualisiere();
}

void WettbewerbSpartenWidget::legeSparteAn()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Lege Sparte an"));
    if (!darfAendern())
        return;
    SparteBearbeitenDialog dialog(m_ctx, Modus::NEU, m_wettbewerb, nullptr, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    aktualisiereListe();
    m_liste->selectRow(m_liste->rowCount() - 1);
    emit spartenGeaendert();
}

void WettbewerbSpartenWidget::seheSparteAn()
{
    const Sparte *sparte = m_liste->markierteSparte();
    if (!sparte)
        return;
    SparteBearbeitenDialog dialog(m_ctx, Modus::ANSEHEN, m_wettbewerb, sparte, this);
    dialog.exec();
}

void WettbewerbSpartenWidget::bearbeiteSparte()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Bearbeite Sparte"));
    const Sparte *sparte = m_liste->markierteSparte();
    if (!sparte || !darfAendern())
        return;
    SparteBearbeitenDialog dialog(m_ctx, Modus::BEARBEITEN, m_wettbewerb, sparte, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    aktualisiereListe();
    emit spartenGeaendert();
}

void WettbewerbSpartenWidget::loescheSparte()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Loesche Sparte"));
    const Sparte *sparte = m_liste->markierteSparte();
    if (!sparte || !darfAendern())
        return;
    try {
        if (const auto verbot = SparteService::loeschVerbot(m_ctx, m_wettbewerb, *sparte)) {
            Meldungen::zeige(this, *verbot);
            return;
        }
        if (!Meldungen::frage(this, SparteService::loeschFrage(*sparte)))
            return;
        SparteService::loesche(m_ctx, *sparte);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(m_ctx, this, kOrt, fehler);
        return;
    }
    aktualisiereListe();
    emit spartenGeaendert();
}
