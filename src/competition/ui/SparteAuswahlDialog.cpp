#include "SparteAuswahlDialog.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "Meldungen.h"
#include "PersistenceException.h"
#include "SpartenListe.h"
#include "entities/Sparte.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("SparteAuswahlDialog");
}

SparteAuswahlDialog::SparteAuswahlDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                                         QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne SparteAuswahlDialog"));
    setWindowTitle(tr("Sparte auswaehlen"));
    setModal(true);
    m_liste = new SpartenListe(ctx);
    try {
        m_liste->lade(wettbewerb);
    } catch (const PersistenceException &fehler) {
        Meldungen::fehler(ctx, this, kOrt, fehler);
    }
    if (m_liste->rowCount() > 0)
        m_liste->selectRow(0);
    connect(m_liste, &SpartenListe::zeileDoppelgeklickt, this,
            &SparteAuswahlDialog::waehleSparteAus);
    auto *auswaehlen = new QPushButton(tr("Sparte aus&waehlen"));
    auswaehlen->setObjectName(QStringLiteral("auswaehlen"));
    auto *keine = new QPushButton(tr("&Keine Sparte auswaehlen"));
    auto *abbrechen = new QPushButton(tr("Abbre&chen"));
    connect(auswaehlen, &QPushButton::clicked, this, &SparteAuswahlDialog::waehleSparteAus);
    connect(keine, &QPushButton::clicked, this, &SparteAuswahlDialog::waehleKeineSparteAus);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton *k : {auswaehlen, keine, abbrechen}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_liste, 1);
    layout->addLayout(knoepfe);
    resize(560, 360);
}

SparteAuswahlDialog::~SparteAuswahlDialog() = default;

std::unique_ptr<Sparte> SparteAuswahlDialog::gewaehlteSparte()
{
    return std::move(m_gewaehlt);
}

void SparteAuswahlDialog::waehleSparteAus()
{
    const Sparte *sparte = m_liste->markierteSparte();
    if (!sparte) {
        showError(m_ctx, this, kOrt, tr("Keine Sparte markiert"),
                  tr("Bitte markieren Sie zunaechst eine der Sparten."));
        return;
    }
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Sparte ausgewaehlt"));
    m_gewaehlt.reset(static_cast<Sparte *>(sparte->clone()));
    accept();
}

void SparteAuswahlDialog::waehleKeineSparteAus()
{
    m_gewaehlt.reset();
    accept();
}
