#include "GrunddatenBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "GrunddatenBearbeitenWidget.h"
#include "WettbewerbService.h"
#include "entities/Jurierung.h"
#include "entities/Wettbewerb.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("GrunddatenBearbeitenDialog");
}

GrunddatenBearbeitenDialog::GrunddatenBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                       const Wettbewerb &wettbewerb,
                                                       QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(static_cast<Wettbewerb *>(wettbewerb.clone()))
{
    const DialogModus dialogModus = DialogModus::aus(
        modus, tr("Neuen Wettbewerb anlegen"), tr("Grunddaten bearbeiten"),
        tr("Grunddaten ansehen"), tr("Neuen Wettbewerb &speichern"), tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    setModal(true);
    m_jurierung = m_wettbewerb->hasId() ? WettbewerbService::jurierung(ctx, *m_wettbewerb)
                                        : WettbewerbService::neueJurierung(ctx);
    m_widget = new GrunddatenBearbeitenWidget(ctx, *m_wettbewerb, *m_jurierung, modus);
    auto *scroll = new QScrollArea;
    scroll->setWidget(m_widget);
    scroll->setWidgetResizable(true);

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus, false);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &GrunddatenBearbeitenDialog::schliessenUndSpeichern);
    for (QPushButton *k : {knoepfe.abbrechen, knoepfe.schliessen})
        if (k)
            connect(k, &QPushButton::clicked, this,
                    &GrunddatenBearbeitenDialog::schliessenOhneSpeichern);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(knoepfe.zeile);
    resize(640, 760);
}

GrunddatenBearbeitenDialog::~GrunddatenBearbeitenDialog() = default;

void GrunddatenBearbeitenDialog::schliessenUndSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenUndSpeichern"));
    if (!m_widget->speichere())
        return;
    emit grunddatenGespeichert(m_wettbewerb.get());
    accept();
}

void GrunddatenBearbeitenDialog::schliessenOhneSpeichern()
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von schliessenOhneSpeichern"));
    reject();
}
