#include "WettbewerbBearbeitenDialog.h"

#include "DatabaseContext.h"
#include "TeilnehmerListenWidget.h"
#include "WettbewerbGrunddatenWidget.h"
#include "WettbewerbJurorenWidget.h"
#include "WettbewerbSpartenWidget.h"
#include "WettbewerbsStatus.h"
#include "entities/Wettbewerb.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("WettbewerbBearbeitenDialog");

// A tab whose content comes with a later version of Kalvor.
QWidget *spaeterReiter()
{
    auto *reiter = new QWidget;
    auto *layout = new QVBoxLayout(reiter);
    auto *hinweis = new QLabel(WettbewerbBearbeitenDialog::tr(
        "Der Inhalt dieses Reiters folgt in einer spaeteren Version von Kalvor."));
    hinweis->setAlignment(Qt::AlignCenter);
    layout->addWidget(hinweis);
    return reiter;
}

WettbewerbBearbeitenDialog::ReiterFabrik &bilderReiter()
{
    static WettbewerbBearbeitenDialog::ReiterFabrik fabrik;
    return fabrik;
}

} // namespace

void WettbewerbBearbeitenDialog::setzeBilderReiter(ReiterFabrik fabrik)
{
    bilderReiter() = std::move(fabrik);
}

WettbewerbBearbeitenDialog::WettbewerbBearbeitenDialog(DatabaseContext &ctx,
                                                       const Wettbewerb &wettbewerb,
                                                       const Verein *aktiverVerein,
                                                       bool editierbar, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(static_cast<Wettbewerb *>(wettbewerb.clone())),
      m_editierbar(editierbar)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne WettbewerbBearbeitenDialog"));
    setWindowTitle(tr("Wettbewerb %1").arg(m_wettbewerb->hasName() ? m_wettbewerb->getName()
                                                                   : QString()));
    setModal(true);

    m_grunddaten = new WettbewerbGrunddatenWidget(ctx, *m_wettbewerb, editierbar);
    m_sparten = new WettbewerbSpartenWidget(ctx, *m_wettbewerb, editierbar);
    m_teilnehmer = new TeilnehmerListenWidget(ctx, *m_wettbewerb, aktiverVerein, editierbar);
    m_juroren = new WettbewerbJurorenWidget(ctx, *m_wettbewerb, editierbar);

    m_reiter = new QTabWidget;
    m_reiter->addTab(m_grunddaten, tr("&Grunddaten"));
    m_reiter->addTab(m_sparten, tr("S&parten"));
    m_reiter->addTab(m_teilnehmer, tr("&Teilnehmer"));
    if (bilderReiter())
        m_bilder = bilderReiter()(ctx, *m_wettbewerb, editierbar);
    m_reiter->addTab(m_bilder ? m_bilder : spaeterReiter(), tr("B&ilder"));
    m_reiter->addTab(m_juroren, tr("&Juroren"));
    m_reiter->addTab(spaeterReiter(), tr("&Wertung"));
    m_reiter->addTab(spaeterReiter(), tr("E&rgebnisse"));
    m_reiter->addTab(spaeterReiter(), tr("Statistik"));
    m_reiter->addTab(spaeterReiter(), tr("E&xport"));
    for (const int spaeter : {3, 5, 6, 7, 8}) {
        if (spaeter == 3 && m_bilder)
            continue;
        m_reiter->setTabEnabled(spaeter, false);
        m_reiter->setTabToolTip(spaeter, tr("Folgt in einer spaeteren Version"));
    }
    connect(m_reiter, &QTabWidget::currentChanged, this, &WettbewerbBearbeitenDialog::tabChanged);

    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselWeiter, this,
            &WettbewerbBearbeitenDialog::reagiereAufStatusAenderung);
    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselZurueck, this,
            &WettbewerbBearbeitenDialog::reagiereAufStatusAenderung);
    connect(m_grunddaten, &WettbewerbGrunddatenWidget::grunddatenGeaendert, this,
            &WettbewerbBearbeitenDialog::updateWidgets);
    connect(m_sparten, &WettbewerbSpartenWidget::spartenGeaendert, m_juroren,
            &WettbewerbJurorenWidget::aktualisiereListe);
    connect(m_sparten, &WettbewerbSpartenWidget::spartenGeaendert, m_teilnehmer,
            &TeilnehmerListenWidget::aktualisiereListe);

    m_statusZeile = new QLabel;
    m_statusZeile->setObjectName(QStringLiteral("statusZeile"));
    m_zurueck = new QPushButton;
    m_zurueck->setObjectName(QStringLiteral("zurueck"));
    m_weiter = new QPushButton;
    m_weiter->setObjectName(QStringLiteral("weiter"));
    auto *schliessen = new QPushButton(tr("S&chliessen"));
    schliessen->setObjectName(QStringLiteral("schliessen"));
    for (QPushButton *k : {m_zurueck, m_weiter, schliessen})
        k->setAutoDefault(false);
    connect(m_zurueck, &QPushButton::clicked, this,
            &WettbewerbBearbeitenDialog::statusWechselZurueck);
    connect(m_weiter, &QPushButton::clicked, this,
            &WettbewerbBearbeitenDialog::statusWechselWeiter);
    connect(schliessen, &QPushButton::clicked, this, [this] {
        m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Schliessen"));
        accept();
    });
    auto *unten = new QHBoxLayout;
    unten->addWidget(m_statusZeile, 1);
    unten->addWidget(m_zurueck);
    unten->addWidget(m_weiter);
    unten->addWidget(schliessen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_reiter, 1);
    layout->addLayout(unten);
    resize(900, 700);
    setzeStatus(WettbewerbsStatus::text(ctx, *m_wettbewerb));
    updateWidgets();
}

WettbewerbBearbeitenDialog::~WettbewerbBearbeitenDialog() = default;

void WettbewerbBearbeitenDialog::reagiereAufStatusAenderung()
{
    const QString text = WettbewerbsStatus::text(m_ctx, *m_wettbewerb);
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von reagiereAufStatusAenderung: ") + text);
    setzeStatus(text);
    updateWidgets();
}

void WettbewerbBearbeitenDialog::aktualisiereButtons()
{
    const WettbewerbsStatus::Knoepfe k = WettbewerbsStatus::knoepfe(
        WettbewerbsStatus::stufe(m_ctx, *m_wettbewerb), m_editierbar, false);
    m_zurueck->setText(k.zurueck);
    m_zurueck->setEnabled(k.zurueckAktiv);
    m_weiter->setText(k.weiter);
    m_weiter->setEnabled(k.weiterAktiv);
}

void WettbewerbBearbeitenDialog::setzeStatus(const QString &text)
{
    m_statusZeile->setText(text);
    emit statusMessage(text);
}

void WettbewerbBearbeitenDialog::updateWidgets()
{
    m_grunddaten->aktualisiere();
    m_sparten->aktualisiere();
    m_teilnehmer->aktualisiere();
    m_juroren->aktualisiere();
    if (m_bilder)
        QMetaObject::invokeMethod(m_bilder, "aktualisiere");
    aktualisiereButtons();
}

void WettbewerbBearbeitenDialog::statusWechselWeiter()
{
    m_grunddaten->geheZumNaechstenStatus();
}

void WettbewerbBearbeitenDialog::statusWechselZurueck()
{
    m_grunddaten->geheZumVorherigenStatus();
}

void WettbewerbBearbeitenDialog::tabChanged(int index)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7,
              QStringLiteral("Aufruf von tabChanged: ") + QString::number(index));
}
