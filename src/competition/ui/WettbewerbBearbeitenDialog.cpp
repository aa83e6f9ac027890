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
#include <QMetaMethod>
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

// Calls the slot without arguments (such as "reiterGezeigt()") of a tab that has it.
void rufeFallsVorhanden(QWidget *reiter, const char *slot)
{
    const QMetaObject *meta = reiter->metaObject();
    const int index = meta->indexOfMethod(slot);
    if (index >= 0 && meta->method(index).methodType() == QMetaMethod::Slot)
        meta->method(index).invoke(reiter);
}

std::map<WettbewerbBearbeitenDialog::Reiter, WettbewerbBearbeitenDialog::ReiterFabrik> &fabriken()
{
    static std::map<WettbewerbBearbeitenDialog::Reiter, WettbewerbBearbeitenDialog::ReiterFabrik>
        registriert;
    return registriert;
}

} // namespace

void WettbewerbBearbeitenDialog::setzeReiter(Reiter reiter, ReiterFabrik fabrik)
{
    if (fabrik)
        fabriken()[reiter] = std::move(fabrik);
    else
        fabriken().erase(reiter);
}

QWidget *WettbewerbBearbeitenDialog::reiterWidget(Reiter reiter) const
{
    const auto gefunden = m_registrierte.find(reiter);
    return gefunden == m_registrierte.end() ? nullptr : gefunden->second;
}

WettbewerbBearbeitenDialog::WettbewerbBearbeitenDialog(DatabaseContext &ctx,
                                                       const Wettbewerb &wettbewerb,
                                                       const Verein *aktiverVerein, bool editierbar,
                                                       QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_wettbewerb(static_cast<Wettbewerb *>(wettbewerb.clone())),
      m_editierbar(editierbar)
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne WettbewerbBearbeitenDialog"));
    setWindowTitle(
        tr("Wettbewerb %1").arg(m_wettbewerb->hasName() ? m_wettbewerb->getName() : QString()));
    setModal(true);

    m_grunddaten = new WettbewerbGrunddatenWidget(ctx, *m_wettbewerb, editierbar);
    m_sparten = new WettbewerbSpartenWidget(ctx, *m_wettbewerb, editierbar);
    m_teilnehmer = new TeilnehmerListenWidget(ctx, *m_wettbewerb, aktiverVerein, editierbar);
    m_juroren = new WettbewerbJurorenWidget(ctx, *m_wettbewerb, editierbar);

    m_reiter = new QTabWidget;
    m_reiter->addTab(m_grunddaten, tr("&Grunddaten"));
    m_reiter->addTab(m_sparten, tr("S&parten"));
    m_reiter->addTab(m_teilnehmer, tr("&Teilnehmer"));
    // Adds a registered tab, or a disabled placeholder.
    const auto registrierterReiter = [&](Reiter art, const QString &titel) {
        const auto fabrik = fabriken().find(art);
        QWidget *inhalt =
            fabrik == fabriken().end() ? nullptr : fabrik->second(ctx, *m_wettbewerb, editierbar);
        const int index = m_reiter->addTab(inhalt ? inhalt : spaeterReiter(), titel);
        if (inhalt) {
            m_registrierte[art] = inhalt;
        } else {
            m_reiter->setTabEnabled(index, false);
            m_reiter->setTabToolTip(index, tr("Folgt in einer spaeteren Version"));
        }
    };
    registrierterReiter(Reiter::Bilder, tr("B&ilder"));
    m_reiter->addTab(m_juroren, tr("&Juroren"));
    registrierterReiter(Reiter::Wertung, tr("&Wertung"));
    registrierterReiter(Reiter::Ergebnisse, tr("E&rgebnisse"));
    registrierterReiter(Reiter::Statistik, tr("Statistik"));
    registrierterReiter(Reiter::Export, tr("E&xport"));
    connect(m_reiter, &QTabWidget::currentChanged, this, &WettbewerbBearbeitenDialog::tabChanged);

    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselWeiter, this,
            &WettbewerbBearbeitenDialog::reagiereAufStatusAenderung);
    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselZurueck, this,
            &WettbewerbBearbeitenDialog::reagiereAufStatusAenderung);
    // After the dialog's own reaction, the registered tabs that react to a change of state.
    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselWeiter, this, [this] {
        for (const auto &[art, reiter] : m_registrierte)
            rufeFallsVorhanden(reiter, "statusWechselWeiter()");
    });
    connect(m_grunddaten, &WettbewerbGrunddatenWidget::statusWechselZurueck, this, [this] {
        for (const auto &[art, reiter] : m_registrierte)
            rufeFallsVorhanden(reiter, "statusWechselZurueck()");
    });
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
    for (const auto &[art, reiter] : m_registrierte)
        QMetaObject::invokeMethod(reiter, "aktualisiere");
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
    for (const auto &[art, reiter] : m_registrierte)
        if (reiter == m_reiter->widget(index))
            rufeFallsVorhanden(reiter, "reiterGezeigt()");
}
